// The contacts page: cards by tab, the current entity, select-by, multiple edit, the commands
// that the chime tab must not run, and copying and pasting records between two documents.
#include "frame/wnd_contacts.h"

#include "model/chime_set.h"
#include "model/entity.h"
#include "model/time_values.h"
#include "report_builders/week_grid.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/dc.h"
#include "shell_fixture.h"

namespace {

CEntity Entity(int type) {
    CEntity e;
    e.m_nType = type;
    return e;
}

struct SelectCase {
    const char* what;
    void (*filter)(CSelectByFilter&);
    void (*entity)(CEntity&);
    bool match;
};
const SelectCase kSelect[] = {
    {"nothing filled", [](CSelectByFilter&) {}, [](CEntity&) {}, false},
    {"company", [](CSelectByFilter& f) { f.m_nMode = 1, f.m_strCompany = L"Acme"; }, [](CEntity& e) { e.m_strCompany = L"Acme"; }, true},
    {"company is case-sensitive", [](CSelectByFilter& f) { f.m_nMode = 1, f.m_strCompany = L"acme"; },
     [](CEntity& e) { e.m_strCompany = L"Acme"; }, false},
    {"staff type 2", [](CSelectByFilter& f) { f.m_nMode = 1, f.m_nStaffType = 2; }, [](CEntity& e) { e.m_nType = 2; }, true},
    {"staff type 1 of a type 2", [](CSelectByFilter& f) { f.m_nMode = 1, f.m_nStaffType = 1; }, [](CEntity& e) { e.m_nType = 2; }, false},
    {"not available", [](CSelectByFilter& f) { f.m_nMode = 1, f.m_nAvailability = 1; }, [](CEntity& e) { e.m_bUnavailable = 1; }, true},
    {"available", [](CSelectByFilter& f) { f.m_nMode = 1, f.m_nAvailability = 2; }, [](CEntity& e) { e.m_bUnavailable = 1; }, false},
    {"department", [](CSelectByFilter& f) { f.m_strDepartment = L"North"; }, [](CEntity& e) { e.m_strDepartment = L"North"; }, true},
    {"educator part", [](CSelectByFilter& f) { f.m_strText = L"Lee"; }, [](CEntity& e) { e.m_strEducator = L"Ms Lee"; }, true},
    {"registered in time",
     [](CSelectByFilter& f) { f.m_dtRegistration = COleDateTime(2024, 9, 1, 0, 0, 0); },
     [](CEntity& e) { e.m_dtRegistration = COleDateTime(2024, 9, 2, 0, 0, 0); }, true},
    {"registered too early",
     [](CSelectByFilter& f) { f.m_dtRegistration = COleDateTime(2024, 9, 1, 0, 0, 0); },
     [](CEntity& e) { e.m_dtRegistration = COleDateTime(2024, 8, 1, 0, 0, 0); }, false},
    {"completes too late",
     [](CSelectByFilter& f) { f.m_dtCompletion = COleDateTime(2025, 6, 1, 0, 0, 0); },
     [](CEntity& e) { e.m_dtCompletion = COleDateTime(2025, 7, 1, 0, 0, 0); }, false},
    {"a date of 2000 is not set",
     [](CSelectByFilter& f) { f.m_dtRegistration = COleDateTime(2000, 1, 1, 0, 0, 0); },
     [](CEntity& e) { e.m_dtRegistration = COleDateTime(2024, 8, 1, 0, 0, 0); }, false},
};

}  // namespace

TEST(SelectBy, EachCriterionSelectsOnItsOwnAndAnEmptyFilterNothing) {
    for (const SelectCase& c : kSelect) {
        CSelectByFilter filter;
        c.filter(filter);
        CEntity entity = Entity(filter.m_nMode == 1 ? 1 : 0);
        c.entity(entity);
        EXPECT_EQ(MatchesSelectBy(filter, entity), c.match) << c.what;
    }
}

