// Data imports from files: a staff list of 2,000 lines, a timetable of 5,040 lines (105 staff
// members with 45 lessons each) and the activities of the large plan imported again into a copy
// of it, read from UTF-8 files. Items are lines.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "model/schedule_data.h"
#include "options_engine/activity_import.h"
#include "support/plan_generator.h"
#include "model/time_values.h"
#include "platform/core/colors.h"
#include "options_engine/entity_import.h"
#include "options_engine/import_options.h"
#include "options_engine/import_text_source.h"
#include "options_engine/timetable_import.h"
#include "platform/core/language_pack.h"
#include "platform/core/string_source.h"

namespace {

constexpr int kStaff = 105;
constexpr int kClassesPerStaff = 5;

class CImportBench {
public:
    CImportBench() {
        m_pack.Load(CString(std::string(VORN_LOCALE_DIR) + "/English.rc"));
        SetStringSource(&m_pack);
        m_folder = std::filesystem::temp_directory_path() / ("bench_data_import_" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
    }
    ~CImportBench() {
        SetStringSource(nullptr);
        std::filesystem::remove_all(m_folder);
    }

    CString Write(const std::wstring& text, const char* name) {
        const std::filesystem::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << WideToUtf8(text);
        return CString(path.string());
    }

    static void SetUp(CScheduleData& data) {
        data.m_dtStartDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        data.m_dtFirstWeekday = data.m_dtStartDate;
        data.m_nDays = 5;
        data.m_tDayStart = MakeTimeOfDay(7, 0);
    }

    CLanguagePack m_pack;
    std::filesystem::path m_folder;
};

CImportBench& Bench() {
    static CImportBench bench;
    return bench;
}

void BM_ImportStaffList(benchmark::State& state) {
    std::wstring text;
    for (int i = 0; i < 2000; ++i)
        text += L"Staff " + std::to_wstring(i) + L",T,Company,555-" + std::to_wstring(i) + L",C" + std::to_wstring(i) +
                L",s" + std::to_wstring(i) + L"@school.example\n";
    CImportOptions options;
    options.m_nSeparator = 1;
    const int columns[] = {1, 2, 3, 4, 5, 6, 0, 0};
    std::copy(std::begin(columns), std::end(columns), options.m_nColumns);
    options.m_bFromFile = 1;
    options.m_strPath = Bench().Write(text, "staff.csv");
    for (auto _ : state) {
        state.PauseTiming();
        auto data = std::make_unique<CScheduleData>();
        CImportBench::SetUp(*data);
        state.ResumeTiming();
        CFileTextSource source(options.m_strPath);
        benchmark::DoNotOptimize(ImportEntities(*data, EntityImportKind::EntityList, options, source));
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_ImportStaffList)->Unit(benchmark::kMillisecond);

void BM_ImportTimetable(benchmark::State& state) {
    static const wchar_t* const kDays[] = {L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday"};
    std::wstring text;
    int lines = 0;
    for (int s = 0; s < kStaff; ++s) {
        text += L"Timetable\nWeek\nStaff " + std::to_wstring(s) + L"\n";
        lines += 3;
        for (int i = 0; i < 45; ++i, ++lines) {
            const int c = s * kClassesPerStaff + i % kClassesPerStaff;
            text += std::wstring(kDays[i / 9]) + L" Hr. " + std::to_wstring(i % 9) + L": Lesson Class" +
                    std::to_wstring(c) + L"\n";
        }
    }
    CImportOptions options;
    options.m_nSkip = 2;
    options.m_strText = L"Timetable";
    options.m_bFromFile = 1;
    options.m_strPath = Bench().Write(text, "timetable.txt");
    for (auto _ : state) {
        state.PauseTiming();
        auto data = std::make_unique<CScheduleData>();
        CImportBench::SetUp(*data);
        int id = 1;
        for (int s = 0; s < kStaff; ++s) {
            CEntity staff(data->m_tDayStart, data->m_nDays);
            staff.m_nId = id++;
            staff.m_nType = 1;
            staff.m_strName.Format(L"Staff %d", s);
            data->m_arrEntities.push_back(staff);
            for (int c = 0; c < kClassesPerStaff; ++c) {
                CEntity group(data->m_tDayStart, data->m_nDays);
                group.m_nId = id++;
                group.m_strName.Format(L"Class%d", s * kClassesPerStaff + c);
                data->m_arrEntities.push_back(group);
                CActivity activity;
                activity.m_nId = group.m_nId;
                activity.m_strName = L"Lesson";
                activity.m_arrMembers = {staff.m_nId, group.m_nId};
                activity.m_tsDuration = COleDateTimeSpan(0, 10, 0, 0);
                activity.m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
                data->m_arrActivities.push_back(activity);
            }
        }
        state.ResumeTiming();
        CFileTextSource source(options.m_strPath);
        state.counters["entries"] = ImportTimetable(*data, options, source, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_ImportTimetable)->Unit(benchmark::kMillisecond);

// One line per activity and staff member of the large plan (name, group mark, hours, staff
// member, room, classes); the lines of a group follow each other and a line without hours ends
// the group. Imported into the full plan, every line is looked up among 5,000 activities and more.
void BM_ImportActivitiesIntoLargePlan(benchmark::State& state) {
    CScheduleData plan;
    GeneratePlan(plan, LargePlanOptions());
    auto name = [&](int id) {
        const auto entity = plan.FindEntity(id);
        return entity != plan.m_arrEntities.end() ? std::wstring(entity->m_strName.GetString()) : std::wstring();
    };
    std::wstring text;
    int lines = 0;
    auto addLines = [&](const CActivity& activity) {
        std::wstring classes;
        std::vector<int> staff;
        for (int id : activity.m_arrMembers) {
            const auto member = plan.FindEntity(id);
            if (member == plan.m_arrEntities.end()) continue;
            if (member->m_nType == 0) classes += L"," + name(id);
            if (member->m_nType == 1 || member->m_nType == 2) staff.push_back(id);
        }
        const long long hours = std::max<long long>(1, WholeMinutes(activity.m_tsDuration.m_span) / 60);
        const std::wstring room = activity.m_arrRooms.empty() ? std::wstring() : name(activity.m_arrRooms.front());
        for (int id : staff) {
            text += std::wstring(activity.m_strName.GetString()) + (activity.m_nGroup ? L",x," : L",,") +
                    std::to_wstring(hours) + L"," + name(id) + L"," + room + classes + L"\n";
            ++lines;
        }
    };
    std::vector<bool> done(plan.m_arrActivities.size());
    for (std::size_t a = 0; a < plan.m_arrActivities.size(); ++a) {
        if (done[a]) continue;
        const CActivity& activity = plan.m_arrActivities[a];
        if (activity.m_nGroup == 0) {
            addLines(activity);
            continue;
        }
        for (std::size_t b = a; b < plan.m_arrActivities.size(); ++b) {
            if (plan.m_arrActivities[b].m_nGroup != activity.m_nGroup) continue;
            addLines(plan.m_arrActivities[b]);
            done[b] = true;
        }
        text += L"-,,0\n";
        ++lines;
    }
    CImportOptions options;
    options.m_nSeparator = 1;
    const int columns[] = {1, 2, 3, 4, 5, 6, 0, 0};
    std::copy(std::begin(columns), std::end(columns), options.m_nColumns);
    options.m_bFromFile = 1;
    options.m_strPath = Bench().Write(text, "activities.csv");
    for (auto _ : state) {
        state.PauseTiming();
        auto data = std::make_unique<CScheduleData>();
        GeneratePlan(*data, LargePlanOptions());
        state.ResumeTiming();
        CFileTextSource source(options.m_strPath);
        state.counters["appended"] = ImportActivities(*data, options, source, nullptr);
    }
    state.counters["lines"] = lines;
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_ImportActivitiesIntoLargePlan)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
