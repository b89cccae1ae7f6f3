#include "frame/wnd_contacts.h"

#include <algorithm>
#include <memory>

#include "controls/app_document.h"
#include "frame/main_frame.h"
#include "frame/page_report_request.h"
#include "model/chime_set.h"
#include "model/clipboard_fragments.h"
#include "model/entity.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

struct ContactsTab {
    UINT caption;
    int image;
    COLORREF fill, border;
    int mask;
    UINT background;
};
const ContactsTab kTabs[] = {
    {IDS_CONTACTS_CLASSES, 0, RGB(166, 211, 252), RGB(114, 158, 203), 1, IDB_CONTACTS_BACK_0},
    {IDS_CONTACTS_STAFF, 9, RGB(171, 235, 99), RGB(102, 144, 34), 6, IDB_CONTACTS_BACK_1},
    {IDS_CONTACTS_ASSISTANTS, 3, RGB(255, 255, 124), RGB(190, 171, 51), 8, IDB_CONTACTS_BACK_2},
    {IDS_CONTACTS_ROOMS, 4, RGB(254, 157, 62), RGB(208, 89, 0), 16, IDB_CONTACTS_BACK_3},
    {IDS_CONTACTS_EQUIPMENT, 5, RGB(255, 116, 88), RGB(223, 49, 25), 32, IDB_CONTACTS_BACK_4},
    {IDS_CONTACTS_CHIME_SETS, 6, RGB(194, 138, 245), RGB(129, 80, 195), CWndContacts::kChimeMask, IDB_CONTACTS_BACK_5},
};
constexpr int kTabOfType[6] = {0, 1, 1, 2, 3, 4};

CString DateLine(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid || date.GetYear() <= 2000) return CString();
    return date.Format(L"%d/%m/%Y");
}

bool Confirm(CScheduleData& data, UINT text, UINT caption, MessageButtons buttons = MessageButtons::YesNo) {
    const MessageAnswer answer =
        data.Answerer().Ask(LoadResString(text), caption ? LoadResString(caption) : CString(), buttons, MessageIcon::Question);
    return answer == MessageAnswer::Yes || answer == MessageAnswer::Ok;
}

void ShowError(CScheduleData& data, UINT text) {
    data.Answerer().Ask(LoadResString(text), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok, MessageIcon::Stop);
}

}  // namespace

CContactsDialogs CWndContacts::s_dialogs;

