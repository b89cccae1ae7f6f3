#include "options_engine/clean_ups.h"

#include "model/schedule_data.h"

void RunCleanUp(CScheduleData& data, CleanUp kind) {
    data.SaveUndo();
    switch (kind) {
    case CleanUp::ActivitiesWithoutEntries: data.DeleteActivitiesWithoutEntries(); break;
    case CleanUp::EntitiesWithoutEntries: data.DeleteEntitiesWithoutEntries(); break;
    case CleanUp::EntitiesWithoutActivities: data.DeleteEntitiesWithoutActivities(); break;
    case CleanUp::ActivitiesWithoutMembers: data.DeleteActivitiesWithoutMembers(); break;
    }
}

void ApplyPalette(CScheduleData& data, const CString& text, BOOL setBackground, COLORREF background,
                  BOOL setForeground, COLORREF foreground, BOOL setHatch, int hatch) {
    data.SaveUndo();
    data.SetActivityColoursByName(text, setBackground, background, setForeground, foreground, setHatch, hatch);
}
