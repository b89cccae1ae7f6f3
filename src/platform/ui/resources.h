#pragma once
// Resources by id from the current language pack (CLanguagePack::GetCurrent): images through
// LoadImage, ::LoadIcon and ::LoadCursor with an instance handle, and toolbar resources as the
// raw words FindResource/LoadResource/LockResource give. Every instance handle names the pack;
// the resource handle functions keep the handle the program set.
#include "platform/ui/control_defs.h"
#include "platform/ui/global_memory.h"
#include "platform/ui/window_defs.h"

inline constexpr UINT LR_DEFAULTCOLOR = 0x0000, LR_LOADFROMFILE = 0x0010, LR_DEFAULTSIZE = 0x0040;
inline constexpr UINT LR_CREATEDIBSECTION = 0x2000, LR_SHARED = 0x8000;

#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_ACCELERATOR MAKEINTRESOURCE(9)
#define RT_TOOLBAR MAKEINTRESOURCE(241)

struct HRSRC__;
using HRSRC = HRSRC__*;

// An HBITMAP (a DIB section), HICON or HCURSOR; null when the pack has no such image. cx and cy
// scale icons and cursors (0 keeps the image's size); with LR_LOADFROMFILE the name is a path.
HANDLE LoadImage(HINSTANCE hInst, LPCTSTR name, UINT type, int cx, int cy, UINT fuLoad);

// Only RT_TOOLBAR resources are held as data: 16-bit words version (1), width, height, count
// and count command ids (0 for a separator). The data lives as long as the program.
HRSRC FindResource(HMODULE hModule, LPCTSTR lpName, LPCTSTR lpType);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
void AfxSetResourceHandle(HINSTANCE hInstResource);
