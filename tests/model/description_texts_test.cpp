#include "model/description_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "description_fixture.h"
#include "model/schedule_data.h"

namespace {

const wchar_t* const kIcon6 = L"<ilst index=6 width=16 height=16>";
const wchar_t* const kIcon7 = L"<ilst index=7 width=16 height=16>";
const wchar_t* const kIcon8 = L"<ilst index=8 width=16 height=16>";
const wchar_t* const kIcon10 = L"<ilst index=10 width=16 height=16>";
const wchar_t* const kIcon17 = L"<ilst index=17 width=16 height=16>";

std::string Utf8(const CString& text) { return text.ToUtf8(); }

class DescriptionTexts : public ::testing::Test, public DescriptionFixture {};


struct TextCase {
    const char* name;
    std::function<CString(DescriptionFixture&)> build;
    const wchar_t* expected;
};

// Every text of one template family, each from a fresh fixture plan (a case may edit it).
void ExpectCases(const std::vector<TextCase>& cases) {
    for (const TextCase& c : cases) {
        DescriptionFixture f;
        EXPECT_EQ(Utf8(c.build(f)), Utf8(c.expected)) << c.name;
    }
}

TEST(HtmlLiteEscaping, RecordTextsCannotAddMarkup) {
    struct Case {
        const wchar_t* text;
        const wchar_t* escaped;
    } const kCases[] = {
        {L"Art", L"Art"},
        {L"a<b>c", L"a&lt;b&gt;c"},
        {L"R&D", L"R&amp;D"},
        {L"&lt;", L"&amp;lt;"},                   // an entity in a name stays text
        {L"two\r\nlines\tand tab", L"two  lines and tab"},  // no breaks or tab stops
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(Utf8(EscapeHtmlLiteText(c.text)), Utf8(c.escaped)) << Utf8(c.text);
        if (CString(c.text).FindOneOf(L"\r\n\t") < 0) {
            EXPECT_EQ(Utf8(UnescapeHtmlLiteText(EscapeHtmlLiteText(c.text))), Utf8(c.text));
        }
    }
}

TEST_F(DescriptionTexts, PlainActivityTexts) {
    ExpectCases({
        {"with members: type-0 members only", [](DescriptionFixture& f) { return FormatActivityWithMembers(f.m_data, f.Activity(12)); },
         L"Math (Class 1A)"},
        {"with members: none of type 0 gives the name", [](DescriptionFixture& f) {
             f.Activity(10).m_arrMembers = {2};
             return FormatActivityWithMembers(f.m_data, f.Activity(10));
         }, L"Art"},
        {"members line leaves out the entity", [](DescriptionFixture& f) { return FormatActivityMembersLine(f.m_data, f.Activity(11), 2); },
         L"Music: Lee <i>, Class 1B"},
        {"members line of an activity without other members", [](DescriptionFixture& f) { return FormatActivityMembersLine(f.m_data, f.Activity(10), 2); },
         L"Art: Class 1A"},
        {"title with group and location", [](DescriptionFixture& f) { return FormatActivityTitle(f.m_data, f.Activity(11), 0); },
         L"Year 1 - Music: Lee <i>, Class 1B, Smith, room Hall & Co"},
        {"title without group, trailing colon trimmed", [](DescriptionFixture& f) {
             f.Activity(10).m_arrMembers = {1};
             return FormatActivityTitle(f.m_data, f.Activity(10), 1);
         }, L"Art"},
        {"title of a missing group", [](DescriptionFixture& f) {
             f.Activity(12).m_nGroup = 9;
             return FormatActivityTitle(f.m_data, f.Activity(12), 3);
         }, L"Math: Class 1A, Smith"},
        {"supervisor: the one staff member", [](DescriptionFixture& f) { return GetActivitySupervisorText(f.m_data, f.Activity(10), nullptr); },
         L"Smith"},
        {"supervisor: two staff members give none", [](DescriptionFixture& f) { return GetActivitySupervisorText(f.m_data, f.Activity(12), nullptr); },
         L""},
        {"supervisor: the activity's own", [](DescriptionFixture& f) { return GetActivitySupervisorText(f.m_data, f.Activity(11), nullptr); },
         L"Ms <X>"},
        {"remark: the type-0 members", [](DescriptionFixture& f) { return GetActivityRemarkText(f.m_data, f.Activity(12)); },
         L"Class 1A"},
        {"remark: the activity's own", [](DescriptionFixture& f) { return GetActivityRemarkText(f.m_data, f.Activity(11)); },
         L"Bring a <b>flute</b>"},
        {"join skips missing ids and other types", [](DescriptionFixture& f) { return f.m_data.JoinMemberNames({1, 99, 2, 6}); },
         L"Class 1A, Class 1B"},
        {"full code of a class", [](DescriptionFixture& f) { return f.Entity(1).GetFullCode(); }, L"Sci/1A"},
        {"full code of another type", [](DescriptionFixture& f) { return f.Entity(2).GetFullCode(); }, L"SM"},
    });
}

TEST_F(DescriptionTexts, MembersOfType) {
    struct Case {
        int activity;
        int type;
        const wchar_t* expected;
    } const kCases[] = {
        {12, 1, L"Smith, Lee <i>"},  // type 1 takes type 2 as well
        {12, 2, L"Lee <i>"},
        {12, 0, L"Class 1A"},
        {11, 4, L""},
        {99, 0, L""},  // no such activity
    };
    for (const Case& c : kCases) {
        CActivityWeight record;
        record.m_nActivity = c.activity;
        EXPECT_EQ(Utf8(FormatActivityMembersOfType(m_data, record, c.type)), Utf8(c.expected))
            << c.activity << " type " << c.type;
    }
}

TEST_F(DescriptionTexts, FormatActivityWithMembersSortsTheMemberList) {
    FormatActivityWithMembers(m_data, Activity(11));
    EXPECT_EQ(Activity(11).m_arrMembers, (std::vector<int>{6, 2, 3}));
}

TEST_F(DescriptionTexts, ActivityHtmlAndItsPlainForms) {
    ExpectCases({
        {"layout 0, no entry", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(10), nullptr, true, 0, 0); },
         L"<b>Art II</b> <br>Smith"},
        {"layout 3 escapes supervisor and remark", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(11), nullptr, true, 0, 3); },
         L"<b>Music</b> <br>Ms &lt;X&gt;<br>Bring a &lt;b&gt;flute&lt;/b&gt;"},
        {"layout 1: remark", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(11), nullptr, true, 0, 1); },
         L"<b>Music</b> <br>Bring a &lt;b&gt;flute&lt;/b&gt;"},
        {"layout 4 without a supervisor", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(12), nullptr, true, 0, 4); },
         L"<b>Math</b> <br>Class 1A"},
        {"an unknown layout: the name alone", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(10), nullptr, true, 0, 7); },
         L"<b>Art II</b> "},
        {"layout 0 with an entry: its room's escaped address", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(10), f.Entry(0), true, 0, 0); },
         L"<b>Art II</b> <br>Smith<br>North &lt;Wing&gt;"},
        {"layout 0 with an entry, rooms not shown", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(10), f.Entry(0), false, 0, 0); },
         L"<b>Art II</b> <br>Smith"},
        {"layout 2 with the location of an entry", [](DescriptionFixture& f) { return BuildActivityHtml(f.m_data, f.Activity(11), f.Entry(2), true, 3, 2); },
         L"<b>Music</b> <br>Bring a &lt;b&gt;flute&lt;/b&gt;<br>at Hall &amp; Co"},
        {"plain: name, blank, dash, supervisor", [](DescriptionFixture& f) { return FormatActivityPlainText(f.m_data, f.Activity(10), 0); },
         L"Art II  - Smith"},
        {"plain texts show record texts as written", [](DescriptionFixture& f) { return FormatActivityPlainText(f.m_data, f.Activity(11), 3); },
         L"Music  - Ms <X> - Bring a <b>flute</b>"},
        {"plain with an entry", [](DescriptionFixture& f) { return FormatActivityEntryPlainText(f.m_data, f.Activity(10), 0, f.Entry(0), 0); },
         L"Art II  - Smith - North <Wing>"},
    });
}

