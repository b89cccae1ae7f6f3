#pragma once
// A group of activities that share colours and, for the solver, a work list and a length.
#include <vector>

#include "model/entity_item.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class CPlanIndex;
class CXmlDocument;
class CScheduleData;

class CActivityGroup {
public:
    // Entry states and participation
    // Whether some activity of the group has the entity.
    bool HasEntity(const CScheduleData& data, int entityId) const;
    // The members of the group's activities, each once, in order of first appearance.
    void GetMembers(const CScheduleData& data, std::vector<int>& ids) const;
    COleDateTimeSpan GetMaxMeetingLength(const CScheduleData& data) const;
    // The chime set all activities of the group share; 0 when two differ. An index of the store
    // (see CPlanIndex) finds the group's activities without a walk over all of them.
    int GetCommonChimeSetId(const CScheduleData& data, const CPlanIndex* index = nullptr) const;

    // Document file: adds a GROUP element after the main position.
    void WriteXml(CXmlDocument& doc) const;

    std::vector<CEntityItem> m_arrWork;  // derived before a solver run
    int m_nId = 0;
    CString m_strName;
    COLORREF m_crBackground = GetSysColor(COLOR_BTNSHADOW);
    COLORREF m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    int m_nHatch = 6;
    COleDateTimeSpan m_tsLength;  // derived with the work list

    // Group length before a solver run
    // The time the entity spends in the group's activities; see ComputeLength.
    COleDateTimeSpan GetEntityGroupTime(const CScheduleData& data, int entityId) const;
    // Rebuilds the work list (one item per entry of the group) and the length: the longest
    // time a limited member of the group spends in it.
    void ComputeLength(const CScheduleData& data);
};
