#include "frame/multiple_entity_edit.h"

#include "model/entity.h"
#include "model/time_values.h"

namespace {

bool IsRealInterval(__time64_t start, __time64_t end) { return CompareTime64Approx(end, start) == 1; }

bool IsDateAfter2000(const COleDateTime& date) {
    return date.GetStatus() == COleDateTime::valid && date.GetYear() > 2000;
}

}  // namespace

void MergeMultipleEdit(const CScheduleData& data, const CEntity& shown, const CEntity& templ,
                       const CMultipleEditOptions& options, CEntity& entity) {
    if (options.weekHours)
        for (int d = 0; d < kMaxPlanDays; ++d)
            if (IsRealInterval(entity.m_tDayStart[d], entity.m_tDayEnd[d]) &&
                IsRealInterval(templ.m_tDayStart[d], templ.m_tDayEnd[d])) {
                entity.m_tDayStart[d] = templ.m_tDayStart[d];
                entity.m_tDayEnd[d] = templ.m_tDayEnd[d];
            }
    if (entity.m_nType == 0) {
        if (IsDateAfter2000(templ.m_dtRegistration)) entity.m_dtRegistration = templ.m_dtRegistration;
        if (IsDateAfter2000(templ.m_dtCompletion)) entity.m_dtCompletion = templ.m_dtCompletion;
        if (!templ.m_strDepartment.IsEmpty()) entity.m_strDepartment = templ.m_strDepartment;
        if (templ.m_nChimeSet != 0) entity.m_nChimeSet = templ.m_nChimeSet;
    } else if (entity.m_nType == 1 || entity.m_nType == 2) {
        if (options.chosenType != 0) entity.m_nType = options.chosenType;
        if (!templ.m_strCompany.IsEmpty() && templ.m_strCompany != shown.m_strCompany)
            entity.m_strCompany = templ.m_strCompany;
        if (entity.HasNoActivity(data) && templ.m_bUnavailable && !shown.m_bUnavailable) entity.m_bUnavailable = 1;
        if (templ.m_nDays != shown.m_nDays) entity.m_nDays = templ.m_nDays;
        if (options.defaultColours) {
            entity.m_crBackground = RGB(255, 255, 255);
            entity.m_crForeground = RGB(0, 0, 0);
            entity.m_nHatch = 6;
        } else {
            if (templ.m_crBackground != RGB(255, 255, 255)) entity.m_crBackground = templ.m_crBackground;
            if (templ.m_crForeground != 0) entity.m_crForeground = templ.m_crForeground;
            if (templ.m_nHatch < 6 && templ.m_nHatch != shown.m_nHatch) entity.m_nHatch = templ.m_nHatch;
        }
    }
    if (templ.m_nAllowedWindows != shown.m_nAllowedWindows) entity.m_nAllowedWindows = templ.m_nAllowedWindows;
    if (templ.m_nAllowedDoors != shown.m_nAllowedDoors) entity.m_nAllowedDoors = templ.m_nAllowedDoors;
    // Rewards: a zero length in the template removes the reward of that name.
    for (const CFund& fund : templ.m_arrFunds) {
        const int minutes = WholeMinutes(static_cast<double>(fund.m_tsLength));
        bool found = false;
        for (auto it = entity.m_arrFunds.begin(); it != entity.m_arrFunds.end();) {
            if (it->m_strName.CompareNoCase(fund.m_strName) != 0) {
                ++it;
                continue;
            }
            found = true;
            if (minutes != 0) {
                it->m_tsLength = fund.m_tsLength;
                ++it;
            } else {
                it = entity.m_arrFunds.erase(it);
            }
        }
        if (!found && minutes > 0) entity.m_arrFunds.push_back(fund);
    }
}
