// SIGINT and SIGTERM through sigaction: the handler only ends the process or notes the signal, both
// safe inside a signal handler.
#include <csignal>

#include <unistd.h>

#include "files/Interrupts.h"

namespace orvane {

namespace {

volatile std::sig_atomic_t deferring = 0;
volatile std::sig_atomic_t requested = 0;

extern "C" void onSignal(int number)
{
    if (deferring == 0) _exit(128 + number);
    requested = number;
}

} // namespace

void watchInterrupts()
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

DeferInterrupts::DeferInterrupts() { deferring = 1; }

DeferInterrupts::~DeferInterrupts() { deferring = 0; }

bool interruptRequested() { return requested != 0; }

int interruptExitStatus() { return requested == 0 ? 0 : 128 + requested; }

} // namespace orvane
