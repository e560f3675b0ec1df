// Ctrl+C, Ctrl+Break and the console being closed, through a console control handler, which Windows
// runs on a thread of its own.
#include <atomic>

#include <windows.h>

#include "files/Interrupts.h"

namespace orvane {

namespace {

constexpr int InterruptStatus = 130;
constexpr int TerminateStatus = 143;

std::atomic<bool> deferring{false};
std::atomic<int> requested{0};

BOOL WINAPI onControl(DWORD event)
{
    const int status = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? InterruptStatus : TerminateStatus;
    if (!deferring) ExitProcess(static_cast<UINT>(status));
    requested = status;
    return TRUE;
}

} // namespace

void watchInterrupts()
{
    SetConsoleCtrlHandler(onControl, TRUE);
}

DeferInterrupts::DeferInterrupts()
{
    deferring = true;
}

DeferInterrupts::~DeferInterrupts()
{
    deferring = false;
}

bool interruptRequested()
{
    return requested != 0;
}

int interruptExitStatus()
{
    return requested;
}

} // namespace orvane
