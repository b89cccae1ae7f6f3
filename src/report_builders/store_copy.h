#pragma once
// A working copy of the document for the reports that must compute on the plan (the plan
// check, item lists, the placement analysis) without changing what the user edits.
class CScheduleData;

// Copies every record collection and every document setting of source into copy, which takes
// the same services. The copy's undo snapshot stays empty.
void CopyScheduleData(const CScheduleData& source, CScheduleData& copy);
