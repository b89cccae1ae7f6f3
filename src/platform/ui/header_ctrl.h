#pragma once
// CHeaderCtrl: the column header of a list view (LVM_GETHEADER, CListCtrl::GetHeaderCtrl). The
// list view draws its own header; this window answers the header messages with the list's
// columns.
#include "platform/ui/wnd.h"

#define WC_HEADER L"SysHeader32"

inline constexpr UINT HDM_FIRST = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0, HDM_GETITEMW = HDM_FIRST + 11, HDM_GETITEM = HDM_GETITEMW;
inline constexpr UINT HDI_WIDTH = 0x0001, HDI_TEXT = 0x0002, HDI_FORMAT = 0x0004, HDI_LPARAM = 0x0008;

struct HDITEM {
    UINT mask;
    int cxy;
    LPTSTR pszText;
    HBITMAP hbm;
    int cchTextMax;
    int fmt;
    LPARAM lParam;
    int iImage;
    int iOrder;
};
using LPHDITEM = HDITEM*;

class CHeaderCtrl : public CWnd {
public:
    CHeaderCtrl() = default;
    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
};

namespace vorn_ui {
// The header window of a list view, made on first use.
HWND HeaderOfListView(HWND listView);
}  // namespace vorn_ui
