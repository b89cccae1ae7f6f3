#pragma once
// CWndTasks: the tasks page. Its main control is the diary of the document's current entity;
// the side panel beside it lists what the user may add. The page fills the diary from the store
// after every change, applies drops and the panel's choice, and runs the task commands (new,
// edit, delete, group, quota, associations, copy and paste).
#include <functional>
#include <vector>

#include "frame/my_view.h"
#include "model/room_pair.h"
#include "planner/diary_ctrl.h"

class CActivity;
class CActivityGroup;
class CPlanIndex;
class CScheduleData;

// The record dialogs the page opens. Each answers TRUE when the user accepted; a dialog that is
// not installed answers as if cancelled.
struct CTasksDialogs {
    std::function<BOOL(CActivity& activity, UINT okText)> editTask;
    std::function<BOOL(CActivityGroup& group)> editGroup;
    std::function<void(CDiaryCtrl& diary, CWnd* page)> taskQuota;
    std::function<BOOL(const std::vector<int>& rooms, const std::vector<int>& staff, std::vector<CRoomPair>& pairs)>
        associations;
};

class CWndTasks : public CMyView {
public:
    static constexpr UINT kDiaryId = 100;
    static constexpr UINT_PTR kScrollTimer = 1;

    CWndTasks();
    ~CWndTasks() override;

    // Page base -------------------------------------------------------------------------------------
    CWnd* GetMainWnd() override { return &m_wndDiary; }
    void FillPanelList() override;
    void FillPanelExtraList() override {}
    void ApplyDroppedEntity() override { ApplyDroppedEntity(m_wndDiary.m_nDraggedId); }
    void ApplyDroppedEntity(int entityId);
    BOOL HasSelection() override { return m_wndDiary.CountFlaggedRows() > 0; }
    BOOL CanApplyPanelSelection(int mode, const std::vector<int>& ids) override;
    void ApplyPanelSelection(int mode, const std::vector<int>& ids) override;
    // The full refill of the diary, then the panel.
    void RefreshPanel() override;
    void Update(int kind) override;

    // Filling -----------------------------------------------------------------------------------------
    // The refresh after a change: a synchronisation when the last edit asked for one, else a
    // full refill.
    void Refresh();
    // Brings the diary's rows in step with the document, keeping day columns, collapsed rows
    // and the scroll position.
    void Rebuild();
    void StartScrollTimer(int activityId);
    CDiaryCtrl& GetDiary() { return m_wndDiary; }
    int m_bRefillFully = 1;
    int m_bDirty = 1;

    // Commands ----------------------------------------------------------------------------------------
    void OnNewTask();
    void OnEditTask();
    void OnDelete();
    void OnRemoveEntries();
    void OnDissolveGroups();
    void OnGroupTasks();
    void OnTaskQuota();
    void OnAssociations();
    void OnShowPanelFittingEntities();
    void OnShowPanelFittingRooms();
    void OnShowReport();
    void CopyToClipboard();
    void PasteFromClipboard();
    void OnToggleSelectAll();

    static CTasksDialogs s_dialogs;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnShowWindow(BOOL show, UINT status);
    void OnTimer(UINT_PTR id);
    LRESULT OnEditRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropCurrentEntity(WPARAM, LPARAM);
    LRESULT OnDropEntity(WPARAM wParam, LPARAM);
    LRESULT OnShowStatus(WPARAM, LPARAM);
    LRESULT OnNavigate(WPARAM wParam, LPARAM);
    void OnUpdateNewTask(CCmdUI* cmdUI);
    void OnUpdateEditTask(CCmdUI* cmdUI);
    void OnUpdateDelete(CCmdUI* cmdUI);
    void OnUpdateCopy(CCmdUI* cmdUI);
    void OnUpdatePaste(CCmdUI* cmdUI);
    void OnUpdateDefault(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    void OnSplit() { m_wndDiary.ToggleSplit(); }
    void OnExpandAll() { m_wndDiary.SetAllCollapsed(false); }
    void OnCollapseAll() { m_wndDiary.SetAllCollapsed(true); }
    DECLARE_MESSAGE_MAP()

private:
    static void AddProblem(CScheduleData& data, int kind, const CString& text, int record);
    void AddActivityRow(const CScheduleData& data, const CActivity& activity, const CPlanIndex& index);
    void AddRowMembers(const CScheduleData& data, const CActivity& activity, const CPlanIndex& index);
    CDiaryEntityTimes BuildEntityTimes(const CScheduleData& data, int entityId, const CPlanIndex& index) const;
    // Clips the interval to the current entity's own working day; false when it lies outside.
    bool ClipToCurrentDay(const CScheduleData& data, COleDateTime& start, COleDateTime& end) const;
    void FillCurrentTimes(const CScheduleData& data, const CPlanIndex& index);
    void ClosePanelUnlessPinned();
    // The flagged rows' activity ids, in row order.
    std::vector<int> FlaggedActivities() const;
    void EditActivity(int activityId, bool clearRoomsOfLocation);
    void EditGroup(int groupId);
    void EndWithRecheck(CScheduleData& data);

    CDiaryCtrl m_wndDiary;
    int m_nPendingActivity = 0;
};
