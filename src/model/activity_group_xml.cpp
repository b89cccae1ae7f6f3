#include "model/activity_group.h"
#include "model/document_values.h"
#include "model/html_color.h"
#include "model/xml_document.h"

void CActivityGroup::WriteXml(CXmlDocument& doc) const {
    doc.AddElement(L"GROUP");
    const int pos = doc.GetMainPos();
    doc.SetAttributeAt(pos, L"ID", FormatFileInt(m_nId));
    doc.SetAttributeAt(pos, L"TAG", m_strName);
    if (m_crBackground != GetSysColor(COLOR_BTNSHADOW)) doc.SetAttributeAt(pos, L"BACKGROUND", FormatHtmlColor(m_crBackground));
    if (m_crForeground != GetSysColor(COLOR_WINDOWTEXT)) doc.SetAttributeAt(pos, L"FOREGROUND", FormatHtmlColor(m_crForeground));
    if (m_nHatch != 6) doc.SetAttributeAt(pos, L"HATCH", FormatFileInt(m_nHatch));
}