TEST(MultipleEdit, TheTemplateSetsWhatItHoldsByTheRulesOfTheType) {
    CScheduleData data;
    CEntity templ = Entity(2);
    templ.m_strCompany = L"Acme";
    templ.m_crBackground = RGB(255, 255, 255);  // white: keep the entity's own
    templ.m_crForeground = RGB(10, 20, 30);
    templ.m_nHatch = 7;                         // 6 and above: keep
    templ.m_nDays = 40;
    templ.m_nAllowedWindows = 2;
    templ.m_arrFunds = {CFund{COleDateTimeSpan(0, 2, 0, 0), L"bonus"}, CFund{COleDateTimeSpan(), L"travel"},
                        CFund{COleDateTimeSpan(0, 1, 0, 0), L"new"}};
    CEntity staff = Entity(1);
    staff.m_crBackground = RGB(1, 2, 3);
    staff.m_nHatch = 3;
    staff.m_arrFunds = {CFund{COleDateTimeSpan(0, 5, 0, 0), L"BONUS"}, CFund{COleDateTimeSpan(0, 5, 0, 0), L"Travel"}};
    CMultipleEditOptions options;
    options.chosenType = 2;
    MergeMultipleEdit(data, Entity(2), templ, options, staff);
    EXPECT_EQ(staff.m_nType, 2);
    EXPECT_EQ(staff.m_strCompany, L"Acme");
    EXPECT_EQ(staff.m_crBackground, RGB(1, 2, 3));
    EXPECT_EQ(staff.m_crForeground, RGB(10, 20, 30));
    EXPECT_EQ(staff.m_nHatch, 3);
    EXPECT_EQ(staff.m_nDays, 40);
    EXPECT_EQ(staff.m_nAllowedWindows, 2);
    ASSERT_EQ(staff.m_arrFunds.size(), 2u);  // bonus takes 2 hours, travel goes, new comes
    EXPECT_EQ(WholeMinutes(static_cast<double>(staff.m_arrFunds[0].m_tsLength)), 120);
    EXPECT_EQ(staff.m_arrFunds[1].m_strName, L"new");

    CEntity pupilClass = Entity(0);  // type 0 takes no company and no type
    templ.m_strDepartment = L"North";
    MergeMultipleEdit(data, Entity(2), templ, options, pupilClass);
    EXPECT_EQ(pupilClass.m_nType, 0);
    EXPECT_TRUE(pupilClass.m_strCompany.IsEmpty());
    EXPECT_EQ(pupilClass.m_strDepartment, L"North");
}

class ContactsTest : public ShellTest {
protected:
    std::vector<CString> CardTitles() {
        std::vector<CString> titles;
        for (const auto& card : Contacts().GetCards().m_wndBody.m_arrCards) titles.push_back(card->m_strTitle);
        return titles;
    }
    // As a click on the strip does: the tab goes to the top and the page hears its key.
    void ChooseTab(int key) {
        Contacts().GetTabs().SelectTabByKey(key);
        Contacts().SendMessage(CMyVerticalTabCtrl::kSelected, static_cast<WPARAM>(key), 0);
        vorn_test::ProcessEvents();
    }
};

TEST_F(ContactsTest, TheMainWindowShowsTheSchoolsClassesAsCards) {
    Load("school-dated.xml");
    std::size_t classes = 0;
    for (const CEntity& e : application.data.m_arrEntities) classes += e.m_nType == 0;
    EXPECT_EQ(Contacts().GetCards().m_wndBody.m_arrCards.size(), classes);
    SaveScreenPicture(frame, "contacts_page_school.png");
}

// Staff tabs make the tab's current card current; rooms and the chime tab leave it alone.
TEST_F(ContactsTest, TabsShowTheirKindsAndOnlyTheFirstThreeMoveTheCurrentEntity) {
    Load("school-dated.xml");
    CScheduleData& data = application.data;
    const int before = data.m_nCurrentEntity;
    ChooseTab(3);
    EXPECT_EQ(Contacts().GetKindMask(), 16);
    for (const auto& card : Contacts().GetCards().m_wndBody.m_arrCards) EXPECT_EQ(card->m_nKind, 4);
    EXPECT_EQ(data.m_nCurrentEntity, before);
    ChooseTab(1);
    const CContactCard* card = Contacts().GetCards().GetCurrentCard();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(data.m_nCurrentEntity, card->m_nId);
    SaveScreenPicture(frame, "contacts_page_staff.png");
}

// On the chime tab the ids of the cards are chime-set ids: the entity commands stay off.
TEST_F(ContactsTest, TheChimeTabDisablesTheEntityCommandsAndTheirHandlersRefuse) {
    Load("school-dated.xml");
    ChooseTab(5);
    ASSERT_EQ(Contacts().GetKindMask(), CWndContacts::kChimeMask);
    ASSERT_FALSE(Contacts().GetCards().m_wndBody.m_arrCards.empty());
    answers.script.assign(10, MessageAnswer::Yes);
    const auto entities = application.data.m_arrEntities.size();
    for (UINT id : {ID_REMOVE_FROM_ACTIVITIES, ID_REMOVE_ENTRIES, ID_EDIT_MULTIPLE, ID_REMOVE_REPLACEMENTS, ID_RESET_WEEK_HOURS}) {
        EXPECT_FALSE(CCmdUIState::IsEnabled(&Contacts(), id)) << id;
        Contacts().SendMessage(WM_COMMAND, id);
    }
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_EQ(application.data.m_arrEntities.size(), entities);
    EXPECT_TRUE(CCmdUIState::IsEnabled(&Contacts(), ID_RESET_CHIME_TIMES));
}

