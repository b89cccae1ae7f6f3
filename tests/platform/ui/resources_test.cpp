// Resources by id from the current pack: images through LoadImage and the handle-based loaders,
// cursor hot spots from the image files, and toolbar resources as raw words.
#include "platform/ui/resources.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <vector>

#include "platform/core/language_pack.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_list.h"
#include "platform/ui/window_class.h"

namespace {

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(QColor(0, 128, 255));
        ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("picture.png"))));
        QImage arrow(32, 32, QImage::Format_ARGB32);
        arrow.fill(QColor(0, 0, 0));
        arrow.setText(QStringLiteral("HotSpot"), QStringLiteral("3, 5"));
        ASSERT_TRUE(arrow.save(dir.filePath(QStringLiteral("arrow.png"))));
        QImage split(24, 20, QImage::Format_ARGB32);
        split.fill(QColor(0, 0, 0));
        ASSERT_TRUE(split.save(dir.filePath(QStringLiteral("split.png"))));
        QFile rc(dir.filePath(QStringLiteral("Test.rc")));
        ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
        rc.write("300 BITMAP \"picture.png\"\n"
                 "301 ICON \"picture.png\"\n"
                 "302 CURSOR \"arrow.png\"\n"
                 "303 CURSOR \"split.png\"\n"
                 "300 TOOLBAR 16, 15\nBEGIN\n  BUTTON 100\n  SEPARATOR\n  BUTTON 101\nEND\n");
        rc.close();
        ASSERT_TRUE(pack.Load(CString(dir.filePath(QStringLiteral("Test.rc")).toStdWString())).ok);
        previous = CLanguagePack::GetCurrent();
        CLanguagePack::SetCurrent(&pack);
    }
    void TearDown() override { CLanguagePack::SetCurrent(previous); }

    QTemporaryDir dir;
    CLanguagePack pack;
    CLanguagePack* previous = nullptr;
    const HINSTANCE module = AfxGetResourceHandle();
};

struct ImageCase {
    const char* what;
    UINT id;
    UINT type;
    int cx, cy;
    UINT flags;
    int width, height;  // 0: none expected
};

TEST_F(ResourcesTest, LoadImageFindsThePacksImagesAtTheSizeAskedFor) {
    const ImageCase cases[] = {
        {"bitmap", 300, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION, 16, 16},
        {"icon at its own size", 301, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR, 16, 16},
        {"icon at the default size", 301, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE, 32, 32},
        {"icon scaled", 301, IMAGE_ICON, 20, 20, LR_DEFAULTCOLOR, 20, 20},
        {"cursor", 302, IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR, 32, 32},
        {"missing icon", 999, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR, 0, 0},
        {"icon id as bitmap", 301, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR, 0, 0},
    };
    for (const auto& c : cases) {
        HANDLE h = LoadImage(module, MAKEINTRESOURCE(c.id), c.type, c.cx, c.cy, c.flags);
        if (c.width == 0) {
            EXPECT_EQ(h, nullptr) << c.what;
            continue;
        }
        ASSERT_NE(h, nullptr) << c.what;
        if (c.type == IMAGE_BITMAP) {
            BITMAP bm{};
            ASSERT_TRUE(GetObject(static_cast<HBITMAP>(h), sizeof(bm), &bm)) << c.what;
            EXPECT_EQ(bm.bmWidth, c.width) << c.what;
            EXPECT_EQ(bm.bmBitsPixel, 32) << c.what;
            EXPECT_NE(bm.bmBits, nullptr) << c.what;  // a DIB section
            DeleteObject(static_cast<HBITMAP>(h));
        } else {
            auto* icon = static_cast<HICON>(h);
            EXPECT_EQ(icon->color.width(), c.width) << c.what;
            EXPECT_EQ(icon->color.height(), c.height) << c.what;
            DestroyIcon(icon);
        }
    }
}

