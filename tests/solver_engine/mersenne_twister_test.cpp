#include "solver_engine/mersenne_twister.h"

#include <gtest/gtest.h>

#include <ctime>
#include <utility>
#include <vector>

#include "../platform/core/pinned_time_zone.h"

// The start of the published output list for the array seed {0x123, 0x234, 0x345, 0x456}.
TEST(MersenneTwister, ArraySeedGivesTheReferenceOutputs) {
    static const std::uint32_t kKey[4] = {0x123, 0x234, 0x345, 0x456};
    static const std::uint32_t kExpected[] = {1067595299u, 955945823u,  477289528u,  4107218783u, 4228976476u,
                                              3344332714u, 3355579695u, 227628506u,  810200273u,  2591290167u,
                                              2560260675u, 3242736208u, 646746669u,  1479517882u, 4245472273u,
                                              1143372638u, 3863670494u, 3221021970u, 1773610557u, 1138697238u};
    // Further along: the last word of the first state, the first of the regenerated one, and
    // the thousandth output, the end of the published list.
    static const std::pair<int, std::uint32_t> kLater[] = {
        {623, 144400272u}, {624, 3768408841u}, {997, 2416995901u}, {998, 1397735321u}, {999, 3460025646u}};
    CMersenneTwister generator;
    CMersenneTwister::SeedByArray(kKey, 4);
    std::vector<std::uint32_t> outputs(1000);
    for (std::uint32_t& output : outputs) output = generator.GenRandInt32();
    for (std::size_t i = 0; i < std::size(kExpected); ++i) EXPECT_EQ(outputs[i], kExpected[i]) << i;
    for (const auto& [i, expected] : kLater) EXPECT_EQ(outputs[static_cast<std::size_t>(i)], expected) << i;
}

// Every object shares one state: a second object continues the sequence of the first.
TEST(MersenneTwister, ObjectsShareOneState) {
    static const std::uint32_t kKey[4] = {0x123, 0x234, 0x345, 0x456};
    CMersenneTwister first;
    CMersenneTwister second;
    CMersenneTwister::SeedByArray(kKey, 4);
    EXPECT_EQ(first.GenRandInt32(), 1067595299u);
    EXPECT_EQ(second.GenRandInt32(), 955945823u);
}

TEST(MersenneTwister, DrawsStayInTheirRanges) {
    static const std::uint32_t kKey[1] = {7};
    CMersenneTwister generator;
    CMersenneTwister::SeedByArray(kKey, 1);
    for (int i = 0; i < 1000; ++i) {
        const double u = generator.Uniform();
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
        EXPECT_LT(generator.Below(3), 3u);
    }
    EXPECT_EQ(generator.Below(0), 0u);
}

TEST(MersenneTwister, TimeKeyIsDayOfYearHourMinuteSecond) {
    CPinnedTimeZone zone("Europe/Berlin");
    std::tm parts{};
    parts.tm_year = 2025 - 1900;
    parts.tm_mon = 1;
    parts.tm_mday = 3;
    parts.tm_hour = 14;
    parts.tm_min = 5;
    parts.tm_sec = 9;
    parts.tm_isdst = -1;
    std::uint32_t key[4];
    CMersenneTwister::MakeTimeKey(static_cast<long long>(std::mktime(&parts)), key);
    EXPECT_EQ(key[0], 34u);
    EXPECT_EQ(key[1], 14u);
    EXPECT_EQ(key[2], 5u);
    EXPECT_EQ(key[3], 9u);
}
