// The rebar control's window procedure and the CReBarCtrl/CReBar wrappers.
#include "platform/ui/re_bar.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/colors.h"
#include "platform/ui/bar_procs.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/tool_bar_ctrl.h"
#include "platform/ui/window_api.h"

namespace {

constexpr int kGripper = 8;     // width of a band's gripper
constexpr int kBandPad = 2;     // above and below a band's child
constexpr int kBorderLine = 2;  // between rows with RBS_BANDBORDERS

struct Band {
    UINT style = 0;
    std::wstring text;
    HWND child = nullptr;
    UINT cxMinChild = 0, cyMinChild = 0, cx = 0, id = 0, cyChild = 0, cyMaxChild = 0, cyIntegral = 0, cxIdeal = 0;
    UINT cxHeader = 0;
    LPARAM lParam = 0;
    COLORREF fore = CLR_DEFAULT_REBAR, back = CLR_DEFAULT_REBAR;
    CRect rect;  // laid out
    static constexpr COLORREF CLR_DEFAULT_REBAR = 0xFF000000;
};

struct ReBarState {
    std::vector<Band> bands;
    int height = 0;
    HWND notify = nullptr;
};

std::map<HWND, std::unique_ptr<ReBarState>>& States() {
    static auto* states = new std::map<HWND, std::unique_ptr<ReBarState>>;
    return *states;
}

ReBarState& StateOf(HWND h) {
    auto& states = States();
    auto it = states.find(h);
    if (it != states.end()) return *it->second;
    for (auto s = states.begin(); s != states.end();) s = IsWindow(s->first) ? std::next(s) : states.erase(s);
    auto state = std::make_unique<ReBarState>();
    state->notify = GetParent(h);
    return *states.emplace(h, std::move(state)).first->second;
}

bool HasGripper(HWND h, const ReBarState& s, const Band& b) {
    if (b.style & RBBS_NOGRIPPER) return false;
    if (b.style & RBBS_GRIPPERALWAYS) return true;
    (void)h;
    return s.bands.size() > 1 && !(b.style & RBBS_FIXEDSIZE);
}

int HeaderWidth(HWND h, const ReBarState& s, const Band& b) {
    if (b.cxHeader) return static_cast<int>(b.cxHeader);
    int width = HasGripper(h, s, b) ? kGripper : 2;
    if (!b.text.empty()) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        HGDIOBJ old = dc.SelectObject(GetStockObject(DEFAULT_GUI_FONT));
        width += dc.GetTextExtent(b.text.c_str(), static_cast<int>(b.text.size())).cx + 4;
        dc.SelectObject(old);
    }
    return width;
}

int BandHeight(const Band& b) {
    const UINT child = (b.style & RBBS_VARIABLEHEIGHT) && b.cyChild ? b.cyChild : b.cyMinChild;
    return static_cast<int>(child) + 2 * kBandPad;
}

// Rows of bands across the client width; each band's rectangle and its child's place.
void Layout(HWND h, ReBarState& s) {
    CRect client;
    GetClientRect(h, &client);
    const bool borders = (GetWindowLong(h, GWL_STYLE) & RBS_BANDBORDERS) != 0;
    std::vector<std::vector<std::size_t>> rows;
    for (std::size_t i = 0; i < s.bands.size(); ++i) {
        if (s.bands[i].style & RBBS_HIDDEN) continue;
        if (rows.empty() || (s.bands[i].style & RBBS_BREAK)) rows.emplace_back();
        rows.back().push_back(i);
    }
    int y = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0 && borders) y += kBorderLine;
        int rowHeight = 0;
        for (std::size_t i : rows[r]) rowHeight = std::max(rowHeight, BandHeight(s.bands[i]));
        int x = 0;
        for (std::size_t k = 0; k < rows[r].size(); ++k) {
            Band& b = s.bands[rows[r][k]];
            const int header = HeaderWidth(h, s, b);
            const int wanted = header + static_cast<int>(b.cx ? std::max(b.cx, b.cxMinChild) : b.cxMinChild) + kBandPad;
            const bool last = k + 1 == rows[r].size();
            const int right = last ? std::max(x + wanted, static_cast<int>(client.right)) : x + wanted;
            b.rect = CRect(x, y, right, y + rowHeight);
            if (IsWindow(b.child)) {
                const int childHeight = std::min(rowHeight - 2 * kBandPad, BandHeight(b) - 2 * kBandPad);
                const int childTop = y + (rowHeight - childHeight) / 2;
                MoveWindow(b.child, x + header, childTop, std::max(0, right - kBandPad - (x + header)), childHeight, TRUE);
            }
            x = right + (borders ? kBorderLine : 0);
        }
        y += rowHeight;
    }
    s.height = y;
}

