#pragma once
// Builds the small plans the dialog tests open their dialogs on: entities, activities and
// entries by id, in a plan that starts on Monday 4 March 2024.
#include <vector>

#include "model/schedule_data.h"

class CPlanBuilder {
public:
    explicit CPlanBuilder(CScheduleData& data) : m_data(data) {
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);  // weeks begin on Monday
    }
    CEntity& AddEntity(int id, int type, const wchar_t* name) {
        CEntity entity;
        entity.m_nId = id;
        entity.m_nType = type;
        entity.m_strName = name;
        m_data.m_arrEntities.push_back(entity);
        return *m_data.FindEntity(id);
    }
    CActivity& AddActivity(int id, const wchar_t* name, std::vector<int> members, std::vector<int> rooms = {}) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_strName = name;
        activity.m_arrMembers = std::move(members);
        activity.m_arrRooms = std::move(rooms);
        m_data.m_arrActivities.push_back(activity);
        return *m_data.FindActivity(id);
    }
    // An entry on plan day `day` at the hour for the minutes; the stored one.
    CTimetableEntry& AddEntry(int activity, int day, int hour, int minutes) {
        CTimetableEntry entry(COleDateTime(2024, 3, 4 + day, hour, 0, 0), COleDateTimeSpan(minutes / 1440.0));
        entry.m_nActivity = activity;
        entry.m_nState = 0;
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.back();
    }
    CChimeSet& AddChimeSet(int id, const wchar_t* name) {
        CChimeSet set;
        set.m_nId = id;
        set.m_strName = name;
        m_data.m_arrChimeSets.push_back(set);
        return *m_data.FindChimeSet(id);
    }

private:
    CScheduleData& m_data;
};
