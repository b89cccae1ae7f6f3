#include "solver_engine/mersenne_twister.h"

#include <ctime>

namespace {

constexpr int kN = 624;
constexpr int kM = 397;
constexpr std::uint32_t kMatrixA = 0x9908b0dfu;
constexpr std::uint32_t kUpperMask = 0x80000000u;
constexpr std::uint32_t kLowerMask = 0x7fffffffu;

// The process-wide state; kN + 1 marks a state that was never seeded.
std::uint32_t g_state[kN];
int g_index = kN + 1;

void SeedWithInt(std::uint32_t seed) {
    g_state[0] = seed;
    for (int i = 1; i < kN; ++i)
        g_state[i] = 1812433253u * (g_state[i - 1] ^ (g_state[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
    g_index = kN;
}

void Regenerate() {
    static const std::uint32_t mag01[2] = {0u, kMatrixA};
    int k = 0;
    for (; k < kN - kM; ++k) {
        const std::uint32_t y = (g_state[k] & kUpperMask) | (g_state[k + 1] & kLowerMask);
        g_state[k] = g_state[k + kM] ^ (y >> 1) ^ mag01[y & 1u];
    }
    for (; k < kN - 1; ++k) {
        const std::uint32_t y = (g_state[k] & kUpperMask) | (g_state[k + 1] & kLowerMask);
        g_state[k] = g_state[k + (kM - kN)] ^ (y >> 1) ^ mag01[y & 1u];
    }
    const std::uint32_t y = (g_state[kN - 1] & kUpperMask) | (g_state[0] & kLowerMask);
    g_state[kN - 1] = g_state[kM - 1] ^ (y >> 1) ^ mag01[y & 1u];
    g_index = 0;
}

}  // namespace

CMersenneTwister::CMersenneTwister() : N(kN), M(kM) {
    std::uint32_t key[4];
    MakeTimeKey(static_cast<long long>(std::time(nullptr)), key);
    SeedByArray(key, 4);
}

void CMersenneTwister::MakeTimeKey(long long time, std::uint32_t key[4]) {
    std::tm parts{};
    const std::time_t t = static_cast<std::time_t>(time);
    if (localtime_r(&t, &parts) == nullptr) {
        for (int i = 0; i < 4; ++i) key[i] = 0xFFFFFFFFu;
        return;
    }
    key[0] = static_cast<std::uint32_t>(parts.tm_yday + 1);
    key[1] = static_cast<std::uint32_t>(parts.tm_hour);
    key[2] = static_cast<std::uint32_t>(parts.tm_min);
    key[3] = static_cast<std::uint32_t>(parts.tm_sec);
}

void CMersenneTwister::SeedByArray(const std::uint32_t* key, int length) {
    SeedWithInt(19650218u);
    int i = 1;
    int j = 0;
    for (int k = kN > length ? kN : length; k > 0; --k) {
        g_state[i] = (g_state[i] ^ ((g_state[i - 1] ^ (g_state[i - 1] >> 30)) * 1664525u)) + key[j] +
                     static_cast<std::uint32_t>(j);
        ++i;
        ++j;
        if (i >= kN) {
            g_state[0] = g_state[kN - 1];
            i = 1;
        }
        if (j >= length) j = 0;
    }
    for (int k = kN - 1; k > 0; --k) {
        g_state[i] = (g_state[i] ^ ((g_state[i - 1] ^ (g_state[i - 1] >> 30)) * 1566083941u)) -
                     static_cast<std::uint32_t>(i);
        ++i;
        if (i >= kN) {
            g_state[0] = g_state[kN - 1];
            i = 1;
        }
    }
    g_state[0] = 0x80000000u;  // a non-zero initial state is assured
    g_index = kN;
}

std::uint32_t CMersenneTwister::GenRandInt32() {
    if (g_index >= kN) {
        if (g_index == kN + 1) SeedWithInt(5489u);
        Regenerate();
    }
    std::uint32_t y = g_state[g_index++];
    y ^= (y >> 11);
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= (y >> 18);
    return y;
}

std::uint32_t CMersenneTwister::Below(std::uint32_t n) {
    const std::uint32_t output = GenRandInt32();
    return n == 0 ? 0 : output % n;
}

double CMersenneTwister::Uniform() {
    return static_cast<double>(GenRandInt32()) * (1.0 / 4294967296.0);
}
