#include "controls/entity_combo_box.h"

#include "controls/app_document.h"
#include "controls/entity_tip.h"
#include "model/schedule_data.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/find_nls_string.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {
// Posted to itself, so that a choice is applied after the notification that made it: the
// list is never rebuilt from inside its own notifications.
constexpr UINT kApplyChoice = WM_APP + 0x318;
constexpr UINT kClosedUp = WM_APP + 0x319;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

}  // namespace

BEGIN_MESSAGE_MAP(CEntityComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(CEntityFilterEdit::kTyped, &CEntityComboBox::OnFilterTyped)
    ON_MESSAGE(kApplyChoice, &CEntityComboBox::OnApplyChoice)
    ON_MESSAGE(kClosedUp, &CEntityComboBox::OnClosedUp)
    ON_CONTROL_REFLECT(CBN_DROPDOWN, &CEntityComboBox::OnDropDown)
    ON_CONTROL_REFLECT(CBN_CLOSEUP, &CEntityComboBox::OnCloseUp)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, &CEntityComboBox::OnSelChange)
END_MESSAGE_MAP()

CEntityComboBox::CEntityComboBox() { ReadColors(); }

void CEntityComboBox::ReadColors() {
    m_background = GetSysColor(COLOR_WINDOW);
    m_highlight = GetSysColor(COLOR_HIGHLIGHT);
    m_text = GetSysColor(COLOR_WINDOWTEXT);
    m_highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_frame = RGB(0, 0, 0);
}

void CEntityComboBox::OnSysColorChange() {
    CComboBox::OnSysColorChange();
    ReadColors();
}

int CEntityComboBox::OnCreate(LPCREATESTRUCT cs) {
    if (CComboBox::OnCreate(cs) == -1) return -1;
    m_filterEdit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), this, kFilterEditId);
    m_images.Create(IDB_ENTITY_TYPES, 16, 1, kMagenta);

    SetUpEntityTip(m_toolTip, this);
    return 0;
}

BOOL CEntityComboBox::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CComboBox::PreTranslateMessage(msg);
}

bool CEntityComboBox::Matches(const CString& name, const CString& filter) {
    if (filter.IsEmpty()) return true;
    // Case is folded and letters compared as the user's language does, so that "ä" finds "Ärzte".
    const DWORD where = filter.GetLength() == 1 ? FIND_STARTSWITH : FIND_FROMSTART;
    return FindNLSString(LOCALE_USER_DEFAULT, where | LINGUISTIC_IGNORECASE, name.GetString(), name.GetLength(),
                         filter.GetString(), filter.GetLength(), nullptr) >= 0;
}

int CEntityComboBox::AddEntry(const CString& text, int image, int entityId, int parentIndex) {
    Entry entry;
    entry.key = static_cast<short>(m_entries.size());
    entry.image = static_cast<unsigned char>(image);
    entry.entityId = entityId;
    int at = static_cast<int>(m_entries.size());
    if (parentIndex >= 0) {
        const Entry& parent = m_entries[parentIndex];
        entry.parentKey = parent.key;
        entry.level = static_cast<unsigned char>(parent.level + 1);
        at = parentIndex + 1;
        while (at < static_cast<int>(m_entries.size()) && m_entries[at].level > parent.level) ++at;
    }
    m_entries.insert(m_entries.begin() + at, entry);
    InsertString(at, text);
    return at;
}

void CEntityComboBox::DeleteEntry(int index) {
    const int level = m_entries[index].level;
    while (index + 1 < static_cast<int>(m_entries.size()) && m_entries[index + 1].level > level) DeleteEntry(index + 1);
    m_entries.erase(m_entries.begin() + index);
    DeleteString(static_cast<UINT>(index));
}

void CEntityComboBox::DeleteAll() {
    while (!m_entries.empty()) DeleteEntry(0);
}

void CEntityComboBox::Filter() {
    CString filter;
    if (m_filterEdit.GetSafeHwnd()) m_filterEdit.GetWindowText(filter);
    SetRedraw(FALSE);
    DeleteAll();
    CScheduleData* data = GetAppDocument();
    struct Group {
        UINT heading;
        bool (*member)(const CEntity&);
    };
    const Group groups[] = {
        {IDS_GROUP_CLASSES, [](const CEntity& e) { return e.m_nType == 0; }},
        {IDS_GROUP_STAFF, [](const CEntity& e) { return (e.m_nType == 1 || e.m_nType == 2) && !e.m_bUnavailable; }},
        {IDS_GROUP_ASSISTANTS, [](const CEntity& e) { return e.m_nType == 3; }},
        {IDS_CONTACTS_EQUIPMENT, [](const CEntity& e) { return e.m_nType == 5; }},
    };
    for (const Group& group : groups) {
        const int heading = AddEntry(LoadResString(group.heading), kHeadingImage, 0, -1);
        if (!data) continue;
        for (const CEntity& entity : data->m_arrEntities)
            if (group.member(entity) && Matches(entity.m_strName, filter))
                AddEntry(entity.m_strName, entity.m_nType, entity.m_nId, heading);
    }
    SetRedraw(TRUE);
    Invalidate();
    if (m_filterEdit.GetSafeHwnd() && m_filterEdit.IsWindowVisible()) m_filterEdit.SetFocus();
}

