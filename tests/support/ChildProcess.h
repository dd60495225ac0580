#pragma once
// Runs a piece of the program in a child process whose files may grow to a
// given size only, as a full disk would stop them: a write past the limit
// fails part-way (SIGXFSZ is ignored, so it fails with "File too large"
// instead of ending the process).

#include <QString>
#include <functional>
#include <optional>

// Runs body in a forked child under the file-size limit and returns the text
// it returned; no value when the child did not end normally (a crash, a
// signal). body must not use the test framework's assertions.
std::optional<QString> RunUnderFileSizeLimit(qint64 limitBytes, const std::function<QString()>& body);
