#include "dialogs/day_schedule_model.h"

#include <stdexcept>

#include "model/chime_set.h"

namespace {

__time64_t LocalMidnight(int day) {
    struct tm t = {};
    t.tm_year = 100;
    t.tm_mon = 0;
    t.tm_mday = day;
    t.tm_isdst = -1;
    const __time64_t midnight = _mktime64(&t);
    if (midnight == -1) throw std::invalid_argument("local midnight of January 2000");
    return midnight;
}

CString FormatClock(__time64_t t) {
    struct tm local = {};
    if (_localtime64_s(&local, &t) != 0) return CString();
    return FormatTm(L"%H:%M", local);
}

__time64_t WholeMinutesOf(__time64_t seconds) { return seconds / 60; }

}  // namespace

__time64_t CDayScheduleModel::FirstMidnight() { return LocalMidnight(1); }
__time64_t CDayScheduleModel::SecondMidnight() { return LocalMidnight(2); }

void CDayScheduleModel::Insert(std::size_t at, __time64_t length) {
    CScheduleInterval interval;
    interval.m_tLength = length;
    interval.m_nSerial = m_nNextSerial++;
    m_arrIntervals.insert(m_arrIntervals.begin() + static_cast<std::ptrdiff_t>(at), interval);
}

void CDayScheduleModel::AddInterval(int minutes, const CString& label) {
    Insert(m_arrIntervals.size(), static_cast<__time64_t>(minutes) * 60);
    m_arrIntervals.back().m_strLabel = label;
}

__time64_t CDayScheduleModel::GetStart(std::size_t i) const {
    __time64_t t = m_tDayStart;
    for (std::size_t k = 0; k < i && k < m_arrIntervals.size(); ++k) t += m_arrIntervals[k].m_tLength;
    return t;
}

__time64_t CDayScheduleModel::GetFirstRowTime() const {
    const __time64_t row = GetRowLength();
    const __time64_t first = FirstMidnight(), second = SecondMidnight();
    if (m_tDayStart < first) return first - 2 * row;
    if (m_tDayStart >= second) return second - 2 * row;
    return first + (m_tDayStart - first) / row * row - row;
}

int CDayScheduleModel::YFromTime(__time64_t t) const {
    const __time64_t minutes = (t - GetFirstRowTime()) / 60;
    return static_cast<int>(static_cast<double>(minutes) * m_nRowHeight / m_nMinutesPerRow) - m_nScrollOffset;
}

__time64_t CDayScheduleModel::TimeFromY(int y) const {
    const auto k = static_cast<__time64_t>(static_cast<double>(y + m_nScrollOffset) / m_nRowHeight * m_nMinutesPerRow);
    return GetFirstRowTime() + 60 * (k - k % 5);
}

bool CDayScheduleModel::ZoomIn() {
    const int old = m_nMinutesPerRow;
    switch (m_nMinutesPerRow) {
    case 60: m_nMinutesPerRow = 30; break;
    case 30: m_nMinutesPerRow = 15; break;
    case 15:
    case 10: m_nMinutesPerRow = 10; break;
    default: break;
    }
    return old != m_nMinutesPerRow;
}

bool CDayScheduleModel::ZoomOut() {
    const int old = m_nMinutesPerRow;
    switch (m_nMinutesPerRow) {
    case 10: m_nMinutesPerRow = 15; break;
    case 15: m_nMinutesPerRow = 30; break;
    case 30:
    case 60: m_nMinutesPerRow = 60; break;
    default: break;
    }
    return old != m_nMinutesPerRow;
}

void CDayScheduleModel::GetLessonList(std::vector<CString>& lines) const {
    lines.clear();
    __time64_t start = m_tDayStart;
    for (const CScheduleInterval& interval : m_arrIntervals) {
        if (interval.m_strLabel.IsEmpty()) {
            lines.push_back(FormatClock(start));
        } else {
            CString line;
            line.Format(L"!%s %s", FormatClock(start).GetString(), interval.m_strLabel.GetString());
            lines.push_back(line);
        }
        start += interval.m_tLength;
    }
    lines.push_back(FormatClock(start));
}

void CDayScheduleModel::StoreInChimeSet(CChimeSet& set) const {
    set.m_arrIntervals.clear();
    __time64_t start = m_tDayStart;
    for (const CScheduleInterval& interval : m_arrIntervals) {
        set.m_arrIntervals.push_back({start, interval.m_strLabel});
        start += interval.m_tLength;
    }
    set.m_arrIntervals.push_back({start, CString()});
}

