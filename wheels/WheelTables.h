#pragma once
// The stored wheels of the triplet and pair windows, one string a wheel size
// (letters read two or three at a time; see wheels/WheelRules.h).

#include <QStringView>
#include <array>

// Wheeling triplets: wheel i joins every two of the first 3 + i groups of
// three once, two letters a line (3, 6, 10, 15, 21 and 28 lines).
extern const std::array<QStringView, 6> kTripletWheels;

// Wheeling pairs, for lotteries of fewer than six numbers: wheel i joins
// every two of the first 4 + i pairs once, two letters a line (6 to 36
// lines).
extern const std::array<QStringView, 6> kTwoPairWheels;

// Wheeling pairs, for lotteries of six or more: the last of the 4 + i pairs
// stands in every line beside every two of the others, three letters a line
// (3 to 28 lines).
extern const std::array<QStringView, 6> kThreePairWheels;
