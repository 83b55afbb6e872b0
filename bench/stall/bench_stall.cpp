// The longest stall of the window thread's event loop while an apply runs: a 5 ms timer on the
// window thread records the largest gap between its ticks, from the button press to the outcome
// shown. Three cases on private NetworkManager test beds:
//   normal      an apply that NetworkManager answers at once
//   stopped     NetworkManager stopped (SIGSTOP) just before the press, continued 10 s later
//   polkit      run as nobody, saving a profile needs AUTH_ADMIN, and the password prompt is never
//               answered: without an agent, and with a text agent nobody types into
//
//   bench_stall                                  (root; target: at most 50 ms in every case)
//   bench_stall measure BUS NM_PID TIMEOUT_MS    (one measurement; NM_PID 0: NetworkManager runs on)
#include "platform/nm/NetworkManager.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestBed.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

using namespace korvo;
using namespace korvo::testing;

namespace {

constexpr int TickMs = 5;
constexpr int StoppedForMs = 10000;

// One apply in this process, measured; prints one line "stall-ms=… total-ms=… outcome=…".
int measure(const std::string& bus, pid_t networkManager, int timeoutMs) {
    TestEnvironment env;
    Environment made = env.make();
    made.connector = platform::makeNetworkManagerConnector(bus, std::chrono::milliseconds(timeoutMs));
    Form1 form(std::move(made));
    Form1Probe::enumerateAdapters(form);
    if (!QTest::qWaitFor([&form] { return !Form1Probe::adaptersPending(form); }, 30000)) return 1;
    QListWidget* list = control<QListWidget>(form, "List1");
    list->setCurrentItem(list->findItems(QStringLiteral("veth0"), Qt::MatchExactly).value(0));
    control<QLineEdit>(form, "Text1")->setText(QStringLiteral("192.0.2.10"));
    control<QLineEdit>(form, "Text2")->setText(QStringLiteral("255.255.255.0"));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;

    std::thread resume;
    QElapsedTimer clock;
    clock.start();
    qint64 lastNs = 0, worstNs = 0;
    bool pressed = false;
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(TickMs);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (pressed) worstNs = std::max(worstNs, now - lastNs);
        lastNs = now;
        if (!pressed) {
            pressed = true;
            clock.restart();
            lastNs = 0;
            if (networkManager > 0) {
                ::kill(networkManager, SIGSTOP);
                resume = std::thread([networkManager] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(StoppedForMs));
                    ::kill(networkManager, SIGCONT);
                });
            }
            control<QPushButton>(form, "Command1")->click();
            return;
        }
        if (const Form4* w = Form1Probe::applyingWindow(form); w && w->isEnabled()) loop.quit();
    });
    tick.start();
    loop.exec();
    const qint64 totalNs = clock.nsecsElapsed();
    if (resume.joinable()) resume.join();
    const Form4* w = Form1Probe::applyingWindow(form);
    std::printf("stall-ms=%.1f total-ms=%.0f outcome=%s report=%s\n", static_cast<double>(worstNs) / 1e6,
                static_cast<double>(totalNs) / 1e6, qPrintable(w->windowTitle()),
                qPrintable(control<QLabel>(*w, "Label3")->text().simplified()));
    std::fflush(stdout);
    return 0;
}

struct Case {
    const char* name;
    bool stopped = false;
    bool polkit = false;
    bool agent = false;
};

// A polkit rule: nobody may save a profile only as an administrator, and put it into effect.
QString writeRule(const QTemporaryDir& rules) {
    QFile::setPermissions(rules.path(),
                          QFile::permissions(rules.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile file(rules.filePath(QStringLiteral("50-bench.rules")));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write("polkit.addRule(function(action, subject) {\n"
               "    if (!subject.isInGroup(\"nogroup\")) return;\n"
               "    if (action.id == \"org.freedesktop.NetworkManager.settings.modify.system\")\n"
               "        return polkit.Result.AUTH_ADMIN;\n"
               "    if (action.id == \"org.freedesktop.NetworkManager.network-control\")\n"
               "        return polkit.Result.YES;\n"
               "});\n");
    file.close();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return file.setPermissions(file.permissions() | QFileDevice::ReadOther) ? QString()
                                                                            : QStringLiteral("chmod failed");
}

QString run(const Case& c) {
    QTemporaryDir rules;
    if (c.polkit) {
        const QString failure = writeRule(rules);
        if (!failure.isEmpty()) return "rule: " + failure;
    }
    TestBed bed({.adapters = 1, .polkitRules = c.polkit ? rules.path() : QString()});
    const QString bus = QString::fromStdString(bed.busAddress());
    pid_t nm = 0;
    if (c.stopped) {
        QFile pid(bus.mid(QStringLiteral("unix:path=").size()).section(u'/', 0, -2) +
                  QStringLiteral("/nm.pid"));
        if (!pid.open(QIODevice::ReadOnly)) return QStringLiteral("no nm.pid");
        nm = static_cast<pid_t>(pid.readAll().trimmed().toLongLong());
    }
    // Stopped: NetworkManager answers once continued, well within the call's time; else Korvo gives
    // up on an unanswered prompt after 5 s.
    const QStringList measured{QCoreApplication::applicationFilePath(), QStringLiteral("measure"), bus,
                               QString::number(nm),
                               c.stopped ? QStringLiteral("20000") : QStringLiteral("5000")};
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    if (!c.polkit)
        child.start(measured.first(), measured.mid(1));
    else if (!c.agent)
        child.start(QStringLiteral("setpriv"),
                    QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"} + measured);
    else
        // A text agent on a terminal of its own that nobody types into.
        child.start(QStringLiteral("setpriv"),
                    {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", "script", "-qc",
                     QStringLiteral("env DBUS_SYSTEM_BUS_ADDRESS=%1 sh -c 'pkttyagent --process $$ & "
                                    "sleep 0.5; exec %2'; sleep 1")
                         .arg(bus, measured.join(u' ')),
                     "/dev/null"});
    if (!child.waitForFinished(90000)) return QStringLiteral("no answer from the measuring process");
    const QString out = QString::fromUtf8(child.readAll()).remove(u'\r');
    const auto line = QRegularExpression(QStringLiteral("stall-ms=.*")).match(out);
    return line.hasMatch() ? line.captured() : "failed: " + out.simplified();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "measure")
        return measure(argv[2], static_cast<pid_t>(std::atoll(argv[3])), std::atoi(argv[4]));
    if (auto why = TestBed::unavailable()) {
        std::printf("bench_stall skipped: %s\n", qPrintable(*why));
        return 0;
    }
    const bool setpriv = !QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty();
    std::printf("bench_stall: longest gap between %d ms ticks of the window thread, press to outcome "
                "(target <= 50 ms)\n",
                TickMs);
    for (const Case& c : {Case{"normal apply"}, Case{"NetworkManager stopped 10 s", true},
                          Case{"polkit AUTH_ADMIN, no agent", false, true},
                          Case{"polkit AUTH_ADMIN, agent nobody answers", false, true, true}}) {
        if (c.polkit && !setpriv) {
            std::printf("  %-42s skipped: setpriv (util-linux) is missing\n", c.name);
            continue;
        }
        try {
            std::printf("  %-42s %s\n", c.name, qPrintable(run(c)));
        } catch (const std::exception& e) {
            std::printf("  %-42s failed: %s\n", c.name, e.what());
        }
        std::fflush(stdout);
    }
    return 0;
}
