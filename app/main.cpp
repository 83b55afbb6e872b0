#include "app/CommandLineActions.h"
#include "app/TextOutput.h"
#include "app/WindowModule.h"
#include "core/ProfileBook.h"
#include "core/SettingsFile.h"
#include "core/SettingsLocation.h"
#include "core/Version.h"
#include "ui/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include "app/WindowsConsole.h"
#include <windows.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

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
    static const QStringList names{QStringLiteral("--list"),  QStringLiteral("--adapters"),
                                   QStringLiteral("--apply"), QStringLiteral("--rollback"),
                                   QStringLiteral("--json"),  QStringLiteral("--sets"),
                                   QStringLiteral("--set")};
    return std::any_of(arguments.begin() + 1, arguments.end(), [](const QString& a) {
        return std::any_of(names.begin(), names.end(),
                           [&a](const QString& n) { return a == n || a.startsWith(n + u'='); });
    });
}

int usageError(const QString& message) {
    korvo::writeText(
        stderr,
        QCoreApplication::translate("main", "korvo: %1 (korvo --help lists the options)").arg(message) +
            u'\n');
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
                    "name. Exit status: 0 applied, 1 invalid values, no adapter chosen or no usable "
                    "settings file, 2 the service refused or failed, 3 rolled back, 64 usage error."),
        QCoreApplication::translate("main", "PROFILE")};
    QCommandLineOption rollback{
        QStringLiteral("rollback"),
        QCoreApplication::translate(
            "main",
            "With --apply: roll the change back after SECONDS unless it is confirmed on the terminal."),
        QCoreApplication::translate("main", "SECONDS")};
    QCommandLineOption json{
        QStringLiteral("json"),
        QCoreApplication::translate("main", "With --list, --adapters or --sets: print a JSON array; with "
                                            "--apply, the outcome as a JSON object.")};
    QCommandLineOption sets{
        QStringLiteral("sets"),
        QCoreApplication::translate("main", "Print the profile sets, one per line (name, settings file, "
                                            "\"chosen\" for the set the window uses, else \"-\"), "
                                            "tab-separated.")};
    QCommandLineOption set{
        QStringLiteral("set"),
        QCoreApplication::translate(
            "main", "With --list, --apply or --adapters: use the profile set NAME instead of the set "
                    "chosen last in the window. An unknown set is a usage error."),
        QCoreApplication::translate("main", "NAME")};
    bool parsed = false;
};

// Qt's words for the help option, from Qt's own translations; addHelpOption() would add --help-all too,
// whose Qt options are those of a window korvo has not made when it prints help.
const char* const QtParserWords = "QCommandLineParser";

QCommandLineOption addHelpOption(QCommandLineParser& parser) {
    QStringList names{QStringLiteral("h"), QStringLiteral("help")};
#ifdef Q_OS_WIN
    names.prepend(QStringLiteral("?"));
#endif
    const QCommandLineOption help(
        names, QCoreApplication::translate(QtParserWords, "Displays help on commandline options."));
    parser.addOption(help);
    return help;
}

Options::Options(const QStringList& arguments)
    : help(addHelpOption(parser)), version(parser.addVersionOption()) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Switches a network adapter's IPv4 configuration between stored profiles."));
    parser.addOption(settings);
    parser.addOption(acceptTerms);
    parser.addOptions({list, adapters, apply, rollback, json, sets, set});
    // Qt's own options (-platform, -style...) are unknown here; QApplication takes them out, and what is
    // left is checked again below.
    parsed = parser.parse(arguments);
}

int optionError(const QCommandLineParser& parser) {
    return usageError(parser.errorText());
}

// --settings with an empty value, which would quietly mean the usual file: the exit code after saying so.
std::optional<int> settingsFileMissing(const Options& options) {
    if (!options.parser.isSet(options.settings) || !options.parser.value(options.settings).isEmpty())
        return std::nullopt;
    return usageError(QCoreApplication::translate("main", "--settings needs a file name"));
}

