#include "dialogs/small_record_rows.h"

#include "model/absence.h"
#include "model/activity_group.h"
#include "resource_ids.h"

UINT WriteAbsenceRows(const CAbsenceRowValues& rows, CAbsence& absence) {
    absence.m_strCategory = rows.category;
    absence.m_strCategory.Trim(L' ');
    absence.m_strReason = rows.reason;
    absence.m_strRemark = rows.remark;
    absence.m_strFund = rows.fund;
    absence.m_strFund.Trim(L' ');
    absence.m_bApproved = rows.approved == 1 ? 1 : 0;
    absence.m_bPaid = rows.paid == 1 ? 1 : 0;
    return absence.m_strCategory.IsEmpty() ? IDS_DLG_ABSENCE_NO_CATEGORY : 0;
}

UINT WriteGroupRows(const CGroupRowValues& rows, CActivityGroup& group) {
    group.m_strName = rows.name;
    group.m_crBackground = rows.background;
    group.m_crForeground = rows.foreground;
    group.m_nHatch = rows.hatch;
    return group.m_strName.IsEmpty() ? IDS_DLG_GROUP_NO_NAME : 0;
}
