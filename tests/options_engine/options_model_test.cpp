#include "options_engine/options_model.h"

#include "import_fixture.h"
#include "resource_ids.h"

namespace {

using Mark = COptionsModel::Mark;
using Row = COptionsModel::Row;

// A dated plan of five days from Monday 7 September 2026 with one entry per day at 08:00, or
// the fixture's week template; with absences when asked.
class OptionsModelTest : public ImportFixture {
public:
    void Build(bool dated, bool entries, bool absence = false) {
        m_data.SetServices({nullptr, nullptr, &m_answerer, nullptr});
        CEntity& staff = AddEntity(1, 1, L"Ada");
        AddActivity(10, L"Maths", {1});
        if (dated) m_data.m_dtStartDate = COleDateTime(2026, 9, 7, 0, 0, 0);
        if (absence) {
            CAbsence away;
            away.m_dtStart = m_data.m_dtStartDate + COleDateTimeSpan(1, 8, 0, 0);
            away.m_tsLength = COleDateTimeSpan(0, 2, 0, 0);
            staff.m_arrAbsences.push_back(away);
        }
        for (int d = 0; entries && d < 5; ++d) {
            CTimetableEntry entry(m_data.m_dtStartDate + COleDateTimeSpan(d, 8, 0, 0), COleDateTimeSpan(0, 1, 0, 0));
            entry.m_nActivity = 10;
            entry.m_dtUnmovedStart = entry.m_dtStart;
            m_data.m_arrEntries.push_back(entry);
        }
    }

    // What an apply may change: start, days, hour index, entry starts and absences.
    std::vector<double> State() const {
        std::vector<double> state = {m_data.m_dtStartDate.m_dt, double(m_data.m_nDays), double(m_data.m_nHourIndex)};
        for (const CTimetableEntry& entry : m_data.m_arrEntries) state.push_back(entry.m_dtStart.m_dt);
        for (const CEntity& entity : m_data.m_arrEntities) state.push_back(double(entity.m_arrAbsences.size()));
        return state;
    }

