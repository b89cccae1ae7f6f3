// Static text: the ellipsis styles shorten what does not fit to one line, and keep the whole
// text as the window's text.
#include <gtest/gtest.h>

#include <QLabel>

#include "notify_host.h"
#include "platform/ui/static.h"
#include "platform/ui/test_support.h"

namespace {

QString Shown(CStatic& label) {
    auto* qt = label.GetWidget()->findChild<QLabel*>();
    return qt ? qt->text() : QString();
}

}  // namespace

TEST(StaticControl, EllipsisStylesShortenTextThatDoesNotFit) {
    struct Case {
        const char* name;
        DWORD style;
        const wchar_t* text;
        bool shortened;
        bool endsWithEllipsis;
        QString keptEnd;  // what the shown text still ends with
    };
    const Case cases[] = {
        {"end", SS_ENDELLIPSIS, L"A rather long caption that cannot fit", true, true, QString()},
        {"word", SS_WORDELLIPSIS, L"A rather long caption that cannot fit", true, true, QString()},
        {"path", SS_PATHELLIPSIS, L"/home/teacher/plans/2026/autumn/timetable.xml", true, false, QStringLiteral("/timetable.xml")},
        {"fits", SS_ENDELLIPSIS, L"Short", false, false, QStringLiteral("Short")},
    };
    for (const Case& c : cases) {
        NotifyHost host;
        CStatic label;
        ASSERT_TRUE(label.Create(c.text, WS_CHILD | WS_VISIBLE | c.style, CRect(10, 10, 110, 30), &host));
        const QString shown = Shown(label);
        EXPECT_EQ(shown.endsWith(QChar(0x2026)), c.endsWithEllipsis) << c.name << ": " << shown.toStdString();
        if (!c.keptEnd.isEmpty()) {
            EXPECT_TRUE(shown.endsWith(c.keptEnd)) << c.name << ": " << shown.toStdString();
        }
        EXPECT_EQ(shown.contains(QChar(0x2026)), c.shortened) << c.name;
        CString text;
        label.GetWindowText(text);
        EXPECT_EQ(text, CString(c.text)) << c.name;
        // A wider window shows more.
        label.MoveWindow(10, 10, 600, 20);
        EXPECT_EQ(Shown(label), QString::fromWCharArray(c.text)) << c.name;
    }
}
