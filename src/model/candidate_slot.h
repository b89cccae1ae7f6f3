#pragma once
// One start time at which a timetable entry could be placed, with its conflict score.
#include "platform/core/ole_date_time.h"

class CCandidateSlot {
public:
    COleDateTime m_dtStart;
    double m_dScore = 0.0;
};
