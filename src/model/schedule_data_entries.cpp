// Timetable entry operations: adding, changing, moving and removing entries, the unplaced
// entries of a solver run, shifting the plan to a new start date and linking entries whose
// people are absent.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

constexpr double kMinuteDays = 1.0 / 1440.0;

// Two dates are the same when their statuses are equal and, for valid ones, their values; two
// null values are the same, two invalid ones are not.
bool SameDate(const COleDateTime& a, const COleDateTime& b) {
    if (a.GetStatus() != b.GetStatus()) return false;
    if (a.GetStatus() == COleDateTime::valid) return a.m_dt == b.m_dt;
    return a.GetStatus() == COleDateTime::null;
}

bool SameSpan(const COleDateTimeSpan& a, const COleDateTimeSpan& b) {
    if (a.GetStatus() != b.GetStatus()) return false;
    if (a.GetStatus() == COleDateTimeSpan::valid) return a.m_span == b.m_span;
    return a.GetStatus() == COleDateTimeSpan::null;
}

bool SameEntry(const CTimetableEntry& stored, const CTimetableEntry& given) {
    return stored.m_nActivity == given.m_nActivity && SameDate(stored.m_dtStart, given.m_dtStart) &&
           SameSpan(stored.m_tsLength, given.m_tsLength);
}

bool Later(const COleDateTime& a, const COleDateTime& b) { return CompareTimesApprox(a, b) == 1; }
bool Earlier(const COleDateTime& a, const COleDateTime& b) { return CompareTimesApprox(a, b) == -1; }

COleDateTimeSpan Minutes(int minutes) { return COleDateTimeSpan(minutes * kMinuteDays); }

