#pragma once
// CWndTimeTable: the timetable page of the main frame. The grid control fills the left part and
// the side panel the right part. The first pane shows the document's current entity, the second
// (in the split display) the entity of the chosen folder tab. The page fills the panes from the
// document, follows the frame's update broadcast, and writes every edit the grid reports back
// into the document under one undo step with the plan check.
#include <cstdint>
#include <functional>
#include <vector>

#include "frame/my_view.h"
#include "frame/select_by_filter.h"
#include "model/schedule_data.h"
#include "timetable/item_time.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/timetable_panel_apply.h"
#include "timetable/timetable_panel_lists.h"

// What the absence wizard collected: the checked plan days (whole-day mode), the absent
// entities (the shown one first), the absence record and the two options of its last page.
struct CAbsenceWizardAnswers {
    std::vector<int> days;
    std::vector<int> entities;
    CAbsence absence;
    int cancelEntries = 1;  // cancel the entries of the absent entities
    int mayReplace = 1;     // existing absences may be replaced or split
};

// The dialogs the page opens; the program installs them, tests answer for the user. An empty
// function counts as cancelled.
struct CTimeTableDialogs {
    // The absence wizard, with the days page in whole-day mode; TRUE for Finish.
    std::function<BOOL(BOOL wholeDay, CAbsenceWizardAnswers& answers)> absenceWizard;
    // The remark of the selected items; TRUE for OK.
    std::function<BOOL(CString& remark)> remark;
    // A stand-in for the entry: edits the replacement record; TRUE for OK.
    std::function<BOOL(CReplacement& record, CTimetableEntry& entry, const CString& okText, int openChoice,
                       const std::vector<int>& candidates)>
        substitute;
    // The activities of a dropped group: OK keeps the ticked ones of the two placeable lists.
    std::function<BOOL(std::vector<int>& placeableWithEntity, std::vector<int>& complete,
                       std::vector<int>& notPlaceable, std::vector<int>& placeableOthers)>
        chooseActivities;
    // The activity as a task, with the OK button's text id; TRUE for OK.
    std::function<BOOL(CActivity& activity, UINT okText)> editTask;
    // The group's name, colours and hatch; TRUE for OK.
    std::function<BOOL(CActivityGroup& group)> editGroup;
    // An absence record, with the OK button's text; TRUE for OK.
    std::function<BOOL(CAbsence& absence, const CString& okText)> editAbsence;
    // The (room, entity) pairs of a lesson among its rooms and staff; TRUE for OK.
    std::function<BOOL(const std::vector<int>& rooms, const std::vector<int>& staff, std::vector<CRoomPair>& pairs)>
        associations;
    // The select-by filter; TRUE for OK.
    std::function<BOOL(CSelectByFilter& filter)> selectBy;
};

// A working record of the item building: a block of one activity group.
struct CGroupBlock {
    int m_nGroup = 0;
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
};
// Earlier start first (3 minutes and more apart), then the longer, then the smaller group id.
bool CompareGroupBlocks(const CGroupBlock& a, const CGroupBlock& b);
// Extends the block to the new end when it is then at least minimumMinutes long.
void ExtendGroupBlock(CGroupBlock& block, const COleDateTime& newEnd, int minimumMinutes);
// Sorts the blocks and merges those of the same group that overlap by more than 5 minutes.
void MergeGroupBlocks(std::vector<CGroupBlock>& blocks);

class CWndTimeTable : public CMyView {
public:
    static constexpr UINT kControlId = 100;
    // The sources of group items: the high bit keeps them apart from entry serials.
    static constexpr std::uint64_t kGroupItemKey = std::uint64_t{1} << 63;

    CWndTimeTable();
    ~CWndTimeTable() override;

    void Update(int kind) override;
    // The refresh after a plan check; a document whose plan days differ from the grid's (one
    // just loaded) is taken as a new document.
    void RefreshContent(const CPageContent& content) override;

    // Page-base slots.
    CWnd* GetMainWnd() override;
    void FillPanelList() override;
    void FillPanelExtraList() override;
    void OnLayoutDone() override;
    void ApplyDroppedEntity() override;
    BOOL HasSelection() override;
    BOOL CanApplyPanelSelection(int mode, const std::vector<int>& ids) override;
    BOOL ConfirmPanelSelection(int mode) override;
    void ApplyPanelSelection(int mode, const std::vector<int>& ids) override;
    void RefreshPanel() override;

    // The page's own panel lists (wnd_time_table_panel.cpp); without a selection in the grid
    // the first three fall back to the base's lists of the same mode.
    void FillPlaceableActivities();
    void FillJoinableEntities();
    void FillFreeRooms();
    // The people and own rooms of the active pane's current lesson (mode 5).
    void RebuildList();
    // Refills the panel when it shows the mode.
    void RefreshPanelMode(int mode);

    // Filling the panes (wnd_time_table_items.cpp).
    void FillView(int pane, int entityId);
    void SetDayWindows(CTimeTableCtrlView& pane, const CEntity& entity);
    void AddAbsenceBlocks(CTimeTableCtrlView& pane, const CEntity& entity);
    void AddEntryItems(CTimeTableCtrlView& pane, const CEntity& entity);

