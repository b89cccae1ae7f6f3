#pragma once
// TODO(model-texts): stand-ins for the record readers and writers of the document file and the
// store edits that pasting uses, until those land; each one is replaced by a call of the real
// operation and this header goes away.
#include <algorithm>

#include "model/schedule_data.h"
#include "model/xml_document.h"
#include "platform/core/text_scan.h"

namespace fragment_rules {

inline void WriteEntity(const CScheduleData&, const CEntity& entity, CXmlDocument& xml) {
    xml.AddElement(L"ENTITY");
    CString n;
    n.Format(L"%d", entity.m_nId);
    xml.SetAttributeAt(xml.GetMainPos(), L"ID", n);
    xml.SetAttributeAt(xml.GetMainPos(), L"TAG", entity.m_strName);
    n.Format(L"%d", entity.m_nType);
    xml.SetAttributeAt(xml.GetMainPos(), L"TYPE", n);
}
inline CEntity ReadEntity(const CScheduleData&, CXmlDocument& xml, const COleDateTime&) {
    CEntity entity;
    entity.m_nId = _wtoi(xml.GetAttribute(L"ID"));
    entity.m_strName = xml.GetAttribute(L"TAG");
    entity.m_nType = _wtoi(xml.GetAttribute(L"TYPE"));
    return entity;
}
inline void WriteActivity(const CScheduleData&, const CActivity& activity, CXmlDocument& xml) {
    xml.AddElement(L"ACTIVITY");
    CString n;
    n.Format(L"%d", activity.m_nId);
    xml.SetAttributeAt(xml.GetMainPos(), L"ID", n);
    xml.SetAttributeAt(xml.GetMainPos(), L"TAG", activity.m_strName);
}
inline CActivity ReadActivity(const CScheduleData&, CXmlDocument& xml) {
    CActivity activity;
    activity.m_nId = _wtoi(xml.GetAttribute(L"ID"));
    activity.m_strName = xml.GetAttribute(L"TAG");
    return activity;
}
inline void WriteChimeSet(const CScheduleData&, const CChimeSet& set, CXmlDocument& xml) {
    xml.AddElement(L"CHIME");
    xml.SetAttributeAt(xml.GetMainPos(), L"TAG", set.m_strName);
}
inline CChimeSet ReadChimeSet(CXmlDocument& xml) {
    CChimeSet set;
    set.m_strName = xml.GetAttribute(L"TAG");
    return set;
}
inline int GetNextEntityId(const CScheduleData& data) {
    int id = 0;
    for (const CEntity& e : data.m_arrEntities) id = std::max(id, e.m_nId);
    return id + 1;
}
inline int GetNextActivityId(const CScheduleData& data) {
    int id = 0;
    for (const CActivity& a : data.m_arrActivities) id = std::max(id, a.m_nId);
    return id + 1;
}
inline void DeleteActivity(CScheduleData& data, int id) {
    const auto it = data.FindActivity(id);
    if (it != data.m_arrActivities.end()) data.m_arrActivities.erase(it);
}
inline void AddOrReplaceChimeSet(CScheduleData& data, CChimeSet set) {
    int id = 0;
    for (const CChimeSet& s : data.m_arrChimeSets) id = std::max(id, s.m_nId);
    set.m_nId = id + 1;
    data.m_arrChimeSets.push_back(set);
}
inline void AddEntity(const CScheduleData& data, int id, CActivity& activity) {
    const auto entity = data.FindEntity(id);
    if (entity == data.m_arrEntities.end() || activity.HasEntity(*entity)) return;
    (entity->m_nType == 4 ? activity.m_arrRooms : activity.m_arrMembers).push_back(id);
}
inline void RemoveEntity(CScheduleData& data, CActivity& activity, int id) {
    const auto entity = data.FindEntity(id);
    if (entity == data.m_arrEntities.end()) return;
    auto& list = entity->m_nType == 4 ? activity.m_arrRooms : activity.m_arrMembers;
    const auto it = std::find(list.begin(), list.end(), id);
    if (it != list.end()) list.erase(it);
}

}  // namespace fragment_rules