void CDayScheduleModel::LoadChimeSet(const CChimeSet& set, __time64_t emptyDayStart) {
    m_arrIntervals.clear();
    if (set.m_arrIntervals.empty()) {
        m_tDayStart = emptyDayStart;
        AddInterval(480, CString());
        return;
    }
    m_tDayStart = set.m_arrIntervals.front().m_tStart;
    for (std::size_t i = 1; i < set.m_arrIntervals.size(); ++i) {
        const CChimeInterval& previous = set.m_arrIntervals[i - 1];
        AddInterval(static_cast<int>((set.m_arrIntervals[i].m_tStart - previous.m_tStart) / 60), previous.m_strBreak);
    }
}

bool CDayScheduleModel::SplitAt(__time64_t t) {
    __time64_t start = m_tDayStart;
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i) {
        const __time64_t end = start + m_arrIntervals[i].m_tLength;
        if (start < t && t < end) {
            m_arrIntervals[i].m_tLength = t - start;
            Insert(i + 1, end - t);
            return true;
        }
        start = end;
    }
    return false;
}

bool CDayScheduleModel::RemoveBoundary(__time64_t t) {
    if (m_arrIntervals.size() == 1) return false;
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i) {
        if (GetEnd(i) != t) continue;
        if (i + 1 == m_arrIntervals.size()) return false;
        m_arrIntervals[i].m_tLength += m_arrIntervals[i + 1].m_tLength;
        m_arrIntervals.erase(m_arrIntervals.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return true;
    }
    return false;
}

bool CDayScheduleModel::SplitSelected() {
    const int i = GetFirstSelected();
    if (i < 0) return false;
    CScheduleInterval& interval = m_arrIntervals[static_cast<std::size_t>(i)];
    const auto half = static_cast<__time64_t>(static_cast<double>(WholeMinutesOf(interval.m_tLength)) * 0.5);
    const __time64_t minutes = half - half % 5;
    if (minutes == 0) return false;
    const __time64_t rest = interval.m_tLength - minutes * 60;
    interval.m_tLength = minutes * 60;
    Insert(static_cast<std::size_t>(i) + 1, rest);
    return true;
}

bool CDayScheduleModel::DeleteSelected() {
    const int i = GetFirstSelected();
    if (i < 0 || m_arrIntervals.size() == 1) return false;
    const auto index = static_cast<std::size_t>(i);
    const __time64_t length = m_arrIntervals[index].m_tLength;
    m_arrIntervals[index == 0 ? 1 : index - 1].m_tLength += length;
    m_arrIntervals.erase(m_arrIntervals.begin() + i);
    return true;
}

bool CDayScheduleModel::DragBoundary(__time64_t from, __time64_t to) {
    if (from == m_tDayStart) {
        if (m_arrIntervals.empty()) {
            m_tDayStart = to;
            return true;
        }
        const __time64_t length = m_arrIntervals.front().m_tLength - (to - m_tDayStart);
        if (WholeMinutesOf(length) <= 5) return false;
        m_arrIntervals.front().m_tLength = length;
        m_tDayStart = to;
        return true;
    }
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i) {
        if (GetEnd(i) != from) continue;
        const __time64_t length = to - GetStart(i);
        if (WholeMinutesOf(length) < 5) return false;
        const __time64_t change = length - m_arrIntervals[i].m_tLength;
        if (i + 1 < m_arrIntervals.size()) {
            CScheduleInterval& next = m_arrIntervals[i + 1];
            if (WholeMinutesOf(next.m_tLength) - WholeMinutesOf(change) <= 5) return false;
            next.m_tLength -= change;
        }
        m_arrIntervals[i].m_tLength = length;
        return true;
    }
    return false;
}

bool CDayScheduleModel::IsBoundary(__time64_t t) const {
    __time64_t boundary = m_tDayStart;
    if (t == boundary) return true;
    for (const CScheduleInterval& interval : m_arrIntervals) {
        boundary += interval.m_tLength;
        if (t == boundary) return true;
    }
    return false;
}

int CDayScheduleModel::GetFirstSelected() const {
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i)
        if (m_arrIntervals[i].m_bSelected) return static_cast<int>(i);
    return -1;
}

void CDayScheduleModel::SelectOnly(int index) {
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i) m_arrIntervals[i].m_bSelected = static_cast<int>(i) == index;
}

int CDayScheduleModel::FindSerial(int serial) const {
    for (std::size_t i = 0; i < m_arrIntervals.size(); ++i)
        if (m_arrIntervals[i].m_nSerial == serial) return static_cast<int>(i);
    return -1;
}
