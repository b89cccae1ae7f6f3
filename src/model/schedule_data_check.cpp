// The checks of the plan: the timetable check and the entity load check that follow every
// change, the data check before a solver run and the overlap-limit check; and the publishing of
// their problem list.
//
// The checks ask the rules many questions about one unchanging timetable, so each builds one
// index of the store (CPlanIndex) when it starts and passes it down; the timetable check builds
// it after removing the entries that lie outside the plan period, and edits nothing the index
// keeps (only states and check flags) while it is in use.
#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/check_progress.h"
#include "model/description_texts.h"
#include "model/merge_sort.h"
#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kLoadExceededId = 60371;
constexpr UINT kMemberUnavailableId = 60373;
constexpr UINT kReplacementUnavailableId = 60374;
constexpr UINT kEntryTooShortId = 60375;
constexpr UINT kEntryUnstaffedId = 60376;
constexpr UINT kPlannedTooLongId = 60377;
constexpr UINT kPlannedTooShortId = 60378;
constexpr UINT kNobodyToPlanId = 60379;
constexpr UINT kRestDoesNotFitId = 60380;
constexpr UINT kDataCheckLabelId = 60421;
constexpr UINT kNoAvailableTimeId = 60422;
constexpr UINT kOverloadedId = 60423;
constexpr UINT kWindowsTooShortId = 60424;
constexpr UINT kFreeTimeTooShortId = 60425;
constexpr UINT kOverlapLimitId = 60438;
constexpr UINT kEntriesOutsidePlanId = 61677;

// Problems: 13 the plan cannot work, 15 planned time does not fit, 12 and 14 details.
constexpr int kSevere = 13;
constexpr int kNoRoom = 15;
constexpr int kWarning = 12;
constexpr int kNotice = 14;

const COleDateTimeSpan kOneHour(0, 1, 0, 0);

template <class... Args>
void AddProblem(CScheduleData& data, int kind, int record, const COleDateTime& date, UINT textId,
                const Args&... args) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_nRecord = record;
    problem.m_dtDate = date;
    problem.m_strText.Format(textId, args...);
    data.m_arrProblems.push_back(std::move(problem));
}

COleDateTimeSpan MinutesSpan(long long minutes) {
    return COleDateTimeSpan(0, 0, static_cast<int>(std::clamp<long long>(minutes, -2000000000LL, 2000000000LL)), 0);
}

// The date of t at the local hour and minute of a time of day.
COleDateTime AtTimeOfDay(const COleDateTime& date, __time64_t timeOfDay) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), GetLocalHour(timeOfDay),
                        GetLocalMinute(timeOfDay), 0);
}

COleDateTime DateOnly(const COleDateTime& date) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
}

CString FormatDaysHoursMinutes(const COleDateTimeSpan& span) { return span.Format(L"%D:%H:%M"); }

bool IsStaffType(int type) { return type == 1 || type == 2; }

// The text of an activity in the problems of its entries, made once per activity when the first
// problem needs it (making it puts the activity's members in display order).
class CActivityText {
public:
    CActivityText(const CScheduleData& data, CActivity& activity) : m_data(data), m_activity(activity) {}
    const CString& Get() {
        if (!m_bMade) {
            m_strText = FormatActivityWithMembers(m_data, m_activity);
            m_bMade = true;
        }
        return m_strText;
    }

private:
    const CScheduleData& m_data;
    CActivity& m_activity;
    CString m_strText;
    bool m_bMade = false;
};

CString FormatWhen(const CScheduleData& data, const CTimetableEntry& entry) {
    return entry.FormatWhenText(data, 0, 0);
}

// Phase A: keeps the entries that start and end on one day, start no earlier than the hour of
// the day start, and overlap the plan period.
// Gives how many entries it removed.
std::size_t RemoveEntriesOutsidePlan(CScheduleData& data) {
    const COleDateTime periodStart = data.GetStartDate();
    const COleDateTime periodEnd = periodStart + COleDateTimeSpan(static_cast<double>(data.m_nDays));
    const int dayStartHour = GetLocalHour(data.m_tDayStart);
    const std::size_t before = data.m_arrEntries.size();
    data.m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        const COleDateTime end = entry.GetEndTime();
        const int hour = entry.m_dtStart.GetStatus() == COleDateTime::valid ? entry.m_dtStart.GetHour() : -1;
        const bool keep = IsSameDay(entry.m_dtStart, end) && hour >= dayStartHour &&
                          IntervalsOverlap(entry.m_dtStart, end, periodStart, periodEnd);
        return !keep;
    });
    return before - data.m_arrEntries.size();
}

