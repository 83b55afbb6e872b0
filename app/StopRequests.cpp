#include "app/StopRequests.h"

#include <algorithm>
#include <iterator>

#ifdef _WIN32
#include <condition_variable>
#include <mutex>
#include <thread>
#include <windows.h>
#else
#include "app/SignalPipe.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <unistd.h>
#endif

namespace korvo {

namespace {

using Clock = std::chrono::steady_clock;

// What the input gave so far: the end of the line (or of the input) ends the answer.
bool takeLine(std::string& pending, Waited& waited) {
    const auto end = pending.find('\n');
    if (end == std::string::npos) return false;
    waited.end = Waited::End::Answered;
    waited.line = pending.substr(0, end);
    if (!waited.line.empty() && waited.line.back() == '\r') waited.line.pop_back();
    return true;
}

#ifndef _WIN32

std::string nameOf(int signal) {
    switch (signal) {
    case SIGINT:
        return "Ctrl-C";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "signal " + std::to_string(signal);
    }
}

#else

std::mutex Lock;
std::condition_variable Changed;
std::string StoppedBy;
bool Reading = false;
bool InputDone = false;
bool Woken = false;
std::string Input;

BOOL WINAPI noteStop(DWORD type) {
    const char* name = type == CTRL_C_EVENT       ? "Ctrl-C"
                       : type == CTRL_BREAK_EVENT ? "Ctrl-Break"
                       : type == CTRL_CLOSE_EVENT ? "closing the console"
                                                  : nullptr;
    if (!name) return FALSE;
    {
        const std::lock_guard hold(Lock);
        if (StoppedBy.empty()) StoppedBy = name;
    }
    Changed.notify_all();
    // Windows ends the process as soon as this returns from a closing console: the time it allows
    // goes to the rollback, and the run exits by itself once that is done.
    if (type == CTRL_CLOSE_EVENT) Sleep(5000);
    return TRUE;
}

// ReadFile, not stdio: this thread may still be blocked in it when the process exits.
void readInput() {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    char chunk[256];
    DWORD got = 0;
    bool ended = false;
    while (!ended) {
        ended = !ReadFile(in, chunk, sizeof chunk, &got, nullptr) || got == 0;
        const std::lock_guard hold(Lock);
        Input.append(chunk, ended ? 0 : got);
        if (ended || Input.find('\n') != std::string::npos) InputDone = true;
        ended = ended || InputDone;
    }
    Changed.notify_all();
}

#endif

} // namespace

#ifndef _WIN32

// Without the pipe Korvo stops as before: the service's own timer still rolls back.
StopRequests::StopRequests()
    : Signals(std::make_unique<SignalPipe>(std::initializer_list<int>{SIGINT, SIGTERM, SIGHUP})) {}

StopRequests::~StopRequests() = default;

Waited StopRequests::wait(Clock::time_point deadline, bool readLine) {
    Waited waited;
    std::string pending;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd fds[] = {{Signals->readEnd(), POLLIN, 0}, {readLine ? 0 : -1, POLLIN, 0}};
        const int ready = ::poll(fds, 2, static_cast<int>(std::clamp<decltype(left)>(left, 0, 3600000)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return waited;
        if (fds[0].revents & POLLIN) {
            const int number = Signals->take();
            if (number == 0) return waited; // wake(), not a signal
            if (number > 0) {
                waited.end = Waited::End::Stopped;
                waited.stoppedBy = nameOf(number);
                return waited;
            }
        }
        if (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            char chunk[256];
            const ssize_t got = ::read(0, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return waited; // the input ended (Ctrl-D) before a line
            pending.append(chunk, static_cast<std::size_t>(got));
            if (takeLine(pending, waited)) return waited;
        }
        if (ready == 0 && Clock::now() >= deadline) return waited;
    }
}

void StopRequests::wake() {
    Signals->wake();
}

#else

StopRequests::StopRequests() {
    SetConsoleCtrlHandler(noteStop, TRUE);
}

StopRequests::~StopRequests() {
    SetConsoleCtrlHandler(noteStop, FALSE);
}

Waited StopRequests::wait(Clock::time_point deadline, bool readLine) {
    std::unique_lock hold(Lock);
    if (readLine && !Reading) {
        Reading = true;
        std::thread(readInput).detach();
    }
    Changed.wait_until(hold, deadline,
                       [readLine] { return Woken || !StoppedBy.empty() || (readLine && InputDone); });
    Waited waited;
    if (Woken) {
        Woken = false;
    } else if (!StoppedBy.empty()) {
        waited.end = Waited::End::Stopped;
        waited.stoppedBy = StoppedBy;
    } else if (readLine && InputDone) {
        takeLine(Input, waited);
    }
    return waited;
}

void StopRequests::wake() {
    {
        const std::lock_guard hold(Lock);
        Woken = true;
    }
    Changed.notify_all();
}

#endif

} // namespace korvo