template <class T>
bool Contains(const std::vector<T>& list, const T& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

// Single entries ------------------------------------------------------------------------------

void CScheduleData::AddEntry(CTimetableEntry entry, BOOL notify) {
    if (!HasDefaultStartDate()) {
        entry.m_nState = 4;
        entry.m_dtUnmovedStart = GetUnplacedDate();
    }
    m_arrEntries.push_back(std::move(entry));
    if (notify) NotifyAllViews(1);
}

namespace {

// The position of an address within the collection; its size when it is not an element.
// Compared with std::less: an address from outside the collection has no order with it.
std::size_t IndexOfEntry(const CTimetableEntryArray& entries, const CTimetableEntry* entry) {
    const std::less<const CTimetableEntry*> less;
    if (entry == nullptr || entries.empty()) return entries.size();
    const CTimetableEntry* first = &entries.front();
    if (less(entry, first) || less(&entries.back(), entry)) return entries.size();
    const auto index = static_cast<std::size_t>(entry - first);
    return &entries[index] == entry ? index : entries.size();
}

}  // namespace

CTimetableEntryArray::iterator CScheduleData::FindEntryByPointer(const CTimetableEntry* entry) {
    return m_arrEntries.begin() + static_cast<std::ptrdiff_t>(IndexOfEntry(m_arrEntries, entry));
}

CTimetableEntryArray::const_iterator CScheduleData::FindEntryByPointer(const CTimetableEntry* entry) const {
    return m_arrEntries.begin() + static_cast<std::ptrdiff_t>(IndexOfEntry(m_arrEntries, entry));
}

int CScheduleData::UpdateEntry(CTimetableEntry* entry, int activityId, const COleDateTime& start,
                               const COleDateTimeSpan& length, int state, const CString& remark) {
    if (FindEntryByPointer(entry) == m_arrEntries.end()) return 0;
    const int changed = CompareTimesApprox(entry->m_dtStart, start) != 0 ||
                        WholeMinutes(entry->m_tsLength.m_span) != WholeMinutes(length.m_span);
    entry->m_nActivity = activityId;
    entry->m_dtStart = start;
    entry->m_tsLength = length;
    if (state != 4) entry->SetState(state);
    if (!remark.IsEmpty()) entry->m_strRemark = remark;
    return changed;
}

void CScheduleData::RemoveEntry(const CTimetableEntry& entry) {
    const auto found = std::find_if(m_arrEntries.begin(), m_arrEntries.end(),
                                    [&](const CTimetableEntry& e) { return SameEntry(e, entry); });
    if (found != m_arrEntries.end()) m_arrEntries.erase(found);
}

void CScheduleData::RemoveEntityFromEntry(int entityId, const CTimetableEntry& entry) {
    const auto found = std::find_if(m_arrEntries.begin(), m_arrEntries.end(),
                                    [&](const CTimetableEntry& e) { return SameEntry(e, entry); });
    if (found == m_arrEntries.end()) return;
    auto& replacements = found->m_arrReplacements;
    const auto record = std::find_if(replacements.begin(), replacements.end(),
                                     [&](const CReplacement& r) { return r.m_nEntity == entityId; });
    if (record != replacements.end()) replacements.erase(record);
}

void CScheduleData::RemoveActivityEntries(int activityId) {
    m_arrEntries.EraseIf([&](const CTimetableEntry& e) { return e.m_nActivity == activityId; });
}

void CScheduleData::RemoveEntryByPointer(const CTimetableEntry* entry) {
    const auto found = FindEntryByPointer(entry);
    if (found != m_arrEntries.end()) m_arrEntries.erase(found);
}

CTimetableEntryArray::iterator CScheduleData::FindEntryAt(int activityId, const COleDateTime& start) {
    return std::find_if(m_arrEntries.begin(), m_arrEntries.end(), [&](const CTimetableEntry& e) {
        return e.m_nActivity == activityId && SameDate(e.m_dtStart, start);
    });
}

CTimetableEntryArray::iterator CScheduleData::FindOverlappingEntry(int activityId, const COleDateTime& start,
                                                                   const COleDateTime& end) {
    return std::find_if(m_arrEntries.begin(), m_arrEntries.end(), [&](const CTimetableEntry& e) {
        return e.m_nActivity == activityId && IntervalsOverlap(e.m_dtStart, e.GetEndTime(), start, end);
    });
}

bool CScheduleData::ActivityHasOverlappingEntry(int activityId, const COleDateTime& start,
                                                const COleDateTimeSpan& length) const {
    const COleDateTime end = start + length;
    return std::any_of(m_arrEntries.begin(), m_arrEntries.end(), [&](const CTimetableEntry& e) {
        return e.m_nActivity == activityId && IntervalsOverlap(e.m_dtStart, e.GetEndTime(), start, end);
    });
}

// Intervals and blocks ---------------------------------------------------------------------------

void CScheduleData::ClearActivityInterval(int activityId, const COleDateTime& start, const COleDateTimeSpan& length) {
    const COleDateTime S = start;
    const COleDateTime E = start + length;
    std::vector<CTimetableEntry> inside;
    for (std::size_t i = 0; i < m_arrEntries.size(); ++i) {
        CTimetableEntry& entry = m_arrEntries[i];
        if (entry.m_nActivity != activityId) continue;
        const COleDateTime s = entry.m_dtStart;
        const COleDateTime e = entry.GetEndTime();
        if (!IntervalsOverlap(s, e, S, E)) continue;

        if (!Earlier(E, e) && !Earlier(s, S)) {
            inside.push_back(entry);
            continue;
        }
        if (Later(e, E) && !Later(S, s)) {
            entry.m_dtStart = E;
            entry.m_tsLength = e - E;
        } else if (!Earlier(E, e) && Later(S, s)) {
            entry.m_tsLength = S - s;
        } else {
            // The rest starts unmoved where it is, so it carries the state the cut entry shows
            // (a moved entry stays moved), not the cut entry's stored fields.
            CTimetableEntry rest(E, e - E);
            rest.m_nActivity = activityId;
            rest.SetState(entry.GetState(*this));
            entry.m_tsLength = S - s;
            m_arrEntries.push_back(std::move(rest));
        }
        break;
    }
    for (const CTimetableEntry& entry : inside) RemoveEntry(entry);
}

int CScheduleData::MoveGroupEntries(int groupId, const COleDateTime& rangeStart, const COleDateTime& rangeEnd,
                                    const COleDateTime& newStart, const COleDateTimeSpan& newLength) {
    int changed = 0;
    const COleDateTime newEnd = newStart + newLength;
    const int oldMinutes = WholeMinutes((rangeEnd - rangeStart).m_span);
    const int newMinutes = WholeMinutes(newLength.m_span);
    for (CTimetableEntry& entry : m_arrEntries) {
        const auto activity = FindActivity(entry.m_nActivity);
        if (activity == m_arrActivities.end() || activity->m_nGroup != groupId) continue;
        const COleDateTime end = entry.GetEndTime();
        if (!IntervalsOverlap(entry.m_dtStart, end, rangeStart, rangeEnd)) continue;

        const COleDateTimeSpan offset = Later(entry.m_dtStart, rangeStart) ? entry.m_dtStart - rangeStart
                                                                           : COleDateTimeSpan(0.0);
        const COleDateTime candidate = newStart + offset;
        if (!Later(newEnd, candidate)) continue;

        const bool endsWithBlock = CompareTimesApprox(end, rangeEnd) == 0;
        if (CompareTimesApprox(entry.m_dtStart, newStart) != 0 || (endsWithBlock && oldMinutes != newMinutes))
            changed = 1;
        entry.m_dtStart = candidate;
        if (endsWithBlock) entry.m_tsLength += Minutes(newMinutes - oldMinutes);
    }
    return changed;
}

void CScheduleData::RemoveGroupEntriesInRange(int groupId, const COleDateTime& rangeStart, const COleDateTime& rangeEnd) {
    m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        if (Earlier(entry.m_dtStart, rangeStart) || Later(entry.GetEndTime(), rangeEnd)) return false;
        const auto activity = FindActivity(entry.m_nActivity);
        return activity == m_arrActivities.end() || activity->m_nGroup == groupId;
    });
}

