#pragma once
// The pages of the main frame's tab control. A page's subsystem registers the page's factory
// (the program does so before start-up); the frame creates the registered pages only, so a
// page whose subsystem is not built yet has no tab.
#include <functional>
#include <memory>

#include "platform/ui/wnd.h"

class CPageContent;

class CFramePage : public CWnd {
public:
    // Creates the page's window as a child of the tab control.
    virtual BOOL CreatePage(CWnd* pParent, UINT nID) {
        return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    // The page's part of the frame's update broadcast.
    virtual void Update(int kind) = 0;
    // The full refresh after the plan check; by default as update kind 1.
    virtual void RefreshContent(const CPageContent& content);
};

using FramePageFactory = std::function<std::unique_ptr<CFramePage>()>;

// The page ids of the six tabs.
inline constexpr int kPageContacts = 111, kPageTimeTable = 112, kPageTasks = 113, kPageReports = 114,
                     kPageOptions = 115, kPageMagnet = 116;

// Registers (or, with an empty factory, removes) the factory of a page id.
void RegisterFramePage(int pageId, FramePageFactory factory);
const FramePageFactory* FindFramePageFactory(int pageId);

// One tab of the main tab control, in tab order.
struct CFrameTab {
    int pageId;
    UINT caption;
    UINT tooltip;
    int image;
    UINT explorerMenu;  // the explorer bar's menu and toolbar resource for the tab
};
inline constexpr int kFrameTabCount = 6;
extern const CFrameTab kFrameTabs[kFrameTabCount];
