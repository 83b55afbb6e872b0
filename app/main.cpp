#include "app/FontWarmup.h"
#include "app/SystemEnvironment.h"
#include "core/Version.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cerrno>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// --accept-terms: what a user's first start does, without anyone at the window (unattended setups).
// Messages go to the standard error output: a modal box would wait for a click that never comes.
int acceptTermsUnattended(korvo::Environment env) {
    bool complained = false;
    env.exclamation = [&complained](QWidget*, const QString& title, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        complained = true;
    };
    const QString saved = korvo::acceptTerms(std::move(env));
    if (complained || saved.isEmpty()) return 1;
    std::printf("%s\n", qPrintable(saved));
    return 0;
}

// Qt's own remarks about the invisible window it draws on; real failures still show.
void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

#ifdef Q_OS_LINUX
// Root shells and sudo have no runtime folder; Qt would choose the same one itself, with a warning.
void ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(::getuid());
    if (::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", folder);
}
#endif

bool hasDisplay(const QStringList& arguments) {
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || arguments.contains(QStringLiteral("-platform"));
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

int optionError(const QCommandLineParser& parser) {
    std::fprintf(stderr, "korvo: %s (korvo --help lists the options)\n", qPrintable(parser.errorText()));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Read before the window system is touched: --help and --accept-terms need no display.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Switches a network adapter's IPv4 configuration between "
                                                    "stored profiles."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Read and save the settings in FILE instead of Korvo.ini "
                       "in the usual place."),
        QStringLiteral("FILE"));
    const QCommandLineOption acceptTerms(QStringLiteral("accept-terms"),
                                         QStringLiteral("Accept the terms of use and save the settings file "
                                                        "without showing a window, print its path and end."));
    parser.addOption(settings);
    parser.addOption(acceptTerms);
    // Qt's own options (-platform, -style...) are unknown here; QApplication takes them out, and what is
    // left is checked again below.
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                               QStringLiteral("korvo"))));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Korvo " KORVO_VERSION "\n");
        return 0;
    }
    const bool unattended = parser.isSet(acceptTerms);
    if (unattended) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(onlyFailures);
    } else if (!parsed && !hasDisplay(arguments)) {
        return optionError(parser);
    } else if (!hasDisplay(arguments)) {
        std::fprintf(stderr,
                     "korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
        return 1;
    }
#ifdef Q_OS_LINUX
    ensureRuntimeFolder();
#endif

    const korvo::FontWarmup fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvo.Korvo"));
    if (!parsed && !parser.parse(QApplication::arguments())) return optionError(parser);

    korvo::Environment env = korvo::systemEnvironment(parser.value(settings));
    if (unattended) return acceptTermsUnattended(std::move(env));

    const std::unique_ptr<QWidget> window = korvo::startMainWindow(std::move(env));
    return QApplication::exec();
}
