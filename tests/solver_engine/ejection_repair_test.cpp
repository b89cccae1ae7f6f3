// Completing a partial placement by ejection: an entry left out takes its place by putting out
// what stands in its way, and every placement it returns keeps the model's rules.
#include <gtest/gtest.h>

#include <random>

#include "solver_engine/ejection_repair.h"
#include "solver_engine/placement_model.h"
#include "solver_fixture.h"

namespace {

class EjectionRepairTest : public SolverFixture {
protected:
    // An open entry that may start at the given hours of the first day.
    CTimetableEntry& OpenEntry(int activity, std::vector<int> hours) {
        CTimetableEntry& entry = AddOpenEntry(activity);
        for (int h : hours) entry.m_arrSlots.push_back({At(0, h), 0.0});
        return entry;
    }
    int OptionAt(const CPlacementModel& model, int v, int hour) const {
        for (std::size_t o = 0; o < model.GetVariable(v).m_arrOptions.size(); ++o)
            if (CompareTimesApprox(model.GetVariable(v).m_arrOptions[o].m_dtStart, At(0, hour)) == 0)
                return static_cast<int>(o);
        return -1;
    }
    // Places the options one by one, each of which must fit, and takes them back.
    static void ExpectFitsTogether(CPlacementModel& model, const std::vector<int>& options) {
        for (int v = 0; v < model.VariableCount(); ++v) {
            ASSERT_GE(options[static_cast<std::size_t>(v)], 0) << "variable " << v;
            EXPECT_TRUE(model.Fits(v, options[static_cast<std::size_t>(v)])) << "variable " << v;
            model.Place(v, options[static_cast<std::size_t>(v)]);
        }
        for (int v = 0; v < model.VariableCount(); ++v) model.Unplace(v, options[static_cast<std::size_t>(v)]);
    }
};

}  // namespace

// A teacher's two lessons: the one left out can start only at 07:00, where the other stands, which
// moves to 08:00. With a link, the linked lesson that gives way moves with its partner to a
// start the link does not have yet, as the link has all the starts it may have.
TEST_F(EjectionRepairTest, ALessonLeftOutPushesOthersToTheirOtherHours) {
    for (bool linked : {false, true}) {
        SCOPED_TRACE(linked);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = At(0, 0);
        m_data.m_nDays = 1;
        for (int id : {1, 2}) AddEntity(id, 0);
        for (int id : {101, 102}) AddEntity(id, 1);
        AddActivity(10, {1, 101}, 1, linked ? 7 : 0);
        AddActivity(11, {2, 102}, 1, linked ? 7 : 0);
        AddActivity(12, {102}, 1);
        OpenEntry(10, {7, 8});
        OpenEntry(11, {7, 8});
        OpenEntry(12, {7});
        CPlacementModel model(m_data);
        ASSERT_EQ(model.VariableCount(), 3);
        std::mt19937 random(1);
        const std::vector<int> start = {OptionAt(model, 0, 7), OptionAt(model, 1, 7), -1};
        const auto result = RepairByEjection(model, start, 1000, random, [] { return true; });
        ExpectFitsTogether(model, result);
        EXPECT_EQ(result[2], OptionAt(model, 2, 7));
        EXPECT_EQ(result[1], OptionAt(model, 1, 8));
        if (linked) EXPECT_EQ(result[0], OptionAt(model, 0, 8));
    }
}

// A class's two lessons of one subject in rooms of their own: the one left out has its room busy
// at 08:00 and finds its sister at 07:00. When the sister's room is free at 08:00 she moves there
// and one step places both; when it is not, the step changes nothing and loses nothing.
TEST_F(EjectionRepairTest, ALessonOfTheSameActivityMakesWayWhenItsRoomIsFreeElsewhere) {
    for (bool sisterCanMove : {true, false}) {
        SCOPED_TRACE(sisterCanMove);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = At(0, 0);
        m_data.m_nDays = 1;
        AddEntity(1, 0);
        for (int id : {101, 102, 103}) AddEntity(id, 1);
        for (int id : {201, 202}) AddEntity(id, 4);
        AddActivity(10, {1, 101}, 2);
        AddActivity(20, {102}, 1);
        AddActivity(21, {103}, 1);
        OpenEntry(10, {7, 8}).m_arrRooms = {201};
        OpenEntry(10, {7, 8}).m_arrRooms = {202};
        AddEntry(20, 0, 8).m_arrRooms = {202};
        if (!sisterCanMove) AddEntry(21, 0, 8).m_arrRooms = {201};
        CPlacementModel model(m_data);
        ASSERT_EQ(model.VariableCount(), 2);
        std::mt19937 random(1);
        const auto result = RepairByEjection(model, {OptionAt(model, 0, 7), -1}, 1, random, [] { return true; });
        if (sisterCanMove) {
            EXPECT_EQ(result, (std::vector<int>{OptionAt(model, 0, 8), OptionAt(model, 1, 7)}));
            ExpectFitsTogether(model, result);
        } else {
            EXPECT_EQ(result, (std::vector<int>{OptionAt(model, 0, 7), -1}));
        }
        // The model holds nothing placed afterwards.
        for (int v = 0; v < model.VariableCount(); ++v)
            EXPECT_TRUE(model.Fits(v, OptionAt(model, v, 7))) << "variable " << v;
    }
}
