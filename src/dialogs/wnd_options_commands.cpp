// The options page's maintenance commands: clean-ups, activity colours, word lists, holidays,
// the day schedule, the solver, the data imports and the settings exchange file. The rules live
// in the options engine; these handlers ask the user and hand the answers over.
#include "app/scheduler_app.h"
#include "dialogs/activity_resolve_dlg.h"
#include "dialogs/data_import_dlg.h"
#include "dialogs/day_schedule_dlg.h"
#include "dialogs/holidays_dlg.h"
#include "dialogs/pallete_dlg.h"
#include "dialogs/strings_dlg.h"
#include "dialogs/wnd_options.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "options_engine/activity_import.h"
#include "options_engine/clean_ups.h"
#include "options_engine/entity_import.h"
#include "options_engine/import_text_source.h"
#include "options_engine/lesson_schedule.h"
#include "options_engine/settings_exchange.h"
#include "options_engine/timetable_import.h"
#include "platform/core/file_system.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"
#include "solver/solver_command.h"

namespace {

constexpr DWORD kEnableSizing = 0x800000;  // OFN_ENABLESIZING
constexpr const wchar_t* kSettingsFilter = L"INI file (*.ini)|*.ini|";

}  // namespace

// Clean-ups and colours

void CWndOptions::OnDeleteActivitiesWithoutEntries() { RunCleanUp(Document(), CleanUp::ActivitiesWithoutEntries); }
void CWndOptions::OnDeleteEntitiesWithoutEntries() { RunCleanUp(Document(), CleanUp::EntitiesWithoutEntries); }
void CWndOptions::OnDeleteEntitiesWithoutActivities() { RunCleanUp(Document(), CleanUp::EntitiesWithoutActivities); }
void CWndOptions::OnDeleteActivitiesWithoutMembers() { RunCleanUp(Document(), CleanUp::ActivitiesWithoutMembers); }

void CWndOptions::OnPalette() {
    CScheduleData& data = Document();
    if (data.m_arrEntities.empty()) return;
    CPaletteChoice choice;
    CPalleteDlg dlg(&choice, this);
    if (dlg.DoModal() != IDOK) return;
    ApplyPalette(data, choice.text, choice.applyFirstColour, choice.firstColour, choice.applySecondColour,
                 choice.secondColour, choice.applyHatch, choice.hatch);
}

// Word lists, holidays and the day schedule

void CWndOptions::EditWordList(WordList list, UINT caption) {
    CSchedulerApp* app = App();
    if (!app) return;
    CStringsDlg dlg(&app->GetWordList(list), 0, nullptr);
    dlg.m_strCaption = LoadResString(caption);
    dlg.DoModal();
    app->SaveSettings();
}

void CWndOptions::OnEditCategories() { EditWordList(WordList::Categories, IDS_STRINGS_CATEGORIES); }
void CWndOptions::OnEditFunders() { EditWordList(WordList::Funders, IDS_STRINGS_FUNDERS); }
void CWndOptions::OnEditRewards() { EditWordList(WordList::Rewards, IDS_STRINGS_REWARDS); }

void CWndOptions::OnEditActivityNames() {
    if (CSchedulerApp* app = App()) app->MergeActivityNames();
    EditWordList(WordList::Activities, IDS_STRINGS_ACTIVITIES);
}

void CWndOptions::OnHolidays() {
    CHolidaysDlg dlg(nullptr);
    dlg.DoModal();
    if (CSchedulerApp* app = App()) app->SaveSettings();
}

