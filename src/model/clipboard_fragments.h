#pragma once
// Records on the clipboard: small XML texts (Unicode text) that carry entity cards, chime
// sets, activities or timetable items between documents and between running copies of the
// program. Records inside a fragment are written and read with the document file's element
// formats.
//
// A paste takes the clipboard text with the same guards as a document file: a text that is not
// well-formed, has no DOCUMENT, lacks what its kind of fragment needs or holds a value that
// cannot be read is refused with a message and creates no records.
#include <cstdint>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/win_types.h"

class CEntity;
class CScheduleData;
class CTimetableEntry;
class IClipboard;

// Puts the text on the clipboard; does nothing when the clipboard cannot take it.
void SetClipboardText(IClipboard& clipboard, const CString& text);
// 1 when the clipboard could be read (a clipboard without text gives an empty text), else 0.
BOOL GetClipboardText(IClipboard& clipboard, CString& text);

// Reads exactly count whole decimal numbers separated by blanks, after every separator character
// is turned into a blank; false when the text holds anything else.
bool ReadFragmentNumbers(CString text, const wchar_t* separators, int count, int* values);

// Fragments written by Copy.
// Entity cards of the contacts page, with the plan's start date as PERIOD.
CString BuildContactsEntityFragment(const CScheduleData& data, const std::vector<int>& entityIds);
// Chime sets of the contacts page, with PERIOD.
CString BuildContactsChimeSetFragment(const CScheduleData& data, const std::vector<int>& chimeSetIds);
// Activities of the tasks page.
CString BuildTasksActivityFragment(const CScheduleData& data, const std::vector<int>& activityIds);
// Entities of the tasks page.
CString BuildTasksEntityFragment(const CScheduleData& data, const std::vector<int>& entityIds);

// One timetable item as a timetable fragment carries it.
struct TimetableFragmentItem {
    CString m_strActivity;  // the activity's name
    CString m_strLevel;     // written, not read
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
};
// Timetable items of the timetable page: one per entry whose activity exists.
CString BuildTimetableFragment(const CScheduleData& data, const std::vector<const CTimetableEntry*>& entries);

// How a paste ended.
enum class PasteOutcome {
    Refused,    // the clipboard holds no fragment of this kind; the user was told
    Cancelled,  // the user stopped it, or there was nowhere to paste; earlier records stay
    Done,
};

// Paste on the contacts page: entity cards are added (CEntity::AddPasted), chime sets merged
// (CScheduleData::MergeChimeSet).
PasteOutcome PasteContactsFragment(CScheduleData& data);
// Paste on the tasks page: activities are pasted for the current entity
// (CScheduleData::PasteActivity); the entity keys are handed back for the page to match.
PasteOutcome PasteTasksFragment(CScheduleData& data, std::vector<CEntity>& entityKeys);
// Paste on the timetable page: the items of the fragment, for the page to place. Items whose
// start or length cannot be read are left out.
PasteOutcome ReadTimetableFragment(CScheduleData& data, std::vector<TimetableFragmentItem>& items);
