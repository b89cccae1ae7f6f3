#include "platform/core/text_scan.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <string>

namespace {

struct IntCase {
    const wchar_t* text;
    int value;
};

TEST(TextScan, WtoiReadsTheLeadingNumberAndSaturates) {
    const IntCase cases[] = {
        {L"42", 42},
        {L"  \t-17abc", -17},
        {L"+8", 8},
        {L"007", 7},
        {L"", 0},
        {L"abc", 0},
        {L"- 5", 0},
        {L"12 34", 12},
        {L"3.9", 3},
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"99999999999999999999999", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-2147483649", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(_wtoi(c.text), c.value) << std::wstring(c.text).c_str();
    EXPECT_EQ(_wtoi(nullptr), 0);
    EXPECT_EQ(_ttoi(L"15"), 15);
    EXPECT_EQ(_wtol(L"5000000000"), 2147483647L);  // a Windows long is 32 bits
    EXPECT_EQ(_wtoi64(L"5000000000"), 5000000000LL);
    EXPECT_EQ(_wtoi64(L"-99999999999999999999"), INT64_MIN);
}

TEST(TextScan, WtofIgnoresTheLocaleAndNeverFails) {
    struct Case { const wchar_t* text; double value; };
    const Case cases[] = {
        {L"1.5", 1.5}, {L" -2.25x", -2.25}, {L"3", 3.0}, {L"1e3", 1000.0}, {L".5", 0.5},
        {L"", 0.0},    {L"abc", 0.0},       {L"1,5", 1.0}, {L"1e-400", 0.0},
    };
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    // A locale with a decimal comma, when the machine has one, must not change the reading.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(_wtof(c.text), c.value) << std::wstring(c.text).c_str();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(std::isinf(_wtof(L"1e999")));
    EXPECT_EQ(_wtof(nullptr), 0.0);
}

struct ScanCase {
    const wchar_t* text;
    int count;         // fields read
    int values[5];     // every output, read or not
};

TEST(TextScan, DateAndTimeTextsReportHowManyFieldsWereRead) {
    const ScanCase cases[] = {
        {L"05/03/2024 07:45", 5, {5, 3, 2024, 7, 45}},
        {L"5/3/2024 7:45", 5, {5, 3, 2024, 7, 45}},
        {L"05/03/2024", 3, {5, 3, 2024, 0, 0}},
        {L"05/03", 2, {5, 3, 0, 0, 0}},
        {L"", 0, {0, 0, 0, 0, 0}},
        {L"   ", 0, {0, 0, 0, 0, 0}},
        {L"garbage", 0, {0, 0, 0, 0, 0}},
        {L"12/xx/2024 10:00", 1, {12, 0, 0, 0, 0}},       // reading stops at the first non-number
        {L"1-2-3", 3, {1, -2, -3, 0, 0}},                 // a sign starts a new number, as "%d%d" does
        {L"99999999999/1/2000", 3, {INT_MAX, 1, 2000, 0, 0}},
        {L"01/01/2000 25:99 extra", 5, {1, 1, 2000, 25, 99}},  // ranges are the caller's to check
    };
    for (const auto& c : cases) {
        int v[5] = {-7, -7, -7, -7, -7};
        EXPECT_EQ(ScanDateTimeText(c.text, v[0], v[1], v[2], v[3], v[4]), c.count) << std::wstring(c.text).c_str();
        for (int i = 0; i < 5; ++i) EXPECT_EQ(v[i], c.values[i]) << std::wstring(c.text).c_str() << " field " << i;
    }
}

TEST(TextScan, DateAndClockTexts) {
    int d = -1, m = -1, y = -1;
    EXPECT_EQ(ScanDateText(L"29/02/2000", d, m, y), 3);
    EXPECT_EQ(d, 29);
    EXPECT_EQ(m, 2);
    EXPECT_EQ(y, 2000);
    EXPECT_EQ(ScanDateText(nullptr, d, m, y), 0);
    EXPECT_EQ(d + m + y, 0);

    struct Case { const wchar_t* text; int count, hour, minute; };
    const Case cases[] = {
        {L"08:30", 2, 8, 30}, {L"25:00", 2, 25, 0}, {L" 1:30", 2, 1, 30}, {L"0:05", 2, 0, 5},
        {L"12", 1, 12, 0},    {L"12:", 1, 12, 0},   {L":30", 1, 30, 0},   {L"", 0, 0, 0},
        {L"ab:cd", 0, 0, 0},
    };
    for (const auto& c : cases) {
        int h = -1, mi = -1;
        EXPECT_EQ(ScanClockText(c.text, h, mi), c.count) << std::wstring(c.text).c_str();
        EXPECT_EQ(h, c.hour) << std::wstring(c.text).c_str();
        EXPECT_EQ(mi, c.minute) << std::wstring(c.text).c_str();
    }
}

TEST(TextScan, ScanIntsAcceptsAnySeparatorsAndBounds) {
    int v[3] = {9, 9, 9};
    EXPECT_EQ(ScanInts(L"1;2;3;4", L";", v, 3), 3);  // reads no more than asked
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(ScanInts(L"1 2", nullptr, v, 3), 2);
    EXPECT_EQ(v[2], 0);
    EXPECT_EQ(ScanInts(L"1", nullptr, nullptr, 3), 0);
    EXPECT_EQ(ScanInts(L"1", nullptr, v, 0), 0);
}

}  // namespace
