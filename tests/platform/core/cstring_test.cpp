#include "platform/core/cstring.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "comma_numeric_locale.h"
#include "platform/core/text_scan.h"

TEST(CStringFormat, SpecifiersFollowTheWideConventions) {
    CString s;
    s.Format(L"%s|%c|%d|%5d|%-4d|%05d|%x|%X|%o|%u", L"wide", L'W', -42, 7, 3, 42, 255, 255, 8, 4000000000u);
    EXPECT_EQ(s, L"wide|W|-42|    7|3   |00042|ff|FF|10|4000000000");
    s.Format(L"%02ld:%02ld %ld", 9L, 5L, 4294967296LL);  // %ld is 32 bits wide
    EXPECT_EQ(s, L"09:05 0");
    s.Format(L"%I64d %lld %I64u", 5000000000LL, -5000000000LL, 18446744073709551615ull);
    EXPECT_EQ(s, L"5000000000 -5000000000 18446744073709551615");
    s.Format(L"%.2f %g %e %3d%%", 3.14159, 0.5, 1000.0, 50);
    EXPECT_EQ(s, L"3.14 0.5 1.000000e+03  50%");
    s.Format(L"%3d:%s", 25, CString(L"00"));
    EXPECT_EQ(s, L" 25:00");
    s.Format(L"%*d|%.3s|%-6s|", 4, 1, L"abcdef", L"ab");
    EXPECT_EQ(s, L"   1|abc|ab    |");
    s.Format(L"%S", "narrow");
    EXPECT_EQ(s, L"narrow");
}

// A user whose numbers use a decimal comma still gets "3.14" in the texts and reads "3.14" back.
TEST(CStringFormat, NumbersKeepTheDecimalPointUnderACommaLocale) {
    const CommaNumericLocale comma;
    if (!comma.ok()) GTEST_SKIP() << "no localedef on this machine";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.2f", 3.14159);
    ASSERT_STREQ(probe, "3,14") << "the locale is in force";
    CString s;
    s.Format(L"%.2f %g %e %5.1f", 3.14159, 0.5, 1000.0, -2.25);
    EXPECT_EQ(s, L"3.14 0.5 1.000000e+03  -2.2");
    EXPECT_DOUBLE_EQ(_wtof(L"3.14"), 3.14);
}

TEST(CStringFormat, MismatchedArgumentsNeverCrash) {
    CString s;
    s.Format(L"%s %d %s %c", 12);  // a string where a number is, then nothing at all
    EXPECT_EQ(s, L" 0  ");
    s.Format(L"%d", L"text");
    EXPECT_EQ(s, L"0");
    s.Format(L"%n%q and 100%");
    EXPECT_EQ(s, L"%n%q and 100%");
    s.Format(L"%s", static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(s, L"(null)");
    s.AppendFormat(L"+%d", 1);
    EXPECT_EQ(s, L"(null)+1");
}

TEST(CString, CompareIsOrdinalAndNoCaseFoldsAsciiOnly) {
    EXPECT_LT(CString(L"B").Compare(L"a"), 0);
    EXPECT_EQ(CString(L"abc").CompareNoCase(L"ABC"), 0);
    EXPECT_NE(CString(L"\u00e4").CompareNoCase(L"\u00c4"), 0);
    EXPECT_GT(CString(L"\u00e4").Compare(L"z"), 0);
    EXPECT_LT(CString(L"ab").CompareNoCase(L"ABC"), 0);
}

TEST(CString, SearchExtractAndChange) {
    CString s(L"  one, two, one  ");
    s.Trim();
    EXPECT_EQ(s, L"one, two, one");
    EXPECT_EQ(s.Find(L"one", 1), 10);
    EXPECT_EQ(s.Find(L'x'), -1);
    EXPECT_EQ(s.ReverseFind(L','), 8);
    EXPECT_EQ(s.Replace(L"one", L"three"), 2);
    EXPECT_EQ(s, L"three, two, three");
    EXPECT_EQ(s.Remove(L','), 2);
    EXPECT_EQ(s.Left(5), L"three");
    EXPECT_EQ(s.Mid(6, 3), L"two");
    EXPECT_EQ(s.Right(5), L"three");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Mid(100), L"");
    EXPECT_EQ(s.Mid(-3, 2), L"th");
    CString m(L"MiXeD \u00c4");
    m.MakeLower();
    EXPECT_EQ(m, L"mixed \u00c4");
    int pos = 0;
    CString list(L";a;;b");
    EXPECT_EQ(list.Tokenize(L";", pos), L"a");
    EXPECT_EQ(list.Tokenize(L";", pos), L"b");
    EXPECT_EQ(list.Tokenize(L";", pos), L"");
    EXPECT_EQ(pos, -1);
}

TEST(CString, Utf8AndUtf16RoundTrip) {
    std::wstring text = L"A\u00e4\u20ac\U0001F600";
    EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
    EXPECT_EQ(Utf16ToWide(WideToUtf16(text)), text);
    EXPECT_EQ(WideToUtf16(text).size(), 5u);
    EXPECT_EQ(Utf8ToWide("\xff" "a"), L"\uFFFD" L"a");
}
