// The document file: what the writer writes and how the reader takes it back.
#include <gtest/gtest.h>

#include "document_test_support.h"
#include <set>

#include "model/time_values.h"
#include "model/xml_document.h"

namespace {

const char* const kChimes = "<CHIMES DEFAULT=\"1\"><CHIME ID=\"1\" TAG=\"Standard\"><INTERVAL START=\"08:00\"/></CHIME></CHIMES>\r\n";

std::string Entity(int id, const std::string& name, int type, const std::string& extra = "", const std::string& children = "") {
    std::string text = "<ENTITY ID=\"" + std::to_string(id) + "\" TAG=\"" + name + "\" TYPE=\"" + std::to_string(type) + "\"" + extra;
    return children.empty() ? text + "/>\r\n" : text + ">" + children + "</ENTITY>\r\n";
}

// A class (1), a teacher (2) and a room (3), with one activity (1) of the class and teacher.
std::string SmallPlan(const std::string& timetable = "", const std::string& general = "") {
    const std::string sections = std::string(kChimes) + "<ENTITIES>" + Entity(1, "5a", 0) + Entity(2, "Anna", 1) +
                                 Entity(3, "A101", 4) + "</ENTITIES>\r\n<ACTIVITIES><ACTIVITY ID=\"1\" TAG=\"Maths\">"
                                 "<ENROLEMENT ID=\"5a\" TYPE=\"0\">1</ENROLEMENT><ENROLEMENT ID=\"Anna\" TYPE=\"1\">2</ENROLEMENT>"
                                 "<ENROLEMENT ID=\"A101\" TYPE=\"4\">3</ENROLEMENT></ACTIVITY></ACTIVITIES>\r\n" + timetable;
    return general.empty() ? DocumentFileTest::Document(sections) : DocumentFileTest::Document(sections, general);
}

bool Contains(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

CEntity& EntityNamed(CScheduleData& data, const wchar_t* name) {
    for (CEntity& e : data.m_arrEntities)
        if (e.m_strName == name) return e;
    throw std::runtime_error("no such entity");
}

using DocumentFile = DocumentFileTest;

TEST_F(DocumentFile, DayWindowsReadBackIntoTheSlotTheyWereWrittenFrom) {
    ASSERT_TRUE(LoadText(SmallPlan()));
    CEntity& anna = EntityNamed(m_data, L"Anna");
    for (int i = 0; i < kMaxPlanDays; ++i) anna.m_tDayStart[i] = anna.m_tDayEnd[i] = 0;
    anna.m_tDayStart[0] = MakeTimeOfDay(8, 0);
    anna.m_tDayEnd[0] = MakeTimeOfDay(12, 0);
    anna.m_tDayStart[2] = MakeTimeOfDay(8, 30);
    anna.m_tDayEnd[2] = MakeTimeOfDay(12, 45);
    anna.m_tDayStart[4] = MakeTimeOfDay(9, 10);
    anna.m_tDayEnd[4] = MakeTimeOfDay(9, 50);
    const std::wstring text = SaveText();
    EXPECT_TRUE(Contains(text, L"<SCHEDULE DAY=\"05/01/2000\" START=\"08:30\" END=\"12:45\"/>")) << WideToUtf8(text);
    EXPECT_TRUE(Contains(text, L"<SCHEDULE DAY=\"07/01/2000\" START=\"09:10\" END=\"09:50\"/>"));

    ASSERT_TRUE(m_data.Load(Str(PathOf("out.xml")), FALSE));
    const CEntity& read = EntityNamed(m_data, L"Anna");
    struct Slot { int day, startH, startM, endH, endM; };
    for (const Slot& s : {Slot{0, 8, 0, 12, 0}, Slot{2, 8, 30, 12, 45}, Slot{4, 9, 10, 9, 50}}) {
        EXPECT_EQ(read.m_tDayStart[s.day], MakeTimeOfDay(s.startH, s.startM)) << "day " << s.day;
        EXPECT_EQ(read.m_tDayEnd[s.day], MakeTimeOfDay(s.endH, s.endM)) << "day " << s.day;
    }
    for (int day : {1, 3}) EXPECT_EQ(read.m_tDayEnd[day], 0) << "day " << day;
}

TEST_F(DocumentFile, RoomsGetPlanDayWindowsAndOtherEntitiesStartEmpty) {
    ASSERT_TRUE(LoadText(SmallPlan()));
    const CEntity& room = EntityNamed(m_data, L"A101");
    const CEntity& anna = EntityNamed(m_data, L"Anna");
    EXPECT_EQ(room.m_tDayStart[0], MakeTimeOfDay(7, 0));
    EXPECT_EQ(room.m_tDayEnd[4], MakeTimeOfDay(23, 0));
    EXPECT_EQ(room.m_tDayEnd[5], room.m_tDayStart[5]);
    EXPECT_EQ(anna.m_tDayStart[0], 0);
    EXPECT_EQ(anna.m_tDayEnd[0], 0);
}

TEST_F(DocumentFile, ScheduleDaysOutsideTheSlotsAreIgnored) {
    const std::string children = "<SCHEDULE DAY=\"02/01/2000\" END=\"10:00\"/><SCHEDULE DAY=\"24/01/2000\" END=\"11:00\"/>"
                                 "<SCHEDULE DAY=\"23/01/2000\" END=\"12:00\"/><SCHEDULE DAY=\"xx\" END=\"12:00\"/>";
    ASSERT_TRUE(LoadText(Document(std::string(kChimes) + "<ENTITIES>" + Entity(1, "5a", 0, "", children) + "</ENTITIES>")));
    const CEntity& e = m_data.m_arrEntities.front();
    EXPECT_EQ(e.m_tDayEnd[20], MakeTimeOfDay(12, 0));  // 23 January is day 20
    for (int i = 0; i < 20; ++i) EXPECT_EQ(e.m_tDayEnd[i], 0) << "day " << i;
}

struct DaysCase {
    const char* attribute;
    int days;
};
TEST_F(DocumentFile, DayCountIsKeptWithinTheDaySlots) {
    static const DaysCase kCases[] = {{"", 6}, {"DAYS=\"0\"", 6}, {"DAYS=\"7\"", 7}, {"DAYS=\"21\"", 21},
                                      {"DAYS=\"99\"", 21}, {"DAYS=\"-4\"", 1}, {"DAYS=\"abc\"", 6}};
    for (const DaysCase& c : kCases) {
        const std::string general = std::string("<GENERAL DATE=\"03/01/2000\" ") + c.attribute + "/>";
        ASSERT_TRUE(LoadText(SmallPlan("", general))) << c.attribute;
        EXPECT_EQ(m_data.m_nDays, c.days) << c.attribute;
        // A room's windows never run past the slots.
        EXPECT_EQ(EntityNamed(m_data, L"A101").m_tDayEnd[c.days - 1], MakeTimeOfDay(23, 0)) << c.attribute;
    }
}

TEST_F(DocumentFile, GeneralDefaultsAndWords) {
    ASSERT_TRUE(LoadText(SmallPlan("", "<GENERAL DATE=\"03/01/2000\" DAYS=\"5\" DISPERSION=\"9\" TITLE_FORMAT=\"DAYS\"/>")));
    EXPECT_EQ(m_data.m_nPopulation, 250);
    EXPECT_EQ(m_data.m_nDuration, 100);
    EXPECT_EQ(m_data.m_nDispersion, 2);
    EXPECT_EQ(m_data.m_nTitleFormat, 2);
    ASSERT_TRUE(LoadText(SmallPlan("", "<GENERAL DAYS=\"5\" TITLE_FORMAT=\"WEEK\"/>")));
    EXPECT_EQ(m_data.m_nTitleFormat, 2);
    // Without DATE the plan starts on the application's default plan date.
    EXPECT_EQ(m_data.m_dtStartDate, m_settings.m_dtDefaultPlanDate);
    ASSERT_TRUE(LoadText(SmallPlan("", "<GENERAL DATE=\"03/01/2000\" TITLE_FORMAT=\"DATE\"/>")));
    EXPECT_EQ(m_data.m_nTitleFormat, 1);
}

struct SolverLimitCase {
    const char* attributes;
    int population, duration;
};
TEST_F(DocumentFile, SolverLimitsAreHeldToTheirRanges) {
    static const SolverLimitCase kCases[] = {
        {"POPULATION=\"300\" DURATION=\"50\"", 300, 50},
        {"POPULATION=\"0\" DURATION=\"0\"", 250, 100},
        {"POPULATION=\"99\" DURATION=\"3\"", 100, 5},
        {"POPULATION=\"-7\" DURATION=\"-1\"", 100, 5},
        {"POPULATION=\"5000\" DURATION=\"5000\"", 1000, 1000},
    };
    for (const SolverLimitCase& c : kCases) {
        const std::string general = std::string("<GENERAL DATE=\"03/01/2000\" ") + c.attributes + "/>";
        ASSERT_TRUE(LoadText(SmallPlan("", general))) << c.attributes;
        EXPECT_EQ(m_data.m_nPopulation, c.population) << c.attributes;
        EXPECT_EQ(m_data.m_nDuration, c.duration) << c.attributes;
    }
}

TEST_F(DocumentFile, RegistrationDatesBefore2001AreKept) {
    ASSERT_TRUE(LoadText(SmallPlan()));
    EntityNamed(m_data, L"Anna").m_dtRegistration = COleDateTime(1999, 8, 1, 0, 0, 0);
    EntityNamed(m_data, L"5a").m_dtCompletion = COleDateTime(2001, 7, 31, 0, 0, 0);
    const std::wstring text = SaveText();
    EXPECT_TRUE(Contains(text, L"REGISTRATION=\"01/08/1999\""));
    EXPECT_FALSE(Contains(text, L"REGISTRATION=\"01/01/1970\""));
    ASSERT_TRUE(m_data.Load(Str(PathOf("out.xml")), FALSE));
    EXPECT_EQ(EntityNamed(m_data, L"Anna").m_dtRegistration, COleDateTime(1999, 8, 1, 0, 0, 0));
    EXPECT_EQ(EntityNamed(m_data, L"5a").m_dtCompletion, COleDateTime(2001, 7, 31, 0, 0, 0));
    EXPECT_EQ(EntityNamed(m_data, L"A101").m_dtRegistration, GetUnplacedDate());
}

TEST_F(DocumentFile, EntryStartsKeepTheirMinutes) {
    ASSERT_TRUE(LoadText(SmallPlan("<TIMETABLE><ENTRY ACTIVITY=\"1\" STATUS=\"2\" DAY=\"04/01/2000\" START=\"10:45\" DURATION=\"0:45\"/></TIMETABLE>")));
    ASSERT_EQ(m_data.m_arrEntries.size(), 1u);
    EXPECT_EQ(m_data.m_arrEntries.front().m_dtStart, COleDateTime(2000, 1, 4, 10, 45, 0));
    EXPECT_TRUE(Contains(SaveText(), L"START=\"10:45\" DURATION=\"0:45\""));
}

TEST_F(DocumentFile, EntriesOutsideThePlanDaysAreDropped) {
    ASSERT_TRUE(LoadText(SmallPlan("<TIMETABLE>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"02/01/2000\" START=\"23:00\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"03/01/2000\" START=\"00:00\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"07/01/2000\" START=\"23:00\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"07/01/2000\" START=\"23:00\" DURATION=\"1:02\"/>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"07/01/2000\" START=\"23:00\" DURATION=\"1:03\"/>"
                                   "<ENTRY ACTIVITY=\"7\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"bad\" START=\"08:00\" DURATION=\"1:00\"/>"
                                   "</TIMETABLE><TIMETABLE>"
                                   "<ENTRY ACTIVITY=\"1\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\"/>"
                                   "</TIMETABLE>")));
    // Day 0 from midnight, the last day up to midnight (3 minutes' tolerance), and the second section.
    ASSERT_EQ(m_data.m_arrEntries.size(), 4u);
    EXPECT_EQ(m_data.m_arrEntries[3].m_dtStart, COleDateTime(2000, 1, 4, 8, 0, 0));
}

TEST_F(DocumentFile, StatusAndMovedEntries) {
    const std::string general = "<GENERAL FIRST_WEEKDAY=\"03/01/2000\" DATE=\"02/09/2024\" DAYS=\"5\"/>";
    ASSERT_TRUE(LoadText(SmallPlan("<TIMETABLE>"
                                   "<ENTRY ACTIVITY=\"1\" STATUS=\"2\" DAY=\"03/09/2024\" START=\"09:00\" ORIGINAL=\"1920\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" STATUS=\"2\" DAY=\"04/09/2024\" START=\"09:00\" ORIGINAL=\"0\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" STATUS=\"7\" DAY=\"05/09/2024\" START=\"09:00\" DURATION=\"1:00\"/>"
                                   "<ENTRY ACTIVITY=\"1\" STATUS=\"99\" DAY=\"05/09/2024\" START=\"10:00\" DURATION=\"1:00\"/>"
                                   "</TIMETABLE>", general)));
    ASSERT_EQ(m_data.m_arrEntries.size(), 4u);
    const auto& e = m_data.m_arrEntries;
    EXPECT_EQ(e[0].m_dtUnmovedStart, COleDateTime(2024, 9, 3, 8, 0, 0));
    EXPECT_EQ(e[0].GetState(m_data), 4);
    EXPECT_EQ(e[1].m_dtUnmovedStart, GetUnplacedDate());
    EXPECT_EQ(e[2].m_bLinked, 1);
    EXPECT_EQ(e[2].m_nState, 2);
    EXPECT_EQ(e[3].m_nState, 2);

    const std::wstring text = SaveText();
    EXPECT_TRUE(Contains(text, L"STATUS=\"2\" DAY=\"03/09/2024\" START=\"09:00\" ORIGINAL=\"1920\"")) << WideToUtf8(text);
    EXPECT_TRUE(Contains(text, L"ORIGINAL=\"0\""));
    EXPECT_TRUE(Contains(text, L"STATUS=\"7\""));
    EXPECT_EQ(m_data.m_arrEntries[0].m_nState, 2);  // settled
    ASSERT_TRUE(m_data.Load(Str(PathOf("out.xml")), FALSE));
    EXPECT_EQ(m_data.m_arrEntries[0].GetState(m_data), 4);
}

TEST_F(DocumentFile, EnrolementsMatchByIdThenByNameAndType) {
    const std::string sections = std::string(kChimes) + "<ENTITIES>" + Entity(1, "5a", 0) + Entity(2, "Anna", 1) +
        Entity(3, "A101", 4) + "</ENTITIES><ACTIVITIES>"
        "<ACTIVITY ID=\"1\" TAG=\"Maths\"><ENROLEMENT ID=\"Anna\" TYPE=\"1\">1</ENROLEMENT>"
        "<ENROLEMENT ID=\"Nobody\" TYPE=\"1\">2</ENROLEMENT><ENROLEMENT ID=\"\" TYPE=\"0\">1</ENROLEMENT>"
        "<ENROLEMENT ID=\"A101\" TYPE=\"4\">9</ENROLEMENT><ASSOCIATION ROOM=\"3\" ENTITY=\"2\"/>"
        "<ASSOCIATION ROOM=\"1\" ENTITY=\"2\"/><ASSOCIATION ROOM=\"3\" ENTITY=\"0\"/></ACTIVITY>"
        "<ACTIVITY ID=\"2\" TAG=\"Rooms only\"><ENROLEMENT ID=\"A101\" TYPE=\"4\">3</ENROLEMENT></ACTIVITY>"
        "</ACTIVITIES>";
    ASSERT_TRUE(LoadText(Document(sections)));
    ASSERT_EQ(m_data.m_arrActivities.size(), 1u);
    const CActivity& a = m_data.m_arrActivities.front();
    EXPECT_EQ(a.m_arrMembers, (std::vector<int>{2, 1}));
    EXPECT_EQ(a.m_arrRooms, (std::vector<int>{3}));
    EXPECT_EQ(a.m_arrPairs, (std::vector<CRoomPair>{CRoomPair{3, 2}}));
}

TEST_F(DocumentFile, ReplacementsAndRoomsOfEntries) {
    ASSERT_TRUE(LoadText(SmallPlan("<TIMETABLE><ENTRY ACTIVITY=\"1\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\">"
                                   "<REPLACEMENTS><REPLACE ENTITY=\"3\"/><REPLACE ENTITY=\"3\"/><REPLACE ENTITY=\"0\"/>"
                                   "<REPLACE ENTITY=\"2\" REPLACING=\"1\" PAID=\"TRUE\" FUND=\"F\"/><REPLACE ENTITY=\"2\"/>"
                                   "<REPLACE ENTITY=\"1\" REPLACING=\"999\"/></REPLACEMENTS>"
                                   "<ASSOCIATIONS><ASSOCIATE ROOM=\"3\" ENTITY=\"1\"/><ASSOCIATE ROOM=\"2\" ENTITY=\"1\"/></ASSOCIATIONS>"
                                   "</ENTRY></TIMETABLE>")));
    ASSERT_EQ(m_data.m_arrEntries.size(), 1u);
    const CTimetableEntry& e = m_data.m_arrEntries.front();
    EXPECT_EQ(e.m_arrRooms, (std::vector<int>{3}));
    ASSERT_EQ(e.m_arrReplacements.size(), 2u);
    EXPECT_EQ(e.m_arrReplacements[0].m_nEntity, 2);
    EXPECT_EQ(e.m_arrReplacements[0].m_nReplacing, 1);
    EXPECT_EQ(e.m_arrReplacements[0].m_bPaid, 1);
    EXPECT_EQ(e.m_arrReplacements[1].m_nReplacing, 0);  // named nobody
    EXPECT_EQ(e.m_arrPairs, (std::vector<CRoomPair>{CRoomPair{3, 1}}));
    const std::wstring text = SaveText();
    EXPECT_TRUE(Contains(text, L"<REPLACE ENTITY=\"2\" REPLACING=\"1\" PAID=\"TRUE\" FUND=\"F\"/>\r\n<REPLACE ENTITY=\"1\"/>\r\n<REPLACE ENTITY=\"3\"/>"))
        << WideToUtf8(text);
}

TEST_F(DocumentFile, OldReplacementsSectionFindsItsEntry) {
    ASSERT_TRUE(LoadText(SmallPlan("<TIMETABLE><ENTRY ACTIVITY=\"1\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\"/></TIMETABLE>"
                                   "<REPLACEMENTS><REPLACE ACTIVITY=\"1\" DAY=\"04/01/2000\" START=\"08:00\" ENTITY=\"3\"/>"
                                   "<REPLACE ACTIVITY=\"1\" DAY=\"04/01/2000\" START=\"09:00\" ENTITY=\"2\"/></REPLACEMENTS>")));
    EXPECT_EQ(m_data.m_arrEntries.front().m_arrRooms, (std::vector<int>{3}));
    EXPECT_TRUE(m_data.m_arrEntries.front().m_arrReplacements.empty());
}

TEST_F(DocumentFile, WholeDayAbsencesKeepTheirTimes) {
    ASSERT_TRUE(LoadText(SmallPlan("", "<GENERAL DATE=\"02/09/2024\" DAYS=\"5\"/>") +
                         ""));
    CAbsence whole;
    whole.m_dtStart = COleDateTime(2024, 9, 3, 8, 0, 0);
    whole.m_tsLength = COleDateTimeSpan(8.0 / 24.0);
    whole.m_bWholeDay = 1;
    CAbsence older = whole;
    older.m_dtStart = COleDateTime(2024, 9, 4, 1, 0, 0);
    older.m_tsLength = COleDateTimeSpan(1.0 / 24.0);
    CAbsence timed = whole;
    timed.m_bWholeDay = 0;
    timed.m_strReason = L"Doctor";
    EntityNamed(m_data, L"Anna").m_arrAbsences = {whole, older, timed};
    const std::wstring text = SaveText();
    EXPECT_TRUE(Contains(text, L"<ABSENCE ENTITY=\"2\" DAY=\"04/09/2024\" CATEGORY=\"\" REASON=\"\" FUND=\"\" REMARK=\"\"/>"))
        << WideToUtf8(text);
    ASSERT_TRUE(m_data.Load(Str(PathOf("out.xml")), FALSE));
    const auto& absences = EntityNamed(m_data, L"Anna").m_arrAbsences;
    ASSERT_EQ(absences.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const CAbsence& expected = i == 0 ? whole : i == 1 ? older : timed;
        EXPECT_EQ(absences[i].m_dtStart, expected.m_dtStart) << i;
        EXPECT_EQ(WholeMinutes(absences[i].m_tsLength.m_span), WholeMinutes(expected.m_tsLength.m_span)) << i;
        EXPECT_EQ(absences[i].m_bWholeDay, expected.m_bWholeDay) << i;
    }
}

TEST_F(DocumentFile, ASingleChimeSetIsWrittenWithIdOne) {
    ASSERT_TRUE(LoadText(SmallPlan()));
    m_data.m_arrChimeSets.front().m_nId = 3;
    m_data.m_arrChimeSets.InvalidateIndex();
    EntityNamed(m_data, L"5a").m_nChimeSet = 3;
    CXmlDocument doc;
    m_data.WriteXml(doc);
    EXPECT_TRUE(Contains(doc.GetDoc().str(), L"<CHIMES DEFAULT=\"1\">\r\n<CHIME ID=\"1\" TAG=\"Standard\">"));
    EXPECT_EQ(m_data.m_arrChimeSets.front().m_nId, 1);
    EXPECT_EQ(EntityNamed(m_data, L"5a").m_nChimeSet, 1);
}

TEST_F(DocumentFile, AChimeSetIsMadeFromTheLessonsWhenTheFileHasNone) {
    ASSERT_TRUE(LoadText(Document("<ENTITIES>" + Entity(1, "5a", 0) + "</ENTITIES>")));
    ASSERT_EQ(m_data.m_arrChimeSets.size(), 1u);
    EXPECT_EQ(m_data.m_arrChimeSets.front().m_arrIntervals.size(), 9u);
}

TEST_F(DocumentFile, RecordsThatReferToNothingAreDroppedOrCleared) {
    const std::string sections = std::string(kChimes) + "<ENTITIES>" + Entity(1, "5a", 0, " DEFAULT=\"999\"") +
        Entity(2, "Anna", 1) + "</ENTITIES><GROUPS><GROUP ID=\"1\" TAG=\"G\"/></GROUPS><ACTIVITIES>"
        "<ACTIVITY ID=\"1\" GROUP=\"999\" TAG=\"Maths\"><ENROLEMENT ID=\"5a\" TYPE=\"0\">1</ENROLEMENT></ACTIVITY>"
        "</ACTIVITIES><TIMETABLE><ENTRY ACTIVITY=\"999\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\"/>"
        "<ENTRY ACTIVITY=\"0\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\"/></TIMETABLE>"
        "<KEYS><KEY ENTITY=\"1\" ACTIVITY=\"999\" CODE=\"x\"/><KEY ENTITY=\"999\" ACTIVITY=\"1\" CODE=\"y\"/>"
        "<KEY ENTITY=\"1\" ACTIVITY=\"1\" CODE=\"z\"/></KEYS>";
    ASSERT_TRUE(LoadText(Document(sections)));
    EXPECT_EQ(EntityNamed(m_data, L"5a").m_nDefaultPlace, 0);
    EXPECT_EQ(m_data.m_arrActivities.front().m_nGroup, 0);
    EXPECT_TRUE(m_data.m_arrEntries.empty());
    ASSERT_EQ(m_data.m_arrKeys.size(), 1u);
    EXPECT_EQ(m_data.m_arrKeys.front().m_strCode, L"z");
}

TEST_F(DocumentFile, IdsAreMadeUniqueAndNonZero) {
    const std::string sections = std::string(kChimes) + "<ENTITIES>" + Entity(1, "5a", 0) + Entity(1, "5b", 0) +
        Entity(0, "Anna", 1) + "</ENTITIES><GROUPS><GROUP ID=\"1\" TAG=\"G\"/><GROUP ID=\"1\" TAG=\"H\"/></GROUPS>"
        "<ACTIVITIES><ACTIVITY ID=\"2\" GROUP=\"1\" TAG=\"Maths\"><ENROLEMENT ID=\"5a\" TYPE=\"0\">1</ENROLEMENT></ACTIVITY>"
        "<ACTIVITY ID=\"2\" TAG=\"Art\"><ENROLEMENT ID=\"5b\" TYPE=\"0\">1</ENROLEMENT></ACTIVITY></ACTIVITIES>"
        "<TIMETABLE><ENTRY ACTIVITY=\"2\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\"/></TIMETABLE>";
    ASSERT_TRUE(LoadText(Document(sections)));
    std::set<int> entityIds, activityIds, groupIds;
    for (const CEntity& e : m_data.m_arrEntities) EXPECT_TRUE(e.m_nId > 0 && entityIds.insert(e.m_nId).second);
    for (const CActivity& a : m_data.m_arrActivities) EXPECT_TRUE(a.m_nId > 0 && activityIds.insert(a.m_nId).second);
    for (const CActivityGroup& g : m_data.m_arrGroups) EXPECT_TRUE(g.m_nId > 0 && groupIds.insert(g.m_nId).second);
    // References name the first record of their id; the enrolement of 5b is matched by name.
    EXPECT_EQ(m_data.FindActivity(m_data.m_arrEntries.front().m_nActivity)->m_strName, L"Maths");
    const auto art = std::find_if(m_data.m_arrActivities.begin(), m_data.m_arrActivities.end(),
                                  [](const CActivity& a) { return a.m_strName == L"Art"; });
    EXPECT_EQ(m_data.FindEntity(art->m_arrMembers.front())->m_strName, L"5b");
    EXPECT_EQ(m_data.FindGroup(m_data.FindActivity(2)->m_nGroup)->m_strName, L"G");
}

TEST_F(DocumentFile, HatchesOutsideTheKnownPatternsReadAsNone) {
    ASSERT_TRUE(LoadText(Document(std::string(kChimes) + "<ENTITIES>" + Entity(1, "5a", 0, " HATCH=\"99\"") +
                                  Entity(2, "5b", 0, " HATCH=\"-3\"") + Entity(3, "5c", 0, " HATCH=\"11\"") + "</ENTITIES>")));
    EXPECT_EQ(EntityNamed(m_data, L"5a").m_nHatch, 6);
    EXPECT_EQ(EntityNamed(m_data, L"5b").m_nHatch, 6);
    EXPECT_EQ(EntityNamed(m_data, L"5c").m_nHatch, 11);
}

TEST_F(DocumentFile, RenumberingKeepsEveryReferenceOnItsRecord) {
    ASSERT_TRUE(LoadText(SmallPlan("<TIMETABLE><ENTRY ACTIVITY=\"1\" DAY=\"04/01/2000\" START=\"08:00\" DURATION=\"1:00\">"
                                   "<REPLACEMENTS><REPLACE ENTITY=\"2\" REPLACING=\"1\"/></REPLACEMENTS></ENTRY></TIMETABLE>")));
    // Scatter the ids and add a reference to nothing.
    for (CEntity& e : m_data.m_arrEntities) e.m_nId *= 10;
    m_data.m_arrEntities.InvalidateIndex();
    CActivity& maths = m_data.m_arrActivities.front();
    maths.m_nId = 7;
    m_data.m_arrActivities.InvalidateIndex();
    for (int& id : maths.m_arrMembers) id *= 10;
    for (int& id : maths.m_arrRooms) id *= 10;
    maths.m_arrMembers.push_back(555);
    CTimetableEntry& entry = m_data.m_arrEntries.front();
    entry.m_nActivity = 7;
    entry.m_arrReplacements.front().m_nEntity = 20;
    entry.m_arrReplacements.front().m_nReplacing = 10;
    m_data.m_nCurrentEntity = 20;
    m_data.m_arrKeys = {CActivityKey{7, 20, L"k"}, CActivityKey{7, 555, L"gone"}};
    m_data.SaveUndo();

    m_data.RenumberIds();
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_data.FindEntity(m_data.m_nCurrentEntity)->m_strName, L"Anna");
    const CActivity& a = m_data.m_arrActivities.front();
    EXPECT_EQ(a.m_nId, 1);
    std::vector<CString> members;
    for (int id : a.m_arrMembers) members.push_back(m_data.FindEntity(id)->m_strName);
    EXPECT_EQ(members, (std::vector<CString>{L"5a", L"Anna"}));
    const CTimetableEntry& e = m_data.m_arrEntries.front();
    EXPECT_EQ(e.m_nActivity, 1);
    EXPECT_EQ(m_data.FindEntity(e.m_arrReplacements.front().m_nEntity)->m_strName, L"Anna");
    EXPECT_EQ(m_data.FindEntity(e.m_arrReplacements.front().m_nReplacing)->m_strName, L"5a");
    ASSERT_EQ(m_data.m_arrKeys.size(), 1u);
    EXPECT_EQ(m_data.FindEntity(m_data.m_arrKeys.front().m_nEntity)->m_strName, L"Anna");
    int expected = 0;
    for (const CEntity& entity : m_data.m_arrEntities) EXPECT_EQ(entity.m_nId, ++expected);
}

}  // namespace
