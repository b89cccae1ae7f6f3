// Reading the document's XML text into the store.
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "model/document_values.h"
#include "model/record_orders.h"
#include "model/record_xml.h"
#include "model/schedule_data.h"
#include "model/strict_order.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kReadingLabelId = 60408;
constexpr UINT kDefaultChimeSetNameId = 60409;

// Collections whose ids MakeIdsUnique repairs.
enum IdSection { kEntityIds, kGroupIds, kActivityIds };

// The date of the text at the given clock time; the clock time must be one.
COleDateTime DateAtClockTime(const COleDateTime& day, const CString& clock) {
    int hour = 0, minute = 0;
    ParseClockTime(clock, hour, minute);
    if (day.GetStatus() != COleDateTime::valid) return day;
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute, 0);
}

// Walks the child elements of the document's main element; fn gets each child's name. The
// document is left on the element it started on.
template <class Fn>
void ForEachChild(CXmlDocument& doc, Fn fn) {
    doc.EnterElement();
    while (doc.FindElement()) fn(doc.GetNodeName());
    doc.LeaveElement();
}

void AddUniqueString(const CString& text, std::vector<CString>& list) {
    for (const CString& item : list)
        if (item.CompareNoCase(text) == 0) return;
    list.push_back(text);
}

}  // namespace

void CScheduleData::ReadXml(CXmlDocument& doc) {
    IProgress& progress = Host().ShowProgress(LoadResString(kReadingLabelId));
    progress.SetRange(0, 9);
    progress.SetStep(1);
    // The progress bar goes away whether or not the sections were complete.
    struct HideOnExit {
        IModelHost& host;
        ~HideOnExit() { host.HideProgress(); }
    } hide{Host()};

    if (doc.FindElement(L"DOCUMENT")) {
        ForEachChild(doc, [&](const CString& name) {
            if (name == L"GENERAL")
                ReadGeneralSection(doc);
            else if (name == L"CHIMES")
                ReadChimesSection(doc);
            else if (name == L"ENTITIES")
                ReadEntitiesSection(doc);
            else if (name == L"AVAILABILITY")
                ReadAvailabilitySection(doc);
            else if (name == L"REWARDS")
                ReadRewardsSection(doc);
            else if (name == L"GROUPS")
                ReadGroupsSection(doc);
            else if (name == L"ACTIVITIES")
                ReadActivitiesSection(doc);
            else if (name == L"TIMETABLE")
                ReadTimetableSection(doc);
            else if (name == L"REPLACEMENTS")
                ReadReplacementsSection(doc);
            else if (name == L"KEYS")
                ReadKeysSection(doc);
            progress.StepIt();
        });
    }

    if (m_arrChimeSets.empty()) {
        // A Lessons list that cannot be read gives the hourly lessons.
        CChimeSet chimeSet;
        chimeSet.LoadLessonTimes(Settings());
        chimeSet.m_strName = LoadResString(kDefaultChimeSetNameId);
        AddOrReplaceChimeSet(chimeSet);
    }
    DropDanglingReferences();
    if (!m_arrEntities.empty()) {
        m_nCurrentEntity = m_arrEntities.front().m_nId;
        m_nCurrentChimeSet = GetEntityChimeSetId(m_nCurrentEntity);
    }
}

void CScheduleData::ReadGeneralSection(CXmlDocument& doc) {
    const int pos = doc.GetMainPos();
    auto get = [&](const wchar_t* name) { return doc.GetAttributeAt(pos, name); };

    // A date that is missing or forms no date stands for the application's default plan date.
    auto dateOrDefault = [&](const CString& text) {
        const COleDateTime date = ParseFileDate(text);
        return date.GetStatus() == COleDateTime::valid ? date : Settings().GetDefaultPlanDate();
    };
    m_dtFirstWeekday = dateOrDefault(get(L"FIRST_WEEKDAY"));
    m_dtStartDate = dateOrDefault(get(L"DATE"));
    // The entities keep 21 day windows.
    const int days = ParseFileInt(get(L"DAYS"));
    m_nDays = days == 0 ? 6 : std::clamp(days, 1, kMaxPlanDays);
    // The solver's population and run limit, held to the ranges its parameter page offers.
    const int population = ParseFileInt(get(L"POPULATION"));
    m_nPopulation = population == 0 ? 250 : std::clamp(population, 100, 1000);
    const int duration = ParseFileInt(get(L"DURATION"));
    m_nDuration = duration == 0 ? 100 : std::clamp(duration, 5, 1000);
    m_nHourIndex = ParseFileInt(get(L"HOUR_INDX"));
    const CString titleFormat = get(L"TITLE_FORMAT");
    m_nTitleFormat = titleFormat.IsEmpty() ? 0 : titleFormat == L"DATE" ? 1 : 2;
    for (int n = 0; n < 8; ++n) m_nStateSlots[n] = n;
}