// Phase B for one entry; gives whether its length counts as planned. replacing holds the
// entities that the replacement index names: no other can be replacing elsewhere.
bool CheckEntry(CScheduleData& data, CActivity& activity, CActivityText& activityText, int mainMember,
                const std::vector<int>& members, CTimetableEntry& entry, bool sameStart,
                const std::unordered_set<int>& replacing) {
    const bool holiday = !sameStart && data.Settings().IsHoliday(entry.m_dtStart);
    entry.m_bState3 = 0;
    entry.m_bState6 = 0;
    if (entry.GetState(data) == 9 && entry.m_strRemark.IsEmpty()) entry.SetState(2);
    if (entry.GetState(data) == 5 && entry.m_arrReplacements.empty()) entry.SetState(2);
    if (entry.GetState(data) == 9) return false;

    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    bool staffed = false;
    if (!holiday) {
        bool allPresent = true;
        const int kind = entry.m_arrReplacements.empty() ? kWarning : kNotice;
        auto checkParticipant = [&](int id, UINT textId) {
            auto it = data.FindEntity(id);
            if (it == data.m_arrEntities.end()) return;
            const CEntity& entity = *it;
            bool present = true;
            if (!entity.IsAvailable(data, start, end)) {
                if (!entry.m_bLinked) {
                    entry.m_bState6 = 1;
                    AddProblem(data, kind, entity.m_nId, start, textId, entity.m_strName, activityText.Get(),
                               FormatWhen(data, entry));
                }
                present = false;
            } else if (!sameStart && replacing.count(entity.m_nId) != 0 &&
                       data.IsEntityReplacingElsewhere(entry, entity.m_nId)) {
                present = false;
            }
            if (present && IsStaffType(entity.m_nType)) staffed = true;
            if (!present) allPresent = false;
        };
        for (int id : members) checkParticipant(id, kMemberUnavailableId);
        // The records are copied: a problem text may not change them, but the loop must not
        // depend on that.
        std::vector<int> replacing;
        replacing.reserve(entry.m_arrReplacements.size());
        for (const CReplacement& record : entry.m_arrReplacements) replacing.push_back(record.m_nEntity);
        for (int id : replacing) checkParticipant(id, kReplacementUnavailableId);
        if (entry.m_bLinked && allPresent) entry.SetState(2);
    }
    if (sameStart && entry.m_tsLength.GetStatus() == COleDateTimeSpan::valid &&
        activity.m_tsMeeting.GetStatus() == COleDateTimeSpan::valid && !entry.m_bLinked &&
        static_cast<long long>(WholeMinutes(entry.m_tsLength)) + 5 < WholeMinutes(activity.m_tsMeeting)) {
        entry.m_bState3 = 1;
        AddProblem(data, kSevere, mainMember, start, kEntryTooShortId, activityText.Get(), FormatWhen(data, entry));
    }
    const int state = entry.GetState(data);
    if (state != 3 && state != 7 && !staffed && !holiday && activity.m_strSupervisor.IsEmpty()) {
        entry.m_bState3 = 1;
        AddProblem(data, kSevere, mainMember, start, kEntryUnstaffedId, activityText.Get(), FormatWhen(data, entry));
    }
    return !entry.m_bState3;
}

// Whether the activity has a member of type 1 or 2.
bool HasStaffMember(const CScheduleData& data, const CActivity& activity) {
    for (int id : activity.m_arrMembers) {
        auto it = data.FindEntity(id);
        if (it != data.m_arrEntities.end() && IsStaffType(it->m_nType)) return true;
    }
    return false;
}

