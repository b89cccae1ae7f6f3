#include "platform/ui/tool_bar.h"

#include <algorithm>
#include <vector>

#include "platform/core/language_pack.h"
#include "platform/core/resource_types.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/cmd_target.h"
#include "platform/ui/window_api.h"

namespace {

// The command-update state of one toolbar button.
class CToolCmdUI : public CCmdUI {
public:
    CToolBarCtrl* bar = nullptr;

    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        UINT state = static_cast<UINT>(bar->GetState(static_cast<int>(m_nID)));
        state = on ? (state | TBSTATE_ENABLED) : (state & ~static_cast<UINT>(TBSTATE_ENABLED));
        // A disabled button cannot stay pressed.
        if (!on) state &= ~static_cast<UINT>(TBSTATE_PRESSED);
        SetStateOfIndex(state);
    }
    void SetCheck(int check) override {
        UINT state = static_cast<UINT>(bar->GetState(static_cast<int>(m_nID)));
        state &= ~static_cast<UINT>(TBSTATE_CHECKED | TBSTATE_INDETERMINATE);
        if (check == 1) state |= TBSTATE_CHECKED;
        else if (check == 2) state |= TBSTATE_INDETERMINATE;
        SetStateOfIndex(state);
    }
    void SetText(LPCTSTR) override {}

private:
    void SetStateOfIndex(UINT state) {
        TBBUTTONINFO info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = static_cast<BYTE>(state);
        if (static_cast<BYTE>(bar->GetState(static_cast<int>(m_nID))) != info.fsState)
            bar->SetButtonInfo(static_cast<int>(m_nIndex), &info);
    }
};

constexpr int kSeparatorWidth = 8;

}  // namespace

CToolBar::CToolBar() { m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0; }

CToolBar::~CToolBar() { m_control.m_hWnd = nullptr; }

void CToolBar::PostNcDestroy() {
    m_control.m_hWnd = nullptr;
    CControlBar::PostNcDestroy();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    AfxRegisterBarClasses();
    DWORD windowStyle = TakeBarStyle(dwStyle) | (dwCtrlStyle & 0xFFFF) | WS_CHILD | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (m_dwStyle & CBRS_TOOLTIPS) windowStyle |= TBSTYLE_TOOLTIPS;
    m_cxLeftBorder = rcBorders.left;
    m_cyTopBorder = rcBorders.top;
    m_cxRightBorder = rcBorders.right;
    m_cyBottomBorder = rcBorders.bottom;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAME, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    ApplyOrientation();
    return TRUE;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const {
    m_control.m_hWnd = m_hWnd;
    return m_control;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResToolBar* res = pack ? pack->FindToolBar(nIDResource) : nullptr;
    if (!res) return FALSE;
    if (!SetButtons(res->items.data(), static_cast<int>(res->items.size()))) return FALSE;
    SetSizes(CSize(res->buttonWidth + 7, res->buttonHeight + 7), CSize(res->buttonWidth, res->buttonHeight));
    return LoadBitmap(nIDResource);
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResImage* image = pack ? pack->FindBitmap(nIDResource) : nullptr;
    if (!image) return FALSE;
    CBitmap bitmap;
    if (!bitmap.LoadFromFile(image->path)) return FALSE;
    m_images.DeleteImageList();
    if (!m_images.Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLOR32 | ILC_MASK, 0, 1)) return FALSE;
    if (m_images.Add(&bitmap, RGB(255, 0, 255)) < 0) return FALSE;
    GetToolBarCtrl().SetImageList(&m_images);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    CToolBarCtrl& bar = GetToolBarCtrl();
    while (bar.GetButtonCount() > 0) bar.DeleteButton(0);
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON b{};
        b.iString = -1;
        b.fsState = TBSTATE_ENABLED;
        if (lpIDArray && lpIDArray[i] != 0) {
            b.idCommand = static_cast<int>(lpIDArray[i]);
            b.iBitmap = image++;
            b.fsStyle = BTNS_BUTTON;
        } else {
            b.fsStyle = BTNS_SEP;
            b.iBitmap = kSeparatorWidth;
        }
        buttons.push_back(b);
    }
    if (!buttons.empty() && !bar.AddButtons(static_cast<int>(buttons.size()), buttons.data())) return FALSE;
    ApplyOrientation();
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    CToolBarCtrl& bar = GetToolBarCtrl();
    m_sizeImage = CSize(sizeImage.cx, sizeImage.cy);
    bar.SetBitmapSize(m_sizeImage);
    bar.SetButtonSize(CSize(sizeButton.cx, sizeButton.cy));
}