BEGIN_MESSAGE_MAP(CWndContacts, CFramePage)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_MESSAGE(CMyVerticalTabCtrl::kSelected, &CWndContacts::OnTabChanged)
    ON_MESSAGE(CCardsCtrl::kCurrentChanged, &CWndContacts::OnCardSelected)
    ON_MESSAGE(CCardsCtrl::kDoubleClicked, &CWndContacts::OnCardDblClk)
    ON_COMMAND(ID_CONTACTS_ADD, &CWndContacts::OnAdd)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_ADD, &CWndContacts::OnUpdateAdd)
    ON_COMMAND(ID_CONTACTS_EDIT, &CWndContacts::OnEdit)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_EDIT, &CWndContacts::OnUpdateEdit)
    ON_COMMAND(ID_CONTACTS_DELETE, &CWndContacts::OnDelete)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_DELETE, &CWndContacts::OnUpdateDelete)
    ON_COMMAND(ID_EDIT_MULTIPLE, &CWndContacts::OnEditMultiple)
    ON_UPDATE_COMMAND_UI(ID_EDIT_MULTIPLE, &CWndContacts::OnUpdateEditMultiple)
    ON_COMMAND(ID_REMOVE_FROM_ACTIVITIES, &CWndContacts::OnRemoveFromActivities)
    ON_UPDATE_COMMAND_UI(ID_REMOVE_FROM_ACTIVITIES, &CWndContacts::OnUpdateEntityCommand)
    ON_COMMAND(ID_REMOVE_ENTRIES, &CWndContacts::OnRemoveEntries)
    ON_UPDATE_COMMAND_UI(ID_REMOVE_ENTRIES, &CWndContacts::OnUpdateEntityCommand)
    ON_COMMAND(ID_REMOVE_REPLACEMENTS, &CWndContacts::OnRemoveReplacements)
    ON_UPDATE_COMMAND_UI(ID_REMOVE_REPLACEMENTS, &CWndContacts::OnUpdateEntityCommand)
    ON_COMMAND(ID_RESET_WEEK_HOURS, &CWndContacts::OnResetWeekHours)
    ON_UPDATE_COMMAND_UI(ID_RESET_WEEK_HOURS, &CWndContacts::OnUpdateEntityCommand)
    ON_COMMAND(ID_RESET_COLOURS, &CWndContacts::OnResetColours)
    ON_UPDATE_COMMAND_UI(ID_RESET_COLOURS, &CWndContacts::OnUpdateEntityCommand)
    ON_COMMAND(ID_CREATE_ROOMS, &CWndContacts::OnCreateRooms)
    ON_UPDATE_COMMAND_UI(ID_CREATE_ROOMS, &CWndContacts::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_SELECT_ALL_CARDS, &CWndContacts::OnSelectAll)
    ON_UPDATE_COMMAND_UI(ID_SELECT_ALL_CARDS, &CWndContacts::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_RESET_CHIME_TIMES, &CWndContacts::OnResetChimeTimes)
    ON_UPDATE_COMMAND_UI(ID_RESET_CHIME_TIMES, &CWndContacts::OnUpdateResetChimeTimes)
    ON_COMMAND(ID_SELECT_BY, &CWndContacts::OnSelectBy)
    ON_UPDATE_COMMAND_UI(ID_SELECT_BY, &CWndContacts::OnUpdateSelectBy)
    ON_COMMAND(ID_REPORT_SELECTED, &CWndContacts::OnReportSelected)
    ON_UPDATE_COMMAND_UI(ID_REPORT_SELECTED, &CWndContacts::OnUpdateReportSelected)
    ON_COMMAND(ID_EDIT_COPY, &CWndContacts::OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CWndContacts::OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, &CWndContacts::OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CWndContacts::OnUpdateEditPaste)
END_MESSAGE_MAP()

CWndContacts::CWndContacts() : m_wndTabs(&m_imlTabs) {}
CWndContacts::~CWndContacts() = default;

int CWndContacts::OnCreate(LPCREATESTRUCT cs) {
    if (CFramePage::OnCreate(cs) == -1) return -1;
    CBitmap strip;
    if (m_imlTabs.Create(16, 16, ILC_COLOR32 | ILC_MASK, 9, 1) && strip.LoadBitmap(IDB_ENTITY_TYPES))
        m_imlTabs.Add(&strip, kMagenta);
    if (!m_wndTabs.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kTabsId)) return -1;
    for (const ContactsTab& tab : kTabs) m_wndTabs.AddTab(LoadResString(tab.caption), tab.image, tab.fill, tab.border);
    if (!m_wndCards.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kCardsId)) return -1;
    m_wndCards.SetOwner(this);
    for (UINT id = IDS_CARD_LABEL_FIRST; id <= IDS_CARD_LABEL_FIRST + 10; ++id)
        m_wndCards.m_wndBody.m_arrLabels.push_back(LoadResString(id));
    m_wndCards.m_wndBody.m_bRightToLeft = LoadResString(IDS_RTL_LAYOUT) == L"Y";
    m_wndCards.ShowWindow(SW_SHOW);
    return 0;
}

void CWndContacts::OnSize(UINT, int cx, int cy) {
    if (!m_wndTabs.GetSafeHwnd()) return;
    m_wndTabs.MoveWindow(0, 0, 30, cy);
    m_wndCards.MoveWindow(30, 0, std::max(0, cx - 30), cy);
}

void CWndContacts::OnPaint() {
    CPaintDC dc(this);
    m_wndTabs.Invalidate();
    m_wndCards.Invalidate();
}

void CWndContacts::OnSetFocus(CWnd*) {
    if (m_wndCards.GetSafeHwnd()) m_wndCards.SetFocus();
}

void CWndContacts::OnKeyDown(UINT key, UINT repeat, UINT flags) { m_wndCards.m_wndBody.OnKeyDown(key, repeat, flags); }

std::vector<int> CWndContacts::SelectedIds() const {
    std::vector<int> ids;
    m_wndCards.m_wndBody.GetSelectedIds(ids);
    return ids;
}

