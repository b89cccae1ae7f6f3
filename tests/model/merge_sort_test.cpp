// The stable merge sort: large elements, sorted through their positions, come out in the order
// small ones do, also under an order with a tolerance that is not transitive.
#include "model/merge_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

struct Large {
    int key = 0;
    int tag = 0;
    char payload[120] = {};
};
static_assert(sizeof(Large) > 64 && sizeof(std::pair<int, int>) <= 64);

// Keys within two of each other count as equal, as the plan's times within three minutes do.
bool LessWithTolerance(int a, int b) { return b - a > 2; }
bool LessExact(int a, int b) { return a < b; }

TEST(StableMergeSort, LargeElementsComeOutAsSmallOnes) {
    std::mt19937 random(7);
    for (bool (*less)(int, int) : {LessWithTolerance, LessExact}) {
        for (const int n : {0, 1, 2, 3, 17, 64, 301}) {
            std::vector<std::pair<int, int>> small;
            std::vector<Large> large;
            for (int i = 0; i < n; ++i) {
                const int key = static_cast<int>(random() % 40);
                small.emplace_back(key, i);
                large.push_back({key, i, {}});
            }
            StableMergeSort(small, [less](const auto& a, const auto& b) { return less(a.first, b.first); });
            StableMergeSort(large, [less](const Large& a, const Large& b) { return less(a.key, b.key); });
            ASSERT_EQ(large.size(), small.size());
            for (std::size_t i = 0; i < small.size(); ++i) {
                EXPECT_EQ(large[i].key, small[i].first) << n << " at " << i;
                EXPECT_EQ(large[i].tag, small[i].second) << n << " at " << i;
            }
            if (less != LessExact) continue;
            // With an exact order: ascending, equal keys in their first order.
            for (std::size_t i = 1; i < small.size(); ++i) {
                EXPECT_LE(small[i - 1].first, small[i].first);
                if (small[i - 1].first == small[i].first) {
                    EXPECT_LT(small[i - 1].second, small[i].second);
                }
            }
        }
    }
}

}  // namespace
