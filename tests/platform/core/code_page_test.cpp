#include "platform/core/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

struct RoundTripCase {
    UINT codePage;
    const wchar_t* text;
    const char* bytes;  // the expected encoding, or null when only the round trip is checked
    std::size_t byteCount;
};

const RoundTripCase kRoundTrips[] = {
    {CP_ACP, L"caf\u00e9 \u20ac", "caf\xE9 \x80", 6},
    {1252, L"\u0081\u008d\u008f\u0090\u009d", "\x81\x8D\x8F\x90\x9D", 5},  // the undefined bytes survive
    {CP_UTF8, L"a\u00e9\u20ac\U0001F600", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 10},
    {CP_UTF16LE, L"A\U0001F600", "A\0\x3D\xD8\x00\xDE", 6},
    {CP_UTF16BE, L"A\u00e9", "\0A\0\xE9", 4},
    {CP_UTF32LE, L"A", "A\0\0\0", 4},
    {CP_UTF32BE, L"\U0001F600", "\0\x01\xF6\0", 4},
    {932, L"\u3042\u65e5\u672c", "\x82\xA0\x93\xFA\x96\x7B", 6},
    {936, L"\u4e2d\u6587", nullptr, 0},
    {949, L"\ud55c\uad6d", nullptr, 0},
    {950, L"\u4e2d\u6587", nullptr, 0},
    {20866, L"\u041f\u0440\u0438\u0432\u0435\u0442", nullptr, 0},
    {28605, L"\u20ac\u0160", "\xA4\xA6", 2},
    {437, L"\u00c7\u2592", "\x80\xB1", 2},
    {54936, L"\U0001F600\u4e2d", nullptr, 0},
};

TEST(CodePage, EncodesAndDecodesEverySupportedPageBothWays) {
    for (const auto& c : kRoundTrips) {
        std::string bytes;
        bool lost = true;
        ASSERT_TRUE(EncodeText(c.codePage, c.text, bytes, &lost)) << c.codePage;
        EXPECT_FALSE(lost) << c.codePage;
        if (c.bytes) {
            EXPECT_EQ(Hex(bytes), Hex(std::string(c.bytes, c.byteCount))) << c.codePage;
        }
        std::wstring back;
        ASSERT_TRUE(DecodeBytes(c.codePage, bytes, back)) << c.codePage;
        EXPECT_EQ(back, c.text) << c.codePage;
    }
}

TEST(CodePage, PagesWithoutConverterAreErrors) {
    for (UINT codePage : {29001u, 57002u, 10001u, 20005u, 4242u}) {
        EXPECT_FALSE(IsCodePageSupported(codePage)) << codePage;
        wchar_t out[8];
        EXPECT_EQ(MultiByteToWideChar(codePage, 0, "abc", 3, out, 8), 0) << codePage;
        EXPECT_EQ(GetLastConversionError(), ERROR_INVALID_PARAMETER) << codePage;
        char bytes[8];
        EXPECT_EQ(WideCharToMultiByte(codePage, 0, L"abc", 3, bytes, 8, nullptr, nullptr), 0) << codePage;
        std::wstring text;
        EXPECT_FALSE(DecodeBytes(codePage, "abc", text)) << codePage;
        std::string encoded;
        EXPECT_FALSE(EncodeText(codePage, L"abc", encoded)) << codePage;
    }
    EXPECT_TRUE(IsCodePageSupported(CP_ACP));
    EXPECT_TRUE(IsCodePageSupported(932));
}

TEST(CodePage, LossyEncodingIsReported) {
    std::string bytes;
    bool lost = false;
    ASSERT_TRUE(EncodeText(1252, L"a\u65e5b", bytes, &lost));
    EXPECT_TRUE(lost);
    EXPECT_EQ(bytes, "a?b");

    BOOL used = FALSE;
    char out[8] = {};
    EXPECT_EQ(WideCharToMultiByte(28591, 0, L"\u0100x", 2, out, 8, "#", &used), 2);
    EXPECT_TRUE(used);
    EXPECT_EQ(std::string(out, 2), "#x");

    used = TRUE;
    EXPECT_EQ(WideCharToMultiByte(932, 0, L"\u3042", 1, out, 8, nullptr, &used), 2);
    EXPECT_FALSE(used);
}

