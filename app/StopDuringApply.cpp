#include "app/StopDuringApply.h"

#include "app/CommandLineActions.h"
#include "app/TextOutput.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace korvo {

namespace {

void say(const QString& text) {
    writeText(stderr, text + u'\n');
    std::fflush(stderr);
}

} // namespace

StopDuringApply::StopDuringApply(StopRequests& stops, std::shared_ptr<platform::ServiceConnector> connector,
                                 std::chrono::milliseconds answerWait, std::chrono::milliseconds putBackWait)
    : Stops(stops), Connector(std::move(connector)),
      Watcher([this, &stops, answerWait, putBackWait] { watch(stops, answerWait, putBackWait); }) {}

StopDuringApply::~StopDuringApply() {
    {
        const std::lock_guard hold(Lock);
        Done = true;
    }
    Answered.notify_all();
    Stops.wake();
    Watcher.join();
}

void StopDuringApply::watch(StopRequests& stops, std::chrono::milliseconds answerWait,
                            std::chrono::milliseconds putBackWait) {
    // The apply's answer wakes the wait (the destructor), so the watch ends at once.
    for (;;) {
        {
            const std::lock_guard hold(Lock);
            if (Done) return;
        }
        const Waited waited = stops.wait(std::chrono::steady_clock::now() + std::chrono::hours(1), false);
        if (waited.end == Waited::End::Stopped) {
            const std::lock_guard hold(Lock);
            StoppedBy = waited.stoppedBy;
            break;
        }
    }
    say(QCoreApplication::translate(
            "StopDuringApply", "korvo: stopped by %1 while the change is under way; waiting for the network "
                               "service's answer (at most %2 s) before ending.")
            .arg(QString::fromStdString(StoppedBy))
            .arg((answerWait + putBackWait + std::chrono::milliseconds(999)) / std::chrono::seconds(1)));
    std::unique_lock hold(Lock);
    if (Answered.wait_for(hold, answerWait, [this] { return Done; })) return;
    hold.unlock();
    const std::string putBack = Connector ? Connector->putBackUnfinished(putBackWait) : std::string();
    say(QCoreApplication::translate(
            "StopDuringApply", "korvo: the network service did not answer within %1 s; ending without its "
                               "answer.")
            .arg(answerWait / std::chrono::seconds(1)) +
        u' ' +
        (putBack.empty() ? QCoreApplication::translate(
                               "StopDuringApply", "The change may be only partly made: the adapter's saved "
                                                  "settings and those in effect can differ until a profile "
                                                  "is applied again.")
                         : QString::fromStdString(putBack)));
    std::fflush(nullptr);
    std::_Exit(exit_code::ServiceFailed);
}

} // namespace korvo
