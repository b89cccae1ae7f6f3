#include "controls/tab_ctrl.h"

#include <algorithm>

#include "controls/focus_hook_registry.h"
#include "controls/keyboard_hook_registry.h"
#include "controls/window_class_name.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

IMPLEMENT_DYNCREATE(TabCtrl, CWnd)

// The built-in parts: the values a look falls back on.
class TabCtrlBuiltInMetrics : public TabCtrlMetrics {
public:
    int GetBorderWidth(const TabCtrl*, TabCtrlMetrics*) override { return 1; }
    CRect GetRowMargins(const TabCtrl* c, TabCtrlMetrics*) override {
        return c->GetTabPosition() == 0 ? CRect(3, 1, 3, 2) : CRect(3, 2, 3, 1);
    }
    CRect GetPageMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(0, 0, 0, 0); }
    CRect GetTabSpacing(const TabCtrl*, TabCtrlMetrics*) override { return CRect(0, 0, 0, 0); }
    CRect GetTabPadding(const TabCtrl*, TabCtrlMetrics*) override { return CRect(5, 3, 5, 3); }
    int GetImageGap(const TabCtrl*, TabCtrlMetrics*) override { return 3; }
    int GetTabExtraWidth(const TabCtrl*, TabCtrlMetrics*, const TabCtrlItem*) override { return 0; }
    int GetTabMinWidth(const TabCtrl* c, TabCtrlMetrics*) override {
        // The padding of the metrics in force, so that a look's padding counts.
        TabCtrlMetrics* metrics = c->GetMetrics();
        const CRect padding = metrics->GetTabPadding(c, c->GetBuiltInMetrics());
        return std::max(c->GetNormalImageSize().cx, c->GetDisabledImageSize().cx) + padding.left + padding.right;
    }
    CRect GetScrollLeftMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(8, 0, 0, 0); }
    CRect GetScrollRightMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(0, 0, 0, 0); }
    CRect GetMenuMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(8, 0, 0, 0); }
    CRect GetCloseMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(2, 0, 2, 0); }
};

class TabCtrlBuiltInBehavior : public TabCtrlBehavior {
public:
    TabCtrlItem* HitTest(const TabCtrl* c, TabCtrlBehavior*, CPoint pt) override {
        if (!c->m_tabsRect.PtInRect(pt)) return nullptr;
        for (TabCtrlItem* item : c->m_items)
            if (item->rect.PtInRect(pt)) return item;
        return nullptr;
    }
    bool SetCursor(TabCtrl* c, TabCtrlBehavior* base) override {
        if (!c->m_tabCursor) return false;
        CPoint pt;
        ::GetCursorPos(&pt);
        c->ScreenToClient(&pt);
        if (!c->GetBehavior()->HitTest(c, base, pt)) return false;
        ::SetCursor(c->m_tabCursor);
        return true;
    }
};

class TabCtrlBuiltInToolTipFactory : public TabCtrlToolTipFactory {
public:
    CToolTipCtrl* CreateToolTip(TabCtrl* c, TabCtrlToolTipFactory*) override {
        if (!c->m_embeddedToolTip.Create(c, TTS_ALWAYSTIP)) return nullptr;
        const HWND tip = c->m_embeddedToolTip.m_hWnd;
        SetClassLong(tip, GCL_STYLE, static_cast<LONG>(GetClassLong(tip, GCL_STYLE) | CS_DROPSHADOW));
        return &c->m_embeddedToolTip;
    }
};

