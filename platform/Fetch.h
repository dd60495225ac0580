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
    QString body;   // the answer's text, when ok
    QString error;  // why the download failed, for the player; empty when ok
    int status = 0; // the HTTP status of the last answer; 0 when none came
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

// Fetches the address with GET, following up to 10 redirects (http may be
// redirected to https, never the other way). Fails on a status other than 2xx,
// a body shorter than announced, or idleTimeoutMs without a byte received
// (a slow answer that keeps coming is waited for). The body is read as the
// program reads its files: UTF-8, and a line that is not valid UTF-8 as
// Windows-1252. Needs a QCoreApplication; it waits in a local event loop
// that, without a stop, holds back keyboard and mouse input, so the caller is
// not re-entered by the player meanwhile. A stop already requested fetches
// nothing.
FetchResult Fetch(const QString& address, int idleTimeoutMs = kFetchTimeoutMs, FetchStop* stop = nullptr);
