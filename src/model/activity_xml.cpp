#include "model/activity.h"
#include "model/document_values.h"
#include "model/entity.h"
#include "model/record_xml.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/xml_document.h"

namespace {

void WriteEnrolement(CXmlDocument& doc, const CScheduleData& data, int id) {
    const auto entity = data.FindEntity(id);
    if (entity == data.m_arrEntities.end()) return;
    doc.AddElement(L"ENROLEMENT", FormatFileInt(id));
    const int pos = doc.GetMainPos();
    doc.SetAttributeAt(pos, L"ID", entity->m_strName);
    doc.SetAttributeAt(pos, L"TYPE", FormatFileInt(entity->m_nType));
}

}  // namespace

void CActivity::WriteXml(CXmlDocument& doc, const CScheduleData& data) const {
    doc.AddElement(L"ACTIVITY");
    const int pos = doc.GetMainPos();
    auto set = [&](const wchar_t* name, const CString& value) { doc.SetAttributeAt(pos, name, value); };

    set(L"ID", FormatFileInt(m_nId));
    set(L"GROUP", FormatFileInt(m_nGroup));
    set(L"TAG", m_strName);
    set(L"LEVEL", m_strLevel);
    set(L"SUPERVISOR", m_strSupervisor);
    set(L"REMARK", m_strRemark);
    set(L"LOCATION", m_strLocation);
    WriteLookAttributes(doc, pos, m_crBackground, GetSysColor(COLOR_WINDOW), m_crForeground, m_nHatch);
    set(L"DURATION", FormatDuration());
    set(L"MEETING", FormatHoursMinutes(m_tsMeeting));
    if (m_nPosition != 0) set(L"POSITION", FormatFileInt(m_nPosition));
    if (m_nDispersion != 0) set(L"DISPERSION", FormatFileInt(m_nDispersion));
    WriteChimeSetAttribute(doc, pos, data, m_nChimeSet);

    if (m_arrMembers.empty() && m_arrRooms.empty() && m_arrPairs.empty()) return;
    doc.EnterElement();
    for (int id : m_arrMembers) WriteEnrolement(doc, data, id);
    for (int id : m_arrRooms) WriteEnrolement(doc, data, id);
    for (const CRoomPair& pair : m_arrPairs) {
        doc.AddElement(L"ASSOCIATION");
        const int association = doc.GetMainPos();
        doc.SetAttributeAt(association, L"ROOM", FormatFileInt(pair.m_nRoom));
        doc.SetAttributeAt(association, L"ENTITY", FormatFileInt(pair.m_nEntity));
    }
    doc.LeaveElement();
}

void CActivity::ReadXml(CXmlDocument& doc, const CScheduleData& data) {
    const int pos = doc.GetMainPos();
    auto get = [&](const wchar_t* name) { return doc.GetAttributeAt(pos, name); };

    m_nId = ParseFileInt(get(L"ID"));
    m_nGroup = ParseFileInt(get(L"GROUP"));
    m_strName = get(L"TAG");
    m_strLevel = get(L"LEVEL");
    m_strSupervisor = get(L"SUPERVISOR");
    m_strRemark = get(L"REMARK");
    m_strLocation = get(L"LOCATION");
    ReadLookAttributes(doc, pos, GetSysColor(COLOR_WINDOW), m_crBackground, m_crForeground, m_nHatch);
    m_tsDuration = ParseFileSpan(get(L"DURATION"));
    m_tsMeeting = ParseFileSpan(get(L"MEETING"));
    m_nPosition = ParseFileInt(get(L"POSITION"));
    m_nDispersion = ParseFileInt(get(L"DISPERSION"));
    m_nChimeSet = ReadChimeSetAttribute(doc, pos, data);

    // Children in file order; members come before the pairs that name them.
    doc.EnterElement();
    while (doc.FindElement()) {
        const int child = doc.GetMainPos();
        const CString name = doc.GetNodeName();
        if (name == L"ENROLEMENT") {
            const int id = ParseFileInt(doc.GetTextAt(child));
            const CString entityName = doc.GetAttributeAt(child, L"ID");
            const int type = ParseFileInt(doc.GetAttributeAt(child, L"TYPE"));
            auto entity = data.FindEntity(id);
            const bool byId = entity != data.m_arrEntities.end() &&
                              (entityName.IsEmpty() || (entity->m_strName == entityName && entity->m_nType == type));
            if (!byId) entity = data.FindEntityByName(entityName, type);
            if (entity == data.m_arrEntities.end()) continue;
            (entity->m_nType == 4 ? m_arrRooms : m_arrMembers).push_back(entity->m_nId);
        } else if (name == L"ASSOCIATION") {
            const int roomId = ParseFileInt(doc.GetAttributeAt(child, L"ROOM"));
            const int entityId = ParseFileInt(doc.GetAttributeAt(child, L"ENTITY"));
            const auto room = data.FindEntity(roomId);
            const auto entity = data.FindEntity(entityId);
            if (room == data.m_arrEntities.end() || room->m_nType != 4 || !HasEntity(*room)) continue;
            if (entity == data.m_arrEntities.end() || !HasEntity(*entity)) continue;
            m_arrPairs.push_back(CRoomPair{roomId, entityId});
        }
    }
    doc.LeaveElement();
}
