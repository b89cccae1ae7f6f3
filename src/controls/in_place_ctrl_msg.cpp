#include "controls/in_place_ctrl_msg.h"

#include "platform/ui/window_api.h"

UINT InPlaceCtrlMessage() {
    static const UINT message = RegisterWindowMessage(L"ipc_CtrlMsg");
    return message;
}

LRESULT SendInPlaceRecord(HWND list, HWND sender, int code, UINT_PTR value) {
    const DWORD pos = GetMessagePos();
    IPC_CTRLMSG record{sender, code, value, static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    return SendMessage(list, InPlaceCtrlMessage(), 0, reinterpret_cast<LPARAM>(&record));
}