bool CWndContacts::IsEnabled(UINT id) { return CCmdUIState::IsEnabled(this, id) != FALSE; }

// Filling ----------------------------------------------------------------------------------------

void CWndContacts::FillCards() {
    CScheduleData* data = GetAppDocument();
    CCardsCtrlBody& body = m_wndCards.m_wndBody;
    m_wndCards.m_nSavedScroll = body.m_nScroll;
    body.RemoveAllCards();
    auto insert = [&](std::unique_ptr<CContactCard> card) {
        if (m_wndCards.FindCard(*card) < 0) body.InsertCard(std::move(card));
    };
    if (data && OnChimeTab()) {
        // The sole chime set is the default one; its id stays as it is.
        const int defaultId = data->GetDefaultChimeSetId();
        for (const CChimeSet& set : data->m_arrChimeSets) {
            auto card = std::make_unique<CContactCard>();
            card->m_strTitle = set.m_strName;
            card->m_nKind = 6;
            card->m_nId = set.m_nId;
            card->m_bGrey = set.m_nId == defaultId;
            insert(std::move(card));
        }
    } else if (data && !data->m_arrEntities.empty()) {
        for (const CEntity& entity : data->m_arrEntities) {
            if (entity.m_nType < 0 || entity.m_nType > 5 || !(m_nKindMask & (1 << entity.m_nType))) continue;
            auto card = std::make_unique<CContactCard>();
            card->m_strTitle = entity.m_strName;
            card->m_nKind = entity.m_nType;
            card->m_nId = entity.m_nId;
            card->m_bGrey = entity.m_bUnavailable;
            card->AddLine(0, entity.m_strJob);
            card->AddLine(1, entity.m_strCompany);
            card->AddLine(2, entity.m_strOffice);
            card->AddLine(3, entity.m_strPhone);
            card->AddLine(4, entity.m_strPhone2);
            card->AddLine(5, entity.GetFullCode());
            card->AddLine(6, entity.m_strFax);
            card->AddLine(7, entity.m_strEmail);
            card->AddLine(8, DateLine(entity.m_dtRegistration));
            card->AddLine(9, DateLine(entity.m_dtCompletion));
            if (entity.m_nType == 0) card->AddLine(10, entity.m_strEducator);
            insert(std::move(card));
        }
        if (m_wndCards.SelectCardById(0, data->m_nCurrentEntity)) m_wndCards.EnsureCurrentVisible();
    }
    if (m_wndCards.GetSafeHwnd()) {
        m_wndCards.m_wndBody.LayoutCards();
        m_wndCards.m_wndBody.Invalidate(FALSE);
    }
    Invalidate();
}

BOOL CWndContacts::ShowCurrentEntity() {
    if (OnChimeTab()) return FALSE;
    CScheduleData* data = GetAppDocument();
    const auto current = data ? data->FindCurrentEntity() : CEntityArray::iterator();
    CCardsCtrlBody& body = m_wndCards.m_wndBody;
    if (!data || data->m_arrEntities.empty() || current == data->m_arrEntities.end()) {
        m_nKindMask = 1;
        m_wndTabs.SelectTabByKey(0);
        body.m_nBackground = IDB_CONTACTS_BACK_0;
        return FALSE;
    }
    const int key = kTabOfType[std::clamp(current->m_nType, 0, 5)];
    if (kTabs[key].mask != m_nKindMask) {
        body.m_nBackground = kTabs[key].background;
        m_nKindMask = kTabs[key].mask;
        m_wndTabs.SelectTabByKey(key);
        body.m_arrSelection.clear();
        return TRUE;
    }
    const CContactCard* card = m_wndCards.GetCurrentCard();
    if (!card || card->m_nId == current->m_nId) return FALSE;
    body.m_arrSelection.clear();
    m_wndCards.SelectCardById(0, current->m_nId);
    return TRUE;
}