void CEntityComboBox::Reset(int entityId) {
    DeleteAll();
    const int empty = AddEntry(L"", kEmptyImage, 0, -1);
    if (CScheduleData* data = GetAppDocument()) {
        auto entity = entityId ? data->FindEntity(entityId) : data->m_arrEntities.end();
        if (entity == data->m_arrEntities.end()) entity = data->FindCurrentEntity();
        if (entity != data->m_arrEntities.end()) AddEntry(entity->m_strName, entity->m_nType, entity->m_nId, empty);
    }
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].entityId != entityId) continue;
        SetCurSel(static_cast<int>(i));
        m_rememberedId = entityId;
        if (CWnd* main = AfxGetMainWnd()) main->SetFocus();
        return;
    }
}

void CEntityComboBox::OnDocumentUpdate(int kind) {
    if (kind == 0) return;
    if (kind == 1 || m_entries.empty()) {
        Filter();
        m_rememberedId = 0;
    }
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto current = data->FindCurrentEntity();
    if (current != data->m_arrEntities.end()) Reset(current->m_nId);
}

LRESULT CEntityComboBox::OnFilterTyped(WPARAM, LPARAM) {
    Filter();
    return 0;
}

void CEntityComboBox::OnDropDown() {
    CRect client;
    GetClientRect(&client);
    m_filterEdit.MoveWindow(2, 2, client.Width() - 22, client.Height() - 2);
    m_filterEdit.SetWindowText(L"");
    m_filterEdit.ShowWindow(SW_SHOW);
    m_filterEdit.SetFont(GetFont());
    Filter();
}

int CEntityComboBox::ChosenEntity() {
    const int selected = GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(m_entries.size()) || !m_entries[selected].entityId)
        return m_rememberedId;
    const int id = m_entries[selected].entityId;
    CScheduleData* data = GetAppDocument();
    if (data && data->FindEntity(id) != data->m_arrEntities.end()) m_rememberedId = id;
    return id;
}

void CEntityComboBox::ApplyChoice() {
    const int selected = GetCurSel();
    if (selected < 0 || selected >= static_cast<int>(m_entries.size())) return;
    const int id = m_entries[selected].entityId;
    CScheduleData* data = GetAppDocument();
    if (!data || !id) return;
    const auto entity = data->FindEntity(id);
    if (entity == data->m_arrEntities.end()) return;
    const CString name = entity->m_strName;
    m_rememberedId = id;
    if (m_filterEdit.GetSafeHwnd()) m_filterEdit.SetWindowText(name);
    data->SetCurrentEntity(id);
}

void CEntityComboBox::OnCloseUp() { PostMessage(kClosedUp); }

LRESULT CEntityComboBox::OnClosedUp(WPARAM, LPARAM) {
    // The choice made in the open list is applied here, once, after the list has closed.
    ApplyChoice();
    m_filterEdit.SetWindowText(L"");
    m_filterEdit.MoveWindow(0, 0, 0, 0);
    m_filterEdit.ShowWindow(SW_HIDE);
    Reset(ChosenEntity());
    Invalidate();
    return 0;
}

void CEntityComboBox::OnSelChange() {
    // Moving through the open list only moves the selection; a change while the list is
    // closed is applied after this notification, so the list is never rebuilt inside it.
    if (!GetDroppedState()) PostMessage(kApplyChoice);
}

LRESULT CEntityComboBox::OnApplyChoice(WPARAM, LPARAM) {
    ApplyChoice();
    return 0;
}

void CEntityComboBox::MeasureItem(LPMEASUREITEMSTRUCT mis) { mis->itemHeight = mis->itemID == static_cast<UINT>(-1) ? 16 : 18; }

void CEntityComboBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    const int index = static_cast<int>(dis->itemID);
    if (index < 0 || index >= static_cast<int>(m_entries.size())) return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    const Entry& entry = m_entries[index];
    CRect r = dis->rcItem;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    COLORREF textColour = m_text;
    if (!IsWindowEnabled()) {
        dc->FillSolidRect(&r, RGB(192, 192, 192));
        textColour = GetSysColor(COLOR_WINDOWTEXT);
    } else if (dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        dc->FillSolidRect(&r, m_background);
        textColour = selected ? m_highlightText : m_text;
    }
    if (entry.level == 0) {
        CRect bar(r.left, r.top, r.right + 1, r.bottom);
        dc->FillSolidRect(&bar, GetSysColor(COLOR_BTNFACE));
        dc->Draw3dRect(&bar, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
    if (m_images.GetSafeHandle() && m_images.GetImageCount() > 0)
        m_images.Draw(dc, entry.image, CPoint(r.left + 2, r.top), ILD_TRANSPARENT);
    if (selected && entry.level > 0) {
        CRect mark(r.left + 18, r.top, r.right, r.bottom);
        dc->FillSolidRect(&mark, m_highlight);
        CBrush frame(m_frame);
        dc->FrameRect(&mark, &frame);
    }
    CString text;
    GetLBText(index, text);
    CRect textRect(r.left + 20, r.top, r.right, r.bottom);
    dc->SetBkMode(TRANSPARENT);
    if (entry.level == 0 && entry.entityId == 0 && entry.image == kHeadingImage) {
        dc->SetTextColor(RGB(0, 0, 128));
        dc->DrawText(text, &textRect, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    } else {
        dc->SetTextColor(textColour);
        dc->DrawText(text, &textRect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

BOOL CEntityComboBox::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (nm->hdr.code != HTTN_NEEDTEXT) return CComboBox::OnNotify(wParam, lParam, result);
    *result = 0;
    CScheduleData* data = GetAppDocument();
    if (!nm->pToolInfo || !data || GetDroppedState()) return TRUE;
    const auto current = data->FindCurrentEntity();
    if (current == data->m_arrEntities.end() || current->m_bUnavailable) return TRUE;
    nm->pToolInfo->m_text = current->BuildInfoTip(*data);
    return TRUE;
}
