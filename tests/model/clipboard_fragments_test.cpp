#include "model/clipboard_fragments.h"

#include <gtest/gtest.h>

#include <string>

#include "description_fixture.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/xml_document.h"

namespace {

std::string Utf8(const CString& text) { return text.ToUtf8(); }

// The fixture plan as the source document and an empty target document a week later; both
// use one clipboard, as two running copies of the program share the system's.
class ClipboardFragments : public ::testing::Test, public DescriptionFixture {
protected:
    ClipboardFragments() {
        m_target.SetServices({&m_targetHost, &m_settings, &m_targetAnswerer, &m_clipboard});
        m_target.SetStartDate(COleDateTime(2000, 1, 10, 0, 0, 0));
        m_target.m_dtFirstWeekday = COleDateTime(2000, 1, 10, 0, 0, 0);
    }

    CEntity* TargetEntity(const wchar_t* name) {
        for (CEntity& entity : m_target.m_arrEntities)
            if (entity.m_strName == name) return &entity;
        return nullptr;
    }

    CRecordingHost m_targetHost;
    CScriptedMessageAnswerer m_targetAnswerer;
    CScheduleData m_target;
};

TEST_F(ClipboardFragments, EntityCardsTravelWithTheirFieldsAndPlanDays) {
    CEntity& lee = Entity(3);
    lee.m_nDefaultPlace = 4;
    lee.m_tDayStart[1] = MakeTimeOfDay(8, 0);
    lee.m_tDayEnd[1] = MakeTimeOfDay(12, 0);
    SetClipboardText(m_clipboard, BuildContactsEntityFragment(m_data, {1, 3}));
    EXPECT_EQ(Utf8(m_clipboard.m_strText.Left(41)), "<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>");

    ASSERT_EQ(PasteContactsFragment(m_target), PasteOutcome::Done);
    ASSERT_EQ(m_target.m_arrEntities.size(), 2u);
    const CEntity* pasted = TargetEntity(L"Lee <i>");
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->m_nType, 2);
    EXPECT_EQ(Utf8(pasted->m_strEducator), "Form & <b>tutor</b>");
    EXPECT_EQ(pasted->m_nDefaultPlace, 0);
    EXPECT_EQ(pasted->m_nId, 2);
    // The second plan day of the target holds the window of the source's second plan day.
    EXPECT_EQ(GetLocalHour(pasted->m_tDayStart[1]), 8);
    EXPECT_EQ(GetLocalHour(pasted->m_tDayEnd[1]), 12);
    EXPECT_EQ(Utf8(TargetEntity(L"Class 1A")->m_strDepartment), "Sci");
    EXPECT_TRUE(m_targetAnswerer.m_asked.empty());
}

TEST_F(ClipboardFragments, PastedCardsNeverGetIdZero) {
    CEntity odd;
    odd.m_nId = -1;  // the largest id when ids are compared as unsigned
    odd.m_strName = L"Odd";
    m_target.m_arrEntities.push_back(odd);
    SetClipboardText(m_clipboard, BuildContactsEntityFragment(m_data, {2}));
    ASSERT_EQ(PasteContactsFragment(m_target), PasteOutcome::Done);
    EXPECT_EQ(TargetEntity(L"Smith")->m_nId, 1);
}

