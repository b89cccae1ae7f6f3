#pragma once
// COptionTree: the property grid of the record dialogs, wizard pages and the options page. A
// tree of rows: top-level category rows with a bold label spanning the width, and value rows
// with a label column and a value column split by a draggable splitter. Each value row is an
// item (option_tree_item.h) that draws its value and owns an editor shown over the value cell
// while the row is edited. An info pane below shows the selected row's label and description;
// marks beside rows flag invalid values. The owner hears about changes through WM_NOTIFY.
//
//   tree.Create(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(), this, 101, 0x19);
//   tree.SetNotify(1, this);
//   COptionTreeItem* group = tree.InsertItem(nullptr, new COptionTreeItem);
//   auto* name = static_cast<COptionTreeItemEdit*>(tree.InsertItem(group, new COptionTreeItemEdit));
//   name->SetLabel(...); name->CreateEditWindow(0, 0);
//   tree.ExpandAllItems();
#include "controls/mark_manager.h"
#include "controls/option_tree_info.h"
#include "controls/option_tree_item.h"
#include "controls/option_tree_list.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"

// Option bits of COptionTree::Create.
inline constexpr DWORD OT_OPTIONS_SHOWINFOWINDOW = 0x1, OT_OPTIONS_NOTIFY = 0x2, OT_OPTIONS_DEFINFOTEXTNOSEL = 0x4,
                       OT_OPTIONS_SHADEEXPANDCOLUMN = 0x8, OT_OPTIONS_SHADEROOTITEMS = 0x10;

// Notification codes (WM_NOTIFY with an NMOPTIONTREE).
inline constexpr int OTN_INSERTITEM = -1101, OTN_DELETEITEM = -1102, OTN_ITEMCHANGED = -1105,
                     OTN_SELCHANGED = -1107, OTN_ITEMEXPANDING = -1108, OTN_COLUMNCLICK = -1109,
                     OTN_ITEMBUTTONCLICK = -1110;

// The control id of the list window and the height of the info pane.
inline constexpr int OT_LIST_ID = 30000, OT_INFO_HEIGHT = 50;

struct NMOPTIONTREE {
    NMHDR hdr;
    COptionTreeItem* otiItem;
};

class COptionTree : public CWnd {
public:
    using EnumCallback = int (*)(COptionTree* tree, COptionTreeItem* item, LPARAM lParam);

    COptionTree();
    ~COptionTree() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwOptions);
    using CWnd::Create;
    void SetNotify(BOOL bNotify, CWnd* pNotifyWnd);
    void ResizeControls(int height, int width);
    void SetColumnWidth(int width);
    int GetColumnWidth() const { return m_nColumnWidth; }

    COptionTreeItem* InsertItem(COptionTreeItem* pParent, COptionTreeItem* pItem);
    void DeleteItem(COptionTreeItem* pItem);
    void ExpandAllItems();
    int EnumItems(COptionTreeItem* pStart, EnumCallback callback, LPARAM lParam);
    static int ExpandItemProc(COptionTree* tree, COptionTreeItem* item, LPARAM lParam);
    void SelectItem(COptionTreeItem* pItem);
    void EnsureVisible(COptionTreeItem* pItem);

    // Sends a notification to the notify window when notifications are on; the answer
    // (non-zero refuses where that counts), 0 when nothing was sent.
    LRESULT Notify(int code, COptionTreeItem* pItem);
    // Recomputes the rows and the scroll range (list window) and repaints.
    void UpdateScrollRange();
    // Lays the rows out again, places the editors, and repaints the list and the info pane.
    void Repaint();

    COptionTreeItem* GetRootItem() { return &m_root; }
    COptionTreeItem* GetSelectedItem() const { return m_pSelected; }
    COptionTreeItem* GetFirstDrawn() const { return m_pFirstDrawn; }
    int GetScrollPosition() const { return m_nScrollPos; }
    DWORD GetOptions() const { return m_dwOptions; }
    CWnd* GetNotifyWnd() const { return m_pNotifyWnd; }
    COptionTreeList& GetList() { return m_list; }

    // Tab on the rows or in an editor takes the focus on to the dialog's next control (Shift+Tab
    // the previous one), ending an open edit; Enter and the arrows keep moving from row to row.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    COptionTreeInfo& GetInfo() { return m_info; }
    CImageList& GetImageList() { return m_images; }

    // The shared fonts (built with the first tree, rebuilt on a system colour change).
    static CFont* NormalFont();
    static CFont* BoldFont();
    // Changes whenever the shared fonts are built again (measurements made before are stale).
    static int FontGeneration() { return s_fontGeneration; }

    CMarkManager m_markManager;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnEnable(BOOL bEnable);
    void OnSetFocus(CWnd* pOldWnd);
    void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    friend class COptionTreeList;
    static void BuildFonts();
    static void DeleteFonts();
    void DeleteSubtree(COptionTreeItem* pItem);

    DWORD m_dwOptions = 0;
    COptionTreeInfo m_info;
    COptionTreeItem m_root;
    COptionTreeItem* m_pFirstDrawn = nullptr;
    COptionTreeItem* m_pSelected = nullptr;
    int m_nColumnWidth = 150;
    int m_nScrollPos = 0;
    COptionTreeList m_list;
    int m_nLastId = 0;
    CWnd* m_pNotifyWnd = nullptr;
    CImageList m_images;

    static int s_instances;
    static CFont* s_normalFont;
    static CFont* s_boldFont;
    static int s_fontGeneration;
};
