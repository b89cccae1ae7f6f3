#include "model/activity.h"

#include <algorithm>

#include "model/entity.h"
#include "model/time_values.h"

CActivity::CActivity(const CActivity& other)
    : m_strName(other.m_strName),
      m_strRemark(other.m_strRemark),
      m_strLocation(other.m_strLocation),
      m_strSupervisor(other.m_strSupervisor),
      m_nId(other.m_nId),
      m_nGroup(other.m_nGroup),
      m_nChimeSet(other.m_nChimeSet),
      m_crBackground(other.m_crBackground),
      m_crForeground(other.m_crForeground),
      m_nHatch(other.m_nHatch),
      m_nDispersion(other.m_nDispersion),
      m_strLevel(other.m_strLevel),
      m_nPosition(other.m_nPosition),
      m_arrMembers(other.m_arrMembers),
      m_arrRooms(other.m_arrRooms),
      m_arrPairs(other.m_arrPairs),
      m_tsDuration(other.m_tsDuration),
      m_tsMeeting(other.m_tsMeeting) {}

CActivity& CActivity::operator=(const CActivity& other) {
    if (this == &other) return *this;
    const int derived = m_nDerivedChimeSet;
    CActivity copy(other);
    *this = std::move(copy);
    m_nDerivedChimeSet = derived;
    return *this;
}

CString CActivity::GetDisplayName() const {
    if (m_strLevel.IsEmpty()) return m_strName;
    return m_strName + L" " + m_strLevel;
}

CString CActivity::FormatDuration() const {
    CString text;
    text.Format(L"%2d:%2d", static_cast<int>(WholeHours(m_tsDuration.m_span)),
                static_cast<int>(WholeMinutes(m_tsDuration.m_span) % 60));
    text.Replace(L' ', L'0');
    return text;
}

bool CActivity::HasEntity(const CEntity& entity) const {
    const std::vector<int>& list = entity.m_nType == 4 ? m_arrRooms : m_arrMembers;
    return std::find(list.begin(), list.end(), entity.m_nId) != list.end();
}
