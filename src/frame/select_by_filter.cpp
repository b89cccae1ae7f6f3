#include "frame/select_by_filter.h"

#include "model/entity.h"
#include "model/time_values.h"

namespace {

// The dialog leaves a date in the year 2000 (or the empty value) when the user sets none.
bool IsDateSet(const COleDateTime& date) {
    return date.GetStatus() == COleDateTime::valid && static_cast<double>(date) != 0.0 && date.GetYear() != 2000;
}

bool DatesMatch(const CSelectByFilter& filter, const CEntity& entity) {
    const bool first = IsDateSet(filter.m_dtRegistration), second = IsDateSet(filter.m_dtCompletion);
    if (!first && !second) return false;
    if (first && CompareTimesApprox(entity.m_dtRegistration, filter.m_dtRegistration) < 0) return false;
    if (second && CompareTimesApprox(entity.m_dtCompletion, filter.m_dtCompletion) > 0) return false;
    return true;
}

}  // namespace

bool MatchesSelectBy(const CSelectByFilter& filter, const CEntity& entity) {
    if (filter.m_nMode == 1) {
        if (!filter.m_strCompany.IsEmpty() && filter.m_strCompany == entity.m_strCompany) return true;
        if ((filter.m_nStaffType == 1 && entity.m_nType == 1) || (filter.m_nStaffType == 2 && entity.m_nType == 2)) return true;
        if ((filter.m_nAvailability == 1 && entity.m_bUnavailable) || (filter.m_nAvailability == 2 && !entity.m_bUnavailable))
            return true;
        return false;
    }
    if (filter.m_nMode == 0) {
        if (!filter.m_strDepartment.IsEmpty() && filter.m_strDepartment == entity.m_strDepartment) return true;
        if (!filter.m_strText.IsEmpty() && entity.m_strEducator.Find(filter.m_strText) >= 0) return true;
        return DatesMatch(filter, entity);
    }
    return false;
}
