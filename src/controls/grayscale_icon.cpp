#include "controls/grayscale_icon.h"

#include "platform/ui/icon.h"

HICON CreateGrayscaleIcon(HICON hIcon) {
    if (!hIcon) return nullptr;
    HICON grey = ::CopyIcon(hIcon);
    QImage& image = grey->color;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if ((p & 0xFFFFFF) == 0) continue;  // black stays black
            const int g = static_cast<int>(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
            line[x] = qRgba(g, g, g, qAlpha(p));
        }
    }
    return grey;
}
