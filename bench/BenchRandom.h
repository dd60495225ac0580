#pragma once
// Made-up numbers for the benchmarks' data: a small linear congruential
// sequence, the same on every machine and in every run.

inline unsigned NextRandom(unsigned& x)
{
    x = x * 1103515245u + 12345u;
    return x >> 16;
}