// A handle written as a number names an icon only while that icon exists, whichever road made it.
TEST_F(ResourcesTest, HandleValuesNameOnlyIconsThatExist) {
    HICON packIcon = static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(301), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(packIcon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(packIcon, &info));
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
    list.Add(packIcon);
    struct MadeIcon { const char* road; HICON icon; };
    const MadeIcon made[] = {
        {"pack icon", packIcon},
        {"copy", CopyIcon(packIcon)},
        {"scaled", ScaleIcon(packIcon, 8, 8)},
        {"from bitmaps", CreateIconIndirect(&info)},
        {"from a file", LoadIconFromFile(CString(dir.filePath(QStringLiteral("picture.png")).toStdWString()))},
        {"from an image list", list.ExtractIcon(0)},
        {"cursor", static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(302), IMAGE_CURSOR, 0, 0, 0))},
    };
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    for (const auto& m : made) {
        ASSERT_NE(m.icon, nullptr) << m.road;
        const auto value = reinterpret_cast<ULONG_PTR>(m.icon);
        EXPECT_EQ(IconFromHandleValue(value), m.icon) << m.road;
        EXPECT_EQ(IconFromHandleValue(value + 1), nullptr) << m.road;
    }
    for (const auto& m : made) DestroyIcon(m.icon);
    for (const auto& m : made) EXPECT_EQ(IconFromHandleValue(reinterpret_cast<ULONG_PTR>(m.icon)), nullptr) << m.road;
    EXPECT_EQ(IconFromHandleValue(0), nullptr);
    // The system's shared icons are never destroyed and stay known.
    HICON shared = LoadIcon(nullptr, IDI_WARNING);
    DestroyIcon(shared);
    EXPECT_EQ(IconFromHandleValue(reinterpret_cast<ULONG_PTR>(shared)), shared);
}

struct HotSpotCase {
    UINT id;
    POINT hotSpot;
};

TEST_F(ResourcesTest, CursorsTakeTheirHotSpotFromTheFileOrTheCentre) {
    const HotSpotCase cases[] = {{302, {3, 5}}, {303, {12, 10}}};
    for (const auto& c : cases) {
        HCURSOR cursor = LoadCursor(module, MAKEINTRESOURCE(c.id));
        ASSERT_NE(cursor, nullptr) << c.id;
        EXPECT_TRUE(cursor->isCursor);
        EXPECT_EQ(cursor->hotSpot.x, c.hotSpot.x) << c.id;
        EXPECT_EQ(cursor->hotSpot.y, c.hotSpot.y) << c.id;
        DestroyCursor(cursor);
    }
    HICON icon = LoadIcon(module, MAKEINTRESOURCE(301));
    ASSERT_NE(icon, nullptr);
    DestroyIcon(icon);
    EXPECT_NE(LoadCursor(nullptr, IDC_ARROW), nullptr);  // the standard ones stay as they were
}

TEST_F(ResourcesTest, ToolbarResourceGivesItsWords) {
    HINSTANCE holder = AfxFindResourceHandle(MAKEINTRESOURCE(300), RT_TOOLBAR);
    HRSRC info = FindResource(holder, MAKEINTRESOURCE(300), RT_TOOLBAR);
    ASSERT_NE(info, nullptr);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(holder, info)));
    ASSERT_NE(words, nullptr);
    ASSERT_EQ(SizeofResource(holder, info), 7 * sizeof(WORD));
    const std::vector<WORD> got(words, words + 7);
    EXPECT_EQ(got, (std::vector<WORD>{1, 16, 15, 3, 100, 0, 101}));
    EXPECT_EQ(FindResource(holder, MAKEINTRESOURCE(301), RT_TOOLBAR), nullptr);
    EXPECT_EQ(FindResource(holder, MAKEINTRESOURCE(300), RT_BITMAP), nullptr);
}

TEST_F(ResourcesTest, ResourceHandleIsTheOneSet) {
    int marker = 0;
    const HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(reinterpret_cast<HINSTANCE>(&marker));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(300), RT_BITMAP), reinterpret_cast<HINSTANCE>(&marker));
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

}  // namespace
