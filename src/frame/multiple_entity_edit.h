#pragma once
// What the entity dialog's multiple-edit mode changes in each selected entity: the values the
// template sets, by the rules of the entity's type.
class CEntity;
class CScheduleData;

struct CMultipleEditOptions {
    bool weekHours = false;       // the template's day windows replace real ones
    bool defaultColours = false;  // white, black and hatch 6 for staff
    int chosenType = 0;           // staff: the new type when not 0
};

void MergeMultipleEdit(const CScheduleData& data, const CEntity& templ, const CMultipleEditOptions& options, CEntity& entity);