// --accept-terms: what a user's first start writes once the terms are accepted, without a window
// (unattended setups). A file that exists keeps all it holds: only its terms line changes.
int acceptTermsUnattended(const QString& path) {
    QString failure;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        if (const QString why = korvo::acceptTermsInSettingsFile(path); !why.isEmpty())
            failure = QCoreApplication::translate("main", "The terms could not be accepted in \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), why);
    } else {
        // The book as a first start has it, the terms accepted: what the window saves then.
        korvo::ProfileBook book;
        book.setTermsAccepted(true);
        if (const QString why = book.save(path); !why.isEmpty())
            failure = QCoreApplication::translate("main", "The settings could not be saved to \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), why);
    }
    if (!failure.isEmpty()) {
        korvo::writeText(stderr, QStringLiteral("Korvo: ") + failure + u'\n');
        return 1;
    }
    korvo::writeText(stdout, QDir::toNativeSeparators(path) + u'\n');
    return 0;
}

// The window module: beside the program (a build folder, Windows), else in the package's private folder
// (KORVO_WINDOW_FOLDER, relative to the program's). Asked before any application object exists.
QString windowModulePath(const char* argv0) {
#if defined(Q_OS_LINUX)
    Q_UNUSED(argv0);
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
#elif defined(Q_OS_WIN)
    Q_UNUSED(argv0);
    std::wstring buffer(32768, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    const QString program = QDir::fromNativeSeparators(QString::fromWCharArray(buffer.data(), int(length)));
#else
    const QString program = QFileInfo(QFile::decodeName(argv0)).absoluteFilePath();
#endif
    const QDir folder = QFileInfo(program).absoluteDir();
    const QString beside = folder.filePath(QStringLiteral(KORVO_WINDOW_MODULE));
    if (QFileInfo(beside).isFile()) return beside;
    return QDir::cleanPath(folder.filePath(QStringLiteral(KORVO_WINDOW_FOLDER "/" KORVO_WINDOW_MODULE)));
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
        // In English, the options as read already say all (a command's start pays for nothing).
        if (!translations.install(QLocale::system().uiLanguages()).isEmpty() || given != arguments)
            options = std::make_unique<Options>(given);
    };
    if (options->parser.isSet(options->help)) {
        QCoreApplication app(argc, argv);
        speakUsersLanguage(arguments);
        // The usage line names the program as it is called from anywhere.
        QString text = options->parser.helpText();
        const QString program = QCoreApplication::arguments().constFirst();
        if (const qsizetype at = text.indexOf(program); at >= 0)
            text.replace(at, program.size(), QStringLiteral("korvo"));
        korvo::writeText(stdout, text);
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
        if (const std::optional<int> code = settingsFileMissing(o)) return *code;
        if (!parser.positionalArguments().isEmpty())
            return usageError(QCoreApplication::translate("main", "unexpected argument \"%1\"")
                                  .arg(parser.positionalArguments().first()));
        // The parser keeps every value; acting on the last alone would apply what the user did not mean.
        for (const QCommandLineOption* once : {&o.apply, &o.rollback, &o.settings, &o.set})
            if (parser.values(*once).size() > 1)
                return usageError(QCoreApplication::translate("main", "--%1 is given more than once")
                                      .arg(once->names().constFirst()));
        const int actions = int(parser.isSet(o.list)) + int(parser.isSet(o.adapters)) +
                            int(parser.isSet(o.apply)) + int(parser.isSet(o.sets));
        if (actions != 1 || parser.isSet(o.acceptTerms))
            return usageError(QCoreApplication::translate(
                "main", "give exactly one of --list, --adapters, --apply and --sets"));
        if (parser.isSet(o.set) && parser.isSet(o.sets))
            return usageError(
                QCoreApplication::translate("main", "--set goes with --list, --apply or --adapters"));
        korvo::CommandLineRequest request;
        request.action = parser.isSet(o.list)       ? korvo::CommandLineRequest::Action::List
                         : parser.isSet(o.adapters) ? korvo::CommandLineRequest::Action::Adapters
                         : parser.isSet(o.sets)     ? korvo::CommandLineRequest::Action::Sets
                                                    : korvo::CommandLineRequest::Action::Apply;
        request.set = parser.value(o.set);
        if (parser.isSet(o.set) && request.set.isEmpty())
            return usageError(QCoreApplication::translate("main", "--set needs a set's name"));
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
    if (options->parser.isSet(options->acceptTerms)) {
        // Core alone writes the file: no window and no display.
        QCoreApplication app(argc, argv);
        speakUsersLanguage(arguments);
        if (!options->parsed) return optionError(options->parser);
        if (const std::optional<int> code = settingsFileMissing(*options)) return *code;
        return acceptTermsUnattended(korvo::settingsLocation(QCoreApplication::applicationDirPath(),
                                                             options->parser.value(options->settings)));
    }
    if (!hasDisplay(arguments)) {
        // Said before any window could exist: an application object of its own, for the user's language.
        QCoreApplication app(argc, argv);
        speakUsersLanguage(arguments);
        if (!options->parsed) return optionError(options->parser);
        if (const std::optional<int> code = settingsFileMissing(*options)) return *code;
        korvo::writeText(stderr, QCoreApplication::translate(
                                     "main", "korvo: no display to show the window on (DISPLAY and "
                                             "WAYLAND_DISPLAY are unset)") +
                                     u'\n');
        return 1;
    }
#ifdef Q_OS_LINUX
    ensureRuntimeFolder();
#endif

    // Only now are Qt Gui and Widgets loaded, with the window module that needs them.
    QLibrary window(windowModulePath(argv[0]));
    const auto entry = reinterpret_cast<korvo::WindowEntry>(window.resolve(korvo::WindowEntryName));
    if (!entry) {
        const QString message =
            QCoreApplication::translate("main", "korvo: the window could not be loaded: %1")
                .arg(window.errorString());
        korvo::writeText(stderr, message + u'\n');
#ifdef Q_OS_WIN
        // Started from the desktop there is no console to read that in.
        ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(message.utf16()), L"Korvo",
                      MB_OK | MB_ICONERROR);
#endif
        return 1;
    }
    korvo::WindowStart start;
    start.argc = &argc;
    start.argv = argv;
    start.applicationMade = [&](QString* settingsFile) -> std::optional<int> {
        // The options were read without Qt's own (-platform...), which the application object has
        // taken out by now.
        if (!options->parsed) {
            speakUsersLanguage(QCoreApplication::arguments());
            if (!options->parsed) return optionError(options->parser);
        } else {
            translations.install(QLocale::system().uiLanguages());
        }
        if (const std::optional<int> code = settingsFileMissing(*options)) return *code;
        *settingsFile = options->parser.value(options->settings);
        return std::nullopt;
    };
    return entry(&start);
}
