// Painting through the backing store, message maps and the window life cycle.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/edit.h"
#include "platform/ui/static.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_box.h"
#include "platform/ui/message_map.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/test_support.h"
#include "platform/ui/tree_ctrl.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "platform/ui/window_record.h"

namespace {

// A control that paints its whole client area in one colour and logs the paint messages.
class CPainted : public CWnd {
public:
    COLORREF color = RGB(255, 0, 0);
    std::vector<UINT> log;
    CRect lastPaint;
    int clicks = 0;
    int commands = 0;
    int updates = 0;
    int reflected = 0;
    LRESULT userResult = 0;

protected:
    void OnPaint() {
        log.push_back(WM_PAINT);
        CPaintDC dc(this);
        lastPaint = dc.m_ps.rcPaint;
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, color);
    }
    BOOL OnEraseBkgnd(CDC* dc) {
        log.push_back(WM_ERASEBKGND);
        return CWnd::OnEraseBkgnd(dc);
    }
    void OnLButtonDown(UINT, CPoint point) {
        if (point == CPoint(3, 4)) ++clicks;
    }
    LRESULT OnUser(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    void OnCommand42() { ++commands; }
    void OnUpdate42(CCmdUI* ui) {
        ++updates;
        ui->Enable(FALSE);
    }
    void OnReflectedClick(NMHDR*, LRESULT* result) {
        ++reflected;
        *result = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainted, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_USER + 5, &CPainted::OnUser)
    ON_COMMAND(42, &CPainted::OnCommand42)
    ON_UPDATE_COMMAND_UI(42, &CPainted::OnUpdate42)
    ON_NOTIFY_REFLECT(NM_CLICK, &CPainted::OnReflectedClick)
END_MESSAGE_MAP()

// A parent that receives its child's notifications.
class CHost : public CWnd {
public:
    int notified = 0;
    UINT registeredSeen = 0;
    static UINT s_registered;

protected:
    void OnChildDblClk(NMHDR* header, LRESULT* result) {
        ++notified;
        *result = static_cast<LRESULT>(header->idFrom);
    }
    LRESULT OnRegistered(WPARAM wParam, LPARAM) {
        registeredSeen = static_cast<UINT>(wParam);
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};
UINT CHost::s_registered = RegisterWindowMessage(L"vorn_test_message");

BEGIN_MESSAGE_MAP(CHost, CWnd)
    ON_NOTIFY(NM_DBLCLK, 77, &CHost::OnChildDblClk)
    ON_REGISTERED_MESSAGE(CHost::s_registered, &CHost::OnRegistered)
END_MESSAGE_MAP()

// A static that paints its text itself, leaving its background to the parent.
class OwnTextStatic : public CStatic {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 255));
        dc.TextOut(2, 2, L"Own");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnTextStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// An edit that lets the control paint, then frames it.
class FramedEdit : public CEdit {
protected:
    void OnPaint() {
        Default();
        CClientDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CBrush frame(RGB(255, 0, 255));
        dc.FrameRect(&rc, &frame);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FramedEdit, CEdit)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A static that draws its window text itself, in blue, on the parent's background.
class CaptionStatic : public CStatic {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 255));
        CString text;
        GetWindowText(text);
        dc.TextOut(2, 2, text);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CaptionStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A tree that paints without flicker: the control paints into a memory DC, which is copied.
class BufferedTree : public CTreeCtrl {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        CRect clip, client;
        dc.GetClipBox(&clip);
        GetClientRect(&client);
        CDC memory;
        CBitmap bitmap;
        memory.CreateCompatibleDC(&dc);
        bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
        CBitmap* old = memory.SelectObject(&bitmap);
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
        dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memory, clip.left, clip.top, SRCCOPY);
        memory.SelectObject(old);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BufferedTree, CTreeCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A list box that draws its lines itself and leaves the control none of the painting.
class SelfDrawnList : public CListBox {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, RGB(255, 255, 255));
        for (int i = 0; i < GetCount(); ++i) {
            CRect line;
            GetItemRect(i, &line);
            if (i == GetCurSel()) dc.FillSolidRect(&line, RGB(0, 0, 128));
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfDrawnList, CListBox)
    ON_WM_PAINT()
END_MESSAGE_MAP()

LPCTSTR WhiteClass() {
    return AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW));
}

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, WhiteClass(), L"host", WS_POPUP | WS_VISIBLE, CRect(20, 20, 220, 180), nullptr, 0));
        ASSERT_TRUE(child.Create(WhiteClass(), L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 90), &host, 77));
        vorn_test::ProcessEvents();
        child.UpdateWindow();
        child.log.clear();
    }
    COLORREF StorePixel(CWnd& w, int x, int y) {
        CClientDC dc(&w);
        return dc.GetPixel(x, y);
    }
    CHost host;
    CPainted child;
};

