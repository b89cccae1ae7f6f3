#pragma once
// A bell schedule: named intervals, each a start time of day and, for a break, its label.
#include <cstddef>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CScheduleData;
class CXmlDocument;
class IAppSettings;

class CChimeInterval {
public:
    __time64_t m_tStart = 0;  // time of day
    CString m_strBreak;       // empty for a lesson
};

// Lesson i is the i-th interval without a break label; lessons beyond the list follow the last
// interval hour by hour. Times are 64-bit times of day on 1 January 2000.
class CChimeSet {
public:
    // Lesson hours and chime sets
    __time64_t GetLessonStart(const CScheduleData& data, int lesson) const;
    // The start of the interval after the lesson; past the list, the next lesson's start.
    __time64_t GetLessonEnd(const CScheduleData& data, int lesson) const;
    // The first lesson start and last lesson end of an interval placed by its hour slot.
    // Throws std::invalid_argument when the start has no time of day.
    void SnapToLessons(const CScheduleData& data, const COleDateTime& start, const COleDateTimeSpan& length,
                       __time64_t& lessonStart, __time64_t& lessonEnd) const;
    // Rebuilds the intervals from the Lessons list, leaving out entries without a readable time,
    // or nine hourly lessons from 07:00 when it is empty. False, with the nine hourly lessons,
    // for a list that has no readable time or whose times go back.
    bool LoadLessonTimes(IAppSettings& settings);
    // Index of lesson i in the intervals; the size when there is none.
    std::size_t FindLesson(int lesson) const;

    // Document file
    // Adds a CHIME element with its INTERVAL children after the main position, with the id given.
    void WriteXml(CXmlDocument& doc, int id) const;
    // Reads the CHIME element at the main position. Throws CDocumentFormatError for a START that
    // cannot be a time of day.
    void ReadXml(CXmlDocument& doc);

    CString m_strName;
    int m_nId = 0;
    std::vector<CChimeInterval> m_arrIntervals;
};
