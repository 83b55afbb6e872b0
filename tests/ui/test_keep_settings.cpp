// The applying window after a change that cut the adapter off from its gateway: "Keep these
// settings" with its countdown, the previous settings put back when nobody keeps them, and the
// warning when another program's rollback will undo the change. Against the recording fake.
#include "core/ResultTexts.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"
#include "ui/Tray.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;
using Kind = platform::LinkAnswer::Kind;

namespace {

const platform::IPv4State Before{false, {"198.51.100.7/24"}, "192.0.2.1", {"198.51.100.53"}};

// eth0 with the state above, its gateway answering before the change and `after` it.
void cutOff(TestEnvironment& env, Kind after) {
    FakeAdapter eth0{"eth0", {}, {}};
    eth0.reachBefore["192.0.2.1"] = {Kind::Answered, "52:54:00:00:00:01", {}};
    eth0.reachAfter["192.0.2.1"] = {after, after == Kind::Answered ? "52:54:00:00:00:01" : "", {}};
    env.service->adapters.push_back(eth0);
    env.service->states["eth0"] = Before;
}

void applyProfile1(Form1& form) {
    fillTab(form, 0, {"192.0.2.10", "255.255.255.0", "192.0.2.1"});
    chooseAdapter(form, 0, QStringLiteral("eth0"));
    QTest::mouseClick(control<QPushButton>(form, "Command1"), Qt::LeftButton);
}

QStringList calls(const RecordingService& service) {
    QStringList out;
    for (const std::string& c : service.methodCalls())
        out << QString::fromStdString(c);
    return out;
}

} // namespace