void CWndOptions::OnDaySchedule() {
    CSchedulerApp* app = App();
    if (!app) return;
    CScheduleData& data = Document();
    // A list the dialog cannot show as it stands is not replaced by what the dialog would make of it.
    const std::optional<CLessonSchedule> schedule = ParseLessonList(app->m_arrLessons, data.m_tDayStart);
    if (!schedule) {
        AfxMessageBox(LoadResString(IDS_LESSONS_UNREADABLE), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CDayScheduleDlg dlg(nullptr);
    dlg.m_schedule.m_model.m_tDayStart = schedule->m_tDayStart;
    dlg.m_schedule.m_model.Clear();
    for (const CLessonInterval& interval : schedule->m_arrIntervals)
        dlg.m_schedule.AddInterval(interval.m_nMinutes, interval.m_strLabel);
    dlg.DoModal();
    dlg.m_schedule.GetLessonList(app->m_arrLessons);
    app->SaveSettings();
    RecheckAndRefresh(data, TRUE);
}

void CWndOptions::OnRunSolver() { RunSolverCommand(Document(), this); }

// Data imports

bool CWndOptions::AskImportOptions(int kind, CImportOptions& options) {
    CDataImportDlg dlg(nullptr);
    dlg.m_nKind = kind;
    if (dlg.DoModal() != IDOK) return false;
    options = dlg.GetOptions();
    return true;
}

void CWndOptions::ImportEntitiesOfKind(EntityImportKind kind) {
    CImportOptions options;
    if (!AskImportOptions(static_cast<int>(kind), options)) return;
    CScheduleData& data = Document();
    const auto source = MakeImportTextSource(options, data.Clipboard());
    ImportEntities(data, kind, options, *source);
}

void CWndOptions::OnImportEntities() { ImportEntitiesOfKind(EntityImportKind::Entities); }
void CWndOptions::OnImportEntityList() { ImportEntitiesOfKind(EntityImportKind::EntityList); }
void CWndOptions::OnImportRooms() { ImportEntitiesOfKind(EntityImportKind::Rooms); }

void CWndOptions::OnImportActivities() {
    CImportOptions options;
    if (!AskImportOptions(3, options)) return;
    CScheduleData& data = Document();
    const auto source = MakeImportTextSource(options, data.Clipboard());
    ImportActivities(data, options, *source, [this] { return MakeRandomColour(); });
}

void CWndOptions::OnImportTimetable() {
    CImportOptions options;
    if (!AskImportOptions(4, options)) return;
    CScheduleData& data = Document();
    const auto source = MakeImportTextSource(options, data.Clipboard());
    ImportTimetable(data, options, *source,
                    [](const std::vector<int>& candidates, const CEntity& staff, const CString& before,
                       const CString& after) {
                        CActivityResolveDlg dlg(&candidates, &staff, before, after, nullptr);
                        return dlg.DoModal() == IDOK ? dlg.m_result : 0;
                    });
}

// The settings exchange file

void CWndOptions::ExportSettings() {
    CSchedulerApp* app = App();
    if (!app) return;
    CFileDialog dlg(FALSE, L"ini", nullptr, kEnableSizing | OFN_OVERWRITEPROMPT, kSettingsFilter, nullptr);
    if (dlg.DoModal() != IDOK) return;
    const CString chosen = dlg.GetPathName();
    const CString path = AddIniExtension(chosen);
    // The dialog asked about the name it gave; a file the added ending names is asked about here.
    if (path != chosen && FileExists(path)) {
        CString question;
        question.Format(LoadResString(IDS_SETTINGS_FILE_REPLACE), path.GetString());
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    }
    if (!ExportSettingsFile(path, *app)) {
        CString text;
        text.Format(LoadResString(IDS_SETTINGS_EXPORT_FAILED), path.GetString());
        AfxMessageBox(text, MB_OK | MB_ICONHAND);
    }
}

void CWndOptions::ImportSettings() {
    CSchedulerApp* app = App();
    if (!app) return;
    CFileDialog dlg(TRUE, nullptr, nullptr, kEnableSizing, kSettingsFilter, nullptr);
    if (dlg.DoModal() != IDOK) return;
    // A file that cannot be read changes no list; the settings are written in every case.
    ImportSettingsFile(dlg.GetPathName(), *app);
    app->SaveSettings();
}
