#include <utility>

#include "model/plan_check.h"
#include "model/schedule_data.h"

void CScheduleData::SwapSnapshotWithPrior() {
    m_arrEntriesCopy.swap(m_priorUndo.m_arrEntries);
    m_arrActivitiesCopy.swap(m_priorUndo.m_arrActivities);
    m_arrGroupsCopy.swap(m_priorUndo.m_arrGroups);
    m_arrEntitiesCopy.swap(m_priorUndo.m_arrEntities);
    std::swap(m_arrKeysCopy, m_priorUndo.m_arrKeys);
    m_arrChimeSetsCopy.swap(m_priorUndo.m_arrChimeSets);
    std::swap(m_nCurrentEntityCopy, m_priorUndo.m_nCurrentEntity);
    std::swap(m_dtStartDateCopy, m_priorUndo.m_dtStartDate);
    std::swap(m_dtFirstWeekdayCopy, m_priorUndo.m_dtFirstWeekday);
    std::swap(m_nDaysCopy, m_priorUndo.m_nDays);
    std::swap(m_nHourIndexCopy, m_priorUndo.m_nHourIndex);
    std::swap(m_nTitleFormatCopy, m_priorUndo.m_nTitleFormat);
}

void CScheduleData::SaveUndo() {
    // The level being replaced moves aside whole (no copy), in case this action is refused.
    SwapSnapshotWithPrior();
    m_priorUndo.m_bHeld = m_bHasUndo;
    m_arrEntriesCopy = m_arrEntries;
    m_arrActivitiesCopy = m_arrActivities;
    m_arrGroupsCopy = m_arrGroups;
    m_arrEntitiesCopy = m_arrEntities;
    m_arrKeysCopy = m_arrKeys;
    m_arrChimeSetsCopy = m_arrChimeSets;
    m_nCurrentEntityCopy = m_nCurrentEntity;
    m_dtStartDateCopy = m_dtStartDate;
    m_dtFirstWeekdayCopy = m_dtFirstWeekday;
    m_nDaysCopy = m_nDays;
    m_nHourIndexCopy = m_nHourIndex;
    m_nTitleFormatCopy = m_nTitleFormat;
    m_bHasUndo = true;
}

void CScheduleData::DiscardUndo() {
    m_arrEntriesCopy.clear();
    m_arrActivitiesCopy.clear();
    m_arrGroupsCopy.clear();
    m_arrEntitiesCopy.clear();
    m_arrKeysCopy.clear();
    m_arrChimeSetsCopy.clear();
    m_bHasUndo = false;
    m_priorUndo = CPriorUndo();
}

bool CScheduleData::CanUndo() const {
    return m_bHasUndo && (!m_arrEntriesCopy.empty() || !m_arrActivitiesCopy.empty() || !m_arrEntitiesCopy.empty());
}

void CScheduleData::Undo(BOOL refresh) {
    // Without a snapshot there is nothing to go back to; swapping would empty the document.
    if (!m_bHasUndo) return;

    // Whole collections change places, so the document is never left half swapped and the
    // snapshot becomes the redo of this undo.
    m_arrEntries.swap(m_arrEntriesCopy);
    m_arrActivities.swap(m_arrActivitiesCopy);
    m_arrGroups.swap(m_arrGroupsCopy);
    m_arrEntities.swap(m_arrEntitiesCopy);
    std::swap(m_arrKeys, m_arrKeysCopy);
    m_arrChimeSets.swap(m_arrChimeSetsCopy);
    std::swap(m_dtStartDate, m_dtStartDateCopy);
    std::swap(m_dtFirstWeekday, m_dtFirstWeekdayCopy);
    std::swap(m_nDays, m_nDaysCopy);
    std::swap(m_nHourIndex, m_nHourIndexCopy);
    std::swap(m_nTitleFormat, m_nTitleFormatCopy);
    RebuildEntityItems(1);

    const int previous = m_nCurrentEntity;
    std::swap(m_nCurrentEntity, m_nCurrentEntityCopy);
    m_nCurrentChimeSet = GetEntityChimeSetId(m_nCurrentEntity);

    if (refresh) {
        RecheckAndRefresh(*this, TRUE);
        Host().RefreshPages(PageRefresh::AfterUndo);
    }
    else if (m_nCurrentEntity != previous)
        NotifyAllViews(2);
}

void CScheduleData::RestorePreviousUndo() {
    SwapSnapshotWithPrior();
    m_bHasUndo = m_priorUndo.m_bHeld;
    m_priorUndo = CPriorUndo();
}

void CScheduleData::RollBackEdit() {
    PublishProblems();
    Undo(FALSE);
    RestorePreviousUndo();
}
