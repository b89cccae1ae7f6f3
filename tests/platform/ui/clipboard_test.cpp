// The clipboard calls over an in-memory clipboard and over Qt's.
#include "platform/ui/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/cstring.h"
#include "platform/ui/in_memory_clipboard.h"
#include "platform/ui/qt_clipboard.h"

namespace {

void PutUnicode(const CString& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, (text.GetLength() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(h), text.GetString(), (text.GetLength() + 1) * sizeof(wchar_t));
    GlobalUnlock(h);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, h), h);
    EXPECT_TRUE(CloseClipboard());
}

void PutAnsi(const char* bytes) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, std::strlen(bytes) + 1);
    std::memcpy(GlobalLock(h), bytes, std::strlen(bytes) + 1);
    GlobalUnlock(h);
    EXPECT_NE(SetClipboardData(CF_TEXT, h), nullptr);
    EXPECT_TRUE(CloseClipboard());
}

CString GetUnicode() {
    CString text;
    if (!OpenClipboard(nullptr)) return L"<not opened>";
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return text;
}

std::string GetAnsi() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<not opened>";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return text;
}

TEST(ClipboardTest, UnicodeTextTravelsBothWaysAndAsAnsi) {
    CInMemoryClipboard board;
    const CString fragment = L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n<DOCUMENT NAME=\"עדכן café 😀\"/>";
    PutUnicode(fragment);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));  // text is offered in both forms
    EXPECT_EQ(GetUnicode(), fragment);
    PutAnsi("caf\xe9\nline\n");  // Windows-1252
    EXPECT_EQ(GetUnicode(), L"café\nline\n");
    EXPECT_EQ(GetAnsi(), "caf\xe9\nline\n");
    PutUnicode(L"Ω");
    EXPECT_EQ(GetAnsi(), "?");  // a character the ANSI page lacks
}

TEST(ClipboardTest, CallsNeedAnOpenClipboardAndEmptyingClearsIt) {
    CInMemoryClipboard board;
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, sizeof(wchar_t) * 2);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, h), nullptr);  // not open: the caller keeps the block
    EXPECT_EQ(GlobalFree(h), nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr));  // open already
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);  // nothing on it
    EXPECT_EQ(SetClipboardData(CF_BITMAP, nullptr), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    PutUnicode(L"x");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST(ClipboardTest, BlocksRefuseForeignHandles) {
    int notABlock = 0;
    EXPECT_EQ(GlobalLock(&notABlock), nullptr);
    EXPECT_EQ(GlobalSize(&notABlock), 0u);
    EXPECT_EQ(GlobalFree(&notABlock), &notABlock);
    HGLOBAL h = GlobalAlloc(GHND, 3);
    EXPECT_EQ(GlobalSize(h), 3u);
    h = GlobalReAlloc(h, 4096, GMEM_MOVEABLE);
    EXPECT_EQ(GlobalSize(h), 4096u);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);  // freed twice
}

TEST(ClipboardTest, QtClipboardKeepsUnicodeText) {
    CQtClipboard qt;
    IClipboardBackend* previous = SetClipboardBackend(&qt);
    PutUnicode(L"Stundenplan – עדכן");
    EXPECT_EQ(GetUnicode(), L"Stundenplan – עדכן");
    SetClipboardBackend(previous);
}

}  // namespace
