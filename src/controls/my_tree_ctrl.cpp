#include "controls/my_tree_ctrl.h"

#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"

IMPLEMENT_DYNAMIC(CMyTreeCtrl, CTreeCtrl)

namespace {
// Posted to itself, so that the owner hears of a click after the tree has handled it.
constexpr UINT kAfterClick = WM_APP + 0x317;
}  // namespace

BEGIN_MESSAGE_MAP(CMyTreeCtrl, CTreeCtrl)
    ON_WM_PAINT()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(kAfterClick, &CMyTreeCtrl::OnAfterClick)
END_MESSAGE_MAP()

BOOL CMyTreeCtrl::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CTreeCtrl::PreCreateWindow(cs)) return FALSE;
    cs.dwExStyle |= WS_EX_LEFTSCROLLBAR;
    return TRUE;
}

BOOL CMyTreeCtrl::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd && (msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONDBLCLK))
        PostMessage(kAfterClick, msg->message == WM_LBUTTONDBLCLK, 0);
    return CTreeCtrl::PreTranslateMessage(msg);
}

void CMyTreeCtrl::SendToOwner(UINT message) {
    CWnd* owner = GetOwner();
    if (!owner) owner = GetParent();
    if (owner) owner->SendMessage(message, 0, 0);
}

LRESULT CMyTreeCtrl::OnAfterClick(WPARAM doubleClick, LPARAM) {
    if (doubleClick) SendToOwner(kDoubleClicked);
    SendToOwner(kClicked);
    return 0;
}

void CMyTreeCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect clip, client;
    dc.GetClipBox(&clip);
    GetClientRect(&client);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height())) {
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        return;
    }
    CBitmap* old = memory.SelectObject(&bitmap);
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
    dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memory, clip.left, clip.top, SRCCOPY);
    memory.SelectObject(old);
}

void CMyTreeCtrl::OnWindowPosChanged(WINDOWPOS* pos) {
    CTreeCtrl::OnWindowPosChanged(pos);
    Invalidate();
}
