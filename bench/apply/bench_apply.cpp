// Pressing a profile button until "Configuration Applied", side by side with
// `nmcli connection modify ... && nmcli connection up ...` making the same change,
// both on a private NetworkManager test bed. Prints medians and the ratio. Then what the
// address and gateway checks add: the same presses from inside the test bed's network
// namespace, where Korvo sees veth0's link and a peer there holds the gateway.
//
//   bench_apply [rounds]          (root; target: Korvo at most 1.0x nmcli)
#include "core/ResultTexts.h"
#include "platform/nm/NetworkManager.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestBed.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korvo;
using namespace korvo::testing;

namespace {

const QString Testbed = QStringLiteral(KORVO_SOURCE_DIR "/scripts/testbed");

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs a shell command inside the test bed (its namespace, its bus only); milliseconds taken.
double timedInBed(const TestBed& bed, const QString& command) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(Testbed,
                  {QStringLiteral("exec"), bed.name(), QStringLiteral("sh"), QStringLiteral("-c"), command});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        throw std::runtime_error("in the test bed: " + command.toStdString() + ": " +
                                 process.readAllStandardError().toStdString());
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds until `ip` shows the address on veth0, counted from `timer`'s start.
double untilVisible(const TestBed& bed, const QString& address, const QElapsedTimer& timer) {
    while (!bed.ip({"-4", "addr", "show", "veth0"}).contains("inet " + address + "/24")) {
        if (timer.elapsed() > 30000)
            throw std::runtime_error("address never appeared: " + address.toStdString());
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Ends `loop` when the applying window is enabled (its outcome is in), or with `painted`, once the
// outcome is painted too. No polling, so the time is the apply's own.
struct OutcomeShown : QObject {
    OutcomeShown(QWidget* window, bool untilPainted) : watched(window), painted(untilPainted) {
        window->installEventFilter(this);
    }
    ~OutcomeShown() override { watched->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == watched && watched->isEnabled() &&
            event->type() == (painted ? QEvent::Paint : QEvent::EnabledChange))
            loop.quit();
        return false;
    }
    // Waits unless it is so already; the outcome's paint is always still to come.
    void wait() {
        if (painted || !watched->isEnabled()) loop.exec();
    }
    QWidget* watched;
    bool painted;
    QEventLoop loop;
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (auto why = TestBed::unavailable()) {
        std::printf("bench_apply skipped: %s\n", qPrintable(*why));
        return 0;
    }

    try {
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.1/24", "dev", "peer0"});
        TestEnvironment env;
        Environment made = env.make();
        made.connector = platform::makeNetworkManagerConnector(bed.busAddress());
        Form1 form(std::move(made));
        Form1Probe::enumerateAdapters(form);
        // NetworkManager's answer comes through the event loop.
        if (!QTest::qWaitFor([&form] { return !Form1Probe::adaptersPending(form); }))
            throw std::runtime_error("NetworkManager did not list the adapters");
        control<QListWidget>(form, "List1")
            ->setCurrentItem(control<QListWidget>(form, "List1")
                                 ->findItems(QStringLiteral("veth0"), Qt::MatchExactly)
                                 .value(0));
        form.show();
        control<QLineEdit>(form, "Text2")->setText(QStringLiteral("255.255.255.0"));
        control<QLineEdit>(form, "Text3")->setText(QStringLiteral("192.0.2.1"));
        control<QLineEdit>(form, "Text27")->setText(QStringLiteral("203.0.113.53"));

        auto korvoApply = [&](const QString& address, double* visible, double* painted) {
            control<QLineEdit>(form, "Text1")->setText(address);
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(control<QPushButton>(form, "Command1"), Qt::LeftButton);
            // The apply runs off the window thread; the applying window is enabled when its outcome is in.
            OutcomeShown(Form1Probe::applyingWindow(form), false).wait();
            const double applied = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            OutcomeShown(Form1Probe::applyingWindow(form), true).wait();
            if (painted) *painted = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (Form1Probe::applyingWindow(form)->windowTitle() != QLatin1String("Configuration Applied"))
                throw std::runtime_error(
                    "Korvo did not apply: " +
                    resultText(Form1Probe::applyingWindow(form)->outcome()).toStdString());
            if (visible) *visible = untilVisible(bed, address, timer);
            QTest::mouseClick(control<QPushButton>(*Form1Probe::applyingWindow(form), "Command1"),
                              Qt::LeftButton);
            return applied;
        };

        // The first apply creates the adapter's profile; nmcli then edits that same profile.
        double ignored = 0;
        korvoApply(QStringLiteral("192.0.2.9"), &ignored, &ignored);
        QString uuid;
        for (const QString& line :
             bed.nmcli({"-t", "-f", "UUID,DEVICE", "connection", "show", "--active"}).split('\n'))
            if (line.endsWith(QLatin1String(":veth0"))) uuid = line.section(':', 0, 0);
        if (uuid.isEmpty()) throw std::runtime_error("no active profile on veth0");

        std::vector<double> korvo, korvoPainted, korvoVisible, nmcli, nmcliVisible, baseline;
        for (int i = 0; i < rounds; ++i) {
            double visible = 0, painted = 0;
            korvo.push_back(korvoApply(QStringLiteral("192.0.2.%1").arg(20 + i), &visible, &painted));
            korvoPainted.push_back(painted);
            korvoVisible.push_back(visible);

            const QString address = QStringLiteral("192.0.2.%1").arg(120 + i);
            QElapsedTimer timer;
            timer.start();
            nmcli.push_back(timedInBed(
                bed, QStringLiteral(
                         "nmcli connection modify %1 ipv4.method manual ipv4.addresses %2/24 "
                         "ipv4.gateway 192.0.2.1 ipv4.dns 203.0.113.53 && nmcli connection up %1 >/dev/null")
                         .arg(uuid, address)));
            nmcliVisible.push_back(untilVisible(bed, address, timer));
            // What entering the test bed costs, so that nmcli is not charged for it.
            baseline.push_back(timedInBed(bed, QStringLiteral("true")));
        }

        // The checks: a window made inside the namespace (its service thread is born there too).
        std::vector<double> checkedReport, checkedLine, silentReport, silentLine;
        {
            TestBed::Inside inside(bed);
            TestEnvironment insideEnv;
            Environment insideMade = insideEnv.make();
            insideMade.connector = platform::makeNetworkManagerConnector(bed.busAddress());
            Form1 checked(std::move(insideMade));
            Form1Probe::enumerateAdapters(checked);
            if (!QTest::qWaitFor([&checked] { return !Form1Probe::adaptersPending(checked); }))
                throw std::runtime_error("NetworkManager did not list the adapters");
            auto* list = control<QListWidget>(checked, "List1");
            list->setCurrentItem(list->findItems(QStringLiteral("veth0"), Qt::MatchExactly).value(0));
            checked.show();
            control<QLineEdit>(checked, "Text2")->setText(QStringLiteral("255.255.255.0"));
            control<QLineEdit>(checked, "Text27")->setText(QStringLiteral("203.0.113.53"));
            // Press to "Configuration Applied", and to the gateway's line in the shown outcome.
            auto checkedApply = [&](const QString& address, const QString& gateway, double* line) {
                control<QLineEdit>(checked, "Text1")->setText(address);
                control<QLineEdit>(checked, "Text3")->setText(gateway);
                QElapsedTimer timer;
                timer.start();
                QTest::mouseClick(control<QPushButton>(checked, "Command1"), Qt::LeftButton);
                OutcomeShown(Form1Probe::applyingWindow(checked), false).wait();
                const double report = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                Form4* shown = Form1Probe::applyingWindow(checked);
                if (shown->windowTitle() != QLatin1String("Configuration Applied"))
                    throw std::runtime_error("Korvo did not apply: " +
                                             resultText(shown->outcome()).toStdString());
                if (!QTest::qWaitFor(
                        [shown] {
                            return !reasonTexts(shown->outcome().Reasons)
                                        .filter(QStringLiteral("The gateway"))
                                        .isEmpty();
                        },
                        5000))
                    throw std::runtime_error("no gateway line");
                *line = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                QTest::mouseClick(control<QPushButton>(*shown, "Command1"), Qt::LeftButton);
                return report;
            };
            double line = 0;
            checkedApply(QStringLiteral("192.0.2.8"), QStringLiteral("192.0.2.1"), &line);
            for (int i = 0; i < rounds; ++i) {
                checkedReport.push_back(checkedApply(QStringLiteral("192.0.2.%1").arg(60 + i),
                                                     QStringLiteral("192.0.2.1"), &line));
                checkedLine.push_back(line);
            }
            for (int i = 0; i < rounds; ++i) {
                silentReport.push_back(checkedApply(QStringLiteral("192.0.2.%1").arg(90 + i),
                                                    QStringLiteral("192.0.2.99"), &line));
                silentLine.push_back(line);
            }
        }

        const double enter = median(baseline);
        const double k = median(korvo);
        const double n = median(nmcli) - enter;
        std::printf("bench_apply: %d rounds, medians in ms\n", rounds);
        std::printf("  Korvo: press -> \"Configuration Applied\"     %8.1f\n", k);
        std::printf("  Korvo: press -> the outcome's paint starts       %8.1f\n", median(korvoPainted));
        std::printf("  Korvo: press -> address visible in ip        %8.1f\n", median(korvoVisible));
        std::printf("  nmcli: modify && up                          %8.1f\n", n);
        std::printf("  nmcli: start -> address visible in ip        %8.1f\n", median(nmcliVisible) - enter);
        std::printf("  (entering the test bed, %.1f ms, is not charged to nmcli)\n", enter);
        std::printf("  ratio Korvo / nmcli: %.2fx (target <= 1.0x)\n", k / n);
        std::printf("  with the checks (Korvo inside the namespace; the address free each time):\n");
        std::printf("    gateway answers: press -> report %8.1f, -> gateway line %8.1f\n",
                    median(checkedReport), median(checkedLine));
        std::printf("    gateway silent:  press -> report %8.1f, -> gateway line %8.1f\n",
                    median(silentReport), median(silentLine));
        std::printf("    the checks add to the report: %.1f ms\n", median(checkedReport) - k);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_apply: %s\n", e.what());
        return 1;
    }
}
