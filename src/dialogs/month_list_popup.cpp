#include "dialogs/month_list_popup.h"

#include <algorithm>

#include "controls/buffered_paint_dc.h"
#include "dialogs/month_grid_ctrl.h"
#include "dialogs/month_grid_model.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {
const wchar_t* const kMeasureText = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
}

BEGIN_MESSAGE_MAP(CMonthListPopup, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMonthListPopup::CMonthListPopup() {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_nCentreMonth = m_nChosenMonth = now.GetMonth();
    m_nCentreYear = m_nChosenYear = now.GetYear();
}

void CMonthListPopup::SetMonthYear(int month, int year) {
    if (month >= 1 && month <= 12) m_nCentreMonth = month;
    if (year >= 100 && year <= 9999) m_nCentreYear = year;
}

void CMonthListPopup::SetOwner(CMonthGridCtrl* calendar) {
    if (!calendar || calendar->GetSafeHwnd()) m_pCalendar = calendar;
}

BOOL CMonthListPopup::CreatePopup(CMonthGridCtrl* calendar) {
    LPCTSTR cls = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS);
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, cls, L"", WS_POPUP | WS_BORDER, 0, 0, 1, 1,
                  calendar->GetSafeHwnd(), nullptr))
        return FALSE;
    PositionAtCursor();
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

CString CMonthListPopup::RowText(int month, int year) const {
    CString text;
    text.Format(L"%s %d", m_pCalendar ? m_pCalendar->m_strMonthNames[month - 1].GetString() : L"", year);
    return text;
}

CSize CMonthListPopup::MeasureRow(CDC& dc) const {
    CFont* old = m_pCalendar ? dc.SelectObject(m_pCalendar->m_daysFont.m_pFont.get()) : nullptr;
    const CSize size = dc.GetTextExtent(kMeasureText);
    if (old) dc.SelectObject(old);
    return size;
}

void CMonthListPopup::PositionAtCursor() {
    if (!GetSafeHwnd()) return;
    const DWORD pos = GetMessagePos();
    const CPoint cursor(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
    CClientDC dc(this);
    const int rowHeight = MeasureRow(dc).cy;
    CFont* old = m_pCalendar ? dc.SelectObject(m_pCalendar->m_daysFont.m_pFont.get()) : nullptr;
    int width = 0;
    for (int month = 1; month <= 12; ++month) {
        const CString name = (m_pCalendar ? m_pCalendar->m_strMonthNames[month - 1] : CString()) + L" 0000";
        width = std::max(width, static_cast<int>(dc.GetTextExtent(name).cx));
    }
    if (old) dc.SelectObject(old);
    const int c = (width + 20) / 2, d = (m_nRowCount * rowHeight + 3) / 2;
    MoveWindow(cursor.x - c, cursor.y - d, 2 * c, 2 * d);
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void CMonthListPopup::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect client = dc.Client();
    const CSize row = MeasureRow(dc);
    int month = m_nCentreMonth, year = m_nCentreYear;
    CMonthGridModel::AddMonths(month, year, -(m_nRowCount / 2));
    dc.FillSolidRect(&client, m_crBackground);
    CFont* old = m_pCalendar ? dc.SelectObject(m_pCalendar->m_daysFont.m_pFont.get()) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    for (int i = 0; i < m_nRowCount; ++i) {
        const int y = i * row.cy;
        CRect text(10, y, 10 + row.cx, y + row.cy);
        const bool under = (cursor.y < 0 && i == 0) || (cursor.y >= client.bottom && i == m_nRowCount - 1) ||
                           (cursor.y >= y && cursor.y <= y + row.cy - 1);
        if (under) {
            m_nChosenMonth = month;
            m_nChosenYear = year;
            dc.FillSolidRect(0, y, client.Width(), row.cy, m_crText);
        }
        dc.SetTextColor(under ? m_crBackground : m_crText);
        dc.DrawText(RowText(month, year), &text, DT_SINGLELINE);
        CMonthGridModel::AddMonths(month, year, 1);
    }
    if (old) dc.SelectObject(old);
}

void CMonthListPopup::AutoScroll(UINT message) {
    if (message != WM_MOUSEMOVE && message != WM_TIMER) return;
    if (!GetSafeHwnd()) return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    if (cursor.y < client.top) {
        ScrollUp(client.top - cursor.y > 15 ? 2 : 1);
    } else if (cursor.y > client.bottom) {
        ScrollDown(cursor.y - client.bottom > 15 ? 2 : 1);
    } else {
        m_nUpCount = m_nDownCount = 0;
    }
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void CMonthListPopup::ScrollUp(int n) {
    m_nDownCount = 0;
    m_nUpCount += n;
    if (m_nUpCount < kScrollThreshold) return;
    for (int i = 0; i < n && CMonthGridModel::AddMonths(m_nCentreMonth, m_nCentreYear, -1); ++i) {
    }
    m_nUpCount = 0;
}

void CMonthListPopup::ScrollDown(int n) {
    m_nUpCount = 0;
    m_nDownCount += n;
    if (m_nDownCount < kScrollThreshold) return;
    for (int i = 0; i < n && CMonthGridModel::AddMonths(m_nCentreMonth, m_nCentreYear, 1); ++i) {
    }
    m_nDownCount = 0;
}
