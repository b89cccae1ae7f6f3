// A record dialog with every kind of standard control: data exchange both ways, the radio
// group under the arrow keys, the dialog's colour hook and its picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/core/language_pack.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/list_box.h"
#include "platform/ui/message_map.h"
#include "platform/ui/progress_ctrl.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kKinds = 500;
constexpr int kName = 1001, kHours = 1002, kAvailable = 1003, kTeacher = 1004, kClass = 1005, kRoom = 1006;
constexpr int kCombo = 1007, kList = 1008, kProgress = 1009;

class RecordDialog : public CDialog {
public:
    RecordDialog() : CDialog(kKinds) { m_white.CreateSolidBrush(RGB(255, 255, 255)); }
    CString name = L"Ada";
    int hours = 24;
    int available = 1;
    int kind = 1;
    int room = 2;
    int list = 1;
    CButton ok;
    bool white = false;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDOK, ok);
        DDX_Text(pDX, kName, name);
        DDX_Text(pDX, kHours, hours);
        DDX_Check(pDX, kAvailable, available);
        DDX_Radio(pDX, kTeacher, kind);
        DDX_CBIndex(pDX, kCombo, room);
        DDX_LBIndex(pDX, kList, list);
    }
    BOOL OnInitDialog() override {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kCombo));
        for (const wchar_t* s : {L"Hall", L"Lab", L"Library"}) combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        for (const wchar_t* s : {L"Monday", L"Tuesday", L"Wednesday"})
            GetDlgItem(kList)->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        GetDlgItem(kProgress)->SendMessage(PBM_SETPOS, 40);
        return CDialog::OnInitDialog();
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (!white) return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
        return static_cast<HBRUSH>(m_white.m_hObject);
    }

private:
    CBrush m_white;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordDialog, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class KindsPack : public ::testing::Test {
protected:
    void SetUp() override {
        const CPackResult r = pack.Load(CString(std::string(VORN_TEST_DIR) + "/controls_pack.rc"));
        ASSERT_TRUE(r.ok) << r.Describe().ToUtf8();
        CLanguagePack::SetCurrent(&pack);
    }
    void TearDown() override { CLanguagePack::SetCurrent(nullptr); }
    CLanguagePack pack;
};

}  // namespace

TEST_F(KindsPack, DataGoesIntoTheControlsAndBack) {
    RecordDialog dlg;
    ASSERT_TRUE(dlg.Create(kKinds, nullptr));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(dlg.ok.m_hWnd, dlg.GetDlgItem(IDOK)->m_hWnd);  // bound by DDX_Control
    CString text;
    dlg.GetDlgItemText(kName, text);
    EXPECT_EQ(text, CString(L"Ada"));
    EXPECT_EQ(dlg.GetDlgItemInt(kHours), 24u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(kAvailable), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(dlg.GetCheckedRadioButton(kTeacher, kRoom), kClass);
    EXPECT_EQ(dlg.SendDlgItemMessage(kCombo, CB_GETCURSEL), 2);
    EXPECT_EQ(dlg.SendDlgItemMessage(kList, LB_GETCURSEL), 1);
    // The user changes them.
    dlg.SetDlgItemText(kName, L"Ben");
    dlg.SetDlgItemInt(kHours, 18);
    vorn_test::Click(dlg.GetDlgItem(kAvailable), CPoint(3, 3));
    dlg.GotoDlgCtrl(dlg.GetDlgItem(kClass));
    vorn_test::KeyPress(&dlg, Qt::Key_Down);  // the arrow moves to Room and checks it
    EXPECT_EQ(GetFocus(), dlg.GetDlgItem(kRoom)->m_hWnd);
    dlg.SendDlgItemMessage(kCombo, CB_SETCURSEL, 0);
    dlg.SendDlgItemMessage(kList, LB_SETCURSEL, 2);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.name, CString(L"Ben"));
    EXPECT_EQ(dlg.hours, 18);
    EXPECT_EQ(dlg.available, 0);
    EXPECT_EQ(dlg.kind, 2);
    EXPECT_EQ(dlg.room, 0);
    EXPECT_EQ(dlg.list, 2);
    dlg.DestroyWindow();
}

TEST_F(KindsPack, ANumberThatDoesNotReadFailsAndTakesTheFocus) {
    RecordDialog dlg;
    ASSERT_TRUE(dlg.Create(kKinds, nullptr));
    struct Case {
        const wchar_t* typed;
        bool ok;
        int value;
    };
    const Case cases[] = {{L" 12 ", true, 12}, {L"-3", true, -3}, {L"", false, 24}, {L"1x", false, 24},
                          {L"99999999999", false, 24}};
    for (const Case& c : cases) {
        dlg.hours = 24;
        dlg.SetDlgItemText(kHours, c.typed);
        dlg.GotoDlgCtrl(dlg.GetDlgItem(kName));
        EXPECT_EQ(dlg.UpdateData(TRUE) != FALSE, c.ok) << CString(c.typed).ToUtf8();
        EXPECT_EQ(dlg.hours, c.value) << CString(c.typed).ToUtf8();
        if (!c.ok) {
            EXPECT_EQ(GetFocus(), dlg.GetDlgItem(kHours)->m_hWnd);
        }
    }
    // OK with a bad number keeps the dialog open.
    dlg.SetDlgItemText(kHours, L"x");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(dlg.IsWindowVisible() || dlg.m_hWnd);
    dlg.DestroyWindow();
}

TEST_F(KindsPack, ColourHookAndPicture) {
    RecordDialog dlg;
    dlg.white = true;
    ASSERT_TRUE(dlg.Create(kKinds, nullptr));
    dlg.ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
    const QImage picture = dlg.GetWidget()->grab().toImage();
    EXPECT_TRUE(picture.save(QString::fromStdWString(vorn_test::PicturePath("dialog_record.png").str())));
    // The dialog and its labels are white.
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(255, 255, 255));
    CRect label;
    ::GetWindowRect(::GetWindow(dlg.m_hWnd, GW_CHILD) ? dlg.GetDlgItem(kName)->m_hWnd : nullptr, &label);
    dlg.ScreenToClient(&label);
    EXPECT_EQ(picture.pixelColor(3, label.top + 2), QColor(255, 255, 255));
    dlg.DestroyWindow();
}
