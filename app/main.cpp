#include "app/CommandLine.h"
#include "app/EndSignals.h"
#include "app/SystemEnvironment.h"
#include "core/Version.h"
#include "ui/MainWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
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

int usageError(const QString& message) {
    std::fprintf(
        stderr, "%s\n",
        qPrintable(
            QCoreApplication::translate("main", "korvo: %1 (korvo --help lists the options)").arg(message)));
    return korvo::exit_code::Usage;
}

// The options, described in the language installed when they are made: the parser is read before the
// application object exists, and made again in the user's language where its texts are shown.
struct Options {
    explicit Options(const QStringList& arguments);

    QCommandLineParser parser;
    QCommandLineOption help, version;
    QCommandLineOption settings{
        QStringLiteral("settings"),
        QCoreApplication::translate(
            "main", "Read and save the settings in FILE instead of Korvo.ini in the usual place."),
        QCoreApplication::translate("main", "FILE")};
    QCommandLineOption acceptTerms{
        QStringLiteral("accept-terms"),
        QCoreApplication::translate("main",
                                    "Accept the terms of use and save the settings file without showing a "
                                    "window, print its path and end.")};
    QCommandLineOption list{QStringLiteral("list"),
                            QCoreApplication::translate(
                                "main",
                                "Print the seven profiles as their buttons apply them, one per line (number, "
                                "button name, adapter, the seven addresses), tab-separated.")};
    QCommandLineOption adapters{
        QStringLiteral("adapters"),
        QCoreApplication::translate("main", "Print the adapters and their current IPv4 settings.")};
    QCommandLineOption apply{
        QStringLiteral("apply"),
        QCoreApplication::translate(
            "main", "Apply a profile as its button does: a number 1 to 7 (7 is DHCP) or a button "
                    "name. Exit status: 0 applied, 1 invalid values or no adapter chosen, 2 the "
                    "service refused or failed, 3 rolled back, 64 usage error."),
        QCoreApplication::translate("main", "PROFILE")};
    QCommandLineOption rollback{
        QStringLiteral("rollback"),
        QCoreApplication::translate(
            "main",
            "With --apply: roll the change back after SECONDS unless it is confirmed on the terminal."),
        QCoreApplication::translate("main", "SECONDS")};
    QCommandLineOption json{
        QStringLiteral("json"),
        QCoreApplication::translate("main", "With --list or --adapters: print a JSON array.")};
    bool parsed = false;
};

Options::Options(const QStringList& arguments)
    : help(parser.addHelpOption()), version(parser.addVersionOption()) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Switches a network adapter's IPv4 configuration between stored profiles."));
    parser.addOption(settings);
    parser.addOption(acceptTerms);
    parser.addOptions({list, adapters, apply, rollback, json});
    // Qt's own options (-platform, -style...) are unknown here; QApplication takes them out, and what is
    // left is checked again below.
    parsed = parser.parse(arguments);
}

