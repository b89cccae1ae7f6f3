#include "dialogs/month_grid_model.h"

#include <cmath>

CMonthGridModel::CMonthGridModel() {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_nMonth = now.GetMonth();
    m_nYear = now.GetYear();
}

bool CMonthGridModel::AddMonths(int& month, int& year, int n) {
    const int total = year * 12 + (month - 1) + n;
    const int newYear = total >= 0 ? total / 12 : -1;
    if (newYear < 100 || newYear > 9999) return false;
    year = newYear;
    month = total % 12 + 1;
    return true;
}

void CMonthGridModel::GetPanelMonth(int index, int& month, int& year) const {
    month = m_nMonth;
    year = m_nYear;
    AddMonths(month, year, index);
}

COleDateTime CMonthGridModel::GetStartDate(int month, int year) const {
    COleDateTime date(year, month, 1, 0, 0, 0);
    while (date.GetStatus() == COleDateTime::valid && date.GetDayOfWeek() != m_nFirstDayOfWeek)
        date = date - COleDateTimeSpan(1, 0, 0, 0);
    return date;
}

COleDateTime CMonthGridModel::GetCellDate(int month, int year, int cell) const {
    return GetStartDate(month, year) + COleDateTimeSpan(cell, 0, 0, 0);
}

bool CMonthGridModel::IsCellShown(int index, int month, const COleDateTime& date) const {
    if (date.GetMonth() == month) return true;
    if (!m_bAdjacentDays) return false;
    const COleDateTime first(date.GetYear(), date.GetMonth(), 1, 0, 0, 0);
    int shownMonth = 0, shownYear = 0;
    GetPanelMonth(index, shownMonth, shownYear);
    const COleDateTime monthStart(shownYear, shownMonth, 1, 0, 0, 0);
    if (first > monthStart) return index == GetPanelCount() - 1;
    return index == 0;
}

void CMonthGridModel::ScrollPages(int direction) { AddMonths(m_nMonth, m_nYear, direction * GetPanelCount()); }

COleDateTime CMonthGridModel::DayOf(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid) return date;
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
}

void CMonthGridModel::SetDate(const COleDateTime& date) {
    m_dtSelStart = DayOf(date);
    m_dtSelEnd = m_dtSelStart;
}

void CMonthGridModel::SelectNone() {
    m_dtSelStart.SetStatus(COleDateTime::invalid);
    m_dtSelEnd.SetStatus(COleDateTime::invalid);
}

bool CMonthGridModel::HasSelection() const {
    return m_dtSelStart.GetStatus() == COleDateTime::valid && m_dtSelEnd.GetStatus() == COleDateTime::valid;
}

bool CMonthGridModel::IsSelected(const COleDateTime& day) const {
    return HasSelection() && m_dtSelStart <= day && day <= m_dtSelEnd;
}

void CMonthGridModel::SelectRangeTo(const COleDateTime& cell) {
    const COleDateTime low = cell < m_dtAnchor ? cell : m_dtAnchor;
    const COleDateTime high = cell < m_dtAnchor ? m_dtAnchor : cell;
    const long days = std::lround((high - low).GetTotalDays());
    if (m_nMaxRange == -1 || m_nMaxRange >= days) {
        m_dtSelStart = low;
        m_dtSelEnd = high;
    } else if (m_dtAnchor < cell) {
        m_dtSelStart = m_dtAnchor;
        m_dtSelEnd = m_dtAnchor + COleDateTimeSpan(m_nMaxRange, 0, 0, 0);
    } else {
        m_dtSelStart = m_dtAnchor - COleDateTimeSpan(m_nMaxRange, 0, 0, 0);
        m_dtSelEnd = m_dtAnchor;
    }
}

bool CMonthGridModel::SetFirstDayOfWeek(int day) {
    if (day < 1 || day > 7) return false;
    m_nFirstDayOfWeek = day;
    return true;
}

int CMonthGridModel::StartPointSize(int screenWidth) {
    if (screenWidth < 800) return 7;
    if (screenWidth < 1024) return 8;
    if (screenWidth < 1280) return 10;
    return 12;
}

int CMonthGridModel::FitPointSize(int size, int minimum, CSize space, const std::function<CSize(int)>& totalSize) {
    CSize total = totalSize(size);
    while ((total.cx > space.cx || total.cy > space.cy) && size > minimum) {
        --size;
        total = totalSize(size);
    }
    return size;
}
