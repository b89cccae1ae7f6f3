#include "report_builders/store_copy.h"

#include <algorithm>
#include <iterator>

#include "model/schedule_data.h"

void CopyScheduleData(const CScheduleData& source, CScheduleData& copy) {
    ModelServices services;
    services.host = &source.Host();
    services.settings = &source.Settings();
    services.answerer = &source.Answerer();
    services.clipboard = &source.Clipboard();
    copy.SetServices(services);

    copy.m_nSolverOption = source.m_nSolverOption;
    copy.m_nSolverSelection = source.m_nSolverSelection;
    std::copy(std::begin(source.m_bReportSwitches), std::end(source.m_bReportSwitches), std::begin(copy.m_bReportSwitches));
    copy.m_arrSelectedDays = source.m_arrSelectedDays;
    copy.m_fileStatus = source.m_fileStatus;
    std::copy(std::begin(source.m_crSlotColours), std::end(source.m_crSlotColours), std::begin(copy.m_crSlotColours));
    std::copy(std::begin(source.m_nSlotBrushes), std::end(source.m_nSlotBrushes), std::begin(copy.m_nSlotBrushes));
    std::copy(std::begin(source.m_nStateSlots), std::end(source.m_nStateSlots), std::begin(copy.m_nStateSlots));
    copy.m_arrProblems = source.m_arrProblems;
    copy.m_nPopulation = source.m_nPopulation;
    copy.m_nDuration = source.m_nDuration;
    copy.m_nMode = source.m_nMode;
    copy.m_nDispersion = source.m_nDispersion;
    copy.m_nHourIndex = source.m_nHourIndex;
    copy.m_arrEntities = source.m_arrEntities;
    copy.m_arrActivities = source.m_arrActivities;
    copy.m_arrChimeSets = source.m_arrChimeSets;
    copy.m_arrKeys = source.m_arrKeys;
    copy.m_arrEntries = source.m_arrEntries;
    copy.m_arrGroups = source.m_arrGroups;
    copy.m_arrSolverIds = source.m_arrSolverIds;
    copy.m_arrUnderPlanned = source.m_arrUnderPlanned;
    copy.m_nCurrentEntity = source.m_nCurrentEntity;
    copy.m_nCurrentChimeSet = source.m_nCurrentChimeSet;
    copy.m_nDefaultChimeSet = source.m_nDefaultChimeSet;
    copy.m_arrActivityWeights = source.m_arrActivityWeights;
    copy.m_arrEntityWeights = source.m_arrEntityWeights;
    copy.m_arrFreeSlots = source.m_arrFreeSlots;
    copy.m_nDays = source.m_nDays;
    copy.m_nTitleFormat = source.m_nTitleFormat;
    copy.m_dtStartDate = source.m_dtStartDate;
    copy.m_tDayStart = source.m_tDayStart;
    copy.m_dwSolverWord = source.m_dwSolverWord;
    copy.m_nViewType = source.m_nViewType;
    copy.m_arrReportIds = source.m_arrReportIds;
    copy.m_dtFirstWeekday = source.m_dtFirstWeekday;
    for (CActivity& activity : copy.m_arrActivities) activity.DeriveChimeSet(copy);
    copy.RebuildReplacementIndex();
}