    // The entity of the active pane; the end of the entities when there is none.
    CEntityArray::iterator GetActiveViewEntity();
    // Writes every item of the active pane back.
    void CommitItems();
    // The active pane's selected lessons to the clipboard, and the clipboard's fragment into the
    // current entity's activities (wnd_time_table_clipboard.cpp).
    void CopyToClipboard();
    void PasteFromClipboard();
    // Absences of the active pane's entity (wnd_time_table_absences.cpp).
    void RunAbsenceWizard();
    void OnRemoveAbsences();
    // Removal and selection commands (wnd_time_table_commands.cpp). OnRemove takes out the
    // selected lessons, and those inside selected ranges: whole when they are the entity's own,
    // else only the entity's part in them.
    void OnRemove();
    void OnToggleSelectAll();
    void OnSwapSelectionKind();
    void OnTogglePinnedRanges();
    // Selects time by plan days and hours, or lessons by group, activity or a participant's name.
    void OnSelectBy();
    // A new task of the active pane's entity over the selected free time (wnd_time_table_tasks.cpp).
    void OnNewTask();
    // Edits the activity or else the group of the active pane's current item.
    void OnEdit();
    // The double click on the grid: an entry, a group item, or empty time (an absence there).
    LRESULT OnItemDoubleClicked(WPARAM entrySerial, LPARAM groupId);
    // The room pairs of the one selected lesson (wnd_time_table_associations.cpp).
    void OnAssociations();
    // The absence in the selected time, then the remark of the selected lessons in state 9.
    void OnEditAbsenceOrRemark();
    LRESULT OnAssociationsRequest(WPARAM, LPARAM);
    // The lesson's room pairs in the association dialog, its unpaired rooms dropped on request;
    // TRUE when the lesson changed.
    BOOL EditAssociations(std::uint64_t entrySerial);

    CTimeTableCtrl& GetControl() { return m_wndTimeTable; }
    const std::vector<CItemTime>& GetPinnedRanges() const { return m_arrPinnedRanges; }

    static CTimeTableDialogs s_dialogs;

    int m_bGrouping = 1;
    int m_bEntryColours = 1;
    int m_bPendingRefresh = 1;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnShowWindow(BOOL show, UINT status);
    LRESULT OnItemClicked(WPARAM pane, LPARAM);
    // In the split display: folder tabs for the people of the clicked lesson.
    void AddTabsForClickedItem(WPARAM pane);
    // The report of what the page shows, on the reports page.
    void OnPageReport();
    LRESULT OnItemsChanged(WPARAM pane, LPARAM remark);
    LRESULT OnEntityDroppedOnItem(WPARAM, LPARAM);
    LRESULT OnActivityDropped(WPARAM pane, LPARAM);
    LRESULT OnGroupDropped(WPARAM pane, LPARAM);
    LRESULT OnPointerMoved(WPARAM, LPARAM);
    LRESULT OnNavigateEntity(WPARAM entityId, LPARAM);
    LRESULT OnTabChanged(WPARAM entityId, LPARAM);
    void OnToggleSplit();
    void OnShowPlaceableActivities();
    void OnShowJoinableEntities();
    void OnShowFreeRooms();
    void OnShowEntryPeople();
    void OnUpdateShowPanelMode(CCmdUI* cmdUI);
    void OnUpdateCopy(CCmdUI* cmdUI);
    void OnUpdatePaste(CCmdUI* cmdUI);
    void OnPrint();
    void OnUpdatePrint(CCmdUI* cmdUI);
    void OnUpdateRemove(CCmdUI* cmdUI);
    void OnUpdateNewTask(CCmdUI* cmdUI);
    void OnUpdateEdit(CCmdUI* cmdUI);
    LRESULT OnDeleteKey(WPARAM, LPARAM);
    LRESULT OnSelectAllKey(WPARAM, LPARAM selectAll);
    LRESULT OnEntryPeopleRequest(WPARAM, LPARAM);
    LRESULT OnClosePanelRequest(WPARAM, LPARAM);
    void OnToggleGroupBlocks();
    void OnToggleEntryColours();
    void OnUpdateToggleSplit(CCmdUI* cmdUI);
    void OnUpdateToggleGroupBlocks(CCmdUI* cmdUI);
    void OnUpdateToggleEntryColours(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void ClosePanelUnlessPinned();
    // Adds the list's groups and items to the panel and fills it.
    void ShowPanelList(const CPanelList& list);
    void ShowPageMode(int mode, UINT dragImage, const CPanelList& list);
    void LayoutColumnsForNoEntity();
    void AddTabsFromPanel();
    // Makes the entity the second pane's, with its room flag and chime set.
    void SetSecondPaneEntity(const CEntity& entity);
    // After an edit that may break an OVERLAPS limit: rolls it back (the problems listed) when
    // it puts an entity over its limit that was not over it before (overLimitBefore), else runs
    // the plan check.
    void FinishEdit(CScheduleData& data, const std::vector<int>& overLimitBefore);
    // The activity in the task dialog; on OK it is written back (its rooms dropped when
    // clearRoomsForLocation and it names a LOCATION) and the plan checked.
    void EditActivity(int activityId, BOOL clearRoomsForLocation);
    // The group's name, colours and hatch in the group dialog; on OK written back and the plan
    // checked.
    void EditGroup(int groupId);
    // The first absence of the active pane's entity that matches a selected range, in the
    // absence dialog; on OK written back and the plan checked. The double click walks the ranges
    // and takes an overlapping absence; the command walks the absences, and a whole-day absence
    // matches a range on its day. TRUE when an absence was found.
    BOOL EditAbsenceInRanges(BOOL fromCommand);

    CTimeTableCtrl m_wndTimeTable;
    std::vector<CItemTime> m_arrPinnedRanges;
    // Numbers the group items of a fill; a group item's source is kGroupItemKey + the number.
    std::uint64_t m_nNextGroupKey = 0;
    MessageAnswer m_panelPlacing = MessageAnswer::Yes;  // the placing chosen for the panel apply under way
};
