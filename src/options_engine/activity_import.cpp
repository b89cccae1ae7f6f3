#include "options_engine/activity_import.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cwctype>
#include <string>
#include <unordered_map>

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "options_engine/activity_name_index.h"
#include "options_engine/import_frame.h"
#include "options_engine/import_lines.h"
#include "options_engine/import_options.h"
#include "resource_ids.h"

namespace {

// The whole hours of a field: an empty field is 0, anything but digits cannot be read.
bool ReadHours(CString text, int& hours) {
    text.Trim(L" \t");
    hours = 0;
    if (text.GetLength() > 4) return false;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (!std::iswdigit(text[i])) return false;
        hours = hours * 10 + (text[i] - L'0');
    }
    return true;
}

// The activity's type-0 member when it has exactly one, else the end of the entities.
CEntityArray::iterator OnlyType0Member(CScheduleData& data, const CActivity& activity) {
    auto only = data.m_arrEntities.end();
    for (int id : activity.m_arrMembers) {
        const auto member = data.FindEntity(id);
        if (member == data.m_arrEntities.end() || member->m_nType != 0) continue;
        if (only != data.m_arrEntities.end()) return data.m_arrEntities.end();
        only = member;
    }
    return only;
}

// The first entity of each name among those a test accepts, in table order: the lookups by
// name of the store, made once for an import that does not change the entities.
class CEntityNames {
public:
    template <class Accept>
    CEntityNames(CScheduleData& data, Accept accept) : m_end(data.m_arrEntities.end()) {
        for (auto it = data.m_arrEntities.begin(); it != data.m_arrEntities.end(); ++it)
            if (accept(*it) && !it->m_strName.IsEmpty()) m_first.emplace(it->m_strName.GetString(), it);
    }
    CEntityArray::iterator Find(const CString& name) const {
        const auto found = m_first.find(name.GetString());
        return found != m_first.end() ? found->second : m_end;
    }

private:
    std::unordered_map<std::wstring, CEntityArray::iterator> m_first;
    CEntityArray::iterator m_end;
};

class CActivityLineReader {
public:
    CActivityLineReader(CScheduleData& data, const CImportOptions& options, CImportFrame& frame,
                        const std::function<COLORREF()>& randomColour)
        : m_data(data), m_options(options), m_frame(frame), m_randomColour(randomColour),
          m_type0(data, [](const CEntity& e) { return e.m_nType == 0; }),
          m_staff(data, [](const CEntity& e) { return e.m_nType == 1 || e.m_nType == 2; }),
          m_rooms(data, [](const CEntity& e) { return e.m_nType == 4; }) {
        for (std::size_t i = 0; i < data.m_arrActivities.size(); ++i) {
            m_activities.Add(i, data.m_arrActivities[i].m_strName);
            m_nLargestId = std::max(m_nLargestId, data.m_arrActivities[i].m_nId);
        }
    }

    // True when the line appended an activity.
    bool ReadLine(const CString& line, int lineNumber);

private:
    CString Field(int column) const { return ImportField(m_fields, m_options.Column(column)); }
    COLORREF Background() const {
        return m_options.m_bCheck && m_randomColour ? m_randomColour() : GetSysColor(COLOR_WINDOW);
    }
    int GroupFor(const CString& name);
    void TakeColoursOfSimilar(CActivity& activity) const;
    CActivityArray::iterator FindMatchingActivity(const CActivity& activity, int staffId);
    void Append(CActivity&& activity);

    CScheduleData& m_data;
    const CImportOptions& m_options;
    CImportFrame& m_frame;
    const std::function<COLORREF()>& m_randomColour;
    std::vector<CString> m_fields;
    int m_nGroup = 0;  // the current group; 0 between groups
    CEntityNames m_type0;
    CEntityNames m_staff;
    CEntityNames m_rooms;
    CActivityNameIndex m_activities;
    int m_nLargestId = 0;
};

int CActivityLineReader::GroupFor(const CString& name) {
    if (m_options.Column(2) == 0) return 0;
    if (Field(2).IsEmpty()) return m_nGroup = 0;
    if (m_nGroup == 0) {
        CActivityGroup group;
        group.m_nId = m_data.GetNextGroupId();
        group.m_strName = name;
        group.m_crBackground = Background();
        group.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
        group.m_nHatch = 6;
        m_data.m_arrGroups.push_back(group);
        return m_nGroup = group.m_nId;
    }
    const auto group = m_data.FindGroup(m_nGroup);
    if (group != m_data.m_arrGroups.end() && group->m_strName.Find(name) < 0)
        group->m_strName.Format(L"%s/%s", group->m_strName.GetString(), name.GetString());
    return m_nGroup;
}

void CActivityLineReader::TakeColoursOfSimilar(CActivity& activity) const {
    const std::size_t similar = m_activities.FirstContaining(
        activity.m_strName, [this](std::size_t position) -> const CString& { return m_data.m_arrActivities[position].m_strName; });
    if (similar == CActivityNameIndex::npos) return;
    const CActivity& other = m_data.m_arrActivities[similar];
    activity.m_crBackground = other.m_crBackground;
    activity.m_crForeground = other.m_crForeground;
    activity.m_nHatch = other.m_nHatch;
}

