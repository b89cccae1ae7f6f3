// Dialogs built from the templates of the English pack: every control exists, the dialog
// manager moves the focus and presses buttons, and the modal loop ends as the keys say.
#include <gtest/gtest.h>

#include <QTimer>
#include <QImage>
#include <QWidget>

#include <vector>

#include "platform/core/language_pack.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/button.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/list_box.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {

constexpr int kBack = 12323, kNext = 12324, kFinish = 12325, kPlaceholder = 1280;

class EnglishPackFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const CPackResult r = pack.Load(CString(std::string(VORN_TEST_DIR) + "/../../../locale/English.rc"));
        ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
        CLanguagePack::SetCurrent(&pack);
    }
    void TearDown() override { CLanguagePack::SetCurrent(nullptr); }
    CLanguagePack pack;
};

// A dialog that records the commands it receives and closes on none of them.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(UINT id) : CDialog(id) {}
    std::vector<int> commands;
    int inits = 0;
    BOOL OnInitDialog() override {
        ++inits;
        return CDialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

int FocusId() { return GetFocus() ? GetDlgCtrlID(GetFocus()) : 0; }

constexpr COLORREF kFlatFace = RGB(40, 120, 200), kFlatFrame = RGB(200, 40, 40);

// A button class that draws itself flat: it makes any button it takes over owner-drawn.
class FlatButton : public CButton {
public:
    std::vector<STYLESTRUCT> styleChanges;

protected:
    void PreSubclassWindow() override {
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
        CButton::PreSubclassWindow();
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        CDC* dc = CDC::FromHandle(dis->hDC);
        dc->FillSolidRect(&dis->rcItem, kFlatFace);
        CBrush frame(kFlatFrame);
        dc->FrameRect(&dis->rcItem, &frame);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_STYLECHANGED && wParam == static_cast<WPARAM>(GWL_STYLE))
            styleChanges.push_back(*reinterpret_cast<STYLESTRUCT*>(lParam));
        return CButton::WindowProc(message, wParam, lParam);
    }
};

// Takes the template's Cancel button over through data exchange.
class FlatCancelDialog : public RecordingDialog {
public:
    FlatCancelDialog() : RecordingDialog(IDD_NEW_PROJECT_WIZARD) {}
    FlatButton cancel;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        RecordingDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDCANCEL, cancel);
    }
};

}  // namespace

using DialogTemplates = EnglishPackFixture;

TEST_F(DialogTemplates, EveryControlOfTheTemplateIsThereWhereItsDialogUnitsSay) {
    for (UINT id : {IDD_NEW_PROJECT_WIZARD}) {
        const CDialogTemplate* t = pack.FindDialog(id);
        ASSERT_NE(t, nullptr);
        RecordingDialog dlg(id);
        ASSERT_TRUE(dlg.Create(id, nullptr));
        EXPECT_EQ(dlg.inits, 1);
        CRect client;
        dlg.GetClientRect(&client);
        CRect expected(0, 0, t->cx, t->cy);
        dlg.MapDialogRect(&expected);
        EXPECT_EQ(client.Size(), expected.Size());
        for (const CDialogControl& c : t->controls) {
            if (c.id == IDC_STATIC) continue;
            CWnd* item = dlg.GetDlgItem(c.id);
            ASSERT_NE(item, nullptr) << c.id;
            wchar_t cls[64];
            GetClassName(item->m_hWnd, cls, 64);
            EXPECT_EQ(CString(cls).CompareNoCase(c.className), 0) << c.id;
            CRect rc;
            item->GetWindowRect(&rc);
            dlg.ScreenToClient(&rc);
            CRect want(c.x, c.y, c.x + c.cx, c.y + c.cy);
            dlg.MapDialogRect(&want);
            EXPECT_EQ(rc.TopLeft(), want.TopLeft()) << c.id;
            EXPECT_EQ(rc.Width(), want.Width()) << c.id;
        }
        CString text;
        dlg.GetDlgItemText(kNext, text);
        EXPECT_EQ(text, CString(L"&Next >"));
        dlg.DestroyWindow();
    }
}

