#include "app/SignalPipe.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace korvo {

namespace {

int Pipe[2] = {-1, -1};
std::vector<std::pair<int, struct sigaction>> Previous;

void noteSignal(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    if (::write(Pipe[1], &number, 1) < 0) {
        // Full: a signal is already waiting to be read.
    }
    errno = saved;
}

} // namespace

SignalPipe::SignalPipe(std::initializer_list<int> taken) {
    if (Pipe[0] >= 0) return; // another holds the signals
    if (::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        Pipe[0] = Pipe[1] = -1;
        return;
    }
    Owns = true;
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : taken) {
        struct sigaction previous = {};
        if (sigaction(signal, &action, &previous) == 0) Previous.emplace_back(signal, previous);
    }
}

SignalPipe::~SignalPipe() {
    if (!open()) return;
    for (const auto& [signal, previous] : Previous)
        sigaction(signal, &previous, nullptr);
    Previous.clear();
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

bool SignalPipe::open() const {
    return Owns;
}

int SignalPipe::readEnd() const {
    return open() ? Pipe[0] : -1;
}

int SignalPipe::take() {
    char number = 0;
    if (!open() || ::read(Pipe[0], &number, 1) != 1) return -1;
    return static_cast<unsigned char>(number);
}

void SignalPipe::wake() {
    const char zero = 0;
    if (open() && ::write(Pipe[1], &zero, 1) < 0) {
        // Full: the watcher has plenty to wake it.
    }
}

} // namespace korvo