void CWndContacts::Update(int kind) {
    CScheduleData* data = GetAppDocument();
    switch (kind) {
    case 1: FillCards(); break;
    case 2: {
        const CContactCard* card = m_wndCards.GetCurrentCard();
        if (!data || (card && card->m_nId == data->m_nCurrentEntity)) break;
        if (data->FindCurrentEntity() != data->m_arrEntities.end()) {
            ShowCurrentEntity();
            FillCards();
        }
        break;
    }
    case 3:
    case 4:
        ShowCurrentEntity();
        m_wndCards.m_wndBody.m_arrSelection.clear();
        break;
    default: break;
    }
}

// Tabs and cards ---------------------------------------------------------------------------------

void CWndContacts::SwitchTab(int key) {
    if (key < 0 || key >= static_cast<int>(std::size(kTabs))) return;
    m_nKindMask = kTabs[key].mask;
    m_wndCards.m_bToolTips = m_nKindMask != kChimeMask;
    m_wndCards.m_wndBody.m_arrSelection.clear();
    m_wndCards.m_wndBody.m_nBackground = kTabs[key].background;
    FillCards();
}

LRESULT CWndContacts::OnTabChanged(WPARAM key, LPARAM) {
    CWaitCursor wait;
    SwitchTab(static_cast<int>(key));
    CScheduleData* data = GetAppDocument();
    if (data && key <= 2) {
        const CContactCard* card = m_wndCards.GetCurrentCard();
        if (card && card->m_nId != data->m_nCurrentEntity) data->SetCurrentEntity(card->m_nId);
    }
    return 0;
}

LRESULT CWndContacts::OnCardSelected(WPARAM, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (OnChimeTab() || !data) return 0;
    const CContactCard* card = m_wndCards.GetCurrentCard();
    if (!card) return 0;
    const auto entity = data->FindEntity(card->m_nId);
    if (entity != data->m_arrEntities.end() && entity->m_nType != 4 && entity->m_nId != data->m_nCurrentEntity)
        data->SetCurrentEntity(entity->m_nId);
    return 0;
}

LRESULT CWndContacts::OnCardDblClk(WPARAM, LPARAM) {
    if (!m_wndCards.m_wndBody.m_arrCards.empty() && !m_wndCards.m_wndBody.m_arrSelection.empty() &&
        IsEnabled(ID_CONTACTS_EDIT))
        OnEdit();
    return 0;
}

// Add and edit -----------------------------------------------------------------------------------

void CWndContacts::OnUpdateAdd(CCmdUI* cmdUI) {
    cmdUI->Enable(OnChimeTab() ? s_dialogs.editChimeSet != nullptr : s_dialogs.editEntity != nullptr);
}

void CWndContacts::OnAdd() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_CONTACTS_ADD)) return;
    if (OnChimeTab()) {
        CChimeSet set;
        if (!set.LoadLessonTimes(data->Settings())) {
            ShowError(*data, IDS_LESSONS_UNREADABLE);
            return;
        }
        unsigned largest = 0;
        for (const CChimeSet& other : data->m_arrChimeSets) largest = std::max(largest, static_cast<unsigned>(other.m_nId));
        set.m_nId = static_cast<int>(largest + 1);
        bool makeDefault = false;
        if (!s_dialogs.editChimeSet(set, IDS_EDIT_RECORD_CAPTION, makeDefault)) return;
        data->SaveUndo();
        const int id = data->AddOrReplaceChimeSet(set);
        if (makeDefault) data->m_nDefaultChimeSet = id == 0 ? 1 : id;
        return;
    }
    CEntity entity;
    entity.m_crBackground = GetSysColor(COLOR_WINDOW);
    entity.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    entity.m_nHatch = 6;
    entity.m_nType = m_nKindMask == 1 ? 0 : m_nKindMask == 6 ? 2 : m_nKindMask == 8 ? 3 : m_nKindMask == 16 ? 4 : 5;
    if (entity.m_nType != 0) entity.m_nChimeSet = 0;
    entity.m_nDays = 100;
    entity.m_bUnavailable = 0;
    entity.m_nAllowedWindows = entity.m_nAllowedDoors = 0;
    entity.m_nOverlaps = 1;
    CMultipleEditOptions options;
    if (!s_dialogs.editEntity(entity, IDS_NEW_ENTITY_CAPTION, false, options)) return;
    data->SaveUndo();
    data->AddEntity(entity);
}

