// The record dialogs installed into the pages as the program installs them, and the contacts
// page's and the side panel's commands run from a real main frame: each command enabled, its
// dialog answered as a user answers it, what reaches the document, the one undo level, the plan
// check, and Cancel changing nothing.
#include "dialogs/install_record_dialogs.h"

#include <algorithm>
#include <functional>
#include <string>

#include "../frame/shell_fixture.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "dialog_picture.h"
#include "dialog_steps.h"
#include "dialogs/activity_group_dlg.h"
#include "dialogs/chime_dlg.h"
#include "dialogs/contacts_dlg.h"
#include "dialogs/select_by_dlg.h"
#include "dialogs/substitute_dlg.h"
#include "dialogs/task_dlg.h"
#include "frame/wnd_panel.h"
#include "model/chime_set.h"
#include "model/entity.h"
#include "model/timetable_entry.h"
#include "model/xml_document.h"
#include "platform/ui/cmd_ui_state.h"

namespace {

class InstalledDialogsTest : public ShellTest, protected DialogSteps {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        InstallRecordDialogs();
        Load("small-dated.xml");
        Data().DiscardUndo();
    }
    void TearDown() override {
        CWndPanel::s_editRecord = nullptr;
        ShellTest::TearDown();
    }
    CScheduleData& Data() { return application.data; }
    CCardsCtrlBody& Cards() { return Contacts().GetCards().m_wndBody; }
    // As a click on the strip does: the tab goes to the top and the page hears its key.
    void ChooseTab(int key) {
        Contacts().GetTabs().SelectTabByKey(key);
        Contacts().SendMessage(CMyVerticalTabCtrl::kSelected, static_cast<WPARAM>(key), 0);
        vorn_test::ProcessEvents();
    }
    bool Enabled(UINT id) { return CCmdUIState::IsEnabled(frame, id) != FALSE; }
    // The command as the menu gives it to the frame, with the steps run in the dialog it opens.
    template <class Dlg>
    void Command(UINT id, const std::function<void(Dlg&)>& steps) {
        ASSERT_TRUE(Enabled(id)) << id;
        const bool opened = WithDialogOf<Dlg>([&] { frame->SendMessage(WM_COMMAND, id); }, steps);
        ASSERT_TRUE(opened) << id;
        vorn_test::ProcessEvents();
    }
    // A problem that only an earlier plan check can have left: gone once the check runs again.
    void MarkProblems() {
        CProblem stale;
        stale.m_strText = L"stale";
        Data().m_arrProblems.push_back(stale);
    }
    bool Rechecked() {
        return std::none_of(Data().m_arrProblems.begin(), Data().m_arrProblems.end(),
                            [](const CProblem& p) { return p.m_strText == L"stale"; });
    }
    std::wstring SavedText() {
        CXmlDocument doc;
        Data().WriteXml(doc);
        return doc.GetDoc().str();
    }
    // One undo level holds the state before the command: undo brings back the saved text.
    void ExpectOneUndoLevelBackTo(const std::wstring& before) {
        ASSERT_TRUE(Data().HasUndoSnapshot());
        Data().Undo(TRUE);
        EXPECT_EQ(SavedText(), before);
    }
    CEntity& EntityOfCard(size_t k) { return *Data().FindEntity(Cards().m_arrCards.at(k)->m_nId); }
    CTimetableEntry& EntryWithReplacement() {
        auto entry = std::find_if(Data().m_arrEntries.begin(), Data().m_arrEntries.end(),
                                  [](const CTimetableEntry& e) { return !e.m_arrReplacements.empty(); });
        EXPECT_NE(entry, Data().m_arrEntries.end());
        return *entry;
    }
};

struct CommandCase {
    int tab;
    UINT command;
    int selected;  // cards selected before the command
};
const CommandCase kDialogCommands[] = {
    {0, ID_CONTACTS_ADD, 0},  {0, ID_CONTACTS_EDIT, 0}, {0, ID_SELECT_BY, 0}, {1, ID_SELECT_BY, 0},
    {1, ID_EDIT_MULTIPLE, 2}, {3, ID_CONTACTS_ADD, 0},  {5, ID_CONTACTS_ADD, 0}, {5, ID_CONTACTS_EDIT, 0},
};

}  // namespace

