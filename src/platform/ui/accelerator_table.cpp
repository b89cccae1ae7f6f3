#include "platform/ui/accelerator_table.h"

#include <set>
#include <vector>

#include "platform/core/language_pack.h"
#include "platform/core/resource_types.h"
#include "platform/ui/window_api.h"

struct HACCEL__ {
    std::vector<ACCEL> entries;
};

namespace {

std::set<HACCEL>& LiveTables() {
    static auto* live = new std::set<HACCEL>;
    return *live;
}

bool IsLiveTable(HACCEL h) { return h && LiveTables().count(h) != 0; }

bool KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

}  // namespace

HACCEL CreateAcceleratorTable(LPACCEL entries, int count) {
    if (!entries || count <= 0) return nullptr;
    auto* h = new HACCEL__;
    h->entries.assign(entries, entries + count);
    LiveTables().insert(h);
    return h;
}

HACCEL LoadAccelerators(HINSTANCE, LPCTSTR name) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    if (!pack || !IS_INTRESOURCE(name)) return nullptr;
    const CResAccelTable* table = pack->FindAccelerators(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    if (!table || table->entries.empty()) return nullptr;
    std::vector<ACCEL> entries;
    for (const CResAccelerator& e : table->entries) entries.push_back(ACCEL{e.fVirt, e.key, e.cmd});
    return CreateAcceleratorTable(entries.data(), static_cast<int>(entries.size()));
}

BOOL DestroyAcceleratorTable(HACCEL table) {
    if (!IsLiveTable(table)) return FALSE;
    LiveTables().erase(table);
    delete table;
    return TRUE;
}

int CopyAcceleratorTable(HACCEL table, LPACCEL entries, int count) {
    if (!IsLiveTable(table)) return 0;
    const int total = static_cast<int>(table->entries.size());
    if (!entries) return total;
    const int n = count < total ? count : total;
    for (int i = 0; i < n; ++i) entries[i] = table->entries[static_cast<std::size_t>(i)];
    return n;
}

int TranslateAccelerator(HWND hwnd, HACCEL table, LPMSG msg) {
    if (!IsLiveTable(table) || !msg || !IsWindow(hwnd)) return 0;
    const bool keyMessage = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    const bool charMessage = msg->message == WM_CHAR || msg->message == WM_SYSCHAR;
    if (!keyMessage && !charMessage) return 0;
    const bool alt = KeyDown(VK_MENU) || (msg->lParam & (1L << 29)) != 0;
    const bool shift = KeyDown(VK_SHIFT);
    const bool control = KeyDown(VK_CONTROL);
    for (const ACCEL& a : table->entries) {
        const bool virtualKey = (a.fVirt & FVIRTKEY) != 0;
        if (virtualKey != keyMessage || a.key != msg->wParam) continue;
        if (((a.fVirt & FALT) != 0) != alt) continue;
        if (virtualKey && (((a.fVirt & FSHIFT) != 0) != shift || ((a.fVirt & FCONTROL) != 0) != control)) continue;
        SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}