// Step 5: the activity's planned time against its DURATION, in a week template.
void CheckActivityTotals(CScheduleData& data, CActivity& activity, CActivityText& activityText, int mainMember,
                         const COleDateTimeSpan& planned, const CPlanIndex& index) {
    const COleDateTime planStart = data.GetStartDate();
    const int duration = WholeMinutes(activity.m_tsDuration);
    const int plannedMinutes = WholeMinutes(planned);
    if (duration < plannedMinutes)
        AddProblem(data, kWarning, mainMember, planStart, kPlannedTooLongId, activityText.Get(),
                   FormatHoursMinutes(planned - activity.m_tsDuration));
    else if (plannedMinutes < duration)
        AddProblem(data, kNotice, mainMember, planStart, kPlannedTooShortId, activityText.Get(),
                   FormatHoursMinutes(activity.m_tsDuration - planned));

    if (plannedMinutes < 5 && activity.m_strSupervisor.IsEmpty() && !HasStaffMember(data, activity))
        AddProblem(data, kSevere, mainMember, planStart, kNobodyToPlanId, activityText.Get());

    if (duration <= plannedMinutes) return;
    // Does the rest fit into the hours in which a meeting could still be placed?
    COleDateTimeSpan rest = activity.m_tsDuration - planned;
    for (int day = 0; day < data.m_nDays && WholeMinutes(rest) > 5; ++day) {
        const COleDateTime date = DateOnly(data.GetDayDate(day));
        const COleDateTime last = date + COleDateTimeSpan(0, 22, 0, 0);
        for (COleDateTime t = AtTimeOfDay(date, data.m_tDayStart);
             t.GetStatus() == COleDateTime::valid && t < last && WholeMinutes(rest) > 5; t += kOneHour) {
            CTimetableEntry trial(t, kOneHour);
            trial.m_nActivity = activity.m_nId;
            if (data.CanPlaceEntry(activity.m_nId, 0, trial, &index)) rest -= activity.m_tsMeeting;
        }
    }
    if (WholeMinutes(rest) > 5)
        AddProblem(data, kNoRoom, mainMember, planStart, kRestDoesNotFitId, activityText.Get(), FormatHoursMinutes(rest));
}

}  // namespace

void CheckTimetableEntries(CScheduleData& data, IProgress* progress, bool sameStart) {
    // Lessons that were dropped are named in the problem list, so that none goes unnoticed.
    if (const std::size_t removed = RemoveEntriesOutsidePlan(data))
        AddProblem(data, kNotice, 0, data.GetStartDate(), kEntriesOutsidePlanId, static_cast<int>(removed));
    const CPlanIndex index(data);
    std::unordered_set<int> replacing;
    for (const CReplacementIndexRecord& record : data.m_arrReplacementIndex) replacing.insert(record.m_nEntity);
    for (CActivity& activity : data.m_arrActivities) {
        const int mainMember = activity.GetMainMemberId(data);
        // Problem texts put the members in display order; the checks keep the stored order.
        const std::vector<int> members = activity.m_arrMembers;
        CActivityText activityText(data, activity);
        COleDateTimeSpan planned;
        for (std::size_t position : index.EntriesOfActivity(activity.m_nId)) {
            CTimetableEntry& entry = data.m_arrEntries[position];
            if (CheckEntry(data, activity, activityText, mainMember, members, entry, sameStart, replacing))
                planned += entry.m_tsLength;
        }
        if (sameStart) CheckActivityTotals(data, activity, activityText, mainMember, planned, index);
        if (progress) progress->StepIt();
    }
}

void CheckEntityLoad(CScheduleData& data, IProgress* progress) {
    const CPlanIndex index(data);
    for (const CEntity& entity : data.m_arrEntities) {
        if (progress) progress->StepIt();
        if (entity.m_nType == 5) continue;
        const int available = WholeMinutes(entity.GetNetAvailableTime(data));
        const CCategorySpans sums = entity.SumActivityTime(data, &index);
        const int planned = WholeMinutes(sums.m_tsUngrouped + sums.m_tsGrouped);
        const double load = entity.m_nOverlaps != 0 ? static_cast<double>(planned) / entity.m_nOverlaps : planned;
        if (load > available)
            AddProblem(data, kSevere, entity.m_nId, COleDateTime(), kLoadExceededId, entity.m_strName);
    }
}

