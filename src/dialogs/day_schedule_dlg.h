#pragma once
// CDayScheduleDlg: the day-schedule control alone with its vertical toolbar; the owner fills the
// control before the dialog runs and reads it afterwards. The toolbar set-up, the command
// forwarding and the reload from the plan's default bell schedule are shared with CChimeDlg.
#include "dialogs/day_schedule_ctrl.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_bar.h"

class CScheduleData;

class CDayScheduleDlg : public CDialog {
public:
    explicit CDayScheduleDlg(CWnd* pParentWnd = nullptr);
    ~CDayScheduleDlg() override;

    BOOL OnInitDialog() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The toolbar docked on the dialog's left and the control beside it.
    static void CreateToolBarAndControl(CDialog& dialog, CToolBar& toolBar, CDayScheduleCtrl& control);
    // Loads the plan's default bell schedule into the control; nothing when there is none.
    // The sets keep their ids: an open dialog never renumbers one.
    static void ReloadSchedule(const CScheduleData* data, CDayScheduleCtrl& control);

    CToolBar m_toolBar;
    CDayScheduleCtrl m_schedule;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnReloadSchedule();
    DECLARE_MESSAGE_MAP()
};
