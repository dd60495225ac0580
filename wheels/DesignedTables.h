#pragma once
// The fourteen larger "3-Match for 6" tables (30 to 48 numbers), computed by
// tools/WheelDesigner from the stored tables and a search; the data file
// wheels/DesignedTables.cpp is its output.

#include <string_view>

// The table for `numbers` (30, 32, 34, 36, 38, 40 to 48); empty for others.
std::string_view DesignedThreeForSix(int numbers);
