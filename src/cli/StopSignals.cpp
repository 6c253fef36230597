#include "cli/StopSignals.h"

#include <csignal>
#include <cstdio>
#include <iterator>

#include <unistd.h>

namespace qbx::cli {

namespace {

volatile std::sig_atomic_t gStopSignal = 0;

extern "C" void OnStopSignal(int signal)
{
    gStopSignal = signal;
}

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction gOld[std::size(kSignals)]{};
int gDepth = 0;

} // namespace

TStopSignals::TStopSignals()
{
    if (gDepth++ > 0)
        return;
    sigset_t unblock;
    sigemptyset(&unblock);
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(kSignals[i], nullptr, &gOld[i]);
        if (kSignals[i] == SIGHUP && gOld[i].sa_handler == SIG_IGN)
            continue;
        sigaction(kSignals[i], &action, nullptr);
        sigaddset(&unblock, kSignals[i]);
    }
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
}

TStopSignals::~TStopSignals()
{
    if (--gDepth > 0)
        return;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &gOld[i], nullptr);
}

bool TStopSignals::Requested()
{
    return gStopSignal != 0;
}

void TStopSignals::EndIfRequested()
{
    const int signal = gStopSignal;
    if (signal == 0)
        return;
    std::fflush(stdout);
    std::fflush(stderr);
    // Ends by the signal itself, whatever handling the process started with,
    // so the caller sees how it ended.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    std::raise(signal);
    _exit(128 + signal);
}

} // namespace qbx::cli
