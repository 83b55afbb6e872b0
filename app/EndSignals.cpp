#include "app/EndSignals.h"

#ifndef _WIN32
#include "app/SignalPipe.h"

#include <QSocketNotifier>
#include <csignal>
#endif

namespace korvo {

#ifndef _WIN32

namespace {

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
    : QObject(parent), Requested(std::move(requested)),
      Signals(std::make_unique<SignalPipe>(std::initializer_list<int>{SIGTERM, SIGINT, SIGHUP})) {
    // Without the pipe the signals keep ending Korvo at once, as they always did.
    if (!Signals->open()) return;
    Notifier = new QSocketNotifier(Signals->readEnd(), QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this] {
        const int number = Signals->take();
        if (number > 0) Requested(nameOf(number));
    });
}

EndSignals::~EndSignals() {
    // The notifier goes before the pipe it watches.
    delete Notifier;
}

#else

// Windows ends a window program through the session (WM_ENDSESSION), which Qt turns into the
// session signals main() connects.
EndSignals::EndSignals(std::function<void(const QString&)> requested, QObject* parent)
    : QObject(parent), Requested(std::move(requested)) {}
EndSignals::~EndSignals() = default;

#endif

} // namespace korvo
