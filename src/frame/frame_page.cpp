#include "frame/frame_page.h"

#include <map>

#include "model/page_content.h"
#include "resource_ids.h"

namespace {

std::map<int, FramePageFactory>& Factories() {
    static std::map<int, FramePageFactory> factories;
    return factories;
}

}  // namespace

const CFrameTab kFrameTabs[kFrameTabCount] = {
    {kPageContacts, IDS_TAB_CONTACTS, IDS_TIP_CONTACTS, 0, 155},
    {kPageTasks, IDS_TAB_TASKS, IDS_TIP_TASKS, 2, 171},
    {kPageTimeTable, IDS_TAB_TIMETABLE, IDS_TIP_TIMETABLE, 1, 158},
    {kPageMagnet, IDS_TAB_MAGNET, IDS_TIP_MAGNET, 5, 291},
    {kPageReports, IDS_TAB_REPORTS, IDS_TIP_REPORTS, 3, 131},
    {kPageOptions, IDS_TAB_OPTIONS, IDS_TIP_OPTIONS, 4, 203},
};

void CFramePage::RefreshContent(const CPageContent&) { Update(1); }

void RegisterFramePage(int pageId, FramePageFactory factory) {
    if (factory)
        Factories()[pageId] = std::move(factory);
    else
        Factories().erase(pageId);
}

const FramePageFactory* FindFramePageFactory(int pageId) {
    const auto it = Factories().find(pageId);
    return it == Factories().end() ? nullptr : &it->second;
}
