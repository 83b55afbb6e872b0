#include "app/SessionBusWarmup.h"

#include <QDBusConnection>
#include <QThread>

namespace korvo {

SessionBusWarmup::SessionBusWarmup() {
    // Qt has to count this thread, not the connecting one, as its main thread.
    (void)QThread::currentThread();
    // The connection is Qt's shared one, which the bridge and the tray icon ask for later.
    Connecting = std::thread([] { (void)QDBusConnection::sessionBus(); });
}

// A bus that takes long to answer would hold up the window all the same; at exit it is waited for.
SessionBusWarmup::~SessionBusWarmup() {
    finish();
}

void SessionBusWarmup::finish() {
    if (Connecting.joinable()) Connecting.join();
}

} // namespace korvo
