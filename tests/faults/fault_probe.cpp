// Runs Korvo's main window against a NetworkManager bus as whatever user starts
// it, applies Profile 1 and prints what the user would see. The permission test
// starts it as an unprivileged user, which the test process itself is not.
//
//   fault_probe BUS_ADDRESS ADAPTER [CALL_TIMEOUT_MS]
#include "platform/nm/NetworkManager.h"
#include "tests/faults/FaultSupport.h"
#include "tests/support/Controls.h"
#include "tests/support/Form1Probe.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace korvo;
using namespace korvo::testing;

namespace {

void print(const QString& key, const QString& value) {
    QString flat = value;
    flat.replace(u'\n', u' ').replace(u'\r', u' ');
    std::printf("%s: %s\n", qPrintable(key), flat.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: fault_probe BUS_ADDRESS ADAPTER [CALL_TIMEOUT_MS]\n");
        return 2;
    }
    QTemporaryDir folder;
    if (!folder.isValid() ||
        !testing::writeProfileOneSettings(folder.path(), QString::fromLocal8Bit(argv[2])).isEmpty()) {
        std::fprintf(stderr, "fault_probe: cannot write the settings file\n");
        return 2;
    }

    Environment env;
    env.programFolder = folder.path();
    env.settingsFile = folder.filePath(QStringLiteral("Korvo.ini"));
    env.connector = platform::makeNetworkManagerConnector(
        argv[1],
        argc == 4 ? std::chrono::milliseconds(std::atoll(argv[3])) : platform::NetworkManagerCallTimeout);
    env.terminate = [] { std::_Exit(3); };
    env.exclamation = [](QWidget*, const QString& title, const QString& text) {
        print("message", title + "|" + text);
    };
    env.openDocument = [](const QString&) { return false; };

    Form1 form(env);
    form.Start();
    // The window lists the adapters once NetworkManager answers, or once its call has failed.
    QElapsedTimer waited;
    waited.start();
    while (Form1Probe::adaptersPending(form) && waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    print("uid", QString::number(::getuid()));
    QStringList listed;
    for (int i = 0; i < control<QListWidget>(form, "List1")->count(); ++i)
        listed << control<QListWidget>(form, "List1")->item(i)->text();
    print("listed", listed.join(u','));

    control<QPushButton>(form, "Command1")->click();
    // The apply runs off the window thread; its outcome enables the applying window.
    waited.restart();
    while (Form1Probe::applyingWindow(form) && !Form1Probe::applyingWindow(form)->isEnabled() &&
           waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    Form4* applying = Form1Probe::applyingWindow(form);
    if (!applying) {
        print("caption", "(no applying window)");
        return 0;
    }
    print("caption", applying->windowTitle());
    print("report", control<QLabel>(*applying, "Label3")->text());
    control<QPushButton>(*applying, "Command1")->click();
    print("windows usable", form.isEnabled() && !applying->isVisible() ? "yes" : "no");
    return 0;
}
