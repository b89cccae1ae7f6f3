// Default handlers of the owner-draw, idle, palette and system-change messages.
#include "platform/ui/control_defs.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

// Offers an owner-draw message to the control it is about, whose class may draw itself.
BOOL ReflectToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* child = CWnd::FromHandlePermanent(control);
    LRESULT result = 0;
    return child && child->OnChildNotify(message, wParam, lParam, &result);
}

}  // namespace

// A parent that draws some of its controls itself hands the others back to their classes.
void CWnd::OnDrawItem(int nIDCtl, DRAWITEMSTRUCT* lpDrawItemStruct) {
    if (lpDrawItemStruct && lpDrawItemStruct->CtlType != ODT_MENU &&
        ReflectToControl(lpDrawItemStruct->hwndItem, WM_DRAWITEM, static_cast<WPARAM>(nIDCtl),
                         reinterpret_cast<LPARAM>(lpDrawItemStruct)))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, MEASUREITEMSTRUCT* lpMeasureItemStruct) {
    if (lpMeasureItemStruct && lpMeasureItemStruct->CtlType != ODT_MENU &&
        ReflectToControl(::GetDlgItem(m_hWnd, nIDCtl), WM_MEASUREITEM, static_cast<WPARAM>(nIDCtl),
                         reinterpret_cast<LPARAM>(lpMeasureItemStruct)))
        return;
    Default();
}

void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }
void CWnd::OnDevModeChange(LPTSTR) { Default(); }
void CWnd::OnFontChange() { Default(); }
