#include "model/clipboard_fragments.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"

namespace {

constexpr UINT kPasteEntityCaptionId = 60416;
constexpr UINT kPasteEntityExistsId = 60417;

}  // namespace

bool CEntity::ReadXmlKey(const CXmlDocument& xml, CEntity& key) {
    const int pos = xml.GetMainPos();
    int id = 0;
    int type = 0;
    if (!ReadFragmentNumbers(xml.GetAttributeAt(pos, L"ID"), L"", 1, &id) ||
        !ReadFragmentNumbers(xml.GetAttributeAt(pos, L"TYPE"), L"", 1, &type))
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
        case MessageAnswer::Yes: break;
        default: return 1;
        }
    }
    // The largest id plus one, like every new record; a store whose ids run to the top of the
    // range gets a free id instead of a wrapped-around 0.
    m_nId = data.GetNextEntityId();
    m_nDefaultPlace = 0;
    data.m_arrEntities.push_back(*this);
    return 1;
}
