// Drag lists: dragging a line with the mouse sends the drag-list notifications to the parent and,
// when the parent leaves them, moves the line in a CDragListBox.
#include "platform/ui/drag_list_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notify_host.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kList = 41;

// Records the drag-list notifications; answers them only when told to (0 hands them to the list).
class DragParent : public NotifyHost {
public:
    std::vector<UINT> codes;
    std::vector<CPoint> points;
    bool answer = false;
    LRESULT beginAnswer = TRUE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        static const UINT dragList = RegisterWindowMessage(DRAGLISTMSGSTRING);
        if (message == dragList) {
            const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
            EXPECT_EQ(wParam, kList);
            codes.push_back(info->uNotification);
            points.push_back(CPoint(info->ptCursor));
            if (!answer) return 0;
            return info->uNotification == DL_BEGINDRAG ? beginAnswer : DL_MOVECURSOR;
        }
        return NotifyHost::WindowProc(message, wParam, lParam);
    }
};

// Remembers where the insert mark went.
class CRecordingDragList : public CDragListBox {
public:
    std::vector<int> marks;
    bool refuse = false;
    BOOL BeginDrag(CPoint pt) override { return refuse ? FALSE : CDragListBox::BeginDrag(pt); }
    void DrawInsert(int nItem) override {
        marks.push_back(nItem);
        CDragListBox::DrawInsert(nItem);
    }
};

class DragListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(40, 10, 240, 200), &parent, kList));
        for (const wchar_t* s : {L"alpha", L"beta", L"gamma", L"delta"}) list.AddString(s);
        for (int i = 0; i < 4; ++i) list.SetItemData(i, static_cast<DWORD_PTR>(100 + i));
        vorn_test::ProcessEvents();
    }
    CPoint Centre(int index) {
        CRect rc;
        list.GetItemRect(index, &rc);
        return rc.CenterPoint();
    }
    // Presses on one line, moves to another in steps and releases there.
    void Drag(int from, int to) {
        const CPoint start = Centre(from), end = Centre(to);
        vorn_test::MousePress(&list, start);
        for (int step = 1; step <= 4; ++step)
            vorn_test::MouseMove(&list, CPoint(start.x, start.y + (end.y - start.y) * step / 4), Qt::LeftButton);
        vorn_test::MouseRelease(&list, end);
    }
    std::vector<std::wstring> Lines() {
        std::vector<std::wstring> out;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString s;
            list.GetText(i, s);
            out.push_back(std::wstring(s.GetString()));
        }
        return out;
    }
    DragParent parent;
    CRecordingDragList list;
};

struct MoveCase {
    int from, to;
    std::vector<std::wstring> lines;
};

TEST_F(DragListTest, DraggedLineMovesBeforeTheLineItIsDroppedOn) {
    const MoveCase cases[] = {
        {0, 3, {L"beta", L"gamma", L"alpha", L"delta"}},
        {3, 0, {L"delta", L"alpha", L"beta", L"gamma"}},
        {1, 2, {L"alpha", L"beta", L"gamma", L"delta"}},  // onto the next line: no move
        {2, 2, {L"alpha", L"beta", L"gamma", L"delta"}},
    };
    for (const auto& c : cases) {
        list.ResetContent();
        for (const wchar_t* s : {L"alpha", L"beta", L"gamma", L"delta"}) list.AddString(s);
        for (int i = 0; i < 4; ++i) list.SetItemData(i, static_cast<DWORD_PTR>(100 + i));
        Drag(c.from, c.to);
        EXPECT_EQ(Lines(), c.lines) << c.from << " -> " << c.to;
        // The line keeps its data and is selected where it landed.
        const int at = list.GetCurSel();
        ASSERT_GE(at, 0);
        CString text;
        list.GetText(at, text);
        EXPECT_EQ(list.GetItemData(at), static_cast<DWORD_PTR>(100 + c.from)) << c.from << " -> " << c.to;
        ASSERT_FALSE(list.marks.empty());
        EXPECT_EQ(list.marks.back(), -1);  // the mark is gone after the drop
    }
}

TEST_F(DragListTest, ParentSeesEveryNotificationWithScreenPoints) {
    Drag(0, 2);
    ASSERT_GE(parent.codes.size(), 3u);
    EXPECT_EQ(parent.codes.front(), DL_BEGINDRAG);
    EXPECT_EQ(parent.codes.back(), DL_DROPPED);
    for (std::size_t i = 1; i + 1 < parent.codes.size(); ++i) EXPECT_EQ(parent.codes[i], DL_DRAGGING);
    CPoint releaseOnScreen = Centre(2);
    list.ClientToScreen(&releaseOnScreen);
    EXPECT_EQ(parent.points.back(), releaseOnScreen);
    EXPECT_EQ(list.ItemFromPt(releaseOnScreen, FALSE), 2);
}

TEST_F(DragListTest, RefusedDragLeavesTheListAlone) {
    // A parent's answer decides; a list that refuses the drag itself does the same.
    parent.answer = true;
    parent.beginAnswer = DL_BEGINDRAG;  // any non-zero answer lets the drag go on
    Drag(0, 3);
    EXPECT_EQ(parent.codes.front(), DL_BEGINDRAG);
    EXPECT_GT(parent.codes.size(), 1u);
    parent.codes.clear();
    list.refuse = true;
    parent.answer = false;
    list.ResetContent();
    for (const wchar_t* s : {L"alpha", L"beta", L"gamma", L"delta"}) list.AddString(s);
    Drag(0, 3);
    EXPECT_EQ(parent.codes, std::vector<UINT>{DL_BEGINDRAG});
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"alpha", L"beta", L"gamma", L"delta"}));
}

TEST_F(DragListTest, EscapeCancelsTheDrag) {
    const CPoint start = Centre(0);
    vorn_test::MousePress(&list, start);
    vorn_test::MouseMove(&list, Centre(2), Qt::LeftButton);
    list.SetFocus();
    vorn_test::KeyPress(&list, Qt::Key_Escape, QString(QChar(27)));
    vorn_test::MouseRelease(&list, Centre(3));
    ASSERT_FALSE(parent.codes.empty());
    EXPECT_EQ(parent.codes.back(), DL_CANCELDRAG);
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"alpha", L"beta", L"gamma", L"delta"}));
    ASSERT_FALSE(list.marks.empty());
    EXPECT_EQ(list.marks.back(), -1);
}

TEST_F(DragListTest, ItemFromPointOutsideTheItemsIsMinusOne) {
    CPoint left(-5, Centre(1).y), below(Centre(0).x, 400), onItem = Centre(1);
    for (CPoint* p : {&left, &below, &onItem}) list.ClientToScreen(p);
    EXPECT_EQ(LBItemFromPt(list.m_hWnd, left, FALSE), -1);
    EXPECT_EQ(LBItemFromPt(list.m_hWnd, below, FALSE), -1);
    EXPECT_EQ(LBItemFromPt(list.m_hWnd, onItem, FALSE), 1);
    CRect client;
    list.GetClientRect(&client);
    CPoint pastLast(client.CenterPoint().x, client.bottom - 2);
    list.ClientToScreen(&pastLast);
    EXPECT_EQ(LBItemFromPt(list.m_hWnd, pastLast, FALSE), -1);  // below the last line
}

}  // namespace