TEST_F(ContactsTest, CommandsWhoseDialogIsMissingAreDisabled) {
    Load("school-dated.xml");
    for (UINT id : {ID_CONTACTS_ADD, ID_CONTACTS_EDIT, ID_EDIT_MULTIPLE, ID_SELECT_BY})
        EXPECT_FALSE(CCmdUIState::IsEnabled(&Contacts(), id)) << id;
    CWndContacts::s_dialogs.editEntity = [](CEntity&, UINT, bool, CMultipleEditOptions&) { return FALSE; };
    EXPECT_TRUE(CCmdUIState::IsEnabled(&Contacts(), ID_CONTACTS_ADD));
}

// Multiple edit: the first selected card is the template, and nothing selected is refused.
TEST_F(ContactsTest, MultipleEditTakesTheFirstSelectedCardAsItsTemplate) {
    Load("school-dated.xml");
    ChooseTab(1);
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    ASSERT_GE(body.m_arrCards.size(), 3u);
    int templateId = 0;
    CWndContacts::s_dialogs.editEntity = [&](CEntity& e, UINT, bool multiple, CMultipleEditOptions&) {
        EXPECT_TRUE(multiple);
        templateId = e.m_nId;
        e.m_strCompany = L"Shared";
        return TRUE;
    };
    const int first = body.m_arrCards[2]->m_nId, second = body.m_arrCards[1]->m_nId;
    body.m_arrSelection = {first, second};
    Contacts().SendMessage(WM_COMMAND, ID_EDIT_MULTIPLE);
    EXPECT_EQ(templateId, first);
    for (int id : {first, second}) EXPECT_EQ(application.data.FindEntity(id)->m_strCompany, L"Shared") << id;
    // With no card selected only the current card is meant: one is not several.
    body.m_arrSelection.clear();
    templateId = 0;
    Contacts().SendMessage(WM_COMMAND, ID_EDIT_MULTIPLE);
    EXPECT_EQ(templateId, 0);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0], LoadResString(IDS_SELECT_TWO_OR_MORE));
}

TEST_F(ContactsTest, SelectByChoosesTheMatchingCards) {
    Load("school-dated.xml");
    ChooseTab(1);
    CScheduleData& data = application.data;
    std::vector<int> staff2;
    for (const CEntity& e : data.m_arrEntities)
        if (e.m_nType == 2) staff2.push_back(e.m_nId);
    CWndContacts::s_dialogs.selectBy = [](CSelectByFilter& f) {
        EXPECT_EQ(f.m_nMode, 1);
        f.m_nStaffType = 2;
        return TRUE;
    };
    Contacts().SendMessage(WM_COMMAND, ID_SELECT_BY);
    std::vector<int> selected = Contacts().GetCards().m_wndBody.m_arrSelection;
    std::sort(selected.begin(), selected.end());
    std::sort(staff2.begin(), staff2.end());
    EXPECT_EQ(selected, staff2);
}

// The report of the selection: the reports page is asked for the selected cards' entities, or
// the current entity with none selected; only on the classes' and staff tabs.
TEST_F(ContactsTest, TheReportOfTheSelectionAsksForTheSelectedEntities) {
    Load("school-dated.xml");
    CScheduleData& data = application.data;
    const auto report = [&] {
        data.m_nViewType = 0;
        data.m_arrReportIds.clear();
        Contacts().SendMessage(WM_COMMAND, ID_REPORT_SELECTED);
    };
    ASSERT_EQ(Contacts().GetKindMask(), 1);
    ASSERT_TRUE(CCmdUIState::IsEnabled(&Contacts(), ID_REPORT_SELECTED));
    report();
    EXPECT_EQ(data.m_nViewType, 5);
    EXPECT_EQ(data.m_arrReportIds, std::vector<int>{data.m_nCurrentEntity});

    ChooseTab(1);
    const auto& cards = Contacts().GetCards().m_wndBody.m_arrCards;
    ASSERT_GE(cards.size(), 2u);
    const std::vector<int> chosen = {cards[1]->m_nId, cards[0]->m_nId};
    for (const int id : chosen) Contacts().GetCards().SelectCardById(1, id);
    report();
    EXPECT_EQ(data.m_nViewType, 5);
    EXPECT_EQ(data.m_arrReportIds, Contacts().GetCards().m_wndBody.m_arrSelection);
    EXPECT_EQ(data.m_arrReportIds.size(), 2u);

    ChooseTab(3);  // rooms
    EXPECT_FALSE(CCmdUIState::IsEnabled(&Contacts(), ID_REPORT_SELECTED));
    report();
    EXPECT_EQ(data.m_nViewType, 0);
    EXPECT_TRUE(data.m_arrReportIds.empty());
}

