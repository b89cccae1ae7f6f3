#pragma once
// Which room goes with which participant, in an activity or a timetable entry.
class CRoomPair {
public:
    int m_nRoom = 0;
    int m_nEntity = 0;
    friend bool operator==(const CRoomPair& a, const CRoomPair& b) = default;
};