void CWndContacts::OnUpdateEdit(CCmdUI* cmdUI) {
    const bool dialog = OnChimeTab() ? s_dialogs.editChimeSet != nullptr : s_dialogs.editEntity != nullptr;
    cmdUI->Enable(dialog && m_wndCards.GetCurrentCard() != nullptr && !SelectedIds().empty());
}

void CWndContacts::OnEdit() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_CONTACTS_EDIT)) return;
    if (m_wndCards.m_wndBody.m_arrSelection.size() > 1) {
        OnEditMultiple();
        return;
    }
    if (OnChimeTab()) {
        EditChimeSet();
        return;
    }
    const CContactCard* card = m_wndCards.GetCurrentCard();
    const auto stored = data->FindEntity(card->m_nId);
    if (stored == data->m_arrEntities.end()) return;
    CEntity copy = *stored;
    CMultipleEditOptions options;
    if (!s_dialogs.editEntity(copy, IDS_EDIT_RECORD_CAPTION, false, options)) return;
    data->SaveUndo();
    // The dialog may have run code that changed the store; find the entity again.
    const auto again = data->FindEntity(card->m_nId);
    if (again != data->m_arrEntities.end()) data->ApplyEntityEdit(copy, *again);
}

void CWndContacts::EditChimeSet() {
    CScheduleData* data = GetAppDocument();
    const int id = m_wndCards.GetCurrentCard()->m_nId;
    auto stored = std::find_if(data->m_arrChimeSets.begin(), data->m_arrChimeSets.end(),
                               [id](const CChimeSet& s) { return s.m_nId == id; });
    if (stored == data->m_arrChimeSets.end()) return;
    CChimeSet copy = *stored;
    bool makeDefault = false;
    if (!s_dialogs.editChimeSet(copy, IDS_EDIT_RECORD_CAPTION, makeDefault)) return;
    data->SaveUndo();
    stored = std::find_if(data->m_arrChimeSets.begin(), data->m_arrChimeSets.end(),
                          [id](const CChimeSet& s) { return s.m_nId == id; });
    if (stored == data->m_arrChimeSets.end()) return;
    data->ApplyChimeSetEdit(copy, *stored);
    // The new times must keep everyone within their overlap limits before the plan check runs.
    if (data->CheckOverlapLimits(TRUE) > 0) {
        data->RollBackEdit();
        FillCards();
        ShowError(*data, IDS_CHIME_OVER_LIMIT);
        return;
    }
    if (makeDefault && data->GetDefaultChimeSetId() != id) data->m_nDefaultChimeSet = id == 0 ? 1 : id;
    RecheckAndRefresh(*data, TRUE);
    SwitchTab(5);
}

void CWndContacts::OnUpdateEditMultiple(CCmdUI* cmdUI) {
    cmdUI->Enable(!OnChimeTab() && s_dialogs.editEntity != nullptr && !m_wndCards.m_wndBody.m_arrCards.empty());
}

void CWndContacts::OnEditMultiple() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_EDIT_MULTIPLE)) return;
    const std::vector<int> ids = SelectedIds();
    if (ids.size() < 2) {
        ShowError(*data, IDS_SELECT_TWO_OR_MORE);
        return;
    }
    // The first selected card is the template.
    const auto first = data->FindEntity(ids.front());
    if (first == data->m_arrEntities.end()) return;
    const CEntity shown = *first;
    CEntity templ = shown;
    CMultipleEditOptions options;
    if (!s_dialogs.editEntity(templ, IDS_EDIT_RECORD_CAPTION, true, options)) return;
    data->SaveUndo();
    for (int id : ids) {
        const auto entity = data->FindEntity(id);
        if (entity != data->m_arrEntities.end()) MergeMultipleEdit(*data, shown, templ, options, *entity);
    }
    RecheckAndRefresh(*data, TRUE);
}

// Delete and the bulk commands ----------------------------------------------------------------

void CWndContacts::OnUpdateDelete(CCmdUI* cmdUI) {
    const auto& cards = m_wndCards.m_wndBody.m_arrCards;
    CScheduleData* data = GetAppDocument();
    if (cards.size() != 1 || !data) {
        cmdUI->Enable(data != nullptr);
        return;
    }
    cmdUI->Enable(!OnChimeTab() && data->CanDeleteEntity(cards.front()->m_nId));
}

