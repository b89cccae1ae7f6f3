#include "controls/vertical_tab_ctrl.h"

#include <algorithm>
#include <utility>

#include "controls/icon_menu.h"
#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/gdi_object.h"
#include "resource_ids.h"

IMPLEMENT_DYNAMIC(CMyVerticalTabCtrl, CWnd)

namespace {
// The menu's commands and the keys they choose, with the captions' strings.
struct MenuEntry {
    UINT text;
    UINT command;
    int key;
};
constexpr MenuEntry kMenu[] = {
    {IDS_CONTACTS_CLASSES, ID_CONTACTS_SHOW_CLASSES, 0},     {IDS_CONTACTS_STAFF, ID_CONTACTS_SHOW_STAFF, 1},
    {IDS_CONTACTS_ASSISTANTS, ID_CONTACTS_SHOW_ASSISTANTS, 2}, {IDS_CONTACTS_ROOMS, ID_CONTACTS_SHOW_ROOMS, 3},
    {IDS_CONTACTS_EQUIPMENT, ID_CONTACTS_SHOW_EQUIPMENT, 4},   {IDS_CONTACTS_CHIME_SETS, ID_CONTACTS_SHOW_CHIME_SETS, 5},
};
int KeyOfCommand(UINT command) {
    for (const auto& entry : kMenu)
        if (entry.command == command) return entry.key;
    return -1;
}
}  // namespace

BEGIN_MESSAGE_MAP(CMyVerticalTabCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND_RANGE(ID_CONTACTS_SHOW_CLASSES, ID_CONTACTS_SHOW_CHIME_SETS, &CMyVerticalTabCtrl::OnShowKey)
    ON_UPDATE_COMMAND_UI_RANGE(ID_CONTACTS_SHOW_CLASSES, ID_CONTACTS_SHOW_CHIME_SETS, &CMyVerticalTabCtrl::OnUpdateShowKey)
END_MESSAGE_MAP()

CMyVerticalTabCtrl::CMyVerticalTabCtrl(CImageList* images) : m_images(images) {}

int CMyVerticalTabCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_font.CreateFont(22, 0, 900, 900, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      5, 0x20, L"Tahoma");
    return 0;
}

void CMyVerticalTabCtrl::AddTab(const CString& caption, int image, COLORREF fill, COLORREF border) {
    Tab tab;
    tab.caption = caption;
    tab.image = image;
    tab.fill = fill;
    tab.border = border;
    tab.key = static_cast<int>(m_tabs.size());
    m_tabs.push_back(tab);
}

std::vector<int> CMyVerticalTabCtrl::GetKeys() const {
    std::vector<int> keys;
    for (const Tab& tab : m_tabs) keys.push_back(tab.key);
    return keys;
}

void CMyVerticalTabCtrl::SelectTabByKey(int key) {
    for (size_t i = m_tabs.size(); i-- > 0;) {
        if (m_tabs[i].key != key) continue;
        std::swap(m_tabs[i], m_tabs[0]);
        break;
    }
    if (m_hWnd) Invalidate();
}

void CMyVerticalTabCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&m_font);
    int total = 0;
    for (Tab& tab : m_tabs) {
        CRect measure(0, 0, 0, 0);
        dc.DrawText(tab.caption, &measure, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        tab.length = measure.Width() + 40;
        total += tab.length;
    }
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNSHADOW));
    const COLORREF firstBorder = m_tabs.empty() ? 0 : m_tabs.front().border;
    int bottom = total;
    for (size_t i = m_tabs.size(); i-- > 0;) {
        Tab& tab = m_tabs[i];
        CPen pen(PS_SOLID, 5, i == 0 ? tab.border : tab.fill);
        CBrush brush(tab.fill);
        CPen* oldPen = dc.SelectObject(&pen);
        CBrush* oldBrush = dc.SelectObject(&brush);
        dc.RoundRect(client.left, -100, client.right, bottom, client.Width(), client.Width());
        dc.SelectObject(oldBrush);
        CPen line(PS_SOLID, 5, firstBorder);
        dc.SelectObject(&line);
        dc.MoveTo(client.left, 2);
        dc.LineTo(client.right - 1, 2);
        dc.SelectObject(oldPen);
        if (m_images) m_images->Draw(&dc, tab.image, CPoint(client.left + 7, bottom - 20), ILD_TRANSPARENT);
        CRect text(client.left, bottom - tab.length, client.right, bottom);
        dc.SetTextColor(i == 0 ? RGB(0, 0, 0) : RGB(128, 128, 128));
        dc.DrawText(tab.caption, &text, DT_SINGLELINE | DT_BOTTOM);
        tab.rect = text;
        bottom -= tab.length;
    }
    dc.SelectObject(oldFont);
}

void CMyVerticalTabCtrl::NotifyParent() {
    if (CWnd* parent = GetParent(); parent && !m_tabs.empty())
        parent->PostMessage(kSelected, static_cast<WPARAM>(m_tabs.front().key), 0);
}

void CMyVerticalTabCtrl::OnLButtonDown(UINT flags, CPoint point) {
    int hit = -1;
    for (size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i].rect.PtInRect(point)) hit = static_cast<int>(i);
    if (hit > 0) {
        std::swap(m_tabs[hit], m_tabs[0]);
        std::sort(m_tabs.begin() + 1, m_tabs.end(), [](const Tab& a, const Tab& b) { return a.key < b.key; });
        Invalidate();
        NotifyParent();
    }
    CWnd::OnLButtonDown(flags, point);
}

void CMyVerticalTabCtrl::OnRButtonDown(UINT, CPoint point) {
    CIconMenu menu;
    menu.CreatePopupMenu();
    for (const auto& entry : kMenu) {
        CString text;
        text.LoadString(entry.text);
        menu.AppendMenu(MF_STRING | MF_CHECKED, entry.command, text);
    }
    menu.LoadToolBarImages(IDR_VERTICAL_TAB_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_LEFTALIGN, point.x, point.y, this);
}

void CMyVerticalTabCtrl::OnShowKey(UINT id) {
    SelectTabByKey(KeyOfCommand(id));
    NotifyParent();
}

void CMyVerticalTabCtrl::OnUpdateShowKey(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(!m_tabs.empty() && m_tabs.front().key == KeyOfCommand(cmdUI->m_nID));
}
