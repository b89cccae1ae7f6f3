// Which chime set is the default and the current one.
#include "model/schedule_data.h"

int CScheduleData::GetDefaultChimeSetId() const {
    if (m_arrChimeSets.size() == 1) return m_arrChimeSets.front().m_nId;
    return m_nDefaultChimeSet;
}

int CScheduleData::GetCurrentChimeSetId() const {
    if (m_arrChimeSets.size() == 1) return m_arrChimeSets.front().m_nId;
    return m_nCurrentChimeSet;
}

void CScheduleData::RenumberSoleChimeSet() {
    if (m_arrChimeSets.size() != 1) return;
    const int old = m_arrChimeSets.front().m_nId;
    if (old == 1) return;
    m_arrChimeSets.front().m_nId = 1;
    m_arrChimeSets.InvalidateIndex();
    const auto move = [old](int& id) {
        if (id == old) id = 1;
    };
    for (CEntity& entity : m_arrEntities) move(entity.m_nChimeSet);
    for (CActivity& activity : m_arrActivities) {
        move(activity.m_nChimeSet);
        move(activity.m_nDerivedChimeSet);
    }
    move(m_nDefaultChimeSet);
    move(m_nCurrentChimeSet);
}
