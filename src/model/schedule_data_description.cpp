#include "model/schedule_data.h"
#include "model/time_values.h"

CString CScheduleData::JoinMemberNames(const std::vector<int>& ids) const {
    CString text;
    for (int id : ids) {
        const auto entity = FindEntity(id);
        if (entity == m_arrEntities.end() || entity->m_nType != 0) continue;
        text += entity->m_strName + L", ";
    }
    text.TrimRight(L", ");
    return text;
}

CString CScheduleData::GetSingleMemberName(const std::vector<int>& ids, const CTimetableEntry* entry,
                                           const CPlanIndex* index) const {
    const COleDateTime start = entry ? entry->m_dtStart : GetUnplacedDate();
    const COleDateTime end = entry ? entry->GetEndTime() : GetUnplacedDate();
    const CString* found = nullptr;
    // False once a second staff member turns up: the answer is then empty.
    auto take = [&](const CEntity& entity) {
        if (entity.m_nType != 1 && entity.m_nType != 2) return true;
        if (found) return false;
        found = &entity.m_strName;
        return true;
    };
    for (int id : ids) {
        const auto entity = FindEntity(id);
        if (entity == m_arrEntities.end()) continue;
        if (entry && (entity->IsAbsent(start, end) ||
                      entity->IsReplacedOut(*this, start, end, entry->m_nActivity, index)))
            continue;
        if (!take(*entity)) return CString();
    }
    if (entry) {
        for (const CReplacement& replacement : entry->m_arrReplacements) {
            const auto entity = FindEntity(replacement.m_nEntity);
            if (entity == m_arrEntities.end() || entity->IsAbsent(start, end)) continue;
            if (!take(*entity)) return CString();
        }
    }
    return found ? *found : CString();
}
