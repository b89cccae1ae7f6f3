#include "options_engine/timetable_import.h"

#include <cwctype>
#include <unordered_map>

#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "options_engine/import_frame.h"
#include "options_engine/import_options.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

constexpr int kMaxHourOffset = 18;
constexpr int kWhenLength = 25;  // the characters of a lesson line that name its time

// The weekday (1 Sunday .. 7 Saturday) of the first weekday name found in the text; 0 for none.
int FindWeekday(const CString& text) {
    for (int w = 0; w < 7; ++w)
        if (text.Find(LoadResString(IDS_WEEKDAY_SUNDAY + w)) >= 0) return w + 1;
    return 0;
}

// The hour offset after the hour mark; -1 when it is missing, not a number or out of range.
int FindHourOffset(const CString& text) {
    const CString mark = LoadResString(IDS_IMPORT_HOUR_MARK);
    const int at = mark.IsEmpty() ? -1 : text.Find(mark);
    if (at < 0) return -1;
    CString rest = text.Mid(at + mark.GetLength());
    rest.Trim(L" :");
    int value = 0;
    int digits = 0;
    while (digits < rest.GetLength() && digits < 3 && std::iswdigit(rest[digits])) value = value * 10 + (rest[digits++] - L'0');
    if (digits == 0 || value > kMaxHourOffset) return -1;
    return value;
}

// The lessons this import places. The store stays unchanged until the last line, so one index
// of it serves every check; clashes among the new lessons are found here, by entity.
class CPendingLessons {
public:
    explicit CPendingLessons(CScheduleData& data) : m_data(data), m_index(data) {}

    bool CanPlace(const CEntity& staff, int activityId, const CTimetableEntry& entry) const {
        if (!m_data.CanPlaceEntry(activityId, 0, entry, &m_index))
            return false;
        const auto activity = m_data.FindActivity(activityId);
        for (int id : activity->m_arrMembers)
            if (ClashesWithNew(id, entry)) return false;
        return !ClashesWithNew(staff.m_nId, entry);
    }

    void Add(CTimetableEntry entry, int staffId) {
        const auto activity = m_data.FindActivity(entry.m_nActivity);
        const Interval interval{entry.m_dtStart, entry.m_dtStart + entry.m_tsLength};
        for (int id : activity->m_arrMembers) m_times[id].push_back(interval);
        if (!activity->HasEntityId(m_data, staffId)) m_times[staffId].push_back(interval);
        m_entries.push_back(std::move(entry));
    }

    std::vector<CTimetableEntry>& Entries() { return m_entries; }
    const CPlanIndex& Index() const { return m_index; }

private:
    // Whether the entity's new lessons overlapping the entry reach its OVERLAPS (0: no limit).
    bool ClashesWithNew(int entityId, const CTimetableEntry& entry) const {
        const auto entity = m_data.FindEntity(entityId);
        if (entity == m_data.m_arrEntities.end() || entity->m_nOverlaps == 0) return false;
        const auto found = m_times.find(entityId);
        if (found == m_times.end()) return false;
        const COleDateTime end = entry.m_dtStart + entry.m_tsLength;
        int overlapping = 0;
        for (const Interval& other : found->second)
            if (other.start < end && entry.m_dtStart < other.end) ++overlapping;
        return overlapping >= entity->m_nOverlaps;
    }

    struct Interval {
        COleDateTime start;
        COleDateTime end;
    };

    CScheduleData& m_data;
    CPlanIndex m_index;
    std::vector<CTimetableEntry> m_entries;
    std::unordered_map<int, std::vector<Interval>> m_times;  // entity id -> its new lessons
};

}  // namespace

COleDateTime ParseTimetableWhen(const CScheduleData& data, const CString& text) {
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    if (text.Find(L':') < 0) return invalid;
    const int weekday = FindWeekday(text);
    if (weekday == 0) return invalid;
    const int offset = FindHourOffset(text);
    if (offset < 0) return invalid;
    const COleDateTime start = data.m_dtStartDate;
    for (int d = 0; d < data.m_nDays; ++d) {
        const COleDateTime day = start + COleDateTimeSpan(d, 0, 0, 0);
        if (day.GetDayOfWeek() != weekday) continue;
        return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), GetLocalHour(data.m_tDayStart) + offset, 0, 0);
    }
    return invalid;
}

