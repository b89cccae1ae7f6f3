#pragma once
// COptionTreeEditorItem: what the value rows with an editor window share. The editor window
// class comes first in the object and the item base follows it; the editor is a hidden child
// of the tree's list window on the row's value cell, shown over the cell while the row is
// edited.
#include "controls/option_tree.h"
#include "controls/option_tree_item.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_class.h"

template <class Editor>
class COptionTreeEditorItem : public Editor, public COptionTreeItem {
public:
    void Activate() override { PlaceEditor(this, true, ExtraHeight()); }
    void LayoutChanged() override {
        PlaceEditor(this, false, ExtraHeight());
        if (!m_bFocus) HideEditor();
    }
    void MoveEditor() override { PlaceEditor(this, false, ExtraHeight()); }
    void EndEdit() override { HideEditor(); }
    void OnDeselect() override { HideEditor(); }
    void DestroyEditor() override {
        if (this->m_hWnd) this->DestroyWindow();
    }

protected:
    // How much further down than the cell the editor reaches (a combo box's drop-down).
    virtual int ExtraHeight() const { return 0; }
    void HideEditor() {
        if (this->m_hWnd) this->ShowWindow(SW_HIDE);
    }
    // After the editor window exists: the tree's font, hidden until the row is edited.
    void FinishEditor() {
        this->SetFont(COptionTree::NormalFont());
        this->ShowWindow(SW_HIDE);
    }
    // An editor of the program's own window class on the value cell, id = the item's id.
    BOOL CreateOwnEditor(DWORD style) {
        LPCTSTR cls = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW));
        if (!this->CWnd::Create(cls, L"", style, m_rcValue, &m_pTree->GetList(), static_cast<UINT>(m_id))) return FALSE;
        FinishEditor();
        return TRUE;
    }

    // The editor took the focus.
    void EditorGotFocus() { m_bFocus = TRUE; }
    // The editor lost the focus to a window inside the container: the edit ends there.
    void CommitWhenFocusMovesInside(CWnd* pNewWnd, CWnd* pContainer) {
        if (!IsInside(pNewWnd, pContainer)) return;
        m_bFocus = FALSE;
        CommitChanges();
    }

    // Set while the editor has the focus: the visible editor then shows the value itself.
    BOOL m_bFocus = FALSE;
};
