#pragma once
// The strict harness every test runs under. Before each test the shared state
// is emptied; message boxes, modal windows, the shell, the PDF save dialog,
// the folder dialog and the colour dialog go to hooks that fail the test
// unless it expected them, and never wait for a player. After each test,
// answers left unused fail it, and every hook and test clock it changed is
// put back.
//
// A test that drives a dialog installs its own SetModalHook (or
// SetMsgBoxHook, SetShellHook, SetPdfFileHook, SetFolderDialogHook,
// SetColourDialogHook); that replaces the strict one until the test ends.

#include "platform/ui/MsgBox.h"

#include <QString>
#include <vector>

namespace Harness {

// The next message box is expected: it is answered with this button. Answers
// are used in the order they were given.
void ExpectBox(int button);
// The message boxes shown during this test, expected or not.
const std::vector<MsgBoxCall>& Boxes();
QString LastBoxText();
// The box shown at that place (0 the first, -1 the last). When fewer came,
// the test fails saying which box was expected and what came, and an empty
// box is returned, so the test goes on instead of ending the runner.
const MsgBoxCall& BoxAt(int index);

// What the strict harness does with a modal window nobody expected: fails the
// test naming it, and closes it at once (QDialog::Rejected). A test's own
// modal hook ends with it for the windows it does not drive.
int UnexpectedWindow(QDialog* dialog);

// Fails the running test when expected boxes never came (how many, and their
// answers), then forgets them. Runs after every test.
void CheckAnswersUsed();

// What runs before and after every test.
void BeginTest();
void EndTest();

// Runs BeginTest and EndTest around every test of the runner.
void Install();

} // namespace Harness