BEGIN_MESSAGE_MAP(TabCtrl, CWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MBUTTONDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_MOUSELEAVE()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

TabCtrl::TabCtrl()
    : m_builtInMetrics(std::make_unique<TabCtrlBuiltInMetrics>()),
      m_builtInBehavior(std::make_unique<TabCtrlBuiltInBehavior>()),
      m_builtInToolTipFactory(std::make_unique<TabCtrlBuiltInToolTipFactory>()) {
    m_metrics = m_builtInMetrics.get();
    m_behavior = m_builtInBehavior.get();
    m_toolTipFactory = m_builtInToolTipFactory.get();
}

TabCtrl::~TabCtrl() {
    DestroyWindow();
    for (TabCtrlItem* item : m_items) delete item;
}

BOOL TabCtrl::Create(LPCTSTR, LPCTSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*) {
    return Create(parent, style, rect, id);
}

BOOL TabCtrl::Create(CWnd* parent, DWORD style, const RECT& rect, UINT id) {
    LOGFONT log{};
    CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))->GetLogFont(&log);
    if (!m_normalFontPtr && m_normalFont.CreateFontIndirect(&log)) m_normalFontPtr = &m_normalFont;
    if (!m_selectedFontPtr && m_selectedFont.CreateFontIndirect(&log)) m_selectedFontPtr = &m_selectedFont;

    const CString className = GetWindowClassName(L"TabCtrl", CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    if (!CWnd::Create(className, L"", style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, parent, id)) return FALSE;

    m_toolTip = m_toolTipFactory->CreateToolTip(this, m_builtInToolTipFactory.get());
    if (m_toolTip && m_toolTip->GetSafeHwnd()) {
        CRect empty(0, 0, 0, 0);
        if (!m_toolTip->AddTool(this, LPSTR_TEXTCALLBACK, &empty, 1)) return FALSE;
        const std::pair<CString*, UINT> texts[] = {{&m_closeText, IDS_TAB_CLOSE},
                                                   {&m_menuText, IDS_TAB_MENU},
                                                   {&m_scrollLeftText, IDS_TAB_SCROLL_LEFT},
                                                   {&m_scrollRightText, IDS_TAB_SCROLL_RIGHT}};
        for (const auto& [text, textId] : texts)
            if (text->IsEmpty()) text->LoadString(textId);
    }
    if (m_watchFocus) CFocusHookRegistry::Get().Add(this, m_hWnd);
    return TRUE;
}

TabCtrlItem* TabCtrl::AddTab(int position, HWND page, const CString& caption, int image) {
    if (m_notify) m_notify->OnAddingTab(this, page, caption, image);
    auto item = std::make_unique<TabCtrlItem>();
    item->pageWnd = page;
    item->image = image;
    item->caption = caption;
    position = std::clamp(position, 0, static_cast<int>(m_items.size()));
    m_items.insert(m_items.begin() + position, item.get());
    TabCtrlItem* added = item.release();
    if (m_current) {
        if (page && ::IsWindow(page)) ::ShowWindow(page, SW_HIDE);
    } else {
        for (TabCtrlItem* i : m_items)
            if (!i->disabled) {
                m_current = i;
                break;
            }
    }
    if (m_notify) m_notify->OnTabAdded(this, added);
    return added;
}

BOOL TabCtrl::SetImageLists(CImageList* normal, CImageList* disabled) {
    BOOL ok = TRUE;
    auto copy = [&ok](CImageList* source, CImageList& target, CImageList*& pointer, CSize& size) {
        target.DeleteImageList();
        pointer = nullptr;
        size = CSize(0, 0);
        if (!source) return;
        int cx = 0, cy = 0;
        if (!target.Create(source) || !target.GetIconSize(&cx, &cy)) {
            ok = FALSE;
            return;
        }
        pointer = &target;
        size = CSize(cx, cy);
    };
    copy(normal, m_normalImageCopy, m_normalImages, m_normalImageSize);
    copy(disabled, m_disabledImageCopy, m_disabledImages, m_disabledImageSize);
    return ok;
}

BOOL TabCtrl::SetButtonImageList(CImageList* buttons) {
    m_buttonImageCopy.DeleteImageList();
    m_buttonImages = nullptr;
    m_buttonImageSize = CSize(0, 0);
    int cx = 0, cy = 0;
    if (!buttons) return TRUE;
    if (!m_buttonImageCopy.Create(buttons) || !m_buttonImageCopy.GetIconSize(&cx, &cy)) return FALSE;
    m_buttonImages = &m_buttonImageCopy;
    m_buttonImageSize = CSize(cx, cy);
    return TRUE;
}

namespace {
void ReplaceFont(CFont* source, CFont& own, CFont*& pointer) {
    own.DeleteObject();
    pointer = nullptr;
    LOGFONT log{};
    if (source && source->GetLogFont(&log) && own.CreateFontIndirect(&log)) pointer = &own;
}
}  // namespace

