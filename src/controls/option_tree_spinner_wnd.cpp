#include "controls/option_tree_spinner_wnd.h"

#include <cwchar>

#include "controls/option_tree.h"
#include "platform/ui/system_metrics.h"
#include "platform/core/colors.h"
#include "platform/core/text_scan.h"
#include "platform/core/window_styles.h"
#include "controls/buffered_paint_dc.h"
#include "platform/ui/system_metrics.h"

BEGIN_MESSAGE_MAP(COptionTreeSpinnerWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_MESSAGE(OT_SPINNER_EDIT_CHANGED, &COptionTreeSpinnerWnd::OnEditChanged)
    ON_MESSAGE(OT_SPINNER_STEP_UP, &COptionTreeSpinnerWnd::OnStepUp)
    ON_MESSAGE(OT_SPINNER_STEP_DOWN, &COptionTreeSpinnerWnd::OnStepDown)
END_MESSAGE_MAP()

namespace {
constexpr int kButtonWidth = 17;
}

int COptionTreeSpinnerWnd::InitialDelay(int delaySetting) { return delaySetting < 0 ? 500 : (delaySetting + 1) * 250; }

int COptionTreeSpinnerWnd::RepeatIntervalFor(int speedSetting) {
    return speedSetting < 0 ? 200 : 400 - 12 * speedSetting;
}

double COptionTreeSpinnerWnd::Step(double value, bool up, double minimum, double maximum, bool wrap) {
    if (up) {
        if (value + 1 <= maximum) return value + 1;
        return wrap ? minimum : value;
    }
    if (value - 1 >= minimum) return value - 1;
    return wrap ? maximum : value;
}

int COptionTreeSpinnerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CRect client;
    GetClientRect(&client);
    client.right -= kButtonWidth;
    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_AUTOHSCROLL, client, this, 1000)) return -1;
    m_edit.SetSel(0, 0);
    m_edit.SetFont(COptionTree::NormalFont());
    m_edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_edit.m_pSpinner = this;
    UINT delay = 0, speed = 0;
    const bool haveDelay = ::SystemParametersInfo(SPI_GETKEYBOARDDELAY, 0, &delay, 0) != FALSE;
    const bool haveSpeed = ::SystemParametersInfo(SPI_GETKEYBOARDSPEED, 0, &speed, 0) != FALSE;
    m_nRepeatDelay = InitialDelay(haveDelay ? static_cast<int>(delay) : -1);
    m_nRepeatInterval = RepeatIntervalFor(haveSpeed ? static_cast<int>(speed) : -1);
    return 0;
}

void COptionTreeSpinnerWnd::PlaceEdit() {
    if (!m_edit.m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    m_edit.MoveWindow(0, 0, std::max(0, client.Width() - kButtonWidth), client.Height());
    m_edit.ShowWindow(SW_SHOW);
}

void COptionTreeSpinnerWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    PlaceEdit();
    LayoutButtons();
}

void COptionTreeSpinnerWnd::OnMove(int x, int y) {
    CWnd::OnMove(x, y);
    PlaceEdit();
}

void COptionTreeSpinnerWnd::SetValue(double value) {
    if (!m_edit.m_hWnd) return;
    CString text;
    text.Format(L"%.0f", value);
    m_edit.SetWindowText(text);
}

BOOL COptionTreeSpinnerWnd::GetValue(double& value) const {
    value = 0.0;
    if (!m_edit.m_hWnd) return FALSE;
    CString text;
    m_edit.GetWindowText(text);
    value = _wtof(text.GetString());
    return TRUE;
}

CString COptionTreeSpinnerWnd::GetText() const {
    CString text;
    if (m_edit.m_hWnd) m_edit.GetWindowText(text);
    return text;
}

void COptionTreeSpinnerWnd::StepBy(bool up) {
    double value = 0.0;
    GetValue(value);
    const double next = Step(value, up, m_dMin, m_dMax, (m_dwOptions & OT_SPINNER_WRAPAROUND) != 0);
    if (next != value) SetValue(next);
}

void COptionTreeSpinnerWnd::LayoutButtons() {
    CRect client;
    GetClientRect(&client);
    m_rcUp = CRect(client.right - kButtonWidth, client.top, client.right - 2, client.Height() / 2);
    m_rcDown = CRect(client.right - kButtonWidth, client.Height() / 2, client.right - 2, client.bottom);
}

BOOL COptionTreeSpinnerWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeSpinnerWnd::OnPaint() {
    CBufferedPaintDC dc(this);
    if (!m_pSpinTree) return;
    const CRect client = dc.Client();
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    LayoutButtons();
    double value = 0.0;
    GetValue(value);
    UINT up = DFCS_SCROLLUP, down = DFCS_SCROLLDOWN;
    if (m_dwOptions & OT_SPINNER_WRAPAROUND) {
        if (m_bUpPressed) up |= DFCS_PUSHED;
        if (m_bDownPressed) down |= DFCS_PUSHED;
    } else {
        up |= value >= m_dMax ? DFCS_INACTIVE : (m_bUpPressed ? DFCS_PUSHED : 0);
        down |= value <= m_dMin ? DFCS_INACTIVE : (m_bDownPressed ? DFCS_PUSHED : 0);
    }
    CRect upRect = m_rcUp, downRect = m_rcDown;
    dc.DrawFrameControl(&upRect, DFC_SCROLL, up);
    dc.DrawFrameControl(&downRect, DFC_SCROLL, down);
}

void COptionTreeSpinnerWnd::StepAt(CPoint point) {
    LayoutButtons();
    m_bUpPressed = m_bDownPressed = FALSE;
    if (m_rcUp.PtInRect(point)) {
        m_bUpPressed = TRUE;
        StepBy(true);
    } else if (m_rcDown.PtInRect(point)) {
        m_bDownPressed = TRUE;
        StepBy(false);
    }
    Invalidate(FALSE);
}

void COptionTreeSpinnerWnd::OnLButtonDown(UINT, CPoint point) {
    m_ptClick = point;
    StepAt(point);
    SetTimer(OT_SPINNER_TIMER, static_cast<UINT>(m_nRepeatDelay));
    m_bFirstRepeat = TRUE;
}

void COptionTreeSpinnerWnd::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != OT_SPINNER_TIMER) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_bFirstRepeat) {
        SetTimer(OT_SPINNER_TIMER, static_cast<UINT>(m_nRepeatInterval));
        m_bFirstRepeat = FALSE;
    }
    StepAt(m_ptClick);
}

void COptionTreeSpinnerWnd::OnLButtonUp(UINT, CPoint) {
    KillTimer(OT_SPINNER_TIMER);
    m_bUpPressed = m_bDownPressed = FALSE;
    Invalidate(FALSE);
}

LRESULT COptionTreeSpinnerWnd::OnEditChanged(WPARAM, LPARAM) {
    Invalidate(FALSE);
    return 0;
}

LRESULT COptionTreeSpinnerWnd::OnStepUp(WPARAM, LPARAM) {
    StepBy(true);
    Invalidate(FALSE);
    return 0;
}

LRESULT COptionTreeSpinnerWnd::OnStepDown(WPARAM, LPARAM) {
    StepBy(false);
    Invalidate(FALSE);
    return 0;
}
