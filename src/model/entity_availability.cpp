// Availability of an entity, its absences, and where it is replaced or stands in.
#include <algorithm>
#include <cstdint>

#include "model/entity.h"
#include "model/entry_scan.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

namespace {

bool IsSlotIndex(int day) { return day >= 0 && day < kMaxPlanDays; }

// Seconds since local midnight; -1 for a value that is not valid.
int SecondsOfDay(const COleDateTime& t) {
    if (t.GetStatus() != COleDateTime::valid || t.GetHour() < 0) return -1;
    return t.GetHour() * 3600 + t.GetMinute() * 60;
}

// Seconds since local midnight of a stored time of day (GetLocalHour and GetLocalMinute from
// one conversion); -1 when it has no local form.
int SecondsOfDay(__time64_t t) {
    if (t == 0) return 0;
    struct tm parts {};
    if (_localtime64_s(&parts, &t) != 0) return -1;
    return parts.tm_hour * 3600 + parts.tm_min * 60;
}

// The date of t at the local hour and minute of a time of day.
COleDateTime AtTimeOfDay(const COleDateTime& date, __time64_t timeOfDay) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), GetLocalHour(timeOfDay),
                        GetLocalMinute(timeOfDay), 0);
}

COleDateTime AbsenceEnd(const CAbsence& absence) { return absence.m_dtStart + absence.m_tsLength; }

bool NamesStandIn(const CTimetableEntry& entry, int entityId) {
    return std::any_of(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(),
                       [&](const CReplacement& r) { return r.m_nEntity == entityId && !r.m_bExtending; });
}

bool IsLive(const CScheduleData& data, const CTimetableEntry& entry) { return !entry.IsLinkedState(data); }

// Walks, in no particular order, the entries near an interval that can matter to an entity that
// is not a room: those whose activity is gone and those it may take part in, the latter each once.
template <class Visit>
bool AnyEntryOfEntityNear(const CScheduleData& data, const CPlanIndex& index, int entityId, const COleDateTime& start,
                          const COleDateTime& end, Visit visit) {
    const auto near = [&](std::size_t position) {
        const CTimetableEntry& other = data.m_arrEntries[position];
        return CEntriesByStart::MayShareTime(other, start, end) && visit(other);
    };
    const CPlanIndex::Positions& withoutActivity = index.EntriesWithoutActivity();
    if (std::any_of(withoutActivity.begin(), withoutActivity.end(), near)) return true;
    CPlanIndex::Positions involving;
    index.GetEntriesInvolving(entityId, involving);
    return std::any_of(involving.begin(), involving.end(), near);
}

}  // namespace

bool CEntity::IsAvailable(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end) const {
    if (m_bUnavailable) return false;
    if (IsAbsent(start, end)) return false;
    if (m_nType == 4) return true;
    const int day = data.GetDayIndex(start);
    if (!IsSlotIndex(day)) return false;
    if (IsPlanDayHoliday(data, day)) return false;
    const int startSeconds = SecondsOfDay(start);
    const int windowStart = SecondsOfDay(m_tDayStart[day]);
    if (startSeconds < 0 || windowStart < 0 || startSeconds < windowStart) return false;
    // An end on a later calendar day (midnight included) lies beyond every window of the day.
    if (CompareDates(end, start) == 1) return false;
    const int endSeconds = SecondsOfDay(end);
    const int windowEnd = SecondsOfDay(m_tDayEnd[day]);
    return endSeconds >= 0 && windowEnd >= 0 && endSeconds <= windowEnd;
}

bool CEntity::IsAbsent(const COleDateTime& start, const COleDateTime& end) const {
    if (m_bUnavailable) return true;
    if (start.GetStatus() != COleDateTime::valid || start.GetYear() <= 1979) return false;
    for (const CAbsence& absence : m_arrAbsences) {
        if (IntervalsOverlap(start, end, absence.m_dtStart, AbsenceEnd(absence))) return true;
        if (absence.m_bWholeDay && IsSameDay(start, absence.m_dtStart)) return true;
    }
    return false;
}

