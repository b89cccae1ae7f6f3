#include "frame/wnd_explorer_bar.h"

#include <algorithm>

#include "controls/icon_menu.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/menu.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/tool_bar.h"
#include "platform/ui/tool_bar_ctrl.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
constexpr int kMargin = 10;
}  // namespace

COLORREF TintColour(double x, COLORREF colour) {
    if (!(x > 0.0 && x <= 1.0)) return colour;
    auto channel = [x](int c) { return static_cast<int>(c + x * (255 - c)); };
    return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

BEGIN_MESSAGE_MAP(CWndExplorerBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWndExplorerBar::CWndExplorerBar() {
    m_imlImages.Create(1, 1, ILC_COLOR32 | ILC_MASK, 0, 1);
    m_hHand = ::LoadCursor(nullptr, IDC_HAND);
}

CWndExplorerBar::~CWndExplorerBar() = default;

BOOL CWndExplorerBar::Create(const RECT& rect, CWnd* parent, UINT id) {
    const LPCTSTR cls = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    if (!CWnd::Create(cls, nullptr, WS_CHILD | WS_VISIBLE, rect, parent, id)) return FALSE;
    m_wndToolTip.Create(this, TRUE);
    m_wndToolTip.m_notifyWindow = m_hWnd;
    CBitmap strip;
    if (strip.LoadBitmap(IDB_EXPLORER_TIPS))
        m_wndToolTip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), 12, kMagenta);
    CHtmlToolInfo tool;
    tool.m_rect = CRect(0, 0, 5000, 5000);
    tool.m_overrideMask = HTTO_STYLE;
    tool.m_styleBits = HTTS_SHOW_AGAIN;
    m_wndToolTip.AddToolInfo(m_hWnd, tool);
    m_wndToolTip.m_startColor = RGB(255, 255, 255);
    m_wndToolTip.m_middleColor = RGB(240, 247, 255);
    m_wndToolTip.m_endColor = RGB(192, 192, 208);
    LOGFONT log{};
    CFont::FromHandle(static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT)))->GetLogFont(&log);
    m_fontText.CreateFontIndirect(&log);
    log.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&log);
    SetTimer(kStateTimer, 500, nullptr);
    return TRUE;
}

void CWndExplorerBar::OnDestroy() {
    KillTimer(kStateTimer);
    if (m_wndToolTip.GetSafeHwnd()) {
        m_wndToolTip.Pop();
        m_wndToolTip.DestroyWindow();
    }
    CWnd::OnDestroy();
}

BOOL CWndExplorerBar::PreTranslateMessage(MSG* pMsg) {
    if (m_wndToolTip.GetSafeHwnd()) m_wndToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

CFont& CWndExplorerBar::BoldFont() { return m_fontBold; }

// Building --------------------------------------------------------------------------------------

BOOL CWndExplorerBar::BuildFromMenu(UINT menuId) {
    ++m_nBuilds;
    m_arrGroups.clear();
    m_pHotItem = nullptr;
    m_pHotGroup = nullptr;
    CMenu menu;
    if (!menu.LoadMenu(menuId)) {
        if (GetSafeHwnd()) Invalidate();
        return FALSE;
    }
    m_nMenuId = menuId;
    for (int p = 0; CMenu* popup = menu.GetSubMenu(p); ++p) {
        auto group = std::make_unique<CExplorerBarGroup>();
        menu.GetMenuString(static_cast<UINT>(p), group->m_strTitle, MF_BYPOSITION);
        for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
            CString text;
            popup->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            if (text.IsEmpty()) break;  // a separator ends the group
            auto item = std::make_unique<CExplorerBarItem>();
            item->m_strText = text;
            item->m_nCommand = static_cast<int>(popup->GetMenuItemID(i));
            item->m_strTip = LoadResString(static_cast<UINT>(item->m_nCommand));
            group->m_arrItems.push_back(std::move(item));
        }
        m_arrGroups.push_back(std::move(group));
    }
    menu.DestroyMenu();
    UpdateItemStates();
    if (GetSafeHwnd()) Invalidate();
    return TRUE;
}

