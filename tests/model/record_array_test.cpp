#include "model/record_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct Record {
    int m_nId = 0;
    int m_nValue = 0;
};

using Array = CRecordArray<Record>;

// The answer of a walk from the front.
std::size_t Walk(const Array& array, int id) {
    for (std::size_t i = 0; i < array.size(); ++i)
        if (array[i].m_nId == id) return i;
    return array.size();
}

void ExpectSameAsWalk(const Array& array, const char* step) {
    for (int id = -1; id <= 40; ++id) ASSERT_EQ(array.FindIndex(id), Walk(array, id)) << step << ", id " << id;
}

TEST(RecordArray, LookupsMatchAWalkThroughEveryKindOfChange) {
    std::mt19937 random(7);
    Array array;
    for (int i = 0; i < 2000; ++i) {
        const int id = static_cast<int>(random() % 40);
        switch (random() % 8) {
        case 0: array.push_back({id, i}); break;
        case 1: array.insert(array.begin() + static_cast<long>(array.empty() ? 0 : random() % array.size()), {id, i}); break;
        case 2:
            if (!array.empty()) array.erase(array.begin() + static_cast<long>(random() % array.size()));
            break;
        case 3: array.Sort([](const Record& a, const Record& b) { return a.m_nValue > b.m_nValue; }); break;
        case 4:
            // Keys edited in place, as a renumbering does; a key that another record holds
            // needs the map dropped.
            if (!array.empty()) {
                const bool taken = Walk(array, id) != array.size();
                array[random() % array.size()].m_nId = id;
                if (taken) array.InvalidateIndex();
            }
            break;
        case 5: array.EraseIf([&](const Record& r) { return r.m_nId == id; }); break;
        case 6: {
            Array other = array;
            other.push_back({id, i});
            array.swap(other);
            break;
        }
        default: array.emplace_back(Record{id, i}); break;
        }
        ExpectSameAsWalk(array, "after a change");
        if (HasFatalFailure()) return;
    }
}

TEST(RecordArray, DuplicateKeysFindTheFirst) {
    Array array{{5, 1}, {5, 2}, {6, 3}};
    EXPECT_EQ(array.Find(5)->m_nValue, 1);
    array.erase(array.begin());
    EXPECT_EQ(array.Find(5)->m_nValue, 2);
    EXPECT_EQ(array.Find(7), array.end());
}

TEST(RecordArray, CopiesAndSwapsCarryTheirOwnLookups) {
    Array a{{1, 10}, {2, 20}};
    Array b = a;
    b[0].m_nId = 3;
    EXPECT_EQ(a.Find(1)->m_nValue, 10);
    EXPECT_EQ(b.Find(1), b.end());
    EXPECT_EQ(b.Find(3)->m_nValue, 10);
    a.swap(b);
    EXPECT_EQ(a.Find(3)->m_nValue, 10);
    EXPECT_EQ(b.Find(1)->m_nValue, 10);
    EXPECT_EQ(b.Find(3), b.end());
}

}  // namespace