bool CEntity::IsFreeAt(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end) const {
    if (!IsAvailable(data, start, end) || IsAbsent(start, end) || m_nType == 5) return false;
    return std::none_of(data.m_arrEntries.begin(), data.m_arrEntries.end(), [&](const CTimetableEntry& entry) {
        return NamesStandIn(entry, m_nId) && IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), start, end);
    });
}

bool CEntity::CanTakeEntry(const CScheduleData& data, const CTimetableEntry& entry, const CPlanIndex* index) const {
    if (m_bUnavailable || !entry.IsEntityAvailable(data, *this)) return false;
    if (m_nOverlaps == 0) return true;
    int count = 1;
    if (m_nType != 4) {
        const COleDateTime end = entry.GetEndTime();
        // Another live entry at the same time refuses the entry when its activity is gone; one
        // the entity takes part in counts, and for a class refuses it. Only those entries can
        // count, so with an index the walk skips every other entry near the time.
        const auto refuses = [&](const CTimetableEntry& other) {
            if (other.m_nActivity == entry.m_nActivity) return false;
            if (!IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end)) return false;
            if (!IsLive(data, other)) return false;
            if (data.FindActivity(other.m_nActivity) == data.m_arrActivities.end()) return true;
            if (!TakesPartIn(data, other, index)) return false;
            ++count;
            return m_nType == 0;
        };
        const bool refused = index ? AnyEntryOfEntityNear(data, *index, m_nId, entry.m_dtStart, end, refuses)
                                   : AnyEntryNear(data, index, entry.m_dtStart, end, refuses);
        if (refused) return false;
    }
    return m_nOverlaps >= count;
}

bool CEntity::TakesPartDuring(const CScheduleData& data, const CTimetableEntry& entry, const CPlanIndex* index) const {
    if (m_bUnavailable) return false;
    const COleDateTime end = entry.GetEndTime();
    return AnyEntryNear(data, index, entry.m_dtStart, end, [&](const CTimetableEntry& other) {
        return IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end) && IsLive(data, other) &&
               TakesPartIn(data, other, index);
    });
}

bool CEntity::IsReplacedOut(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end,
                            int activityId, const CPlanIndex* index) const {
    const auto replacesOut = [&](const CTimetableEntry& entry) {
        if (!entry.m_bLinked || entry.m_arrReplacements.empty()) return false;
        if (activityId != 0 && entry.m_nActivity != activityId) return false;
        return NamesStandIn(entry, m_nId) && IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), start, end);
    };
    if (index && activityId != 0) {
        const CPlanIndex::Positions& entries = index->EntriesOfActivity(activityId);
        return std::any_of(entries.begin(), entries.end(),
                           [&](std::size_t position) { return replacesOut(data.m_arrEntries[position]); });
    }
    return std::any_of(data.m_arrEntries.begin(), data.m_arrEntries.end(), replacesOut);
}

bool CEntity::IsReplacedOutOnDay(const CScheduleData& data, int day) const {
    if (!IsSlotIndex(day) || day > data.m_nDays) return false;
    const COleDateTime date = data.GetDayDate(day);
    return IsReplacedOut(data, AtTimeOfDay(date, m_tDayStart[day]), AtTimeOfDay(date, m_tDayEnd[day]), 0);
}

bool CEntity::IsReplacingInOverlap(const CScheduleData& data, const CTimetableEntry& entry) const {
    const COleDateTime end = entry.GetEndTime();
    return std::any_of(data.m_arrEntries.begin(), data.m_arrEntries.end(), [&](const CTimetableEntry& other) {
        if (other.m_nActivity == entry.m_nActivity || other.m_bLinked) return false;
        const bool extends = std::any_of(other.m_arrReplacements.begin(), other.m_arrReplacements.end(),
                                         [&](const CReplacement& r) { return r.m_nEntity == m_nId && r.m_bExtending; });
        return extends && IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end);
    });
}

