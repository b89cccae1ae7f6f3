#pragma once
// The clipboard in the shape of the system calls: open it, empty it, hand it a global memory
// block of text (CF_UNICODETEXT: wide characters; CF_TEXT: bytes in the ANSI code page), read
// a block back, close it. Text is kept as Unicode, so either format reads what either wrote.
// Blocks given to SetClipboardData belong to the clipboard from then on; blocks returned by
// GetClipboardData stay valid until the clipboard is closed.
#include "platform/core/win_types.h"
#include "platform/ui/global_memory.h"
#include "platform/ui/window_defs.h"

inline constexpr UINT CF_TEXT = 1, CF_BITMAP = 2, CF_OEMTEXT = 7, CF_UNICODETEXT = 13;

// FALSE when the clipboard is open already.
BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
// Clears the clipboard; the clipboard must be open.
BOOL EmptyClipboard();
// Puts the text of the block on the clipboard; returns the block, or null when the clipboard
// is not open, the format is not a text format or the handle is not a block.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// The clipboard's text as a block of the format (zero-terminated); null when the clipboard
// is not open or holds no text.
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
HWND GetOpenClipboardWindow();
