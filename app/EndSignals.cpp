#include "app/EndSignals.h"

#ifndef _WIN32
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#endif

namespace korvo {

#ifndef _WIN32

namespace {

constexpr int Ends[] = {SIGTERM, SIGINT, SIGHUP};
int Pipe[2] = {-1, -1};
struct sigaction Previous[std::size(Ends)];

// Only async-signal-safe calls: the signal's number into the pipe.
void noteEnd(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    if (::write(Pipe[1], &number, 1) < 0) {
        // Full: an end is already waiting to be served.
    }
    errno = saved;
}

QString nameOf(int signal) {
    switch (signal) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("SIGTERM");
    }
}

} // namespace

EndSignals::EndSignals(std::function<void(const QString&)> requested, QObject* parent)
    : QObject(parent), Requested(std::move(requested)) {
    // Without the pipe the signals keep ending Korvo at once, as they always did.
    if (::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        Pipe[0] = Pipe[1] = -1;
        return;
    }
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] {
        char number = 0;
        if (::read(Pipe[0], &number, 1) == 1) Requested(nameOf(number));
    });
    struct sigaction action = {};
    action.sa_handler = noteEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Ends); ++i)
        sigaction(Ends[i], &action, &Previous[i]);
}

EndSignals::~EndSignals() {
    if (Pipe[0] < 0) return;
    for (std::size_t i = 0; i < std::size(Ends); ++i)
        sigaction(Ends[i], &Previous[i], nullptr);
    delete Notifier;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

#else

// Windows ends a window program through the session (WM_ENDSESSION), which Qt turns into the
// session signals main() connects.
EndSignals::EndSignals(std::function<void(const QString&)> requested, QObject* parent)
    : QObject(parent), Requested(std::move(requested)) {}
EndSignals::~EndSignals() = default;

#endif

} // namespace korvo
