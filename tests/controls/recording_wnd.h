#pragma once
// A top-level window for control tests that records the messages its children send: private
// messages (WM_USER and above), WM_COMMAND and WM_NOTIFY.
#include <vector>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/wnd.h"

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int notifyCode;  // WM_NOTIFY: the header's code
};

class RecordingWnd : public CWnd {
public:
    explicit RecordingWnd(int width = 640, int height = 400) {
        CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, width, height, nullptr, nullptr);
        ShowWindow(SW_SHOW);
    }
    std::vector<RecordedMessage> messages;

    // The private messages (WM_USER and above) in the order they came.
    std::vector<UINT> Ids() const {
        std::vector<UINT> ids;
        for (const auto& m : messages)
            if (m.message >= WM_USER) ids.push_back(m.message);
        return ids;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER && message < 0xC000) messages.push_back({message, wParam, lParam, 0});
        if (message == WM_COMMAND) messages.push_back({message, wParam, lParam, 0});
        if (message == WM_NOTIFY) {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
            messages.push_back({message, wParam, lParam, static_cast<int>(hdr->code)});
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
