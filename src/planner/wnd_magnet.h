#pragma once
// CWndMagnet: the magnet board page. The board (CMagnetCtrl) shows a row for every class and a
// column for every plan day; the entity board beside it offers the current row's groups and
// activities to drag onto the board (mode 1), or check lists of the rows and days to show
// (mode 3). The page rebuilds the board from the document on the frame's updates and writes
// every edit the board reports back to the document under one undo level, followed by the plan
// check; an edit that leaves an entity over its overlap limit is rolled back.
#include <functional>
#include <vector>

#include "frame/my_display.h"
#include "planner/magnet_ctrl.h"

class CActivity;
class CPageContent;
class CScheduleData;

// The dialogs the page opens belong to a higher layer; the program installs them.
struct CMagnetPageDialogs {
    // Edits the activity; okText is the id of the OK button's text. True on OK.
    std::function<bool(CActivity& activity, UINT okText)> editActivity;
    // The chooser of a group drop: on OK (true) it has taken the unticked activities out of the
    // first and the fourth list.
    std::function<bool(std::vector<int>& chosen, std::vector<int>& filled, std::vector<int>& refused,
                       std::vector<int>& others)>
        chooseActivities;
};

class CWndMagnet : public CMyDisplay {
public:
    static constexpr UINT kControlId = 8557;
    // Item data of a day in the check lists: this plus the day index.
    static constexpr int kDayItemBase = 9000;

    CWndMagnet();
    ~CWndMagnet() override;

    static void SetDialogs(CMagnetPageDialogs dialogs);
    static const CMagnetPageDialogs& GetDialogs();

    CWnd* GetMainWnd() override { return &m_ctrl; }
    void Refresh() override;
    void FillBoard() override;
    void FillBoardByKind() override;
    void Update(int kind) override;
    void RefreshContent(const CPageContent& content) override;

    CMagnetCtrl& GetControl() { return m_ctrl; }
    bool IsDirty() const { return m_bDirty != 0; }

    // Commands (public for the tests, as the frame routes them) ------------------------------------
    void OnNewActivity();
    void OnEditActivity();
    void OnDeleteMagnets();
    void OnShowRowBoard();
    void OnShowSelectionBoard();
    void OnPageReport();
    // The report of the board's classes, in row order; nothing is asked for when no row is a
    // class of the document.
    void OnRowsReport();
    void OnProblemsReport();
    void OnToggleMarks();
    void OnToggleSplit();
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomFit();

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnShowWindow(BOOL show, UINT status);
    LRESULT OnBoardChecksChanged(WPARAM, LPARAM);
    LRESULT OnMagnetsEdited(WPARAM, LPARAM);
    LRESULT OnActivityDropped(WPARAM, LPARAM);
    LRESULT OnGroupDropped(WPARAM, LPARAM);
    LRESULT OnCurrentRowChanged(WPARAM, LPARAM);
    void OnUpdateHasRow(CCmdUI* cmdUI);
    void OnUpdateEditActivity(CCmdUI* cmdUI);
    void OnUpdateDeleteMagnets(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Rows for every class and columns for every plan day.
    void RebuildRowsAndDays();
    void SortDayColumns();
    // Empties the entity board's groups and items, unpins it and sets its check boxes.
    void ResetBoard(int checkBoxes);
    // Makes the row of the entity current again after a rebuild, when it is still shown.
    void RestoreCurrentRow(int entityId);
    // The end of every edit: an edit that puts an entity over its OVERLAPS limit that was not
    // over it before (overLimitBefore) is rolled back (the problems listed, the snapshot restored
    // and dropped, the board rebuilt), else the plan check runs.
    void FinishEdit(CScheduleData& data, const std::vector<int>& overLimitBefore);

    CMagnetCtrl m_ctrl;
    int m_bDirty = 1;
    int m_bMarks = 0;
};