TEST_F(DescriptionTexts, RoomsText) {
    ExpectCases({
        {"one room: its address", [](DescriptionFixture& f) { return f.Entry(0)->FormatRoomsText(f.m_data, 0); }, L"North <Wing>"},
        {"a location wins over rooms", [](DescriptionFixture& f) {
             f.Activity(11).m_arrRooms = {5};
             return f.Entry(2)->FormatRoomsText(f.m_data, 0);
         }, L"at Hall & Co"},
        {"two rooms, no entity: a line per room with occupants", [](DescriptionFixture& f) { return f.Entry(1)->FormatRoomsText(f.m_data, 0); },
         L"North <Wing>: Smith<br>Room 6: Lee <i><br>"},
        {"two rooms and an entity: the rooms paired with it", [](DescriptionFixture& f) { return f.Entry(1)->FormatRoomsText(f.m_data, 3); },
         L"Room 6"},
        {"two rooms and an entity without a pair: every room", [](DescriptionFixture& f) { return f.Entry(1)->FormatRoomsText(f.m_data, 1); },
         L"North <Wing>, Room 6"},
        {"markup form escapes the labels", [](DescriptionFixture& f) { return BuildEntryRoomsText(f.m_data, *f.Entry(1), 0, true); },
         L"North &lt;Wing&gt;: Smith<br>Room 6: Lee &lt;i&gt;<br>"},
    });
}

