#pragma once
// Shared test helpers: a temporary program folder and a recorder for message
// boxes.

#include "platform/ui/MsgBox.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

// Points the program folder at a new temporary folder and makes it current;
// message boxes are recorded and answered from a script (OK, Yes... when the
// script runs out: the first button); printing goes to "printout.pdf" in the
// folder. Restores everything when it ends.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& name) const;
    void writeFile(const QString& name, const QString& content) const;
    void writeLines(const QString& name, const QStringList& lines) const; // CR LF
    QString readFile(const QString& name) const; // raw bytes as Latin-1/UTF-8 text
    QByteArray readBytes(const QString& name) const;
    bool exists(const QString& name) const;

    // Answers for the next message boxes, in order.
    void answer(int button) { answers_.push_back(button); }
    const std::vector<MsgBoxCall>& boxes() const { return boxes_; }
    QString lastBoxText() const { return boxes_.empty() ? QString() : boxes_.back().text; }

    QTemporaryDir dir_;
    QString oldCurrent_;
    std::vector<MsgBoxCall> boxes_;
    std::deque<int> answers_;
};

// Writes a small database file in the program's layout.
QStringList DatabaseLines(const QString& name, const QString& definition, const QStringList& draws);