TEST_F(DialogTemplates, TemplateButtonsLieOverAChildCreatedLater) {
    RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    dlg.ShowWindow(SW_SHOW);
    CRect button;
    dlg.GetDlgItem(IDCANCEL)->GetWindowRect(&button);
    dlg.ScreenToClient(&button);
    // A list created after the template covers the button.
    CListBox list;
    CRect cover = button;
    cover.InflateRect(20, 20);
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, cover, &dlg, 4001));
    // The stacking walk runs from the first template control down to the newest child.
    EXPECT_EQ(::GetDlgCtrlID(::GetWindow(dlg.m_hWnd, GW_CHILD)), pack.FindDialog(IDD_NEW_PROJECT_WIZARD)->controls.front().id);
    HWND last = nullptr;
    for (HWND c = ::GetWindow(dlg.m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) last = c;
    EXPECT_EQ(last, list.m_hWnd);
    // The button, lying on top, takes the click.
    POINT onScreen = button.CenterPoint();
    dlg.ClientToScreen(&onScreen);
    EXPECT_EQ(::WindowFromPoint(onScreen), dlg.GetDlgItem(IDCANCEL)->m_hWnd);
    vorn_test::Click(&dlg, button.CenterPoint());
    EXPECT_EQ(dlg.commands, std::vector<int>{IDCANCEL});
    dlg.DestroyWindow();
}

