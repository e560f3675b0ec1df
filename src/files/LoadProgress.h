#pragma once
// Where a load reports its steps: the progress window implements it.
#include <string>

namespace orvane {

class LoadProgress {
public:
    virtual ~LoadProgress() = default;
    // Shows the window with both lines empty and the OK button hidden.
    virtual void begin() = 0;
    // Adds a piece to the end of the progress line.
    virtual void append(const std::string& piece) = 0;
    // Replaces the step line.
    virtual void report(const std::string& step) = 0;
    // Shows the OK button: the load has ended, however it ended.
    virtual void finish() = 0;
};

// A load that reports nothing: for loads run without a window (tests, benchmarks).
class SilentProgress : public LoadProgress {
public:
    void begin() override {}
    void append(const std::string&) override {}
    void report(const std::string&) override {}
    void finish() override {}
};

} // namespace orvane
