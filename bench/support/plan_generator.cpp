#include "support/plan_generator.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

// Draws from a fixed generator with plain arithmetic, so every platform gives the same plan.
class CDraw {
public:
    explicit CDraw(std::uint32_t seed) : m_engine(seed) {}
    int Below(int n) { return n > 0 ? static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)) : 0; }
    bool Chance(double share) { return Below(1000000) < static_cast<int>(share * 1000000.0); }
    template <class T>
    void Shuffle(std::vector<T>& list) {
        for (int i = static_cast<int>(list.size()) - 1; i > 0; --i) std::swap(list[i], list[Below(i + 1)]);
    }

private:
    std::mt19937 m_engine;
};

__time64_t TimeOfDay(int hour, int minute) {
    const __time64_t t = MakeTimeOfDay(hour, minute);
    if (t == -1) throw std::invalid_argument("time of day cannot be made");
    return t;
}

CChimeSet MakeChimeSet(int id, const wchar_t* name, const std::vector<std::pair<int, int>>& lessons,
                       const std::vector<std::pair<int, const wchar_t*>>& breaks) {
    CChimeSet set;
    set.m_nId = id;
    set.m_strName = name;
    for (const auto& [hour, minute] : lessons) {
        CChimeInterval interval;
        interval.m_tStart = TimeOfDay(hour, minute);
        set.m_arrIntervals.push_back(interval);
    }
    for (const auto& [minutes, label] : breaks) {
        CChimeInterval interval;
        interval.m_tStart = TimeOfDay(minutes / 60, minutes % 60);
        interval.m_strBreak = label;
        set.m_arrIntervals.push_back(interval);
    }
    std::stable_sort(set.m_arrIntervals.begin(), set.m_arrIntervals.end(),
                     [](const CChimeInterval& a, const CChimeInterval& b) { return a.m_tStart < b.m_tStart; });
    return set;
}

CString Numbered(const wchar_t* stem, int n) {
    CString text;
    text.Format(L"%s %d", stem, n);
    return text;
}