BOOL CWndExplorerBar::SetImagesFromToolBar(UINT toolBarId) {
    CToolBar bar;
    if (!bar.Create(this, WS_CHILD, 42) || !bar.LoadToolBar(toolBarId)) {
        if (bar.GetSafeHwnd()) bar.DestroyWindow();
        return FALSE;
    }
    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();
    if (CImageList* images = ctrl.GetImageList()) {
        m_imlImages.DeleteImageList();
        m_imlImages.Create(images);
    }
    for (auto& group : m_arrGroups)
        for (auto& item : group->m_arrItems)
            item->SetImageFromToolBar(static_cast<int>(ctrl.SendMessage(TB_GETBITMAP, static_cast<WPARAM>(item->m_nCommand), 0)));
    bar.DestroyWindow();
    if (GetSafeHwnd()) Invalidate();
    return TRUE;
}

BOOL CWndExplorerBar::SetStyle(int style) {
    m_nStyle = style;
    for (auto& group : m_arrGroups) {
        if (style == 2 && group->m_bCollapsed) group->m_bCollapsed = 0;
        group->m_bMeasure = 1;
    }
    if (GetSafeHwnd()) Invalidate();
    return TRUE;
}

BOOL CWndExplorerBar::UpdateItemStates() {
    CWnd* main = AfxGetMainWnd();
    if (!main) return FALSE;
    BOOL changed = FALSE;
    const int builds = m_nBuilds;
    for (auto& group : m_arrGroups)
        for (auto& item : group->m_arrItems) {
            const BOOL on = CCmdUIState::IsEnabled(main, static_cast<UINT>(item->m_nCommand));
            // Routing the update can make the frame rebuild the bar for a newly selected page:
            // the items walked here are gone then, and the new ones are asked next time.
            if (m_nBuilds != builds) return TRUE;
            if (item->SetEnabled(on)) {
                changed = TRUE;
                if (!on && m_pHotItem == item.get()) {
                    item->OnMouseLeave(0, 0, 0, 0);
                    m_pHotItem = nullptr;
                }
            }
        }
    return changed;
}

void CWndExplorerBar::OnTimer(UINT_PTR id) {
    if (id == kStateTimer && UpdateItemStates()) Invalidate();
}

// Layout and painting ---------------------------------------------------------------------------

int CWndExplorerBar::TitleHeight() const { return GetSystemMetrics(SM_CYCAPTION) + 2; }

void CWndExplorerBar::MeasureGroup(CExplorerBarGroup& group) {
    if (!group.m_bMeasure) return;
    int height = TitleHeight();
    if (!group.m_bCollapsed)
        for (auto& item : group.m_arrItems) height += item->GetHeight();
    group.m_nHeight = height;
    group.m_bMeasure = 0;
}

void CWndExplorerBar::Layout(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    const int left = kMargin, right = client.Width() - kMargin, cy = GetSystemMetrics(SM_CYCAPTION);
    int top = kMargin;
    CFont* old = dc.SelectObject(&m_fontText);
    for (auto& group : m_arrGroups) {
        MeasureGroup(*group);
        const int h = TitleHeight();
        group->m_rcButton = m_nStyle == 2 ? CRect() : CRect(left, top + 2, right - 5, top + cy);
        int y = top + h;
        for (auto& item : group->m_arrItems) {
            const int rowHeight = item->GetHeight();
            CRect row(left + 1, y, right - 1, y + rowHeight);
            int textLeft = m_nStyle == 2 ? row.left + 20 : row.left + kMargin + (item->m_nImage >= 0 ? 20 : 0);
            CRect text(textLeft, row.top, m_nStyle == 2 ? row.right : row.right - kMargin, row.bottom);
            const int textRight = text.right;
            dc.DrawText(item->m_strText, &text, kTextFormat | DT_CALCRECT);
            text.right = std::min(static_cast<int>(text.right), textRight);  // longer texts end with an ellipsis
            text.top = row.top;
            text.bottom = row.bottom;
            if (m_nStyle != 2 && item->m_nImage >= 0) text.left -= 20;
            item->m_rect = group->m_bCollapsed ? CRect() : text;
            if (!group->m_bCollapsed) y += rowHeight;
        }
        top += group->m_nHeight + kMargin;
    }
    dc.SelectObject(old);
}

