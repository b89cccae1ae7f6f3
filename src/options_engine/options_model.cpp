#include "options_engine/options_model.h"

#include <cmath>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

constexpr int kMaxDays = 21;

MessageAnswer Ask(CScheduleData& data, UINT textId) {
    return data.Answerer().Ask(LoadResString(textId), CString(), MessageButtons::YesNoCancel, MessageIcon::Question);
}

}  // namespace

void COptionsModel::LoadFromDocument() {
    m_nPlanKind = m_data.HasDefaultStartDate() ? 0 : 1;
    m_dtChosenStart = m_data.GetStartDate();
    m_dtFirstWeekday = m_data.GetFirstWeekdayDate();
    m_nDays = m_data.m_nDays;
    m_nHourIndex = m_data.m_nHourIndex;
    m_nTitleFormat = m_data.m_nTitleFormat;
}

int COptionsModel::DaysToChosenStart() const {
    const COleDateTime from = m_data.GetStartDate();
    const double seconds = std::round(std::fabs((m_dtChosenStart - from).GetTotalSeconds()));
    const int days = static_cast<int>(seconds / 86400.0);
    return CompareTimesApprox(m_dtChosenStart, from) < 0 ? -days : days;
}

std::vector<COptionsModel::Mark> COptionsModel::ValidateSettings() {
    std::vector<Mark> marks;
    m_bResetAccepted = false;
    if (m_nPlanKind == 0 && (m_data.HasAbsences() || m_data.HasReplacements())) {
        if (Ask(m_data, IDS_CONFIRM_NEW_START_DATE) == MessageAnswer::Yes)
            m_bResetAccepted = true;
        else
            marks.push_back({Row::PlanKind, IDS_OPTIONS_MARK_WEEK_TEMPLATE});
    }
    if (!m_data.m_arrEntries.empty() && m_nDays != m_data.m_nDays)
        marks.push_back({Row::Days, IDS_OPTIONS_MARK_DAYS_WITH_ENTRIES});
    if (m_nDays < 1) marks.push_back({Row::Days, IDS_OPTIONS_MARK_DAYS_TOO_FEW});
    if (m_nDays > kMaxDays) marks.push_back({Row::Days, IDS_OPTIONS_MARK_DAYS_TOO_MANY});
    if (m_nPlanKind == 1) {
        if (IsSameDay(m_dtChosenStart, m_dtFirstWeekday))
            marks.push_back({Row::StartDate, IDS_OPTIONS_MARK_REFERENCE_WEEK});
        if (DaysToChosenStart() % 7 != 0) marks.push_back({Row::StartDate, IDS_OPTIONS_MARK_WHOLE_WEEKS});
    } else {
        m_dtChosenStart = m_dtFirstWeekday;
    }
    return marks;
}

bool COptionsModel::Apply(std::vector<Mark>& marks) {
    marks = ValidateSettings();
    if (!marks.empty()) return false;
    ApplySettings();
    return true;
}

void COptionsModel::ApplySettings() {
    // The question is put before anything changes: the undo snapshot, taken ahead of the first
    // change, then holds the calendar settings together with the entries they date.
    const bool moveDated = !IsSameDay(m_dtChosenStart, m_data.GetStartDate()) &&
                           (!m_data.m_arrEntries.empty() || m_data.HasAbsences() || m_data.HasReplacements());
    const MessageAnswer answer =
        moveDated && m_nPlanKind == 1 ? Ask(m_data, IDS_CONFIRM_MOVE_ENTRIES) : MessageAnswer::Yes;
    // A change of the calendar settings alone is an edit too: Undo takes back the last one.
    const bool settingsChange =
        (!m_data.m_arrEntities.empty() && !IsSameDay(m_data.m_dtFirstWeekday, m_dtFirstWeekday)) ||
        m_data.m_nDays != m_nDays || m_data.m_nTitleFormat != m_nTitleFormat || m_data.m_nHourIndex != m_nHourIndex ||
        (!moveDated && !IsSameDay(m_dtChosenStart, m_data.GetStartDate()));
    if (m_bResetAccepted || (moveDated && answer != MessageAnswer::Cancel) || settingsChange) m_data.SaveUndo();

    if (!m_data.m_arrEntities.empty()) m_data.m_dtFirstWeekday = m_dtFirstWeekday;
    if (m_bResetAccepted) {
        m_data.ResetForNewStartDate();
        m_bResetAccepted = false;
    }
    m_data.m_nDays = m_nDays;
    m_data.m_nTitleFormat = m_nTitleFormat;
    m_data.m_nHourIndex = m_nHourIndex;
    if (!IsSameDay(m_dtChosenStart, m_data.GetStartDate())) {
        if (m_data.m_arrEntries.empty() && !m_data.HasAbsences() && !m_data.HasReplacements()) {
            m_data.m_dtStartDate = m_dtChosenStart;
        } else if (answer == MessageAnswer::Cancel) {
            m_dtChosenStart = m_data.GetStartDate();
        } else {
            const int days = DaysToChosenStart();
            m_data.m_dtStartDate = m_dtChosenStart;
            if (answer == MessageAnswer::Yes)
                m_data.ShiftEntriesByDays(days);
            else
                m_data.RemoveEntriesOutsidePlan();
        }
    }
    m_data.Host().BroadcastUpdate(4);
}