void CWndContacts::OnDelete() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_CONTACTS_DELETE)) return;
    const std::vector<int> ids = SelectedIds();
    const bool chimes = OnChimeTab();
    // The deletes skip the records still in use. When that is every selected one, the user is
    // told why instead of being asked a question whose Yes would change nothing and take the
    // undo step of the last real edit.
    const bool deletable = std::any_of(ids.begin(), ids.end(), [&](int id) {
        return chimes ? data->FindChimeSet(id) != data->m_arrChimeSets.end() && data->CanDeleteChimeSet(id)
                      : data->FindEntity(id) != data->m_arrEntities.end() && data->CanDeleteEntity(id);
    });
    if (!deletable) {
        if (!ids.empty()) ShowError(*data, chimes ? IDS_DELETE_CHIME_SETS_IN_USE : IDS_DELETE_ENTITIES_IN_USE);
        return;
    }
    if (!Confirm(*data, IDS_CONFIRM_DELETE, IDS_CONFIRM_CAPTION)) return;
    data->SaveUndo();
    if (chimes)
        data->DeleteChimeSets(ids);
    else
        data->DeleteEntities(ids);
}

// The entity commands would take chime-set ids for entity ids on the chime tab.
void CWndContacts::OnUpdateEntityCommand(CCmdUI* cmdUI) {
    bool on = !OnChimeTab() && !m_wndCards.m_wndBody.m_arrCards.empty();
    if (cmdUI->m_nID == ID_RESET_WEEK_HOURS) on = on && m_nKindMask != 16;
    cmdUI->Enable(on);
}

void CWndContacts::OnRemoveFromActivities() {
    CScheduleData* data = GetAppDocument();
    const CContactCard* card = m_wndCards.GetCurrentCard();
    if (!data || !card || !IsEnabled(ID_REMOVE_FROM_ACTIVITIES)) return;
    CString text;
    text.Format(LoadResString(IDS_CONFIRM_REMOVE_FROM_ACTIVITIES), card->m_strTitle.GetString());
    if (data->Answerer().Ask(text, LoadResString(IDS_CONFIRM_CAPTION), MessageButtons::OkCancel, MessageIcon::Question) !=
        MessageAnswer::Ok)
        return;
    data->SaveUndo();
    data->RemoveEntityFromActivities(card->m_nId);
}

void CWndContacts::OnRemoveEntries() {
    CScheduleData* data = GetAppDocument();
    const CContactCard* card = m_wndCards.GetCurrentCard();
    if (!data || data->m_arrEntities.empty() || !card || !IsEnabled(ID_REMOVE_ENTRIES)) return;
    if (!Confirm(*data, IDS_CONFIRM_REMOVE_ENTRIES, 0)) return;
    data->SaveUndo();
    data->RemoveEntriesOfEntity(card->m_nId);
}

void CWndContacts::OnRemoveReplacements() {
    CScheduleData* data = GetAppDocument();
    const std::vector<int> ids = SelectedIds();
    if (!data || data->m_arrEntities.empty() || ids.empty() || !IsEnabled(ID_REMOVE_REPLACEMENTS)) return;
    if (!Confirm(*data, IDS_CONFIRM_REMOVE_REPLACEMENTS, 0)) return;
    data->SaveUndo();
    for (int id : ids) data->RemoveEntityReplacements(id);
    RecheckAndRefresh(*data, TRUE);
}

void CWndContacts::OnResetWeekHours() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_RESET_WEEK_HOURS)) return;
    if (!Confirm(*data, IDS_CONFIRM_RESET_WEEK_HOURS, IDS_CONFIRM_CAPTION)) return;
    data->SaveUndo();
    data->ResetEntityWeekHours(SelectedIds());
}

void CWndContacts::OnResetColours() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_RESET_COLOURS)) return;
    if (!Confirm(*data, IDS_CONFIRM_RESET_COLOURS, IDS_CONFIRM_CAPTION)) return;
    data->SaveUndo();
    data->ResetEntityColours(SelectedIds());
}

