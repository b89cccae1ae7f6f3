#include "timetable/timetable_fragment.h"

#include "model/clipboard_fragments.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/time_table_item.h"

namespace {

// One SCHEDULE element, read and checked.
struct PastedEntry {
    CString m_strName;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
};

// Reads and checks one element; 0 when it can be pasted, else the id of the reason.
UINT ReadPastedEntry(const CScheduleData& data, const CXmlDocument& xml, PastedEntry& entry) {
    entry.m_strName = xml.GetAttribute(L"ACTIVITY");
    int start[5] = {}, length[2] = {};
    if (entry.m_strName.IsEmpty() || !ReadFragmentNumbers(xml.GetAttribute(L"START"), L"/:", 5, start) ||
        !ReadFragmentNumbers(xml.GetAttribute(L"DURATION"), L":", 2, length))
        return IDS_PASTE_BAD_FIELDS;
    // A name of one letter is part of nearly every activity name.
    if (entry.m_strName.GetLength() < 2) return IDS_PASTE_SHORT_NAME;
    const int day = start[0], month = start[1], year = start[2], hour = start[3], minute = start[4];
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return IDS_PASTE_BAD_FIELDS;
    entry.m_dtStart = COleDateTime(year, month, day, hour, minute, 0);
    if (entry.m_dtStart.GetStatus() != COleDateTime::valid) return IDS_PASTE_BAD_FIELDS;
    const COleDateTime planStart = data.GetStartDate();
    const COleDateTime dayOf(year, month, day, 0, 0, 0);
    const double dayNumber = static_cast<double>(dayOf) - static_cast<double>(planStart);
    if (dayNumber < -0.001 || dayNumber > data.m_nDays - 1 + 0.001) return IDS_PASTE_OUTSIDE_PLAN;
    if (length[0] < 0 || length[1] < 0 || length[1] > 59) return IDS_PASTE_BAD_FIELDS;
    if (length[0] >= 24) return IDS_PASTE_BAD_LENGTH;
    const int minutes = length[0] * 60 + length[1];
    if (minutes < 1) return IDS_PASTE_BAD_LENGTH;
    entry.m_tsLength = COleDateTimeSpan(0, 0, minutes, 0);
    if (hour * 60 + minute + minutes > 24 * 60) return IDS_PASTE_OUTSIDE_DAY;
    return 0;
}

FragmentPaste Refuse(CScheduleData& data, int element, UINT reasonId) {
    CString text;
    if (reasonId == IDS_PASTE_NOT_A_FRAGMENT)
        text = LoadResString(IDS_PASTE_NOT_A_FRAGMENT);
    else
        text.Format(LoadResString(IDS_PASTE_REFUSED), element, LoadResString(reasonId).GetString());
    data.Answerer().Ask(text, LoadResString(IDS_PASTE_CAPTION), MessageButtons::Ok, MessageIcon::Warning);
    return FragmentPaste::Refused;
}

// The search text of a pasted name: the last word of the Activities list that contains it, else
// the name itself.
CString SearchText(CScheduleData& data, const CString& name) {
    CString search = name;
    for (const CString& word : data.Settings().GetWordList(WordList::Activities))
        if (word.Find(name) >= 0) search = word;
    return search;
}

void AddProblem(CScheduleData& data, UINT textId, const CString& name) {
    CProblem problem;
    problem.m_nKind = 12;
    problem.m_strText.Format(LoadResString(textId), name.GetString());
    problem.m_nRecord = data.m_nCurrentEntity;
    problem.m_dtDate = data.GetStartDate();
    data.m_arrProblems.push_back(problem);
}

}  // namespace

void CopyTimetableFragment(const CScheduleData& data, const std::vector<CTimeTableItem>& items) {
    std::vector<const CTimetableEntry*> entries;
    for (const CTimeTableItem& item : items) {
        if (item.m_bGroupItem) continue;
        const auto entry = data.FindEntryBySerial(item.m_nSource);
        if (entry != data.m_arrEntries.end()) entries.push_back(&*entry);
    }
    SetClipboardText(data.Clipboard(), BuildTimetableFragment(data, entries));
}

FragmentPaste PasteTimetableFragment(CScheduleData& data, int* filterSetting) {
    const auto entity = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end()) return FragmentPaste::Refused;
    IModelHost& host = data.Host();
    host.BeginWaitCursor();
    struct WaitCursor {
        IModelHost& host;
        ~WaitCursor() { host.EndWaitCursor(); }
    } wait{host};

    CXmlDocument xml;
    if (!xml.LoadFromClipboard(data.Clipboard()) || !xml.IsWellFormed() || !xml.FindElement(L"DOCUMENT"))
        return Refuse(data, 0, IDS_PASTE_NOT_A_FRAGMENT);
    xml.EnterElement();
    std::vector<PastedEntry> pasted;
    while (xml.FindElement(L"SCHEDULE")) {
        PastedEntry entry;
        if (const UINT reason = ReadPastedEntry(data, xml, entry))
            return Refuse(data, static_cast<int>(pasted.size()) + 1, reason);
        pasted.push_back(entry);
    }
    if (pasted.empty()) return Refuse(data, 0, IDS_PASTE_NOT_A_FRAGMENT);

    data.m_arrProblems.clear();
    data.SaveUndo();
    int placed = 0;
    for (const PastedEntry& item : pasted) {
        const CString search = SearchText(data, item.m_strName);
        const CActivity* match = nullptr;
        for (const CActivity& activity : data.m_arrActivities) {
            if (activity.HasEntity(*entity) && activity.m_strName.Find(search) >= 0) {
                match = &activity;
                break;
            }
        }
        if (!match) {
            AddProblem(data, IDS_PASTE_NO_ACTIVITY, item.m_strName);
            continue;
        }
        CTimetableEntry entry(item.m_dtStart, item.m_tsLength);
        entry.m_nActivity = match->m_nId;
        if (data.CanPlaceEntry(match->m_nId, 0, entry)) {
            data.AddEntry(entry, FALSE);
            ++placed;
        } else
            AddProblem(data, IDS_PASTE_CANNOT_PLACE, item.m_strName);
    }

    // A paste that placed nothing changed nothing: the edit before it stays undoable.
    if (placed == 0) data.RestorePreviousUndo();
    const int saved = filterSetting ? *filterSetting : 0;
    const bool problems = !data.m_arrProblems.empty();
    if (problems && filterSetting) *filterSetting = 15;
    RecheckAndRefresh(data, FALSE);
    if (problems && filterSetting) *filterSetting = saved;
    return FragmentPaste::Pasted;
}
