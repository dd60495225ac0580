// Written by tools/WheelDesigner; do not edit by hand.
#include "wheels/DesignedTables.h"

std::string_view DesignedThreeForSix(int) { return {}; }