// Positions, ascending and each once, of the entries that can share a participant with an entry
// of the activity: those of the activities listing one of its members and those naming one.
void GetEntriesNearActivity(const CScheduleData& data, const CPlanIndex& index, const CActivity& activity,
                            CPlanIndex::Positions& out) {
    out.clear();
    for (int id : activity.m_arrMembers) {
        for (std::size_t a : index.ActivitiesListingMember(id)) {
            const auto& entries = index.EntriesOfActivity(data.m_arrActivities[a].m_nId);
            out.insert(out.end(), entries.begin(), entries.end());
        }
        const auto& naming = index.EntriesNaming(id);
        out.insert(out.end(), naming.begin(), naming.end());
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

}  // namespace

PlanOptions SchoolPlanOptions() { return PlanOptions{}; }

PlanOptions LargePlanOptions() {
    PlanOptions options;
    options.entities = 1500;
    options.activities = 5000;
    options.entries = 20000;
    options.days = 6;
    return options;
}

void GeneratePlan(CScheduleData& data, const PlanOptions& options) {
    CDraw draw(options.seed);
    const int days = std::clamp(options.days, 1, kMaxPlanDays);
    constexpr int kFirstHour = 8;
    constexpr int kHours = 8;  // lessons 08:00 to 15:00

    data.m_arrEntities.clear();
    data.m_arrActivities.clear();
    data.m_arrChimeSets.clear();
    data.m_arrGroups.clear();
    data.m_arrEntries.clear();
    data.m_arrKeys.clear();
    data.m_arrProblems.clear();
    data.m_nDays = days;
    // The first weekday is a reference date in the first days of January 2000 (here a Monday);
    // a plan whose start date is that day is a week template, any other start makes it dated.
    data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);
    data.m_dtStartDate = options.dated ? COleDateTime(2024, 9, 2, 0, 0, 0) : data.m_dtFirstWeekday;
    data.m_tDayStart = TimeOfDay(7, 0);

    // Chime sets: an hourly one and one of 50-minute lessons with two breaks.
    data.m_arrChimeSets.push_back(MakeChimeSet(
        1, L"Hourly", {{7, 0}, {8, 0}, {9, 0}, {10, 0}, {11, 0}, {12, 0}, {13, 0}, {14, 0}, {15, 0}}, {}));
    data.m_arrChimeSets.push_back(MakeChimeSet(
        2, L"Short lessons", {{8, 0}, {8, 50}, {10, 0}, {10, 50}, {11, 40}, {13, 15}, {14, 5}, {14, 55}},
        {{9 * 60 + 40, L"Break"}, {12 * 60 + 30, L"Lunch"}}));
    data.m_nDefaultChimeSet = 1;
    data.m_nCurrentChimeSet = 1;

    // Entities by type: enough classes to hold every entry without double booking them.
    const int entities = std::max(options.entities, 6);
    const int classes = std::clamp((options.entries + days * kHours - 1) / (days * kHours), 1, entities * 3 / 10);
    const int rest = entities - classes;
    const int teachers = std::max(1, rest * 55 / 100);
    const int type2 = std::max(1, rest * 6 / 100);
    const int type3 = std::max(1, rest * 6 / 100);
    const int rooms = std::max(1, rest * 27 / 100);
    const int type5 = std::max(0, rest - teachers - type2 - type3 - rooms);
    const int counts[6] = {classes, teachers, type2, type3, rooms, type5};
    const wchar_t* const stems[6] = {L"Class", L"Teacher", L"Assistant", L"Helper", L"Room", L"Visitor"};
    int firstOfType[6] = {};
    int nextId = 1;
    data.m_arrEntities.reserve(static_cast<std::size_t>(entities));
    for (int type = 0; type < 6; ++type) {
        firstOfType[type] = nextId;
        for (int i = 0; i < counts[type]; ++i) {
            CEntity entity(data.m_tDayStart, days);
            entity.m_nId = nextId++;
            entity.m_nType = type;
            entity.m_strName = Numbered(stems[type], i + 1);
            entity.m_nOverlaps = type == 3 ? 2 : (type == 5 ? 0 : 1);
            if (type == 0) entity.m_nChimeSet = draw.Chance(0.1) ? 2 : 1;
            if (type == 1 && draw.Chance(0.1)) {
                CFund fund;
                fund.m_strName = L"Extra duties";
                fund.m_tsLength = COleDateTimeSpan(0, 2, 0, 0);
                entity.m_arrFunds.push_back(fund);
            }
            data.m_arrEntities.push_back(std::move(entity));
        }
    }
    auto pick = [&](int type) { return firstOfType[type] + draw.Below(counts[type]); };
    // Every class has a home room.
    for (int i = 0; i < classes; ++i) data.m_arrEntities[static_cast<std::size_t>(i)].m_nDefaultPlace = pick(4);

    // Activities: activity a belongs to class a mod classes; a teacher, now and then a second
    // member, mostly one room.
    const int activities = std::max(options.activities, classes);
    data.m_arrActivities.reserve(static_cast<std::size_t>(activities));
    for (int a = 0; a < activities; ++a) {
        CActivity activity;
        activity.m_nId = a + 1;
        activity.m_strName = Numbered(L"Subject", a / classes + 1);
        activity.m_strLevel = Numbered(L"C", a % classes + 1);
        activity.m_arrMembers.push_back(firstOfType[0] + a % classes);
        activity.m_arrMembers.push_back(pick(1));
        if (draw.Chance(0.1)) activity.m_arrMembers.push_back(pick(draw.Chance(0.5) ? 2 : 3));
        const int roomDraw = draw.Below(100);
        if (roomDraw < 70) {
            activity.m_arrRooms.push_back(pick(4));
        } else if (roomDraw < 73) {
            activity.m_strLocation = L"Sports ground";
        }
        if (draw.Chance(0.05)) activity.m_nPosition = 1 + draw.Below(4);
        activity.m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
        data.m_arrActivities.push_back(std::move(activity));
    }
    // Groups join an activity with the next one of the same class (the class split in two).
    int groups = 0;
    for (int a = 0; a + classes < activities; ++a) {
        CActivity& first = data.m_arrActivities[static_cast<std::size_t>(a)];
        CActivity& second = data.m_arrActivities[static_cast<std::size_t>(a + classes)];
        if (first.m_nGroup || second.m_nGroup || !draw.Chance(options.groupedShare / 2)) continue;
        CActivityGroup group;
        group.m_nId = ++groups;
        group.m_strName = Numbered(L"Split", groups);
        data.m_arrGroups.push_back(group);
        first.m_nGroup = second.m_nGroup = groups;
    }

    // Entries: entry i goes to class i mod classes, to its activities in turn, at the class's
    // next free hour in a shuffled week.
    std::vector<std::vector<int>> freeHours(static_cast<std::size_t>(classes));
    for (auto& hours : freeHours) {
        for (int h = 0; h < days * kHours; ++h) hours.push_back(h);
        draw.Shuffle(hours);
    }
    const int perClass = std::max(1, activities / classes);
    std::vector<int> placed(static_cast<std::size_t>(activities), 0);
    data.m_arrEntries.reserve(static_cast<std::size_t>(options.entries));
    for (int i = 0; i < options.entries; ++i) {
        const int c = i % classes;
        const int turn = i / classes;
        int a = c + (turn % perClass) * classes;
        if (a >= activities) a = c;
        auto& hours = freeHours[static_cast<std::size_t>(c)];
        const int slot = hours.empty() ? draw.Below(days * kHours) : hours.back();
        if (!hours.empty()) hours.pop_back();
        const COleDateTime start = data.GetDayDate(slot / kHours) + COleDateTimeSpan(0, kFirstHour + slot % kHours, 0, 0);
        CTimetableEntry entry(start, COleDateTimeSpan(0, 1, 0, 0));
        entry.m_nActivity = a + 1;
        entry.m_nState = draw.Below(3);
        const CActivity& activity = data.m_arrActivities[static_cast<std::size_t>(a)];
        if (draw.Chance(options.replacementShare)) {
            CReplacement replacement;
            replacement.m_nEntity = pick(1);
            replacement.m_bExtending = draw.Chance(0.2) ? 1 : 0;
            if (!replacement.m_bExtending) replacement.m_nReplacing = activity.m_arrMembers[1];
            entry.m_arrReplacements.push_back(replacement);
        }
        if (draw.Chance(options.linkedShare)) entry.SetState(7);
        ++placed[static_cast<std::size_t>(a)];
        data.m_arrEntries.push_back(std::move(entry));
    }
    for (int a = 0; a < activities; ++a) {
        const int hours = placed[static_cast<std::size_t>(a)] + (draw.Chance(options.incompleteShare) ? 1 : 0);
        data.m_arrActivities[static_cast<std::size_t>(a)].m_tsDuration = COleDateTimeSpan(0, hours, 0, 0);
    }

    // Absences: two hours on some day, now and then the whole day.
    for (auto& entity : data.m_arrEntities) {
        if (entity.m_nType == 4 || !draw.Chance(options.absenceShare)) continue;
        CAbsence absence;
        absence.m_nEntity = entity.m_nId;
        const int day = draw.Below(days);
        if (draw.Chance(0.2)) {
            absence.m_bWholeDay = 1;
            absence.m_dtStart = data.GetDayDate(day) + COleDateTimeSpan(0, 7, 0, 0);
            absence.m_tsLength = COleDateTimeSpan(0, 9, 0, 0);
        } else {
            absence.m_dtStart = data.GetDayDate(day) + COleDateTimeSpan(0, 10, 0, 0);
            absence.m_tsLength = COleDateTimeSpan(0, 2, 0, 0);
        }
        absence.m_strReason = L"Course";
        entity.m_arrAbsences.push_back(absence);
    }
}

