#pragma once
// Device contexts of a window. CPaintDC is made in a WM_PAINT handler: it erases and
// validates the invalid region and clips drawing to it. CClientDC and CWindowDC draw straight
// into the window's picture at any time, with no WM_PAINT (XOR feedback drawn twice goes away).
#include "platform/ui/dc.h"
#include "platform/ui/window_api.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};

// A DC over an outside picture (32-bit, for instance a printer page); the picture must
// outlive the DC.
class CImageDC : public CDC {
public:
    explicit CImageDC(QImage* image);
    ~CImageDC() override;
};