void CWndExplorerBar::DrawChevrons(CDC& dc, const CRect& button, bool up, COLORREF colour) {
    CPen pen(PS_SOLID, 1, colour);
    CPen* old = dc.SelectObject(&pen);
    const int cx = button.CenterPoint().x, cy = button.CenterPoint().y;
    for (int apex : {0, 3}) {
        const int y = up ? cy - apex : cy + apex;
        const int dy = up ? 4 : -4;
        dc.MoveTo(cx - 4, y + dy);
        dc.LineTo(cx, y);
        dc.LineTo(cx + 5, y + dy + (up ? 1 : -1));
    }
    dc.SelectObject(old);
}

void CWndExplorerBar::DrawItem(CDC& dc, CExplorerBarItem& item, const CRect& row, COLORREF back) {
    const bool hot = (item.m_nFlags & CExplorerBarItem::kHot) != 0;
    const bool disabled = (item.m_nFlags & CExplorerBarItem::kDisabled) != 0;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF colour = m_nStyle == 2 ? TintColour(0.15, highlight) : hot ? highlight : TintColour(0.15, highlight);
    if (disabled) colour = GetSysColor(COLOR_GRAYTEXT);
    dc.SetTextColor(colour);
    dc.SetBkMode(TRANSPARENT);
    CRect text = item.m_rect;
    if (m_nStyle != 2 && item.m_nImage >= 0) text.left += 20;
    dc.DrawText(item.m_strText, &text, kTextFormat);
    if (hot && !disabled) dc.FillSolidRect(CRect(text.left, text.bottom - 4, text.right, text.bottom - 3), colour);
    if (item.m_nImage >= 0) {
        const int x = m_nStyle == 2 ? row.left : text.left - 20;
        m_imlImages.SetBkColor(back);
        m_imlImages.Draw(&dc, item.m_nImage, CPoint(x, row.top + (row.Height() - 16) / 2),
                         hot && m_nStyle != 2 ? ILD_SELECTED : ILD_TRANSPARENT);
    }
}

void CWndExplorerBar::DrawGroup(CDC& dc, CExplorerBarGroup& group) {
    const int h = TitleHeight();
    const CRect title(group.m_rcButton.left, group.m_rcButton.top - 2, group.m_rcButton.right + 5, group.m_rcButton.top - 2 + h);
    CRect client;
    GetClientRect(&client);
    const int left = kMargin, right = client.Width() - kMargin, cy = GetSystemMetrics(SM_CYCAPTION);
    const int top = m_nStyle == 2 ? (group.m_arrItems.empty() ? 0 : group.m_arrItems.front()->m_rect.top - h) : title.top;
    const CRect titleRect(left, top, right, top + h);
    const CRect body(left, titleRect.bottom - 1, right, top + group.m_nHeight);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const bool hot = (group.m_nFlags & CExplorerBarGroup::kHot) != 0;
    COLORREF back = GetSysColor(COLOR_WINDOW);
    CFont* oldFont = dc.SelectObject(&m_fontBold);
    dc.SetBkMode(TRANSPARENT);
    CRect text = titleRect;
    if (m_nStyle == 2) {
        dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        dc.DrawText(group.m_strTitle, &text, kTextFormat);
        dc.FillSolidRect(CRect(left, titleRect.bottom - 1, right, titleRect.bottom), GetSysColor(COLOR_BTNFACE));
    } else {
        const CRect button(right - cy - 3, top + 2, right - 5, top + cy);
        const bool classic = m_nStyle == 3;
        if (classic) {
            dc.FillSolidRect(&titleRect, GetSysColor(COLOR_BTNFACE));
            dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
            text.DeflateRect(5, 0);
            if (hot) dc.Draw3dRect(&button, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
            DrawChevrons(dc, button, !group.m_bCollapsed, GetSysColor(COLOR_BTNTEXT));
            CBrush border(GetSysColor(COLOR_BTNFACE));
            if (!group.m_bCollapsed) {
                dc.FillSolidRect(&body, back);
                dc.FrameRect(&body, &border);
            }
        } else {
            // The coloured look: a title with rounded top corners over a tinted body.
            CBrush fill(highlight);
            CPen none(PS_NULL, 0, 0);
            CBrush* oldBrush = dc.SelectObject(&fill);
            CPen* oldPen = dc.SelectObject(&none);
            dc.RoundRect(titleRect.left, titleRect.top, titleRect.right + 1, titleRect.bottom + 10, 10, 10);
            dc.SelectObject(oldBrush);
            dc.SelectObject(oldPen);
            back = TintColour(0.85, highlight);
            if (!group.m_bCollapsed) {
                dc.FillSolidRect(&body, back);
                CBrush border(highlight);
                dc.FrameRect(&body, &border);
            } else {
                dc.FillSolidRect(CRect(titleRect.left, titleRect.bottom, titleRect.right, titleRect.bottom + 10),
                                 GetSysColor(COLOR_WINDOW));
            }
            dc.SetTextColor(hot ? TintColour(0.85, highlight) : GetSysColor(COLOR_HIGHLIGHTTEXT));
            text.left += 15;
            text.right -= 5;
            const CRect ring(right - cy + 1, top + 4, right - 5, top + cy - 2);
            CPen ringPen(PS_SOLID, 1, TintColour(0.85, highlight));
            CBrush* hollow = dc.SelectObject(CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH))));
            oldPen = dc.SelectObject(&ringPen);
            dc.Ellipse(ring.left, ring.top, ring.right, ring.bottom);
            dc.SelectObject(oldPen);
            dc.SelectObject(hollow);
            DrawChevrons(dc, ring, !group.m_bCollapsed, hot ? TintColour(0.85, highlight) : GetSysColor(COLOR_HIGHLIGHTTEXT));
        }
        dc.DrawText(group.m_strTitle, &text, kTextFormat);
    }
    dc.SelectObject(&m_fontText);
    if (!group.m_bCollapsed)
        for (auto& item : group.m_arrItems) {
            const CRect row(left + 1, item->m_rect.top, right - 1, item->m_rect.bottom);
            DrawItem(dc, *item, row, back);
        }
    dc.SelectObject(oldFont);
}

