#include "controls/option_tree.h"

#include "platform/ui/font_enum.h"
#include "platform/ui/system_metrics.h"
#include "platform/core/colors.h"
#include "platform/core/window_styles.h"
#include "platform/core/virtual_keys.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

int COptionTree::s_instances = 0;
CFont* COptionTree::s_normalFont = nullptr;
CFont* COptionTree::s_boldFont = nullptr;
int COptionTree::s_fontGeneration = 0;

BEGIN_MESSAGE_MAP(COptionTree, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_ENABLE()
    ON_WM_SETFOCUS()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

COptionTree::COptionTree() {
    if (s_instances == 0) BuildFonts();
    ++s_instances;
    m_list.m_pTree = this;
    m_info.m_pTree = this;
}

COptionTree::~COptionTree() {
    DeleteItem(nullptr);
    if (--s_instances == 0) DeleteFonts();
}

CFont* COptionTree::NormalFont() { return s_normalFont; }
CFont* COptionTree::BoldFont() { return s_boldFont; }

void COptionTree::DeleteFonts() {
    delete s_normalFont;
    delete s_boldFont;
    s_normalFont = s_boldFont = nullptr;
}

namespace {

int NoteFamily(const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool HasFontFamily(LPCTSTR face) {
    bool found = false;
    ::EnumFontFamilies(nullptr, face, NoteFamily, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

void COptionTree::BuildFonts() {
    DeleteFonts();
    NONCLIENTMETRICS metrics;
    LOGFONT font{};
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font = metrics.lfMenuFont;
    else ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    if (font.lfCharSet <= 2) {
        const wchar_t* face = HasFontFamily(L"Tahoma") ? L"Tahoma" : L"MS Sans Serif";
        wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
        font.lfFaceName[LF_FACESIZE - 1] = 0;
    }
    s_normalFont = new CFont;
    s_normalFont->CreateFontIndirect(&font);
    font.lfWeight = 700;
    s_boldFont = new CFont;
    s_boldFont->CreateFontIndirect(&font);
    ++s_fontGeneration;
}

BOOL COptionTree::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwOptions) {
    m_dwOptions = dwOptions;
    m_markManager.SetOwner(this);
    m_markManager.m_toolTip.Create(this);
    LPCTSTR cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW));
    return CWnd::Create(cls, L"", dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD, rect, pParentWnd, nID);
}

int COptionTree::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_images.DeleteImageList();
    m_images.Create(IDB_OPTION_TREE_IMAGES, 16, 1, RGB(255, 0, 255));
    CRect client;
    GetClientRect(&client);
    if (!m_info.Create(client, this, 0xFFFF)) return -1;
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW));
    if (!m_list.Create(cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL, client, this,
                       OT_LIST_ID))
        return -1;
    m_info.ShowWindow((m_dwOptions & OT_OPTIONS_SHOWINFOWINDOW) ? SW_SHOW : SW_HIDE);
    ResizeControls(client.Height(), client.Width());
    ShowWindow(SW_SHOW);
    Repaint();
    return 0;
}

void COptionTree::SetNotify(BOOL bNotify, CWnd* pNotifyWnd) {
    if (bNotify == 1) m_dwOptions |= OT_OPTIONS_NOTIFY;
    else m_dwOptions &= ~OT_OPTIONS_NOTIFY;
    m_pNotifyWnd = pNotifyWnd;
    if (m_hWnd) {
        CRect client;
        GetClientRect(&client);
        ResizeControls(client.Height(), client.Width());
    }
    Repaint();
}

void COptionTree::ResizeControls(int height, int width) {
    if (height <= 0 || width <= 0 || !m_list.m_hWnd) return;
    int listHeight = height;
    if (m_dwOptions & OT_OPTIONS_SHOWINFOWINDOW) {
        m_info.MoveWindow(0, height - OT_INFO_HEIGHT, width, OT_INFO_HEIGHT);
        listHeight = height - OT_INFO_HEIGHT;
    }
    m_list.MoveWindow(0, 0, width, listHeight);
    Repaint();
}

void COptionTree::SetColumnWidth(int width) {
    m_nColumnWidth = std::max(width, 16);
    if (m_list.m_hWnd) {
        CRect client;
        m_list.GetClientRect(&client);
        if (!client.IsRectEmpty() && m_nColumnWidth >= client.Width() - 16) m_nColumnWidth = client.Width() - 16;
    }
    Repaint();
}

