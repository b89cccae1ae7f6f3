#pragma once
// What the entity dialog's multiple-edit mode changes in each selected entity: the values the
// template sets, by the rules of the entity's type. The dialog's rows start from the first
// selected entity (shown), so a row whose value the user left as shown writes nothing.
class CEntity;
class CScheduleData;

struct CMultipleEditOptions {
    bool weekHours = false;       // the template's day windows replace real ones
    bool defaultColours = false;  // white, black and hatch 6 for staff
    int chosenType = 0;           // staff: the new type when not 0
};

void MergeMultipleEdit(const CScheduleData& data, const CEntity& shown, const CEntity& templ,
                       const CMultipleEditOptions& options, CEntity& entity);