void CScheduleData::ReadChimesSection(CXmlDocument& doc) {
    const int defaultId = ParseFileInt(doc.GetAttributeAt(doc.GetMainPos(), L"DEFAULT"));
    m_nDefaultChimeSet = defaultId == 0 ? 1 : defaultId;
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"CHIME") return;
        CChimeSet chimeSet;
        chimeSet.ReadXml(doc);
        AddOrReplaceChimeSet(chimeSet);
    });
}

void CScheduleData::ReadEntitiesSection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"ENTITY") return;
        CEntity entity(m_tDayStart, m_nDays);
        entity.ReadXml(doc, *this);
        m_arrEntities.push_back(std::move(entity));
    });
    MakeIdsUnique(kEntityIds);
    m_arrEntities.Sort(StrictById(CompareEntities()));
    m_nCurrentEntity = m_arrEntities.empty() ? 0 : m_arrEntities.front().m_nId;
    m_nCurrentChimeSet = GetEntityChimeSetId(m_nCurrentEntity);
}

void CScheduleData::ReadAvailabilitySection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"ABSENCE") return;
        const int pos = doc.GetMainPos();
        auto get = [&](const wchar_t* attribute) { return doc.GetAttributeAt(pos, attribute); };
        const auto entity = FindEntity(ParseFileInt(get(L"ENTITY")));
        if (entity == m_arrEntities.end()) return;

        // An absence without a day it can be put on is dropped, as entries outside the plan are.
        const COleDateTime day = ParseFileDate(get(L"DAY"));
        if (day.GetStatus() != COleDateTime::valid) return;
        CAbsence absence;
        const CString start = get(L"START");
        if (!start.IsEmpty()) {
            absence.m_dtStart = DateAtClockTime(day, start);
            absence.m_tsLength = ParseFileSpan(get(L"DURATION"));
            absence.m_bWholeDay = 0;
        } else {
            // A whole-day absence; its own time and length, when written, stand beside the day.
            const CString wholeDayStart = get(L"WHOLE_DAY_START");
            const CString wholeDayLength = get(L"WHOLE_DAY_DURATION");
            absence.m_dtStart = DateAtClockTime(day, wholeDayStart.IsEmpty() ? CString(L"01:00") : wholeDayStart);
            absence.m_tsLength = wholeDayLength.IsEmpty() ? COleDateTimeSpan(1.0 / 24.0) : ParseFileSpan(wholeDayLength);
            absence.m_bWholeDay = 1;
        }
        absence.m_strCategory = get(L"CATEGORY");
        absence.m_strReason = get(L"REASON");
        absence.m_strFund = get(L"FUND");
        absence.m_bApproved = ParseFileFlag(get(L"APPROVED")) ? 1 : 0;
        absence.m_bPaid = ParseFileFlag(get(L"PAID")) ? 1 : 0;
        absence.m_strRemark = get(L"REMARK");
        entity->m_arrAbsences.push_back(absence);
    });
}

void CScheduleData::ReadRewardsSection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"FUND") return;
        const int pos = doc.GetMainPos();
        const auto entity = FindEntity(ParseFileInt(doc.GetAttributeAt(pos, L"ENTITY")));
        if (entity == m_arrEntities.end()) return;
        CFund fund;
        fund.m_strName = doc.GetAttributeAt(pos, L"TAG");
        fund.m_tsLength = ParseFileSpan(doc.GetAttributeAt(pos, L"DURATION"));
        entity->m_arrFunds.push_back(fund);
        AddUniqueString(fund.m_strName, Settings().GetWordList(WordList::Rewards));
    });
}

void CScheduleData::ReadGroupsSection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"GROUP") return;
        const int pos = doc.GetMainPos();
        auto get = [&](const wchar_t* attribute) { return doc.GetAttributeAt(pos, attribute); };
        CActivityGroup group;
        group.m_nId = ParseFileInt(get(L"ID"));
        group.m_strName = get(L"TAG");
        ReadLookAttributes(doc, pos, GetSysColor(COLOR_BTNSHADOW), group.m_crBackground, group.m_crForeground,
                           group.m_nHatch);
        m_arrGroups.push_back(std::move(group));
    });
    MakeIdsUnique(kGroupIds);
}

