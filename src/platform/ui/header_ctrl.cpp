#include "platform/ui/header_ctrl.h"

#include <string>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {

int ColumnCount(HWND list) {
    int count = 0;
    LVCOLUMN col{};
    col.mask = LVCF_WIDTH;
    while (SendMessage(list, LVM_GETCOLUMN, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&col))) ++count;
    return count;
}

LRESULT HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND list = GetParent(hwnd);
    switch (message) {
    case HDM_GETITEMCOUNT: return list ? ColumnCount(list) : -1;
    case HDM_GETITEM: {
        auto* item = reinterpret_cast<HDITEM*>(lParam);
        if (!item || !list) return FALSE;
        LVCOLUMN col{};
        if (item->mask & HDI_WIDTH) col.mask |= LVCF_WIDTH;
        if (item->mask & HDI_FORMAT) col.mask |= LVCF_FMT;
        if (item->mask & HDI_TEXT) {
            col.mask |= LVCF_TEXT;
            col.pszText = item->pszText;
            col.cchTextMax = item->cchTextMax;
        }
        if (!SendMessage(list, LVM_GETCOLUMN, wParam, reinterpret_cast<LPARAM>(&col))) return FALSE;
        if (item->mask & HDI_WIDTH) item->cxy = col.cx;
        if (item->mask & HDI_FORMAT) item->fmt = col.fmt;
        if (item->mask & HDI_LPARAM) item->lParam = 0;
        return TRUE;
    }
    default: return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

bool IsHeader(HWND h) {
    wchar_t name[32] = {};
    return GetClassName(h, name, 32) > 0 && std::wstring(name) == WC_HEADER;
}

}  // namespace

namespace vorn_ui {

HWND HeaderOfListView(HWND listView) {
    if (!IsWindow(listView)) return nullptr;
    for (HWND child = GetWindow(listView, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsHeader(child)) return child;
    static const bool registered = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = &HeaderProc;
        wc.lpszClassName = WC_HEADER;
        return RegisterClass(&wc) != 0;
    }();
    if (!registered) return nullptr;
    // Hidden and empty: the list view shows the header itself.
    return CreateWindowEx(0, WC_HEADER, L"", WS_CHILD, 0, 0, 0, 0, listView, nullptr, nullptr, nullptr);
}

}  // namespace vorn_ui

int CHeaderCtrl::GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const {
    return static_cast<BOOL>(SendMessage(HDM_GETITEM, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}