TEST_F(DescriptionTexts, TimetableEntryTips) {
    const std::wstring head = L"<td><center><h2>";
    const std::wstring headEnd = L"</h2></center><br><hr color=green></td><right><table><tr>";
    const std::wstring tail = L"</tr></table></right>";
    auto column = [](const std::wstring& lines) { return L"<td><table><tr><td>" + lines + L"</td></tr></table></td>"; };
    auto pairsHeader = [](const wchar_t* room) {
        return L"<td> " + std::wstring(room) + L" " + kIcon10 + L"<br><hr color=blue></td>";
    };

    const std::wstring artTip = head + L"Art II <ilst index=2 width=16 height=16>" + headEnd +
                                column(std::wstring(L"Class 1A") + kIcon6) + column(std::wstring(L"Smith") + kIcon7) +
                                column(std::wstring(L"Room 5") + kIcon10) + tail;
    const std::wstring musicTip = head + L"Activity" + headEnd + column(std::wstring(L"Class 1B") + kIcon6) +
                                  column(std::wstring(L"Smith") + kIcon7 + L"<br>Lee &lt;i&gt;" + kIcon8) +
                                  L"<td>Hall &amp; Co" + kIcon10 + L"</td>" + tail;
    const std::wstring pairs = L"<td><table><tr>" + pairsHeader(L"Room 5") + pairsHeader(L"Room 6") + L"</tr><tr><td>Smith " +
                               kIcon7 + L"</td><td>Lee &lt;i&gt; " + kIcon8 + L"</td></tr></table></td>";
    const std::wstring mathTip = head + L"Math <ilst index=2 width=16 height=16>" + headEnd +
                                 column(std::wstring(L"Class 1A") + kIcon6) + pairs + tail;
    const std::wstring mathWithGuestTip = head + L"Math <ilst index=2 width=16 height=16>" + headEnd +
                                          column(std::wstring(L"Class 1A") + kIcon6 + L"<br>Class 1B" + kIcon6 + kIcon17) +
                                          pairs + tail;

    struct Case {
        const char* name;
        int activity;
        bool namedHeader;
        int entry;  // -1 none
        std::wstring expected;
    } const kCases[] = {
        {"activity with rooms, no entry", 10, true, -1, artTip},
        {"activity with a location, string header", 11, false, -1, musicTip},
        {"entry with room pairs", 12, true, 1, mathTip},
        {"entry with an added class that is no member", 12, true, 3, mathWithGuestTip},
    };
    for (const Case& c : kCases) {
        const CTimetableEntry* entry = c.entry < 0 ? nullptr : Entry(c.entry);
        EXPECT_EQ(Utf8(BuildTimetableEntryTip(m_data, Activity(c.activity), c.namedHeader, entry, true)),
                  Utf8(CString(c.expected)))
            << c.name;
    }
}

TEST_F(DescriptionTexts, ColumnsThatListNobody) {
    // Every entity of the list is of another kind: an empty cell.
    EXPECT_EQ(Utf8(BuildEntityKindColumn(m_data, Activity(10), {4, 5}, 0, nullptr, false)),
              "<table><tr><td></td></tr></table>");
    // Every participant has a free paired room: no staff column.
    EXPECT_EQ(Utf8(BuildStaffColumn(m_data, Activity(12), Activity(12).m_arrPairs, Entry(1), true)), "");
    // Pairs naming rooms or people that do not exist add no cells.
    EXPECT_EQ(Utf8(BuildRoomPairsColumn(m_data, Activity(12), {4, 99}, {{4, 98}, {99, 2}}, nullptr, false)), "");
}