bool CEntity::HasEntryInInterval(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end) const {
    return std::any_of(data.m_arrEntries.begin(), data.m_arrEntries.end(), [&](const CTimetableEntry& entry) {
        if (!IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), start, end)) return false;
        const auto activity = data.FindActivity(entry.m_nActivity);
        return activity != data.m_arrActivities.end() && activity->HasEntity(*this);
    });
}

void CEntity::RemoveAbsenceOverlapping(const CAbsence& absence) {
    if (m_bUnavailable) return;
    const COleDateTime end = AbsenceEnd(absence);
    const auto found = std::find_if(m_arrAbsences.begin(), m_arrAbsences.end(), [&](const CAbsence& b) {
        return IntervalsOverlap(b.m_dtStart, AbsenceEnd(b), absence.m_dtStart, end) ||
               (b.m_bWholeDay && IsSameDay(b.m_dtStart, absence.m_dtStart));
    });
    if (found != m_arrAbsences.end()) m_arrAbsences.erase(found);
}

bool CEntity::SetWholeDayAbsence(const CScheduleData& data, int day, bool set, const CAbsence& model, bool force) {
    if (!IsSlotIndex(day)) return false;
    const COleDateTime date = data.GetDayDate(day);
    const auto onThatDay = [&](const CAbsence& a) { return IsSameDay(a.m_dtStart, date); };
    if (set && !force && std::any_of(m_arrAbsences.begin(), m_arrAbsences.end(), onThatDay)) return false;
    if (set) std::erase_if(m_arrAbsences, onThatDay);

    CAbsence absence;
    absence.m_nEntity = m_nId;
    absence.m_dtStart = AtTimeOfDay(date, m_tDayStart[day]);
    absence.m_tsLength = AtTimeOfDay(date, m_tDayEnd[day]) - absence.m_dtStart;
    if (set) {
        absence.m_bWholeDay = 1;
        absence.m_bPaid = model.m_bPaid;
        absence.m_bApproved = model.m_bApproved;
        absence.m_strReason = model.m_strReason;
        absence.m_strCategory = model.m_strCategory;
        absence.m_strRemark = model.m_strRemark;
        absence.m_strFund = model.m_strFund;
        m_arrAbsences.push_back(absence);
    } else {
        RemoveAbsenceOverlapping(absence);
    }
    return true;
}

void CEntity::DropClashingReplacements(CScheduleData& data, const CPlanIndex* index) const {
    const auto drop = [&](CTimetableEntry& entry) {
        if (!IsLive(data, entry)) return;
        const bool named = entry.HasRoom(m_nId) ||
                           std::any_of(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(),
                                       [&](const CReplacement& r) { return r.m_nEntity == m_nId; });
        if (!named) return;
        const COleDateTime end = entry.GetEndTime();
        // Another live entry of one of the entity's activities at that time; with an index only
        // the entries of those activities are looked at.
        const auto clashing = [&](const CTimetableEntry& other) {
            return other.m_nActivity != entry.m_nActivity && IsLive(data, other) &&
                   IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end);
        };
        bool clashes = false;
        if (index) {
            for (const std::size_t a : index->ActivitiesOf(m_nId)) {
                for (const std::size_t e : index->EntriesOfActivity(data.m_arrActivities[a].m_nId))
                    if (clashing(data.m_arrEntries[e])) clashes = true;
                if (clashes) break;
            }
        } else {
            clashes = std::any_of(data.m_arrEntries.begin(), data.m_arrEntries.end(), [&](const CTimetableEntry& other) {
                return clashing(other) && other.HasMemberEntity(data, m_nId);
            });
        }
        if (clashes) std::erase_if(entry.m_arrReplacements, [&](const CReplacement& r) { return r.m_nEntity == m_nId; });
    };
    // With an index only the entries that name the entity are looked at, in collection order.
    if (index) {
        const CPlanIndex::Positions naming = index->EntriesNaming(m_nId);
        for (const std::size_t position : naming) drop(data.m_arrEntries[position]);
        return;
    }
    for (CTimetableEntry& entry : data.m_arrEntries) drop(entry);
}

