// The apply run off the window thread: one apply at a time, its outcome told once it is made, the way
// back of a change that cut the adapter off kept or taken, and what an ending while it runs waits for.
#include "core/ApplyRun.h"
#include "core/ResultTexts.h"
#include "core/Rollback.h"
#include "tests/support/RecordingService.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;
using Kind = platform::LinkAnswer::Kind;

namespace {

const Profile Static{"192.0.2.10", "255.255.255.0", "192.0.2.1", "", "", "", "", "name", "eth0"};

std::shared_ptr<RecordingService> service() {
    auto s = std::make_shared<RecordingService>();
    s->adapters.push_back({"eth0", {}, {}});
    return s;
}

// The gateway answered before the change and does not after it: the apply hands over a way back.
std::shared_ptr<RecordingService> cutOff() {
    auto s = service();
    s->states["eth0"] = {false, {"198.51.100.7/24"}, "192.0.2.1", {}};
    s->adapters.front().reachBefore["192.0.2.1"] = {Kind::Answered, "52:54:00:12:34:56", {}};
    s->adapters.front().reachAfter["192.0.2.1"] = {Kind::Silent, {}, {}};
    return s;
}

bool hasCall(const RecordingService& s, const std::string& call) {
    const std::vector<std::string> calls = s.methodCalls();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

} // namespace

class TestApplyRun : public QObject {
    Q_OBJECT
private slots:
    void oneAtATime() {
        auto s = service();
        ApplyRun run(s);
        QSignalSpy running(&run, &ApplyRun::runningChanged);
        QSignalSpy told(&run, &ApplyRun::outcome);
        QSignalSpy touched(&run, &ApplyRun::adaptersTouched);
        QVERIFY(run.start(Static, ApplyMode::Static));
        QVERIFY(run.running());
        QVERIFY(!run.start(Static, ApplyMode::Static)); // refused while the first runs
        QTRY_VERIFY_WITH_TIMEOUT(!run.running(), 10000);
        QCOMPARE(running.size(), 2);
        QCOMPARE(running.at(1).at(0).toBool(), false);
        // Told as soon as the change is made, then with the gateway's answer; only the first ends the run.
        QCOMPARE(told.size(), 2);
        QCOMPARE(told.at(0).at(1).toBool(), true);
        QCOMPARE(told.at(1).at(1).toBool(), false);
        QCOMPARE(told.at(1).at(0).value<ApplyOutcome>().State, ApplyState::Applied);
        QCOMPARE(touched.size(), 2);
        const std::vector<std::string> calls = s->methodCalls();
        QCOMPARE(std::count(calls.begin(), calls.end(), "eth0 EnableStatic [192.0.2.10] [255.255.255.0]"), 1);
    }

    // Nobody to offer it to: kept at once. Offered: kept or taken as the user decides, and told.
    void wayBack_data() {
        QTest::addColumn<bool>("offering");
        QTest::addColumn<int>("decision"); // -1 none, 0 taken, 1 kept
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("restored");
        QTest::newRow("nobody shows it") << false << -1 << "" << false;
        QTest::newRow("kept") << true << 1 << "These settings are kept." << false;
        QTest::newRow("taken back") << true << 0 << "" << true;
    }
    void wayBack() {
        QFETCH(bool, offering);
        QFETCH(int, decision);
        QFETCH(QString, reason);
        QFETCH(bool, restored);
        auto s = cutOff();
        ApplyRun run(s);
        run.setOffering(offering);
        QSignalSpy told(&run, &ApplyRun::outcome);
        QSignalSpy settled(&run, &ApplyRun::wayBackSettled);
        QVERIFY(run.start(Static, ApplyMode::Static));
        QTRY_COMPARE_WITH_TIMEOUT(told.size(), 2, 10000);
        // The way back never leaves the run with an outcome.
        QVERIFY(!told.at(1).at(0).value<ApplyOutcome>().Undo);
        QCOMPARE(told.at(1).at(2).toBool(), offering);
        if (decision >= 0) {
            s->clear();
            run.settleWayBack(decision == 1);
            QTRY_COMPARE_WITH_TIMEOUT(settled.size(), 1, 10000);
            const ApplyOutcome shown = settled.at(0).at(0).value<ApplyOutcome>();
            if (!reason.isEmpty()) QVERIFY(reasonTexts(shown.Reasons).contains(reason));
            QCOMPARE(hasCall(*s, "eth0 EnableStatic [198.51.100.7] [255.255.255.0]"), restored);
            run.settleWayBack(true); // settled once: a second decision does nothing
        }
        QTest::qWait(50);
        QCOMPARE(settled.size(), decision >= 0 ? 1 : 0);
    }

    // Ending while the service has not answered waits for it within bounds and tells what came of it.
    void endingWaitsForTheAnswer_data() {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QString>("last");
        QTest::newRow("answers in time") << true << "Korvo: the apply under way has finished; ending now.";
        QTest::newRow("never answers") << false << "Korvo: the network service did not answer within 1 s;";
    }
    void endingWaitsForTheAnswer() {
        QFETCH(bool, answers);
        QFETCH(QString, last);
        auto s = service();
        QSemaphore hold;
        s->beforeApply = [&hold] { hold.acquire(); };
        ApplyRun run(s);
        run.setEndWaits(answers ? 10000 : 100, 0);
        QVERIFY(run.start(Static, ApplyMode::Static));
        if (answers) QTimer::singleShot(20, [&hold] { hold.release(); });
        QStringList said;
        run.waitBeforeEnding(QStringLiteral("Exit"), [&said](const QString& text) { said << text; });
        QCOMPARE(said.size(), 2);
        QVERIFY(
            said.at(0).startsWith("Korvo: asked to end (Exit) while a change to the network is under way"));
        QVERIFY2(said.at(1).startsWith(last), qPrintable(said.at(1)));
        QCOMPARE(run.running(), !answers);
        if (answers) QVERIFY(said.at(1).contains("192.0.2.10"));
        QVERIFY(!run.ending());
        if (!answers) hold.release(); // the run waits for its thread as it goes
        QStringList again;
        run.waitBeforeEnding(QStringLiteral("Exit"), [&again](const QString& text) { again << text; });
        QVERIFY(again.isEmpty() || !answers);
    }
};

QTEST_GUILESS_MAIN(TestApplyRun)
#include "test_apply_run.moc"
