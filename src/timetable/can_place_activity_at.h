#pragma once
// Whether the activity of one side of a swap may stand in the slot of the other.
class CPlanIndex;
class CScheduleData;
struct CSwapPiece;

// CScheduleData::CanPlaceEntry for x's activity, w's activity excluded, with an entry of x's
// activity at w's start for w's length; false when x's activity is not in the document. The
// index, when given, must describe the unchanged store.
bool CanPlaceActivityAt(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w,
                        const CPlanIndex* index = nullptr);
