#pragma once
// The activity chooser's tick rows and the caller's lists of placeable activities.
#include <vector>

class CScheduleData;

struct CChooserCheck {
    int activityId = 0;
    bool ticked = true;
};

// Every id of an unticked row whose activity exists leaves the first and the fourth list, each
// occurrence; the other ids keep their order.
void RemoveUncheckedIds(const CScheduleData& data, const std::vector<CChooserCheck>& rows, std::vector<int>& first,
                        std::vector<int>& fourth);