// Every command that opens a record dialog is enabled by its update handler, opens its dialog,
// and Cancel in the dialog leaves the document as it was, without an undo level.
TEST_F(InstalledDialogsTest, EachDialogCommandIsEnabledAndCancelChangesNothing) {
    for (const CommandCase& c : kDialogCommands) {
        ChooseTab(c.tab);
        Cards().m_arrSelection.clear();
        for (int k = 0; k < c.selected; ++k) Cards().m_arrSelection.push_back(Cards().m_arrCards.at(k)->m_nId);
        const std::vector<int> selection = Cards().m_arrSelection;
        const std::wstring before = SavedText();
        Command<CDialog>(c.command, [](CDialog& dlg) { PressButton(dlg, IDCANCEL); });
        EXPECT_EQ(SavedText(), before) << c.command << " on tab " << c.tab;
        EXPECT_FALSE(Data().HasUndoSnapshot()) << c.command << " on tab " << c.tab;
        if (c.command == ID_SELECT_BY) {
            EXPECT_EQ(Cards().m_arrSelection, selection) << "Cancel selects nothing";
        }
    }
}

TEST_F(InstalledDialogsTest, AddingAClassStoresTheNewEntity) {
    ChooseTab(0);
    const std::wstring before = SavedText();
    const size_t count = Data().m_arrEntities.size();
    Command<CContactsDlg>(ID_CONTACTS_ADD, [](CContactsDlg& dlg) {
        EXPECT_FALSE(dlg.m_multiple);
        EnterText(dlg, dlg.m_pName, L"12z");
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(Data().m_arrEntities.size(), count + 1);
    const auto added = std::find_if(Data().m_arrEntities.begin(), Data().m_arrEntities.end(),
                                    [](const CEntity& e) { return e.m_strName == L"12z"; });
    ASSERT_NE(added, Data().m_arrEntities.end());
    EXPECT_EQ(added->m_nType, 0);
    EXPECT_EQ(Data().m_nCurrentEntity, added->m_nId);
    ExpectOneUndoLevelBackTo(before);
}

TEST_F(InstalledDialogsTest, EditingTheCurrentCardWritesTheEntityAndChecksThePlan) {
    ChooseTab(1);
    const int id = Contacts().GetCards().GetCurrentCard()->m_nId;
    const std::wstring before = SavedText();
    MarkProblems();
    Command<CContactsDlg>(ID_CONTACTS_EDIT, [](CContactsDlg& dlg) {
        EnterText(dlg, dlg.m_pCompany, L"Northside");
        SavePng(GrabWindow(&dlg), "contacts_page_edit_teacher.png");
        PressButton(dlg, IDOK);
    });
    EXPECT_EQ(Data().FindEntity(id)->m_strCompany, L"Northside");
    EXPECT_TRUE(Rechecked());
    ExpectOneUndoLevelBackTo(before);
}

// Multiple edit: the dialog's staff type, default colours and week-hours choice reach every
// selected entity.
TEST_F(InstalledDialogsTest, EditingSeveralStaffHandsTheDialogsChoicesToEach) {
    ChooseTab(1);
    CEntity& templ = EntityOfCard(0);
    CEntity& other = EntityOfCard(1);
    templ.m_tDayStart[0] = other.m_tDayStart[0];
    templ.m_tDayEnd[0] = other.m_tDayStart[0] + 4 * 3600;
    other.m_tDayEnd[0] = other.m_tDayStart[0] + 2 * 3600;  // both real; the template's is longer
    other.m_crBackground = RGB(10, 20, 30);
    const int ids[] = {templ.m_nId, other.m_nId};
    const __time64_t templateEnd = templ.m_tDayEnd[0];
    RecheckAndRefresh(Data(), TRUE);  // the entries' states under the changed hours
    const std::wstring before = SavedText();
    Cards().m_arrSelection = {ids[0], ids[1]};
    MarkProblems();
    Command<CContactsDlg>(ID_EDIT_MULTIPLE, [](CContactsDlg& dlg) {
        EXPECT_TRUE(dlg.m_multiple);
        ClickOption(dlg, dlg.m_pScheduleChoice, 1);
        ClickOption(dlg, dlg.m_pStaffType, 1);
        ToggleTick(dlg, dlg.m_pResetColours);
        PressButton(dlg, IDOK);
    });
    for (int id : ids) {
        const CEntity& e = *Data().FindEntity(id);
        EXPECT_EQ(e.m_nType, 2) << id;
        EXPECT_EQ(e.m_crBackground, RGB(255, 255, 255)) << id;
        EXPECT_EQ(e.m_tDayEnd[0], templateEnd) << id;
    }
    EXPECT_TRUE(Rechecked());
    ExpectOneUndoLevelBackTo(before);
}

// Multiple edit with only the staff type changed: every other row was shown with the first
// card's values and left so; the other card keeps its own.
TEST_F(InstalledDialogsTest, EditingSeveralWritesOnlyTheRowsTheUserChanged) {
    ChooseTab(1);
    CEntity& templ = EntityOfCard(0);
    CEntity& other = EntityOfCard(1);
    templ.m_strCompany = L"First";
    templ.m_nDays = 5;
    templ.m_nAllowedWindows = templ.m_nAllowedDoors = 0;
    other.m_strCompany = L"Second";
    other.m_nDays = 3;
    other.m_nAllowedWindows = 2;
    other.m_nAllowedDoors = 1;
    const int otherId = other.m_nId;
    Cards().m_arrSelection = {templ.m_nId, otherId};
    Command<CContactsDlg>(ID_EDIT_MULTIPLE, [](CContactsDlg& dlg) {
        ClickOption(dlg, dlg.m_pStaffType, 1);
        PressButton(dlg, IDOK);
    });
    const CEntity& e = *Data().FindEntity(otherId);
    EXPECT_EQ(e.m_nType, 2);
    EXPECT_EQ(e.m_strCompany, L"Second");
    EXPECT_EQ(e.m_nDays, 3);
    EXPECT_EQ(e.m_nAllowedWindows, 2);
    EXPECT_EQ(e.m_nAllowedDoors, 1);
}

TEST_F(InstalledDialogsTest, AddingAChimeSetCanMakeItTheDefault) {
    ChooseTab(5);
    const std::wstring before = SavedText();
    Command<CChimeDlg>(ID_CONTACTS_ADD, [](CChimeDlg& dlg) {
        EnterText(dlg.m_tree, dlg.m_pNameItem, L"Late");
        ToggleTick(dlg.m_tree, dlg.m_pDefaultItem);
        PressButton(dlg, IDOK);
    });
    const auto added = Data().FindChimeSetByName(L"Late");
    ASSERT_NE(added, Data().m_arrChimeSets.end());
    EXPECT_EQ(Data().GetDefaultChimeSetId(), added->m_nId);
    ExpectOneUndoLevelBackTo(before);
}

TEST_F(InstalledDialogsTest, RenamingAChimeSetWritesItAndChecksThePlan) {
    ChooseTab(5);
    const int id = Contacts().GetCards().m_wndBody.m_arrCards.at(0)->m_nId;
    const std::wstring before = SavedText();
    MarkProblems();
    Command<CChimeDlg>(ID_CONTACTS_EDIT, [](CChimeDlg& dlg) {
        EnterText(dlg.m_tree, dlg.m_pNameItem, L"Renamed");
        PressButton(dlg, IDOK);
    });
    EXPECT_EQ(Data().FindChimeSet(id)->m_strName, L"Renamed");
    EXPECT_TRUE(Rechecked());
    ExpectOneUndoLevelBackTo(before);
}

TEST_F(InstalledDialogsTest, SelectByChoosesTheCardsOfTheStaffTypeTheUserPicked) {
    ChooseTab(1);
    const std::wstring before = SavedText();
    Command<CSelectByDlg>(ID_SELECT_BY, [](CSelectByDlg& dlg) {
        EXPECT_EQ(dlg.m_filter->m_nMode, 1);
        ClickOption(dlg, dlg.m_pStaffType, 2);
        PressButton(dlg, IDOK);
    });
    std::vector<int> expected;
    for (const CEntity& e : Data().m_arrEntities)
        if (e.m_nType == 2) expected.push_back(e.m_nId);
    std::vector<int> selected = Cards().m_arrSelection;
    std::sort(selected.begin(), selected.end());
    std::sort(expected.begin(), expected.end());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(selected, expected);
    EXPECT_EQ(SavedText(), before);
}

// The side panel's edit command on a participant of the current entry: the substitute dialog
// edits the replacement record.
TEST_F(InstalledDialogsTest, ThePanelsEditCommandEditsAReplacementOfTheCurrentEntry) {
    CTimetableEntry& entry = EntryWithReplacement();
    const std::uint64_t serial = entry.GetSerial();
    const int standIn = entry.m_arrReplacements.front().m_nEntity;
    const int paid = entry.m_arrReplacements.front().m_bPaid;
    CWndPanel panel;
    ASSERT_TRUE(panel.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), frame, 4321));
    panel.m_nMode = 5;
    panel.m_bShowPinButton = 1;
    panel.InsertColumn(0, L"", 100);
    panel.AddItem(0, L"stand-in", CString(), 0, 1, -1, standIn);
    panel.Fill();
    panel.SetCurrentEntry(serial);
    panel.m_wndList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_TRUE(CCmdUIState::IsEnabled(&panel, CWndPanel::kEditCommand));
    const std::wstring before = SavedText();
    MarkProblems();
    const bool opened = WithDialogOf<CSubstituteDlg>([&] { panel.SendMessage(WM_COMMAND, CWndPanel::kEditCommand); },
                                                     [](CSubstituteDlg& dlg) {
                                                         ToggleTick(dlg, dlg.m_pPaid);
                                                         PressButton(dlg, IDOK);
                                                     });
    ASSERT_TRUE(opened);
    const CReplacement& edited = Data().FindEntryBySerial(serial)->m_arrReplacements.front();
    EXPECT_EQ(edited.m_nEntity, standIn);
    EXPECT_EQ(edited.m_bPaid, paid ? 0 : 1);
    EXPECT_TRUE(Rechecked());
    ExpectOneUndoLevelBackTo(before);
}

