// The report events of a plan: what the collection finds, how the days and the report filter
// choose among them, their texts and the orders the wizard sorts them in.
#include <gtest/gtest.h>

#include "model/lesson_hours.h"
#include "platform/core/load_res_string.h"
#include "report_builders/report_event_collection.h"
#include "report_builders/report_event_filter.h"
#include "report_builders/report_event_orders.h"
#include "report_event_fixture.h"
#include "resource_ids.h"

namespace {

using ReportEvents = ReportEventFixture;

struct ExpectedEvent {
    int kind;
    int entityId;
    int secondEntityId;
    int day;
    const wchar_t* textStart;
};

TEST_F(ReportEvents, CollectionFindsEveryKindInStoreOrder) {
    const ExpectedEvent expected[] = {
        {1, kBaker, kAmes, 0, L"Maths"}, {1, kCole, 0, 0, L"Maths"},     {5, 0, 0, 0, L"Maths"},
        {4, 0, 0, 1, L"Art"},           {6, 0, 0, 2, L"Art"},           {2, kCole, kAmes, 1, L"Meeting"},
        {3, kAmes, 0, 1, nullptr},       {3, kBaker, 0, 2, nullptr},
    };
    const std::vector<CReportEvent> events = Collect();
    ASSERT_EQ(events.size(), std::size(expected));
    for (std::size_t k = 0; k < events.size(); ++k) {
        const CReportEvent& event = events[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(event.kind, expected[k].kind);
        EXPECT_EQ(event.entityId, expected[k].entityId);
        EXPECT_EQ(event.secondEntityId, expected[k].secondEntityId);
        EXPECT_EQ(m_data.GetDayIndex(event.start), expected[k].day);
        EXPECT_EQ(event.dayTitle, m_data.FormatDayTitle(expected[k].day));
        if (expected[k].textStart) { EXPECT_EQ(event.text.Left(static_cast<int>(wcslen(expected[k].textStart))), expected[k].textStart); }
    }
    EXPECT_EQ(events[0].participants, std::vector<int>{kClassA}) << "the classes of the entry";
    EXPECT_EQ(events[0].fund, L"City");
    EXPECT_EQ(events[0].paid, 1);
    EXPECT_EQ(events[0].remark, L"sick cover");
    EXPECT_EQ(events[2].originalStart, At(0, 10, 0));
    EXPECT_EQ(events[6].text, LoadResString(IDS_EVENT_WHOLE_DAY)) << "the whole-day text comes from the language pack";
    EXPECT_EQ(events[6].allDay, 1);
    EXPECT_FALSE(events[7].text.IsEmpty());
    EXPECT_NE(events[7].text, LoadResString(IDS_EVENT_WHOLE_DAY)) << "a timed absence shows the span of its hours";
    EXPECT_EQ(events[7].remark, L"course");
}

TEST_F(ReportEvents, AStandInByAnEntityThatIsNotBusyElsewhereStaysKindOne) {
    // The duty no longer overlaps the meeting: the extending stand-in is an ordinary one.
    m_data.m_arrEntries[4].m_dtStart = At(1, 12, 0);
    EXPECT_EQ(OfKind(Collect(), 2).size(), 0u);
    EXPECT_EQ(OfKind(Collect(), 1).size(), 3u);
}

struct FilterCase {
    const char* name;
    std::vector<int> days;  // flagged plan days
    int filterOn;
    int allEntities, allCategories, allFunds;
    std::vector<int> entityIds;
    std::vector<const wchar_t*> categories, funds;
    std::vector<int> kinds;  // the kinds that stay, in order
};

TEST_F(ReportEvents, DaysAndFilterChooseTheEvents) {
    const FilterCase cases[] = {
        {"monday only", {0}, 0, 1, 1, 1, {}, {}, {}, {1, 1, 5}},
        {"no day", {}, 0, 1, 1, 1, {}, {}, {}, {}},
        {"filter off whatever the lists", {0, 1, 2, 3, 4}, 0, 0, 0, 0, {}, {}, {}, {1, 1, 5, 4, 6, 2, 3, 3}},
        {"everything checked keeps everything", {0, 1, 2, 3, 4}, 1, 1, 1, 1, {}, {}, {}, {1, 1, 5, 4, 6, 2, 3, 3}},
        // Entries by their classes; absences by their entity; an entry without classes goes.
        {"class 7a", {0, 1, 2, 3, 4}, 1, 0, 1, 1, {kClassA}, {}, {}, {1, 1, 5}},
        {"class 7a and Baker", {0, 1, 2, 3, 4}, 1, 0, 1, 1, {kClassA, kBaker}, {}, {}, {1, 1, 5, 3}},
        // A stand-in or absence without a fund fails a partial fund list.
        {"fund City", {0, 1, 2, 3, 4}, 1, 1, 1, 0, {}, {}, {L"City"}, {1, 5, 4, 6}},
        {"every fund listed", {0, 1, 2, 3, 4}, 1, 1, 1, 0, {}, {}, {L"City", L"State"}, {1, 5, 4, 6, 3}},
        {"category Training", {0, 1, 2, 3, 4}, 1, 1, 0, 1, {}, {L"Training"}, {}, {1, 1, 5, 4, 6, 2, 3}},
    };
    for (const FilterCase& c : cases) {
        std::vector<int> flags(kMaxPlanDays, 0);
        for (int day : c.days) flags[static_cast<std::size_t>(day)] = 1;
        CReportFilter filter;
        filter.filterOn = c.filterOn;
        filter.allEntities = c.allEntities;
        filter.allCategories = c.allCategories;
        filter.allFunds = c.allFunds;
        filter.entityIds = c.entityIds;
        for (const wchar_t* text : c.categories) filter.categories.push_back(text);
        for (const wchar_t* text : c.funds) filter.funds.push_back(text);
        std::vector<CReportEvent> events = Collect();
        FilterReportEvents(m_data, flags, filter, events);
        std::vector<int> kinds;
        for (const CReportEvent& event : events) kinds.push_back(event.kind);
        EXPECT_EQ(kinds, c.kinds) << c.name;
    }
}

TEST_F(ReportEvents, EventsOutsideThePlanDaysAreDropped) {
    AddAbsence(kCole, 6, 9, 0, 60, false);  // after the five plan days
    std::vector<CReportEvent> events = Collect();
    ASSERT_EQ(OfKind(events, 3).size(), 3u);
    FilterReportEvents(m_data, std::vector<int>(kMaxPlanDays, 1), CReportFilter(), events);
    EXPECT_EQ(OfKind(events, 3).size(), 2u);
}

struct TextCase {
    const char* name;
    int kind;
    int entityId, secondEntityId;
    const wchar_t* remark;
    UINT kindName;   // 0: empty
    const wchar_t* summary;
    const wchar_t* feedTitle;
    const wchar_t* description;
};

TEST_F(ReportEvents, SummariesAndDescriptionsByKind) {
    const TextCase cases[] = {
        {"stand-in for somebody", 1, kBaker, kAmes, L"", IDS_EVENT_KIND_REPLACEMENT, L"Maths", L"Substitution: Maths",
         L"Baker stands in for Ames in Maths on Monday."},
        {"stand-in without REPLACING", 1, kBaker, 0, L"", IDS_EVENT_KIND_REPLACEMENT, L"Maths",
         L"Substitution: Maths", L"Baker stands in at Maths on Monday."},
        {"busy stand-in", 2, kCole, kAmes, L"", IDS_EVENT_KIND_EXTENDING, L"Cole for Ames",
         L"Substitution while busy: Cole for Ames", L"Cole stands in for Ames in Maths on Monday, while also busy elsewhere."},
        {"busy stand-in for nobody", 2, kCole, 99, L"late", IDS_EVENT_KIND_EXTENDING, L"", L"", L" Remark: late"},
        {"absence of a class", 3, kClassA, 0, L"trip", IDS_EVENT_KIND_ABSENCE, L"7a", L"Absence: 7a", L" Remark: trip"},
        {"absence of a teacher", 3, kAmes, 0, L"", IDS_EVENT_KIND_ABSENCE, L"Ames", L"Absence: Ames",
         L"Teacher Ames is absent on Monday, Maths."},
        {"absence of other staff", 3, kCole, 0, L"", IDS_EVENT_KIND_ABSENCE, L"Cole", L"Absence: Cole",
         L"Cole is absent on Monday, Maths."},
        {"linked", 4, 0, 0, L"x", IDS_EVENT_KIND_LINKED, L"Maths", L"Cancelled: Maths",
         L"Maths does not take place on Monday. Remark: x"},
        {"unknown kind", 9, kAmes, 0, L"odd", 0, L"", L"", L" Remark: odd"},
    };
    for (const TextCase& c : cases) {
        CReportEvent event;
        event.kind = c.kind;
        event.entityId = c.entityId;
        event.secondEntityId = c.secondEntityId;
        event.remark = c.remark;
        event.text = L"Maths";
        event.dayTitle = L"Monday";
        event.start = At(0, 8, 0);
        event.length = Minutes(60);
        EXPECT_EQ(event.GetKindName(), c.kindName ? LoadResString(c.kindName) : CString()) << c.name;
        EXPECT_EQ(event.FormatSummary(m_data, false), c.summary) << c.name;
        EXPECT_EQ(event.FormatSummary(m_data, true), c.feedTitle) << c.name;
        EXPECT_EQ(event.FormatDescription(m_data).str(), std::wstring(c.description)) << c.name;
    }
}

TEST_F(ReportEvents, AStartWithoutATimeOfDayHasNoSlotAndRaisesNothing) {
    CReportEvent event;
    event.start.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(event.GetStartTimeOfDay(), CReportEvent::kNoTime);
    EXPECT_EQ(event.GetEndTimeOfDay(), CReportEvent::kNoTime);
    EXPECT_EQ(event.GetStartHourSlot(m_data), -1);
    event.start = At(0, 8, 30);
    EXPECT_EQ(event.GetStartTimeOfDay(), Clock(8, 30));
    EXPECT_EQ(event.GetStartHourSlot(m_data), GetHourSlot(m_data, Clock(8, 30)));
}

TEST_F(ReportEvents, DayOrderPutsKindsThenWholeDaysThenSlots) {
    auto make = [this](int kind, int day, int hour, int allDay, int entity, const wchar_t* category) {
        CReportEvent event;
        event.kind = kind;
        event.start = At(day, hour, 0);
        event.allDay = allDay;
        event.entityId = entity;
        event.category = category;
        return event;
    };
    std::vector<CReportEvent> events = {
        make(3, 1, 9, 0, 1, L"B"), make(3, 1, 9, 0, 2, L"A"), make(3, 1, 1, 1, 3, L""), make(2, 1, 11, 0, 4, L""),
        make(1, 1, 8, 0, 5, L""),  make(5, 0, 12, 0, 6, L""), make(3, 1, 8, 0, 7, L""),
    };
    std::vector<CReportEvent> byDay = events;
    SortEventsByDay(m_data, byDay);
    std::vector<int> order;
    for (const CReportEvent& event : byDay) order.push_back(event.entityId);
    EXPECT_EQ(order, (std::vector<int>{6, 5, 4, 3, 7, 2, 1}));

    std::vector<CReportEvent> forFeed = events;
    SortEventsForFeed(forFeed);
    order.clear();
    for (const CReportEvent& event : forFeed) order.push_back(event.entityId);
    EXPECT_EQ(order, (std::vector<int>{6, 4, 5, 3, 7, 2, 1})) << "within a day: kind, then category, then entity";

    std::vector<CReportEvent> byEntity = {make(1, 2, 8, 0, 2, L""), make(1, 0, 8, 0, 2, L""), make(1, 1, 8, 0, 1, L"")};
    SortEventsByEntity(byEntity);
    EXPECT_EQ(byEntity[0].entityId, 1);
    EXPECT_EQ(byEntity[1].start, At(0, 8, 0));
}

}  // namespace