// Copy in one document, paste in another: the records arrive with their fields.
TEST_F(ContactsTest, CopiedCardsPasteIntoAnotherDocument) {
    Load("small-dated.xml");
    ChooseTab(1);
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    ASSERT_GE(body.m_arrCards.size(), 2u);
    body.m_arrSelection = {body.m_arrCards[0]->m_nId, body.m_arrCards[1]->m_nId};
    const CEntity first = *application.data.FindEntity(body.m_arrCards[0]->m_nId);
    Contacts().SendMessage(WM_COMMAND, ID_EDIT_COPY);
    CString text;
    ASSERT_TRUE(clipboard.GetText(text));
    EXPECT_GE(text.Find(L"PERIOD"), 0);

    Load("school-template.xml");
    const auto before = application.data.m_arrEntities.size();
    answers.script.assign(4, MessageAnswer::Yes);
    EXPECT_TRUE(CCmdUIState::IsEnabled(&Contacts(), ID_EDIT_PASTE));
    Contacts().SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(application.data.m_arrEntities.size(), before + 2);
    const auto pasted = std::find_if(application.data.m_arrEntities.begin(), application.data.m_arrEntities.end(),
                                     [&](const CEntity& e) { return e.m_strName == first.m_strName && e.m_nType == first.m_nType; });
    ASSERT_NE(pasted, application.data.m_arrEntities.end());
    EXPECT_EQ(pasted->m_strEmail, first.m_strEmail);
    EXPECT_TRUE(application.data.HasUndoSnapshot());
}

// Delete keeps the records still in use. A selection of nothing else is told so and neither asks
// nor takes an undo step; one with a free record asks, deletes that one and keeps the other.
TEST_F(ContactsTest, DeleteSaysWhenEveryChosenRecordIsInUse) {
    struct Case {
        const char* name;
        bool used, free;
        bool asked;  // the question, or else the error
    };
    const Case cases[] = {
        {"a teacher of an activity", true, false, false},
        {"a teacher of nothing", false, true, true},
        {"both", true, true, true},
    };
    for (const Case& c : cases) {
        Load("school-dated.xml");
        CScheduleData& data = application.data;
        const auto used = std::find_if(data.m_arrEntities.begin(), data.m_arrEntities.end(),
                                       [&](const CEntity& e) { return e.m_nType == 1 && !data.CanDeleteEntity(e.m_nId); });
        ASSERT_NE(used, data.m_arrEntities.end());
        const int usedId = used->m_nId;
        const int freeId = data.AppendEntity(Entity(1));
        data.DiscardUndo();
        ChooseTab(1);
        CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
        body.m_arrSelection.clear();
        if (c.used) body.m_arrSelection.push_back(usedId);
        if (c.free) body.m_arrSelection.push_back(freeId);
        answers.asked.clear();
        answers.script = {MessageAnswer::Yes};
        Contacts().SendMessage(WM_COMMAND, ID_CONTACTS_DELETE);

        ASSERT_EQ(answers.asked.size(), 1u) << c.name;
        EXPECT_EQ(answers.asked[0].ToUtf8(),
                  LoadResString(c.asked ? IDS_CONFIRM_DELETE : IDS_DELETE_ENTITIES_IN_USE).ToUtf8())
            << c.name;
        EXPECT_EQ(data.HasUndoSnapshot() != FALSE, c.asked) << c.name;
        EXPECT_NE(data.FindEntity(usedId), data.m_arrEntities.end()) << c.name;
        EXPECT_EQ(data.FindEntity(freeId) == data.m_arrEntities.end(), c.free) << c.name;
    }
}

TEST_F(ContactsTest, AnUnreadableClipboardChangesNothingAndLeavesNoUndoStep) {
    Load("small-dated.xml");
    application.data.DiscardUndo();
    clipboard.SetText(L"not a fragment");
    const auto before = application.data.m_arrEntities.size();
    Contacts().SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(application.data.m_arrEntities.size(), before);
    EXPECT_FALSE(application.data.HasUndoSnapshot());
}