void TabCtrl::SetNormalFont(CFont* font) { ReplaceFont(font, m_normalFont, m_normalFontPtr); }
void TabCtrl::SetSelectedFont(CFont* font) { ReplaceFont(font, m_selectedFont, m_selectedFontPtr); }

void TabCtrl::SetStyle(TabCtrlStyle* style) {
    m_draw = style ? style->GetDrawManager() : nullptr;
    TabCtrlMetrics* metrics = style ? style->GetMetrics() : nullptr;
    TabCtrlBehavior* behavior = style ? style->GetBehavior() : nullptr;
    TabCtrlToolTipFactory* factory = style ? style->GetToolTipFactory() : nullptr;
    m_metrics = metrics ? metrics : m_builtInMetrics.get();
    m_behavior = behavior ? behavior : m_builtInBehavior.get();
    m_toolTipFactory = factory ? factory : m_builtInToolTipFactory.get();
}

void TabCtrl::SelectTab(TabCtrlItem* item) {
    if (!item || item == m_current || item->disabled) return;
    CRect page = m_pageRect;
    const CRect margins = m_metrics->GetPageMargins(this, m_builtInMetrics.get());
    page.DeflateRect(margins.left, margins.top, margins.right, margins.bottom);
    if (item->pageWnd && ::IsWindow(item->pageWnd)) {
        CWnd* pageWnd = CWnd::FromHandle(item->pageWnd);
        CRect now;
        pageWnd->GetWindowRect(&now);
        if (CWnd* parent = pageWnd->GetParent()) parent->ScreenToClient(&now);
        CRect target = page;
        if (CWnd* parent = pageWnd->GetParent(); parent && parent != this) MapWindowPoints(parent, &target);
        if (now != target)
            pageWnd->SetWindowPos(nullptr, target.left, target.top, target.Width(), target.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        pageWnd->ShowWindow(SW_SHOWNA);
    }
    if (m_current && m_current->pageWnd && ::IsWindow(m_current->pageWnd)) ::ShowWindow(m_current->pageWnd, SW_HIDE);
    m_current = item;
}

TabCtrlItem* TabCtrl::HitTest(CPoint pt) const { return m_behavior->HitTest(this, m_builtInBehavior.get(), pt); }

TabCtrlItem* TabCtrl::PushedTab() const {
    if (!m_pushed || IsButton(m_pushed)) return nullptr;
    return reinterpret_cast<TabCtrlItem*>(m_pushed);
}

void TabCtrl::OnDestroy() {
    for (TabCtrlItem* item : m_items) {
        if (m_notify) m_notify->OnRemovingTab(this, item);
        if (item->pageWnd && ::IsWindow(item->pageWnd) && ::IsChild(m_hWnd, item->pageWnd)) ::ShowWindow(item->pageWnd, SW_HIDE);
        delete item;
    }
    m_items.clear();
    StopScrolling();
    EndDrag(true);
    m_current = nullptr;
    m_pushed = m_hot = 0;
    m_scrollOffset = 0;
    m_overflow = m_canScrollLeft = m_canScrollRight = false;
    if (m_tabCursor) {
        ::DestroyCursor(m_tabCursor);
        m_tabCursor = nullptr;
    }
    if (m_watchFocus && CFocusHookRegistry::Get().Contains(this)) CFocusHookRegistry::Get().Remove(this);
    if (m_alive) *m_alive = false;
    CWnd::OnDestroy();
}

void TabCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout(TRUE);
    Invalidate();
}

void TabCtrl::OnFocusChanged(bool gained, HWND) {
    if (m_hasFocus == gained) return;
    m_hasFocus = gained;
    if (m_hWnd) Invalidate();
}

void TabCtrl::OnKeyDown(UINT virtualKey, LPARAM) {
    if (virtualKey == VK_ESCAPE && m_dragging) EndDrag(true);
}

BOOL TabCtrl::PreTranslateMessage(MSG* msg) {
    if (m_toolTips && m_toolTip && m_toolTip->GetSafeHwnd()) m_toolTip->RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}
