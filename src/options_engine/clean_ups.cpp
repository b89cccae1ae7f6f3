#include "options_engine/clean_ups.h"

#include <algorithm>

#include "model/schedule_data.h"

void RunCleanUp(CScheduleData& data, CleanUp kind) {
    const std::size_t entities = data.m_arrEntities.size();
    const std::size_t activities = data.m_arrActivities.size();
    data.SaveUndo();
    switch (kind) {
    case CleanUp::ActivitiesWithoutEntries: data.DeleteActivitiesWithoutEntries(); break;
    case CleanUp::EntitiesWithoutEntries: data.DeleteEntitiesWithoutEntries(); break;
    case CleanUp::EntitiesWithoutActivities: data.DeleteEntitiesWithoutActivities(); break;
    case CleanUp::ActivitiesWithoutMembers: data.DeleteActivitiesWithoutMembers(); break;
    }
    // A clean-up that found nothing to delete keeps the edit before it undoable.
    if (data.m_arrEntities.size() == entities && data.m_arrActivities.size() == activities) data.RestorePreviousUndo();
}

void ApplyPalette(CScheduleData& data, const CString& text, BOOL setBackground, COLORREF background,
                  BOOL setForeground, COLORREF foreground, BOOL setHatch, int hatch) {
    // A text that matches no activity changes nothing, so it takes no undo level.
    const bool matches = std::any_of(data.m_arrActivities.begin(), data.m_arrActivities.end(),
                                     [&](const CActivity& activity) { return activity.m_strName.Find(text) >= 0; });
    if (!matches) return;
    data.SaveUndo();
    data.SetActivityColoursByName(text, setBackground, background, setForeground, foreground, setHatch, hatch);
}
