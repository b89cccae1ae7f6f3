#pragma once
// A bell schedule: named intervals, each a start time of day and, for a break, its label.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/time64.h"

class CChimeInterval {
public:
    __time64_t m_tStart = 0;  // time of day
    CString m_strBreak;       // empty for a lesson
};

class CChimeSet {
public:
    CString m_strName;
    int m_nId = 0;
    std::vector<CChimeInterval> m_arrIntervals;
};
