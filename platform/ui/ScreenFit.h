#pragma once
// Keeps windows on the screen. A window that grows after it opened (a colour
// key shown, a report filled in) keeps inside the available area of its
// screen, and none grows past that area.

class QWidget;

// Shrinks the window to the available area of its screen when it is larger
// (as far as its minimum size lets it), then moves it back inside that area
// when part of it lies outside. Nothing happens while the window is hidden.
void FitOnScreen(QWidget* window);

// Grows the window to the size its content asks for (its size hint), within
// the available area of its screen. Never shrinks it.
void OpenAtContentSize(QWidget* window);

// Grows the window as far as its screen lets it when it is too short for
// its wrapped texts at its width (the least size of a window leaves them out).
void MakeRoomForWrappedTexts(QWidget* window);

// Keeps the window from being made smaller than its layout needs, the height
// of its wrapped texts at its least width included (which the least size of
// a window leaves out), within its screen less room for a taskbar; where the
// texts would need more height, its least width grows until they fit. Never
// goes below the least size the window sets itself.
void HoldRoomForWrappedTexts(QWidget* window);

// Fits the window on its screen each time it shows or changes size, for as
// long as it lives, and holds its least size to what its content needs; a
// window whose size nobody set opens at the size its content asks for.
// ShowModal does this for every window it shows.
void KeepOnScreen(QWidget* window);