    CScriptedMessageAnswerer m_answerer;
};

TEST_F(OptionsModelTest, RefusedSettingsLeaveTheDocumentUnchanged) {
    struct Case {
        const char* name;
        bool dated, entries, absence;
        int planKind, days, shiftDays;
        std::vector<MessageAnswer> answers;
        std::vector<Mark> marks;
    };
    const Case cases[] = {
        {"no days", false, false, false, 0, 0, 0, {}, {{Row::Days, IDS_OPTIONS_MARK_DAYS_TOO_FEW}}},
        {"22 days", false, false, false, 0, 22, 0, {}, {{Row::Days, IDS_OPTIONS_MARK_DAYS_TOO_MANY}}},
        {"days with entries", false, true, false, 0, 6, 0, {}, {{Row::Days, IDS_OPTIONS_MARK_DAYS_WITH_ENTRIES}}},
        {"days with entries and too many", true, true, false, 1, 30, 0, {},
         {{Row::Days, IDS_OPTIONS_MARK_DAYS_WITH_ENTRIES}, {Row::Days, IDS_OPTIONS_MARK_DAYS_TOO_MANY}}},
        {"ten days later", true, false, false, 1, 5, 10, {}, {{Row::StartDate, IDS_OPTIONS_MARK_WHOLE_WEEKS}}},
        {"ten days later with entries", true, true, false, 1, 5, 10, {},
         {{Row::StartDate, IDS_OPTIONS_MARK_WHOLE_WEEKS}}},
        {"reference week", true, false, false, 1, 5,
         -static_cast<int>((COleDateTime(2026, 9, 7, 0, 0, 0) - COleDateTime(2000, 1, 3, 0, 0, 0)).GetDays()), {},
         {{Row::StartDate, IDS_OPTIONS_MARK_REFERENCE_WEEK}}},
        {"week template keeping absences", true, true, true, 0, 5, 0, {MessageAnswer::No},
         {{Row::PlanKind, IDS_OPTIONS_MARK_WEEK_TEMPLATE}}},
        {"week template asked with a day count refused", true, true, true, 0, 6, 0, {MessageAnswer::Yes},
         {{Row::Days, IDS_OPTIONS_MARK_DAYS_WITH_ENTRIES}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_data.m_arrEntities.clear();
        m_data.m_arrActivities.clear();
        m_data.m_arrEntries.clear();
        m_data.m_dtStartDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        Build(c.dated, c.entries, c.absence);
        m_answerer.m_script.assign(c.answers.begin(), c.answers.end());
        COptionsModel model(m_data);
        model.LoadFromDocument();
        model.m_nPlanKind = c.planKind;
        model.m_nDays = c.days;
        model.m_nHourIndex = 3;
        model.m_dtChosenStart = m_data.m_dtStartDate + COleDateTimeSpan(c.shiftDays, 0, 0, 0);
        const std::vector<double> before = State();
        std::vector<Mark> marks;
        EXPECT_FALSE(model.Apply(marks));
        EXPECT_EQ(marks, c.marks);
        EXPECT_EQ(State(), before);
    }
}

TEST_F(OptionsModelTest, AcceptedSettingsMoveRemoveOrResetWithOneUndo) {
    struct Case {
        const char* name;
        bool dated, absence;
        int planKind, shiftDays;
        MessageAnswer answer;
        COleDateTime start;
        std::size_t entries;
        double firstEntry;  // days after the old first entry
        bool undoable;      // records or settings changed: one Undo takes the whole apply back
    };
    const COleDateTime september(2026, 9, 7, 0, 0, 0);
    const COleDateTime reference(2000, 1, 3, 0, 0, 0);
    const Case cases[] = {
        {"moved with the start", true, false, 1, 14, MessageAnswer::Yes, september + COleDateTimeSpan(14, 0, 0, 0), 5, 14,
         true},
        {"outside the plan removed", true, false, 1, 14, MessageAnswer::No, september + COleDateTimeSpan(14, 0, 0, 0), 0, 0,
         true},
        {"start kept on cancel, the hour index changed", true, false, 1, 14, MessageAnswer::Cancel, september, 5, 0,
         true},
        {"start kept on cancel, nothing else changed", true, false, 1, 14, MessageAnswer::Cancel, september, 5, 0,
         false},
        {"week template moved to a Sunday start silently", false, false, 0, 0, MessageAnswer::Cancel,
         COleDateTime(2000, 1, 2, 0, 0, 0), 5, -1, true},
        {"week template resets a dated plan", true, true, 0, 0, MessageAnswer::Yes, reference, 5,
         (reference - september).GetTotalDays(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_data.m_arrEntities.clear();
        m_data.m_arrActivities.clear();
        m_data.m_arrEntries.clear();
        m_data.m_dtStartDate = reference;
        m_data.m_dtFirstWeekday = reference;
        m_data.DiscardUndo();
        Build(c.dated, true, c.absence);
        const std::vector<double> before = State();
        const double oldFirst = m_data.m_arrEntries.front().m_dtStart.m_dt;
        m_answerer.m_script.assign({c.answer});
        COptionsModel model(m_data);
        model.LoadFromDocument();
        model.m_nPlanKind = c.planKind;
        model.m_dtChosenStart = m_data.m_dtStartDate + COleDateTimeSpan(c.shiftDays, 0, 0, 0);
        if (c.undoable) model.m_nHourIndex = 2;
        if (!c.dated) model.m_dtFirstWeekday = COleDateTime(2000, 1, 2, 0, 0, 0);
        std::vector<Mark> marks;
        ASSERT_TRUE(model.Apply(marks));
        EXPECT_TRUE(IsSameDay(m_data.m_dtStartDate, c.start));
        ASSERT_EQ(m_data.m_arrEntries.size(), c.entries);
        if (c.entries > 0) {
            EXPECT_NEAR(m_data.m_arrEntries.front().m_dtStart.m_dt - oldFirst, c.firstEntry, 1e-6);
        }
        if (c.absence) {
            EXPECT_TRUE(m_data.m_arrEntities.front().m_arrAbsences.empty());
        }
        if (c.undoable) {
            EXPECT_EQ(m_data.m_nHourIndex, 2);
            ASSERT_TRUE(m_data.HasUndoSnapshot()) << "a change takes the snapshot";
            m_data.Undo(FALSE);
            EXPECT_EQ(m_data.m_arrEntries.size(), 5u);
            EXPECT_EQ(m_data.m_arrEntries.front().m_dtStart.m_dt, oldFirst);
            EXPECT_EQ(State(), before) << "the start date, days and hour index go back with the entries";
            EXPECT_EQ(m_data.m_dtFirstWeekday, reference);
        } else {
            EXPECT_FALSE(m_data.HasUndoSnapshot()) << "nothing changed: the previous undo level stays";
        }
    }
}

}  // namespace
