#pragma once
// COptionTreeItem: one row of an option tree. The base holds what the tree needs to link, lay
// out and paint a row; plain items are the category (group) rows. Value rows are objects of
// the item kinds, each at the same time its editor window and an item: the window class comes
// first and this base follows it, so deleting through this base destroys the window part too.
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/ui/gdi_defs.h"

class CDC;
class CImageList;
class COptionTree;
class CWnd;

class COptionTreeItem {
public:
    // Kind codes.
    enum Kind {
        kPlain = 1, kCheckBox = 2, kColor = 3, kComboBox = 4, kDate = 5, kEdit = 6, kImage = 7, kRadio = 8,
        kSpinner = 9, kFile = 11
    };

    COptionTreeItem();
    virtual ~COptionTreeItem();
    COptionTreeItem(const COptionTreeItem&) = delete;
    COptionTreeItem& operator=(const COptionTreeItem&) = delete;

    void SetLabel(const CString& label) {
        m_label = label;
        m_nLabelFontGeneration = -1;
    }
    void SetInfoText(const CString& text) { m_infoText = text; }
    CString GetLabel() const { return m_label; }
    CString GetInfoText() const { return m_infoText; }

    // Editing: BeginEdit shows and focuses the editor; CommitChanges ends the edit once
    // (returns 1 when it was already committed), hides the editor and reports -1105.
    void BeginEdit();
    int CommitChanges();
    // Sets the expanded flag and tells the item and its whole subtree; sends nothing.
    void SetExpanded(BOOL bExpanded);

    // The operations the tree calls; the base does nothing.
    virtual void DrawValue(CDC* pDC, const RECT& rcValue);
    virtual void Activate();
    virtual void LayoutChanged();
    virtual void MoveEditor();
    virtual void EndEdit();
    virtual void DestroyEditor();
    virtual void OnDeselect();
    virtual void OnSelect();
    virtual void OnExpand(BOOL bExpanded);

    // Structure and state.
    int GetId() const { return m_id; }
    int GetKind() const { return m_kind; }
    COptionTree* GetTree() const { return m_pTree; }
    COptionTreeItem* GetParentItem() const { return m_pParent; }
    COptionTreeItem* GetNextSibling() const { return m_pNext; }
    COptionTreeItem* GetFirstChild() const { return m_pFirstChild; }
    COptionTreeItem* GetNextDrawn() const { return m_pNextDrawn; }
    BOOL IsSelected() const { return m_bSelected; }
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL IsEditing() const { return m_bEditing; }
    BOOL IsCommitted() const { return m_bCommitted; }
    int GetRowHeight() const { return m_nRowHeight; }
    void SetRowHeight(int height) { m_nRowHeight = height; }
    CRect GetValueRect() const { return m_rcValue; }
    CRect GetExpandBox() const { return m_rcExpandBox; }
    CRect GetLabelTextRect() const { return m_rcLabelText; }
    int GetContentY() const { return m_nContentY; }
    int GetIndent() const { return m_nIndentX; }
    // A row whose parent is the root.
    bool IsCategory() const;

    // Public fields the fill code may set after construction.
    BOOL m_bShowImage = FALSE;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bLabelOffset = FALSE;
    int m_nImageIndex = 0;
    COLORREF m_crValueBack, m_crValueText, m_crCategory, m_crLabelText, m_crLabelBack;

protected:
    friend class COptionTree;
    friend class COptionTreeList;

    // Text colour of a value: grey when read-only or the tree is disabled.
    COLORREF ValueTextColor() const;
    // Whether a window is the container or inside it.
    static bool IsInside(CWnd* pWnd, CWnd* pContainer);
    // The dialog (or page) that holds the tree.
    CWnd* TreeOwner() const;
    // Sends a key to the tree's list window, so that the tree moves to another row.
    void ForwardKey(UINT vk) const;
    // Puts an editor on the value cell (extraHeight more below it), shown and focused or not.
    void PlaceEditor(CWnd* pEditor, bool show, int extraHeight = 0) const;
    // Prepares the common drawing of an idle value; false when nothing is to be drawn.
    bool BeginValueDrawing(CDC* pDC, bool editorFocused, bool editorExists) const;

    CImageList* m_pImageList = nullptr;
    CString m_label;
    CString m_infoText;
    int m_id = 0;
    COptionTreeItem* m_pParent = nullptr;
    COptionTreeItem* m_pNext = nullptr;
    COptionTreeItem* m_pFirstChild = nullptr;
    COptionTreeItem* m_pNextDrawn = nullptr;
    CRect m_rcExpandBox;
    COptionTree* m_pTree = nullptr;
    int m_nIndentX = 0;
    int m_nContentY = 0;
    CRect m_rcValue;
    BOOL m_bCommitted = FALSE;
    int m_nRowHeight = 21;
    CRect m_rcLabelText;
    BOOL m_bSelected = FALSE;
    BOOL m_bExpanded = FALSE;
    BOOL m_bEditing = FALSE;
    int m_kind = kPlain;

    // The label's measured size, kept until the label or the tree's fonts change.
    CSize m_labelExtent;
    int m_nLabelFontGeneration = -1;
    // Where the editor was last put, so that an unchanged cell moves no window.
    mutable CRect m_rcPlaced;
};
