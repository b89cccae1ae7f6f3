#pragma once
// A top-level window for control tests: it records the WM_COMMAND and WM_NOTIFY messages its
// children send, and can answer custom draw and owner-draw requests.
#include <functional>
#include <vector>

#include "platform/ui/common_control_defs.h"
#include "platform/ui/wnd.h"

struct Notification {
    UINT id;
    int code;
    bool operator==(const Notification& o) const { return id == o.id && code == o.code; }
};

class NotifyHost : public CWnd {
public:
    NotifyHost() {
        CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, 480, 360, nullptr, nullptr);
        ShowWindow(SW_SHOW);
    }
    std::vector<Notification> commands;
    std::vector<Notification> notifications;
    std::vector<NMLISTVIEW> listChanges;
    std::vector<NMTVITEMCHANGE> treeChanges;
    std::vector<NMTREEVIEW> treeSelections;
    // Answers WM_NOTIFY (custom draw, expanding...) when set.
    std::function<LRESULT(NMHDR*)> onNotify;
    std::function<LRESULT(UINT, LPARAM)> onItemMessage;  // WM_DRAWITEM, WM_MEASUREITEM

    std::vector<int> CommandCodes(UINT id) const {
        std::vector<int> codes;
        for (const auto& c : commands)
            if (c.id == id) codes.push_back(c.code);
        return codes;
    }
    std::vector<int> NotifyCodes(int ignore = 1) const {
        std::vector<int> codes;
        for (const auto& n : notifications)
            if (n.code != ignore) codes.push_back(n.code);
        return codes;
    }
    void Clear() {
        commands.clear();
        notifications.clear();
        listChanges.clear();
        treeChanges.clear();
        treeSelections.clear();
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back({LOWORD(wParam), static_cast<int>(HIWORD(wParam))});
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        notifications.push_back({static_cast<UINT>(hdr->idFrom), static_cast<int>(hdr->code)});
        if (static_cast<int>(hdr->code) == LVN_ITEMCHANGED) listChanges.push_back(*reinterpret_cast<NMLISTVIEW*>(hdr));
        if (static_cast<int>(hdr->code) == TVN_ITEMCHANGED) treeChanges.push_back(*reinterpret_cast<NMTVITEMCHANGE*>(hdr));
        if (static_cast<int>(hdr->code) == TVN_SELCHANGED) treeSelections.push_back(*reinterpret_cast<NMTREEVIEW*>(hdr));
        if (onNotify) {
            *pResult = onNotify(hdr);
            return TRUE;
        }
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && onItemMessage) return onItemMessage(message, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Ignored in notification lists: focus changes.
inline constexpr int kFocusCodes[] = {NM_SETFOCUS, NM_KILLFOCUS};
