#include "shell/Signals.h"

#include <signal.h>
#include <unistd.h>

#include <initializer_list>

namespace morvane {
namespace {

// Only async-signal-safe calls here: the signal may arrive anywhere.
extern "C" void EndNow(int signal) { _exit(128 + signal); }

void Install(int signal) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = EndNow;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

}  // namespace

void EndOnSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) Install(signal);
}

}  // namespace morvane
