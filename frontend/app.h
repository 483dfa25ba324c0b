// The application object of pellard: runs the main dialog on one command
// stream and one output stream; the program ends when the main dialog does.
#pragma once

#include <iosfwd>

namespace frontend {

class CFrontEndApp {
public:
    CFrontEndApp(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    // Runs the main dialog modally; returns false, so that the program ends.
    bool InitInstance();

private:
    std::istream& in_;
    std::ostream& out_;
};

// The whole program from program start: every job global at its start
// value, then the application object. The conversion libraries are reached
// through Libraries() (library_entries.h), which the caller binds. Returns
// the program's exit status: 1 when a county of the job failed, else 0.
int RunPellard(std::istream& in, std::ostream& out);

}  // namespace frontend
