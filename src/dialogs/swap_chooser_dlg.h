#pragma once
// CSwapChooserDlg: after a dropped entry could not simply be placed, lists the entries it can
// swap places with and the free times it can move to, in two groups. While the planner moves
// through the list, the grid that started the drag previews the highlighted target; every way
// out hides the preview. OK gives the chosen target.
//
// Messages to the owner (the grid), sent at once:
//   WM_USER+37 (0, 0)              show the preview
//   WM_USER+38 (0, 0)              hide the preview
//   WM_USER+39 (value, 0)          preview swapping with the entry of that value
//   WM_USER+39 (&start, 1)         preview moving to the start (a COleDateTime)
#include <vector>

#include "dialogs/hover_button_dialog.h"
#include "dialogs/swap_records.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"

inline constexpr UINT WM_SWAP_PREVIEW_SHOW = WM_USER + 37;
inline constexpr UINT WM_SWAP_PREVIEW_HIDE = WM_USER + 38;
inline constexpr UINT WM_SWAP_PREVIEW_TARGET = WM_USER + 39;

class CSwapChooserDlg : public CHoverButtonDialog {
public:
    // The template's list of targets.
    static constexpr int kListId = 1027;

    CSwapChooserDlg(const std::vector<CSwapRecord>* pSwapTargets, const std::vector<CFreeTimeRecord>* pFreeTimes,
                    CWnd* pOwner, CWnd* pParentWnd);

    void LayoutControls();
    // A list-view group at the index of its id, with a centred header.
    void InsertGroup(const CString& header, int groupId);

    const std::vector<CSwapRecord>* m_swapTargets;
    const std::vector<CFreeTimeRecord>* m_freeTimes;
    CWnd* m_owner;
    int m_swapCount = 0;
    CImageList m_images;
    CListCtrl m_list;
    DWORD_PTR m_chosenValue = 0;
    COleDateTime m_chosenTime{2000, 1, 1, 0, 0, 0};
    int m_choseSwap = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    int FirstSelectedRow() const;
    void Tell(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