void CWndContacts::OnCreateRooms() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    if (m_nKindMask != 1) {
        ShowError(*data, IDS_ROOMS_ONLY_FOR_CLASSES);
        return;
    }
    std::vector<int> ids = SelectedIds();
    if (ids.empty() && data->m_nCurrentEntity != 0) ids.push_back(data->m_nCurrentEntity);
    data->SaveUndo();
    data->CreateRoomsForEntities(ids);
}

void CWndContacts::OnSelectAll() { m_wndCards.m_wndBody.SelectAll(); }

void CWndContacts::OnUpdateResetChimeTimes(CCmdUI* cmdUI) { cmdUI->Enable(OnChimeTab() && !SelectedIds().empty()); }

void CWndContacts::OnResetChimeTimes() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_RESET_CHIME_TIMES)) return;
    CChimeSet lessons;
    if (!lessons.LoadLessonTimes(data->Settings())) {
        ShowError(*data, IDS_LESSONS_UNREADABLE);
        return;
    }
    data->SaveUndo();
    const std::vector<int> ids = SelectedIds();
    for (CChimeSet& set : data->m_arrChimeSets)
        if (std::find(ids.begin(), ids.end(), set.m_nId) != ids.end()) set.m_arrIntervals = lessons.m_arrIntervals;
    // Entries placed by the old bell times are checked again under the new ones.
    RecheckAndRefresh(*data, TRUE);
    FillCards();
}

void CWndContacts::OnUpdateSelectBy(CCmdUI* cmdUI) {
    cmdUI->Enable((m_nKindMask == 1 || m_nKindMask == 6) && s_dialogs.selectBy != nullptr);
}

void CWndContacts::OnSelectBy() {
    CScheduleData* data = GetAppDocument();
    if (!data || !IsEnabled(ID_SELECT_BY)) return;
    CSelectByFilter filter;
    filter.m_nMode = m_nKindMask == 1 ? 0 : 1;
    if (!s_dialogs.selectBy(filter)) return;
    CCardsCtrlBody& body = m_wndCards.m_wndBody;
    body.m_arrSelection.clear();
    for (const auto& card : body.m_arrCards) {
        const auto entity = data->FindEntity(card->m_nId);
        if (entity != data->m_arrEntities.end() && MatchesSelectBy(filter, *entity)) m_wndCards.SelectCardById(1, card->m_nId);
    }
    m_wndCards.m_wndBody.Invalidate(FALSE);
}

// The report of the selected entities, or of the current one with none selected, on the reports
// page; only on the tabs of classes and of staff.
void CWndContacts::OnUpdateReportSelected(CCmdUI* cmdUI) {
    const CScheduleData* data = GetAppDocument();
    cmdUI->Enable((m_nKindMask == 1 || m_nKindMask == 6) && data && !data->m_arrEntities.empty());
}

void CWndContacts::OnReportSelected() {
    CScheduleData* data = GetAppDocument();
    if (!data || (m_nKindMask != 1 && m_nKindMask != 6)) return;
    std::vector<int> ids = SelectedIds();
    if (ids.empty()) ids.push_back(data->m_nCurrentEntity);
    RequestPageReport(*data, 5, ids);
}

// Clipboard ------------------------------------------------------------------------------------

void CWndContacts::OnUpdateEditCopy(CCmdUI* cmdUI) { cmdUI->Enable(!m_wndCards.m_wndBody.m_arrCards.empty()); }

void CWndContacts::OnEditCopy() {
    CScheduleData* data = GetAppDocument();
    if (!data || m_wndCards.m_wndBody.m_arrCards.empty()) return;
    const std::vector<int> ids = SelectedIds();
    const CString text =
        OnChimeTab() ? BuildContactsChimeSetFragment(*data, ids) : BuildContactsEntityFragment(*data, ids);
    SetClipboardText(data->Clipboard(), text);
}

void CWndContacts::OnUpdateEditPaste(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    CString text;
    cmdUI->Enable(data && GetClipboardText(data->Clipboard(), text) && !text.IsEmpty());
}

void CWndContacts::OnEditPaste() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    data->SaveUndo();
    if (PasteContactsFragment(*data) == PasteOutcome::Refused) data->RestorePreviousUndo();
    FillCards();
}