namespace {

struct CPiece {
    COleDateTime start;
    COleDateTime end;
};

// The time the pieces cover together: sorted by start, each counted from where the earlier ones
// left off.
COleDateTimeSpan MergedLength(std::vector<CPiece>& pieces) {
    StableMergeSort(pieces, [](const CPiece& a, const CPiece& b) { return CompareTimesApprox(b.start, a.start) == 1; });
    return CoveredLength(pieces);
}

// The activity's common day windows of its members, one per plan day (empty windows start where
// they end), and their total length.
COleDateTimeSpan GetCommonWindows(const CScheduleData& data, const CActivity& activity, std::vector<CPiece>& windows) {
    windows.clear();
    COleDateTimeSpan total;
    const __time64_t dayBegin = MakeTimeOfDay(0, 0);
    const __time64_t dayLast = MakeTimeOfDay(23, 0);
    const int days = std::max(0, std::min(data.m_nDays, kMaxPlanDays));
    for (int day = 0; day < days; ++day) {
        __time64_t start = dayBegin;
        __time64_t end = dayLast;
        for (int id : activity.m_arrMembers) {
            auto it = data.FindEntity(id);
            if (it == data.m_arrEntities.end()) continue;
            const __time64_t memberStart = it->m_tDayStart[day];
            const __time64_t memberEnd = it->m_tDayEnd[day];
            if (CompareTime64Approx(memberStart, memberEnd) == 0) {
                start = end;
                break;
            }
            start = std::max(start, memberStart);
            end = std::min(end, memberEnd);
        }
        if (start > end) start = end;
        const COleDateTime date = DateOnly(data.GetDayDate(day));
        CPiece window{AtTimeOfDay(date, start), AtTimeOfDay(date, end)};
        if (window.end > window.start)
            total += COleDateTimeSpan(0, WholeHours(window.end - window.start), WholeMinutes(window.end - window.start) % 60, 0);
        windows.push_back(window);
    }
    return total;
}

// The busy time of the members inside the windows: their absences and the fixed (state 0)
// entries of other activities they belong to, those of the activity's own group left out.
COleDateTimeSpan GetBusyTimeInWindows(CScheduleData& data, const CActivity& activity, const std::vector<CPiece>& windows,
                                      const CPlanIndex& index) {
    std::vector<CPiece> busy;
    for (int id : activity.m_arrMembers) {
        auto it = data.FindEntity(id);
        if (it == data.m_arrEntities.end()) continue;
        for (const CAbsence& absence : it->m_arrAbsences)
            busy.push_back({absence.m_dtStart, absence.m_dtStart + absence.m_tsLength});
        for (std::size_t position : index.ActivitiesOf(id)) {
            const CActivity& other = data.m_arrActivities[position];
            if (other.m_nId == activity.m_nId) continue;
            if (activity.m_nGroup != 0 && other.m_nGroup == activity.m_nGroup) continue;
            for (std::size_t entryPosition : index.EntriesOfActivity(other.m_nId)) {
                CTimetableEntry& entry = data.m_arrEntries[entryPosition];
                if (entry.GetState(data) == 0) busy.push_back({entry.m_dtStart, entry.GetEndTime()});
            }
        }
    }
    std::vector<CPiece> inside;
    for (const CPiece& piece : busy) {
        for (const CPiece& window : windows) {
            if (!IntervalsOverlap(piece.start, piece.end, window.start, window.end)) continue;
            CPiece cut{std::max(piece.start, window.start), std::min(piece.end, window.end)};
            if (WholeMinutes(cut.end - cut.start) >= 5) inside.push_back(cut);
            break;
        }
    }
    return MergedLength(inside);
}

}  // namespace