LRESULT COptionTree::Notify(int code, COptionTreeItem* pItem) {
    if (!(m_dwOptions & OT_OPTIONS_NOTIFY) || !m_hWnd || !m_pNotifyWnd || !::IsWindow(m_pNotifyWnd->m_hWnd)) return 0;
    NMOPTIONTREE nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.hdr.code = static_cast<UINT>(code);
    nm.otiItem = pItem;
    return m_pNotifyWnd->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

COptionTreeItem* COptionTree::InsertItem(COptionTreeItem* pParent, COptionTreeItem* pItem) {
    if (!pItem) return nullptr;
    if (!pParent) pParent = &m_root;
    COptionTreeItem** link = &pParent->m_pFirstChild;
    while (*link) link = &(*link)->m_pNext;
    *link = pItem;
    pItem->m_pNext = nullptr;
    pItem->m_id = ++m_nLastId;
    pItem->m_pParent = pParent;
    pItem->m_pTree = this;
    pItem->m_pImageList = &m_images;
    Notify(OTN_INSERTITEM, pItem);
    UpdateScrollRange();
    return pItem;
}

void COptionTree::DeleteItem(COptionTreeItem* pItem) {
    m_pFirstDrawn = nullptr;
    for (COptionTreeItem* d = m_root.m_pFirstChild; d; d = d->m_pNext) d->m_pNextDrawn = nullptr;
    DeleteSubtree(pItem ? pItem : &m_root);
    if (m_hWnd) UpdateScrollRange();
}

void COptionTree::DeleteSubtree(COptionTreeItem* pItem) {
    // 1. Tell the owner (no item when the whole tree is cleared from the root).
    Notify(OTN_DELETEITEM, pItem == &m_root ? nullptr : pItem);
    // 2. Children first.
    while (COptionTreeItem* child = pItem->m_pFirstChild) {
        DeleteSubtree(child);
        if (pItem->m_pFirstChild == child) pItem->m_pFirstChild = child->m_pNext;  // never loop
    }
    // 3. Unlink.
    if (COptionTreeItem* parent = pItem->m_pParent) {
        COptionTreeItem** link = &parent->m_pFirstChild;
        while (*link && *link != pItem) link = &(*link)->m_pNext;
        if (*link) *link = pItem->m_pNext;
    }
    if (pItem == &m_root) {
        m_pSelected = nullptr;
        return;
    }
    // 4. The selection goes with it.
    if (m_pSelected == pItem) m_pSelected = nullptr;
    // 5. The editor, then the whole object.
    pItem->DestroyEditor();
    delete pItem;
}

int COptionTree::EnumItems(COptionTreeItem* pStart, EnumCallback callback, LPARAM lParam) {
    if (!callback) return 0;
    if (!pStart) pStart = &m_root;
    int result = 1;
    if (pStart != &m_root && !callback(this, pStart, lParam)) return 0;
    for (COptionTreeItem* c = pStart->m_pFirstChild; c; c = c->m_pNext)
        if (!EnumItems(c, callback, lParam)) result = 0;
    return result;
}

int COptionTree::ExpandItemProc(COptionTree*, COptionTreeItem* item, LPARAM) {
    item->SetExpanded(TRUE);
    return 1;
}

void COptionTree::ExpandAllItems() {
    EnumItems(nullptr, ExpandItemProc, 0);
    UpdateScrollRange();
}

void COptionTree::SelectItem(COptionTreeItem* pItem) {
    m_pSelected = pItem;
    if (pItem) EnsureVisible(pItem);
    Repaint();
}

BOOL COptionTree::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB) return CWnd::PreTranslateMessage(pMsg);
    // Only inside a dialog: elsewhere there is no tab order to move along.
    CWnd* top = GetTopLevelParent();
    if (!dynamic_cast<CDialog*>(top)) return FALSE;
    HWND next = ::GetNextDlgTabItem(top->m_hWnd, m_hWnd, ::GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE);
    if (!next || next == m_hWnd || ::IsChild(m_hWnd, next)) return FALSE;
    ::SetFocus(next);
    // An editor commits as the focus leaves it; one that did not is ended here.
    if (m_pSelected && m_pSelected->IsEditing()) m_pSelected->CommitChanges();
    return TRUE;
}

static bool IsDrawn(COptionTree* tree, COptionTreeItem* item) {
    for (COptionTreeItem* d = tree->GetFirstDrawn(); d; d = d->GetNextDrawn())
        if (d == item) return true;
    return false;
}

void COptionTree::EnsureVisible(COptionTreeItem* pItem) {
    if (!pItem || !m_list.m_hWnd) return;
    // 1. Open every ancestor of a row that is not drawn.
    if (!IsDrawn(this, pItem)) {
        for (COptionTreeItem* a = pItem->m_pParent; a && a != &m_root; a = a->m_pParent)
            if (!a->m_bExpanded) a->SetExpanded(TRUE);
        UpdateScrollRange();
    }
    // 2. Nothing to do when it is still hidden or already in view.
    if (!IsDrawn(this, pItem)) return;
    CRect client;
    m_list.GetClientRect(&client);
    const int y = pItem->m_nContentY;
    if (y >= m_nScrollPos && y <= m_nScrollPos + client.Height() - pItem->m_nRowHeight) return;
    // 3. Scroll so that the row shows, ending one row height above the bottom edge when below.
    int pos = y < m_nScrollPos ? y : y + 2 * pItem->m_nRowHeight - client.Height();
    m_list.SetFocus();
    pos = m_list.ClampScroll(pos);
    m_nScrollPos = pos;
    m_list.SetScrollPos(SB_VERT, pos);
    Repaint();
}

void COptionTree::UpdateScrollRange() {
    if (m_list.m_hWnd) m_list.UpdateScrollRange();
}

void COptionTree::Repaint() {
    if (!m_hWnd) return;
    m_list.Relayout();
    m_list.Invalidate(FALSE);
    m_info.Invalidate(FALSE);
}

void COptionTree::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    ResizeControls(cy, cx);
}

void COptionTree::OnPaint() {
    CPaintDC dc(this);  // the children paint themselves
}

BOOL COptionTree::OnEraseBkgnd(CDC*) { return FALSE; }

void COptionTree::OnEnable(BOOL bEnable) {
    CWnd::OnEnable(bEnable);
    Repaint();
}

void COptionTree::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    Repaint();
}

void COptionTree::OnSysColorChange() {
    CWnd::OnSysColorChange();
    BuildFonts();
    Repaint();
}
