#include "platform/ui/clipboard.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/core/code_page.h"
#include "platform/core/cstring.h"
#include "platform/ui/clipboard_backend.h"
#include "platform/ui/qt_clipboard.h"

namespace {

IClipboardBackend* g_backend = nullptr;
bool g_open = false;
HWND g_owner = nullptr;
std::vector<HGLOBAL> g_handedOut;  // blocks of GetClipboardData, freed on closing
std::vector<HGLOBAL> g_given;      // blocks of SetClipboardData, freed on emptying

bool IsText(UINT format) { return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT; }

void FreeAll(std::vector<HGLOBAL>& blocks) {
    for (HGLOBAL h : blocks) GlobalFree(h);
    blocks.clear();
}

// The text of a block: up to its first zero or its end.
bool ReadBlock(UINT format, HGLOBAL h, CString& text) {
    const SIZE_T size = GlobalSize(h);
    const void* data = GlobalLock(h);
    if (!data) return false;
    if (format == CF_UNICODETEXT) {
        const auto* w = static_cast<const wchar_t*>(data);
        std::size_t n = 0;
        const std::size_t max = size / sizeof(wchar_t);
        while (n < max && w[n]) ++n;
        text = CString(std::wstring(w, n));
    } else {
        const auto* c = static_cast<const char*>(data);
        std::size_t n = 0;
        while (n < size && c[n]) ++n;
        std::wstring wide;
        if (n > 0) {
            const int len = MultiByteToWideChar(CP_ACP, 0, c, static_cast<int>(n), nullptr, 0);
            wide.resize(static_cast<std::size_t>(len > 0 ? len : 0));
            if (len > 0) MultiByteToWideChar(CP_ACP, 0, c, static_cast<int>(n), wide.data(), len);
        }
        text = CString(wide);
    }
    GlobalUnlock(h);
    return true;
}

HGLOBAL MakeBlock(UINT format, const CString& text) {
    if (format == CF_UNICODETEXT) {
        const std::size_t n = static_cast<std::size_t>(text.GetLength());
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, (n + 1) * sizeof(wchar_t));
        if (!h) return nullptr;
        auto* w = static_cast<wchar_t*>(GlobalLock(h));
        std::memcpy(w, text.GetString(), n * sizeof(wchar_t));
        w[n] = 0;
        GlobalUnlock(h);
        return h;
    }
    std::string bytes;
    if (!text.IsEmpty()) {
        const int len = WideCharToMultiByte(CP_ACP, 0, text.GetString(), text.GetLength(), nullptr, 0, nullptr, nullptr);
        bytes.resize(static_cast<std::size_t>(len > 0 ? len : 0));
        if (len > 0)
            WideCharToMultiByte(CP_ACP, 0, text.GetString(), text.GetLength(), bytes.data(), len, nullptr, nullptr);
    }
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!h) return nullptr;
    auto* c = static_cast<char*>(GlobalLock(h));
    std::memcpy(c, bytes.data(), bytes.size());
    c[bytes.size()] = 0;
    GlobalUnlock(h);
    return h;
}

}  // namespace

IClipboardBackend& GetClipboardBackend() {
    if (g_backend) return *g_backend;
    static CQtClipboard qt;
    return qt;
}

IClipboardBackend* SetClipboardBackend(IClipboardBackend* backend) {
    IClipboardBackend* previous = g_backend;
    g_backend = backend;
    return previous;
}

BOOL OpenClipboard(HWND hWndNewOwner) {
    if (g_open) return FALSE;
    g_open = true;
    g_owner = hWndNewOwner;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!g_open) return FALSE;
    FreeAll(g_handedOut);
    g_open = false;
    g_owner = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!g_open) return FALSE;
    FreeAll(g_given);
    GetClipboardBackend().Clear();
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!g_open || !IsText(uFormat)) return nullptr;
    CString text;
    if (!ReadBlock(uFormat, hMem, text)) return nullptr;
    GetClipboardBackend().SetText(text);
    g_given.push_back(hMem);
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat) {
    if (!g_open || !IsText(uFormat)) return nullptr;
    IClipboardBackend& backend = GetClipboardBackend();
    if (!backend.HasText()) return nullptr;
    HGLOBAL h = MakeBlock(uFormat, backend.GetText());
    if (h) g_handedOut.push_back(h);
    return h;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return IsText(format) && GetClipboardBackend().HasText() ? TRUE : FALSE;
}

HWND GetOpenClipboardWindow() { return g_open ? g_owner : nullptr; }
