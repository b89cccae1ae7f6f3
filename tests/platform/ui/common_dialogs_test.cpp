// Message boxes and the file, folder and colour dialogs, answered by a script (and once by
// the real Qt box, clicked by a timer, to check the button mapping).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/core/string_source.h"
#include "platform/ui/color_dialog.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/folder_dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_dialog_answerer.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_class.h"
#include "platform/ui/wnd.h"

namespace {

class TableStrings : public IStringSource {
public:
    bool FindString(UINT id, std::wstring& text) const override {
        if (id != 60005) return false;
        text = L"Vorn Scheduler";
        return true;
    }
};

struct BoxCase {
    UINT type;
    int answer;
};

TEST(MessageBoxTest, ScriptedAnswerComesBackAtOnceAndTheQuestionIsRecorded) {
    static const BoxCase kCases[] = {
        {MB_OK | MB_ICONHAND, IDOK},
        {MB_YESNO | MB_ICONQUESTION, IDNO},
        {MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, IDCANCEL},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, IDOK},
        {MB_RETRYCANCEL, IDRETRY},
    };
    for (const auto& c : kCases) {
        CScriptedAnswerer answerer;
        answerer.AnswerMessageBox(c.answer);
        EXPECT_EQ(MessageBox(nullptr, L"The name is missing.", L"Check", c.type), c.answer) << c.type;
        ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
        EXPECT_EQ(answerer.m_messageBoxes[0].text, L"The name is missing.");
        EXPECT_EQ(answerer.m_messageBoxes[0].caption, L"Check");
        EXPECT_EQ(answerer.m_messageBoxes[0].type, c.type);
        EXPECT_EQ(answerer.m_unanswered, 0);
    }
}

TEST(MessageBoxTest, UnscriptedBoxGivesItsDefaultButtonAndIsCounted) {
    static const BoxCase kCases[] = {
        {MB_OK, IDOK},
        {MB_YESNO, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_OKCANCEL | MB_DEFBUTTON4, IDOK},  // no fourth button: the first
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
    };
    for (const auto& c : kCases) {
        CScriptedAnswerer answerer;
        EXPECT_EQ(AfxMessageBox(L"text", c.type), c.answer) << c.type;
        EXPECT_EQ(answerer.m_unanswered, 1);
    }
}

TEST(MessageBoxTest, AfxMessageBoxTakesPackTextAppNameAndMainWindowAsOwner) {
    TableStrings strings;
    IStringSource* previous = GetStringSource();
    SetStringSource(&strings);
    CWinApp app(L"Planner");
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    app.m_pMainWnd = &main;
    CScriptedAnswerer answerer;
    answerer.AnswerMessageBox(IDOK);
    AfxMessageBox(60005, MB_ICONHAND);
    AfxMessageBox(60006);  // a missing id shows an empty text
    main.MessageBox(L"own", nullptr, MB_YESNO);
    ASSERT_EQ(answerer.m_messageBoxes.size(), 3u);
    EXPECT_EQ(answerer.m_messageBoxes[0].text, L"Vorn Scheduler");
    EXPECT_EQ(answerer.m_messageBoxes[0].caption, L"Planner");
    EXPECT_EQ(answerer.m_messageBoxes[0].owner, main.m_hWnd);
    EXPECT_EQ(answerer.m_messageBoxes[1].text, L"");
    EXPECT_EQ(answerer.m_messageBoxes[2].caption, L"Planner");
    EXPECT_EQ(answerer.m_messageBoxes[2].owner, main.m_hWnd);
    main.DestroyWindow();
    SetStringSource(previous);
}

// The real box: a timer clicks the button with the given text; a second timer closes any box
// left open so that the test never waits long.
int ClickRealBox(UINT type, const QString& buttonText) {
    CQtDialogAnswerer qt;
    CMessageBoxQuestion q;
    q.text = L"Save the changes?";
    q.caption = L"Plan";
    q.type = type;
    QTimer::singleShot(0, [buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove(QLatin1Char('&')) == buttonText) b->click();
    });
    QObject guard;  // the watchdog goes with the question
    QTimer::singleShot(5000, &guard, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    return qt.AskMessageBox(q);
}

TEST(MessageBoxTest, RealBoxMapsItsButtonsToIds) {
    EXPECT_EQ(ClickRealBox(MB_YESNOCANCEL | MB_ICONQUESTION, QStringLiteral("No")), IDNO);
    EXPECT_EQ(ClickRealBox(MB_OKCANCEL, QStringLiteral("Cancel")), IDCANCEL);
    EXPECT_EQ(ClickRealBox(MB_ABORTRETRYIGNORE, QStringLiteral("Retry")), IDRETRY);
}

struct FilterCase {
    const wchar_t* filter;
    std::vector<CFileFilter> entries;
};

