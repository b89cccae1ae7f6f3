#pragma once
// The program's one source of random numbers: the 32-bit Mersenne Twister (MT19937) with its
// published recurrence, tempering and seeding. The state is shared by every object of the
// process; constructing an object reseeds it from the local time.
#include <cstdint>

class CMersenneTwister {
public:
    // Seeds the shared state with the array seeding from {day of year, hour, minute, second}
    // of the current local time.
    CMersenneTwister();
    virtual ~CMersenneTwister() = default;

    // The next 32-bit output. A state that was never seeded is first seeded with 5489.
    std::uint32_t GenRandInt32();
    // An index below n (output modulo n); 0 for n 0.
    std::uint32_t Below(std::uint32_t n);
    // A real in [0, 1): output times 2^-32.
    double Uniform();

    // The array seeding of the shared state with a key of any length.
    static void SeedByArray(const std::uint32_t* key, int length);
    // The key the constructor uses for a local time (-1 for a part that cannot be taken).
    static void MakeTimeKey(long long time, std::uint32_t key[4]);

    int N;
    int M;
};
