#include <algorithm>

#include "model/entity.h"
#include "model/fragment_rules.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"
#include "platform/core/text_scan.h"

namespace {

constexpr UINT kPasteEntityCaptionId = 60416;
constexpr UINT kPasteEntityExistsId = 60417;

// A whole decimal number, with optional blanks around it and an optional sign.
bool ParseDecimal(const CString& text, int& value) {
    CString t = text;
    t.Trim();
    if (t.IsEmpty()) return false;
    const int first = (t[0] == L'-' || t[0] == L'+') ? 1 : 0;
    if (first == t.GetLength()) return false;
    for (int i = first; i < t.GetLength(); ++i)
        if (t[i] < L'0' || t[i] > L'9') return false;
    if (t.GetLength() - first > 9) return false;
    value = _wtoi(t);
    return true;
}

}  // namespace

bool CEntity::ReadXmlKey(const CXmlDocument& xml, CEntity& key) {
    const int pos = xml.GetMainPos();
    int id = 0;
    int type = 0;
    if (!ParseDecimal(xml.GetAttributeAt(pos, L"ID"), id) || !ParseDecimal(xml.GetAttributeAt(pos, L"TYPE"), type))
        return false;
    key.m_nId = id;
    key.m_nType = type;
    key.m_strName = xml.GetAttributeAt(pos, L"TAG");
    return true;
}

int CEntity::AddPasted(CScheduleData& data) {
    if (data.HasEntityNamed(m_strName, m_nType)) {
        CString text;
        text.LoadString(kPasteEntityExistsId);
        CString caption;
        caption.Format(kPasteEntityCaptionId, m_strName);
        switch (data.Answerer().Ask(text, caption, MessageButtons::YesNoCancel, MessageIcon::Question)) {
        case MessageAnswer::Cancel: return 0;
        case MessageAnswer::Yes: m_nId = fragment_rules::GetNextEntityId(data); break;
        default: return 1;
        }
    } else {
        unsigned largest = 0;
        for (const CEntity& entity : data.m_arrEntities) largest = std::max(largest, static_cast<unsigned>(entity.m_nId));
        m_nId = static_cast<int>(largest + 1);
    }
    m_nDefaultPlace = 0;
    data.m_arrEntities.push_back(*this);
    return 1;
}
