#pragma once
// One placement of an activity: a day and start time, a length and a state.
//
// Every entry carries a serial number that identifies it within the running program, so that
// work lists can name an entry while the timetable grows or is sorted. A new or copied entry gets
// a fresh serial; assigning to an entry keeps the target's serial (an edit applied to a stored
// entry leaves it the same entry); moving carries the serial along (sorting keeps identities).
#include <cstdint>
#include <vector>

#include "model/candidate_slot.h"
#include "model/replacement.h"
#include "model/room_pair.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;

class CTimetableEntry {
public:
    // Zero start and length, stored state 2.
    CTimetableEntry();
    // Placed at start (also the unmoved start) for the length.
    CTimetableEntry(const COleDateTime& start, const COleDateTimeSpan& length);
    // On plan day n of the document at the local hour and minute of start, as long as the whole
    // minutes from start to end.
    CTimetableEntry(const CScheduleData& data, int day, __time64_t start, __time64_t end);

    CTimetableEntry(const CTimetableEntry& other);
    CTimetableEntry& operator=(const CTimetableEntry& other);
    CTimetableEntry(CTimetableEntry&& other) noexcept;
    CTimetableEntry& operator=(CTimetableEntry&& other) noexcept;

    std::uint64_t GetSerial() const { return m_nSerial; }

    // Start plus length.
    COleDateTime GetEndTime() const;
    // 3, 6 and 7 set their flag only; any other value becomes the stored state and clears the
    // three flags.
    void SetState(int state);

    int m_nActivity = 0;
    COleDateTime m_dtStart;         // 1970-01-01 00:00 when not placed
    COleDateTime m_dtUnmovedStart;  // the start before the entry was moved
    COleDateTimeSpan m_tsLength;
    std::uint32_t m_dwWork = 0;     // scratch word of the item computations; not in the file
    CString m_strRemark;
    int m_nState = 2;               // stored state 0 to 9
    std::vector<CCandidateSlot> m_arrSlots;  // not in the file
    std::vector<CReplacement> m_arrReplacements;
    std::vector<int> m_arrRooms;    // rooms booked in addition to the activity's
    std::vector<CRoomPair> m_arrPairs;
    // Work values of the item computations; not in the file.
    int m_nWorkOrder = 0;
    double m_dWorkWeight = 0.0;
    int m_bState3 = 0;
    int m_bState6 = 0;
    int m_bLinked = 0;  // participants absent: stays in the timetable but does not take place

private:
    static std::uint64_t NextSerial();
    void CopyFieldsFrom(const CTimetableEntry& other);

    std::uint64_t m_nSerial;
};

// Key of the timetable collection: the entries' serial numbers.
struct EntrySerialKey {
    long long operator()(const CTimetableEntry& entry) const { return static_cast<long long>(entry.GetSerial()); }
};

// Sort order of entries for reports: the later unmoved start first (to the minute); entries
// starting in the same minute by the display names of their activities, ascending; in that
// minute, entries whose activity is missing come last, and so do unmoved starts that are not
// valid after all others. A strict order for the standard sort.
struct LessEntryByStartAndName {
    explicit LessEntryByStartAndName(const CScheduleData& data) : m_data(data) {}
    bool operator()(const CTimetableEntry& a, const CTimetableEntry& b) const;
    const CScheduleData& m_data;
};
