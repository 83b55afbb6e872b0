// The user's ways of stopping a command-line run that holds a change open (Ctrl-C, SIGTERM, SIGHUP; on
// Windows Ctrl-C, Ctrl-Break and closing the console), turned from "end at once" into an answer the run
// can act on, and the wait for a line typed on the terminal. Nothing here uses stdio: a thread blocked
// in a stdio read holds that stream's lock, and the exit's flush would wait for it forever.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace korvo {

class SignalPipe;

struct Waited {
    enum class End { Answered, NoAnswer, Stopped };
    End end = End::NoAnswer; // NoAnswer: the time was up, or the input ended without a line
    std::string line;        // Answered: the line typed, without its end
    std::string stoppedBy;   // Stopped: "Ctrl-C", "SIGTERM"...
};

class StopRequests {
public:
    // From here until it is gone, a stop request no longer ends Korvo: it ends the next (or the
    // current) wait. The signal handler only writes the signal's number into a pipe.
    StopRequests();
    ~StopRequests();
    StopRequests(const StopRequests&) = delete;
    StopRequests& operator=(const StopRequests&) = delete;

    // Until `deadline`, for a stop request and, with `readLine`, a line on the standard input.
    Waited wait(std::chrono::steady_clock::time_point deadline, bool readLine);
    // Ends the wait under way on another thread (or the next one) at once, as if its time were up.
    void wake();

private:
#ifndef _WIN32
    std::unique_ptr<SignalPipe> Signals;
#endif
};

} // namespace korvo
