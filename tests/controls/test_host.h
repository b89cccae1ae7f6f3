#pragma once
// A top-level window for the control tests: it records the commands and notifications its
// children send and can answer a notification (a non-zero answer refuses where that counts).
#include <functional>
#include <vector>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/wnd.h"

class TestHost : public CWnd {
public:
    explicit TestHost(int width = 480, int height = 360) {
        CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, width, height, nullptr, nullptr);
        ShowWindow(SW_SHOW);
    }
    struct Command {
        UINT id;
        int code;
    };
    std::vector<Command> commands;
    std::vector<int> notifyCodes;
    std::function<LRESULT(NMHDR*)> onNotify;

    std::vector<int> CommandCodes(UINT id) const {
        std::vector<int> codes;
        for (const auto& c : commands)
            if (c.id == id) codes.push_back(c.code);
        return codes;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back({LOWORD(wParam), static_cast<int>(HIWORD(wParam))});
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        notifyCodes.push_back(static_cast<int>(hdr->code));
        *pResult = onNotify ? onNotify(hdr) : 0;
        return TRUE;
    }
};
