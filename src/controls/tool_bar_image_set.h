#pragma once
// CToolBarImageSet: the normal, hot and disabled images of a toolbar, the last two derived
// from the normal bitmap pixel by pixel: disabled images are light greys (255 * sqrt(Y / 255)),
// hot ones a little darker and more saturated (each channel 255 * (c / 255)^1.4).
#include "platform/ui/image_list.h"

class CDC;

class CToolBarImageSet {
public:
    enum State { kNormal = 0, kHot = 1, kDisabled = 2 };

    CToolBarImageSet() = default;
    virtual ~CToolBarImageSet() = default;

    BOOL CreateLists(int width, int height, BOOL bTrueColor, int nInitial);
    BOOL LoadBitmap(UINT nBitmapId);
    // Non-zero when an image list drew the image; 0 when nothing was drawn and for the
    // embossed image of the 4-bit lists.
    int DrawImage(CDC* pDC, int x, int y, int state, int index);

    int ColorDepth() const { return m_nDepth; }
    CImageList& Normal() { return m_normal; }
    CImageList& Hot() { return m_hot; }
    CImageList& Disabled() { return m_disabled; }

    // The per-pixel arithmetic of the derived looks.
    static BYTE DisabledGrey(BYTE red, BYTE green, BYTE blue);
    static BYTE HotChannel(BYTE channel);

protected:
    // The major version of the common-controls library; 6 and above keep per-pixel alpha,
    // which the image lists of this platform always do.
    virtual int CommonControlsMajorVersion() const { return 6; }

private:
    CImageList m_normal, m_hot, m_disabled;
    int m_nDepth = 0;
    int m_nWidth = -1, m_nHeight = -1;
};