// Fits the rebar's height to its rows and tells the parent when it changed.
void Relayout(HWND h, ReBarState& s) {
    const int before = s.height;
    Layout(h, s);
    if (s.height != before) {
        CRect mine;
        GetWindowRect(h, &mine);
        if (!(GetWindowLong(h, GWL_STYLE) & CCS_NORESIZE) && mine.Height() != s.height) {
            POINT origin{mine.left, mine.top};
            if (HWND parent = GetParent(h)) ScreenToClient(parent, &origin);
            SetWindowPos(h, nullptr, origin.x, origin.y, mine.Width(), s.height, SWP_NOZORDER | SWP_NOACTIVATE);
            Layout(h, s);
        }
        NMHDR nm{h, static_cast<UINT_PTR>(GetDlgCtrlID(h)), static_cast<UINT>(RBN_HEIGHTCHANGE)};
        HWND notify = IsWindow(s.notify) ? s.notify : GetParent(h);
        if (notify) SendMessage(notify, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
    }
    InvalidateRect(h, nullptr, TRUE);
}

void FillBand(Band& b, const REBARBANDINFO& info, HWND rebar) {
    if (info.fMask & RBBIM_STYLE) b.style = info.fStyle;
    if (info.fMask & RBBIM_COLORS) {
        b.fore = info.clrFore;
        b.back = info.clrBack;
    }
    if (info.fMask & RBBIM_TEXT) b.text = info.lpText ? info.lpText : L"";
    if (info.fMask & RBBIM_CHILD) {
        if (b.child && b.child != info.hwndChild && IsWindow(b.child)) ShowWindow(b.child, SW_HIDE);
        b.child = info.hwndChild;
        // The band's child becomes the rebar's child.
        if (IsWindow(b.child) && GetParent(b.child) != rebar) CWnd::FromHandle(b.child)->SetParent(CWnd::FromHandle(rebar));
    }
    if (info.fMask & RBBIM_CHILDSIZE) {
        b.cxMinChild = info.cxMinChild;
        b.cyMinChild = info.cyMinChild;
        b.cyChild = info.cyChild;
        b.cyMaxChild = info.cyMaxChild;
        b.cyIntegral = info.cyIntegral;
    }
    if (info.fMask & RBBIM_SIZE) b.cx = info.cx;
    if (info.fMask & RBBIM_ID) b.id = info.wID;
    if (info.fMask & RBBIM_IDEALSIZE) b.cxIdeal = info.cxIdeal;
    if (info.fMask & RBBIM_LPARAM) b.lParam = info.lParam;
    if (info.fMask & RBBIM_HEADERSIZE) b.cxHeader = info.cxHeader;
}

void ReadBand(const Band& b, REBARBANDINFO& info) {
    if (info.fMask & RBBIM_STYLE) info.fStyle = b.style;
    if (info.fMask & RBBIM_COLORS) {
        info.clrFore = b.fore;
        info.clrBack = b.back;
    }
    if ((info.fMask & RBBIM_TEXT) && info.lpText && info.cch > 0) {
        const std::size_t n = std::min<std::size_t>(b.text.size(), info.cch - 1);
        std::copy_n(b.text.begin(), n, info.lpText);
        info.lpText[n] = 0;
    }
    if (info.fMask & RBBIM_CHILD) info.hwndChild = b.child;
    if (info.fMask & RBBIM_CHILDSIZE) {
        info.cxMinChild = b.cxMinChild;
        info.cyMinChild = b.cyMinChild;
        info.cyChild = b.cyChild;
        info.cyMaxChild = b.cyMaxChild;
        info.cyIntegral = b.cyIntegral;
    }
    if (info.fMask & RBBIM_SIZE) info.cx = static_cast<UINT>(b.rect.Width());
    if (info.fMask & RBBIM_ID) info.wID = b.id;
    if (info.fMask & RBBIM_IDEALSIZE) info.cxIdeal = b.cxIdeal;
    if (info.fMask & RBBIM_LPARAM) info.lParam = b.lParam;
    if (info.fMask & RBBIM_HEADERSIZE) info.cxHeader = b.cxHeader;
}

void Paint(HWND h, ReBarState& s) {
    PAINTSTRUCT ps;
    CDC* dc = CDC::FromHandle(BeginPaint(h, &ps));
    CRect client;
    GetClientRect(h, &client);
    dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const bool borders = (GetWindowLong(h, GWL_STYLE) & RBS_BANDBORDERS) != 0;
    HGDIOBJ oldFont = dc->SelectObject(GetStockObject(DEFAULT_GUI_FONT));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
    for (const Band& b : s.bands) {
        if ((b.style & RBBS_HIDDEN) || b.rect.IsRectEmpty()) continue;
        if (b.back != Band::CLR_DEFAULT_REBAR) dc->FillSolidRect(&b.rect, b.back);
        int x = b.rect.left + 2;
        if (HasGripper(h, s, b)) {
            CRect grip(x, b.rect.top + 3, x + 3, b.rect.bottom - 3);
            dc->DrawEdge(&grip, BDR_RAISEDINNER, BF_RECT);
            x += kGripper - 2;
        }
        if (!b.text.empty()) {
            CRect text(x, b.rect.top, b.rect.right, b.rect.bottom);
            dc->DrawText(b.text.c_str(), static_cast<int>(b.text.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        }
        if (borders) {
            CRect edge = b.rect;
            edge.InflateRect(0, 0, kBorderLine, kBorderLine);
            dc->DrawEdge(&edge, EDGE_ETCHED, BF_BOTTOM | BF_RIGHT);
        }
    }
    dc->SelectObject(oldFont);
    EndPaint(h, &ps);
}

}  // namespace

LRESULT ReBarWindowProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        States().erase(h);
        return DefWindowProc(h, message, wParam, lParam);
    }
    ReBarState& s = StateOf(h);
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(h, s); return 0;
    case WM_WINDOWPOSCHANGED:
        DefWindowProc(h, message, wParam, lParam);
        Layout(h, s);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY: {
        // The bands' children talk to the rebar's parent.
        HWND notify = IsWindow(s.notify) ? s.notify : GetParent(h);
        return notify ? SendMessage(notify, message, wParam, lParam) : 0;
    }
    case RB_INSERTBAND: {
        auto* info = reinterpret_cast<LPREBARBANDINFO>(lParam);
        if (!info) return FALSE;
        Band b;
        FillBand(b, *info, h);
        const std::size_t at = std::min<std::size_t>(wParam, s.bands.size());
        s.bands.insert(s.bands.begin() + static_cast<std::ptrdiff_t>(at), b);
        Relayout(h, s);
        return TRUE;
    }
    case RB_DELETEBAND:
        if (wParam >= s.bands.size()) return FALSE;
        s.bands.erase(s.bands.begin() + static_cast<std::ptrdiff_t>(wParam));
        Relayout(h, s);
        return TRUE;
    case RB_SETBANDINFO: {
        auto* info = reinterpret_cast<LPREBARBANDINFO>(lParam);
        if (!info || wParam >= s.bands.size()) return FALSE;
        FillBand(s.bands[wParam], *info, h);
        Relayout(h, s);
        return TRUE;
    }
    case RB_GETBANDINFO: {
        auto* info = reinterpret_cast<LPREBARBANDINFO>(lParam);
        if (!info || wParam >= s.bands.size()) return FALSE;
        ReadBand(s.bands[wParam], *info);
        return TRUE;
    }
    case RB_GETBANDCOUNT: return static_cast<LRESULT>(s.bands.size());
    case RB_GETROWCOUNT: {
        LRESULT rows = 0;
        for (std::size_t i = 0; i < s.bands.size(); ++i)
            if (!(s.bands[i].style & RBBS_HIDDEN) && (rows == 0 || (s.bands[i].style & RBBS_BREAK))) ++rows;
        return rows;
    }
    case RB_GETBARHEIGHT: Layout(h, s); return s.height;
    case RB_GETRECT: {
        auto* rc = reinterpret_cast<LPRECT>(lParam);
        if (!rc || wParam >= s.bands.size()) return FALSE;
        *rc = s.bands[wParam].rect;
        return TRUE;
    }
    case RB_IDTOINDEX:
        for (std::size_t i = 0; i < s.bands.size(); ++i)
            if (s.bands[i].id == wParam) return static_cast<LRESULT>(i);
        return -1;
    case RB_SHOWBAND:
        if (wParam >= s.bands.size()) return FALSE;
        s.bands[wParam].style = lParam ? (s.bands[wParam].style & ~RBBS_HIDDEN) : (s.bands[wParam].style | RBBS_HIDDEN);
        if (IsWindow(s.bands[wParam].child)) ShowWindow(s.bands[wParam].child, lParam ? SW_SHOW : SW_HIDE);
        Relayout(h, s);
        return TRUE;
    case RB_SETPARENT: {
        HWND old = s.notify;
        s.notify = reinterpret_cast<HWND>(wParam);
        return reinterpret_cast<LRESULT>(old);
    }
    default: return DefWindowProc(h, message, wParam, lParam);
    }
}

