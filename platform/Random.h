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

// A test that seeds the source and then drives a window that reseeds from the
// clock on every command holds the seed: while it is held, Randomize leaves
// the source as it is. Resetting the shared state lets it go.
void HoldSeed(bool hold);
bool SeedHeld();
