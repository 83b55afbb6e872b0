// Saving and loading a full 129-line Korvo.ini: the file alone (lines to disk,
// with the flush and rename of the atomic replace, and back) and the whole
// "Save Settings" click and start-up load on the main window.
//
//   bench_settings [FOLDER] [ROUNDS]     (FOLDER: where the file goes; a new temporary folder by default)
#include "core/ExtraSettings.h"
#include "core/ProfileBook.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/Form1Probe.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace korvo;
using namespace korvo::testing;

namespace {

// Every value filled, as long as a user would type it: the file's full size.
StoredSettings fullSettings() {
    StoredSettings s;
    for (int k = 0; k < StoredProfileCount; ++k) {
        Profile& p = s.Profiles[static_cast<std::size_t>(k)];
        p = {QStringLiteral("192.0.2.%1").arg(10 + k),
             QStringLiteral("255.255.255.0"),
             QStringLiteral("192.0.2.1"),
             QStringLiteral("198.51.100.53"),
             QStringLiteral("198.51.100.54"),
             QStringLiteral("203.0.113.1"),
             QStringLiteral("203.0.113.2"),
             QStringLiteral("Office network %1").arg(k + 1),
             QStringLiteral("Intel(R) Ethernet Connection I219-LM #%1").arg(k + 1)};
    }
    s.TermsAccepted = true;
    s.DhcpPrimaryDNS = s.DhcpSecondaryDNS = s.DhcpPrimaryWINS = s.DhcpSecondaryWINS = QStringLiteral("DHCP");
    s.DNSViaDHCP = s.WINSViaDHCP = true;
    s.DhcpAdapterCaption = QStringLiteral("Intel(R) Wi-Fi 6 AX201 160MHz");
    return s;
}

struct Figures {
    double median = 0, p90 = 0;
};

Figures timeUs(int rounds, const std::function<void()>& work) {
    work(); // warm-up: first allocation, first open
    std::vector<double> us;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        us.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], us[us.size() * 9 / 10]};
}

void report(const char* what, const Figures& f) {
    std::printf("%-44s median %9.1f us   p90 %9.1f us\n", what, f.median, f.p90);
}

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "bench_settings: %s\n", qPrintable(why));
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const int rounds = argc > 2 ? std::max(10, std::atoi(argv[2])) : 500;
    const QString path = QDir(folder).filePath(QStringLiteral("Korvo.ini"));

    const QStringList lines = settingsLines(fullSettings());
    const QStorageInfo storage(folder);
    std::printf("%d rounds in %s (%s on %s), %lld bytes\n", rounds, qPrintable(folder),
                storage.fileSystemType().constData(), qPrintable(storage.device()),
                static_cast<long long>(encodeSettingsFile(lines).bytes.size()));

    report("save file (encode, write, flush, rename)", timeUs(rounds, [&] {
               if (const QString why = writeSettingsFile(path, lines); !why.isEmpty()) fail(why);
           }));
    report("load file (read, decode, values)", timeUs(rounds, [&] {
               const SettingsFileRead read = readSettingsFile(path);
               if (read.outcome != SettingsFileRead::Outcome::Read)
                   fail(QStringLiteral("the saved file did not load"));
               (void)storedSettings(read.lines);
           }));

    // The companion beside it: every slot with three further addresses and a hardware address. Two
    // contents in turn, since a save that changes nothing writes nothing.
    ExtraSettings extras{};
    for (int slot = 0; slot < SlotCount; ++slot)
        extras[static_cast<std::size_t>(slot)] = {{QStringLiteral("192.0.2.%1/24").arg(20 + slot),
                                                   QStringLiteral("198.51.100.%1/25").arg(20 + slot),
                                                   QStringLiteral("203.0.113.%1/26").arg(20 + slot)},
                                                  QStringLiteral("02:00:00:00:00:%1").arg(10 + slot)};
    int turn = 0;
    report("save companion (merge, write, flush, rename)", timeUs(rounds, [&] {
               extras[0].HardwareAddress = QStringLiteral("02:00:00:00:01:%1").arg(++turn % 2);
               if (const QString why = writeExtraSettings(path, extras); !why.isEmpty()) fail(why);
           }));
    report("load companion (read, parse)", timeUs(rounds, [&] {
               if (readExtraSettings(path).extras[1].MoreAddresses.size() != 3)
                   fail(QStringLiteral("the companion did not load"));
           }));
    ProfileBook book;
    report("book: file and companion read", timeUs(rounds, [&] {
               if (book.read(path) != ProfileBook::ReadOutcome::Read)
                   fail(QStringLiteral("the book did not read"));
           }));
    if (!QFile::remove(extraSettingsPath(path))) fail(QStringLiteral("the companion could not be removed"));
    report("book: file read, no companion", timeUs(rounds, [&] {
               if (book.read(path) != ProfileBook::ReadOutcome::Read)
                   fail(QStringLiteral("the book did not read"));
           }));

    // The same through the main window: values from and into its controls.
    Environment env;
    env.programFolder = folder;
    env.settingsFile = QDir(folder).filePath(QStringLiteral("Korvo.ini"));
    env.terminate = [] { fail(QStringLiteral("the window asked to end the program")); };
    env.exclamation = [](QWidget*, const QString&, const QString& text) { fail(text); };
    env.openDocument = [](const QString&) { return false; };
    Form1 form(env);
    if (Form1Probe::loadSettings(form) != Form1Probe::LoadOutcome::Applied)
        fail(QStringLiteral("the window did not take the file"));
    report("\"Save Settings\" click (Command7)", timeUs(rounds, [&] { Form1Probe::saveSettings(form); }));
    report("start-up load into the window (LoadSettings)", timeUs(rounds, [&] {
               if (Form1Probe::loadSettings(form) != Form1Probe::LoadOutcome::Applied)
                   fail(QStringLiteral("the window did not take the file"));
           }));
    return 0;
}
