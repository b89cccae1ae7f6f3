#include "controls/mark_static.h"

BEGIN_MESSAGE_MAP(CMarkStatic, CStatic)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void CMarkStatic::OnTimer(UINT_PTR) {
    // 500 ms on, 500 ms off: the first tick hides a new mark.
    ShowWindow(m_bVisibleToggle ? SW_SHOW : SW_HIDE);
    m_bVisibleToggle = !m_bVisibleToggle;
}