void CWndExplorerBar::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC dc;
    dc.CreateCompatibleDC(&paint);
    CBitmap buffer;
    buffer.CreateCompatibleBitmap(&paint, std::max(1, client.Width()), std::max(1, client.Height()));
    CBitmap* old = dc.SelectObject(&buffer);
    UpdateItemStates();
    // Visual styles are not available here, so the themed look draws as the coloured one.
    dc.FillSolidRect(&client, m_nStyle == 2 || m_nStyle == 3 ? GetSysColor(COLOR_WINDOW)
                                                             : TintColour(0.4, GetSysColor(COLOR_HIGHLIGHT)));
    Layout(dc);
    for (auto& group : m_arrGroups) DrawGroup(dc, *group);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    dc.SelectObject(old);
}

// Mouse ------------------------------------------------------------------------------------------

void CWndExplorerBar::OnMouseMove(UINT, CPoint point) {
    CExplorerBarGroup* candidateGroup = nullptr;
    CExplorerBarItem* candidateItem = nullptr;
    for (auto& group : m_arrGroups) {
        if (m_nStyle != 2 && group->m_rcButton.PtInRect(point)) {
            candidateGroup = group.get();
            break;
        }
        if (group->m_bCollapsed) continue;
        for (auto& item : group->m_arrItems)
            if (item->HitTest(point.x, point.y)) {
                candidateItem = item.get();
                break;
            }
        if (candidateItem) break;
    }
    if (candidateGroup != m_pHotGroup) {
        if (m_pHotGroup) m_pHotGroup->m_nFlags &= ~CExplorerBarGroup::kHot;
        m_pHotGroup = candidateGroup;
        if (m_pHotGroup) m_pHotGroup->m_nFlags |= CExplorerBarGroup::kHot;
        Invalidate();
    } else if (candidateItem != m_pHotItem) {
        if (m_pHotItem) m_pHotItem->OnMouseLeave(point.x, point.y, 0, 0);
        m_pHotItem = candidateItem;
        if (m_pHotItem) m_pHotItem->OnMouseEnter(point.x, point.y, 0, 0);
        Invalidate();
    }
}