void PrepareCandidateSlots(CScheduleData& data) {
    data.CreateUnplacedEntries();

    // A movable entry (neither fixed, cancelled nor linked, and without replacement records) gets
    // its candidate slots; every other entry keeps none and stays where it is.
    for (CTimetableEntry& entry : data.m_arrEntries) {
        const int state = entry.GetState(data);
        if (state != 0 && state != 5 && state != 7 && entry.m_arrReplacements.empty())
            entry.BuildCandidateSlots(data);
        else
            entry.m_arrSlots.clear();
    }

    const CPlanIndex index(data);
    CPlanIndex::Positions near;
    // Slots that run into an entry staying where it is are no candidates.
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (entry.m_arrSlots.empty()) continue;
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        GetEntriesNearActivity(data, index, *activity, near);
        for (std::size_t f : near) {
            const CTimetableEntry& fixed = data.m_arrEntries[f];
            if (fixed.m_arrSlots.empty() && EntriesShareParticipant(data, fixed, entry))
                entry.RemoveOverlappingCandidates(fixed.m_dtStart, fixed.GetEndTime());
        }
    }
    // Each slot scores the slots of the entries sharing a participant (itself included) it overlaps.
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (entry.m_arrSlots.empty()) continue;
        for (CCandidateSlot& slot : entry.m_arrSlots) slot.m_dScore = 0.0;
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        GetEntriesNearActivity(data, index, *activity, near);
        for (std::size_t f : near) {
            const CTimetableEntry& other = data.m_arrEntries[f];
            if (!other.m_arrSlots.empty() && EntriesShareParticipant(data, other, entry))
                entry.ScoreCandidateOverlaps(other.m_arrSlots, other.m_tsLength);
        }
    }
}
