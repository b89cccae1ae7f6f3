#include "dialogs/strings_dlg.h"

#include "../platform/ui/frame_picture.h"
#include "dialog_fixture.h"

namespace {

using StringsDlgTest = DialogTest;

// Every way out stores the edited list without blank lines; an entry with ";" is refused until
// it is gone.
TEST_F(StringsDlgTest, ListStoredOnOkAndCloseSeparatorRefused) {
    struct Case {
        const char* name;
        std::vector<const wchar_t*> added;
        UINT button;
        bool refusedFirst;
        std::vector<CString> stored;
    };
    const Case cases[] = {
        {"OK", {L"", L"Course"}, IDOK, false, {L"Ill", L"Leave", L"Course"}},
        {"Cancel", {L"Trip"}, IDCANCEL, false, {L"Ill", L"Leave", L"Trip"}},
        {"separator", {L"Ill;Leave"}, IDOK, true, {L"Ill", L"Leave"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answerer.m_messageBoxes.clear();
        std::vector<CString> list = {L"Ill", L"", L"Leave"};
        CStringsDlg dlg(&list, 0, nullptr);
        dlg.m_strCaption = Text(IDS_STRINGS_CATEGORIES);
        const INT_PTR result = RunModal(dlg, [&] {
            for (const wchar_t* line : c.added) dlg.m_list.AddString(line);
            PressButton(dlg, c.button);
            if (c.refusedFirst) {
                EXPECT_TRUE(IsOpen(dlg));
                dlg.m_list.DeleteString(dlg.m_list.GetCount() - 1);
                PressButton(dlg, c.button);
            }
        });
        EXPECT_EQ(result, static_cast<INT_PTR>(c.button));
        EXPECT_EQ(list, c.stored);
        if (c.refusedFirst) {
            EXPECT_EQ(Refusals(), std::vector<CString>{Text(IDS_STRINGS_SEPARATOR_REFUSED)});
        } else {
            EXPECT_TRUE(Refusals().empty());
        }
    }
}

// The dialog as the user sees it: rows in the dialog's font, evenly spaced, clear of the edges.
TEST_F(StringsDlgTest, Picture) {
    std::vector<CString> list = {L"Ill", L"Leave", L"Course", L"Training"};
    CStringsDlg dlg(&list, 0, nullptr);
    dlg.m_strCaption = Text(IDS_STRINGS_CATEGORIES);
    RunModal(dlg, [&] { SaveWindowPicture(&dlg, "strings.png"); });
}

}  // namespace