TEST_F(PaintTest, InvalidatedAreaIsErasedThenPaintedAndClipped) {
    child.color = RGB(0, 0, 255);
    const CRect part(10, 10, 30, 20);
    child.InvalidateRect(&part, TRUE);
    child.UpdateWindow();
    // The erase comes from BeginPaint, inside the WM_PAINT handler.
    EXPECT_EQ(child.log, (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_EQ(child.lastPaint, part);
    EXPECT_EQ(StorePixel(child, 15, 15), RGB(0, 0, 255));
    EXPECT_EQ(StorePixel(child, 5, 5), RGB(255, 0, 0));  // outside the invalid part: as painted before
    // Nothing invalid, nothing painted.
    child.log.clear();
    child.UpdateWindow();
    EXPECT_TRUE(child.log.empty());
    // Without erasing only WM_PAINT comes.
    child.InvalidateRect(nullptr, FALSE);
    child.UpdateWindow();
    EXPECT_EQ(child.log, std::vector<UINT>{WM_PAINT});
}

TEST_F(PaintTest, ResizeInvalidatesTheWholeClientArea) {
    child.MoveWindow(10, 10, 150, 100);
    child.UpdateWindow();
    EXPECT_EQ(child.lastPaint, CRect(0, 0, 150, 100));
    EXPECT_EQ(StorePixel(child, 149, 99), RGB(255, 0, 0));
}

// A hidden window keeps no picture, nor do the windows inside it (a page behind a tab); shown
// again, they are painted whole.
TEST_F(PaintTest, HiddenWindowsAndTheirChildrenGiveTheirPicturesUpAndRepaintWhenShown) {
    ASSERT_FALSE(child.m_hWnd->store.isNull());
    host.ShowWindow(SW_HIDE);
    EXPECT_TRUE(host.m_hWnd->store.isNull());
    EXPECT_TRUE(child.m_hWnd->store.isNull());
    child.color = RGB(0, 128, 0);
    host.ShowWindow(SW_SHOW);
    vorn_test::ProcessEvents();
    child.UpdateWindow();
    EXPECT_EQ(child.lastPaint, CRect(0, 0, 100, 80));
    EXPECT_EQ(StorePixel(child, 99, 79), RGB(0, 128, 0));
}

// A locked window and its children are not painted, also when asked to paint at once; what was
// invalidated meanwhile stays invalid and is painted once the lock goes.
TEST_F(PaintTest, ALockedWindowUpdateHoldsBackPaintingUntilUnlocked) {
    ASSERT_TRUE(host.LockWindowUpdate());
    child.color = RGB(0, 0, 255);
    child.MoveWindow(10, 10, 120, 90);
    vorn_test::ProcessEvents();
    child.UpdateWindow();
    EXPECT_TRUE(child.log.empty());
    host.UnlockWindowUpdate();
    child.UpdateWindow();
    EXPECT_EQ(std::count(child.log.begin(), child.log.end(), WM_PAINT), 1);
    EXPECT_EQ(child.lastPaint, CRect(0, 0, 120, 90));
    EXPECT_EQ(StorePixel(child, 115, 85), RGB(0, 0, 255));
}

TEST_F(PaintTest, XorThroughGetDcTwiceRestoresThePictureWithoutPaintMessages) {
    const QImage before = CClientDC(&child).GrabImage();
    for (int pass = 0; pass < 2; ++pass) {
        CDC* dc = child.GetDC();
        ASSERT_NE(dc, nullptr);
        dc->SetROP2(R2_XORPEN);
        CPen pen(PS_SOLID, 3, RGB(255, 255, 0));
        CPen* old = dc->SelectObject(&pen);
        dc->MoveTo(0, 0);
        dc->LineTo(80, 60);
        dc->SelectStockObject(NULL_BRUSH);
        dc->Rectangle(5, 5, 50, 40);
        dc->SelectObject(old);
        child.ReleaseDC(dc);
        if (pass == 0) {
            EXPECT_NE(CClientDC(&child).GrabImage(), before);
        }
    }
    EXPECT_EQ(CClientDC(&child).GrabImage(), before);
    vorn_test::ProcessEvents();
    EXPECT_TRUE(child.log.empty());
}

TEST_F(PaintTest, InvertedLineThroughTheParentsDcShowsOverItsChildAndGoesWhenDrawnAgain) {
    // What the user sees of the host, children included, in the host's client coordinates.
    auto seen = [&](int x, int y) {
        const QImage picture = host.GetWidget()->grab().toImage();
        const QRgb p = picture.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    };
    const COLORREF childColor = seen(60, 50);
    ASSERT_EQ(childColor, RGB(255, 0, 0));
    for (int pass = 0; pass < 2; ++pass) {
        CClientDC dc(&host);
        dc.PatBlt(58, 0, 4, 160, DSTINVERT);  // a splitter's tracking line, across the child
        if (pass == 0) {
            host.GetWidget()->grab().save(QString::fromStdWString(vorn_test::PicturePath("inverted_line_over_child.png").str()));
            EXPECT_NE(seen(60, 50), childColor) << "over the child";
            EXPECT_EQ(seen(60, 5), RGB(0, 0, 0)) << "over the host";
            EXPECT_EQ(seen(70, 50), childColor) << "beside the line";
        }
    }
    EXPECT_EQ(seen(60, 50), childColor);
    EXPECT_EQ(seen(60, 5), RGB(255, 255, 255));
    // Drawing over a child that the window clips away stays under the child.
    host.ModifyStyle(0, WS_CLIPCHILDREN);
    {
        CClientDC dc(&host);
        dc.PatBlt(58, 0, 4, 160, DSTINVERT);
    }
    EXPECT_EQ(seen(60, 50), childColor);
    EXPECT_TRUE(child.log.empty());
}

TEST_F(PaintTest, AControlClassThatPaintsItselfIsSeenOverOrInPlaceOfTheControl) {
    OwnTextStatic label;
    ASSERT_TRUE(label.Create(L"XXXXXXXXXX", WS_CHILD | WS_VISIBLE, CRect(120, 10, 190, 40), &host));
    FramedEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(120, 60, 190, 90), &host, 5));
    edit.SetWindowText(L"Text");
    vorn_test::ProcessEvents();
    const QImage seen = host.GetWidget()->grab().toImage();
    seen.save(QString::fromStdWString(vorn_test::PicturePath("controls_painting_themselves.png").str()));
    auto color = [&](int x, int y) {
        const QRgb p = seen.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    };
    // The static shows only its own blue text on the host's white: nothing of the label's own text.
    int blue = 0, other = 0;
    for (int y = 10; y < 40; ++y)
        for (int x = 120; x < 190; ++x) {
            const COLORREF c = color(x, y);
            if (c == RGB(255, 255, 255)) continue;
            if (GetBValue(c) > GetRValue(c) && GetBValue(c) > GetGValue(c)) ++blue;
            else ++other;
        }
    EXPECT_GT(blue, 0);
    EXPECT_EQ(other, 0);
    // The edit shows its text with the frame drawn over it.
    EXPECT_EQ(color(120, 60), RGB(255, 0, 255));
    EXPECT_EQ(color(189, 89), RGB(255, 0, 255));
    int dark = 0;
    for (int y = 62; y < 88; ++y)
        for (int x = 122; x < 188; ++x)
            if (GetRValue(color(x, y)) < 100 && GetGValue(color(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 0);
}

// The box around the pixels of a part of the host, as the user sees it, that are not white.
CRect InkIn(CWnd& host, const CRect& part) {
    const QImage seen = host.GetWidget()->grab().toImage();
    CRect ink(part.right, part.bottom, part.left, part.top);
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            if ((seen.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return ink;
}

TEST_F(PaintTest, AControlThatPaintsItselfShowsWhatChangesInTheControl) {
    // A new text repaints a static that draws it, and its letters blend with what lies beneath.
    CaptionStatic label;
    const CRect labelRect(10, 100, 190, 130);
    ASSERT_TRUE(label.Create(L"Ab", WS_CHILD | WS_VISIBLE, labelRect, &host));
    vorn_test::ProcessEvents();
    const CRect before = InkIn(host, labelRect);
    ASSERT_FALSE(before.IsRectEmpty());
    label.SetWindowText(L"Ab Cd Ef Gh");
    vorn_test::ProcessEvents();
    const CRect after = InkIn(host, labelRect);
    EXPECT_GT(after.right, before.right + 20);
    const QImage seen = host.GetWidget()->grab().toImage();
    int darkened = 0;  // blue over white never loses blue
    for (int y = labelRect.top; y < labelRect.bottom; ++y)
        for (int x = labelRect.left; x < labelRect.right; ++x) darkened += qBlue(seen.pixel(x, y)) < 255;
    EXPECT_EQ(darkened, 0);
    label.DestroyWindow();

    // A tree that has the control paint into its memory DC: items added after its first paint
    // show, and a click selects.
    BufferedTree tree;
    const CRect treeRect(10, 10, 190, 150);
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, treeRect, &host, 6));
    child.ShowWindow(SW_HIDE);
    tree.InsertItem(L"Staff");
    vorn_test::ProcessEvents();
    const CRect oneItem = InkIn(host, treeRect);
    HTREEITEM last = nullptr;
    for (const wchar_t* name : {L"Rooms", L"Classes", L"Subjects"}) last = tree.InsertItem(name);
    vorn_test::ProcessEvents();
    EXPECT_GT(InkIn(host, treeRect).bottom, oneItem.bottom + 30);
    CRect item;
    ASSERT_TRUE(tree.GetItemRect(last, &item, TRUE));
    vorn_test::Click(&tree, item.CenterPoint());
    vorn_test::ProcessEvents();
    EXPECT_EQ(tree.GetSelectedItem(), last);
    host.GetWidget()->grab().save(QString::fromStdWString(vorn_test::PicturePath("buffered_tree.png").str()));
    tree.DestroyWindow();

    // A list that draws alone still takes the user's click, and shows the new selection.
    SelfDrawnList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, treeRect, &host, 7));
    for (const wchar_t* name : {L"Ada", L"Ben", L"Cy"}) list.AddString(name);
    vorn_test::ProcessEvents();
    EXPECT_TRUE(InkIn(host, treeRect).IsRectEmpty());
    CRect line;
    list.GetItemRect(2, &line);
    vorn_test::Click(&list, line.CenterPoint());
    vorn_test::ProcessEvents();
    EXPECT_EQ(list.GetCurSel(), 2);
    line.OffsetRect(treeRect.TopLeft());
    EXPECT_EQ(InkIn(host, treeRect), line);
}

