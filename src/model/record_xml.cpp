#include "model/record_xml.h"

#include "model/document_values.h"
#include "model/html_color.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"

namespace {

constexpr int kNoHatch = 6;

}  // namespace

void WriteLookAttributes(CXmlDocument& doc, int pos, COLORREF background, COLORREF defaultBackground,
                         COLORREF foreground, int hatch) {
    if (background != defaultBackground) doc.SetAttributeAt(pos, L"BACKGROUND", FormatHtmlColor(background));
    if (foreground != GetSysColor(COLOR_WINDOWTEXT)) doc.SetAttributeAt(pos, L"FOREGROUND", FormatHtmlColor(foreground));
    if (hatch != kNoHatch) doc.SetAttributeAt(pos, L"HATCH", FormatFileInt(hatch));
}

void ReadLookAttributes(const CXmlDocument& doc, int pos, COLORREF defaultBackground, COLORREF& background,
                        COLORREF& foreground, int& hatch) {
    background = ParseHtmlColor(doc.GetAttributeAt(pos, L"BACKGROUND"), defaultBackground);
    foreground = ParseHtmlColor(doc.GetAttributeAt(pos, L"FOREGROUND"), GetSysColor(COLOR_WINDOWTEXT));
    // Hatch numbers the drawing code knows; anything else reads as no hatch.
    const CString text = doc.GetAttributeAt(pos, L"HATCH");
    hatch = text.IsEmpty() ? kNoHatch : ParseFileInt(text);
    if (hatch < 0 || hatch > 11) hatch = kNoHatch;
}

void WriteChimeSetAttribute(CXmlDocument& doc, int pos, const CScheduleData& data, int chimeSetId) {
    if (chimeSetId == 0) return;
    const auto chimeSet = data.FindChimeSet(chimeSetId);
    if (chimeSet != data.m_arrChimeSets.end()) doc.SetAttributeAt(pos, L"CHIME", chimeSet->m_strName);
}

int ReadChimeSetAttribute(const CXmlDocument& doc, int pos, const CScheduleData& data) {
    const auto chimeSet = data.FindChimeSetByName(doc.GetAttributeAt(pos, L"CHIME"));
    return chimeSet == data.m_arrChimeSets.end() ? 0 : chimeSet->m_nId;
}
