#pragma once
// CWndContacts: the contacts page. A vertical tab strip chooses the kind of record, and the
// cards control shows the entities of that kind (or the chime sets) as address cards. The page
// adds, edits, deletes, copies and pastes records, runs the bulk commands on the selected
// cards and keeps the document's current entity in step with the current card.
#include <functional>
#include <vector>

#include "controls/vertical_tab_ctrl.h"
#include "frame/cards_ctrl.h"
#include "frame/frame_page.h"
#include "frame/multiple_entity_edit.h"
#include "frame/select_by_filter.h"
#include "platform/ui/image_list.h"

class CChimeSet;
class CEntity;
class CScheduleData;

// The record dialogs the page opens. Each answers TRUE when the user accepted; a dialog that is
// not installed leaves its commands disabled.
struct CContactsDialogs {
    std::function<BOOL(CEntity& entity, UINT caption, bool multiple, CMultipleEditOptions& options)> editEntity;
    std::function<BOOL(CChimeSet& set, UINT caption, bool& makeDefault)> editChimeSet;
    std::function<BOOL(CSelectByFilter& filter)> selectBy;
};

class CWndContacts : public CFramePage {
public:
    static constexpr UINT kTabsId = 100, kCardsId = 101;
    static constexpr int kChimeMask = 64;

    CWndContacts();
    ~CWndContacts() override;

    void Update(int kind) override;
    void FillCards();
    BOOL ShowCurrentEntity();

    int GetKindMask() const { return m_nKindMask; }
    CCardsCtrl& GetCards() { return m_wndCards; }
    CMyVerticalTabCtrl& GetTabs() { return m_wndTabs; }
    // The ids the commands act on: the selected cards, else the current card.
    std::vector<int> SelectedIds() const;

    static CContactsDialogs s_dialogs;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnSetFocus(CWnd* old);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    LRESULT OnTabChanged(WPARAM key, LPARAM);
    LRESULT OnCardSelected(WPARAM, LPARAM);
    LRESULT OnCardDblClk(WPARAM, LPARAM);
    void OnAdd();
    void OnUpdateAdd(CCmdUI* cmdUI);
    void OnEdit();
    void OnUpdateEdit(CCmdUI* cmdUI);
    void OnDelete();
    void OnUpdateDelete(CCmdUI* cmdUI);
    void OnEditMultiple();
    void OnUpdateEditMultiple(CCmdUI* cmdUI);
    void OnRemoveFromActivities();
    void OnRemoveEntries();
    void OnRemoveReplacements();
    void OnResetWeekHours();
    void OnUpdateEntityCommand(CCmdUI* cmdUI);
    void OnCreateRooms();
    void OnSelectAll();
    void OnResetColours();
    void OnResetChimeTimes();
    void OnUpdateResetChimeTimes(CCmdUI* cmdUI);
    void OnSelectBy();
    void OnUpdateSelectBy(CCmdUI* cmdUI);
    void OnReportSelected();
    void OnUpdateReportSelected(CCmdUI* cmdUI);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* cmdUI);
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI* cmdUI);
    void OnUpdateAlwaysEnabled(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()

private:
    bool OnChimeTab() const { return m_nKindMask == kChimeMask; }
    // The command's update handler, asked again before the command acts.
    bool IsEnabled(UINT id);
    void SwitchTab(int key);
    void EditChimeSet();

    int m_nKindMask = 1;
    CImageList m_imlTabs;
    CMyVerticalTabCtrl m_wndTabs;
    CCardsCtrl m_wndCards;
};
