#include "app/SignalPipe.h"

#include <QTest>
#include <csignal>
#include <poll.h>

using korvo::SignalPipe;

namespace {

int Handled = 0;
void countSignal(int) {
    ++Handled;
}

} // namespace

class TestSignalPipe : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Handled = 0;
        std::signal(SIGUSR1, countSignal);
        std::signal(SIGUSR2, countSignal);
    }

    // Each taken signal arrives as its own number, in order; a wake as 0; nothing else waits.
    void signalsBecomeNumbers() {
        SignalPipe pipe{SIGUSR1, SIGUSR2};
        QVERIFY(pipe.open());
        QCOMPARE(pipe.take(), -1);
        std::raise(SIGUSR2);
        pipe.wake();
        std::raise(SIGUSR1);
        pollfd watched{pipe.readEnd(), POLLIN, 0};
        QCOMPARE(::poll(&watched, 1, 0), 1);
        QCOMPARE(pipe.take(), SIGUSR2);
        QCOMPARE(pipe.take(), 0);
        QCOMPARE(pipe.take(), SIGUSR1);
        QCOMPARE(pipe.take(), -1);
        QCOMPARE(Handled, 0);
    }

    // Gone, it gives the signals back to the handlers they had; a signal not taken never reached it.
    void givesSignalsBack() {
        {
            SignalPipe pipe{SIGUSR1};
            std::raise(SIGUSR2);
            QCOMPARE(Handled, 1);
            QCOMPARE(pipe.take(), -1);
        }
        std::raise(SIGUSR1);
        QCOMPARE(Handled, 2);
    }

    // A second one while the first holds the pipe takes nothing, and going leaves the first working.
    void oneAtATime() {
        SignalPipe first{SIGUSR1};
        {
            SignalPipe second{SIGUSR2};
            QVERIFY(!second.open());
            QCOMPARE(second.readEnd(), -1);
            second.wake();
            std::raise(SIGUSR2);
            QCOMPARE(Handled, 1);
        }
        QCOMPARE(first.take(), -1);
        std::raise(SIGUSR1);
        QCOMPARE(first.take(), SIGUSR1);
        QCOMPARE(Handled, 1);
    }
};

QTEST_APPLESS_MAIN(TestSignalPipe)
#include "test_signal_pipe.moc"
