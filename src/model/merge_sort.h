#pragma once
// A stable merge sort that stays within its range whatever the order answers. The orders of the
// plan compare times with a tolerance, which is not transitive; the library's sorts may then read
// past the range, this one only ever compares elements it holds.
//
// Large elements are not moved on every pass: their positions are sorted with the same
// comparisons, and each element is then moved once to its place, which gives the same order.
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <utility>
#include <vector>

template <class T, class Less>
void StableMergeSort(std::vector<T>& items, Less less) {
    const std::size_t n = items.size();
    if (n < 2) return;
    if constexpr (sizeof(T) > 64) {
        std::vector<std::size_t> order(n);
        std::iota(order.begin(), order.end(), std::size_t{0});
        StableMergeSort(order, [&](std::size_t a, std::size_t b) { return less(items[a], items[b]); });
        std::vector<T> sorted;
        sorted.reserve(n);
        for (std::size_t position : order) sorted.push_back(std::move(items[position]));
        items = std::move(sorted);
        return;
    }
    std::vector<T> buffer(n);
    std::vector<T>* from = &items;
    std::vector<T>* to = &buffer;
    for (std::size_t width = 1; width < n; width *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, n);
            const std::size_t hi = std::min(lo + 2 * width, n);
            std::size_t i = lo, j = mid, k = lo;
            // An element of the right run goes first only when it is less: equal ones keep
            // their order.
            while (i < mid && j < hi) (*to)[k++] = less((*from)[j], (*from)[i]) ? std::move((*from)[j++]) : std::move((*from)[i++]);
            while (i < mid) (*to)[k++] = std::move((*from)[i++]);
            while (j < hi) (*to)[k++] = std::move((*from)[j++]);
        }
        std::swap(from, to);
    }
    if (from != &items) items = std::move(*from);
}