COleDateTime CScheduleData::GetLatestEndTime(const CTimetableEntry* entry, const COleDateTime& t,
                                             const CPlanIndex* index) const {
    COleDateTime latest(t.GetYear(), t.GetMonth(), t.GetDay(), 23, 59, 0);
    const auto x = FindEntryByPointer(entry);
    if (x == m_arrEntries.end()) return latest;
    const auto a = FindActivity(x->m_nActivity);
    if (a == m_arrActivities.end()) return latest;

    const int ownChimeSet = a->m_nChimeSet != 0 ? a->m_nChimeSet : a->m_nDerivedChimeSet;
    CTimetableEntry probe(t, Minutes(60));
    probe.m_nActivity = a->m_nId;
    int otherChimeSet = 0;
    COleDateTimeSpan otherLength;
    auto visit = [&](const CTimetableEntry& q) {
        // The stretched entry never limits itself.
        if (&q == &*x || q.m_bLinked || !IsSameDay(q.m_dtStart, x->m_dtStart)) return;
        const auto b = FindActivity(q.m_nActivity);
        if (b == m_arrActivities.end() || Earlier(q.m_dtStart, t) || !Earlier(q.m_dtStart, latest)) return;
        if (ActivitiesClash(*this, *b, *a, probe) || EntriesShareReplacement(q, *x)) {
            latest = q.m_dtStart;
            otherChimeSet = b->m_nChimeSet != 0 ? b->m_nChimeSet : b->m_nDerivedChimeSet;
            otherLength = q.m_tsLength;
        }
    };
    if (index) {
        // Only entries starting from t to the end of its day can limit the stretch; they are
        // visited in collection order, as the walk over every entry meets them.
        CPlanIndex::Positions near;
        index->GetEntriesNear(t, latest, near);
        for (std::size_t p : near) visit(m_arrEntries[p]);
    } else {
        for (const CTimetableEntry& q : m_arrEntries) visit(q);
    }

    if (ownChimeSet != 0 && otherChimeSet != 0 && ownChimeSet != otherChimeSet) {
        const auto own = FindChimeSet(ownChimeSet);
        const auto other = FindChimeSet(otherChimeSet);
        if (own != m_arrChimeSets.end() && other != m_arrChimeSets.end()) {
            __time64_t ownStart = 0, ownEnd = 0, otherStart = 0, otherEnd = 0;
            own->SnapToLessons(*this, latest, x->m_tsLength, ownStart, ownEnd);
            other->SnapToLessons(*this, latest, otherLength, otherStart, otherEnd);
            if (CompareTime64Approx(ownStart, otherStart) == 1) latest -= Minutes(60);
        }
    }
    return latest;
}

// Unplaced entries -------------------------------------------------------------------------------

void CScheduleData::RemoveUnplacedEntries() {
    m_arrEntries.EraseIf([](const CTimetableEntry& e) { return IsUnplacedDate(e.m_dtStart); });
}