TEST_F(PaintTest, MessageMapCracksParametersAndRoutesCommands) {
    vorn_test::Click(&child, CPoint(3, 4));
    EXPECT_EQ(child.clicks, 1);
    EXPECT_EQ(child.SendMessage(WM_USER + 5, 30, 12), 42);
    EXPECT_EQ(child.SendMessage(WM_COMMAND, MAKEWPARAM(42, 0), 0), 1);
    EXPECT_EQ(child.commands, 1);
    EXPECT_EQ(child.SendMessage(WM_COMMAND, MAKEWPARAM(43, 0), 0), 0);  // no handler

    // An update handler runs; a command without any handler is disabled.
    struct Probe : CCmdUI {
        BOOL enabled = TRUE;
        void Enable(BOOL on) override {
            enabled = on;
            m_bEnableChanged = TRUE;
        }
    } probe;
    probe.m_nID = 42;
    probe.DoUpdate(&child, TRUE);
    EXPECT_EQ(child.updates, 1);
    EXPECT_FALSE(probe.enabled);
    probe.m_nID = 99;
    probe.enabled = TRUE;
    probe.DoUpdate(&child, TRUE);
    EXPECT_FALSE(probe.enabled);
}

TEST_F(PaintTest, NotificationsReachTheParentAndReflectToTheControl) {
    NMHDR click{child.m_hWnd, 77, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(host.SendMessage(WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&click)), 5);
    EXPECT_EQ(child.reflected, 1);
    NMHDR dbl{child.m_hWnd, 77, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(host.SendMessage(WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&dbl)), 77);
    EXPECT_EQ(host.notified, 1);
    EXPECT_EQ(host.SendMessage(CHost::s_registered, 9, 0), 1);
    EXPECT_EQ(host.registeredSeen, 9u);
    EXPECT_EQ(RegisterWindowMessage(L"vorn_test_message"), CHost::s_registered);
}

