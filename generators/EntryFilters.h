#pragma once
// The rules that keep unlikely lines out of the entries list: odd/even,
// high/low, previous draws, long runs and duplicates.
//
// Each rule works on the lines of Entries (columns 1 to K, K = BallsDrawn).
// The tests (OddEvenOK, HighLowOK, HistoryOK) say whether every line passes,
// and pass at once when the window's check box for the rule (Check1, Check2,
// Check3) is off. The filters delete every failing line whatever
// the boxes say. Strengths are read from the settings at each call and
// clamped to what the rules can use. No rule ever reads the row that ends the
// list, so an empty list passes every test and stays empty.

#include <cstdint>

struct FilterStrengths {
    int oddEven = 1; // at least L odd and L even numbers, 0 to K/2
    int highLow = 1; // at least L low and L high numbers, 0 to K/2
    int history = 1; // at most K - L numbers shared with a draw, 0 to K
    int longRun = 3; // longest run shorter than L steps, 1 to K
};
// The strengths of the filter settings (their leading numbers) for a
// lottery of k numbers, each clamped to its range above.
FilterStrengths ReadFilterStrengths(int k);

// The rules on one line: row points at a row of Entries (or any row laid out
// the same way: numbers in elements 1 to k).
bool OddEvenLineOK(const std::int16_t* row, int k, int l);
// Low numbers are those below n / 2, exactly (1 to 24 for 49 and for 50).
bool HighLowLineOK(const std::int16_t* row, int k, int n, int l);
bool LongRunLineOK(const std::int16_t* row, int k, int l);
// Passes when no draw of Draws shares more than k - l numbers with the line
// (counted as pairs of equal columns, so repeated numbers count each time).
bool HistoryLineOK(const std::int16_t* row, int k, int l);

// Whole-list tests without check boxes: true when every line passes.
bool EntriesOddEvenOK(int k, int l);
bool EntriesHighLowOK(int k, int n, int l);
bool EntriesHistoryOK(int k, int l);

// The tests as the windows call them, with whether the rule's box is ticked:
// an unticked box passes at once; otherwise the rule with the strength from
// the settings and K, N of the open lottery.
bool OddEvenOK(bool ticked);
bool HighLowOK(bool ticked);
bool HistoryOK(bool ticked);

// The filters: delete every failing line, keeping the order of the others.
void FilterOddEven();
void FilterHighLow();
void FilterLongRuns();
void FilterHistory();
// Deletes a line when a later line has the same columns 1 to 7 (the extra
// ball is not compared): of equal lines the last survives.
void RemoveDuplicates();