// The panel's other lists open the dialog of their records; Cancel changes nothing.
TEST_F(InstalledDialogsTest, ThePanelOpensTheDialogOfEachKindOfRecord) {
    CWndPanel panel;
    ASSERT_TRUE(panel.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 200, 300), frame, 4321));
    const int activity = Data().m_arrActivities.front().m_nId;
    const int entity = Data().m_arrEntities.front().m_nId;
    const int group = Data().m_arrGroups.front().m_nId;
    const std::wstring before = SavedText();
    auto cancelled = [&](int mode, int kinds, int id, auto* dialogType) {
        using Dlg = std::remove_pointer_t<decltype(dialogType)>;
        panel.m_nMode = mode;
        panel.m_wndList.m_nDisplayMode = kinds;
        BOOL accepted = TRUE;
        const bool opened = WithDialogOf<Dlg>([&] { accepted = CWndPanel::s_editRecord(panel, id); },
                                              [](Dlg& dlg) { PressButton(dlg, IDCANCEL); });
        EXPECT_TRUE(opened) << "mode " << mode;
        EXPECT_FALSE(accepted) << "mode " << mode;
        EXPECT_EQ(SavedText(), before) << "mode " << mode;
        EXPECT_FALSE(Data().HasUndoSnapshot()) << "mode " << mode;
    };
    cancelled(1, 15, activity, static_cast<CTaskDlg*>(nullptr));
    cancelled(2, 15, entity, static_cast<CContactsDlg*>(nullptr));
    cancelled(4, 15, group, static_cast<CActivityGroupDlg*>(nullptr));

    // A task renamed in its dialog.
    panel.m_nMode = 1;
    const BOOL accepted = [&] {
        BOOL result = FALSE;
        WithDialogOf<CTaskDlg>([&] { result = CWndPanel::s_editRecord(panel, activity); },
                               [](CTaskDlg& dlg) {
                                   EnterText(dlg, dlg.m_pName, L"Chess club");
                                   PressButton(dlg, IDOK);
                               });
        return result;
    }();
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Data().FindActivity(activity)->m_strName, L"Chess club");
    ExpectOneUndoLevelBackTo(before);
}
