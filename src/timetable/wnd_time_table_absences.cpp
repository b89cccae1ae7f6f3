// Absences entered and removed from the timetable page: the absence wizard over whole plan days
// or the selected ranges, and the removal of the shown entity's absences.
#include <algorithm>

#include "controls/app_document.h"
#include "frame/recheck_keeping_problems.h"
#include "model/plan_check.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/wait_cursor.h"
#include "resource_ids.h"
#include "timetable/wnd_time_table.h"

namespace {

void Warn(CScheduleData& data, const CString& text) {
    data.Answerer().Ask(text, LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok, MessageIcon::Warning);
}

void AddProblem(CScheduleData& data, int kind, const CString& text, int record, const COleDateTime& date) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_nRecord = record;
    problem.m_dtDate = date;
    problem.m_strText = text;
    data.m_arrProblems.push_back(std::move(problem));
}

}  // namespace

void CWndTimeTable::RunAbsenceWizard() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || data->m_arrEntities.empty()) return;
    const auto entity = GetActiveViewEntity();
    if (entity == data->m_arrEntities.end()) return;
    if (entity->m_nType >= 3) {
        Warn(*data, LoadResString(IDS_TT_ABSENCE_WRONG_TYPE));
        return;
    }
    if (data->HasDefaultStartDate()) {
        Warn(*data, LoadResString(IDS_TT_ABSENCE_UNDATED));
        return;
    }
    data->m_arrProblems.clear();
    const bool wholeDay = pane->m_nSelectionMode != 2;
    CAbsenceWizardAnswers answers;
    answers.entities.push_back(entity->m_nId);
    // A cancelled wizard changed nothing and leaves no undo step.
    if (!s_dialogs.absenceWizard || !s_dialogs.absenceWizard(wholeDay ? TRUE : FALSE, answers)) return;
    CWaitCursor wait;
    data->SaveUndo();
    const std::vector<CItemTime> ranges = pane->m_arrSelectedRanges;
    for (const int id : answers.entities) {
        const auto absent = data->FindEntity(id);
        if (id == 0 || absent == data->m_arrEntities.end()) continue;
        if (wholeDay) {
            for (int day = 0; day < static_cast<int>(answers.days.size()) && day < data->m_nDays; ++day) {
                if (!answers.days[day]) continue;
                const COleDateTime date = data->GetDayDate(day);
                CString text;
                const CString dateText = date.Format(L"%d/%m/%Y");
                if (absent->IsReplacedOutOnDay(*data, day)) {
                    text.Format(LoadResString(IDS_TT_ABSENCE_REPLACED_DAY), absent->m_strName.GetString(), dateText.GetString());
                    AddProblem(*data, 13, text, id, date);
                } else if (!absent->SetWholeDayAbsence(*data, day, true, answers.absence, answers.mayReplace != 0)) {
                    text.Format(LoadResString(IDS_TT_ABSENCE_DAY_REFUSED), absent->m_strName.GetString(), dateText.GetString());
                    AddProblem(*data, 12, text, id, date);
                }
            }
            continue;
        }
        for (const CItemTime& range : ranges) {
            const CTimetableEntry probe(range.m_dtStart, range.m_tsDuration);
            const CString when = probe.FormatWhenText(*data, 0, 0);
            const bool available = probe.IsEntityAvailable(*data, *absent);
            const bool replacedOut = absent->IsReplacedOut(*data, range.m_dtStart, range.GetEndTime(), 0);
            CString text;
            if (available && !replacedOut) {
                CAbsence absence = answers.absence;
                absence.m_dtStart = range.m_dtStart;
                absence.m_tsLength = range.m_tsDuration;
                absence.m_bWholeDay = 0;
                if (!absent->AddAbsence(absence, answers.mayReplace ? TRUE : FALSE)) {
                    text.Format(LoadResString(IDS_TT_ABSENCE_RANGE_REFUSED), absent->m_strName.GetString(), when.GetString());
                    AddProblem(*data, 12, text, id, range.m_dtStart);
                }
                continue;
            }
            const CString reason = replacedOut ? LoadResString(IDS_TT_ABSENCE_REPLACED_OUT)
                                               : LoadResString(IDS_TT_ABSENCE_UNAVAILABLE);
            text.Format(LoadResString(IDS_TT_ABSENCE_RANGE_SKIPPED), absent->m_strName.GetString(), when.GetString(),
                        reason.GetString());
            AddProblem(*data, 13, text, id, range.m_dtStart);
        }
    }
    if (answers.cancelEntries) {
        if (wholeDay) {
            for (int day = 0; day < static_cast<int>(answers.days.size()) && day < data->m_nDays; ++day) {
                if (!answers.days[day]) continue;
                const COleDateTime date = data->GetDayDate(day);
                const COleDateTime from(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
                const COleDateTime to(date.GetYear(), date.GetMonth(), date.GetDay(), 23, 59, 0);
                data->CancelEntriesOfAbsentEntities(from, to, answers.entities);
            }
        } else {
            for (const CItemTime& range : ranges)
                data->CancelEntriesOfAbsentEntities(range.m_dtStart, range.GetEndTime(), answers.entities);
        }
    }
    pane->ClearSelection();
    RecheckKeepingProblems(*data);
}

