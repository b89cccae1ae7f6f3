#pragma once
// The commands of the explorer bar as the frame built it for the selected page.
#include <vector>

#include "frame/explorer_bar_parts.h"
#include "frame/main_frame.h"
#include "platform/ui/cmd_target.h"

// The bar's item commands, in group and item order.
inline std::vector<UINT> ExplorerCommands(CMainFrame& frame) {
    frame.RebuildExplorerBar();
    std::vector<UINT> commands;
    for (const auto& group : frame.GetExplorerBar().Groups())
        for (const auto& item : group->m_arrItems) commands.push_back(static_cast<UINT>(item->m_nCommand));
    return commands;
}

// The bar's commands that the page has no handler for.
inline std::vector<UINT> ExplorerCommandsWithoutHandler(CMainFrame& frame, CCmdTarget& page) {
    std::vector<UINT> missing;
    for (UINT id : ExplorerCommands(frame)) {
        AFX_CMDHANDLERINFO info{};
        if (!page.OnCmdMsg(id, CN_COMMAND, nullptr, &info)) missing.push_back(id);
    }
    return missing;
}