void CToolBar::SetHeight(int cyHeight) {
    const DWORD size = GetToolBarCtrl().GetButtonSize();
    m_cyTopBorder = std::max(0, (cyHeight - static_cast<int>(HIWORD(size))) / 2);
    m_cyBottomBorder = std::max(0, cyHeight - static_cast<int>(HIWORD(size)) - m_cyTopBorder);
}

int CToolBar::GetCount() const { return GetToolBarCtrl().GetButtonCount(); }
int CToolBar::CommandToIndex(UINT nIDFind) const { return GetToolBarCtrl().CommandToIndex(nIDFind); }

UINT CToolBar::GetItemID(int nIndex) const {
    TBBUTTON b{};
    if (!GetToolBarCtrl().GetButton(nIndex, &b)) return 0;
    return (b.fsStyle & BTNS_SEP) ? 0 : static_cast<UINT>(b.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (!GetToolBarCtrl().GetItemRect(nIndex, lpRect) && lpRect) *lpRect = RECT{0, 0, 0, 0};
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
    TBBUTTON b{};
    if (!GetToolBarCtrl().GetButton(nIndex, &b)) return 0;
    return static_cast<UINT>(b.fsStyle) | (static_cast<UINT>(b.fsState) << 16);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
    TBBUTTONINFO info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE | TBIF_STATE | TBIF_BYINDEX;
    info.fsStyle = static_cast<BYTE>(nStyle & 0xFF);
    info.fsState = static_cast<BYTE>((nStyle >> 16) & 0xFF);
    if (!(nStyle >> 16)) {
        TBBUTTON b{};
        GetToolBarCtrl().GetButton(nIndex, &b);
        info.fsState = b.fsState;
    }
    GetToolBarCtrl().SetButtonInfo(nIndex, &info);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    TBBUTTON b{};
    if (!GetToolBarCtrl().GetButton(nIndex, &b)) {
        nID = nStyle = 0;
        iImage = -1;
        return;
    }
    nID = static_cast<UINT>(b.idCommand);
    nStyle = static_cast<UINT>(b.fsStyle) | (static_cast<UINT>(b.fsState) << 16);
    iImage = b.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
    TBBUTTONINFO info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE | TBIF_BYINDEX;
    info.idCommand = static_cast<int>(nID);
    info.fsStyle = static_cast<BYTE>(nStyle & 0xFF);
    info.iImage = iImage;
    if (nStyle & BTNS_SEP) {
        // For a separator the image is its width (a place for a control on the bar).
        info.dwMask |= TBIF_SIZE;
        info.cx = static_cast<WORD>(iImage > 0 ? iImage : kSeparatorWidth);
    }
    GetToolBarCtrl().SetButtonInfo(nIndex, &info);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText) {
    TBBUTTONINFO info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = const_cast<LPTSTR>(lpszText ? lpszText : L"");
    return GetToolBarCtrl().SetButtonInfo(nIndex, &info);
}

CString CToolBar::GetButtonText(int nIndex) const {
    CString text;
    GetToolBarCtrl().GetButtonText(static_cast<int>(GetItemID(nIndex)), text);
    return text;
}

void CToolBar::SetBarStyle(DWORD dwStyle) {
    CControlBar::SetBarStyle(dwStyle);
    ApplyOrientation();
}

void CToolBar::ApplyOrientation() {
    if (!m_hWnd) return;
    CToolBarCtrl& bar = GetToolBarCtrl();
    const bool vertical = !IsHorizontal();
    const int count = bar.GetButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        bar.GetButton(i, &b);
        const BYTE state = vertical ? static_cast<BYTE>(b.fsState | TBSTATE_WRAP) : static_cast<BYTE>(b.fsState & ~TBSTATE_WRAP);
        if (state == b.fsState) continue;
        TBBUTTONINFO info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = state;
        bar.SetButtonInfo(i, &info);
    }
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    SIZE content{0, 0};
    GetToolBarCtrl().GetMaxSize(&content);
    const DWORD button = GetToolBarCtrl().GetButtonSize();
    content.cx = std::max<LONG>(content.cx, LOWORD(button));
    content.cy = std::max<LONG>(content.cy, HIWORD(button));
    CSize size(content.cx + m_cxLeftBorder + m_cxRightBorder, content.cy + m_cyTopBorder + m_cyBottomBorder);
    if (bStretch) {
        if (bHorz) size.cx = 32767;
        else size.cy = 32767;
    }
    return size;
}

void CToolBar::OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state;
    state.bar = &GetToolBarCtrl();
    state.m_pOther = this;
    const int count = GetCount();
    state.m_nIndexMax = static_cast<UINT>(count);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetItemID(i);
        if (id == 0) continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = id;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