// CReBarCtrl

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxRegisterBarClasses();
    return CWnd::CreateEx(0, REBARCLASSNAME, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}
BOOL CReBarCtrl::InsertBand(UINT uIndex, REBARBANDINFO* prbbi) {
    return static_cast<BOOL>(SendMessage(RB_INSERTBAND, uIndex, reinterpret_cast<LPARAM>(prbbi)));
}
BOOL CReBarCtrl::DeleteBand(UINT uBand) { return static_cast<BOOL>(SendMessage(RB_DELETEBAND, uBand)); }
UINT CReBarCtrl::GetBandCount() const { return static_cast<UINT>(SendMessage(RB_GETBANDCOUNT)); }
BOOL CReBarCtrl::GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const {
    return static_cast<BOOL>(SendMessage(RB_GETBANDINFO, uBand, reinterpret_cast<LPARAM>(prbbi)));
}
BOOL CReBarCtrl::SetBandInfo(UINT uBand, REBARBANDINFO* prbbi) {
    return static_cast<BOOL>(SendMessage(RB_SETBANDINFO, uBand, reinterpret_cast<LPARAM>(prbbi)));
}
void CReBarCtrl::GetRect(UINT uBand, LPRECT prc) const { SendMessage(RB_GETRECT, uBand, reinterpret_cast<LPARAM>(prc)); }
UINT CReBarCtrl::GetRowCount() const { return static_cast<UINT>(SendMessage(RB_GETROWCOUNT)); }
UINT CReBarCtrl::GetBarHeight() const { return static_cast<UINT>(SendMessage(RB_GETBARHEIGHT)); }
BOOL CReBarCtrl::ShowBand(UINT uBand, BOOL fShow) { return static_cast<BOOL>(SendMessage(RB_SHOWBAND, uBand, fShow)); }
int CReBarCtrl::IDToIndex(UINT uBandID) const { return static_cast<int>(SendMessage(RB_IDTOINDEX, uBandID)); }

