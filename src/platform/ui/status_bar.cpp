#include "platform/ui/status_bar.h"

#include <algorithm>

#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/tool_bar_ctrl.h"
#include "platform/ui/window_api.h"

namespace {

HFONT BarFont(const CWnd* bar) {
    auto font = reinterpret_cast<HFONT>(bar->GetSafeHwnd() ? bar->SendMessage(WM_GETFONT) : 0);
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

constexpr int kBorder = 2;   // around the panes
constexpr int kGap = 2;      // between panes
constexpr int kPadding = 3;  // between a pane's edge and its text

// The command-update state of one pane.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar* bar = nullptr;
    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        const UINT style = bar->GetPaneStyle(static_cast<int>(m_nIndex));
        const UINT next = on ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED);
        if (next != style) bar->SetPaneStyle(static_cast<int>(m_nIndex), next);
    }
    void SetCheck(int check) override {
        const UINT style = bar->GetPaneStyle(static_cast<int>(m_nIndex));
        const UINT next = check ? (style | SBPS_POPOUT) : (style & ~SBPS_POPOUT);
        if (next != style) bar->SetPaneStyle(static_cast<int>(m_nIndex), next);
    }
    void SetText(LPCTSTR text) override {
        if (bar->GetPaneText(static_cast<int>(m_nIndex)) != CString(text ? text : L""))
            bar->SetPaneText(static_cast<int>(m_nIndex), text);
    }
};

}  // namespace

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
    ON_MESSAGE(WM_GETFONT, &CStatusBar::OnGetFont)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() = default;
CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
    AfxRegisterBarClasses();
    const DWORD windowStyle = TakeBarStyle(dwStyle) | (dwCtrlStyle & 0xFFFF) | WS_CHILD;
    return CWnd::CreateEx(0, STATUSCLASSNAME, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CStatusBar::TextWidth(const CString& text) const {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = dc.SelectObject(BarFont(this));
    const int width = dc.GetTextExtent(text).cx;
    dc.SelectObject(old);
    return width;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane;
        pane.id = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        if (pane.id == ID_SEPARATOR) {
            pane.style = SBPS_NOBORDERS | (i == 0 ? SBPS_STRETCH : 0);
        } else {
            pane.text = LoadResString(pane.id);
            pane.width = TextWidth(pane.text);
        }
        m_panes.push_back(pane);
    }
    if (m_hWnd) Invalidate();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == nIDFind) return static_cast<int>(i);
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].id : 0;
}

std::vector<CRect> CStatusBar::PaneRects() const {
    std::vector<CRect> rects(m_panes.size());
    CRect client;
    if (m_hWnd) GetClientRect(&client);
    const int top = client.top + kBorder, bottom = std::max(top, static_cast<int>(client.bottom) - 1);
    int fixed = 0, stretchy = 0;
    for (const Pane& p : m_panes) {
        if (p.style & SBPS_STRETCH) ++stretchy;
        else fixed += p.width + 2 * kPadding;
    }
    const int total = client.Width() - 2 * kBorder - kGap * std::max(0, GetCount() - 1);
    const int spare = std::max(0, total - fixed);
    int x = client.left + kBorder;
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        const Pane& p = m_panes[i];
        const int width = (p.style & SBPS_STRETCH) ? spare / std::max(1, stretchy) : p.width + 2 * kPadding;
        rects[i] = CRect(x, top, x + width, bottom);
        x += width + kGap;
    }
    return rects;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (!lpRect) return;
    const std::vector<CRect> rects = PaneRects();
    *lpRect = nIndex >= 0 && nIndex < GetCount() ? static_cast<RECT>(rects[static_cast<std::size_t>(nIndex)]) : RECT{0, 0, 0, 0};
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        nID = nStyle = 0;
        cxWidth = 0;
        return;
    }
    const Pane& p = m_panes[static_cast<std::size_t>(nIndex)];
    nID = p.id;
    nStyle = p.style;
    cxWidth = p.width;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    Pane& p = m_panes[static_cast<std::size_t>(nIndex)];
    p.id = nID;
    p.style = nStyle;
    p.width = std::max(0, cxWidth);
    if (m_hWnd) Invalidate();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].style : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    m_panes[static_cast<std::size_t>(nIndex)].style = nStyle;
    if (m_hWnd) Invalidate();
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<std::size_t>(nIndex)].text : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate) {
    if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
    m_panes[static_cast<std::size_t>(nIndex)].text = lpszNewText ? lpszNewText : L"";
    if (m_hWnd && bUpdate) {
        const std::vector<CRect> rects = PaneRects();
        InvalidateRect(&rects[static_cast<std::size_t>(nIndex)]);
        UpdateWindow();
    }
    return TRUE;
}

void CStatusBar::SetMinHeight(int cyMin) { m_minHeight = std::max(0, cyMin); }

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = dc.SelectObject(BarFont(this));
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    const int height = std::max<int>(m_minHeight, tm.tmHeight + 2 * kBorder + 4);
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    size.cy = height;
    return size;
}

void CStatusBar::OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) {
    CStatusCmdUI state;
    state.bar = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        const UINT id = m_panes[static_cast<std::size_t>(i)].id;
        if (id == ID_SEPARATOR) continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = id;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

BOOL CStatusBar::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CStatusBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldFont = dc.SelectObject(BarFont(this));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    const std::vector<CRect> rects = PaneRects();
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        const Pane& p = m_panes[i];
        CRect rc = rects[i];
        if (!(p.style & SBPS_NOBORDERS)) dc.DrawEdge(&rc, (p.style & SBPS_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        if ((p.style & SBPS_DISABLED) || p.text.IsEmpty()) continue;
        CRect text = rc;
        text.DeflateRect(kPadding, 1);
        dc.DrawText(p.text, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.SelectObject(oldFont);
}

void CStatusBar::OnSize(UINT, int, int) { Invalidate(); }

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    if (m_panes.empty()) return FALSE;
    SetPaneText(0, reinterpret_cast<LPCTSTR>(lParam));
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    auto* buffer = reinterpret_cast<LPTSTR>(lParam);
    const int max = static_cast<int>(wParam);
    if (!buffer || max <= 0) return 0;
    const CString text = GetPaneText(0);
    const int n = std::min(max - 1, text.GetLength());
    std::copy_n(text.GetString(), n, buffer);
    buffer[n] = 0;
    return n;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) { return GetPaneText(0).GetLength(); }

LRESULT CStatusBar::OnGetFont(WPARAM, LPARAM) {
    LRESULT font = Default();
    return font ? font : reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
}