TEST_F(ClipboardFragments, PastingCardsIntoTheirOwnDocumentAsksForEach) {
    SetClipboardText(m_clipboard, BuildContactsEntityFragment(m_data, {1, 3}));
    Entity(3).m_nDefaultPlace = 4;
    m_answerer.m_script = {MessageAnswer::Yes, MessageAnswer::Yes};
    ASSERT_EQ(PasteContactsFragment(m_data), PasteOutcome::Done);
    EXPECT_EQ(m_answerer.m_asked.size(), 2u);
    ASSERT_EQ(m_data.m_arrEntities.size(), 9u);
    EXPECT_EQ(m_data.m_arrEntities[7].m_nId, 8);
    EXPECT_EQ(m_data.m_arrEntities[8].m_nId, 9);
    EXPECT_EQ(m_data.m_arrEntities[8].m_nDefaultPlace, 0);

    // No skips the card, Cancel stops the paste there.
    m_answerer.m_script = {MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_EQ(PasteContactsFragment(m_data), PasteOutcome::Cancelled);
    EXPECT_EQ(m_data.m_arrEntities.size(), 9u);
}

TEST_F(ClipboardFragments, ChimeSetsMergeByNameIgnoringCase) {
    CChimeSet bells;
    bells.m_nId = 1;
    bells.m_strName = L"Bells";
    bells.m_arrIntervals = {{MakeTimeOfDay(8, 0), L""}, {MakeTimeOfDay(8, 45), L"!Break"}, {MakeTimeOfDay(9, 0), L""}};
    m_data.m_arrChimeSets.push_back(bells);
    CChimeSet late = bells;
    late.m_nId = 2;
    late.m_strName = L"Late";
    m_data.m_arrChimeSets.push_back(late);

    CChimeSet existing;
    existing.m_nId = 5;
    existing.m_strName = L"bells";
    existing.m_arrIntervals = {{MakeTimeOfDay(7, 0), L""}};
    m_target.m_arrChimeSets.push_back(existing);

    SetClipboardText(m_clipboard, BuildContactsChimeSetFragment(m_data, {1, 2}));
    ASSERT_EQ(PasteContactsFragment(m_target), PasteOutcome::Done);
    ASSERT_EQ(m_target.m_arrChimeSets.size(), 2u);
    const CChimeSet& merged = m_target.m_arrChimeSets[0];
    EXPECT_EQ(merged.m_nId, 5);
    EXPECT_EQ(Utf8(merged.m_strName), "bells");
    ASSERT_EQ(merged.m_arrIntervals.size(), 3u);
    EXPECT_EQ(GetLocalMinute(merged.m_arrIntervals[1].m_tStart), 45);
    EXPECT_EQ(Utf8(merged.m_arrIntervals[1].m_strBreak), "!Break");
    EXPECT_EQ(Utf8(m_target.m_arrChimeSets[1].m_strName), "Late");
    EXPECT_NE(m_target.m_arrChimeSets[1].m_nId, 5);
}

TEST_F(ClipboardFragments, ActivitiesArePastedForTheCurrentEntity) {
    SetClipboardText(m_clipboard, BuildContactsEntityFragment(m_data, {1, 2, 3}));
    ASSERT_EQ(PasteContactsFragment(m_target), PasteOutcome::Done);
    const int lee = TargetEntity(L"Lee <i>")->m_nId;
    m_target.m_nCurrentEntity = lee;

    Activity(12).m_nGroup = 1;
    SetClipboardText(m_clipboard, BuildTasksActivityFragment(m_data, {12}));
    std::vector<CEntity> keys;
    ASSERT_EQ(PasteTasksFragment(m_target, keys), PasteOutcome::Done);
    ASSERT_EQ(m_target.m_arrActivities.size(), 1u);
    const CActivity& math = m_target.m_arrActivities[0];
    EXPECT_EQ(Utf8(math.m_strName), "Math");
    EXPECT_EQ(math.m_nGroup, 0);
    EXPECT_EQ(math.m_nId, 1);
    // Members found by name and type in the target; the rooms did not travel with the cards.
    std::vector<CString> names;
    for (int id : math.m_arrMembers) names.push_back(m_target.FindEntity(id)->m_strName);
    EXPECT_EQ(names, (std::vector<CString>{L"Class 1A", L"Smith", L"Lee <i>"}));
    EXPECT_TRUE(math.m_arrRooms.empty());
    EXPECT_TRUE(keys.empty());

    // Without a current entity nothing is pasted.
    m_target.m_nCurrentEntity = 0;
    EXPECT_EQ(PasteTasksFragment(m_target, keys), PasteOutcome::Cancelled);
    EXPECT_EQ(m_target.m_arrActivities.size(), 1u);
}

TEST_F(ClipboardFragments, PastedActivityCanReplaceASimilarOneOfAClass) {
    AddActivity(20, L"art", {6});
    m_data.m_nCurrentEntity = 6;
    SetClipboardText(m_clipboard, BuildTasksActivityFragment(m_data, {10}));
    m_answerer.m_script = {MessageAnswer::Yes};
    std::vector<CEntity> keys;
    ASSERT_EQ(PasteTasksFragment(m_data, keys), PasteOutcome::Done);
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(Utf8(m_answerer.m_asked[0]), "similar: art");
    EXPECT_EQ(m_data.FindActivity(20), m_data.m_arrActivities.end());
    const CActivity& pasted = m_data.m_arrActivities.back();
    EXPECT_EQ(Utf8(pasted.m_strName), "Art");
    EXPECT_EQ(pasted.m_arrMembers, (std::vector<int>{2, 6}));  // Class 1A dropped, Class 1B added
}

TEST_F(ClipboardFragments, TasksEntityKeys) {
    SetClipboardText(m_clipboard, BuildTasksEntityFragment(m_data, {3, 4}));
    std::vector<CEntity> keys;
    ASSERT_EQ(PasteTasksFragment(m_target, keys), PasteOutcome::Done);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].m_nId, 3);
    EXPECT_EQ(Utf8(keys[0].m_strName), "Lee <i>");
    EXPECT_EQ(keys[1].m_nType, 4);
    EXPECT_TRUE(m_target.m_arrEntities.empty());
}

