// Message-map entries for control notifications, WM_NOTIFY that a handler passes on, owner
// drawing handed back to the control's class and control colours reflected to the control.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QWidget>

#include "platform/ui/client_dc.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_box.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kCombo = 60, kList = 61, kEdit = 62, kOtherList = 63;

class CMapHost : public CWnd {
public:
    CMapHost() {
        CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
    }
    std::vector<const char*> calls;
    bool passNotify = true;
    std::vector<int> drawnIds;

    void OnComboChange() { calls.push_back("combo selchange"); }
    void OnEditChange() { calls.push_back("edit change"); }
    BOOL OnFirstClick(UINT, NMHDR*, LRESULT*) {
        calls.push_back("notify ex");
        return passNotify ? FALSE : TRUE;
    }
    void OnSecondClick(NMHDR*, LRESULT*) { calls.push_back("notify"); }
    std::vector<UINT> rangeIds;
    void OnCommandInRange(UINT id) { rangeIds.push_back(id); }
    void OnClickInRange(UINT id, NMHDR*, LRESULT*) { rangeIds.push_back(id); }
    // Draws list kList itself and leaves the others to their classes.
    void OnDrawItem(int nIDCtl, DRAWITEMSTRUCT* dis) {
        drawnIds.push_back(nIDCtl);
        if (nIDCtl == static_cast<int>(kList)) return;
        CWnd::OnDrawItem(nIDCtl, dis);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMapHost, CWnd)
    ON_CBN_SELCHANGE(kCombo, &CMapHost::OnComboChange)
    ON_EN_CHANGE(kEdit, &CMapHost::OnEditChange)
    ON_NOTIFY_EX(NM_CLICK, 5, &CMapHost::OnFirstClick)
    ON_NOTIFY(NM_CLICK, 5, &CMapHost::OnSecondClick)
    ON_WM_DRAWITEM()
    ON_COMMAND_RANGE(200, 209, &CMapHost::OnCommandInRange)
    ON_NOTIFY_RANGE(NM_DBLCLK, 300, 309, &CMapHost::OnClickInRange)
END_MESSAGE_MAP()

TEST(MessageMapEntries, ControlNotificationsReachTheirHandlers) {
    CMapHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 200, 200), &host, kCombo));
    combo.AddString(L"one");
    combo.AddString(L"two");
    combo.SetCurSel(0);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 50, 200, 75), &host, kEdit));
    combo.SetFocus();
    vorn_test::KeyPress(&combo, Qt::Key_Down);
    edit.SetFocus();
    vorn_test::KeyPress(&edit, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(host.calls, (std::vector<const char*>{"combo selchange", "edit change"}));
}

TEST(MessageMapEntries, NotifyExHandlerThatReturnsFalsePassesTheNotificationOn) {
    CMapHost host;
    NMHDR hdr{nullptr, 5, static_cast<UINT>(NM_CLICK)};
    host.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(host.calls, (std::vector<const char*>{"notify ex", "notify"}));
    host.calls.clear();
    host.passNotify = false;
    host.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(host.calls, (std::vector<const char*>{"notify ex"}));
}

TEST(MessageMapEntries, RangeEntriesGiveTheHandlerTheId) {
    CMapHost host;
    for (UINT id : {199u, 200u, 205u, 209u, 210u}) host.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    for (UINT id : {300u, 311u}) {
        NMHDR hdr{nullptr, id, static_cast<UINT>(NM_DBLCLK)};
        host.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&hdr));
    }
    EXPECT_EQ(host.rangeIds, (std::vector<UINT>{200, 205, 209, 300}));
}

// An owner-drawn list that paints its items itself when its parent hands them back.
class CSelfDrawnList : public CListBox {
public:
    int drawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        ++drawn;
        CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, RGB(0, 128, 0));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override { mis->itemHeight = 18; }
};

TEST(MessageMapEntries, ParentDrawItemHandsOtherControlsBackToTheirClass) {
    CMapHost host;
    CSelfDrawnList own, other;
    const DWORD style = WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    ASSERT_TRUE(own.Create(style, CRect(10, 10, 150, 120), &host, kList));
    ASSERT_TRUE(other.Create(style, CRect(160, 10, 300, 120), &host, kOtherList));
    own.AddString(L"a");
    other.AddString(L"b");
    vorn_test::ProcessEvents();
    own.GetWidget()->grab();
    other.GetWidget()->grab();
    EXPECT_EQ(own.drawn, 0);  // the parent drew it
    EXPECT_GT(other.drawn, 0);
    EXPECT_NE(std::find(host.drawnIds.begin(), host.drawnIds.end(), static_cast<int>(kOtherList)), host.drawnIds.end());
}

// An edit that chooses its own background.
class CTintedEdit : public CEdit {
public:
    CBrush brush;
    CTintedEdit() { brush.CreateSolidBrush(RGB(255, 255, 200)); }
    HBRUSH CtlColor(CDC* pDC, UINT) {
        pDC->SetBkColor(RGB(255, 255, 200));
        return static_cast<HBRUSH>(brush.GetSafeHandle());
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTintedEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(MessageMapEntries, ControlColourIsReflectedToTheControl) {
    CMapHost host;
    CTintedEdit tinted;
    CEdit plain;
    ASSERT_TRUE(tinted.Create(WS_VISIBLE, CRect(10, 10, 150, 30), &host, kEdit));
    ASSERT_TRUE(plain.Create(WS_VISIBLE, CRect(10, 40, 150, 60), &host, kEdit + 10));
    CClientDC dc(&host);
    const LRESULT tintedBrush = host.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(tinted.m_hWnd));
    EXPECT_EQ(tintedBrush, reinterpret_cast<LRESULT>(tinted.brush.GetSafeHandle()));
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 200));
    const LRESULT plainBrush = host.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(plain.m_hWnd));
    EXPECT_EQ(plainBrush, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)));
}

}  // namespace
