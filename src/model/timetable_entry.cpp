#include "model/timetable_entry.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "model/schedule_data.h"
#include "model/time_values.h"

std::uint64_t CTimetableEntry::NextSerial() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

CTimetableEntry::CTimetableEntry() : m_nSerial(NextSerial()) {}

CTimetableEntry::CTimetableEntry(const COleDateTime& start, const COleDateTimeSpan& length)
    : m_dtStart(start), m_dtUnmovedStart(start), m_tsLength(length), m_nSerial(NextSerial()) {}

CTimetableEntry::CTimetableEntry(const CScheduleData& data, int day, __time64_t start, __time64_t end)
    : m_nSerial(NextSerial()) {
    const COleDateTime date = data.GetDayDate(day);
    m_dtStart = COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), GetLocalHour(start), GetLocalMinute(start), 0);
    m_dtUnmovedStart = m_dtStart;
    m_tsLength = COleDateTimeSpan(static_cast<double>((end - start) / 60) / 1440.0);
}

CTimetableEntry::CTimetableEntry(const CTimetableEntry& other) : m_nSerial(NextSerial()) { CopyFieldsFrom(other); }

CTimetableEntry& CTimetableEntry::operator=(const CTimetableEntry& other) {
    if (this != &other) CopyFieldsFrom(other);
    return *this;
}

CTimetableEntry::CTimetableEntry(CTimetableEntry&& other) noexcept
    : m_nActivity(other.m_nActivity),
      m_dtStart(other.m_dtStart),
      m_dtUnmovedStart(other.m_dtUnmovedStart),
      m_tsLength(other.m_tsLength),
      m_dwWork(other.m_dwWork),
      m_strRemark(std::move(other.m_strRemark)),
      m_nState(other.m_nState),
      m_arrSlots(std::move(other.m_arrSlots)),
      m_arrReplacements(std::move(other.m_arrReplacements)),
      m_arrRooms(std::move(other.m_arrRooms)),
      m_arrPairs(std::move(other.m_arrPairs)),
      m_nWorkOrder(other.m_nWorkOrder),
      m_dWorkWeight(other.m_dWorkWeight),
      m_bState3(other.m_bState3),
      m_bState6(other.m_bState6),
      m_bLinked(other.m_bLinked),
      m_nSerial(other.m_nSerial) {}

CTimetableEntry& CTimetableEntry::operator=(CTimetableEntry&& other) noexcept {
    if (this == &other) return *this;
    m_nActivity = other.m_nActivity;
    m_dtStart = other.m_dtStart;
    m_dtUnmovedStart = other.m_dtUnmovedStart;
    m_tsLength = other.m_tsLength;
    m_dwWork = other.m_dwWork;
    m_strRemark = std::move(other.m_strRemark);
    m_nState = other.m_nState;
    m_arrSlots = std::move(other.m_arrSlots);
    m_arrReplacements = std::move(other.m_arrReplacements);
    m_arrRooms = std::move(other.m_arrRooms);
    m_arrPairs = std::move(other.m_arrPairs);
    m_nWorkOrder = other.m_nWorkOrder;
    m_dWorkWeight = other.m_dWorkWeight;
    m_bState3 = other.m_bState3;
    m_bState6 = other.m_bState6;
    m_bLinked = other.m_bLinked;
    m_nSerial = other.m_nSerial;
    return *this;
}

void CTimetableEntry::CopyFieldsFrom(const CTimetableEntry& other) {
    m_nActivity = other.m_nActivity;
    m_dtStart = other.m_dtStart;
    m_dtUnmovedStart = other.m_dtUnmovedStart;
    m_tsLength = other.m_tsLength;
    m_dwWork = other.m_dwWork;
    m_strRemark = other.m_strRemark;
    m_nState = other.m_nState;
    m_arrSlots = other.m_arrSlots;
    m_arrReplacements = other.m_arrReplacements;
    m_arrRooms = other.m_arrRooms;
    m_arrPairs = other.m_arrPairs;
    m_nWorkOrder = other.m_nWorkOrder;
    m_dWorkWeight = other.m_dWorkWeight;
    m_bState3 = other.m_bState3;
    m_bState6 = other.m_bState6;
    m_bLinked = other.m_bLinked;
}

COleDateTime CTimetableEntry::GetEndTime() const { return m_dtStart + m_tsLength; }

void CTimetableEntry::SetState(int state) {
    switch (state) {
    case 3: m_bState3 = 1; break;
    case 6: m_bState6 = 1; break;
    case 7: m_bLinked = 1; break;
    default:
        m_nState = state;
        m_bState3 = m_bState6 = m_bLinked = 0;
        break;
    }
}

namespace {

// Whole minutes of a date on a straight number line, with the half-second bias; the lowest
// value for a date that is not valid.
long long MinuteKey(const COleDateTime& t) {
    if (t.GetStatus() != COleDateTime::valid) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::floor((COleDateTime::ToLinear(t.m_dt) + kHalfSecondBias) * 1440.0));
}

}  // namespace

bool LessEntryByStartAndName::operator()(const CTimetableEntry& a, const CTimetableEntry& b) const {
    const long long ka = MinuteKey(a.m_dtUnmovedStart);
    const long long kb = MinuteKey(b.m_dtUnmovedStart);
    if (ka != kb) return ka > kb;
    const auto activityA = m_data.FindActivity(a.m_nActivity);
    const auto activityB = m_data.FindActivity(b.m_nActivity);
    const bool hasA = activityA != m_data.m_arrActivities.end();
    const bool hasB = activityB != m_data.m_arrActivities.end();
    if (!hasA || !hasB) return hasA && !hasB;
    return activityA->GetDisplayName().Compare(activityB->GetDisplayName()) < 0;
}

std::vector<std::size_t> OrderEntriesByStartAndName(const CScheduleData& data,
                                                    const std::vector<CTimetableEntry>& entries) {
    struct Key {
        long long minute;
        const CString* name;  // null when the activity is missing
    };
    std::unordered_map<int, CString> names;  // activity id -> display name; the nodes stay put
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (const CTimetableEntry& entry : entries) {
        Key key{MinuteKey(entry.m_dtUnmovedStart), nullptr};
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity != data.m_arrActivities.end()) {
            const auto [name, added] = names.try_emplace(entry.m_nActivity);
            if (added) name->second = activity->GetDisplayName();
            key.name = &name->second;
        }
        keys.push_back(key);
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // The comparison of LessEntryByStartAndName, on the keys.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
        const Key& a = keys[i];
        const Key& b = keys[j];
        if (a.minute != b.minute) return a.minute > b.minute;
        if (!a.name || !b.name) return a.name && !b.name;
        return a.name->Compare(*b.name) < 0;
    });
    return order;
}
