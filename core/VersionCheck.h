#pragma once
// The program's version, and the check whether a newer one has been
// published: a small text file on the program's web site that holds "VTL"
// and the latest version (major.minor.revision), fetched over HTTP.

#include "platform/Fetch.h"

#include <QString>
#include <optional>

// This program's version: major, minor and revision joined by ".".
QString ProgramVersion();

// The version file on the program's site (settings item 30): its scheme,
// host and port with the path "/software/vtl_version.txt". Empty when the
// site is not an http or https address.
QString VersionFileAddress(const QString& site);
// The version a version file publishes: "VTL" (capitals), then the version
// as its next five characters, major.minor.revision of one digit each
// ("VTL0.1.01" publishes 0.1.0); anything after them is ignored. No value for
// anything else (an error page, an empty answer, "VTL12.0.1").
std::optional<QString> PublishedVersion(const QString& text);
// Compares two versions number by number: below 0, 0 or above 0.
int CompareVersions(const QString& a, const QString& b);

struct VersionCheckResult {
    enum Kind { Error, Latest, Newer } kind = Error;
    QString current; // this program's version
    QString latest;  // the published version, when one was read
    QString error;   // why the check failed, for the record
};
// Fetches the version file from the site and compares the published version
// with this program's. A lower published version counts as the latest. The
// fetched text, followed by a line end, replaces "temp.txt" of the current
// folder also when the check fails: an error page as it came, or nothing. The
// fetch gives up after idleTimeoutMs without a byte received.
VersionCheckResult CheckVersion(const QString& site, int idleTimeoutMs = kFetchTimeoutMs);
