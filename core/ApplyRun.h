// One apply at a time, run on a service thread of its own so that a service slow to answer keeps no
// window waiting: its outcomes, the way back it may hold, and what ending while it runs waits for.
// The window, the tray and the adapter states observe it; it shows nothing.
#pragma once

#include "core/Applier.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QEventLoop;
class QThread;

namespace korvo {

namespace platform {
class ServiceConnector;
} // namespace platform

class ApplyRun : public QObject {
    Q_OBJECT

public:
    // How long a change that cut the adapter off from its gateway is offered for keeping.
    static constexpr int KeepSeconds = 20;

    explicit ApplyRun(std::shared_ptr<platform::ServiceConnector> connector, QObject* parent = nullptr);
    // An apply still under way finishes first: it holds the service's connection.
    ~ApplyRun() override;

    bool running() const { return Running; }
    // Applies `profile` on the service thread (started by the first apply, so that start-up does not
    // pay for it); false, and nothing done, while another apply runs.
    bool start(const Profile& profile, ApplyMode mode);
    // Whether someone shows the outcomes and can offer their way back; without one it is kept at once.
    void setOffering(bool offering) { Offering = offering; }
    // The way back offered last: kept, or taken; wayBackSettled tells what the adapter has then.
    void settleWayBack(bool keep);

    // Ending while an apply runs waits for the service's answer at most `waitMs`, then has the
    // backend put back what the apply saved but did not put into effect (at most `putBackMs` more),
    // telling what it does; at once when no apply runs.
    void waitBeforeEnding(const QString& by, const std::function<void(const QString&)>& tell);
    bool ending() const { return Ending; }
    void setEndWaits(int waitMs, int putBackMs) {
        EndWaitMs = waitMs;
        PutBackWaitMs = putBackMs;
    }

signals:
    void runningChanged(bool running);
    // The last apply's outcome: `first` when it ends the run, else the gateway's answer after it;
    // `offersKeep` when its way back is held for settleWayBack.
    void outcome(const korvo::ApplyOutcome& outcome, bool first, bool offersKeep);
    // An outcome of any apply came, shown or not: the adapters may have changed.
    void adaptersTouched();
    // What the adapter has once the way back was kept or taken.
    void wayBackSettled(const korvo::ApplyOutcome& shown);

private:
    // `number` counts the applies: only the last one's outcomes are told. It comes twice when the
    // gateway is asked: as soon as the change is made, and with the gateway's answer.
    void arrived(ApplyOutcome outcome, int number);
    void onServiceThread(std::function<void()> work);

    std::shared_ptr<platform::ServiceConnector> Connector;
    std::unique_ptr<QThread> ServiceThread;
    QObject* ServiceWorker = nullptr;
    bool Running = false;
    int Number = 0;
    bool Offering = false;
    std::shared_ptr<ApplyOutcome> Undoable; // the outcome whose way back is offered
    int EndWaitMs = 12000;
    int PutBackWaitMs = 3000;
    bool Ending = false;
    QEventLoop* EndWait = nullptr; // which the outcome ends
    QString EndReport;             // the outcome, as the terminal reads it
};

} // namespace korvo
