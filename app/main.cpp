#include "app/CommandLine.h"
#include "app/SystemEnvironment.h"
#include "core/Version.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

#ifdef Q_OS_WIN
#include "app/WindowsConsole.h"
#endif
#ifdef KORVO_FONTCONFIG
#include "app/FontWarmup.h"
#endif
#ifdef KORVO_SESSION_BUS
#include "app/SessionBusWarmup.h"
#endif
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
    // Only a file that appeared meanwhile asks; nobody is there to say yes.
    env.question = [&complained](QWidget*, const QString& title, const QString& text) {
        std::fprintf(stderr, "%s: %s No.\n", qPrintable(title), qPrintable(text));
        complained = true;
        return false;
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

// The command-line actions and their companions: with any of them there is no window.
bool wantsCommandLine(const QStringList& arguments) {
    static const QStringList names{QStringLiteral("--list"), QStringLiteral("--adapters"),
                                   QStringLiteral("--apply"), QStringLiteral("--rollback"),
                                   QStringLiteral("--json")};
    return std::any_of(arguments.begin() + 1, arguments.end(), [](const QString& a) {
        return std::any_of(names.begin(), names.end(),
                           [&a](const QString& n) { return a == n || a.startsWith(n + u'='); });
    });
}

int usageError(const QString& text) {
    std::fprintf(stderr, "korvo: %s (korvo --help lists the options)\n", qPrintable(text));
    return korvo::exit_code::Usage;
}

int optionError(const QCommandLineParser& parser) {
    std::fprintf(stderr, "korvo: %s (korvo --help lists the options)\n", qPrintable(parser.errorText()));
    return korvo::exit_code::Usage;
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // Only options print anything; a plain start from a console stays a window alone.
    if (argc > 1) korvo::attachParentConsole();
#endif
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
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("Print the seven profiles as their buttons apply them, one per "
                       "line (number, button name, adapter, the seven addresses), "
                       "tab-separated."));
    const QCommandLineOption adapters(QStringLiteral("adapters"),
                                      QStringLiteral("Print the adapters and their current IPv4 settings."));
    const QCommandLineOption apply(QStringLiteral("apply"),
                                   QStringLiteral("Apply a profile as its button does: a number 1 to 7 (7 is "
                                                  "DHCP) or a button name. Exit status: 0 applied, 1 invalid "
                                                  "values or no adapter chosen, 2 the service refused or "
                                                  "failed, 3 rolled back, 64 usage error."),
                                   QStringLiteral("PROFILE"));
    const QCommandLineOption rollback(
        QStringLiteral("rollback"),
        QStringLiteral("With --apply: roll the change back after SECONDS unless "
                       "it is confirmed on the terminal."),
        QStringLiteral("SECONDS"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --list or --adapters: print a JSON array."));
    parser.addOption(settings);
    parser.addOption(acceptTerms);
    parser.addOptions({list, adapters, apply, rollback, json});
    // Qt's own options (-platform, -style...) are unknown here; QApplication takes them out, and what is
    // left is checked again below.
    const bool parsed = parser.parse(arguments);
    // Empty, it would quietly mean the usual file.
    const bool noSettingsFile = parser.isSet(settings) && parser.value(settings).isEmpty();
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                               QStringLiteral("korvo"))));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Korvo " KORVO_VERSION "\n");
        return 0;
    }
    if (wantsCommandLine(arguments)) {
        if (!parsed) return usageError(parser.errorText());
        if (noSettingsFile) return usageError(QStringLiteral("--settings needs a file name"));
        if (!parser.positionalArguments().isEmpty())
            return usageError(
                QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
        const int actions = int(parser.isSet(list)) + int(parser.isSet(adapters)) + int(parser.isSet(apply));
        if (actions != 1 || parser.isSet(acceptTerms))
            return usageError(QStringLiteral("give exactly one of --list, --adapters and --apply"));
        if (parser.isSet(json) && parser.isSet(apply))
            return usageError(QStringLiteral("--json goes with --list or --adapters"));
        korvo::CommandLineRequest request;
        request.action = parser.isSet(list)       ? korvo::CommandLineRequest::Action::List
                         : parser.isSet(adapters) ? korvo::CommandLineRequest::Action::Adapters
                                                  : korvo::CommandLineRequest::Action::Apply;
        request.json = parser.isSet(json);
        request.profile = parser.value(apply);
        request.settingsFile = parser.value(settings);
        if (parser.isSet(rollback)) {
            if (!parser.isSet(apply)) return usageError(QStringLiteral("--rollback goes with --apply"));
            bool number = false;
            const int seconds = parser.value(rollback).toInt(&number);
            // NetworkManager counts the timeout in whole seconds; a day is plenty to answer.
            if (!number || seconds < 1 || seconds > 86400)
                return usageError(
                    QStringLiteral("--rollback takes a number of seconds from 1 to 86400, not \"%1\"")
                        .arg(parser.value(rollback)));
            request.rollbackSeconds = seconds;
        }
        // D-Bus needs an application object; no window system is touched.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Korvo"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));
        const int code = korvo::runCommandLine(request);
        // Nothing is left to save (the settings file is only read); tearing down Qt's bus connections
        // and threads would only make a script wait.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    const bool unattended = parser.isSet(acceptTerms);
    if (!unattended && !parsed && !hasDisplay(arguments)) return optionError(parser);
    if (parsed && noSettingsFile) return usageError(QStringLiteral("--settings needs a file name"));
    if (unattended) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(onlyFailures);
    } else if (!hasDisplay(arguments)) {
        std::fprintf(stderr,
                     "korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
        return 1;
    }
#ifdef Q_OS_LINUX
    ensureRuntimeFolder();
#endif

#ifdef KORVO_SESSION_BUS
    // Unattended runs draw offscreen, where nothing asks for the session bus.
    std::optional<korvo::SessionBusWarmup> sessionBus;
    if (!unattended) sessionBus.emplace();
#endif
#ifdef KORVO_FONTCONFIG
    // Nothing is drawn unattended; a warm-up still reading fonts when that run ends takes the
    // process down with it.
    std::optional<korvo::FontWarmup> fonts;
    if (!unattended) fonts.emplace();
#endif
    QApplication app(argc, argv);
    // Both threads use the application object: neither may outlive it, however main returns.
    const auto joinWarmups = qScopeGuard([&] {
#ifdef KORVO_FONTCONFIG
        if (fonts) fonts->finish();
#endif
#ifdef KORVO_SESSION_BUS
        if (sessionBus) sessionBus->finish();
#endif
    });
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvo.Korvo"));
    if (!parsed && !parser.parse(QApplication::arguments())) return optionError(parser);
    if (parser.isSet(settings) && parser.value(settings).isEmpty())
        return usageError(QStringLiteral("--settings needs a file name"));

    korvo::Environment env = korvo::systemEnvironment(parser.value(settings));
    if (unattended) return acceptTermsUnattended(std::move(env));

#ifdef KORVO_FONTCONFIG
    fonts->applicationMade();
#endif
    const std::unique_ptr<QWidget> window = korvo::startMainWindow(std::move(env));
    return QApplication::exec();
}
