#pragma once
// A small week template for the report tests: a store in a pinned time zone whose plan starts
// on Monday 3 January 2000 with five plan days and the day start at 07:00, the English language
// pack as the string source, and helpers that add records by id. Every report is read back
// through the strict markup reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../model/model_test_support.h"
#include "html_tree.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/language_pack.h"
#include "report_builders/report_options.h"

class ReportFixture : public ::testing::Test {
public:
    ReportFixture();
    ~ReportFixture() override;

    // Windows from..to (whole hours) on every plan day.
    CEntity& AddEntity(int id, int type, const wchar_t* name, int from = 8, int to = 14);
    CActivity& AddActivity(int id, const wchar_t* name, std::vector<int> members, std::vector<int> rooms = {},
                           int group = 0);
    CActivityGroup& AddGroup(int id, const wchar_t* name, COLORREF background);
    // An entry on plan day `day` at hh:mm for `minutes`; returns its position.
    std::size_t AddEntry(int activity, int day, int hour, int minute, int minutes, int state = 0);
    CEntity& Entity(int id) { return *m_data.FindEntity(id); }
    CActivity& Activity(int id) { return *m_data.FindActivity(id); }

    COleDateTime At(int day, int hour, int minute) const { return COleDateTime(2000, 1, 3 + day, hour, minute, 0); }
    static COleDateTimeSpan Minutes(double minutes) { return COleDateTimeSpan(minutes / 1440.0); }
    static __time64_t Clock(int hour, int minute = 0) { return MakeTimeOfDay(hour, minute); }

    CReportOptions Options(int kind, std::vector<int> ids, std::vector<int> days = {0, 1, 2, 3, 4}) const;
    // The report page of the kind, parsed; fails the test when the markup is not well-formed.
    std::unique_ptr<CHtmlNode> Page(const CReportOptions& options);
    // Any markup, parsed; with rectangular, every table's rows must be equally wide.
    static std::unique_ptr<CHtmlNode> Parse(const CString& markup, bool rectangular = true);
    // Fails the test when a table below the node has rows of different widths.
    static void ExpectRectangularTables(const CHtmlNode& node);
    // The cell texts of the rows of the page's first table.
    std::vector<std::vector<std::wstring>> FirstTableTexts(const CReportOptions& options);
    // The texts of the cells of a row.
    static std::vector<std::wstring> CellTexts(const CHtmlNode& row);

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CLanguagePack m_pack;
    IStringSource* m_previousStrings = nullptr;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScheduleData m_data;
};
