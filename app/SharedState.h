#pragma once
// The program's shared state in one place: the settings, the open lottery and
// its draws, the entries table with its pool and busy flag, the history index
// and the open syndicate, and what else a run keeps in memory: the lottery
// templates, the window catalog, the printer's settings, the hooks the main
// window sets, the colour picker's last colour, the test clocks and the
// whole-or-nothing writer's test hook. Each lives with the subsystem that owns
// it; this empties them all at once, as at the start of a run (tests do it
// before every test).

void ResetSharedState();
