#pragma once
// Settling the stored states of moved entries before the document is written.
class CScheduleData;

// Every timetable entry whose computed state is 4 (moved) gets the stored state 8 when its
// activity has a group, else 2; entries whose activity is missing are left alone.
void SettleMovedEntryStates(CScheduleData& data);