TEST_F(DescriptionTexts, StaffColumnListsParticipantsWithoutAPair) {
    Activity(12).m_arrPairs = {{4, 2}};
    const CString column = BuildStaffColumn(m_data, Activity(12), Activity(12).m_arrPairs, Entry(1), true);
    EXPECT_EQ(Utf8(column), Utf8(std::wstring(L"<table><tr><td>Staff<ilst index=12 width=16 height=16><br><hr color=red><br>"
                                              L"Lee &lt;i&gt; ") + kIcon8 + L"Room 6 " + kIcon10 + L"</td></tr></table>"));
}

}  // namespace

namespace {

TEST_F(DescriptionTexts, LessonAndWhenTexts) {
    struct Case {
        const char* name;
        int entry;
        int extraMinutes;  // added to the entry's length
        bool lessons;      // a Lessons setting with lessons
        int mode;
        const wchar_t* lessonSpan;
        const wchar_t* when;
    } const kCases[] = {
        {"one hour, no lessons", 0, 0, false, 0, L"08", L"Monday at 08"},
        {"61 minutes: two captions", 0, 1, false, 0, L"08 - 09", L"Monday at 08"},
        {"two hours, no lessons", 1, 0, false, 0, L"09 - 11", L"Tuesday, 09-10"},
        {"two hours, lessons, hour captions", 1, 0, true, 0, L"09 - 11", L"Tuesday, 09 - 10"},
        {"two hours, lessons, lesson captions", 1, 0, true, 1, L"09 - 11", L"Tuesday, 09:00 to 11:00"},
        {"one hour, lessons, hour caption", 0, 0, true, 0, L"08", L"Monday, 08"},
        {"one hour, lessons, lesson caption", 0, 0, true, 1, L"08", L"Monday, lesson 08:00"},
    };
    for (const Case& c : kCases) {
        DescriptionFixture f;
        f.m_data.m_nHourIndex = 7;  // hour slot 0 is the 07:00 hour
        if (c.lessons) f.m_settings.GetWordList(WordList::Lessons) = {L"1", L"2", L"!Break", L"3"};
        CTimetableEntry& entry = f.m_data.m_arrEntries[c.entry];
        entry.m_tsLength = entry.m_tsLength + COleDateTimeSpan(0, 0, c.extraMinutes, 0);
        EXPECT_EQ(Utf8(entry.FormatLessonSpan(f.m_data, 60)), Utf8(c.lessonSpan)) << c.name;
        EXPECT_EQ(Utf8(entry.FormatWhenText(f.m_data, c.mode, 0)), Utf8(c.when)) << c.name;
    }
}

TEST_F(DescriptionTexts, EntryTitle) {
    m_data.m_nHourIndex = 7;
    EXPECT_EQ(Utf8(m_data.m_arrEntries[0].FormatTitle(m_data, 0, 0)), "Art (Class 1A), Monday at 08");
}

TEST_F(DescriptionTexts, SupervisorOfAnEntryCountsOnlyPresentStaff) {
    CAbsence absence;
    absence.m_dtStart = Entry(1)->m_dtStart;
    absence.m_tsLength = COleDateTimeSpan(0, 3, 0, 0);
    Entity(3).m_arrAbsences.push_back(absence);
    // Lee is away during the Tuesday entry: Smith is the one staff member left.
    EXPECT_EQ(Utf8(GetActivitySupervisorText(m_data, Activity(12), Entry(1))), "Smith");
    EXPECT_EQ(Utf8(GetActivitySupervisorText(m_data, Activity(12), Entry(3))), "");
    EXPECT_EQ(Utf8(GetActivitySupervisorText(m_data, Activity(12), nullptr)), "");
}

TEST_F(DescriptionTexts, KindColumnMarksWhoCannotTakePart) {
    CAbsence absence;
    absence.m_dtStart = Entry(1)->m_dtStart;
    absence.m_tsLength = COleDateTimeSpan(0, 3, 0, 0);
    Entity(3).m_arrAbsences.push_back(absence);
    const std::wstring lee = std::wstring(L"Lee &lt;i&gt;") + kIcon8;
    const std::wstring absentMark = L"<ilst index=15 width=16 height=16>";
    // The state flag marks the absent person; without it, or without an entry, nobody is marked.
    EXPECT_EQ(Utf8(BuildEntityKindColumn(m_data, Activity(12), {2, 3}, 2, Entry(1), true)),
              Utf8(L"<table><tr><td>Smith" + std::wstring(kIcon7) + L"<br>" + lee + absentMark + L"</td></tr></table>"));
    EXPECT_EQ(Utf8(BuildEntityKindColumn(m_data, Activity(12), {2, 3}, 2, Entry(1), false)),
              Utf8(L"<table><tr><td>Smith" + std::wstring(kIcon7) + L"<br>" + lee + L"</td></tr></table>"));
    EXPECT_EQ(Utf8(BuildEntityKindColumn(m_data, Activity(12), {2, 3}, 2, Entry(3), true)),
              Utf8(L"<table><tr><td>Smith" + std::wstring(kIcon7) + L"<br>" + lee + L"</td></tr></table>"));
}

TEST_F(DescriptionTexts, EntityInfoTips) {
    AddEntity(8, L"Class <2C>", 0).m_strEducator = L"Mr & Mrs <Day>";
    const std::wstring figures =
        L"<tr><td>6</td><td align=\"right\">working days</td></tr>"
        L"<tr><td>0</td><td align=\"right\">days with entries</td></tr>"
        L"<tr><td>54:00</td><td align=\"right\">available per week</td></tr>"
        L"<tr><td>0:00</td><td align=\"right\">first to last</td></tr>"
        L"</table><br><right><h2>Time by kind</h2></right><br><hr color=blue><br><table border=1 bgcolor=white>";
    const std::wstring equipment =
        L"<center><h2>Details of R&amp;D <ilst index=11 width=16 height=16></h2></center><br><hr color=green><br>"
        L"<table border=1 bgcolor=white>" + figures +
        L"<tr><center><td>Without classes</td><td>In groups</td><td>With classes</td></center><td>Time</td></tr>"
        L"<tr><td><center>0:00</center></td><td><center>0:00</center></td><td><center>0:00</center></td><td>planned</td></tr>"
        L"<tr><td><center>0:00</center></td><td><center>0:00</center></td><td><center>0:00</center></td><td>placed</td></tr>"
        L"</table>";
    const std::wstring newClass =
        L"<center><h2>Details of Class &lt;2C&gt; <ilst index=6 width=16 height=16></h2></center><br><hr color=green><br>"
        L"<table border=1 bgcolor=white>" + figures +
        L"<tr><center><td>In groups</td><td>Single</td></center><td>Time</td></tr>"
        L"<tr><td><center>0:00</center></td><td><center>0:00</center></td><td>planned</td></tr>"
        L"<tr><td><center>0:00</center></td><td><center>0:00</center></td><td>placed</td></tr>"
        L"</table><br><right><h2>Class teacher</h2><br><hr color=red><br>"
        L"<h1>Mr &amp; Mrs &lt;Day&gt; <ilst index=7 width=16 height=16></h1></right>";
    EXPECT_EQ(Utf8(Entity(7).BuildInfoTip(m_data)), Utf8(CString(equipment)));
    EXPECT_EQ(Utf8(Entity(8).BuildInfoTip(m_data)), Utf8(CString(newClass)));
}

TEST(DescriptionTextsDated, EntityInfoTipShowsAbsencesAndTheirLoss) {
    DescriptionFixture f;
    f.m_data.SetStartDate(COleDateTime(2024, 9, 2, 0, 0, 0));
    CAbsence absence;
    absence.m_dtStart = COleDateTime(2024, 9, 3, 9, 0, 0);
    absence.m_tsLength = COleDateTimeSpan(0, 2, 0, 0);
    f.Entity(7).m_arrAbsences.push_back(absence);
    const CString tip = f.Entity(7).BuildInfoTip(f.m_data);
    EXPECT_NE(tip.Find(L"<tr><td>2:00</td><td align=\"right\">absences</td></tr>"), -1) << Utf8(tip);
    EXPECT_NE(tip.Find(L"<td>lost</td></tr></table>"), -1) << Utf8(tip);
    EXPECT_EQ(tip.Find(L"merged"), -1) << Utf8(tip);
}

}  // namespace
