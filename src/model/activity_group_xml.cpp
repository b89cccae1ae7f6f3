#include "model/activity_group.h"
#include "model/document_values.h"
#include "model/record_xml.h"
#include "model/xml_document.h"

void CActivityGroup::WriteXml(CXmlDocument& doc) const {
    doc.AddElement(L"GROUP");
    const int pos = doc.GetMainPos();
    doc.SetAttributeAt(pos, L"ID", FormatFileInt(m_nId));
    doc.SetAttributeAt(pos, L"TAG", m_strName);
    WriteLookAttributes(doc, pos, m_crBackground, GetSysColor(COLOR_BTNSHADOW), m_crForeground, m_nHatch);
}
