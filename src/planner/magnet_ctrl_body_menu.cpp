// The magnet body's context menu: the state commands of the selected magnets.
#include <algorithm>

#include "controls/icon_menu.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_ctrl_body.h"
#include "planner/magnet_messages.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

void CMagnetCtrlBody::OnRButtonDown(UINT flags, CPoint point) {
    const CMagnetCtrl* control = GetControl();
    if (control && !control->m_arrDragItems.empty()) {
        CIconMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_0, LoadResString(IDS_MAGNET_STATE_0));
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_1, LoadResString(IDS_MAGNET_STATE_1));
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_2, LoadResString(IDS_MAGNET_STATE_2));
        menu.LoadToolBarImages(IDR_NAVIGATE_MENU);
        menu.ConvertToOwnerDraw(&menu);
        menu.UpdateCommandUI(&menu, this);
        CPoint screen = point;
        ClientToScreen(&screen);
        menu.TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
    }
    CWnd::OnRButtonDown(flags, point);
}

void CMagnetCtrlBody::ApplyState(int state) {
    CMagnetCtrl* control = GetControl();
    CMagnetRow* row = control ? control->GetCurrentRow() : nullptr;
    if (!row) return;
    for (CMagnetItem& magnet : row->m_arrMagnets)
        if (magnet.m_bSelected) magnet.m_nState = state;
    if (CWnd* page = control->GetPage()) page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
    Invalidate(FALSE);
}

void CMagnetCtrlBody::OnSetState0() { ApplyState(0); }
void CMagnetCtrlBody::OnSetState1() { ApplyState(1); }
void CMagnetCtrlBody::OnSetState2() { ApplyState(2); }

// Disabled as soon as one drag item is a group magnet or has the state 3, 5 or 6; checked when
// every drag item has the command's state.
void CMagnetCtrlBody::UpdateStateCommand(CCmdUI* cmdUI, int state) {
    const CMagnetCtrl* control = GetControl();
    if (!control) return;
    const auto& items = control->m_arrDragItems;
    const bool anyGroup = std::any_of(items.begin(), items.end(), [](const CMagnetItem& i) { return i.m_bGroupItem; });
    const bool locked = std::any_of(items.begin(), items.end(), [](const CMagnetItem& i) {
        return i.m_nState == 3 || i.m_nState == 5 || i.m_nState == 6;
    });
    const bool allInState =
        std::all_of(items.begin(), items.end(), [state](const CMagnetItem& i) { return i.m_nState == state; });
    cmdUI->Enable(!locked && !anyGroup);
    cmdUI->SetCheck(allInState && !anyGroup ? 1 : 0);
}

void CMagnetCtrlBody::OnUpdateSetState0(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 0); }
void CMagnetCtrlBody::OnUpdateSetState1(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 1); }
void CMagnetCtrlBody::OnUpdateSetState2(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 2); }