// The store's FindMatchingActivity over the activities of the same name only.
CActivityArray::iterator CActivityLineReader::FindMatchingActivity(const CActivity& activity, int staffId) {
    if (activity.m_nGroup == 0) return m_data.m_arrActivities.end();
    for (std::size_t position : m_activities.Named(activity.m_strName)) {
        const auto candidate = m_data.m_arrActivities.begin() + static_cast<std::ptrdiff_t>(position);
        if (m_data.IsMatchingActivity(*candidate, activity, staffId)) return candidate;
    }
    return m_data.m_arrActivities.end();
}

void CActivityLineReader::Append(CActivity&& activity) {
    // Ids run on from the largest; only at the end of the range is the store asked for a free one.
    activity.m_nId = m_nLargestId < INT_MAX ? ++m_nLargestId : m_data.GetNextActivityId();
    m_activities.Add(m_data.m_arrActivities.size(), activity.m_strName);
    m_data.m_arrActivities.push_back(std::move(activity));
}

bool CActivityLineReader::ReadLine(const CString& line, int lineNumber) {
    SplitImportFields(line, ImportSeparator(m_options.m_nSeparator), m_fields);
    if (m_fields.empty()) return false;
    int hours = 0;
    const CString hoursText = Field(3);
    if (!ReadHours(hoursText, hours)) {
        // Skipped as a line without hours is, it ends the current group too.
        m_nGroup = 0;
        m_frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_BAD_HOURS, lineNumber, hoursText));
        return false;
    }
    const CString name = Field(1);
    if (hours == 0 || name.IsEmpty()) {
        // A line without hours ends the current group; one with hours but no name is reported.
        m_nGroup = 0;
        if (hours != 0) m_frame.AddProblem(CImportFrame::kNoName, FormatImportText(IDS_IMPORT_ENTITY_NO_NAME, lineNumber));
        return false;
    }

    CActivity activity;
    activity.m_strName = name;
    activity.m_nGroup = GroupFor(name);
    activity.m_nPosition = 0;
    activity.m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
    activity.m_tsDuration = COleDateTimeSpan(0, hours, 0, 0);
    activity.m_crBackground = Background();
    activity.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    activity.m_nHatch = 6;
    TakeColoursOfSimilar(activity);

    const CString staffName = Field(4);
    const auto staff = m_staff.Find(staffName);
    const int staffId = staff != m_data.m_arrEntities.end() ? staff->m_nId : 0;
    if (staffId != 0) activity.m_arrMembers.push_back(staffId);
    if (const int first = m_options.Column(6); first != 0) {
        for (int n = first; n <= static_cast<int>(m_fields.size()); ++n) {
            const auto member = m_type0.Find(m_fields[n - 1]);
            if (member != m_data.m_arrEntities.end()) activity.m_arrMembers.push_back(member->m_nId);
        }
    }
    if (m_options.Column(5) != 0) {
        const auto room = m_rooms.Find(Field(5));
        if (room != m_data.m_arrEntities.end()) {
            const auto only = OnlyType0Member(m_data, activity);
            if (only == m_data.m_arrEntities.end() || only->m_nDefaultPlace != room->m_nId)
                activity.m_arrRooms.push_back(room->m_nId);
        }
    }

    if (staffId == 0 || activity.CountStaffMembers(m_data) == 0) {
        m_frame.AddProblem(CImportFrame::kSkipped, FormatImportText(IDS_IMPORT_NO_STAFF, lineNumber, staffName));
        return false;
    }
    const auto match = FindMatchingActivity(activity, staffId);
    if (match != m_data.m_arrActivities.end()) {
        match->AddEntity(m_data, staffId);
        return false;
    }
    Append(std::move(activity));
    return true;
}

}  // namespace

int ImportActivities(CScheduleData& data, const CImportOptions& options, IImportTextSource& source,
                     const std::function<COLORREF()>& randomColour) {
    CImportFrame frame(data);
    if (!frame.Begin(source, IDS_IMPORT_ACTIVITIES_PROGRESS)) return -1;
    int appended = 0;
    {
        CActivityLineReader reader(data, options, frame, randomColour);
        const std::vector<CImportRecord> records = JoinImportRecords(frame.Lines(), ImportSeparator(options.m_nSeparator));
        for (int index = 0; index < static_cast<int>(records.size()); ++index) {
            const CImportRecord& record = records[index];
            for (int n = 0; n < record.m_nLines; ++n) frame.StepProgress();
            if (index >= options.m_nSkip && reader.ReadLine(record.m_strText, record.m_nLine)) ++appended;
        }
    }
    frame.EndProgress();
    data.DeleteSingleUseGroups();
    frame.AddProblem(CImportFrame::kSummary, FormatImportText(IDS_IMPORT_ACTIVITIES_DONE, appended));
    // The plan check appends its findings to the import's.
    RecheckAndRefresh(data, FALSE);
    data.Host().BroadcastUpdate(1);
    return appended;
}