bool CScheduleData::CreateUnplacedEntries() {
    if (!HasDefaultStartDate()) return false;
    const COleDateTimeSpan fiveSeconds(0, 0, 0, 5);
    // Entries are appended while the activities are walked; the activities do not change. The
    // lengths of each activity's entries in collection order, the appended ones included.
    std::unordered_map<int, std::vector<COleDateTimeSpan>> lengths;
    for (const CTimetableEntry& entry : m_arrEntries) lengths[entry.m_nActivity].push_back(entry.m_tsLength);
    for (const CActivity& activity : m_arrActivities) {
        std::vector<COleDateTimeSpan>& placed = lengths[activity.m_nId];
        COleDateTimeSpan remaining = activity.m_tsDuration;
        bool overPlaced = false;
        for (const COleDateTimeSpan& length : placed) {
            const COleDateTimeSpan margin = remaining + fiveSeconds;
            if (length.GetStatus() == COleDateTimeSpan::valid && margin.GetStatus() == COleDateTimeSpan::valid &&
                length > margin) {
                overPlaced = true;
                break;
            }
            remaining -= length;
        }
        if (overPlaced || remaining.GetStatus() != COleDateTimeSpan::valid) continue;

        const COleDateTimeSpan meeting = activity.m_tsMeeting;
        // Without a meeting length of at least a minute the rest would never shrink: it
        // becomes one entry.
        const bool hasMeeting = meeting.GetStatus() == COleDateTimeSpan::valid && WholeMinutes(meeting.m_span) > 0;
        while (WholeMinutes(remaining.m_span) > 0) {
            CTimetableEntry entry(GetUnplacedDate(), hasMeeting ? meeting : remaining);
            entry.m_nActivity = activity.m_nId;
            entry.m_nState = 4;
            if (!hasMeeting) {
                remaining = COleDateTimeSpan(0.0);
            } else {
                remaining -= meeting;
                if (remaining.GetStatus() == COleDateTimeSpan::valid && remaining < meeting) {
                    entry.m_tsLength = meeting + remaining;
                    remaining = COleDateTimeSpan(0.0);
                }
            }
            placed.push_back(entry.m_tsLength);
            m_arrEntries.push_back(std::move(entry));
        }
    }
    return true;
}

void CScheduleData::RemoveUnplacedEntriesOutsideSelection() {
    if (m_nSolverSelection == 1) {
        m_arrEntries.EraseIf([&](CTimetableEntry& e) {
            return e.GetState(*this) == 4 && !Contains(m_arrSolverIds, e.m_nActivity);
        });
    } else if (m_nSolverSelection == 2) {
        std::vector<int> outside;
        for (const CActivity& activity : m_arrActivities) {
            const bool hasListed = std::any_of(m_arrSolverIds.begin(), m_arrSolverIds.end(), [&](int id) {
                const auto entity = FindEntity(id);
                return entity != m_arrEntities.end() && activity.HasEntity(*entity);
            });
            if (!hasListed) outside.push_back(activity.m_nId);
        }
        m_arrEntries.EraseIf([&](CTimetableEntry& e) {
            return Contains(outside, e.m_nActivity) && e.GetState(*this) == 4;
        });
    }
}

// Entities, replacements and absences --------------------------------------------------------------

void CScheduleData::RemoveEntriesOfEntity(int entityId) {
    const auto entity = FindEntity(entityId);
    m_arrEntries.EraseIf([&](const CTimetableEntry& e) {
        const auto activity = FindActivity(e.m_nActivity);
        if (activity == m_arrActivities.end()) return true;
        return entity != m_arrEntities.end() && activity->HasEntity(*entity);
    });
    RecheckAfterEdit();
}

void CScheduleData::RemoveEntityReplacements(int entityId) {
    for (CTimetableEntry& entry : m_arrEntries)
        std::erase_if(entry.m_arrReplacements, [&](const CReplacement& r) { return r.m_nEntity == entityId; });
}

bool CScheduleData::HasAbsences() const {
    return std::any_of(m_arrEntities.begin(), m_arrEntities.end(),
                       [](const CEntity& e) { return !e.m_arrAbsences.empty(); });
}

bool CScheduleData::HasReplacements() const {
    return std::any_of(m_arrEntries.begin(), m_arrEntries.end(),
                       [](const CTimetableEntry& e) { return !e.m_arrReplacements.empty(); });
}

