// The window's Korvo and the ways a desktop or a shell ends a process (SIGTERM at logout or from
// systemd, Ctrl-C, SIGHUP when its terminal closes): each becomes a request to end, which the main
// window serves as its "Exit" does, so that an apply under way is not cut in half.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace korvo {

class SignalPipe;

class EndSignals : public QObject {
public:
    // From here on the signals call `requested` from the event loop with the signal's name.
    explicit EndSignals(std::function<void(const QString& by)> requested, QObject* parent = nullptr);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    std::function<void(const QString&)> Requested;
#ifndef _WIN32
    std::unique_ptr<SignalPipe> Signals;
#endif
    QSocketNotifier* Notifier = nullptr;
};

} // namespace korvo