TEST_F(ClipboardFragments, TimetableItems) {
    SetClipboardText(m_clipboard, BuildTimetableFragment(m_data, {Entry(1), Entry(2)}));
    std::vector<TimetableFragmentItem> items;
    ASSERT_EQ(ReadTimetableFragment(m_target, items), PasteOutcome::Done);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(Utf8(items[0].m_strActivity), "Math");
    EXPECT_EQ(Utf8(items[0].m_dtStart.Format(L"%d/%m/%Y %H:%M")), "04/01/2000 09:00");
    EXPECT_EQ(WholeMinutes(items[0].m_tsLength), 120);
    EXPECT_EQ(Utf8(items[1].m_strActivity), "Music");
    EXPECT_EQ(WholeMinutes(items[1].m_tsLength), 45);
}

TEST_F(ClipboardFragments, TimetableItemsWithUnreadableValuesAreLeftOut) {
    m_clipboard.SetText(
        L"<DOCUMENT>"
        L"<SCHEDULE ACTIVITY=\"A\" START=\"05/03/2007 08:15\" DURATION=\"1:30\"/>"
        L"<SCHEDULE ACTIVITY=\"B\" START=\"05/03/2007 8h15\" DURATION=\"1:30\"/>"
        L"<SCHEDULE ACTIVITY=\"C\" START=\"31/02/2007 08:15\" DURATION=\"1:30\"/>"
        L"<SCHEDULE ACTIVITY=\"D\" START=\"05/03/2007 08:15\" DURATION=\"90\"/>"
        L"<SCHEDULE ACTIVITY=\"E\" START=\"05/03/2007 08:15\"/>"
        L"</DOCUMENT>");
    std::vector<TimetableFragmentItem> items;
    ASSERT_EQ(ReadTimetableFragment(m_target, items), PasteOutcome::Done);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(Utf8(items[0].m_strActivity), "A");
    EXPECT_EQ(Utf8(items[0].m_dtStart.Format(L"%d/%m/%Y %H:%M")), "05/03/2007 08:15");
    EXPECT_EQ(WholeMinutes(items[0].m_tsLength), 90);
    EXPECT_TRUE(m_targetAnswerer.m_asked.empty());
}

