#pragma once
// A language pack written for one test: a toolbar resource and its image strip, so that
// the tests choose the pixels (magenta keys, real alpha) the strip holds.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/core/language_pack.h"
#include "platform/ui/win_app.h"

class StripPack {
public:
    // ids: the toolbar's command ids in order, 0 for a separator.
    StripPack(UINT id, int width, int height, const std::vector<UINT>& ids, const QImage& strip) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorn-strips-XXXXXX").string();
        if (char* made = ::mkdtemp(pattern.data())) m_folder = made;
        strip.save(QString::fromStdString(m_folder + "/strip.png"), "PNG");
        std::ofstream rc(m_folder + "/Strips.rc");
        rc << id << " TOOLBAR " << width << ", " << height << "\nBEGIN\n";
        for (UINT c : ids) {
            if (c) rc << "    BUTTON " << c << "\n";
            else rc << "    SEPARATOR\n";
        }
        rc << "END\n" << id << " BITMAP \"strip.png\"\n";
        rc.close();
        const CPackResult r = m_pack.Load(CString(m_folder + "/Strips.rc"));
        EXPECT_TRUE(r.ok) << r.Describe().ToUtf8();
        CLanguagePack::SetCurrent(&m_pack);
        AfxSetResourcePack(&m_pack);
    }
    ~StripPack() {
        AfxSetResourcePack(nullptr);
        CLanguagePack::SetCurrent(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

private:
    std::string m_folder;
    CLanguagePack m_pack;
};

// A strip of count square cells, each filled with its colour (ARGB), on a magenta background
// when inset is positive (each cell's border of that width stays magenta).
inline QImage MakeStrip(int size, const std::vector<QRgb>& cells, int inset, bool alpha) {
    QImage strip(size * static_cast<int>(cells.size()), size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    strip.fill(alpha ? qRgba(0, 0, 0, 0) : qRgb(255, 0, 255));
    for (size_t i = 0; i < cells.size(); ++i)
        for (int y = inset; y < size - inset; ++y)
            for (int x = inset; x < size - inset; ++x) strip.setPixel(static_cast<int>(i) * size + x, y, cells[i]);
    return strip;
}
