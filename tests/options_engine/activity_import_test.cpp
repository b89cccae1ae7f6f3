#include "options_engine/activity_import.h"
#include "options_engine/activity_name_index.h"

#include <algorithm>

#include "import_fixture.h"
#include "options_engine/import_text_source.h"

namespace {

// The first name in table order that contains a text, found through pieces of the names; and
// the activities of exactly one name.
TEST(ActivityNameIndex, FindsTheFirstNameThatContainsTheText) {
    const std::vector<CString> names = {L"Art", L"Maths advanced", L"Maths", L"PE", L"Deep", L"Maths"};
    CActivityNameIndex index;
    for (std::size_t i = 0; i < names.size(); ++i) index.Add(i, names[i]);
    const auto nameAt = [&](std::size_t position) -> const CString& { return names[position]; };
    struct Case {
        const wchar_t* text;
        std::size_t first;
    };
    const Case cases[] = {
        {L"Maths", 1}, {L"th", 1},      {L"e", 1},        {L"E", 3},          {L"Art", 0},  {L"rt", 0},
        {L"eep", 4},   {L"ee", 4},      {L"x", CActivityNameIndex::npos}, {L"Mathsx", CActivityNameIndex::npos},
        {L"ths adv", 1}, {L"sM", CActivityNameIndex::npos}, {L"", CActivityNameIndex::npos},
    };
    for (const Case& c : cases) EXPECT_EQ(index.FirstContaining(c.text, nameAt), c.first) << c.text;
    EXPECT_EQ(index.Named(L"Maths"), (std::vector<std::size_t>{2, 5}));
    EXPECT_TRUE(index.Named(L"maths").empty());
}

class ActivityImportTest : public ImportFixture {
public:
    ActivityImportTest() {
        AddEntity(1, 1, L"Ada");
        AddEntity(2, 2, L"Bo");
        AddEntity(3, 0, L"7a").m_nDefaultPlace = 5;
        AddEntity(4, 0, L"7b");
        AddEntity(5, 4, L"Lab");
        AddEntity(6, 4, L"Hall");
        CActivity& similar = AddActivity(10, L"M\u00FCsic advanced", {1});
        similar.m_crBackground = RGB(1, 2, 3);
        similar.m_nHatch = 2;
    }

    const CActivity* Named(const wchar_t* name) const {
        for (const CActivity& activity : m_data.m_arrActivities)
            if (activity.m_strName == name) return &activity;
        return nullptr;
    }
};

// Groups, merges, rooms, members, colours and the problem records of one import, read from a
// Windows-1252 file whose last line has no line feed.
TEST_F(ActivityImportTest, LinesBuildActivitiesGroupsAndProblems) {
    const std::wstring text =
        L"Name,Group,Hours,Staff,Room,Classes\n"
        L"A,x,2,Ada,Lab,7a\n"      // group A; Lab is 7a's own room, so not listed
        L"B,x,2,Ada,Hall,7b\n"     // the group becomes A/B
        L"A,x,2,Bo,Lab,7a\n"       // merges into the first A
        L"C,,3,Ada\n"              // short line; ends the group
        L"D,x,1,Nobody,,7a\n"      // no staff member: reported
        L"E,x,two,Ada\n"           // hours that cannot be read: reported
        L",x,2,Ada\n"              // no name: reported
        L"F,x,0\n"                 // ends the group
        L"M\u00FCsic,,1,Bo";
    CImportOptions options = Columns({1, 2, 3, 4, 5, 6});
    options.m_nSkip = 1;
    options.m_bCheck = 1;
    options.m_bFromFile = 1;
    options.m_strPath = WriteFile(text, FileEncoding::Windows1252);
    const auto source = MakeImportTextSource(options, m_clipboard);
    ASSERT_EQ(ImportActivities(m_data, options, *source, [] { return RGB(200, 210, 220); }), 4);

    const CActivity* a = Named(L"A");
    const CActivity* b = Named(L"B");
    const CActivity* c = Named(L"C");
    const CActivity* music = Named(L"M\u00FCsic");
    ASSERT_TRUE(a && b && c && music);
    std::vector<int> members = a->m_arrMembers;
    std::sort(members.begin(), members.end());
    EXPECT_EQ(members, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(a->m_arrRooms.empty());
    EXPECT_EQ(b->m_arrRooms, std::vector<int>{6});
    EXPECT_EQ(a->m_tsDuration, COleDateTimeSpan(0, 2, 0, 0));
    EXPECT_EQ(a->m_crBackground, RGB(200, 210, 220));
    ASSERT_NE(a->m_nGroup, 0);
    EXPECT_EQ(b->m_nGroup, a->m_nGroup);
    EXPECT_EQ(m_data.FindGroup(a->m_nGroup)->m_strName, L"A/B");
    EXPECT_EQ(c->m_nGroup, 0);
    EXPECT_EQ(m_data.m_arrGroups.size(), 1u) << "the group of D alone is deleted";
    EXPECT_EQ(music->m_crBackground, RGB(1, 2, 3));
    EXPECT_EQ(music->m_nHatch, 2);

    EXPECT_EQ(ProblemTexts(12), (std::vector<std::wstring>{
                                    L"Line 6: no staff member is called \"Nobody\"; the line was skipped.",
                                    L"Line 7: the hours \"two\" cannot be read; the line was skipped."}));
    EXPECT_EQ(ProblemTexts(13), std::vector<std::wstring>{L"Line 8 has no name and was skipped."});
    const auto summaries = ProblemTexts(14);
    EXPECT_NE(std::find(summaries.begin(), summaries.end(), L"4 activities imported."), summaries.end());
    EXPECT_EQ(m_host.m_calls.back(), "broadcast 1");

    m_data.Undo(FALSE);
    EXPECT_EQ(m_data.m_arrActivities.size(), 1u) << "one Undo removes the whole import";
}

}  // namespace
