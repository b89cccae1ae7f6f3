// Renders the pack's pictures from a desktop icon theme, as the table asks:
//   theme_images <theme folder> <table> <output folder>
// Each table line: output file, size in pixels, background, then the icons in order
// ("context/name" inside the theme). The icons are set side by side into one strip of that
// height; background "magenta" flattens them onto magenta (the program's mask colour),
// "face" onto the classic button face (for pictures shown as they are, on that face), and
// "alpha" keeps their transparency, "about" makes the About box's picture: a soft gradient
// of the box's size with the icons, twice their size, in a row across its middle, and "side"
// the wizard pages' side picture: the same gradient, upright, with the icons in a column. Lines
// starting with # are comments.
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The theme's pictures come in these sizes; the smallest one at least as big is scaled down.
const int kThemeSizes[] = {16, 22, 24, 32, 48};

QImage LoadIcon(const std::string& theme, const std::string& icon, int size) {
    for (int s : kThemeSizes) {
        if (s < size) continue;
        const std::string path = theme + "/" + std::to_string(s) + "x" + std::to_string(s) + "/" + icon + ".png";
        QImage image(QString::fromStdString(path));
        if (image.isNull()) continue;
        image = image.convertToFormat(QImage::Format_ARGB32);
        if (s != size) image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return image;
    }
    return QImage();
}

// Every pixel blended onto the classic button face.
QImage OnFace(const QImage& strip) {
    QImage out(strip.size(), QImage::Format_RGB32);
    out.fill(qRgb(212, 208, 200));
    QPainter painter(&out);
    painter.drawImage(0, 0, strip);
    return out;
}

// Half-transparent edge pixels become opaque or magenta, so that the mask stays crisp.
QImage OnMagenta(const QImage& strip) {
    QImage out(strip.size(), QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb p = strip.pixel(x, y);
            if (qAlpha(p) < 128) {
                out.setPixel(x, y, qRgb(255, 0, 255));
                continue;
            }
            // Blend what little transparency is left onto a light face, never onto magenta.
            const int a = qAlpha(p);
            auto mix = [a](int c) { return (c * a + 236 * (255 - a)) / 255; };
            QRgb c = qRgb(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p)));
            if (c == qRgb(255, 0, 255)) c = qRgb(254, 0, 254);
            out.setPixel(x, y, c);
        }
    return out;
}

// The pictures' background: light blue at the top fading to white.
QImage GradientPicture(int width, int height) {
    QImage out(width, height, QImage::Format_RGB32);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0.0, QColor(214, 228, 248));
    gradient.setColorAt(1.0, QColor(255, 255, 255));
    QPainter(&out).fillRect(out.rect(), gradient);
    return out;
}

// The About box's picture (524 x 419): a light blue gradient with the icons in a row between
// the texts that the box draws above and below.
QImage AboutPicture(const std::vector<QImage>& icons) {
    const int width = 524, height = 419, iconSize = 64, gap = 24, rowTop = 178;
    QImage out = GradientPicture(width, height);
    QPainter painter(&out);
    painter.fillRect(QRect(0, rowTop - 14, width, 2), QColor(170, 190, 225));
    painter.fillRect(QRect(0, rowTop + iconSize + 12, width, 2), QColor(170, 190, 225));
    const int count = static_cast<int>(icons.size());
    int x = (width - (count * iconSize + (count - 1) * gap)) / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QImage& icon : icons) {
        painter.drawImage(QRect(x, rowTop, iconSize, iconSize), icon);
        x += iconSize + gap;
    }
    return out;
}

// The wizard pages' side picture (200 x 340, a little more than the left third of a page, which
// shows it centred): the About box's gradient with the icons, one and a half times their size,
// in a column, and a rule along the edge that meets the page.
QImage SidePicture(const std::vector<QImage>& icons, int size) {
    const int width = 200, height = 340, iconSize = size * 3 / 2, gap = 22, top = 36;
    QImage out = GradientPicture(width, height);
    QPainter painter(&out);
    painter.fillRect(QRect(width - 8, 0, 2, height), QColor(170, 190, 225));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int y = top;
    for (const QImage& icon : icons) {
        painter.drawImage(QRect((width - iconSize) / 2, y, iconSize, iconSize), icon);
        y += iconSize + gap;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: theme_images <theme folder> <table> <output folder>\n");
        return 2;
    }
    const std::string theme = argv[1], table = argv[2], outDir = argv[3];
    std::ifstream in(table);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", table.c_str());
        return 1;
    }
    std::string line;
    int lineNumber = 0, failures = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string file, background;
        int size = 0;
        std::vector<std::string> icons;
        fields >> file >> size >> background;
        for (std::string icon; fields >> icon;) icons.push_back(icon);
        if (file.empty() || size <= 0 || icons.empty() || (background != "magenta" && background != "face" && background != "alpha" && background != "about" &&
                                                        background != "side")) {
            std::fprintf(stderr, "%s(%d): expected: file size magenta|face|alpha|about|side icon...\n", table.c_str(),
                         lineNumber);
            ++failures;
            continue;
        }
        std::vector<QImage> images;
        for (const std::string& name : icons) {
            const QImage icon = LoadIcon(theme, name, size);
            if (icon.isNull()) {
                std::fprintf(stderr, "%s(%d): no icon %s in %s\n", table.c_str(), lineNumber, name.c_str(),
                             theme.c_str());
                ++failures;
            }
            images.push_back(icon);
        }
        QImage strip(size * static_cast<int>(icons.size()), size, QImage::Format_ARGB32);
        strip.fill(Qt::transparent);
        QPainter painter(&strip);
        for (size_t i = 0; i < images.size(); ++i)
            if (!images[i].isNull()) painter.drawImage(static_cast<int>(i) * size, 0, images[i]);
        painter.end();
        const QImage out = background == "about"     ? AboutPicture(images)
                           : background == "side"    ? SidePicture(images, size)
                           : background == "magenta" ? OnMagenta(strip)
                           : background == "face"    ? OnFace(strip)
                                                     : strip;
        if (!out.save(QString::fromStdString(outDir + "/" + file), "PNG")) {
            std::fprintf(stderr, "%s: cannot be written\n", (outDir + "/" + file).c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