std::vector<CImportActivityChoice> CollectImportChoices(CScheduleData& data, int staffId) {
    std::vector<CImportActivityChoice> choices;
    for (const CActivity& activity : data.m_arrActivities) {
        if (!activity.HasEntityId(data, staffId)) continue;
        CImportActivityChoice choice;
        choice.m_strName = activity.m_strName;
        choice.m_nActivity = activity.m_nId;
        choice.m_tsDuration = activity.m_tsDuration;
        int type0 = 0;
        for (int id : activity.m_arrMembers) {
            const auto member = data.FindEntity(id);
            if (member != data.m_arrEntities.end() && member->m_nType == 0) {
                ++type0;
                choice.m_nPartner = id;
            }
        }
        if (type0 == 1) {
            choice.m_nPartnerKind = 0;
        } else if (!activity.m_arrRooms.empty()) {
            choice.m_nPartnerKind = 1;
            choice.m_nPartner = activity.m_arrRooms.front();
        } else {
            choice.m_nPartnerKind = 2;
            choice.m_nPartner = 0;
        }
        choices.push_back(choice);
    }
    return choices;
}

int ResolveImportedActivity(CScheduleData& data, const CString& line, const CEntity& staff,
                            const std::vector<CImportActivityChoice>& choices, const ImportActivityResolver& resolve) {
    const int colon = line.Find(L':');
    if (colon < 5 || choices.empty()) return 0;
    std::vector<int> candidates;
    for (const CImportActivityChoice& choice : choices) {
        CString name;
        name.Format(L" %s ", choice.m_strName.GetString());
        if (line.Find(name) < 0) continue;
        if (choice.m_nPartnerKind != 2) {
            const auto partner = data.FindEntity(choice.m_nPartner);
            if (partner == data.m_arrEntities.end() || line.Find(partner->m_strName) < 0) continue;
        }
        candidates.push_back(choice.m_nActivity);
    }
    if (candidates.empty()) return 0;
    if (candidates.size() == 1) return candidates.front();
    if (!resolve) return 0;
    const int chosen = resolve(candidates, staff, line.Left(colon), line.Mid(colon + 1));
    return data.FindActivity(chosen) != data.m_arrActivities.end() ? chosen : 0;
}

int ImportTimetable(CScheduleData& data, const CImportOptions& options, IImportTextSource& source,
                    const ImportActivityResolver& resolve) {
    data.Host().BeginWaitCursor();
    CImportFrame frame(data);
    if (!frame.Begin(source, IDS_IMPORT_TIMETABLE_PROGRESS)) {
        data.Host().EndWaitCursor();
        return -1;
    }
    const CString marker = options.m_strText;
    std::vector<CImportActivityChoice> choices;
    int staffId = 0;
    CPendingLessons lessons(data);
    int k = 0;
    const std::vector<CString>& lines = frame.Lines();
    for (int index = 0; index < static_cast<int>(lines.size()); ++index, ++k) {
        frame.StepProgress();
        const int lineNumber = index + 1;
        CString line = lines[index];
        line.Trim(L" \t\n\r");
        if (line.IsEmpty()) continue;
        if (!marker.IsEmpty() && line.Find(marker) >= 0) {
            choices.clear();
            k = 0;
            continue;
        }
        if (k == options.m_nSkip) {
            const auto staff = data.FindKind1Or2EntityByName(line);
            staffId = staff != data.m_arrEntities.end() ? staff->m_nId : 0;
            choices = staffId != 0 ? CollectImportChoices(data, staffId) : std::vector<CImportActivityChoice>();
            if (staffId == 0) frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_NO_STAFF, lineNumber, line));
            continue;
        }
        if (choices.empty()) continue;
        const COleDateTime start = ParseTimetableWhen(data, line.Left(kWhenLength));
        if (start.GetStatus() != COleDateTime::valid) {
            frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_BAD_TIME, lineNumber, line));
            continue;
        }
        CTimetableEntry entry(start, COleDateTimeSpan(0, 1, 0, 0));
        const auto staff = data.FindEntity(staffId);
        if (!staff->CanTakeEntry(data, entry, &lessons.Index())) {
            frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_CANNOT_PLACE, lineNumber, line), staffId);
            continue;
        }
        const int activityId = ResolveImportedActivity(data, line, *staff, choices, resolve);
        if (activityId == 0) {
            frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_NO_ACTIVITY, lineNumber, line), staffId);
            continue;
        }
        if (!lessons.CanPlace(*staff, activityId, entry)) {
            frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_CANNOT_PLACE, lineNumber, line), staffId);
            continue;
        }
        // The entry is placed at its own time; nothing else in the plan moves.
        entry.m_nActivity = activityId;
        entry.m_nState = 2;
        entry.m_dtUnmovedStart = start;
        lessons.Add(std::move(entry), staffId);
    }
    const int added = static_cast<int>(lessons.Entries().size());
    for (CTimetableEntry& entry : lessons.Entries()) data.m_arrEntries.push_back(std::move(entry));
    frame.EndProgress();
    data.Host().EndWaitCursor();
    data.RebuildEntityItems(0);
    frame.AddProblem(CImportFrame::kSummary, FormatImportText(IDS_IMPORT_TIMETABLE_DONE, added));
    RecheckAndRefresh(data, FALSE);
    data.Host().BroadcastUpdate(1);
    return added;
}
