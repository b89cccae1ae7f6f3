#pragma once
// Background fills (solid, gradients, generated textures), images drawn scaled with a mask
// colour and colour effects, soft shadows and blending, for the HTML-lite drawer and the
// tooltip window.
#include <cstdint>

#include "htmllite/palette_dib.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"

// Image effect flags.
enum : int {
    DE_GRAYSCALE = 1,
    DE_DARKER = 2,
    DE_LIGHTER = 4,
    DE_MONOCHROME = 8,
    DE_SHADOW = 256,
    DE_SHADOW_BLUR = 512,
    DE_INVERT = 0x8000,
};

// Background effect kinds (the names are those of the markup and the tool records).
enum : int {
    DE_BACK_TRANSPARENT = -1,
    DE_BACK_SOLID = 0,
    DE_BACK_HGRADIENT = 1,
    DE_BACK_VGRADIENT = 2,
    DE_BACK_HCGRADIENT = 3,
    DE_BACK_VCGRADIENT = 4,
    DE_BACK_3HGRADIENT = 5,
    DE_BACK_3VGRADIENT = 6,
    DE_BACK_NOISE = 7,
    DE_BACK_DIAGSHADE = 8,
    DE_BACK_HSHADE = 9,
    DE_BACK_VSHADE = 10,
    DE_BACK_HBUMP = 11,
    DE_BACK_VBUMP = 12,
    DE_BACK_SOFTBUMP = 13,
    DE_BACK_HARDBUMP = 14,
    DE_BACK_METAL = 15,
};

class CDrawEffects {
public:
    CDrawEffects() = default;
    virtual ~CDrawEffects() = default;

    // The effect kind of a name ("vgradient") or a number; -1 for anything else.
    static int EffectFromName(const CString& name);

    void FillBackground(CDC* dc, const RECT& rc, int kind, COLORREF start, COLORREF middle, COLORREF end,
                        int noiseAmplitude, int tintPercent);
    void DrawGradient(COLORREF start, COLORREF end, const RECT& rc, CDC* dc, BOOL horizontal);
    void DrawBitmap(int width, int height, CDC* dc, int x, int y, HBITMAP bitmap, BOOL useMask, COLORREF maskColor,
                    int flags, BOOL shadowRoom, int shadowX, int shadowY, int blurX, int blurY, COLORREF plainColor);
    // As DrawBitmap, from the icon's colour and mask bitmaps stretched to width x height.
    void DrawIcon(int flags, int width, int height, CDC* dc, int x, int y, HICON icon, BOOL shadowRoom, int shadowX,
                  int shadowY, int blurX, int blurY, COLORREF plainColor);
    void DrawImageStrip(CDC* dc, int x, int y, int width, int height, HBITMAP bitmap, int frame, int frameWidth,
                        int frameHeight, BOOL useMask, COLORREF maskColor, int flags, BOOL shadowRoom, int shadowX,
                        int shadowY, int blurX, int blurY, COLORREF plainColor);
    void DrawShadow(CDC* dc, int x, int y, int width, int height, HBITMAP shadowMask, BOOL blur, int blurX,
                    int blurY);
    void BlendImage(CDC* src, CDC* dst, int x, int y, int width, int height, int srcX, int srcY, int percent);
    void BlendPerPixel(CDC* src, CDC* dst, int x, int y, int width, int height, int srcX, int srcY);
    // A new 32-bit bitmap of the top-left width x height pixels with the effects applied;
    // null when it cannot be made. The caller deletes it.
    HBITMAP CreateImageEx(HBITMAP bitmap, int width, int height, int flags, BOOL useMask, COLORREF maskColor,
                          COLORREF plainColor);
    void DrawRectBorder(int left, CDC* dc, int top, int right, int bottom, COLORREF light, COLORREF dark,
                        int borderStyle, int width);
    // Fills `rc` with copies of the block (0, 0, blockWidth, blockHeight) of `src`.
    void TileBitmap(CDC* dst, const RECT& rc, CDC* src, int blockWidth, int blockHeight);

    static CSize GetBitmapSize(HBITMAP bitmap);
    // An icon's size: twice its hot spot.
    static CSize GetIconSize(HICON icon);
    // A new icon whose colour and mask bitmaps are stretched from the icon's size to
    // width x height; null when it cannot be made. The caller destroys it.
    static HICON StretchIcon(HICON icon, int width, int height);

    // The texture generator: a 15-bit generator (0..32767), as the texture formulas assume.
    int Rand15();
    void SeedTextures(std::uint32_t seed) { m_seed = seed; }

    int m_hasAlpha = 0;  // set while an image is prepared when a pixel has a non-zero alpha

private:
    void FillTexture(CDC* dc, const RECT& rc, int kind, COLORREF start, COLORREF middle, COLORREF end,
                     int noiseAmplitude, int tintPercent);

    CPaletteDib m_texture;
    std::uint32_t m_seed = 1;
};