// Resetting the bell times of the selected sets is one undo step, checked and shown again.
TEST_F(ContactsTest, ResettingChimeTimesTakesTheSnapshotAndRechecks) {
    Load("school-dated.xml");
    ChooseTab(5);
    CScheduleData& data = application.data;
    data.DiscardUndo();
    settings.m_wordLists[0] = {L"08:00-08:45", L"09:00-09:45"};
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    ASSERT_FALSE(body.m_arrCards.empty());
    const int id = body.m_arrCards[0]->m_nId;
    body.m_arrSelection = {id};
    data.m_arrProblems.clear();
    Contacts().SendMessage(WM_COMMAND, ID_RESET_CHIME_TIMES);
    EXPECT_TRUE(data.HasUndoSnapshot());
    const auto set = std::find_if(data.m_arrChimeSets.begin(), data.m_arrChimeSets.end(),
                                  [id](const CChimeSet& s) { return s.m_nId == id; });
    EXPECT_EQ(set->m_arrIntervals.size(), 2u);
    EXPECT_EQ(Contacts().GetCards().m_wndBody.m_arrCards.size(), data.m_arrChimeSets.size());
}

// A Lessons list without readable times in order gives no bell times: resetting a set to it is
// refused with a message, and the sets and the undo level stay as they were.
TEST_F(ContactsTest, ChimeCommandsRefuseALessonsListWithoutTimesInOrder) {
    Load("school-dated.xml");
    ChooseTab(5);
    CScheduleData& data = application.data;
    data.DiscardUndo();
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    ASSERT_FALSE(body.m_arrCards.empty());
    body.m_arrSelection = {body.m_arrCards[0]->m_nId};
    const auto starts = [&] {
        std::vector<std::vector<__time64_t>> all;
        for (const CChimeSet& set : data.m_arrChimeSets) {
            all.emplace_back();
            for (const CChimeInterval& interval : set.m_arrIntervals) all.back().push_back(interval.m_tStart);
        }
        return all;
    };
    const auto before = starts();
    for (const std::vector<CString>& lessons : {std::vector<CString>{L"lunch", L"later"},
                                                std::vector<CString>{L"10:00", L"08:00"}}) {
        settings.m_wordLists[0] = lessons;
        answers.asked.clear();
        Contacts().SendMessage(WM_COMMAND, ID_RESET_CHIME_TIMES);
        EXPECT_EQ(answers.asked, std::vector<CString>{LoadResString(IDS_LESSONS_UNREADABLE)});
        EXPECT_EQ(starts(), before);
        EXPECT_FALSE(data.HasUndoSnapshot());
    }
}

// A card's tip is its entity's week grid, shown by the HTML-lite tooltip.
TEST_F(ContactsTest, ACardTipShowsTheWeekGridOfItsEntity) {
    Load("school-dated.xml");
    ChooseTab(1);
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    body.LayoutCards();
    const CContactCard& card = *body.m_arrCards[0];
    CPoint point((card.m_nLeft + card.m_nRight) / 2, card.m_nTop + 5);
    body.ClientToScreen(&point);
    CHtmlToolInfo tool;
    NMHTMLTOOLTIP request{};
    request.hdr.code = HTTN_NEEDTEXT;
    request.hdr.hwndFrom = body.m_wndToolTip.m_hWnd;
    request.pParam = &point;
    request.pToolInfo = &tool;
    body.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(tool.m_text, BuildWeekGrid(application.data, card.m_nId, true));
    ASSERT_FALSE(tool.m_text.IsEmpty());
    // The tip's text as its drawer lays it out, on the tip's colour.
    CHtmlLiteDrawer& drawer = body.m_wndToolTip.m_drawer;
    CDC measure;
    measure.CreateCompatibleDC(nullptr);
    CBitmap one;
    one.CreateBitmap(1, 1, 1, 32, nullptr);
    CBitmap* oldOne = measure.SelectObject(&one);
    const CSize size = drawer.Measure(&measure, tool.m_text);
    measure.SelectObject(oldOne);
    ASSERT_GT(size.cx, 50);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap picture;
    picture.CreateBitmap(size.cx + 24, size.cy + 24, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&picture);
    dc.FillSolidRect(0, 0, size.cx + 24, size.cy + 24, RGB(240, 247, 255));
    drawer.Measure(&dc, tool.m_text);
    drawer.Render(CRect(12, 12, 12 + size.cx, 12 + size.cy), &dc);
    EXPECT_TRUE(vorn_test::SavePicture(&dc, "card_tip_week_grid.png"));
    dc.SelectObject(old);
    Contacts().GetCards().m_bToolTips = 0;  // the chime tab's switch: no tip
    tool.m_text = L"x";
    body.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_TRUE(tool.m_text.IsEmpty());
}
