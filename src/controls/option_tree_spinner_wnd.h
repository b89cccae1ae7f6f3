#pragma once
// COptionTreeSpinnerWnd: a number edit with two arrow buttons at its right edge that step the
// value by 1 between a minimum and a maximum, wrapping at the limits with option 0x40000,
// repeating while a button is held.
#include "controls/option_tree_spinner_edit.h"
#include "platform/core/geometry.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class COptionTree;

inline constexpr DWORD OT_SPINNER_EDITABLE = 0x400, OT_SPINNER_WRAPAROUND = 0x40000;
inline constexpr UINT_PTR OT_SPINNER_TIMER = 1000;

class COptionTreeSpinnerWnd : public CWnd {
public:
    void SetValue(double value);
    BOOL GetValue(double& value) const;
    CString GetText() const;
    DWORD GetOptions() const { return m_dwOptions; }
    double GetMaximum() const { return m_dMax; }
    double GetMinimum() const { return m_dMin; }
    int RepeatDelay() const { return m_nRepeatDelay; }
    int RepeatInterval() const { return m_nRepeatInterval; }
    CRect UpButton() const { return m_rcUp; }
    CRect DownButton() const { return m_rcDown; }
    COptionTreeSpinnerEdit& Edit() { return m_edit; }

    // The first delay and the interval of the auto-repeat for the keyboard settings (delay
    // 0..3, speed 0..31); a setting of -1 could not be read.
    static int InitialDelay(int delaySetting);
    static int RepeatIntervalFor(int speedSetting);
    // One step from a value (up or down), or the value itself when the step is refused.
    static double Step(double value, bool up, double minimum, double maximum, bool wrap);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnEditChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnStepUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnStepDown(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void StepAt(CPoint point);
    void StepBy(bool up);
    void PlaceEdit();
    void LayoutButtons();

    COptionTree* m_pSpinTree = nullptr;
    double m_dMax = 100.0, m_dMin = 0.0;
    CRect m_rcUp, m_rcDown;
    BOOL m_bDownPressed = FALSE, m_bUpPressed = FALSE;
    CPoint m_ptClick;
    BOOL m_bFirstRepeat = FALSE;
    COptionTreeSpinnerEdit m_edit;
    int m_nRepeatDelay = 500, m_nRepeatInterval = 200;
    DWORD m_dwOptions = 0;
};
