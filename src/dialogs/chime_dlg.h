#pragma once
// CChimeDlg: edits one bell schedule (chime set): its name, whether it becomes the plan's
// default, and its intervals on the day-schedule control. OK writes into the caller's set and
// stays open while the name is empty or a lesson misses the same lesson of another set.
#include "controls/hover_button.h"
#include "controls/option_tree.h"
#include "controls/theme_library.h"
#include "dialogs/day_schedule_ctrl.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_map.h"
#include "platform/ui/tool_bar.h"

class CChimeSet;
class COptionTreeItemCheckBox;
class COptionTreeItemEdit;
class CScheduleData;

class CChimeDlg : public CDialog {
public:
    static constexpr UINT kTreeId = 1252;

    CChimeDlg(CChimeSet* record, CWnd* pParentWnd = nullptr);
    ~CChimeDlg() override;

    BOOL OnInitDialog() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Loads the edited set into the control.
    void LoadSchedule();
    // Empty when every lesson of the set overlaps, within 3 minutes, the lesson of the same
    // number in every other set of the plan; otherwise the message to show.
    CString CheckAgainstOtherSets() const;

    CToolBar m_toolBar;
    CDayScheduleCtrl m_schedule;
    CThemeLibrary m_theme;
    COptionTree m_tree;
    CHoverButton m_btnOk;
    CHoverButton m_btnCancel;
    COptionTreeItemEdit* m_pNameItem = nullptr;
    COptionTreeItemCheckBox* m_pDefaultItem = nullptr;
    int m_bMakeDefault = 0;
    CChimeSet* m_record;

    void OnBnClickedOk();

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnReloadSchedule();
    DECLARE_MESSAGE_MAP()

private:
    void LayoutControls();
    const CScheduleData* Document() const;
};