BOOL CWndExplorerBar::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_pHotItem) {
        ::SetCursor(m_pHotItem->GetCursor());
        return TRUE;
    }
    if (m_pHotGroup && hitTest == HTCLIENT) {
        ::SetCursor(m_hHand);
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CWndExplorerBar::OnLButtonDown(UINT flags, CPoint point) {
    if (m_pHotGroup) {
        m_pHotGroup->m_bCollapsed = !m_pHotGroup->m_bCollapsed;
        m_pHotGroup->m_bMeasure = 1;
        Invalidate();
    } else if (m_pHotItem) {
        m_pHotItem->OnButtonDown(point.x, point.y, flags, 0);
    }
}

void CWndExplorerBar::OnLButtonUp(UINT flags, CPoint point) {
    if (m_pHotItem) m_pHotItem->OnClick(point.x, point.y, flags, 0);
}

void CWndExplorerBar::OnRButtonDown(UINT, CPoint point) {
    if (!m_nMenuId) return;
    CPoint screen = point;
    ClientToScreen(&screen);
    ShowMenu(screen);
}

// The bar's commands as one menu, a separator between the groups.
void CWndExplorerBar::ShowMenu(CPoint screen) {
    CIconMenu menu;
    menu.CreatePopupMenu();
    CString previous;
    bool first = true;
    for (const auto& group : m_arrGroups)
        for (const auto& item : group->m_arrItems) {
            if (!first && group->m_strTitle != previous) menu.AppendMenu(MF_SEPARATOR);
            menu.AppendMenu(MF_STRING, static_cast<UINT_PTR>(item->m_nCommand), item->m_strText);
            previous = group->m_strTitle;
            first = false;
        }
    menu.LoadToolBarImages(m_nMenuId);
    menu.ConvertToOwnerDraw(&menu);
    CWnd* main = AfxGetMainWnd();
    // Commands whose update handler disables them are shown grey and cannot be chosen.
    if (main) menu.UpdateCommandUI(&menu, main);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, main ? main : this);
}

// Tooltip ----------------------------------------------------------------------------------------

CString CWndExplorerBar::BuildTipText(const CExplorerBarItem& item) const {
    CString tip = item.m_strTip;
    CString html;
    if (tip.Find(L'#') < 0) {
        html.Format(L"<h1>%s </h1><ilst index=0 width=16 height=16>", tip.GetString());
        return html;
    }
    tip.Trim(L"#");
    html.Format(L"<h1>%s </h1><ilst index=0 width=16 height=16>", tip.GetString());
    auto s = [](UINT id) { return LoadResString(id); };
    html += L"<br><br><table align=right><tr><td colspan=2>" + s(60946) + L"</td>" +
            L"</tr><tr><td colspan=2><hr color=blue></td></tr><tr><td><ilst index=1 width=16 height=16>" + L"</td><td>" +
            s(60947) + L"</td></tr><tr><td><ilst index=2 width=16 height=16></td><td>" + s(60536) + L"</td>" +
            L"</tr><tr><td><ilst index=3 width=16 height=16></td><td>" + s(60948) + L"</td></tr><tr><td>" +
            L"<ilst index=4 width=16 height=16></td><td>" + s(60949) + L"</td></tr><tr><td><ilst index=5 width=16 height=16>" +
            L"</td><td>" + s(60950) + L"</td></tr><tr><td><ilst index=6 width=16 height=16></td>" + L"<td>" + s(60951) +
            L"</td></tr><tr><td><ilst index=7 width=16 height=16></td><td>" + s(60952) +
            L"</td></tr><tr><td><ilst index=8 width=16 height=16></td><td>" + s(60953) + L"</td></tr>" +
            L"<tr><td colspan=2><br>" + s(60954) + L"</td></tr><tr><td colspan=2><hr color=blue></td></tr>" +
            L"<tr><td><ilst index=9 width=16 height=16></td><td>" + s(60955) + L"</td></tr>" +
            L"<tr><td><ilst index=10 width=16 height=16></td><td>" + s(60956) + L"</td></tr>" +
            L"<tr><td><ilst index=11 width=16 height=16></td><td>" + s(60957) + L"</td></tr></table>";
    return html;
}

BOOL CWndExplorerBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    *result = 0;
    nm->pToolInfo->m_text.Empty();
    if (!m_pHotItem) return TRUE;
    nm->pToolInfo->m_transparency = 10;
    nm->pToolInfo->m_text = BuildTipText(*m_pHotItem);
    return TRUE;
}