void CScheduleData::ReadActivitiesSection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"ACTIVITY") return;
        CActivity activity;
        activity.ReadXml(doc, *this);
        // Rooms alone make no activity.
        if (activity.m_arrMembers.empty()) return;
        m_arrActivities.push_back(std::move(activity));
    });
    MakeIdsUnique(kActivityIds);
}

namespace {

// Adds the replacement or room a REPLACE element names to the entry.
void ReadReplace(const CScheduleData& data, CXmlDocument& doc, CTimetableEntry& entry) {
    const int pos = doc.GetMainPos();
    const auto entity = data.FindEntity(ParseFileInt(doc.GetAttributeAt(pos, L"ENTITY")));
    if (entity == data.m_arrEntities.end()) return;
    const int id = entity->m_nId;
    const bool inRooms = std::find(entry.m_arrRooms.begin(), entry.m_arrRooms.end(), id) != entry.m_arrRooms.end();
    if (entity->m_nType == 4) {
        if (!inRooms) entry.m_arrRooms.push_back(id);
        return;
    }
    const bool inReplacements = std::any_of(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(),
                                            [&](const CReplacement& r) { return r.m_nEntity == id; });
    if (inRooms || inReplacements) return;
    CReplacement replacement;
    replacement.m_nEntity = id;
    replacement.m_nReplacing = ParseFileInt(doc.GetAttributeAt(pos, L"REPLACING"));
    replacement.m_bPaid = ParseFileFlag(doc.GetAttributeAt(pos, L"PAID")) ? 1 : 0;
    replacement.m_bExtending = ParseFileFlag(doc.GetAttributeAt(pos, L"EXTENDING")) ? 1 : 0;
    replacement.m_strFund = doc.GetAttributeAt(pos, L"FUND");
    replacement.m_strRemark = doc.GetAttributeAt(pos, L"REMARK");
    entry.m_arrReplacements.push_back(replacement);
}

// Whether the entity exists and takes part in the entry.
bool TakesPart(const CScheduleData& data, int id, const CTimetableEntry& entry) {
    const auto entity = data.FindEntity(id);
    return entity != data.m_arrEntities.end() && entity->TakesPartIn(data, entry);
}

}  // namespace

void CScheduleData::ReadTimetableSection(CXmlDocument& doc) {
    const COleDateTime startDate = m_dtStartDate;
    const COleDateTime planEnd = startDate + COleDateTimeSpan(static_cast<double>(m_nDays));
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"ENTRY") return;
        const int pos = doc.GetMainPos();
        auto get = [&](const wchar_t* attribute) { return doc.GetAttributeAt(pos, attribute); };

        CTimetableEntry entry;
        entry.m_nActivity = ParseFileInt(get(L"ACTIVITY"));
        const int status = ParseFileInt(get(L"STATUS"));
        // A stored state outside 0..9 is read as 2, the state the rules reset it to.
        entry.SetState(status >= 0 && status <= 9 ? status : 2);
        const COleDateTime day = ParseFileDate(get(L"DAY"));
        entry.m_dtStart = DateAtClockTime(day, get(L"START"));
        const CString original = get(L"ORIGINAL");
        if (original.IsEmpty())
            entry.m_dtUnmovedStart = entry.m_dtStart;
        else if (ParseFileInt(original) == 0)
            entry.m_dtUnmovedStart = GetUnplacedDate();
        else
            entry.m_dtUnmovedStart = startDate + COleDateTimeSpan(ParseFileInt(original) / 1440.0);
        entry.m_tsLength = ParseFileSpan(get(L"DURATION"));
        entry.m_strRemark = get(L"REMARK");

        // Entries of no activity, or outside the plan days, are dropped.
        if (entry.m_nActivity == 0) return;
        if (FindActivity(entry.m_nActivity) == m_arrActivities.end()) return;
        if (entry.m_dtStart.GetStatus() != COleDateTime::valid) return;
        if (CompareTimesApprox(startDate, entry.m_dtStart) == 1) return;
        if (CompareTimesApprox(entry.GetEndTime(), planEnd) == 1) return;

        ForEachChild(doc, [&](const CString& child) {
            if (child == L"REPLACEMENTS") {
                ForEachChild(doc, [&](const CString& replace) {
                    if (replace == L"REPLACE") ReadReplace(*this, doc, entry);
                });
            } else if (child == L"ASSOCIATIONS") {
                ForEachChild(doc, [&](const CString& associate) {
                    if (associate != L"ASSOCIATE") return;
                    const int at = doc.GetMainPos();
                    const int roomId = ParseFileInt(doc.GetAttributeAt(at, L"ROOM"));
                    const int entityId = ParseFileInt(doc.GetAttributeAt(at, L"ENTITY"));
                    const auto room = FindEntity(roomId);
                    if (room == m_arrEntities.end() || room->m_nType != 4) return;
                    const auto activity = FindActivity(entry.m_nActivity);
                    const bool belongs =
                        activity->HasEntity(*room) ||
                        std::find(entry.m_arrRooms.begin(), entry.m_arrRooms.end(), roomId) != entry.m_arrRooms.end() ||
                        std::any_of(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(),
                                    [&](const CReplacement& r) { return r.m_nEntity == roomId; });
                    if (!belongs || !TakesPart(*this, entityId, entry)) return;
                    entry.m_arrPairs.push_back(CRoomPair{roomId, entityId});
                });
            }
        });
        m_arrEntries.push_back(std::move(entry));
    });
}

