// Qt's accessibility bridge asks for the session bus when the first control is
// made, and the window thread waits for the answer; where there is no session
// bus, libdbus first tries to start one. Asked for on a thread of its own before
// the application exists, the answer is ready by the time the window needs it.
#pragma once

#include <thread>

namespace korvo {

class SessionBusWarmup {
public:
    SessionBusWarmup();
    ~SessionBusWarmup();
    // Waits for the connection: before the application object goes.
    void finish();
    SessionBusWarmup(const SessionBusWarmup&) = delete;
    SessionBusWarmup& operator=(const SessionBusWarmup&) = delete;

private:
    std::thread Connecting;
};

} // namespace korvo
