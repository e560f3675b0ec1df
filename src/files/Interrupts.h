#pragma once
// Ctrl+C and termination of a command-line program while it writes a game: outside a write the
// program ends at once (nothing of the game is half done); during one the request is kept, the write
// finishes or undoes itself at its next step, and the program then ends with 128 + the signal's number
// (130 for an interrupt, 143 for a termination), as a shell reports a program ended by it.
namespace orvane {

// Starts watching for the interrupt and termination requests of the platform.
void watchInterrupts();

// While one of these lives, a request is kept rather than ending the program.
class DeferInterrupts {
public:
    DeferInterrupts();
    ~DeferInterrupts();
    DeferInterrupts(const DeferInterrupts&) = delete;
    DeferInterrupts& operator=(const DeferInterrupts&) = delete;
};

// True once a request came during a write.
bool interruptRequested();
// The exit status for the request that came: 130 or 143; 0 when none came.
int interruptExitStatus();

} // namespace orvane