TEST(FileDialogTest, FilterStringSplitsIntoNamesAndMasks) {
    const FilterCase kCases[] = {
        {L"XML file (*.xml)|*.xml|", {{L"XML file (*.xml)", L"*.xml"}}},
        {L"XML Files (*.xml)|*.xml|All Files (*.*)|*.*||",
         {{L"XML Files (*.xml)", L"*.xml"}, {L"All Files (*.*)", L"*.*"}}},
        {L"Web page|*.htm;*.html", {{L"Web page", L"*.htm;*.html"}}},  // no closing bar
        {L"", {}},
        {L"Name only|", {}},
    };
    for (const auto& c : kCases) {
        const auto entries = ParseFileFilter(c.filter);
        ASSERT_EQ(entries.size(), c.entries.size()) << CString(c.filter).ToUtf8();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].name, c.entries[i].name);
            EXPECT_EQ(entries[i].masks, c.entries[i].masks);
        }
    }
}

TEST(FileDialogTest, SaveDialogAsksWithFilterAndFlagsAndAddsDefaultExtension) {
    CScriptedAnswerer answerer;
    answerer.AnswerFile(L"/home/user/plans/week");
    CFileDialog dlg(FALSE, L"xml", L"Untitled", OFN_OVERWRITEPROMPT | OFN_ENABLESIZING, L"XML file (*.xml)|*.xml|");
    dlg.m_ofn.lpstrTitle = L"Save plan";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), L"/home/user/plans/week.xml");
    EXPECT_EQ(dlg.GetFileName(), L"week.xml");
    EXPECT_EQ(dlg.GetFileTitle(), L"week");
    EXPECT_EQ(dlg.GetFileExt(), L"xml");
    EXPECT_EQ(dlg.GetFolderPath(), L"/home/user/plans");
    ASSERT_EQ(answerer.m_fileDialogs.size(), 1u);
    const CFileDialogQuestion& q = answerer.m_fileDialogs[0];
    EXPECT_FALSE(q.open);
    EXPECT_EQ(q.filter, L"XML file (*.xml)|*.xml|");
    EXPECT_EQ(q.defaultExt, L"xml");
    EXPECT_EQ(q.fileName, L"Untitled");
    EXPECT_EQ(q.title, L"Save plan");
    EXPECT_TRUE(q.flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(q.flags & OFN_ENABLESIZING);
}

TEST(FileDialogTest, ChosenExtensionStaysAndCancelChoosesNothing) {
    CScriptedAnswerer answerer;
    answerer.AnswerFile(L"/data/report.html");
    answerer.CancelFile();
    CFileDialog save(FALSE, L"xml", nullptr, OFN_OVERWRITEPROMPT, L"HTML file (*.html)|*.html|");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), L"/data/report.html");
    CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, L"XML file (*.xml)|*.xml|");
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), L"");
    EXPECT_TRUE(answerer.m_fileDialogs[1].open);
    EXPECT_EQ(answerer.m_unanswered, 0);
}

TEST(FileDialogTest, MultipleSelectionOnlyWhenAllowed) {
    CScriptedAnswerer answerer;
    answerer.AnswerFiles({L"/a/one.xml", L"/a/two.xml"});
    answerer.AnswerFiles({L"/a/one.xml", L"/a/two.xml"});
    CFileDialog many(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT, L"XML Files (*.xml)|*.xml|All Files (*.*)|*.*||");
    ASSERT_EQ(many.DoModal(), IDOK);
    EXPECT_EQ(many.GetPathNames(), (std::vector<CString>{L"/a/one.xml", L"/a/two.xml"}));
    CFileDialog one(TRUE, nullptr, nullptr, 0, L"XML file (*.xml)|*.xml|");
    ASSERT_EQ(one.DoModal(), IDOK);
    EXPECT_EQ(one.GetPathNames(), (std::vector<CString>{L"/a/one.xml"}));
}

TEST(FolderAndColorDialogTest, AnswersAndCancelKeepTheStartingValue) {
    CScriptedAnswerer answerer;
    answerer.AnswerFolder(L"/srv/plans");
    answerer.CancelFolder();
    answerer.AnswerColor(RGB(10, 20, 30));
    answerer.CancelColor();

    CFolderDialog chosen(L"Select Folder", L"/home/user");
    ASSERT_EQ(chosen.DoModal(), IDOK);
    EXPECT_EQ(chosen.GetFolderPath(), L"/srv/plans");
    CFolderDialog cancelled(L"Select Folder", L"/home/user");
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetFolderPath(), L"/home/user");
    EXPECT_EQ(answerer.m_folderDialogs[0].title, L"Select Folder");
    EXPECT_EQ(answerer.m_folderDialogs[0].initialFolder, L"/home/user");

    CColorDialog colour(RGB(255, 0, 0), CC_FULLOPEN | CC_ANYCOLOR);
    ASSERT_EQ(colour.DoModal(), IDOK);
    EXPECT_EQ(colour.GetColor(), RGB(10, 20, 30));
    CColorDialog kept(RGB(255, 0, 0), CC_FULLOPEN);
    EXPECT_EQ(kept.DoModal(), IDCANCEL);
    EXPECT_EQ(kept.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(answerer.m_colorDialogs[0].initial, RGB(255, 0, 0));
    EXPECT_TRUE(answerer.m_colorDialogs[0].flags & CC_FULLOPEN);
    EXPECT_EQ(answerer.m_unanswered, 0);
}

}  // namespace