int optionError(const QCommandLineParser& parser) {
    return usageError(parser.errorText());
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
    auto options = std::make_unique<Options>(arguments);
    korvo::Translations translations;
    // Once an application object exists, the texts from then on speak the user's language; the options
    // are read again so that their messages do too.
    const auto speakUsersLanguage = [&](const QStringList& given) {
        translations.install(QLocale::system().uiLanguages());
        options = std::make_unique<Options>(given);
    };
    // Empty, it would quietly mean the usual file.
    const bool noSettingsFile =
        options->parser.isSet(options->settings) && options->parser.value(options->settings).isEmpty();
    if (options->parser.isSet(options->help)) {
        QCoreApplication app(argc, argv);
        speakUsersLanguage(arguments);
        // The usage line names the program as it is called from anywhere.
        QString text = options->parser.helpText();
        const QString program = QCoreApplication::arguments().constFirst();
        if (const qsizetype at = text.indexOf(program); at >= 0)
            text.replace(at, program.size(), QStringLiteral("korvo"));
        std::printf("%s", qPrintable(text));
        return 0;
    }
    if (options->parser.isSet(options->version)) {
        std::printf("Korvo " KORVO_VERSION "\n");
        return 0;
    }
    if (wantsCommandLine(arguments)) {
        // D-Bus needs an application object; no window system is touched.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Korvo"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));
        speakUsersLanguage(arguments);
        const QCommandLineParser& parser = options->parser;
        const Options& o = *options;
        if (!o.parsed) return usageError(parser.errorText());
        if (noSettingsFile)
            return usageError(QCoreApplication::translate("main", "--settings needs a file name"));
        if (!parser.positionalArguments().isEmpty())
            return usageError(QCoreApplication::translate("main", "unexpected argument \"%1\"")
                                  .arg(parser.positionalArguments().first()));
        const int actions =
            int(parser.isSet(o.list)) + int(parser.isSet(o.adapters)) + int(parser.isSet(o.apply));
        if (actions != 1 || parser.isSet(o.acceptTerms))
            return usageError(
                QCoreApplication::translate("main", "give exactly one of --list, --adapters and --apply"));
        if (parser.isSet(o.json) && parser.isSet(o.apply))
            return usageError(QCoreApplication::translate("main", "--json goes with --list or --adapters"));
        korvo::CommandLineRequest request;
        request.action = parser.isSet(o.list)       ? korvo::CommandLineRequest::Action::List
                         : parser.isSet(o.adapters) ? korvo::CommandLineRequest::Action::Adapters
                                                    : korvo::CommandLineRequest::Action::Apply;
        request.json = parser.isSet(o.json);
        request.profile = parser.value(o.apply);
        request.settingsFile = parser.value(o.settings);
        if (parser.isSet(o.rollback)) {
            if (!parser.isSet(o.apply))
                return usageError(QCoreApplication::translate("main", "--rollback goes with --apply"));
            bool number = false;
            const int seconds = parser.value(o.rollback).toInt(&number);
            // NetworkManager counts the timeout in whole seconds; a day is plenty to answer.
            if (!number || seconds < 1 || seconds > 86400)
                return usageError(
                    QCoreApplication::translate(
                        "main", "--rollback takes a number of seconds from 1 to 86400, not \"%1\"")
                        .arg(parser.value(o.rollback)));
            request.rollbackSeconds = seconds;
        }
        const int code = korvo::runCommandLine(request);
        // Nothing is left to save (the settings file is only read); tearing down Qt's bus connections
        // and threads would only make a script wait.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    const bool unattended = options->parser.isSet(options->acceptTerms);
    if (!unattended && !hasDisplay(arguments)) {
        // Said before any window could exist: an application object of its own, for the user's language.
        QCoreApplication app(argc, argv);
        speakUsersLanguage(arguments);
        if (!options->parsed) return optionError(options->parser);
        if (noSettingsFile)
            return usageError(QCoreApplication::translate("main", "--settings needs a file name"));
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "main", "korvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY "
                                 "are unset)")));
        return 1;
    }
    if (unattended) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(onlyFailures);
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
    // The options were read without Qt's own (-platform...), which QApplication has taken out by now.
    if (!options->parsed) {
        speakUsersLanguage(QApplication::arguments());
        if (!options->parsed) return optionError(options->parser);
    } else {
        translations.install(QLocale::system().uiLanguages());
    }
    if (options->parser.isSet(options->settings) && options->parser.value(options->settings).isEmpty())
        return usageError(QCoreApplication::translate("main", "--settings needs a file name"));

    korvo::Environment env = korvo::systemEnvironment(options->parser.value(options->settings));
    if (unattended) return acceptTermsUnattended(std::move(env));

#ifdef KORVO_FONTCONFIG
    fonts->applicationMade();
#endif
    const std::unique_ptr<QWidget> window = korvo::startMainWindow(std::move(env));
    // Signals and the session's end wait for an apply under way, as "Exit" does.
    const korvo::EndSignals ends([&window](const QString& by) { korvo::endMainWindow(*window, by); });
    const auto settle = [&window] {
        korvo::settleMainWindow(*window, QCoreApplication::translate("main", "the end of the session"));
    };
    QObject::connect(&app, &QGuiApplication::commitDataRequest, settle);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, settle);
    return QApplication::exec();
}
