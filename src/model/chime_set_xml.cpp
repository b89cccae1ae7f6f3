#include "model/chime_set.h"
#include "model/document_values.h"
#include "model/xml_document.h"

void CChimeSet::WriteXml(CXmlDocument& doc, int id) const {
    doc.AddElement(L"CHIME");
    const int pos = doc.GetMainPos();
    doc.SetAttributeAt(pos, L"ID", FormatFileInt(id));
    doc.SetAttributeAt(pos, L"TAG", m_strName);
    if (m_arrIntervals.empty()) return;
    doc.EnterElement();
    for (const CChimeInterval& interval : m_arrIntervals) {
        doc.AddElement(L"INTERVAL");
        const int child = doc.GetMainPos();
        doc.SetAttributeAt(child, L"START", FormatClockTime64(interval.m_tStart));
        if (!interval.m_strBreak.IsEmpty()) doc.SetAttributeAt(child, L"BREAK", interval.m_strBreak);
    }
    doc.LeaveElement();
}

void CChimeSet::ReadXml(CXmlDocument& doc) {
    const int pos = doc.GetMainPos();
    m_nId = ParseFileInt(doc.GetAttributeAt(pos, L"ID"));
    m_strName = doc.GetAttributeAt(pos, L"TAG");
    while (doc.FindChildElement(L"INTERVAL")) {
        const int child = doc.GetChildPos();
        CChimeInterval interval;
        interval.m_tStart = ParseTimeOfDay(doc.GetAttributeAt(child, L"START"));
        interval.m_strBreak = doc.GetAttributeAt(child, L"BREAK");
        m_arrIntervals.push_back(interval);
    }
}
