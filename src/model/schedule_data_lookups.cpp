// Store edit operations: lookups by name and the name lists of the dialogs and report filters.
#include <algorithm>

#include "model/schedule_data.h"

namespace {

bool ContainsExact(const std::vector<CString>& names, const CString& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool ContainsNoCase(const std::vector<CString>& names, const CString& name) {
    return std::any_of(names.begin(), names.end(), [&](const CString& n) { return n.CompareNoCase(name) == 0; });
}

template <class Array, class Pred>
auto FindNamed(Array& records, const CString& name, Pred typeMatches) {
    if (name.IsEmpty()) return records.end();
    return std::find_if(records.begin(), records.end(),
                        [&](const auto& r) { return typeMatches(r) && r.m_strName.Compare(name) == 0; });
}

}  // namespace

CEntityArray::iterator CScheduleData::FindKind4EntityByName(const CString& name) {
    return FindNamed(m_arrEntities, name, [](const CEntity& e) { return e.m_nType == 4; });
}

CEntityArray::iterator CScheduleData::FindKind0EntityByName(const CString& name) {
    return FindNamed(m_arrEntities, name, [](const CEntity& e) { return e.m_nType == 0; });
}

CEntityArray::iterator CScheduleData::FindKind1Or2EntityByName(const CString& name) {
    return FindNamed(m_arrEntities, name, [](const CEntity& e) { return e.m_nType == 1 || e.m_nType == 2; });
}

CChimeSetArray::iterator CScheduleData::FindChimeSetByName(const CString& name) {
    return FindNamed(m_arrChimeSets, name, [](const CChimeSet&) { return true; });
}

CChimeSetArray::const_iterator CScheduleData::FindChimeSetByName(const CString& name) const {
    return FindNamed(m_arrChimeSets, name, [](const CChimeSet&) { return true; });
}

int CScheduleData::FindEntityIdByNameAndCode(const CString& name, const CString& code) const {
    if (name.IsEmpty()) return 0;
    int lastByName = 0;
    for (const CEntity& entity : m_arrEntities) {
        if (entity.m_strName.CompareNoCase(name) != 0) continue;
        if (entity.m_strCode.CompareNoCase(code) == 0) return entity.m_nId;
        lastByName = entity.m_nId;
    }
    return lastByName;
}

void CScheduleData::CollectKind4Names(std::vector<CString>& names, BOOL allNames) const {
    for (const CEntity& entity : m_arrEntities) {
        if (entity.m_nType != 4) continue;
        if (!allNames && ContainsNoCase(names, entity.m_strName)) continue;
        names.push_back(entity.m_strName);
    }
}

void CScheduleData::CollectChimeNames(std::vector<CString>& names) const {
    for (const CChimeSet& chimeSet : m_arrChimeSets)
        if (!ContainsExact(names, chimeSet.m_strName)) names.push_back(chimeSet.m_strName);
}

void CScheduleData::GetActivityNames(std::vector<CString>& names) const {
    names.clear();
    for (const CActivity& activity : m_arrActivities)
        if (!ContainsNoCase(names, activity.m_strName)) names.push_back(activity.m_strName);
}

void CScheduleData::CollectAbsenceCategories(std::vector<CString>& names) const {
    names.clear();
    for (const CEntity& entity : m_arrEntities)
        for (const CAbsence& absence : entity.m_arrAbsences)
            if (!absence.m_strCategory.IsEmpty() && !ContainsExact(names, absence.m_strCategory))
                names.push_back(absence.m_strCategory);
    for (const CString& category : Settings().GetWordList(WordList::Categories))
        if (!ContainsExact(names, category)) names.push_back(category);
}

void CScheduleData::CollectCompanies(std::vector<CString>& names) const {
    names.clear();
    for (const CEntity& entity : m_arrEntities) {
        if ((entity.m_nType != 1 && entity.m_nType != 2) || entity.m_bUnavailable) continue;
        if (!entity.m_strCompany.IsEmpty() && !ContainsNoCase(names, entity.m_strCompany))
            names.push_back(entity.m_strCompany);
    }
}

void CScheduleData::CollectFunds(std::vector<CString>& names) const {
    names.clear();
    for (const CTimetableEntry& entry : m_arrEntries)
        for (const CReplacement& replacement : entry.m_arrReplacements)
            if (!ContainsExact(names, replacement.m_strFund)) names.push_back(replacement.m_strFund);
    for (const CEntity& entity : m_arrEntities)
        for (const CAbsence& absence : entity.m_arrAbsences)
            if (!ContainsExact(names, absence.m_strFund)) names.push_back(absence.m_strFund);
    for (const CString& funder : Settings().GetWordList(WordList::Funders))
        if (!ContainsExact(names, funder)) names.push_back(funder);
}

bool CScheduleData::EntityHasActivityLike(int entityId, const CString& text) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return false;
    CString word = text;
    // An empty list entry occurs in every text and would match every activity.
    for (const CString& entry : Settings().GetWordList(WordList::Activities))
        if (!entry.IsEmpty() && text.Find(entry) >= 0) word = entry;
    return std::any_of(m_arrActivities.begin(), m_arrActivities.end(), [&](const CActivity& activity) {
        return activity.HasEntity(*entity) && activity.m_strName.Find(word) >= 0;
    });
}

int CScheduleData::CountReportFlags() const {
    return static_cast<int>(std::count_if(std::begin(m_bReportSwitches), std::end(m_bReportSwitches),
                                          [](int flag) { return flag != 0; }));
}

void BuildAbsenceCategoryList(std::vector<CString>& names, IAppSettings& settings, const CString& category) {
    names = settings.GetWordList(WordList::Categories);
    if (!ContainsNoCase(names, category)) names.push_back(category);
}
