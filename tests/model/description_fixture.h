#pragma once
// A small plan for the description and clipboard tests: two classes, two staff, two rooms and
// equipment; three activities and four timetable entries in a week template starting on a
// Monday. Some record texts hold HTML-lite markup characters on purpose.
#include <map>
#include <memory>
#include <string>

#include "model/schedule_data.h"
#include "model_test_support.h"

// The texts the description strings read; printf forms as in the shipped pack.
inline std::map<UINT, std::wstring> DescriptionStrings() {
    return {
        {60466, L"Class"},      {60467, L"Teacher"},     {60468, L"Assistant"},      {60469, L"Room"},
        {60470, L"Equipment"},  {60471, L"%s (%s)"},     {60472, L"%s:"},            {60473, L":"},
        {60474, L"%s - %s:"},   {60475, L"%s:"},         {60476, L" room %s"},       {60477, L":"},
        {60478, L"Staff"},      {60479, L"%s - %s"},     {60480, L"%s"},             {60481, L"%s, %s - %s"},
        {60482, L"%s, %s to %s"}, {60483, L"%s, %s"},    {60484, L"%s, lesson %s"},  {60485, L"%s, %s-%s"},
        {60486, L"%s at %s"},   {60488, L"working days"}, {60489, L"days with entries"},
        {60490, L"free before"}, {60491, L"free between"}, {60492, L"free after"},  {60493, L"absences"},
        {60494, L"rewarded"},   {60495, L"available per week"}, {60496, L"first to last"},
        {60497, L"Time by kind"}, {60498, L"Single"},    {60501, L"Without classes"}, {60502, L"With classes"},
        {60503, L"Time"},       {60504, L"planned"},     {60505, L"placed"},         {60506, L"lost"},
        {60507, L"merged"},     {60508, L"Class teacher"}, {60509, L"at %s"},         {60510, L"%s, %s"},
        {60536, L"In groups"},  {60841, L"Details of"},  {60842, L"Activity"},
        {60416, L"Paste %s"},   {60417, L"exists"},      {60418, L"similar: %s"},    {60419, L"Paste activity"},
        {60444, L"nothing to paste"}, {60445, L"Paste"}, {60697, L"Lesson"},
        {60642, L"Sunday"},     {60643, L"Monday"},      {60644, L"Tuesday"},        {60645, L"Wednesday"},
        {60646, L"Thursday"},   {60647, L"Friday"},      {60648, L"Saturday"},
    };
}

class DescriptionFixture {
public:
    DescriptionFixture() : m_zone("UTC"), m_strings(DescriptionStrings()) {
        m_data.SetServices({&m_host, &m_settings, &m_answerer, &m_clipboard});
        m_data.SetStartDate(COleDateTime(2000, 1, 3, 0, 0, 0));
        m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);

        AddEntity(1, L"Class 1A", 0).m_strDepartment = L"Sci";
        m_data.m_arrEntities.back().m_strCode = L"1A";
        AddEntity(2, L"Smith", 1).m_strCode = L"SM";
        m_data.m_arrEntities.back().m_strDepartment = L"Sci";
        AddEntity(3, L"Lee <i>", 2).m_strEducator = L"Form & <b>tutor</b>";
        AddEntity(4, L"Room 5", 4).m_strAddress = L"North <Wing>";
        AddEntity(5, L"Room 6", 4);
        AddEntity(6, L"Class 1B", 0);
        AddEntity(7, L"R&D", 5);

        CActivityGroup group;
        group.m_nId = 1;
        group.m_strName = L"Year 1";
        m_data.m_arrGroups.push_back(group);

        CActivity& art = AddActivity(10, L"Art", {2, 1});
        art.m_strLevel = L"II";
        art.m_arrRooms = {4};
        CActivity& music = AddActivity(11, L"Music", {3, 6, 2});
        music.m_nGroup = 1;
        music.m_strLocation = L"Hall & Co";
        music.m_strSupervisor = L"Ms <X>";
        music.m_strRemark = L"Bring a <b>flute</b>";
        CActivity& math = AddActivity(12, L"Math", {1, 2, 3});
        math.m_arrRooms = {4, 5};
        math.m_arrPairs = {{4, 2}, {5, 3}};

        AddEntry(10, 0, 8, 0, 60);    // Monday 08:00, one hour
        AddEntry(12, 1, 9, 0, 120);   // Tuesday 09:00, two hours
        AddEntry(11, 2, 10, 0, 45);   // Wednesday 10:00
        AddEntry(12, 3, 9, 0, 120);   // Thursday 09:00, with Class 1B added
        CReplacement extra;
        extra.m_nEntity = 6;
        extra.m_bExtending = 1;
        m_data.m_arrEntries.back().m_arrReplacements.push_back(extra);
        m_data.m_nCurrentEntity = 1;
    }

    CEntity& AddEntity(int id, const wchar_t* name, int type) {
        CEntity entity;
        entity.m_nId = id;
        entity.m_strName = name;
        entity.m_nType = type;
        m_data.m_arrEntities.push_back(entity);
        return m_data.m_arrEntities.back();
    }
    CActivity& AddActivity(int id, const wchar_t* name, std::vector<int> members) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_strName = name;
        activity.m_arrMembers = std::move(members);
        m_data.m_arrActivities.push_back(activity);
        return m_data.m_arrActivities.back();
    }
    CTimetableEntry& AddEntry(int activity, int day, int hour, int minute, int minutes) {
        const COleDateTime start = m_data.GetDayDate(day) + COleDateTimeSpan(0, hour, minute, 0);
        CTimetableEntry entry(start, COleDateTimeSpan(0, 0, minutes, 0));
        entry.m_nActivity = activity;
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.back();
    }
    CActivity& Activity(int id) { return *m_data.FindActivity(id); }
    CEntity& Entity(int id) { return *m_data.FindEntity(id); }
    const CTimetableEntry* Entry(int index) const { return &m_data.m_arrEntries[index]; }

    CPinnedTimeZone m_zone;
    CTestStrings m_strings;
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CMemoryClipboard m_clipboard;
    CScheduleData m_data;
};
