#include "core/ApplyRun.h"

#include "core/Rollback.h"
#include "core/TerminalReport.h"
#include "platform/NetConfigService.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <exception>
#include <utility>

namespace korvo {

ApplyRun::ApplyRun(std::shared_ptr<platform::ServiceConnector> connector, QObject* parent)
    : QObject(parent), Connector(std::move(connector)) {}

ApplyRun::~ApplyRun() {
    if (ServiceThread) {
        ServiceThread->quit();
        ServiceThread->wait();
    }
}

void ApplyRun::onServiceThread(std::function<void()> work) {
    if (!ServiceThread) {
        ServiceThread = std::make_unique<QThread>();
        ServiceThread->setObjectName(QStringLiteral("Korvo service"));
        ServiceWorker = new QObject;
        ServiceWorker->moveToThread(ServiceThread.get());
        connect(ServiceThread.get(), &QThread::finished, ServiceWorker, &QObject::deleteLater);
        ServiceThread->start();
    }
    QMetaObject::invokeMethod(ServiceWorker, std::move(work), Qt::QueuedConnection);
}

bool ApplyRun::start(const Profile& profile, ApplyMode mode) {
    if (Running) return false;
    Running = true;
    emit runningChanged(true);
    const int number = ++Number;
    // The service may keep a call waiting for long (NetworkManager hung, a password prompt nobody
    // answers).
    onServiceThread([this, connector = Connector, profile, mode, number] {
        ApplyChecks checks;
        checks.undoWithin = std::chrono::seconds(KeepSeconds);
        checks.made = [this, number](const ApplyOutcome& made) {
            QMetaObject::invokeMethod(
                this, [this, made, number] { arrived(made, number); }, Qt::QueuedConnection);
        };
        const ApplyOutcome outcome = Applier(connector).SetInterface(profile, mode, checks);
        // The destructor waits for this thread, so the run is there to be told.
        QMetaObject::invokeMethod(
            this, [this, outcome, number] { arrived(outcome, number); }, Qt::QueuedConnection);
    });
    return true;
}

void ApplyRun::arrived(ApplyOutcome outcome, int number) {
    const bool current = number == Number;
    const bool first = current && Running;
    if (first) {
        Running = false;
        if (EndWait) {
            EndReport = plainReport(outcome).trimmed();
            EndWait->quit();
        }
        emit runningChanged(false);
    }
    bool offer = false;
    if (outcome.Undo) {
        if (current && Offering) {
            // The way back stays here alone, and goes to the service thread to be used.
            Undoable = std::make_shared<ApplyOutcome>(outcome);
            offer = true;
        } else {
            // Another apply is under way (it will change the adapter again), or nobody shows this one.
            onServiceThread([undo = outcome.Undo] {
                try {
                    undo->keep();
                } catch (const std::exception&) {
                    // It may yet roll back by itself; the apply under way reports what the adapter has.
                }
            });
        }
        outcome.Undo.reset();
    }
    if (current) emit this->outcome(outcome, first, offer);
    emit adaptersTouched();
}

void ApplyRun::settleWayBack(bool keep) {
    const std::shared_ptr<ApplyOutcome> undoable = std::exchange(Undoable, nullptr);
    if (!undoable || !undoable->Undo) return;
    onServiceThread([this, keep, undoable, connector = Connector] {
        Rollback& undo = *undoable->Undo;
        ApplyOutcome shown = *undoable;
        shown.Undo.reset();
        if (keep) {
            try {
                undo.keep();
                shown.Reasons.push_back({ReasonKind::Kept});
            } catch (const std::exception& e) {
                shown.Reasons.push_back({ReasonKind::NotKept, {QString::fromStdString(e.what())}});
            }
        } else {
            shown = restoredOutcome(undo, *undoable, connector);
        }
        QMetaObject::invokeMethod(
            this,
            [this, shown] {
                emit wayBackSettled(shown);
                emit adaptersTouched();
            },
            Qt::QueuedConnection);
    });
}

// Ending at once mid-apply left NetworkManager's saved profile new and the adapter's settings old, with
// nothing said: the service's answer is waited for, within bounds, and told.
void ApplyRun::waitBeforeEnding(const QString& by, const std::function<void(const QString&)>& tell) {
    if (Ending || !Running) return;
    Ending = true;
    const int seconds = (EndWaitMs + 999) / 1000;
    const int atMost = (EndWaitMs + PutBackWaitMs + 999) / 1000;
    tell(tr("Korvo: asked to end (%1) while a change to the network is under way; waiting for the "
            "network service's answer (at most %2 s) before ending.")
             .arg(by)
             .arg(atMost));
    QEventLoop wait;
    EndWait = &wait;
    QTimer::singleShot(EndWaitMs, &wait, &QEventLoop::quit);
    wait.exec();
    EndWait = nullptr;
    if (Running) {
        // Put back on a thread of its own: the service may keep it waiting too.
        std::string putBack;
        if (Connector) {
            QEventLoop back;
            std::unique_ptr<QThread> worker(
                QThread::create([&putBack, connector = Connector, ms = PutBackWaitMs] {
                    putBack = connector->putBackUnfinished(std::chrono::milliseconds(ms));
                }));
            connect(worker.get(), &QThread::finished, &back, &QEventLoop::quit);
            worker->start();
            back.exec();
            worker->wait();
        }
        tell(tr("Korvo: the network service did not answer within %1 s; ending without its answer.")
                 .arg(seconds) +
             u' ' +
             (putBack.empty() ? tr("The change may be only partly made: the adapter's saved settings and "
                                   "those in effect can differ until a profile is applied again.")
                              : QString::fromStdString(putBack)));
    } else
        tell(tr("Korvo: the apply under way has finished; ending now. The outcome:") + u'\n' + EndReport);
    Ending = false;
}

} // namespace korvo
