#pragma once
// The skin every window wears: a background picture for its family of
// windows and the colour scheme of settings items 1 to 5, switched on by the
// two flags of item 10 (1 = pictures, 2 = colours, added together).
//
// Every skinned window calls Skinning once at the start of its load (its
// controls built, before anything else), in one line, naming its family and
// which of its labels take which colour item:
//
//   Skinning(this, SkinFamily::Play, {.title = {Label1}, .label = {Label3}});
//
// The window hands over the labels (and the text boxes some windows list)
// themselves. The main window calls it again after the Preferences window
// closes.

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>

class QWidget;

// Which background picture a window wears.
enum class SkinFamily {
    Main,       // "SkinMain.jpg": the main window
    File,       // "SkinFile.jpg": Backup, Preferences, PrintSetup
    Databases,  // "SkinDatabases.jpg": database windows
    Analyse,    // "SkinAnalyse.jpg": analysis windows, Biorhythm, WhatIf
    Play,       // "SkinPlay.jpg": generator and wheel windows
    Syndicates, // "SkinSyndicates.jpg": syndicate windows
    Help,       // "SkinHelp.jpg": LotteryInfo
};

// The labels that take each text colour.
struct SkinLabels {
    QList<QWidget*> title; // item 1, title or heading labels
    QList<QWidget*> body;  // item 2, the main explanatory text
    QList<QWidget*> label; // item 3, field labels such as "Select a lottery:"
    QList<QWidget*> other; // item 4, other text (labels or text boxes)
};

// The picture file of a family, looked for in the current folder.
QString SkinPictureFile(SkinFamily family);

// Applies the skin to a window:
// - pictures on: the family picture, when its file exists, is drawn at its own
//   size from the window's top-left corner behind every control; a file that
//   exists but cannot be read as a picture shows no picture; a missing file
//   leaves the picture as it was. Pictures off: no picture.
// - colours on: the window background takes item 5 and each listed label the
//   text colour of its item ("&H8000000F" style system colours map to the
//   palette). Colours off: the window's background returns to the colour it
//   was built with (remembered at its first skinning); labels keep their colours.
void Skinning(QWidget* window, SkinFamily family, const SkinLabels& labels = {});

// The picture the window now shows (null when none); for tests and printing.
QPixmap SkinPicture(const QWidget* window);
// The window's background colour as the skin left it.
QColor SkinBackground(const QWidget* window);