COleDateTimeSpan CEntity::GetNetAvailableTime(const CScheduleData& data) const {
    if (m_bUnavailable) return COleDateTimeSpan(0.0);
    COleDateTimeSpan total(0.0);
    for (int i = 0; i < kMaxPlanDays; ++i) {
        const std::int64_t seconds = m_tDayEnd[i] - m_tDayStart[i];
        if (seconds / 60 > 5)
            total += COleDateTimeSpan(0, static_cast<int>(seconds / 3600 % 24),
                                      static_cast<int>(seconds / 60 - seconds / 3600 * 60), 0);
    }

    // Only the absences on the plan days reduce the week's time; parts outside are cut off.
    const COleDateTime first = data.GetStartDate();
    const COleDateTime periodStart(first.GetYear(), first.GetMonth(), first.GetDay(), 0, 0, 0);
    const COleDateTime periodEnd = periodStart + COleDateTimeSpan(static_cast<double>(std::max(0, data.m_nDays)));
    struct Span {
        COleDateTime start, end;
    };
    std::vector<Span> spans;
    for (const CAbsence& absence : m_arrAbsences) {
        const COleDateTime end = AbsenceEnd(absence);
        if (absence.m_dtStart.GetStatus() != COleDateTime::valid || end.GetStatus() != COleDateTime::valid) continue;
        const Span span{std::max(absence.m_dtStart, periodStart), std::min(end, periodEnd)};
        if (span.end > span.start) spans.push_back(span);
    }
    std::stable_sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.start < b.start; });

    return total - CoveredLength(spans);
}

void CEntity::SumGapTimes(const CScheduleData& data, COleDateTimeSpan& before, COleDateTimeSpan& between,
                          COleDateTimeSpan& after, COleDateTimeSpan& spans) const {
    before = between = after = spans = COleDateTimeSpan(0.0);
    if (m_bUnavailable) return;

    // Items on the plan days, in list order; unplaced ones and days without a slot are left out.
    struct Placed {
        const CEntityItem* item;
        int day;
    };
    std::vector<Placed> placed;
    for (const CEntityItem& item : m_arrItems) {
        if (item.m_dtStart.GetStatus() == COleDateTime::valid && IsUnplacedDate(item.m_dtStart)) continue;
        const int day = data.GetDayIndex(item.m_dtStart);
        if (IsSlotIndex(day)) placed.push_back({&item, day});
    }

    COleDateTime latestEnd, firstStart;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const CEntityItem& item = *placed[i].item;
        const int day = placed[i].day;
        const bool opensDay = i == 0 || placed[i - 1].day != day;
        if (opensDay) {
            latestEnd = item.m_dtEnd;
            firstStart = item.m_dtStart;
            const COleDateTime windowStart = AtTimeOfDay(item.m_dtStart, m_tDayStart[day]);
            if (CompareTimesApprox(item.m_dtStart, windowStart) == 1) before += item.m_dtStart - windowStart;
        } else if (item.m_dtEnd > latestEnd) {
            latestEnd = item.m_dtEnd;
        }
        const bool closesDay = i + 1 == placed.size() || placed[i + 1].day != day;
        if (closesDay) {
            // Work past the end of the window is not idle time: it adds nothing after.
            const COleDateTimeSpan rest = AtTimeOfDay(item.m_dtStart, m_tDayEnd[day]) - latestEnd;
            if (rest > COleDateTimeSpan(0.0)) after += rest;
            spans += latestEnd - firstStart;
        } else {
            const COleDateTime nextStart = placed[i + 1].item->m_dtStart;
            if (CompareTimesApprox(nextStart, latestEnd) == 1) between += nextStart - latestEnd;
        }
    }
}
