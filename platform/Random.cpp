#include "platform/Random.h"

#include <chrono>

// xoshiro256** seeded through splitmix64: a small, fast generator whose output
// is fixed by its seed alone, on any compiler and machine.
namespace {
struct Generator {
    std::uint64_t s[4];

    static std::uint64_t splitmix(std::uint64_t& x)
    {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    void seed(std::uint64_t value)
    {
        for (auto& word : s)
            word = splitmix(value);
    }
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t next()
    {
        const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = rotl(s[3], 45);
        return result;
    }
};

// The fixed initial state: the generator as reset.
constexpr std::uint64_t kInitialSeed = 0x56414E5452454Cull;

Generator& generator()
{
    static Generator g = [] {
        Generator fresh{};
        fresh.seed(kInitialSeed);
        return fresh;
    }();
    return g;
}
} // namespace

double Rnd()
{
    // The top 53 bits as a fraction of 2^53: exactly representable, below 1.
    return double(generator().next() >> 11) * (1.0 / 9007199254740992.0);
}

int RandomNumber(int m) { return int(Rnd() * m) + 1; }

namespace {
bool seedHeld = false;
}

void HoldSeed(bool hold) { seedHeld = hold; }
bool SeedHeld() { return seedHeld; }

void Randomize()
{
    if (seedHeld)
        return;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    generator().seed(std::uint64_t(ticks) ^ (std::uint64_t(wall) << 1));
}

void RandomizeSeed(std::uint32_t seed)
{
    generator().seed(kInitialSeed);
    generator().seed(kInitialSeed ^ (std::uint64_t(seed) * 0x2545F4914F6CDD1Dull));
}