// Texts that are no fragment of the kind asked for: refused with a message, nothing created.
TEST_F(ClipboardFragments, ForeignOrDamagedTextsAreRefused) {
    struct Case {
        const char* name;
        const wchar_t* text;  // null: the clipboard holds no text
        bool contacts, tasks, timetable;  // which readers refuse it
    } const kCases[] = {
        {"no text", nullptr, true, true, true},
        {"plain words", L"Smith, Jones", true, true, true},
        {"other XML", L"<html><body>hi</body></html>", true, true, true},
        {"not well-formed", L"<DOCUMENT PERIOD=\"03/01/2000\"><ENTITY ID=\"1\" TAG=\"X\"", true, true, true},
        {"no PERIOD", L"<DOCUMENT><ENTITY ID=\"1\" TAG=\"X\" TYPE=\"1\"/></DOCUMENT>", true, false, true},
        {"PERIOD that is no date", L"<DOCUMENT PERIOD=\"next week\"><ENTITY ID=\"1\" TAG=\"X\" TYPE=\"1\"/></DOCUMENT>",
         true, false, true},
        {"unknown children only", L"<DOCUMENT PERIOD=\"03/01/2000\"><FOO TAG=\"X\"/></DOCUMENT>", true, true, true},
        {"a clock time that cannot be", L"<DOCUMENT PERIOD=\"03/01/2000\"><ENTITY ID=\"1\" TAG=\"Kept out\" TYPE=\"1\"/>"
         L"<ENTITY ID=\"2\" TAG=\"Y\" TYPE=\"1\"><SCHEDULE DAY=\"03/01/2000\" START=\"99:00\"/></ENTITY></DOCUMENT>",
         true, false, true},
    };
    for (const Case& c : kCases) {
        for (int reader = 0; reader < 3; ++reader) {
            CScheduleData target;
            CScriptedMessageAnswerer answerer;
            CMemoryClipboard clipboard;
            target.SetServices({&m_targetHost, &m_settings, &answerer, &clipboard});
            target.m_nCurrentEntity = 0;
            if (c.text) clipboard.SetText(c.text);
            std::vector<CEntity> keys;
            std::vector<TimetableFragmentItem> items;
            PasteOutcome outcome = PasteOutcome::Done;
            bool refuses = false;
            switch (reader) {
            case 0: outcome = PasteContactsFragment(target); refuses = c.contacts; break;
            case 1: outcome = PasteTasksFragment(target, keys); refuses = c.tasks; break;
            case 2: outcome = ReadTimetableFragment(target, items); refuses = c.timetable; break;
            }
            if (!refuses) continue;
            EXPECT_EQ(outcome, PasteOutcome::Refused) << c.name << ", reader " << reader;
            ASSERT_EQ(answerer.m_asked.size(), 1u) << c.name << ", reader " << reader;
            EXPECT_EQ(Utf8(answerer.m_asked[0]), "nothing to paste");
            EXPECT_TRUE(target.m_arrEntities.empty()) << c.name;
            EXPECT_TRUE(target.m_arrChimeSets.empty()) << c.name;
            EXPECT_TRUE(keys.empty() && items.empty()) << c.name;
        }
    }
}

TEST_F(ClipboardFragments, ClipboardDocument) {
    CXmlDocument xml(L"<OLD/>");
    xml.SetDocFlags(0x70);
    EXPECT_TRUE(xml.LoadFromClipboard(m_clipboard));  // no text: an empty document
    EXPECT_EQ(xml.GetDocFlags(), CXmlDocument::kUtf16LeFile);
    EXPECT_TRUE(xml.GetDoc().IsEmpty());
    EXPECT_FALSE(xml.FindElement(L"DOCUMENT"));

    m_clipboard.SetText(L"<DOCUMENT><SCHEDULE/></DOCUMENT>");
    EXPECT_TRUE(xml.LoadFromClipboard(m_clipboard));
    EXPECT_TRUE(xml.FindElement(L"DOCUMENT"));

    CXmlDocument key(L"<ENTITY ID=\"7\" TAG=\"Lab\" TYPE=\"4\"/>");
    key.FindElement();
    CEntity entity;
    ASSERT_TRUE(CEntity::ReadXmlKey(key, entity));
    EXPECT_EQ(entity.m_nId, 7);
    EXPECT_EQ(entity.m_nType, 4);
    CXmlDocument bad(L"<ENTITY ID=\"seven\" TAG=\"Lab\" TYPE=\"4\"/>");
    bad.FindElement();
    EXPECT_FALSE(CEntity::ReadXmlKey(bad, entity));
}

}  // namespace
