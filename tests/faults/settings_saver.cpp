// Saves Korvo.ini through the main window's "Save Settings", over and over, until
// it is killed, or COUNT times. After each completed save it writes the generation
// number to standard output, unbuffered, so the killer knows which save was last
// complete. A message box ends it with exit code 5, its text on standard error.
// PAD lengthens profile 1's name by that many characters, for a file bigger than
// the room left on a nearly full disk.
//
//   settings_saver FOLDER FIRST_GENERATION [COUNT [PAD]]
#include "tests/faults/FaultSupport.h"
#include "tests/support/Controls.h"
#include "tests/support/Form1Probe.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include <cstdio>
#include <unistd.h>

using namespace korvo;
using namespace korvo::testing;

namespace {

void say(const QByteArray& line) {
    const QByteArray out = line + '\n';
    if (::write(STDOUT_FILENO, out.constData(), static_cast<std::size_t>(out.size())) != out.size())
        std::_Exit(4);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: settings_saver FOLDER FIRST_GENERATION [COUNT [PAD]]\n");
        return 2;
    }
    Environment env;
    env.programFolder = QString::fromLocal8Bit(argv[1]);
    env.settingsFile = QDir(env.programFolder).filePath(QStringLiteral("Korvo.ini"));
    env.terminate = [] { std::_Exit(3); };
    env.exclamation = [](QWidget*, const QString& title, const QString& text) {
        // A failed save is a test failure: end so that the test sees it.
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        std::_Exit(5);
    };
    env.openDocument = [](const QString&) { return false; };
    Form1 form(env);

    const auto fields = testing::generationFields();
    const qint64 first = QByteArray(argv[2]).toLongLong();
    const qint64 count = argc > 3 ? QByteArray(argv[3]).toLongLong() : -1;
    const qsizetype pad = argc > 4 ? QByteArray(argv[4]).toLongLong() : 0;
    say("ready");
    for (qint64 g = first; count < 0 || g < first + count; ++g) {
        StoredSettings s = testing::generationSettings(g);
        s.Profiles[0].Name += QString(pad, u'p');
        for (int t = 0; t < StoredProfileCount; ++t) {
            const TabControls tab = tabControls(form, t);
            QLineEdit* const boxes[] = {tab.IPAddress,    tab.SubnetMask,  tab.Gateway,       tab.PrimaryDNS,
                                        tab.SecondaryDNS, tab.PrimaryWINS, tab.SecondaryWINS, tab.Name};
            for (int f = 0; f < static_cast<int>(fields.size()); ++f)
                boxes[f]->setText(s.Profiles[static_cast<std::size_t>(t)].*
                                  fields[static_cast<std::size_t>(f)]);
        }
        Form1Probe::saveSettings(form);
        say(QByteArray::number(g));
    }
    return 0;
}
