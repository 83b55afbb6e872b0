// A stop request (Ctrl-C, SIGTERM, SIGHUP) while the command line's apply waits for the service. Ending
// at once left NetworkManager's saved profile new and the adapter's settings old: the apply goes on to
// its answer instead, for at most `answerWait`; past that, what it saved is put back (at most
// `putBackWait` more) and the process ends, saying so.
#pragma once

#include "app/StopRequests.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace korvo {

namespace platform {
class ServiceConnector;
}

class StopDuringApply {
public:
    StopDuringApply(StopRequests& stops, std::shared_ptr<platform::ServiceConnector> connector,
                    std::chrono::milliseconds answerWait = std::chrono::seconds(12),
                    std::chrono::milliseconds putBackWait = std::chrono::seconds(3));
    // The apply has answered.
    ~StopDuringApply();
    StopDuringApply(const StopDuringApply&) = delete;
    StopDuringApply& operator=(const StopDuringApply&) = delete;

    // Once the apply has answered: what stopped it ("SIGTERM"), or empty.
    std::string stoppedBy() const { return StoppedBy; }

private:
    void watch(StopRequests& stops, std::chrono::milliseconds answerWait,
               std::chrono::milliseconds putBackWait);

    StopRequests& Stops;
    std::shared_ptr<platform::ServiceConnector> Connector;
    std::mutex Lock;
    std::condition_variable Answered;
    bool Done = false;
    std::string StoppedBy;
    std::thread Watcher;
};

} // namespace korvo
