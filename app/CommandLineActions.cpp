#include "app/CommandLineActions.h"

#include "app/StopDuringApply.h"
#include "app/StopRequests.h"
#include "app/TextOutput.h"

#include "core/Applier.h"
#include "core/ProfileSets.h"
#include "core/ResultTexts.h"
#include "core/Rollback.h"
#include "core/ServiceConnection.h"
#include "core/SettingsFile.h"
#include "core/SettingsLocation.h"
#include "core/TerminalReport.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <variant>

#ifdef Q_OS_WIN
#include <io.h>
#define KORVO_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define KORVO_ISATTY(fd) ::isatty(fd)
#endif

namespace korvo {

namespace {

// Everything that reaches the terminal goes through terminalText: names come from files and services.
void out(const QString& text) {
    writeText(stdout, text);
}

// One line of tab-separated fields.
void outFields(const QStringList& fields) {
    QStringList shown;
    for (const QString& field : fields)
        shown << terminalText(field);
    out(shown.join(u'\t') + u'\n');
}

// A report of several lines, to `stream`.
void outLines(const QString& text, std::FILE* stream = stdout) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = terminalText(line);
    writeText(stream, lines.join(u'\n'));
}

void err(const QString& text) {
    writeText(stderr, QStringLiteral("korvo: ") + terminalText(text) + u'\n');
}

QJsonArray jsonList(const std::vector<std::string>& items) {
    QJsonArray array;
    for (const std::string& item : items)
        array.append(QString::fromStdString(item));
    return array;
}

QString joined(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list.join(u' ');
}

// The settings file of the set asked for (--set NAME, else the one the window chose last) in `path`;
// else the exit code after saying why there is none.
std::optional<int> setFile(const CommandLineRequest& request, QString* path, QString* requested) {
    const ProfileSets sets(settingsLocation(QCoreApplication::applicationDirPath(), request.settingsFile));
    *requested = request.settingsFile;
    const QString name = request.set.isEmpty() ? sets.chosen() : request.set;
    if (name == QLatin1String(DefaultSetName)) {
        *path = sets.defaultFile();
        return std::nullopt;
    }
    if (!sets.exists(name)) {
        const QString problem = setNameProblem(name);
        err(problem.isEmpty() ? QCoreApplication::translate(
                                    "CommandLine", "there is no set named \"%1\" (korvo --sets lists them)")
                                    .arg(name)
                              : QCoreApplication::translate("CommandLine", "\"%1\" is no set's name: %2")
                                    .arg(name, problem));
        return exit_code::Usage;
    }
    *path = *requested = sets.fileOf(name);
    return std::nullopt;
}

// Reads an accepted settings file of the set asked for into `book`; else the exit code after saying
// why it cannot be used.
std::optional<int> loadBook(const CommandLineRequest& request, ProfileBook& book) {
    QString path, requested;
    if (const std::optional<int> code = setFile(request, &path, &requested)) return code;
    const QString shownPath = QDir::toNativeSeparators(path);
    // Over SSH no window can start: name the way that needs none too, for this very file.
    const QString option = requested.isEmpty()
                               ? QString()
                               : QStringLiteral(" --settings ") +
                                     (shownPath.contains(u' ') ? u'"' + shownPath + u'"' : shownPath);
    const QString ways =
        QCoreApplication::translate(
            "CommandLine", "start korvo%1 once and accept the terms of use, or run korvo --accept-terms%1")
            .arg(option);
    if (!QFileInfo::exists(path)) {
        err(QCoreApplication::translate("CommandLine", "no settings file at %1; to make one, %2")
                .arg(shownPath, ways));
        return exit_code::Invalid;
    }
    if (book.read(path) != ProfileBook::ReadOutcome::Read) {
        err(QCoreApplication::translate("CommandLine",
                                        "Error while reading the ini file, it may be corrupt. (%1)")
                .arg(QDir::toNativeSeparators(path)));
        return exit_code::Invalid;
    }
    if (!book.termsAccepted()) {
        err(QCoreApplication::translate("CommandLine", "the terms of use are not accepted in %1: %2")
                .arg(shownPath, ways));
        return exit_code::Invalid;
    }
    return std::nullopt;
}

int list(const CommandLineRequest& request) {
    ProfileBook book;
    if (const std::optional<int> code = loadBook(request, book)) return *code;
    QJsonArray array;
    for (int number = 1; number <= SlotCount; ++number) {
        const ButtonProfile b = book.button(number);
        const Profile& p = b.Typed;
        const QStringList fields{QString::number(b.Number),
                                 b.ButtonName,
                                 p.AdapterCaption,
                                 p.IPAddress,
                                 p.SubnetMask,
                                 p.Gateway,
                                 p.PrimaryDNS,
                                 p.SecondaryDNS,
                                 p.PrimaryWINS,
                                 p.SecondaryWINS,
                                 p.MoreAddresses.join(u' ')};
        if (!request.json) {
            outFields(fields);
            continue;
        }
        array.append(
            QJsonObject{{QStringLiteral("number"), b.Number},
                        {QStringLiteral("name"), b.ButtonName},
                        {QStringLiteral("adapter"), p.AdapterCaption},
                        {QStringLiteral("dhcp"), b.Mode == ApplyMode::Dhcp},
                        {QStringLiteral("ipAddress"), p.IPAddress},
                        {QStringLiteral("subnetMask"), p.SubnetMask},
                        {QStringLiteral("gateway"), p.Gateway},
                        {QStringLiteral("primaryDns"), p.PrimaryDNS},
                        {QStringLiteral("secondaryDns"), p.SecondaryDNS},
                        {QStringLiteral("primaryWins"), p.PrimaryWINS},
                        {QStringLiteral("secondaryWins"), p.SecondaryWINS},
                        {QStringLiteral("moreAddresses"), QJsonArray::fromStringList(p.MoreAddresses)}});
    }
    if (request.json) out(jsonText(QString::fromUtf8(QJsonDocument(array).toJson())));
    return exit_code::Applied;
}

int sets(const CommandLineRequest& request) {
    const ProfileSets sets(settingsLocation(QCoreApplication::applicationDirPath(), request.settingsFile));
    const QString chosen = sets.chosen();
    QJsonArray array;
    for (const QString& name : sets.names()) {
        const QString file = QDir::toNativeSeparators(sets.fileOf(name));
        if (request.json)
            array.append(QJsonObject{{QStringLiteral("name"), name},
                                     {QStringLiteral("file"), file},
                                     {QStringLiteral("chosen"), name == chosen}});
        else
            outFields({name, file, name == chosen ? QStringLiteral("chosen") : QStringLiteral("-")});
    }
    if (request.json) out(jsonText(QString::fromUtf8(QJsonDocument(array).toJson())));
    return exit_code::Applied;
}

int adapters(const CommandLineRequest& request) {
    // The set plays no part in the listing, but a mistyped one is said as everywhere else.
    QString path, requested;
    if (const std::optional<int> code = setFile(request, &path, &requested)) return *code;
    std::vector<std::unique_ptr<platform::Adapter>> found;
    try {
        found = connectService(platform::makeSystemConnector().get(), platform::Purpose::List)->adapters();
    } catch (const std::exception& e) {
        err(QCoreApplication::translate("CommandLine", "the network configuration service failed: %1")
                .arg(QString::fromStdString(e.what())));
        return exit_code::ServiceFailed;
    }
    QJsonArray array;
    for (const auto& adapter : found) {
        const QString caption = QString::fromStdString(adapter->caption());
        const std::optional<platform::IPv4State> state = adapter->ipv4State();
        if (!request.json) {
            outFields(state ? QStringList{caption, QString::fromLatin1(platform::configurationKind(*state)),
                                          joined(state->addresses), QString::fromStdString(state->gateway),
                                          joined(state->dnsServers)}
                            : QStringList{caption, QStringLiteral("unknown")});
            continue;
        }
        QJsonObject entry{{QStringLiteral("adapter"), caption}};
        if (state) {
            entry.insert(QStringLiteral("dhcp"), state->dhcp);
            entry.insert(QStringLiteral("configuration"),
                         QString::fromLatin1(platform::configurationKind(*state)));
            entry.insert(QStringLiteral("addresses"), jsonList(state->addresses));
            entry.insert(QStringLiteral("gateway"), QString::fromStdString(state->gateway));
            entry.insert(QStringLiteral("dnsServers"), jsonList(state->dnsServers));
        }
        array.append(entry);
    }
    if (request.json) out(jsonText(QString::fromUtf8(QJsonDocument(array).toJson())));
    return exit_code::Applied;
}

// Waits for what the guarded adapters had before to be back, then says so; the exit code.
int reportRestored(const Rollback& guard) {
    const RestoreReading reading =
        readUntilRestored(guard, platform::makeSystemConnector().get(), std::chrono::seconds(10),
                          std::chrono::milliseconds(200));
    const bool same = reading.restored;
    for (const auto& [caption, state] : guard.before()) {
        const QString name = QString::fromStdString(caption);
        if (same) {
            outLines(QCoreApplication::translate("CommandLine", "Restored %1: %2\n")
                         .arg(name, stateSummary(state)));
            continue;
        }
        const std::optional<platform::IPv4State> now = reading.stateOf(caption);
        err(QCoreApplication::translate("CommandLine", "%1 was not restored: it had %2 and has %3")
                .arg(name, stateSummary(state),
                     !now ? QCoreApplication::translate("CommandLine", "nothing Korvo can read")
                          : stateSummary(*now)));
    }
    return same ? exit_code::RolledBack : exit_code::ServiceFailed;
}

// Once the way back is taken, a second Ctrl-C may end the wait for its result.
int rollBack(Rollback& guard, std::optional<StopRequests>& stops) {
    try {
        guard.rollBack();
    } catch (const std::exception& e) {
        err(QCoreApplication::translate("CommandLine", "the change could not be rolled back: %1")
                .arg(QString::fromStdString(e.what())));
        return exit_code::ServiceFailed;
    }
    stops.reset();
    return reportRestored(guard);
}

// A plain apply that a rollback still pending (another korvo --rollback waiting for its answer, another
// program's checkpoint) will undo: said beside the report, which is true only until then. The apply
// found it before the change.
void notePendingRollback(const ApplyOutcome& outcome, const QString& caption) {
    if (!outcome.PendingRollback) return;
    const auto& pending = *outcome.PendingRollback;
    const QString name = QString::fromStdString(pending.name);
    err(pending.in ? QCoreApplication::translate(
                         "CommandLine", "but a pending rollback covers %1: it will undo this change in %2 "
                                        "seconds, when %3 expires, unless that is kept first")
                         .arg(caption)
                         .arg(pending.in->count())
                         .arg(name)
                   : QCoreApplication::translate("CommandLine",
                                                 "but a pending rollback covers %1: it will undo this change "
                                                 "if %2 is rolled back")
                         .arg(caption, name));
}

int apply(const CommandLineRequest& request) {
    // A number out of range is wrong whatever the settings hold: say so before reading them.
    bool isNumber = false;
    const int asNumber = request.profile.toInt(&isNumber);
    if (isNumber && request.profile == QString::number(asNumber) && (asNumber < 1 || asNumber > SlotCount)) {
        err(QCoreApplication::translate("CommandLine",
                                        "no profile is numbered \"%1\" (1 to 7, or a button name)")
                .arg(request.profile));
        return exit_code::Usage;
    }
    ProfileBook book;
    if (const std::optional<int> code = loadBook(request, book)) return *code;
    const int number = book.findButton(request.profile);
    if (number <= 0) {
        err(number < 0
                ? QCoreApplication::translate("CommandLine",
                                              "more than one profile is named \"%1\": give its number")
                      .arg(request.profile)
                : QCoreApplication::translate(
                      "CommandLine", "no profile is numbered or named \"%1\" (1 to 7, or a button name)")
                      .arg(request.profile));
        return exit_code::Usage;
    }
    const ButtonProfile button = book.button(number);
    if (button.Typed.AdapterCaption.isEmpty()) {
        err(QCoreApplication::translate("CommandLine", "Whoops: Please select an Interface first!!"));
        return exit_code::Invalid;
    }

    const std::shared_ptr<platform::ServiceConnector> connector = platform::makeSystemConnector();
    std::unique_ptr<Rollback> guard;
    std::optional<StopRequests> stops;
    std::chrono::steady_clock::time_point deadline;
    if (request.rollbackSeconds) {
        // From before the checkpoint: Ctrl-C from here on rolls back, instead of leaving it standing.
        stops.emplace();
        const std::chrono::seconds timeout(*request.rollbackSeconds);
        try {
            guard = std::make_unique<Rollback>(connector, button.Typed.AdapterCaption, timeout);
        } catch (const std::exception& e) {
            err(QCoreApplication::translate("CommandLine",
                                            "nothing was changed: no way back could be prepared: %1")
                    .arg(QString::fromStdString(e.what())));
            return exit_code::ServiceFailed;
        }
        deadline = std::chrono::steady_clock::now() + timeout;
        // No adapter of that caption: the apply run says so.
        if (!guard->guards()) guard.reset();
    }

    // The report as soon as the change is made; the gateway's answer follows it, within a second. JSON
    // is one object: it waits for the answer.
    QString printed;
    ApplyChecks checks;
    if (!request.json)
        checks.made = [&printed](const ApplyOutcome& made) {
            printed = plainReport(made);
            outLines(printed);
            std::fflush(stdout);
        };
    // A stop during the apply waits for its answer; with a rollback, the stop then rolls it back.
    std::optional<StopDuringApply> stopped;
    if (!stops) stopped.emplace(stops.emplace(), connector);
    const ApplyOutcome outcome = Applier(connector).SetInterface(button.Typed, button.Mode, checks);
    stopped.reset();
    QString report = request.json ? jsonReport(outcome, button) : plainReport(outcome);
    if (!printed.isEmpty() && report.startsWith(printed.chopped(1))) report = report.mid(printed.size());
    if (outcome.State != ApplyState::Applied) {
        if (request.json)
            out(report);
        else
            outLines(report, stderr);
        if (outcome.State == ApplyState::Invalid) {
            if (guard) {
                try {
                    guard->keep(); // nothing was changed
                } catch (const std::exception&) {
                }
            }
            return exit_code::Invalid;
        }
        if (outcome.State == ApplyState::NotApplied) {
            if (guard) {
                try {
                    guard->keep(); // nothing was changed
                } catch (const std::exception&) {
                }
            }
            return exit_code::ServiceFailed;
        }
        // Part of the change may be in place.
        if (guard)
            rollBack(*guard, stops);
        else if (outcome.State == ApplyState::Refused)
            notePendingRollback(outcome, button.Typed.AdapterCaption);
        return exit_code::ServiceFailed;
    }
    if (request.json)
        out(report);
    else
        outLines(report);
    std::fflush(stdout);
    if (!guard) {
        notePendingRollback(outcome, button.Typed.AdapterCaption);
        return exit_code::Applied;
    }

    const bool terminal = KORVO_ISATTY(0);
    if (terminal) {
        // Only "y" keeps it, in every language: the question says so.
        writeText(stderr, QCoreApplication::translate("CommandLine", "Keep this configuration? [y/N] "));
        std::fflush(stderr);
    } else {
        err(QCoreApplication::translate("CommandLine",
                                        "no terminal to ask on: rolling back when the %1 seconds are up")
                .arg(*request.rollbackSeconds));
    }
    const Waited waited = stops->wait(deadline, terminal);
    if (waited.end == Waited::End::Answered && (waited.line == "y" || waited.line == "Y")) {
        try {
            guard->keep();
        } catch (const std::exception& e) {
            err(QCoreApplication::translate("CommandLine", "the configuration could not be kept: %1")
                    .arg(QString::fromStdString(e.what())));
            return rollBack(*guard, stops) == exit_code::RolledBack ? exit_code::RolledBack
                                                                    : exit_code::ServiceFailed;
        }
        out(QCoreApplication::translate("CommandLine", "Kept.\n"));
        return exit_code::Applied;
    }
    if (terminal && waited.end != Waited::End::Answered) std::fputs("\n", stderr);
    if (waited.end == Waited::End::Stopped)
        err(QCoreApplication::translate("CommandLine", "stopped by %1: rolling back now")
                .arg(QString::fromStdString(waited.stoppedBy)));
    return rollBack(*guard, stops);
}

} // namespace

int runCommandLine(const CommandLineRequest& request) {
    switch (request.action) {
    case CommandLineRequest::Action::List:
        return list(request);
    case CommandLineRequest::Action::Adapters:
        return adapters(request);
    case CommandLineRequest::Action::Apply:
        return apply(request);
    case CommandLineRequest::Action::Sets:
        return sets(request);
    }
    return exit_code::Usage;
}

} // namespace korvo
