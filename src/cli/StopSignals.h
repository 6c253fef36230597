#pragma once

namespace qbx::cli {

// Ctrl-C (SIGINT), a termination (SIGTERM) or a hang-up (SIGHUP) while a
// command works on a catalogue: the work stops at its next check and the
// process then ends by that signal, having written nothing (a half-written
// file beside the catalogue is removed first). SIGINT and SIGTERM are caught
// even when the starting shell ignored them (a job started in the
// background), since they are how a user stops the command; a hang-up that
// the caller ignores (nohup) stays ignored. The previous handling comes back
// when the object goes.
class TStopSignals {
public:
    TStopSignals();
    ~TStopSignals();
    TStopSignals(const TStopSignals &) = delete;
    TStopSignals &operator=(const TStopSignals &) = delete;

    // True once a stop signal has arrived.
    static bool Requested();
    // When a stop signal has arrived: ends the process by it (status 128 + the
    // signal's number in a shell). Otherwise returns.
    static void EndIfRequested();
};

} // namespace qbx::cli
