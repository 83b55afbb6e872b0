// Korvo against a NetworkManager that is missing, dies mid-apply, refuses, or
// loses the adapter: the real Form1 on a private test bed.
#include "platform/nm/NetworkManager.h"
#include "tests/faults/FaultSupport.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestBed.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

using namespace korvo;
using namespace korvo::testing;
using korvo::testing::TestBed;

namespace {

using Hook = std::function<void(const QString& operation)>;

// Passes every operation through to NetworkManager, calling `hook` with the
// operation's name just before it goes out: the place to break the service.
class HookedItem : public platform::Adapter {
public:
    HookedItem(std::unique_ptr<platform::Adapter> inner, const Hook& hook)
        : inner_(std::move(inner)), hook_(hook) {}
    std::string caption() const override { return inner_->caption(); }
    platform::ChangeResult apply(const platform::IPv4Settings& settings) override {
        hook_(QStringLiteral("Apply"));
        return inner_->apply(settings);
    }

private:
    std::unique_ptr<platform::Adapter> inner_;
    const Hook& hook_;
};

class HookedService : public platform::Service {
public:
    HookedService(std::unique_ptr<platform::Service> inner, const Hook& hook)
        : inner_(std::move(inner)), hook_(hook) {}
    std::vector<std::unique_ptr<platform::Adapter>> adapters() override {
        hook_(QStringLiteral("ExecQuery"));
        std::vector<std::unique_ptr<platform::Adapter>> items;
        for (auto& item : inner_->adapters())
            items.push_back(std::make_unique<HookedItem>(std::move(item), hook_));
        return items;
    }

private:
    std::unique_ptr<platform::Service> inner_;
    const Hook& hook_;
};

class HookedConnector : public platform::ServiceConnector {
public:
    explicit HookedConnector(std::unique_ptr<platform::ServiceConnector> inner) : inner_(std::move(inner)) {}
    std::unique_ptr<platform::Service> connect(platform::Purpose purpose) override {
        hook(QStringLiteral("connect"));
        return std::make_unique<HookedService>(inner_->connect(purpose), hook);
    }
    Hook hook = [](const QString&) {};

private:
    std::unique_ptr<platform::ServiceConnector> inner_;
};

// Far beyond any healthy run, well within CTest's limit: the check is "does not hang".
constexpr qint64 HangMs = 30000;

// Counts the paint events of the window it is installed on.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) ++count;
        return false;
    }
};

// Korvo started against a bus, with Profile 1 set up for `adapter` in its settings file.
struct Korvo {
    testing::TestEnvironment env;
    std::shared_ptr<HookedConnector> connector;
    std::unique_ptr<Form1> form;
    qint64 startMs = 0;

    Korvo(const std::string& busAddress, const QString& adapter,
          std::chrono::milliseconds callTimeout = platform::NetworkManagerCallTimeout) {
        const QString failure = testing::writeProfileOneSettings(env.folder.path(), adapter);
        if (!failure.isEmpty()) throw std::runtime_error(failure.toStdString());
        Environment e = env.make();
        connector =
            std::make_shared<HookedConnector>(platform::makeNetworkManagerConnector(busAddress, callTimeout));
        e.connector = connector;
        form = std::make_unique<Form1>(e);
        QElapsedTimer timer;
        timer.start();
        form->Start();
        startMs = timer.elapsed();
        // The window lists the adapters once NetworkManager answers, or once its call has failed.
        (void)QTest::qWaitFor([this] { return !Form1Probe::adaptersPending(*form); }, 30000);
    }

    // Presses Profile 1's apply button; how long until the outcome was shown.
    qint64 applyProfileOne() {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(control<QPushButton>(*form, "Command1"), Qt::LeftButton);
        awaitOutcome(*form, static_cast<int>(HangMs));
        return timer.elapsed();
    }

    Form4* applying() const { return Form1Probe::applyingWindow(*form); }
    QString report() const { return applying() ? control<QLabel>(*applying(), "Label3")->text() : QString(); }
};

