#include "controls/option_tree_item.h"

#include "controls/option_tree.h"
#include "platform/core/colors.h"
#include "platform/ui/dc.h"
#include "platform/ui/wnd.h"

COptionTreeItem::COptionTreeItem()
    : m_crValueBack(::GetSysColor(COLOR_WINDOW)),
      m_crValueText(::GetSysColor(COLOR_BTNTEXT)),
      m_crCategory(::GetSysColor(COLOR_BTNFACE)),
      m_crLabelText(::GetSysColor(COLOR_BTNTEXT)),
      m_crLabelBack(::GetSysColor(COLOR_WINDOW)) {}

COptionTreeItem::~COptionTreeItem() = default;

bool COptionTreeItem::IsCategory() const { return m_pTree && m_pParent == m_pTree->GetRootItem(); }

void COptionTreeItem::BeginEdit() {
    m_bEditing = TRUE;
    m_bCommitted = FALSE;
    Activate();
}

int COptionTreeItem::CommitChanges() {
    m_bEditing = FALSE;
    if (m_bCommitted) return 1;
    m_bCommitted = TRUE;
    if (!m_pTree) return 0;
    EndEdit();
    m_pTree->Notify(OTN_ITEMCHANGED, this);
    // The row and its subtree may have moved (a row height can change with the value).
    m_pTree->EnumItems(this, [](COptionTree*, COptionTreeItem* item, LPARAM) -> int {
        item->MoveEditor();
        return 1;
    }, 0);
    m_pTree->UpdateScrollRange();
    m_pTree->Repaint();
    return 0;
}

void COptionTreeItem::SetExpanded(BOOL bExpanded) {
    if (!m_pTree) return;
    m_bExpanded = bExpanded;
    m_pTree->EnumItems(this, [](COptionTree*, COptionTreeItem* item, LPARAM state) -> int {
        item->OnExpand(static_cast<BOOL>(state));
        return 1;
    }, bExpanded);
}

COLORREF COptionTreeItem::ValueTextColor() const {
    if (m_bReadOnly || (m_pTree && !m_pTree->IsWindowEnabled())) return ::GetSysColor(COLOR_GRAYTEXT);
    return m_crValueText;
}

bool COptionTreeItem::BeginValueDrawing(CDC* pDC, bool editorFocused, bool editorExists) const {
    if (editorFocused || !m_pTree || !editorExists) return false;
    pDC->SelectObject(COptionTree::NormalFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(m_crValueBack);
    pDC->SetTextColor(ValueTextColor());
    return true;
}

void COptionTreeItem::DrawValue(CDC*, const RECT&) {}
void COptionTreeItem::Activate() {}
void COptionTreeItem::LayoutChanged() {}
void COptionTreeItem::MoveEditor() {}
void COptionTreeItem::EndEdit() {}
void COptionTreeItem::DestroyEditor() {}
void COptionTreeItem::OnDeselect() {}
void COptionTreeItem::OnSelect() {}
void COptionTreeItem::OnExpand(BOOL) {}

bool COptionTreeItem::IsInside(CWnd* pWnd, CWnd* pContainer) {
    return pWnd && pContainer && (pWnd->m_hWnd == pContainer->m_hWnd || pContainer->IsChild(pWnd));
}

CWnd* COptionTreeItem::TreeOwner() const { return m_pTree ? m_pTree->GetParent() : nullptr; }

void COptionTreeItem::ForwardKey(UINT vk) const {
    if (m_pTree && m_pTree->GetList().m_hWnd) m_pTree->GetList().SendMessage(WM_KEYDOWN, vk, 0);
}

void COptionTreeItem::PlaceEditor(CWnd* pEditor, bool show, int extraHeight) const {
    if (!pEditor || !pEditor->m_hWnd) return;
    const CRect target(m_rcValue.left, m_rcValue.top, m_rcValue.right, m_rcValue.bottom + extraHeight);
    // A hidden editor of a row out of view is put on its cell when the row comes into view.
    bool inView = true;
    if (!show && m_pTree && m_pTree->GetList().m_hWnd) {
        CRect client;
        m_pTree->GetList().GetClientRect(&client);
        inView = target.bottom > client.top && target.top < client.bottom;
    }
    if ((show || inView || pEditor->IsWindowVisible()) && target != m_rcPlaced) {
        pEditor->MoveWindow(target.left, target.top, target.Width(), target.Height());
        m_rcPlaced = target;
    }
    if (show) {
        pEditor->ShowWindow(SW_SHOW);
        pEditor->SetFocus();
    }
}