bool CScheduleData::CheckData() {
    m_arrProblems.clear();
    DeleteUnusedGroups();
    {
        // Every entity and every activity steps the bar once.
        CCheckProgress progress(Host(), kDataCheckLabelId,
                                static_cast<long long>(m_arrEntities.size()) + static_cast<long long>(m_arrActivities.size()));
        const CPlanIndex index(*this);
        for (const CEntity& entity : m_arrEntities) {
            const int net = WholeMinutes(entity.GetNetAvailableTime(*this));
            if (net < 5 && !entity.m_bUnavailable)
                AddProblem(*this, kSevere, entity.m_nId, COleDateTime(), kNoAvailableTimeId, entity.m_strName);
            if (entity.m_nOverlaps != 0) {
                const int total = WholeMinutes(entity.SumActivityTime(*this, &index).Total());
                if (static_cast<long long>(net) * entity.m_nOverlaps < total)
                    AddProblem(*this, kSevere, entity.m_nId, COleDateTime(), kOverloadedId, entity.m_strName,
                               FormatHoursMinutes(MinutesSpan(static_cast<long long>(total) - net)));
            }
            progress.Bar().StepIt();
        }
        std::vector<CPiece> windows;
        for (CActivity& activity : m_arrActivities) {
            if (!activity.IsTimeFilled(*this, &index)) {
                const int mainMember = activity.GetMainMemberId(*this);
                const COleDateTimeSpan windowTotal = GetCommonWindows(*this, activity, windows);
                if (static_cast<long long>(WholeMinutes(windowTotal)) + 5 < WholeMinutes(activity.m_tsDuration)) {
                    AddProblem(*this, kSevere, mainMember, COleDateTime(), kWindowsTooShortId,
                               FormatActivityTitle(*this, activity, mainMember),
                               FormatDaysHoursMinutes(activity.m_tsDuration), FormatDaysHoursMinutes(windowTotal));
                } else {
                    const COleDateTimeSpan left = windowTotal - GetBusyTimeInWindows(*this, activity, windows, index);
                    if (static_cast<long long>(WholeMinutes(left)) + 5 <
                        WholeMinutes(activity.GetRemainingTime(*this, &index)))
                        AddProblem(*this, kSevere, mainMember, COleDateTime(), kFreeTimeTooShortId,
                                   FormatActivityTitle(*this, activity, mainMember),
                                   FormatDaysHoursMinutes(activity.m_tsDuration), FormatDaysHoursMinutes(left));
                }
            }
            progress.Bar().StepIt();
        }
    }
    if (!m_arrProblems.empty()) PublishProblems();
    return m_arrProblems.empty() || m_arrProblems.front().m_nKind != kSevere;
}

int CScheduleData::CheckOverlapLimits(BOOL report) {
    if (report) m_arrProblems.clear();
    RebuildEntityItems(1);
    // Dropping replacement records edits the document: only the reporting check on the user
    // interface thread does it, never the solver's worker. The violation is looked for again
    // in the same item list, so both give the same count.
    const bool dropReplacements = report && !HasDefaultStartDate();
    // Dropping replacement records leaves every entry's time as it is, so one index serves all.
    std::optional<CPlanIndex> index;
    int count = 0;
    for (CEntity& entity : m_arrEntities) {
        if (entity.m_bUnavailable || entity.m_nType == 4) continue;
        if (entity.FindOverlapViolation(*this, false) == 0) continue;
        if (dropReplacements) {
            if (!index) index.emplace(*this);
            entity.DropClashingReplacements(*this, &*index);
            if (entity.FindOverlapViolation(*this, false) == 0) continue;
        }
        ++count;
        if (report) AddProblem(*this, kSevere, entity.m_nId, COleDateTime(), kOverlapLimitId, entity.m_strName);
    }
    return count;
}

std::vector<int> CScheduleData::FindEntitiesOverLimit() {
    RebuildEntityItems(1);
    std::vector<int> ids;
    for (const CEntity& entity : m_arrEntities)
        if (!entity.m_bUnavailable && entity.m_nType != 4 && entity.FindOverlapViolation(*this, false) != 0)
            ids.push_back(entity.m_nId);
    std::sort(ids.begin(), ids.end());
    return ids;
}

BOOL CScheduleData::PutsNewEntityOverLimit(const std::vector<int>& overLimitBefore) {
    if (CheckOverlapLimits(TRUE) == 0) return FALSE;
    return std::any_of(m_arrProblems.begin(), m_arrProblems.end(), [&](const CProblem& p) {
        return !std::binary_search(overLimitBefore.begin(), overLimitBefore.end(), p.m_nRecord);
    });
}

void CScheduleData::PublishProblems() {
    if (!m_arrProblems.empty()) StableMergeSort(m_arrProblems, CompareProblems);
    // A long list of nothing but details is not worth the reader's time.
    if (!m_arrProblems.empty() && m_arrProblems.front().m_nKind == kNotice && m_arrProblems.size() > 10)
        m_arrProblems.clear();
    Host().FillMessagePanel();
}
