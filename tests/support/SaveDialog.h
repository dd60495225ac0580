#pragma once
// Driving the "Save lottery entries" dialog from a test's modal hook, and
// reading back what was saved.

#include <QDate>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

class QDialog;

struct SaveDialogAnswer {
    QString count;  // typed into the count box; empty keeps the count offered
    QString name;   // typed as the player's name; empty keeps the name shown
    QDate drawDate; // chosen draw date; invalid keeps the date offered
    bool cancel;

    SaveDialogAnswer(QString count = {}, QString name = {}, QDate drawDate = {}, bool cancel = false)
        : count(std::move(count)), name(std::move(name)), drawDate(drawDate), cancel(cancel)
    {}
};

// When `dialog` is the save dialog, fills it as `answer` says, clicks Save
// (or Cancel) and returns its result. Any other dialog fails the test as an
// unexpected window.
int AnswerSaveDialog(QDialog* dialog, const SaveDialogAnswer& answer = {});

// Installs a modal hook that answers every save dialog with `answer` and
// counts them in *shown (when given). Any other modal window fails the test.
void ScriptSaveDialog(int* shown = nullptr, SaveDialogAnswer answer = {});

struct SavedEntry;
// Every line of the saved entries file, in file order, blank lines left out.
// A missing file gives an empty list; no value when the file exists but
// cannot be read (SavedEntriesUnreadable).
std::optional<QList<SavedEntry>> ReadSavedEntries();