// CReBar

CReBar::CReBar() { m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0; }
CReBar::~CReBar() { m_control.m_hWnd = nullptr; }

void CReBar::PostNcDestroy() {
    m_control.m_hWnd = nullptr;
    CControlBar::PostNcDestroy();
}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
    AfxRegisterBarClasses();
    const DWORD windowStyle = TakeBarStyle(dwStyle) | (dwCtrlStyle & 0xFFFF) | WS_CHILD;
    return CWnd::CreateEx(0, REBARCLASSNAME, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

CReBarCtrl& CReBar::GetReBarCtrl() const {
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap*, DWORD dwStyle) {
    if (!pBar || !pBar->GetSafeHwnd()) return FALSE;
    CSize size;
    if (auto* bar = dynamic_cast<CControlBar*>(pBar)) {
        size = bar->CalcFixedLayout(FALSE, TRUE);
    } else {
        CRect rc;
        pBar->GetWindowRect(&rc);
        size = rc.Size();
    }
    REBARBANDINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | (pszText ? RBBIM_TEXT : 0);
    info.fStyle = dwStyle;
    info.hwndChild = pBar->GetSafeHwnd();
    info.cxMinChild = static_cast<UINT>(std::max<LONG>(0, size.cx));
    info.cyMinChild = static_cast<UINT>(std::max<LONG>(0, size.cy));
    info.cx = info.cxMinChild;
    info.wID = static_cast<UINT>(pBar->GetDlgCtrlID());
    info.lpText = const_cast<LPTSTR>(pszText);
    return GetReBarCtrl().InsertBand(static_cast<UINT>(-1), &info);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size(bStretch ? 32767 : 0, static_cast<LONG>(GetReBarCtrl().GetBarHeight()));
    if (!bHorz) std::swap(size.cx, size.cy);
    return size;
}