// A window that deletes itself when it is gone, and logs the order of destruction.
std::vector<std::string> g_destroyLog;
class CSelfDeleting : public CWnd {
public:
    explicit CSelfDeleting(std::string n, bool* gone) : name(std::move(n)), deleted(gone) {}
    ~CSelfDeleting() override { *deleted = true; }
    void PostNcDestroy() override { delete this; }
    std::string name;
    bool* deleted;

protected:
    void OnDestroy() {
        g_destroyLog.push_back(name);
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfDeleting, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowLifetime, DestroyWindowTearsDownParentThenChildrenAndSelfDeletes) {
    g_destroyLog.clear();
    bool parentGone = false, childGone = false;
    auto* parent = new CSelfDeleting("parent", &parentGone);
    ASSERT_TRUE(parent->CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    auto* child = new CSelfDeleting("child", &childGone);
    ASSERT_TRUE(child->Create(nullptr, L"", WS_CHILD, CRect(0, 0, 10, 10), parent, 1));
    const HWND hp = parent->m_hWnd, hc = child->m_hWnd;
    EXPECT_TRUE(::IsWindow(hc));
    parent->DestroyWindow();
    EXPECT_TRUE(parentGone);
    EXPECT_TRUE(childGone);
    EXPECT_FALSE(::IsWindow(hp));
    EXPECT_FALSE(::IsWindow(hc));
    EXPECT_EQ(g_destroyLog, (std::vector<std::string>{"parent", "child"}));
    vorn_test::ProcessEvents();
}

class CRefuses : public CWnd {
protected:
    int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRefuses, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WindowLifetime, CreateFailsWhenOnCreateRefuses) {
    CRefuses w;
    EXPECT_FALSE(w.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(w.m_hWnd, nullptr);
}

TEST(ScrollBars, WindowScrollBarsTakeRoomFromTheClientArea) {
    CPainted w;
    ASSERT_TRUE(w.CreateEx(0, WhiteClass(), L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 200, 100), nullptr, 0));
    CRect client;
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 200 - GetSystemMetrics(SM_CXVSCROLL));
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 50, 0};
    w.SetScrollInfo(SB_VERT, &si);
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 50);
    EXPECT_EQ(w.GetScrollLimit(SB_VERT), 90);
    w.SetScrollPos(SB_VERT, 500);
    EXPECT_EQ(w.GetScrollPos(SB_VERT), 90);
    // A range that fits the page hides the bar and gives the room back.
    SCROLLINFO fits{sizeof(si), SIF_RANGE | SIF_PAGE, 0, 5, 10, 0, 0};
    w.SetScrollInfo(SB_VERT, &fits);
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 200);
    EXPECT_FALSE(w.GetStyle() & WS_VSCROLL);
}

}  // namespace
