#pragma once
// CImageList: a row of same-sized images with transparency masks (mask colour magenta in
// the program's image strips) or per-pixel alpha, drawn with the ILD_* styles.
#include "platform/ui/bitmap.h"
#include "platform/ui/gdi_defs.h"
#include "platform/ui/object.h"

class CDC;
class CWnd;
struct IMAGELIST__;
using HIMAGELIST = IMAGELIST__*;

inline constexpr UINT ILC_MASK = 0x0001, ILC_COLOR = 0x0000, ILC_COLORDDB = 0x00FE, ILC_COLOR4 = 0x0004;
inline constexpr UINT ILC_COLOR8 = 0x0008, ILC_COLOR16 = 0x0010, ILC_COLOR24 = 0x0018, ILC_COLOR32 = 0x0020;
inline constexpr UINT ILD_NORMAL = 0x0000, ILD_TRANSPARENT = 0x0001, ILD_BLEND25 = 0x0002;
inline constexpr UINT ILD_FOCUS = ILD_BLEND25, ILD_BLEND50 = 0x0004, ILD_SELECTED = ILD_BLEND50;
inline constexpr UINT ILD_BLEND = ILD_BLEND50, ILD_MASK = 0x0010, ILD_IMAGE = 0x0020;

struct IMAGEINFO {
    HBITMAP hbmImage;
    HBITMAP hbmMask;
    int Unused1;
    int Unused2;
    RECT rcImage;
};

class CImageList : public CObject {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() override;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // A strip from a bitmap resource (through the application's bitmap loader).
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    // A copy of another list.
    BOOL Create(CImageList* other);
    BOOL DeleteImageList();
    BOOL Attach(HIMAGELIST h);
    HIMAGELIST Detach();

    // Adds every cx-wide image of the bitmap; returns the index of the first or -1.
    int Add(CBitmap* image, CBitmap* mask);
    int Add(CBitmap* image, COLORREF maskColor);
    int Add(HICON icon);
    BOOL Replace(int index, CBitmap* image, CBitmap* mask);
    int Replace(int index, HICON icon);
    BOOL Remove(int index);  // -1 removes all
    BOOL SetImageCount(UINT count);
    int GetImageCount() const;
    BOOL GetImageInfo(int index, IMAGEINFO* info) const;
    BOOL GetIconSize(int* cx, int* cy) const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;

    BOOL Draw(CDC* dc, int index, POINT pt, UINT style);
    BOOL DrawEx(CDC* dc, int index, POINT pt, SIZE size, COLORREF background, COLORREF foreground, UINT style);
    HICON ExtractIcon(int index);

    // The drag image (image_list_drag.h).
    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static BOOL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL DragMove(CPoint pt);
    static BOOL DragShowNolock(BOOL bShow);
    static BOOL DragLeave(CWnd* pWndLock);
    static void EndDrag();
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
HIMAGELIST ImageList_Duplicate(HIMAGELIST list);
