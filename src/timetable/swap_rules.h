#pragma once
// The rules by which lessons may exchange places, shared by the timetable grid and the magnet
// board: the mark a lesson gets while another is dragged, three-way rotations and moves to a
// free hour. They look at the document entries that share time with two or three slots; callers
// that ask many questions pass a plan index built once, which answers with the entries near a
// slot and an activity's entries instead of the whole timetable.
#include <vector>

#include "timetable/swap_piece.h"

class CEntity;
class CPlanIndex;
class CScheduleData;

// Swap marks.
inline constexpr int kSwapDirect = 17;
inline constexpr int kSwapIndirect = 18;
inline constexpr int kSwapNotFound = 19;
// DirectSwapMark's answer when w fits x's slot but x does not fit w's: a third place is needed.
inline constexpr int kSwapNeedsThirdPlace = -1;

// How an end is compared with a latest end: later by 3 minutes or more, or later at all.
enum class SwapEndTest { kApprox, kStrict };

// Lessons in the states 0, 5, 7 and 9 never take part in a swap.
bool StaysOutOfSwaps(int state);

// The hours at which the entity can take a one-hour entry: for each of its day slots whose end
// is later than its start, from the slot's start on that plan day in steps of an hour while the
// slot's end is later.
std::vector<COleDateTime> CollectFreeHours(const CScheduleData& data, const CEntity& entity, const CPlanIndex* index);

// How far the piece's entry may stretch from the piece's end (the piece's own value when known).
COleDateTime SwapLatestEnd(const CScheduleData& data, const CSwapPiece& piece, const CPlanIndex* index);

// The mark of x while w is dragged, up to the search for a third place: 0, kSwapDirect or
// kSwapNeedsThirdPlace.
int DirectSwapMark(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, const CPlanIndex* index);

// Whether x and w may rotate through a third place at all: neither two group pieces of one group
// nor two entry pieces of one activity, starts 3 minutes or more apart, and w's length from x's
// start not past x's latest end.
bool MayRotate(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, SwapEndTest test,
               const CPlanIndex* index);

// Whether w, x and p can rotate, w to x's start, x to p's and p to w's: each length fits from its
// new start before the latest end of the piece that leaves it (latestW is w's), and each piece
// fits its new slot against the other entries around the three slots.
bool CanRotate(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, const CSwapPiece& p,
               const COleDateTime& latestW, SwapEndTest test, const CPlanIndex* index);

// Whether x's activity can take an entry at the free hour t for w's length.
bool FreeHourTakes(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, const COleDateTime& t,
                   const CPlanIndex* index);