// How long NetworkManager may take to bring a change to the adapter.
constexpr int SettleMs = 20000;

} // namespace

// The outcome every service fault must end in: the failure report, and both
// windows usable again once the user has read it.
const QString NothingChanged =
    QStringLiteral("There has been an error and the IP settings could not be changed.");

#define KORVO_VERIFY_ERROR_REPORT(korvo, sentence)                                                           \
    do {                                                                                                     \
        Form4* w = (korvo).applying();                                                                       \
        QVERIFY(w);                                                                                          \
        QCOMPARE(w->windowTitle(), QStringLiteral("Error Applying Configuration"));                          \
        QVERIFY(control<QLabel>(*w, "Label3")->text().contains(sentence));                                   \
        QVERIFY2(!control<QLabel>(*w, "Label3")->text().contains(QStringLiteral("org.freedesktop.DBus")),    \
                 qPrintable(control<QLabel>(*w, "Label3")->text()));                                         \
        QVERIFY(w->isEnabled());                                                                             \
        QVERIFY(control<QPushButton>(*w, "Command1")->isVisible());                                          \
        QVERIFY(!(korvo).form->isEnabled());                                                                 \
        QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);                             \
        QVERIFY(!w->isVisible());                                                                            \
        QVERIFY((korvo).form->isEnabled());                                                                  \
    } while (false)

class TestServiceFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
    }

    void startsWithoutNetworkManager_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("NetworkManager stopped") << "stopped";
        QTest::newRow("NetworkManager frozen, owning its name") << "frozen";
        QTest::newRow("no bus at all") << "no bus";
    }

    // No message, no hang; the settings still load, saved adapters included.
    void startsWithoutNetworkManager() {
        QFETCH(QString, fault);
        TestBed bed({.adapters = 2});
        QTemporaryDir nowhere;
        std::string bus = bed.busAddress();
        if (fault == QLatin1String("stopped"))
            bed.stopNetworkManager();
        else if (fault == QLatin1String("frozen"))
            bed.freezeNetworkManager(true);
        else
            bus = "unix:path=" + nowhere.filePath(QStringLiteral("bus")).toStdString();

        Korvo korvo(bus, QStringLiteral("veth0"), std::chrono::milliseconds(2000));
        QVERIFY2(korvo.startMs < HangMs, qPrintable(QString::number(korvo.startMs)));
        // The saved adapter is kept (shown, saved back) and pressing its button says why nothing happens.
        QCOMPARE(testing::listTexts(control<QListWidget>(*korvo.form, "List1")), QStringList{"veth0"});
        for (int t = 1; t < TabCount; ++t)
            QCOMPARE(tabControls(*korvo.form, t).Adapters->count(), 0);
        QCOMPARE(korvo.env.messages, QStringList());
        QVERIFY(korvo.form->isVisible());
        QCOMPARE(control<QPushButton>(*korvo.form, "Command1")->text(), QStringLiteral("Fault"));

        // The saved adapter was put back, so applying reports why the service failed.
        korvo.applyProfileOne();
        QCOMPARE(korvo.env.messages, QStringList());
        QCOMPARE(Form1Probe::applyingWindow(*korvo.form)->windowTitle(),
                 QStringLiteral("Error Applying Configuration"));
        QVERIFY2(korvo.report().contains(QStringLiteral("The network configuration service failed: ")),
                 qPrintable(korvo.report()));
    }

    void networkManagerKilledDuringApply_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("killed");  // else only frozen until Korvo gives up
        QTest::addColumn<QString>("wait"); // what the report says Korvo was waiting for
        QTest::addColumn<QString>("sentence");
        const QString wentAway = "NetworkManager went away before it answered: it stopped or crashed.";
        const QString noAnswer = "NetworkManager did not answer in time.";
        QTest::newRow("killed during the adapter query") << "ExecQuery" << true << wentAway << NothingChanged;
        // NetworkManager is asked for the whole change at once, so it never stops half-way through it.
        QTest::newRow("killed during the apply") << "Apply" << true << wentAway << NothingChanged;
        QTest::newRow("frozen during the apply") << "Apply" << false << noAnswer << NothingChanged;
    }

    // NetworkManager is stopped while the call is on its way and killed while
    // Korvo waits for the answer (the bus reports the lost call at once), or
    // left stopped until Korvo gives up. The password prompt is a row of permissions().
    void networkManagerKilledDuringApply() {
        QFETCH(QString, operation);
        QFETCH(bool, killed);
        QFETCH(QString, wait);
        QFETCH(QString, sentence);
        TestBed bed({.adapters = 1});
        Korvo korvo(bed.busAddress(), QStringLiteral("veth0"),
                    std::chrono::milliseconds(killed ? 5000 : 1000));
        QCOMPARE(testing::listTexts(control<QListWidget>(*korvo.form, "List1")),
                 (QStringList{"veth0", "veth0"}));

        const pid_t nm = testing::networkManagerPid(bed.busAddress());
        QVERIFY(nm > 1);
        std::thread killer;
        bool struck = false;
        korvo.connector->hook = [&](const QString& op) {
            if (op != operation || struck) return;
            struck = true;
            ::kill(nm, SIGSTOP);
            if (killed)
                killer = std::thread([nm] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(300));
                    ::kill(nm, SIGKILL);
                });
        };
        const qint64 applyMs = korvo.applyProfileOne();
        if (killer.joinable()) killer.join();
        if (!killed) bed.freezeNetworkManager(false);
        QVERIFY(struck);
        QVERIFY2(applyMs < platform::NetworkManagerCallTimeout.count(),
                 qPrintable(QStringLiteral("%1 ms").arg(applyMs)));
        QVERIFY2(korvo.report().contains(wait), qPrintable(korvo.report()));
        KORVO_VERIFY_ERROR_REPORT(korvo, sentence);

        // NetworkManager back: the very same windows apply again.
        korvo.connector->hook = [](const QString&) {};
        if (killed) bed.startNetworkManager();
        korvo.applyProfileOne();
        QCOMPARE(korvo.applying()->windowTitle(), QStringLiteral("Configuration Applied"));
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth0", "IP4.ADDRESS").contains("192.0.2.10/24"), SettleMs);
    }

    // NetworkManager stopped (SIGSTOP) under an apply: the applying window still paints, and shows
    // the change applied once NetworkManager runs again.
    void windowPaintsWhileNetworkManagerIsStopped() {
        TestBed bed({.adapters = 1});
        Korvo korvo(bed.busAddress(), QStringLiteral("veth0"), std::chrono::milliseconds(20000));
        bed.freezeNetworkManager(true);
        QTest::mouseClick(control<QPushButton>(*korvo.form, "Command1"), Qt::LeftButton);
        Form4* w = korvo.applying();
        QVERIFY(w);
        PaintCounter painted;
        w->installEventFilter(&painted);
        for (int round = 0; round < 3; ++round) {
            const int before = painted.count;
            w->update();
            QTRY_VERIFY(painted.count > before);
        }
        QVERIFY(!w->isEnabled() && !korvo.form->isEnabled());
        QCOMPARE(w->windowTitle(), QStringLiteral("Applying Configuration"));
        bed.freezeNetworkManager(false);
        QCOMPARE(awaitOutcome(*korvo.form)->windowTitle(), QStringLiteral("Configuration Applied"));
    }

    // The adapter is gone after start-up: the lists keep it, the apply reports it missing.
    void adapterRemovedBeforeApply() {
        TestBed bed({.adapters = 2});
        Korvo korvo(bed.busAddress(), QStringLiteral("veth1"));
        QCOMPARE(testing::listTexts(control<QListWidget>(*korvo.form, "List1")),
                 (QStringList{"veth0", "veth1", "veth1"}));

        bed.ip({"link", "delete", "veth1"});
        QTRY_VERIFY_WITH_TIMEOUT(!bed.nmcli({"-g", "DEVICE", "device"}).split('\n').contains("veth1"),
                                 SettleMs);
        const qint64 applyMs = korvo.applyProfileOne();
        QVERIFY(applyMs < HangMs);
        QVERIFY2(korvo.report().contains(QStringLiteral("veth1")) &&
                     korvo.report().contains(QStringLiteral("not found")),
                 qPrintable(korvo.report()));
        QCOMPARE(testing::listTexts(control<QListWidget>(*korvo.form, "List1")),
                 (QStringList{"veth0", "veth1", "veth1"}));
        KORVO_VERIFY_ERROR_REPORT(korvo, NothingChanged);
        QCOMPARE(bed.ip4("veth0", "IP4.ADDRESS"), QString());
    }

    // Korvo run as nobody against NetworkManager's permission checks: root only, or a real polkit
    // daemon with and without Korvo's example rule (granted to nobody's group instead of netdev), with
    // a rule that lets nobody save a profile but not put it into effect (alone, or with NetworkManager
    // killed between the two), and with a password prompt nobody answers.
    // Listing always works; a change is applied, or refused with a report that says why.
    void permissions_data() {
        QTest::addColumn<QString>("checks");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<QString>("reportMatches");
        QTest::addColumn<int>("rollbackExit"); // korvo --apply --rollback: 2 refused, 3 rolled back
        QTest::newRow("root only") << "root-only" << false << "denied|not authori[sz]ed|permission|privilege"
                                   << 2;
        QTest::newRow("polkit, no rule")
            << "polkit" << false
            << "access denied.*permission org\\.freedesktop\\.NetworkManager\\.settings\\.modify\\.system; "
               ".*polkit "
               "rule"
            << 2;
        QTest::newRow("polkit, Korvo's rule") << "polkit with rule" << true << "" << 3;
        // Saved, then refused: undone, so nothing changed; the advice names what was refused.
        QTest::newRow("polkit, saving but not putting into effect")
            << "save only" << false
            << "could not be changed.*access denied.*permission "
               "org\\.freedesktop\\.NetworkManager\\.network-control; "
            << 2;
        // Saved, then NetworkManager gone: no undo, so the report says what is saved.
        QTest::newRow("polkit, NetworkManager killed between saving and putting into effect")
            << "save, then kill" << false
            << "saved for the adapter, but they are not in effect yet.*NetworkManager is not running" << -1;
        QTest::newRow("polkit, password prompt unanswered")
            << "prompt" << false
            << "could not be changed.*Nobody answered the password prompt in time; Korvo has withdrawn it\\."
            << -1;
        // A prompt whose answer polkit does not keep is NetworkManager's own, and may still be answered.
        QTest::newRow("polkit, password prompt unanswered, answer not kept")
            << "prompt, not kept" << false
            << "not known whether the IP settings were changed.*still waiting for authorization" << -1;
    }
    void permissions() {
        QFETCH(QString, checks);
        QFETCH(bool, applied);
        QFETCH(QString, reportMatches);
        QFETCH(int, rollbackExit);
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv (util-linux) is missing");
        QTemporaryDir rules;
        QVERIFY(QFile::setPermissions(rules.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                        QFileDevice::ExeOther));
        // polkitd (its own user) marks here when it is asked to let nobody put a change into effect.
        QTemporaryDir marks;
        QVERIFY(
            QFile::setPermissions(marks.path(), QFile::permissions(rules.path()) | QFileDevice::WriteOther));
        const QString asked = marks.filePath(QStringLiteral("asked"));
        QByteArray rule;
        if (checks == QLatin1String("polkit with rule")) {
            QFile shipped(QStringLiteral(KORVO_POLKIT_RULE));
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            rule = shipped.readAll().replace("\"netdev\"", "\"nogroup\"");
        } else if (checks != QLatin1String("root-only") && checks != QLatin1String("polkit")) {
            const QByteArray control = checks == QLatin1String("save only") ? "return polkit.Result.NO;"
                                       : checks.startsWith(QLatin1String("prompt"))
                                           ? "return polkit.Result.YES;"
                                           : "polkit.spawn([\"/bin/sh\", \"-c\", \"touch " + asked.toUtf8() +
                                                 "; sleep 2\"]); return polkit.Result.YES;";
            const QByteArray save = checks == QLatin1String("prompt") ? "polkit.Result.AUTH_ADMIN_KEEP"
                                    : checks == QLatin1String("prompt, not kept") ? "polkit.Result.AUTH_ADMIN"
                                                                                  : "polkit.Result.YES";
            rule = "polkit.addRule(function(action, subject) {\n"
                   "    if (!subject.isInGroup(\"nogroup\")) return;\n"
                   "    if (action.id == \"org.freedesktop.NetworkManager.network-control\") { " +
                   control +
                   " }\n"
                   "    if (action.id == \"org.freedesktop.NetworkManager.settings.modify.system\") return " +
                   save +
                   ";\n"
                   "    if (action.id == \"org.freedesktop.NetworkManager.checkpoint-rollback\") return "
                   "polkit.Result.YES;\n"
                   "});\n";
        }
        if (!rule.isEmpty()) {
            QFile file(rules.filePath(QStringLiteral("50-korvo.rules")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(rule);
            file.close();
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ReadOther));
        }
        TestBed bed(
            {.adapters = 1, .polkitRules = checks != QLatin1String("root-only") ? rules.path() : QString()});
        if (checks == QLatin1String("root-only")) {
            QFile conf(testing::testBedDir(bed.busAddress()) + QStringLiteral("/conf.d/90-root-only.conf"));
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write("[main]\nauth-polkit=root-only\n");
            conf.close();
            bed.restartNetworkManager();
        }
        // A profile in effect: Korvo saves the change into it, then puts it into effect.
        const bool profiled = checks.startsWith(QLatin1String("save"));
        if (profiled) {
            bed.nmcli({"connection", "add", "type", "ethernet", "ifname", "veth0", "con-name", "p0",
                       "ipv4.method", "manual", "ipv4.addresses", "192.0.2.5/24", "ipv6.method", "disabled"});
            bed.nmcli({"connection", "up", "p0"});
        }
        const QString before = profiled ? QStringLiteral("192.0.2.5/24") : QString();
        std::thread killer;
        if (checks == QLatin1String("save, then kill"))
            killer = std::thread([asked, nm = testing::networkManagerPid(bed.busAddress())] {
                for (int i = 0; i < 1000 && !QFile::exists(asked); ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                if (QFile::exists(asked)) ::kill(nm, SIGKILL);
            });

        QProcess probe;
        QProcessEnvironment env;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
            if (qEnvironmentVariableIsSet(name))
                env.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
        probe.setProcessEnvironment(env);
        QStringList run{QCoreApplication::applicationDirPath() + QStringLiteral("/fault_probe"),
                        QString::fromStdString(bed.busAddress()), QStringLiteral("veth0"),
                        QStringLiteral("2000")};
        // setpriv starts the probe with root's rights still in hand, but a shell run as nobody must
        // reach it by itself: the build folder may be in a checkout nobody can enter (/root, mode 700).
        QTemporaryDir reachable;
        if (checks.startsWith(QLatin1String("prompt"))) {
            QVERIFY(reachable.isValid());
            QVERIFY(QFile::setPermissions(
                reachable.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther));
            const QString copy = reachable.filePath(QStringLiteral("fault_probe"));
            QVERIFY(QFile::copy(run.first(), copy));
            QVERIFY(QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther));
            run.first() = copy;
            // A text agent on a terminal of its own, for the probe's process only: it shows the prompt.
            probe.start(QStringLiteral("setpriv"),
                        {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", "script", "-qc",
                         QStringLiteral("env DBUS_SYSTEM_BUS_ADDRESS=%1 sh -c 'pkttyagent --process $$ & "
                                        "sleep 0.5; exec %2'; sleep 1")
                             .arg(QString::fromStdString(bed.busAddress()), run.join(u' ')),
                         "/dev/null"});
        } else
            probe.start(QStringLiteral("setpriv"),
                        QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"} + run);
        QVERIFY(probe.waitForFinished(HangMs));
        if (killer.joinable()) killer.join();
        const QString out = QString::fromUtf8(probe.readAllStandardOutput()).remove(u'\r');
        const QString err = QString::fromUtf8(probe.readAllStandardError());
        QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, qPrintable(out + err));

        QVERIFY2(out.contains(QStringLiteral("uid: 65534\n")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("listed: veth0,veth0\n")), qPrintable(out));
        QVERIFY2(out.contains(applied ? QStringLiteral("caption: Configuration Applied\n")
                                      : QStringLiteral("caption: Error Applying Configuration\n")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("windows usable: yes\n")), qPrintable(out));
        if (!applied) {
            const QString report = out.section(QStringLiteral("report: "), 1).section(u'\n', 0, 0);
            QVERIFY2(
                report.contains(QRegularExpression(reportMatches, QRegularExpression::CaseInsensitiveOption)),
                qPrintable(report));
            QVERIFY2(!report.contains(QStringLiteral("DBus.Error")),
                     qPrintable(report)); // words, not error names
        }
        if (checks == QLatin1String("prompt")) {
            // The prompt was shown, and withdrawn while its agent still ran (it outlives the probe).
            QVERIFY2(out.contains(QStringLiteral("AUTHENTICATING FOR org.freedesktop.NetworkManager")),
                     qPrintable(out));
            QFile log(testing::testBedDir(bed.busAddress()) + QStringLiteral("/polkit.log"));
            QVERIFY(log.open(QIODevice::ReadOnly));
            const QString said = QString::fromUtf8(log.readAll());
            const qsizetype ended = said.indexOf(QStringLiteral("FAILED to authenticate"));
            const qsizetype agentGone = said.indexOf(QStringLiteral("Unregistered Authentication Agent"));
            QVERIFY2(ended >= 0 && (agentGone < 0 || ended < agentGone), qPrintable(said));
        }
        if (checks == QLatin1String("save, then kill")) {
            // What the report says is saved takes effect when NetworkManager activates the profile again.
            bed.startNetworkManager();
            QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth0", "IP4.ADDRESS").contains("192.0.2.10/24"), SettleMs);
            return;
        }
        if (applied)
            QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth0", "IP4.ADDRESS").contains("192.0.2.10/24"), SettleMs);
        else
            QCOMPARE(bed.ip4("veth0", "IP4.ADDRESS"), before);
        if (profiled) // undone, not only left out of effect
            QCOMPARE(bed.nmcli({"-g", "ipv4.addresses", "connection", "show", "p0"}).trimmed(), before);
        if (rollbackExit < 0) return;

        // The command line's checkpoint needs a permission of its own, which the rule grants too.
        QVERIFY(testing::writeProfileOneSettings(rules.path(), QStringLiteral("veth0")).isEmpty());
        QVERIFY(QFile::setPermissions(rules.filePath(QStringLiteral("Korvo.ini")),
                                      QFileDevice::ReadOwner | QFileDevice::ReadOther));
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QString::fromStdString(bed.busAddress()));
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.setStandardInputFile(QProcess::nullDevice());
        cli.start(QStringLiteral("setpriv"), {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--",
                                              QStringLiteral(KORVO_BIN), "--apply", "1", "--rollback", "1",
                                              "--settings", rules.filePath(QStringLiteral("Korvo.ini"))});
        QVERIFY(cli.waitForFinished(HangMs));
        const QString said = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
        QVERIFY2(cli.exitCode() == rollbackExit, qPrintable(said));
        if (rollbackExit == 2 && !profiled)
            QVERIFY2(said.contains(QStringLiteral("nothing was changed")), qPrintable(said));
        if (profiled)
            QCOMPARE(bed.nmcli({"-g", "ipv4.addresses", "connection", "show", "p0"}).trimmed(), before);
    }
};

QTEST_MAIN(TestServiceFaults)
#include "test_service_faults.moc"
