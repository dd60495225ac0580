#pragma once
// Downloads one web address (http or https) and hands back its text, or a
// sentence for the player saying why it could not. The caller waits, but the
// program's timers and repainting go on meanwhile.

#include <QString>
#include <functional>

// How long a fetch may go without receiving a byte.
inline constexpr int kFetchTimeoutMs = 30000;

struct FetchResult {
    bool ok = false;
    QString body;     // the answer's text, when ok
    QString received; // the text that arrived, also when the download failed
                      // (an error page, a body cut short); empty when none came
    QString error;    // why the download failed, for the player; empty when ok
    int status = 0;   // the HTTP status of the last answer; 0 when none came
};

// Lets the caller stop a fetch while it waits. A fetch given one takes the
// player's keyboard and mouse input meanwhile (the caller is ready to be
// re-entered), and ends at once, as failed, when stop() is called.
class FetchStop {
public:
    void stop();
    bool requested() const { return requested_; }

private:
    friend struct FetchStopHook;
    bool requested_ = false;
    std::function<void()> abort_; // set while a fetch waits
};

// What keeps the text from being a web address the program fetches or opens,
// as a clause for the player ("it names no web site"); empty when it is one:
// http:// or https://, a site name, and only characters an address may hold
// (letters of any alphabet are encoded on the way).
QString WebAddressFault(const QString& address);
// The fault of an address that does not start with http:// or https://.
inline const QString kNotAWebScheme = QStringLiteral("it must start with http:// or https://");

// Fetches the address with GET, following up to 10 redirects (http may be
// redirected to https, never the other way). Fails on a status other than 2xx,
// a body shorter than announced, or idleTimeoutMs without a byte received
// (a slow answer that keeps coming is waited for). The body is read as the
// program reads its files: UTF-8, and a line that is not valid UTF-8 as
// Windows-1252. Needs a QCoreApplication; it waits in a local event loop
// that, without a stop, holds back keyboard and mouse input, so the caller is
// not re-entered by the player meanwhile. A stop already requested fetches
// nothing. An address with a fault is refused without connecting, saying it.
FetchResult Fetch(const QString& address, int idleTimeoutMs = kFetchTimeoutMs, FetchStop* stop = nullptr);