void CWndTimeTable::OnRemoveAbsences() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || data->m_arrEntities.empty()) return;
    if (data->HasDefaultStartDate()) {
        Warn(*data, LoadResString(IDS_TT_ABSENCE_REMOVE_UNDATED));
        return;
    }
    const auto entity = GetActiveViewEntity();
    if (entity == data->m_arrEntities.end() || entity->m_arrAbsences.empty()) return;
    if (pane->m_nSelectionMode == 2) {
        data->SaveUndo();
        for (const CItemTime& range : pane->m_arrSelectedRanges) {
            CAbsence absence;
            absence.m_dtStart = range.m_dtStart;
            absence.m_tsLength = range.m_tsDuration;
            entity->RemoveAbsenceOverlapping(absence);
        }
        RecheckAndRefresh(*data, TRUE);
        return;
    }
    CString question;
    question.Format(LoadResString(IDS_TT_ABSENCE_REMOVE_ALL), entity->m_strName.GetString());
    if (data->Answerer().Ask(question, LoadResString(IDS_TT_ABSENCE_REMOVE_CAPTION), MessageButtons::YesNo,
                             MessageIcon::Question) != MessageAnswer::Yes)
        return;
    // Removing all absences cannot be undone.
    entity->m_arrAbsences.clear();
    data->DiscardUndo();
    RecheckAndRefresh(*data, TRUE);
}

BOOL CWndTimeTable::EditAbsenceInRanges(BOOL fromCommand) {
    CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || pane->m_nSelectionMode != 2 || data->HasDefaultStartDate() || !s_dialogs.editAbsence)
        return FALSE;
    const auto entity = GetActiveViewEntity();
    if (entity == data->m_arrEntities.end()) return FALSE;
    const auto matches = [&](const CAbsence& absence, const CItemTime& range) {
        if (fromCommand && absence.m_bWholeDay) return IsSameDay(absence.m_dtStart, range.m_dtStart);
        return IntervalsOverlap(absence.m_dtStart, absence.m_dtStart + absence.m_tsLength, range.m_dtStart,
                                range.GetEndTime());
    };
    std::size_t found = entity->m_arrAbsences.size();
    const auto& absences = entity->m_arrAbsences;
    const auto& ranges = pane->m_arrSelectedRanges;
    if (fromCommand) {
        for (std::size_t i = 0; i < absences.size() && found == absences.size(); ++i)
            if (std::any_of(ranges.begin(), ranges.end(), [&](const CItemTime& r) { return matches(absences[i], r); }))
                found = i;
    } else {
        for (const CItemTime& range : ranges) {
            for (std::size_t i = 0; i < absences.size() && found == absences.size(); ++i)
                if (matches(absences[i], range)) found = i;
            if (found != absences.size()) break;
        }
    }
    if (found == absences.size()) return FALSE;
    // The dialog edits a copy, so that a cancelled edit leaves the absence as it was.
    CAbsence copy = absences[found];
    const int entityId = entity->m_nId;
    if (!s_dialogs.editAbsence(copy, LoadResString(IDS_TT_ABSENCE_UPDATE))) return TRUE;
    const auto target = data->FindEntity(entityId);
    if (target == data->m_arrEntities.end() || found >= target->m_arrAbsences.size()) return TRUE;
    data->SaveUndo();
    target->m_arrAbsences[found] = copy;
    RecheckAndRefresh(*data, TRUE);
    return TRUE;
}

void CWndTimeTable::OnEditAbsenceOrRemark() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || data->m_arrEntities.empty() || data->HasDefaultStartDate()) return;
    EditAbsenceInRanges(TRUE);
    const CTimeTableItem* current = pane->GetCurrentItem();
    if (pane->m_nSelectionMode != 1 || !current || current->m_nState != 9 || !s_dialogs.remark) return;
    CString remark = current->m_strRemark;
    if (!s_dialogs.remark(remark)) return;
    bool undoTaken = false;
    for (const CTimeTableItem& item : pane->m_arrItems) {
        if (!item.m_bSelected || item.m_bGroupItem || item.m_nState != 9) continue;
        const auto entry = data->FindEntryBySerial(item.m_nSource);
        if (entry == data->m_arrEntries.end()) continue;
        if (!undoTaken) data->SaveUndo();
        undoTaken = true;
        data->UpdateEntry(&*entry, entry->m_nActivity, item.m_dtStart, item.m_tsLength, item.m_nState, remark);
    }
    if (undoTaken) RecheckAndRefresh(*data, TRUE);
}