TEST(CodePage, WindowsCallConventions) {
    // -1 takes the text up to its NUL and counts the NUL.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, nullptr, 0), 3);
    wchar_t wide[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, wide, 4), 3);
    EXPECT_EQ(std::wstring(wide), L"ab");
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u20ac", -1, nullptr, 0, nullptr, nullptr), 2);

    // Too small a buffer.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abcdef", 6, wide, 4), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_INSUFFICIENT_BUFFER);
    char narrow[2];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"abc", 3, narrow, 2, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_INSUFFICIENT_BUFFER);

    // Bad arguments.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a", 0, wide, 4), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, nullptr, 1, wide, 4), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_INVALID_PARAMETER);
    BOOL used = FALSE;
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, narrow, 2, nullptr, &used), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", 1, wide, 4), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_INVALID_FLAGS);

    // A success clears the error.
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "a", 1, wide, 4), 1);
    EXPECT_EQ(GetLastConversionError(), ERROR_SUCCESS);
}

struct InvalidCase {
    UINT codePage;
    std::string bytes;
};

TEST(CodePage, InvalidBytesFailStrictlyAndBecomeReplacementsOtherwise) {
    const InvalidCase cases[] = {
        {CP_UTF8, "a\xC3"},                     // cut sequence
        {CP_UTF8, "\xC0\xAF"},                  // overlong
        {CP_UTF8, "\xED\xA0\x80"},              // encoded surrogate
        {CP_UTF8, "\xF4\x90\x80\x80"},          // above U+10FFFF
        {CP_UTF16LE, std::string("\x00\xD8", 2)},  // lone surrogate
        {CP_UTF16LE, std::string("A\0B", 3)},   // odd byte
        {932, "\x82"},                          // cut double-byte character
    };
    for (const auto& c : cases) {
        std::wstring text;
        EXPECT_FALSE(DecodeBytes(c.codePage, c.bytes, text)) << c.codePage << " " << Hex(c.bytes);
        EXPECT_EQ(GetLastConversionError(), ERROR_NO_UNICODE_TRANSLATION) << c.codePage << " " << Hex(c.bytes);
        EXPECT_EQ(MultiByteToWideChar(c.codePage, MB_ERR_INVALID_CHARS, c.bytes.data(),
                                      static_cast<int>(c.bytes.size()), nullptr, 0),
                  0)
            << c.codePage;
        wchar_t out[16] = {};
        int n = MultiByteToWideChar(c.codePage, 0, c.bytes.data(), static_cast<int>(c.bytes.size()), out, 16);
        ASSERT_GT(n, 0) << c.codePage << " " << Hex(c.bytes);
        EXPECT_NE(std::wstring(out, n).find(L'\uFFFD'), std::wstring::npos) << c.codePage << " " << Hex(c.bytes);
    }
}

TEST(CodePage, InvalidCodePointsInWideText) {
    const wchar_t bad[] = {L'a', static_cast<wchar_t>(0xD800), 0};
    char out[16];
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, bad, 2, out, 16, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastConversionError(), ERROR_NO_UNICODE_TRANSLATION);
    int n = WideCharToMultiByte(CP_UTF8, 0, bad, 2, out, 16, nullptr, nullptr);
    EXPECT_EQ(std::string(out, n), "a\xEF\xBF\xBD");
    std::string bytes;
    bool lost = false;
    EXPECT_TRUE(EncodeText(CP_UTF16LE, bad, bytes, &lost));
    EXPECT_TRUE(lost);
}

TEST(CodePage, StatefulPagesReturnToTheirInitialState) {
    std::string bytes;
    bool lost = true;
    ASSERT_TRUE(EncodeText(50220, L"a\u3042b", bytes, &lost));
    EXPECT_FALSE(lost);
    EXPECT_EQ(bytes, "a\x1B$B$\"\x1B(Bb");
    ASSERT_TRUE(EncodeText(50220, L"\u3042\u00e9", bytes, &lost));
    EXPECT_TRUE(lost);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\x1B(B?");
}

}  // namespace
