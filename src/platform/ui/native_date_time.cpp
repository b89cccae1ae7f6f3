// The "SysDateTimePick32" control over QDateTimeEdit (with a calendar popup unless
// DTS_UPDOWN), and the "SysMonthCal32" control over QCalendarWidget.
#include <QCalendarWidget>
#include <QDateTimeEdit>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/system_time.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

// A picker format ("yyyy, MMM d, ddd", 'quoted text') as Qt writes it.
QString QtFormat(const std::wstring& format) {
    QString out;
    for (std::size_t i = 0; i < format.size();) {
        const wchar_t c = format[i];
        if (c == L'\'') {
            const std::size_t end = format.find(L'\'', i + 1);
            const std::size_t stop = end == std::wstring::npos ? format.size() : end + 1;
            out += QString::fromStdWString(format.substr(i, stop - i));
            i = stop;
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        switch (c) {
        case L'y': out += run == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case L't': out += QStringLiteral("AP"); break;
        case L'd': case L'M': case L'h': case L'H': case L'm': case L's':
            out += QString(static_cast<int>(std::min<std::size_t>(run, c == L'd' || c == L'M' ? 4 : 2)), QChar(c));
            break;
        default: out += QString(static_cast<int>(run), QChar(c)); break;
        }
        i += run;
    }
    return out;
}

class DateTimeControl : public CNativeControl {
public:
    explicit DateTimeControl(HWND h) : CNativeControl(h) {
        const DWORD style = Style();
        m_edit = new QDateTimeEdit(QDateTime::currentDateTime());
        m_edit->setCalendarPopup(!(style & DTS_UPDOWN) && (style & DTS_TIMEFORMAT) != DTS_TIMEFORMAT);
        if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) m_edit->setDisplayFormat(QStringLiteral("h:mm:ss AP"));
        else if (style & DTS_LONGDATEFORMAT) m_edit->setDisplayFormat(QStringLiteral("dddd, MMMM d, yyyy"));
        else m_edit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
        QObject::connect(m_edit, &QDateTimeEdit::dateTimeChanged, this, [this] {
            if (m_updating) return;
            NMDATETIMECHANGE change{};
            change.dwFlags = GDT_VALID;
            change.st = SystemTimeFromQDateTime(Value());
            Notify(&change.nmhdr, DTN_DATETIMECHANGE);
        });
        SetQtWidget(m_edit);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case DTM_GETSYSTEMTIME:
            if (auto* st = reinterpret_cast<SYSTEMTIME*>(lParam)) *st = SystemTimeFromQDateTime(Value());
            return GDT_VALID;
        case DTM_SETSYSTEMTIME: {
            if (wParam != GDT_VALID) return TRUE;
            const auto* st = reinterpret_cast<const SYSTEMTIME*>(lParam);
            const QDateTime dt = st ? QDateTimeFromSystemTime(*st) : QDateTime();
            if (!dt.isValid()) return FALSE;
            UpdatingScope scope(m_updating);
            m_time = dt.time();
            m_edit->setDateTime(dt);
            return TRUE;
        }
        case DTM_SETFORMAT:
            if (lParam) {
                const QDateTime value = Value();
                UpdatingScope scope(m_updating);
                m_edit->setDisplayFormat(QtFormat(reinterpret_cast<LPCTSTR>(lParam)));
                m_edit->setDateTime(value);
            }
            return TRUE;
        case DTM_SETRANGE: {
            const auto* range = reinterpret_cast<const SYSTEMTIME*>(lParam);
            if (!range) return FALSE;
            if (wParam & GDTR_MIN) m_edit->setMinimumDateTime(QDateTimeFromSystemTime(range[0]));
            if (wParam & GDTR_MAX) m_edit->setMaximumDateTime(QDateTimeFromSystemTime(range[1]));
            return TRUE;
        }
        case DTM_GETRANGE: {
            auto* range = reinterpret_cast<SYSTEMTIME*>(lParam);
            if (!range) return 0;
            range[0] = SystemTimeFromQDateTime(m_edit->minimumDateTime());
            range[1] = SystemTimeFromQDateTime(m_edit->maximumDateTime());
            return GDTR_MIN | GDTR_MAX;
        }
        case DTM_GETMONTHCAL: return 0;  // the calendar is Qt's own popup
        case DTM_SETMCFONT:
            if (m_edit->calendarWidget()) m_edit->calendarWidget()->setFont(QFontOfHandle(reinterpret_cast<HFONT>(wParam)));
            return 0;
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return 0; }
    // The window text is the date as the picker shows it.
    std::wstring GetText() const override { return m_edit->text().toStdWString(); }
    UINT DlgCode(const MSG*) const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

private:
    // A format without the time of day keeps the time the program set.
    QDateTime Value() const {
        QDateTime value = m_edit->dateTime();
        if (!(m_edit->displayedSections() & QDateTimeEdit::TimeSections_Mask)) value.setTime(m_time);
        return value;
    }

    QDateTimeEdit* m_edit = nullptr;
    QTime m_time = QTime::currentTime();
};