void CScheduleData::ReadReplacementsSection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"REPLACE") return;
        const int pos = doc.GetMainPos();
        const int activityId = ParseFileInt(doc.GetAttributeAt(pos, L"ACTIVITY"));
        const COleDateTime start =
            DateAtClockTime(ParseFileDate(doc.GetAttributeAt(pos, L"DAY")), doc.GetAttributeAt(pos, L"START"));
        const auto entry = FindEntryAt(activityId, start);
        if (entry != m_arrEntries.end()) ReadReplace(*this, doc, *entry);
    });
}

void CScheduleData::ReadKeysSection(CXmlDocument& doc) {
    ForEachChild(doc, [&](const CString& name) {
        if (name != L"KEY") return;
        const int pos = doc.GetMainPos();
        CActivityKey key;
        key.m_strCode = doc.GetAttributeAt(pos, L"CODE");
        key.m_nActivity = ParseFileInt(doc.GetAttributeAt(pos, L"ACTIVITY"));
        key.m_nEntity = ParseFileInt(doc.GetAttributeAt(pos, L"ENTITY"));
        if (FindEntity(key.m_nEntity) == m_arrEntities.end() || key.m_nActivity == 0) return;
        if (FindActivity(key.m_nActivity) == m_arrActivities.end()) return;
        m_arrKeys.push_back(key);
    });
}

// Gives every record of the collection that has no id of its own (0 or below), or the id of an
// earlier record, a new id above all others, so that every reference names one record only and
// renumbering keeps it there. Runs at the end of the section, before later sections refer to
// the records; references by id name the first record that had the id.
void CScheduleData::MakeIdsUnique(int section) {
    auto repair = [](auto& collection) {
        int largest = 0;
        for (const auto& record : collection) largest = std::max(largest, record.m_nId);
        std::unordered_set<int> seen;
        bool changed = false;
        for (auto& record : collection) {
            if (record.m_nId > 0 && seen.insert(record.m_nId).second) continue;
            record.m_nId = ++largest;
            seen.insert(record.m_nId);
            changed = true;
        }
        if (changed) collection.InvalidateIndex();
    };
    switch (section) {
    case kEntityIds: repair(m_arrEntities); break;
    case kGroupIds: repair(m_arrGroups); break;
    case kActivityIds: repair(m_arrActivities); break;
    default: break;
    }
}

// Clears references that name no record, and drops records that make no sense without theirs.
void CScheduleData::DropDanglingReferences() {
    auto hasEntity = [&](int id) { return FindEntity(id) != m_arrEntities.end(); };
    auto hasChimeSet = [&](int id) { return FindChimeSet(id) != m_arrChimeSets.end(); };
    for (CEntity& entity : m_arrEntities) {
        if (!hasEntity(entity.m_nDefaultPlace)) entity.m_nDefaultPlace = 0;
        if (!hasChimeSet(entity.m_nChimeSet)) entity.m_nChimeSet = 0;
    }
    for (CActivity& activity : m_arrActivities) {
        if (activity.m_nGroup != 0 && FindGroup(activity.m_nGroup) == m_arrGroups.end()) activity.m_nGroup = 0;
        if (!hasChimeSet(activity.m_nChimeSet)) activity.m_nChimeSet = 0;
    }
    m_arrEntries.EraseIf(
        [&](const CTimetableEntry& entry) { return FindActivity(entry.m_nActivity) == m_arrActivities.end(); });
    for (CTimetableEntry& entry : m_arrEntries)
        for (CReplacement& replacement : entry.m_arrReplacements)
            if (!hasEntity(replacement.m_nReplacing)) replacement.m_nReplacing = 0;
    if (!m_arrChimeSets.empty() && !hasChimeSet(m_nDefaultChimeSet)) m_nDefaultChimeSet = m_arrChimeSets.front().m_nId;
}