void CScheduleData::CancelEntriesOfAbsentEntities(const COleDateTime& rangeStart, const COleDateTime& rangeEnd,
                                                  const std::vector<int>& entityIds) {
    for (CTimetableEntry& entry : m_arrEntries) {
        if (entry.m_bLinked) continue;
        const COleDateTime start = entry.m_dtStart;
        const COleDateTime end = entry.GetEndTime();
        if (!IntervalsOverlap(start, end, rangeStart, rangeEnd)) continue;

        const auto activity = FindActivity(entry.m_nActivity);
        const bool hasActivity = activity != m_arrActivities.end();
        const bool involved = std::any_of(entityIds.begin(), entityIds.end(), [&](int id) {
            if (hasActivity && Contains(activity->m_arrMembers, id)) return true;
            for (const CReplacement& r : entry.m_arrReplacements)
                if (r.m_nEntity == id) return true;
            return Contains(entry.m_arrRooms, id);
        });
        if (!involved) continue;

        int type0 = 0, present0 = 0, presentStaff = 0;
        auto count = [&](int id) {
            const auto entity = FindEntity(id);
            if (entity == m_arrEntities.end()) return;
            const bool present = !entity->IsAbsent(start, end);
            if (entity->m_nType == 0) {
                ++type0;
                if (present) ++present0;
            } else if ((entity->m_nType == 1 || entity->m_nType == 2) && present) {
                ++presentStaff;
            }
        };
        if (hasActivity)
            for (int id : activity->m_arrMembers) count(id);
        for (const CReplacement& r : entry.m_arrReplacements) count(r.m_nEntity);

        if ((presentStaff == 0 && type0 == 0) || (type0 > 0 && present0 == 0)) entry.m_bLinked = 1;
    }
}

// The plan period ------------------------------------------------------------------------------

void CScheduleData::ShiftEntriesByDays(int days) {
    const COleDateTimeSpan shift(static_cast<double>(days));
    for (CTimetableEntry& entry : m_arrEntries) {
        entry.m_dtStart += shift;
        entry.m_dtUnmovedStart += shift;
    }
    // Absences are kept over the longer of the solver's period and the plan's own days, so that a
    // plan longer than the solver's period never loses the absences of its later days.
    const COleDateTime periodStart = m_dtStartDate;
    const int periodDays = std::max(m_nDuration, m_nDays);
    const COleDateTime periodEnd = m_dtStartDate + COleDateTimeSpan(static_cast<double>(periodDays));
    for (CEntity& entity : m_arrEntities)
        std::erase_if(entity.m_arrAbsences, [&](const CAbsence& a) {
            return !IntervalsOverlap(a.m_dtStart, a.m_dtStart + a.m_tsLength, periodStart, periodEnd);
        });
    RecheckAfterEdit();
}

void CScheduleData::RemoveEntriesOutsidePlan() {
    const COleDateTime date = m_dtStartDate;
    const COleDateTime planStart(date.GetYear(), date.GetMonth(), date.GetDay(), GetLocalHour(m_tDayStart),
                                 GetLocalMinute(m_tDayStart), 0);
    const COleDateTime lastDay = date + COleDateTimeSpan(static_cast<double>(m_nDays - 1));
    const COleDateTime lastEnd(lastDay.GetYear(), lastDay.GetMonth(), lastDay.GetDay(), 23, 0, 0);
    m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        if (Earlier(entry.m_dtStart, planStart) || Later(entry.GetEndTime(), lastEnd)) return true;
        const __time64_t timeOfDay = MakeTimeOfDay(entry.m_dtStart.GetHour(), entry.m_dtStart.GetMinute());
        return CompareTime64Approx(timeOfDay, m_tDayStart) == -1;
    });
    RecheckAfterEdit();
}

void CScheduleData::ResetForNewStartDate() {
    for (CEntity& entity : m_arrEntities) entity.m_arrAbsences.clear();
    for (CTimetableEntry& entry : m_arrEntries) entry.m_arrReplacements.clear();
    const COleDateTime oldDate = m_arrEntities.empty() ? Settings().GetDefaultPlanDate() : m_dtStartDate;
    const COleDateTime newDate = m_dtFirstWeekday;
    m_dtStartDate = newDate;
    ShiftEntriesByDays(static_cast<int>((newDate - oldDate).GetTotalDays()));
}
