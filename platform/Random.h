#pragma once
// The program's random source.
//
// One generator for the whole run. Randomize reseeds it from the clock;
// RandomizeSeed resets it and seeds it with a number, which gives the same
// sequence for the same seed on every run, build and machine.

#include <cstdint>

// A uniform value in [0, 1).
double Rnd();
// A whole number from 1 to m: the integer part of Rnd() * m, plus 1.
int RandomNumber(int m);
// Reseeds from the clock.
void Randomize();
// Resets the generator and seeds it with the number given.
void RandomizeSeed(std::uint32_t seed);
// Tests: while held, Randomize leaves the source as the test seeded it, so a
// window that reseeds on every command gives fixed lines. The test harness
// lets go after every test.
void HoldSeedForTests(bool hold);