TEST_F(DialogTemplates, TemplateButtonTakenOverAsOwnerDrawnShowsOnlyItsOwnersDrawing) {
    FlatCancelDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    dlg.ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
    EXPECT_EQ(dlg.cancel.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    ASSERT_EQ(dlg.cancel.styleChanges.size(), 1u);
    EXPECT_EQ(dlg.cancel.styleChanges[0].styleNew & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    // What the user sees of the button: the owner's face and frame, nothing of the toolkit's button.
    const QImage seen = dlg.cancel.GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    dlg.GetWidget()->grab().save(QString::fromStdWString(vorn_test::PicturePath("flat_cancel_button.png").str()));
    ASSERT_FALSE(seen.isNull());
    int wrong = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == seen.width() - 1 || y == seen.height() - 1;
            const COLORREF want = edge ? kFlatFrame : kFlatFace;
            const QRgb p = seen.pixel(x, y);
            if (qRed(p) != GetRValue(want) || qGreen(p) != GetGValue(want) || qBlue(p) != GetBValue(want)) ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    // Still a button: a click reaches the dialog.
    vorn_test::Click(&dlg.cancel, CPoint(5, 5));
    EXPECT_EQ(dlg.commands, std::vector<int>{IDCANCEL});
    dlg.DestroyWindow();
}

TEST_F(DialogTemplates, TabWalksTheTabStopsInTemplateOrderAndShiftTabBack) {
    RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(FocusId(), kBack);  // the first tab stop takes the focus after OnInitDialog
    const int forward[] = {kNext, kFinish, IDCANCEL, kBack};
    for (int id : forward) {
        vorn_test::KeyPress(&dlg, Qt::Key_Tab);
        EXPECT_EQ(FocusId(), id);
    }
    vorn_test::KeyPress(&dlg, Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    EXPECT_EQ(FocusId(), IDCANCEL);
    // A disabled button is passed over.
    dlg.GetDlgItem(kFinish)->EnableWindow(FALSE);
    vorn_test::KeyPress(&dlg, Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    EXPECT_EQ(FocusId(), kNext);
    EXPECT_TRUE(dlg.commands.empty());
    dlg.DestroyWindow();
}

TEST_F(DialogTemplates, EnterPressesTheDefaultButtonOrTheFocusedOne) {
    RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(LOWORD(dlg.GetDefID()), kNext);
    EXPECT_EQ(HIWORD(dlg.GetDefID()), DC_HASDEFID);
    // The focus on a push button: Enter presses that button.
    dlg.GotoDlgCtrl(dlg.GetDlgItem(kBack));
    vorn_test::KeyPress(&dlg, Qt::Key_Return, QStringLiteral("\r"));
    // The focus on a control that is no push button: Enter presses the default button.
    CDialog page(IDD_WZD_RECENT);
    ASSERT_TRUE(page.Create(IDD_WZD_RECENT, &dlg));
    page.ShowWindow(SW_SHOW);
    page.GotoDlgCtrl(page.GetDlgItem(1062));
    ASSERT_EQ(FocusId(), 1062);
    vorn_test::KeyPress(&dlg, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(dlg.commands, (std::vector<int>{kBack, kNext}));
    // Nothing was typed into the edit.
    CString path;
    page.GetDlgItemText(1062, path);
    EXPECT_TRUE(path.IsEmpty());
    // A disabled default button is not pressed.
    dlg.GetDlgItem(kNext)->EnableWindow(FALSE);
    vorn_test::KeyPress(&dlg, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(dlg.commands.size(), 2u);
    page.DestroyWindow();
    dlg.DestroyWindow();
}

TEST_F(DialogTemplates, TabEntersAControlParentPageInOrder) {
    RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    dlg.ShowWindow(SW_SHOW);
    CDialog page(IDD_WZD_RECENT);
    ASSERT_TRUE(page.Create(IDD_WZD_RECENT, &dlg));
    page.ShowWindow(SW_SHOW);
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDCANCEL));
    // The page was created after the buttons: its controls follow Cancel.
    const int order[] = {1061, 1062, 1063, kBack};
    for (int id : order) {
        vorn_test::KeyPress(&dlg, Qt::Key_Tab);
        EXPECT_EQ(FocusId(), id);
    }
    page.DestroyWindow();
    dlg.DestroyWindow();
}

TEST_F(DialogTemplates, ModalDialogEndsWithEscapeAsCancelAndWithEndDialog) {
    {
        RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
        QTimer::singleShot(0, [&] { vorn_test::KeyPress(&dlg, Qt::Key_Escape, QStringLiteral("\x1b")); });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.commands, std::vector<int>{IDCANCEL});
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
    {
        RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
        QTimer::singleShot(0, [&] { dlg.EndDialog(kFinish); });
        EXPECT_EQ(dlg.DoModal(), kFinish);
    }
    // IDOK reaches OnOK, which ends the dialog.
    {
        RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
        QTimer::singleShot(0, [&] { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
        QObject guard;  // the watchdog goes with the test
        QTimer::singleShot(2000, &guard, [&] { dlg.EndDialog(-5); });  // never hang
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
}

TEST_F(DialogTemplates, ModalDialogDisablesItsOwnerWhileItRuns) {
    // With a parent the dialog is owned by the parent's window; without one by the main window.
    for (const bool withParent : {true, false}) {
        CWinApp app(L"Planner");
        CWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
        app.m_pMainWnd = &owner;
        RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
        if (withParent) dlg.m_pParentWnd = &owner;
        bool ownerEnabled = true, dialogEnabled = false, blocksOwner = false;
        HWND dialogOwner = nullptr;
        QTimer::singleShot(0, [&] {
            ownerEnabled = owner.IsWindowEnabled();
            dialogEnabled = dlg.IsWindowEnabled() && dlg.GetWidget()->isEnabled();
            dialogOwner = ::GetWindow(dlg.m_hWnd, GW_OWNER);
            blocksOwner = dlg.GetWidget()->isModal() && dlg.GetWidget()->parentWidget() == owner.GetWidget();
            vorn_test::Click(dlg.GetDlgItem(IDCANCEL), CPoint(10, 10));  // the mouse works in the dialog
        });
        QObject guard;  // the watchdog goes with the test
        QTimer::singleShot(2000, &guard, [&] { dlg.EndDialog(-5); });  // never hang
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << withParent;
        EXPECT_FALSE(ownerEnabled) << withParent;
        EXPECT_TRUE(dialogEnabled) << withParent;
        EXPECT_EQ(dialogOwner, owner.m_hWnd) << withParent;
        EXPECT_TRUE(blocksOwner) << withParent;
        EXPECT_TRUE(owner.IsWindowEnabled()) << withParent;
        owner.DestroyWindow();
    }
}

TEST_F(DialogTemplates, DialogWithoutAParentOpenedFromAModalDialogBlocksThatDialog) {
    CWinApp app(L"Planner");
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, L"frame", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    app.m_pMainWnd = &frame;
    RecordingDialog outer(IDD_NEW_PROJECT_WIZARD), inner(IDD_NEW_PROJECT_WIZARD);
    bool frameEnabled = true, outerEnabled = true;
    HWND innerOwner = nullptr, outerWindow = nullptr;
    INT_PTR innerResult = 0;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            frameEnabled = frame.IsWindowEnabled();
            outerEnabled = outer.IsWindowEnabled();
            innerOwner = ::GetWindow(inner.m_hWnd, GW_OWNER);
            outerWindow = outer.m_hWnd;
            inner.EndDialog(IDOK);
        });
        innerResult = inner.DoModal();
        outer.EndDialog(IDABORT);
    });
    QObject guard;  // the watchdog goes with the test
    QTimer::singleShot(3000, &guard, [&] {  // never hang
        inner.EndDialog(-5);
        outer.EndDialog(-5);
    });
    EXPECT_EQ(outer.DoModal(), IDABORT);
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_FALSE(frameEnabled);
    EXPECT_FALSE(outerEnabled);
    EXPECT_TRUE(frame.IsWindowEnabled());
    frame.DestroyWindow();
}

TEST_F(DialogTemplates, MissingTemplateFailsWithoutAWindow) {
    CDialog dlg(4242);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(4242, nullptr));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTemplates, WizardPicture) {
    RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD);
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    CDialog page(IDD_WZD_RECENT);
    ASSERT_TRUE(page.Create(IDD_WZD_RECENT, &dlg));
    page.SetDlgItemText(1043, L"Pick a plan that you worked on lately, or browse for one.");
    page.SetDlgItemText(1062, L"/home/teacher/plans/spring.xml");
    CWnd* list = page.GetDlgItem(1061);
    LVCOLUMN col{LVCF_TEXT | LVCF_WIDTH, 0, 200, const_cast<LPTSTR>(L"Plan"), 0, 0};
    list->SendMessage(LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&col));
    col.pszText = const_cast<LPTSTR>(L"Last changed");
    col.cx = 180;
    list->SendMessage(LVM_INSERTCOLUMN, 1, reinterpret_cast<LPARAM>(&col));
    list->SendMessage(LVM_ENABLEGROUPVIEW, TRUE);
    const wchar_t* groups[] = {L"Today", L"This week"};
    for (int g = 0; g < 2; ++g) {
        LVGROUP group{sizeof(LVGROUP), LVGF_HEADER | LVGF_GROUPID | LVGF_ALIGN, const_cast<LPWSTR>(groups[g]), 0, nullptr, 0, g + 1, 0, 0, LVGA_HEADER_CENTER};
        list->SendMessage(LVM_INSERTGROUP, static_cast<WPARAM>(g), reinterpret_cast<LPARAM>(&group));
    }
    const wchar_t* names[] = {L"spring", L"autumn", L"exams"};
    for (int i = 0; i < 3; ++i) {
        LVITEM item{};
        item.mask = LVIF_TEXT | LVIF_GROUPID;
        item.iItem = i;
        item.pszText = const_cast<LPTSTR>(names[i]);
        item.iGroupId = i == 0 ? 1 : 2;
        list->SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
        item.mask = LVIF_TEXT;
        item.iSubItem = 1;
        item.pszText = const_cast<LPTSTR>(L"10:15 10/12/2026");
        list->SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    CRect area;
    dlg.GetDlgItem(kPlaceholder)->GetWindowRect(&area);
    dlg.ScreenToClient(&area);
    page.SetWindowPos(nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    page.ShowWindow(SW_SHOW);
    dlg.ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
    const QImage picture = dlg.GetWidget()->grab().toImage();
    EXPECT_TRUE(picture.save(QString::fromStdWString(vorn_test::PicturePath("dialog_wizard.png").str())));
    page.DestroyWindow();
    dlg.DestroyWindow();
}
