#pragma once
// Global memory blocks, the way the clipboard hands data over: GlobalAlloc a block, lock it
// to write, unlock it and give its handle away. A handle that is not a live block is refused
// (null, 0 or FALSE) rather than dereferenced.
#include <cstddef>

#include "platform/core/win_types.h"

using HANDLE = void*;
using HGLOBAL = HANDLE;
using SIZE_T = std::size_t;

inline constexpr UINT GMEM_FIXED = 0x0000, GMEM_MOVEABLE = 0x0002, GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GMEM_SHARE = 0x2000, GMEM_DDESHARE = 0x2000;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT, GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// A block of bytes (always zero-filled here); null when it cannot be had.
HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
// A new size for a block, its content kept; null on failure (the block stays as it was).
HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
LPVOID GlobalLock(HGLOBAL hMem);
// FALSE once the block is no longer locked.
BOOL GlobalUnlock(HGLOBAL hMem);
SIZE_T GlobalSize(HGLOBAL hMem);
// Null on success, the handle when it was not a live block.
HGLOBAL GlobalFree(HGLOBAL hMem);
