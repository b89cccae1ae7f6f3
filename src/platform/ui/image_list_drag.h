#pragma once
// The drag image: one picture at a time that follows the pointer during a drag. It is a
// frameless window that never takes the focus or the mouse, so the window under it still gets
// the input and WindowFromPoint looks through it.
//
//   list.BeginDrag(0, CPoint(5, 5));                  // image 0, hot spot (5, 5)
//   CImageList::DragEnter(CWnd::FromHandle(GetDesktopWindow()), screenPoint);
//   CImageList::DragMove(screenPoint);                // on every mouse move
//   CImageList::DragLeave(nullptr); CImageList::EndDrag();
//
// Points are relative to the window given to DragEnter (its top-left corner, borders included);
// with the desktop window, or none, they are screen coordinates.
#include "platform/ui/image_list.h"

class QImage;

BOOL ImageList_BeginDrag(HIMAGELIST himlTrack, int iTrack, int dxHotspot, int dyHotspot);
BOOL ImageList_DragEnter(HWND hwndLock, int x, int y);
BOOL ImageList_DragMove(int x, int y);
BOOL ImageList_DragShowNolock(BOOL fShow);
BOOL ImageList_DragLeave(HWND hwndLock);
void ImageList_EndDrag();

namespace vorn_ui {
// Image `index` of the list with its mask as transparency (layer-private).
QImage ImageListPicture(HIMAGELIST list, int index);
// Where the drag image shows on the screen; FALSE while none is shown (for tests).
BOOL GetDragImageRect(LPRECT rc);
}  // namespace vorn_ui
