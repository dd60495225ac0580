#pragma once
// The tip box every window that validates typed numbers shows (tip 6, " There
// was a problem with the input.  "), and the generators' hints.

// Shows tip n (1 to 6) in a modal message box; any other n shows nothing.
void ShowTip(int n);