class MonthCalControl : public CNativeControl {
public:
    explicit MonthCalControl(HWND h) : CNativeControl(h) {
        m_calendar = new QCalendarWidget;
        m_calendar->setVerticalHeaderFormat((Style() & MCS_WEEKNUMBERS) ? QCalendarWidget::ISOWeekNumbers
                                                                        : QCalendarWidget::NoVerticalHeader);
        m_calendar->setFirstDayOfWeek(Qt::Sunday);
        QObject::connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
            if (!m_updating) Report(MCN_SELCHANGE);
        });
        QObject::connect(m_calendar, &QCalendarWidget::clicked, this, [this] {
            if (!m_updating) Report(MCN_SELECT);
        });
        SetQtWidget(m_calendar);
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case MCM_GETCURSEL:
            if (auto* st = reinterpret_cast<SYSTEMTIME*>(lParam))
                *st = SystemTimeFromQDateTime(QDateTime(m_calendar->selectedDate(), QTime(0, 0)));
            return TRUE;
        case MCM_SETCURSEL: {
            const auto* st = reinterpret_cast<const SYSTEMTIME*>(lParam);
            if (!st) return FALSE;
            const QDate date(st->wYear, st->wMonth, st->wDay);
            if (!date.isValid() || date < m_calendar->minimumDate() || date > m_calendar->maximumDate()) return FALSE;
            UpdatingScope scope(m_updating);
            m_calendar->setSelectedDate(date);
            return TRUE;
        }
        case MCM_SETRANGE: {
            const auto* range = reinterpret_cast<const SYSTEMTIME*>(lParam);
            if (!range) return FALSE;
            UpdatingScope scope(m_updating);
            if (wParam & GDTR_MIN) m_calendar->setMinimumDate(QDateTimeFromSystemTime(range[0]).date());
            if (wParam & GDTR_MAX) m_calendar->setMaximumDate(QDateTimeFromSystemTime(range[1]).date());
            return TRUE;
        }
        case MCM_GETRANGE: {
            auto* range = reinterpret_cast<SYSTEMTIME*>(lParam);
            if (!range) return 0;
            range[0] = SystemTimeFromQDateTime(QDateTime(m_calendar->minimumDate(), QTime(0, 0)));
            range[1] = SystemTimeFromQDateTime(QDateTime(m_calendar->maximumDate(), QTime(0, 0)));
            return GDTR_MIN | GDTR_MAX;
        }
        case MCM_GETTODAY:
            if (auto* st = reinterpret_cast<SYSTEMTIME*>(lParam))
                *st = SystemTimeFromQDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
            return TRUE;
        case MCM_SETFIRSTDAYOFWEEK: {
            // 0 is Monday .. 6 Sunday.
            const LRESULT old = MAKELRESULT((static_cast<int>(m_calendar->firstDayOfWeek()) + 6) % 7, 0);
            m_calendar->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(static_cast<int>(lParam) % 7 + 1));
            return old;
        }
        case MCM_GETFIRSTDAYOFWEEK: return (static_cast<int>(m_calendar->firstDayOfWeek()) + 6) % 7;
        case MCM_GETMINREQRECT: {
            const QSize size = m_calendar->minimumSizeHint();
            if (auto* rc = reinterpret_cast<RECT*>(lParam)) *rc = RECT{0, 0, size.width(), size.height()};
            return TRUE;
        }
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

protected:
    UINT CtlColorMessage() const override { return 0; }
    UINT DlgCode(const MSG*) const override { return DLGC_WANTARROWS; }

private:
    void Report(int code) {
        NMSELCHANGE change{};
        change.stSelStart = SystemTimeFromQDateTime(QDateTime(m_calendar->selectedDate(), QTime(0, 0)));
        change.stSelEnd = change.stSelStart;
        Notify(&change.nmhdr, code);
    }

    QCalendarWidget* m_calendar = nullptr;
};

}  // namespace

CNativeControl* CreateDateTimeControl(HWND h) { return new DateTimeControl(h); }
CNativeControl* CreateMonthCalControl(HWND h) { return new MonthCalControl(h); }

}  // namespace vorn_ui
