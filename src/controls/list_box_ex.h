#pragma once
// CListBoxEx: an editable list of text lines. Lines are reordered by dragging or with Alt and
// the arrow keys, edited in place (F2 or a double click) with an editor laid over the line and
// optionally a "..." button beside it, deleted with Delete, sorted, and copied or pasted as
// text. The in-place controls talk to the list with the "ipc_CtrlMsg" records.
#include "controls/in_place_button.h"
#include "controls/in_place_edit.h"
#include "platform/ui/drag_list_box.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"

class CListBoxEx : public CDragListBox {
    DECLARE_DYNCREATE(CListBoxEx)

public:
    enum : int { kBrowseButton = 0x4000 };
    // Item data of the line drawn as "--- Last Item".
    static constexpr DWORD_PTR kLastItemData = 0x45424558;

    CListBoxEx();
    ~CListBoxEx() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // -1 edits the current item; an index past the last line appends an empty line for it.
    void BeginEdit(int item);
    void AddNewItem() { BeginEdit(GetCount()); }
    void EndEdit(BOOL cancelled);
    // Ends a running edit the way leaving the editor does: the typed text goes to its line.
    void CommitEdit();
    void MoveItemUp(int index);
    void MoveItemDown(int index);
    void SortItems();
    void CopyItems();
    void PasteItems();
    void DeleteItem(int index);

    virtual BOOL OnBeginEdit(int) { return TRUE; }
    // FALSE turns a commit into a cancel.
    virtual BOOL OnEndEdit(int, BOOL) { return TRUE; }
    virtual void OnBrowse(int) {}

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    int GetEditedItem() const { return m_nEditedItem; }
    CInPlaceEdit& GetEditor() { return m_editor; }
    CInPlaceButton& GetBrowseButton() { return m_button; }

    int m_nOptions = kBrowseButton;
    int m_nCurrentItem = -1;
    int m_bEditAllowed = 1;
    int m_bDragAllowed = 1;
    int m_bAddFilesAllowed = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    LRESULT OnInPlaceRecord(WPARAM, LPARAM);
    LRESULT OnAfterDoubleClick(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void CreateInPlaceControls();
    // Rewrites a line in place, keeping its data.
    void ReplaceLine(int index, const CString& text, DWORD_PTR data);
    int ItemAtClientPoint(CPoint pt) const;

    CInPlaceEdit m_editor;
    CInPlaceButton m_button;
    CRect m_editRect, m_itemRect;
    int m_nEditedItem = -1;
    bool m_editedIsNew = false;  // the line was added for this edit
    bool m_bCreating = false;    // between PreCreateWindow and the window's creation
};
