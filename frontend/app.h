// The application object of pellard: runs the main dialog on one command
// stream and one output stream; the program ends when the main dialog does.
#pragma once

#include <iosfwd>

namespace frontend {

class CFrontEndApp {
public:
    CFrontEndApp(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    // Runs the main dialog modally; returns false, so that the program ends.
    // When the input ends before GO, says so in a message box.
    bool InitInstance();

    // How the main dialog ended: by GO, and whether its input ran out.
    bool WentThroughGo() const { return wentThroughGo_; }
    bool InputEnded() const { return inputEnded_; }

private:
    std::istream& in_;
    std::ostream& out_;
    bool wentThroughGo_ = false;
    bool inputEnded_ = false;
};

// The exit status of a session, the highest that applies: 2 when a command
// or value was refused, or when the input ended before GO; 1 when a county
// failed (GO then converted less than it was given); else 0 (GO converted
// every county, or the session was cancelled).
int SessionExitStatus(bool wentThroughGo, bool inputEnded, int failedCounties, int refusals);

// The whole program from program start: every job global at its start
// value, then the application object. The conversion libraries are reached
// through Libraries() (library_entries.h), which the caller binds. Returns
// the session's exit status.
int RunPellard(std::istream& in, std::ostream& out);

}  // namespace frontend
