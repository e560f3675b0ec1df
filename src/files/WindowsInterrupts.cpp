// Ctrl+C, Ctrl+Break and the console being closed (or the user logging off, or the system shutting
// down), through a console control handler, which Windows runs on a thread of its own. A critical
// section keeps the handler and the start of a write apart, so a request either ends the program
// before the write begins or is kept for it.
#include "files/Interrupts.h"
#include "files/WindowsText.h"

namespace orvane {

namespace {

constexpr int InterruptStatus = 130;
constexpr int TerminateStatus = 143;

// Guards `deferring` and `requested`; `writeEnded` is set whenever no write is under way.
CRITICAL_SECTION guard;
HANDLE writeEnded = nullptr;
bool deferring = false;
int requested = 0;

BOOL WINAPI onControl(DWORD event)
{
    const int status = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? InterruptStatus : TerminateStatus;
    EnterCriticalSection(&guard);
    if (!deferring) ExitProcess(static_cast<UINT>(status));
    requested = status;
    LeaveCriticalSection(&guard);
    if (status == InterruptStatus) return TRUE; // the program goes on, and ends once the write is done
    // The system ends the process once this returns (or after a few seconds): the write is waited for.
    WaitForSingleObject(writeEnded, INFINITE);
    ExitProcess(static_cast<UINT>(status));
}

} // namespace

void watchInterrupts()
{
    InitializeCriticalSection(&guard);
    writeEnded = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    SetConsoleCtrlHandler(onControl, TRUE);
}

DeferInterrupts::DeferInterrupts()
{
    if (writeEnded == nullptr) return; // nothing is watched
    EnterCriticalSection(&guard);
    deferring = true;
    ResetEvent(writeEnded);
    LeaveCriticalSection(&guard);
}

DeferInterrupts::~DeferInterrupts()
{
    if (writeEnded == nullptr) return;
    EnterCriticalSection(&guard);
    deferring = false;
    SetEvent(writeEnded);
    LeaveCriticalSection(&guard);
}

bool interruptRequested() { return interruptExitStatus() != 0; }

int interruptExitStatus()
{
    if (writeEnded == nullptr) return 0;
    EnterCriticalSection(&guard);
    const int status = requested;
    LeaveCriticalSection(&guard);
    return status;
}

} // namespace orvane
