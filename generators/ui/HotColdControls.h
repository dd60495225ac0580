#pragma once
// What the hot and cold windows (the numbers and the wheels) show alike: the
// mode buttons and the heading, on the mode's colour, over the ranked numbers.

#include <QColor>
#include <array>
#include <functional>

class QBoxLayout;
class QLabel;
class QRadioButton;
class QWidget;

// Option1(0) "Hot numbers" (chosen) and Option1(1) "Cold numbers", side by
// side in a row of their own at the end of `box`; a click on button i calls
// clicked(i).
void AddHotColdButtons(QWidget* parent, QBoxLayout* box, std::array<QRadioButton*, 2>& buttons,
                       const std::function<void(int)>& clicked);
// Label8: "Hot numbers" in bold, in `text` on the hot colour.
QLabel* NewHotColdHeading(QWidget* parent, const QColor& text);
// The mode on the heading (its text and colour) and on the ranked numbers
// (their text colour).
void ShowHotColdMode(QLabel* heading, QLabel* numbers, bool cold);
