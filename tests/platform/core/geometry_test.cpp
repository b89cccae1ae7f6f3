#include "platform/core/geometry.h"
#include "platform/core/mul_div.h"

#include <gtest/gtest.h>

TEST(Geometry, SizeAndEmptiness) {
    CRect r(10, 20, 40, 60);
    EXPECT_EQ(r.Width(), 30);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_EQ(r.CenterPoint(), CPoint(25, 40));
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(9, 5, 5, 9).IsRectEmpty());  // reversed counts as empty
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(Geometry, PtInRectExcludesRightAndBottomEdges) {
    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(r.PtInRect(CPoint(-1, 5)));
}

struct RectOpCase {
    RECT a, b;
    RECT intersection;
    BOOL intersects;
    RECT unionRect;
};
static const RectOpCase kRectOps[] = {
    {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, TRUE, {0, 0, 15, 15}},
    {{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 0, 0, 0}, FALSE, {0, 0, 20, 10}},  // touching
    {{0, 0, 10, 10}, {3, 3, 3, 8}, {0, 0, 0, 0}, FALSE, {0, 0, 10, 10}},     // empty b is ignored
    {{2, 2, 2, 2}, {4, 4, 4, 4}, {0, 0, 0, 0}, FALSE, {0, 0, 0, 0}},
};

TEST(Geometry, IntersectAndUnion) {
    for (const auto& c : kRectOps) {
        CRect i, u;
        EXPECT_EQ(i.IntersectRect(&c.a, &c.b), c.intersects);
        EXPECT_EQ(i, CRect(c.intersection)) << c.a.left << "," << c.b.left;
        u.UnionRect(&c.a, &c.b);
        EXPECT_EQ(u, CRect(c.unionRect)) << c.a.left << "," << c.b.left;
    }
}

TEST(Geometry, MovingAndSizing) {
    CRect r(10, 10, 20, 30);
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(15, 5, 25, 25));
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(13, 2, 27, 28));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(14, 4, 24, 24));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 10, 20));
    CRect n(20, 30, 10, 5);
    n.NormalizeRect();
    EXPECT_EQ(n, CRect(10, 5, 20, 30));
    EXPECT_EQ(CRect(1, 2, 3, 4) + CPoint(10, 20), CRect(11, 22, 13, 24));
    EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
    EXPECT_EQ(CRect(0, 0, 10, 10) & CRect(5, -5, 20, 5), CRect(5, 0, 10, 5));
}

TEST(Geometry, PointFromPackedLParamIsSigned) {
    const CPoint p(static_cast<LPARAM>(MAKELPARAM(-5, 300)));
    EXPECT_EQ(p, CPoint(-5, 300));
}

struct MulDivCase { int a, b, c, expected; };
static const MulDivCase kMulDiv[] = {
    {10, 3, 4, 8},          // 7.5 rounds up
    {-10, 3, 4, -8},        // halves round away from zero
    {10, -3, 4, -8},
    {7, 1, 2, 4},
    {5, 1, 3, 2},           // 1.67
    {4, 1, 3, 1},           // 1.33
    {255, 50, 100, 128},    // 127.5
    {1, 1, 0, -1},          // division by zero
    {0x7fffffff, 4, 1, -1}, // overflow
    {0x7fffffff, 0x7fffffff, 0x7fffffff, 0x7fffffff},  // 64-bit intermediate
};

TEST(MulDiv, RoundsToNearestAndFailsWithMinusOne) {
    for (const auto& c : kMulDiv)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}