class TestKeepSettings : public QObject {
    Q_OBJECT
private slots:
    void keptOrPutBack_data() {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>(
            "byKey"); // Return on the focused keep button, after an Escape that is no answer
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("putBack");
        QTest::newRow("kept") << true << false << "Configuration Applied"
                              << "These settings are kept." << false;
        QTest::newRow("kept with Return") << true << true << "Configuration Applied"
                                          << "These settings are kept." << false;
        QTest::newRow("time up")
            << false << false << "Configuration Not Applied"
            << "Restored eth0: 198.51.100.7/24, gateway 192.0.2.1, DNS 198.51.100.53, static" << true;
    }
    void keptOrPutBack() {
        QFETCH(bool, keep);
        TestEnvironment env;
        cutOff(env, Kind::Silent);
        Form1 form(env.make());
        form.show();
        applyProfile1(form);

        QTRY_VERIFY(Form1Probe::applyingWindow(form) && Form1Probe::applyingWindow(form)->offeringKeep());
        Form4* w = Form1Probe::applyingWindow(form);
        auto* keepButton = control<QPushButton>(*w, "Command2");
        QVERIFY(keepButton->isVisible() && !control<QPushButton>(*w, "Command1")->isVisible());
        QVERIFY(control<QLabel>(*w, "Label5")
                    ->text()
                    .contains("Unless you keep these settings, the previous ones come back in 20 s."));
        QVERIFY(control<QLabel>(*w, "Label3")->text().contains("The gateway 192.0.2.1 does not answer."));
        QVERIFY(!w->close()); // the answer or its time decides, not the close box
        QVERIFY(!form.isEnabled());

        QFETCH(bool, byKey);
        if (keep && byKey) {
            QTest::keyClick(keepButton, Qt::Key_Escape);
            QTest::keyClick(w, Qt::Key_Escape);
            QTest::keyClick(w, Qt::Key_Return); // not on the button: no answer either
            QTest::qWait(200);
            QVERIFY(w->isVisible() && w->offeringKeep() && keepButton->isVisible());
            QTest::keyClick(keepButton, Qt::Key_Return);
        } else if (keep) {
            QTest::mouseClick(keepButton, Qt::LeftButton);
        } else {
            auto* timer = w->findChild<QTimer*>(QStringLiteral("KeepTimer"));
            QTest::qWait(1100);
            QVERIFY(control<QLabel>(*w, "Label5")->text().contains("come back in 19 s."));
            timer->setInterval(5);
        }
        QTRY_VERIFY(w->isEnabled() && control<QPushButton>(*w, "Command1")->isVisible());
        QVERIFY(!keepButton->isVisible() && !w->offeringKeep());
        QTEST(w->windowTitle(), "heading");
        QFETCH(QString, said);
        QVERIFY2(reasonTexts(w->outcome().Reasons).contains(said),
                 qPrintable(reasonTexts(w->outcome().Reasons).join(" | ")));
        QTEST(calls(*env.service).contains("eth0 EnableStatic [198.51.100.7] [255.255.255.0]"), "putBack");
        if (byKey) {
            QTest::keyClick(w, Qt::Key_Escape); // "Ok" is back: Escape closes the window again
            QVERIFY(!w->isVisible());
        } else {
            QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);
        }
        QVERIFY(form.isEnabled());
    }

    // A gateway that answers, or one that never answered, offers nothing to undo; its line is added.
    void nothingToUndo_data() {
        QTest::addColumn<bool>("answeredBefore");
        QTest::addColumn<QString>("line");
        QTest::newRow("answers after") << true << "The gateway 192.0.2.1 answers.";
        QTest::newRow("never answered") << false << "The gateway 192.0.2.1 does not answer.";
    }
    void nothingToUndo() {
        QFETCH(bool, answeredBefore);
        QFETCH(QString, line);
        TestEnvironment env;
        cutOff(env, answeredBefore ? Kind::Answered : Kind::Silent);
        if (!answeredBefore) env.service->adapters.front().reachBefore.clear();
        Form1 form(env.make());
        form.show();
        applyProfile1(form);
        QTRY_VERIFY(Form1Probe::applyingWindow(form) &&
                    reasonTexts(Form1Probe::applyingWindow(form)->outcome().Reasons).contains(line));
        Form4* w = Form1Probe::applyingWindow(form);
        QTest::qWait(50);
        QVERIFY(!w->offeringKeep() && control<QPushButton>(*w, "Command1")->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Configuration Applied"));
    }

    // The report does not wait for the gateway: its line is added to the report shown.
    void reportFirstThenTheGateway() {
        TestEnvironment env;
        cutOff(env, Kind::Answered);
        env.service->adapters.front().reachAfterTakes = std::chrono::milliseconds(400);
        Form1 form(env.make());
        form.show();
        applyProfile1(form);
        Form4* w = awaitOutcome(form);
        QCOMPARE(w->windowTitle(), QStringLiteral("Configuration Applied"));
        QVERIFY(reasonTexts(w->outcome().Reasons).isEmpty());
        QTRY_COMPARE(reasonTexts(w->outcome().Reasons), QStringList{"The gateway 192.0.2.1 answers."});
        QVERIFY(control<QLabel>(*w, "Label3")->text().endsWith("The gateway 192.0.2.1 answers."));
    }

    // Another Korvo's --rollback waits on the adapter: the window says that it will undo this.
    void pendingRollbackIsSaid() {
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        env.service->pending["eth0"] = {"/org/freedesktop/NetworkManager/Checkpoint/4",
                                        std::chrono::seconds(23)};
        Form1 form(env.make());
        form.show();
        applyProfile1(form);
        Form4* w = awaitOutcome(form);
        QVERIFY2(
            control<QLabel>(*w, "Label3")
                ->text()
                .contains("A pending rollback covers eth0: it will undo this change in 23 seconds, when "
                          "/org/freedesktop/NetworkManager/Checkpoint/4 expires, unless that is kept first."),
            qPrintable(control<QLabel>(*w, "Label3")->text()));
    }

    // The tray says it too, where the desktop has one.
    void pendingRollbackInTheTray() {
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        env.service->pending["eth0"] = {"/org/freedesktop/NetworkManager/Checkpoint/4", std::nullopt};
        StoredSettings s;
        s.Profiles[0] = {"192.0.2.10", "255.255.255.0", "", "", "", "", "", "Office", "eth0"};
        s.TermsAccepted = true;
        QVERIFY(writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)).isEmpty());
        Environment made = env.make();
        made.hasSystemTray = [] { return true; };
        Form1 form(std::move(made));
        form.Start();
        QTRY_VERIFY(!Form1Probe::adaptersPending(form));
        auto* tray = form.findChild<Tray*>();
        QVERIFY(tray);
        control<QPushButton>(form, "Command1")->click();
        QVERIFY(awaitOutcome(form));
        QCOMPARE(tray->lastWarning(),
                 QString("A pending rollback covers eth0: it will undo this change if "
                         "/org/freedesktop/NetworkManager/Checkpoint/4 is rolled back."));
    }
};

QTEST_MAIN(TestKeepSettings)
#include "test_keep_settings.moc"
