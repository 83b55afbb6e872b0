#include "app/CommandLine.h"

#include "core/Applier.h"
#include "core/CommandLine.h"
#include "core/Rollback.h"
#include "core/SettingsFile.h"
#include "core/SettingsLocation.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
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

void out(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

void err(const QString& text) {
    std::fprintf(stderr, "korvo: %s\n", text.toLocal8Bit().constData());
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

// The buttons of an accepted settings file, or the exit code after saying why there are none.
std::variant<std::array<ButtonProfile, ButtonCount>, int> loadButtons(const QString& requested) {
    const QString path = settingsLocation(QCoreApplication::applicationDirPath(), requested);
    const SettingsFileRead read = readSettingsFile(path);
    if (read.outcome == SettingsFileRead::Outcome::Rejected) {
        err(QStringLiteral("Error while reading the ini file, it may be corrupt. (%1)")
                .arg(QDir::toNativeSeparators(path)));
        return exit_code::Invalid;
    }
    const StoredSettings settings =
        read.outcome == SettingsFileRead::Outcome::Read ? storedSettings(read.lines) : StoredSettings{};
    if (settings.TermsAccepted != true) {
        err(QStringLiteral("the terms of use are not accepted in %1: start Korvo once and accept them")
                .arg(QDir::toNativeSeparators(path)));
        return exit_code::Invalid;
    }
    return buttonProfiles(settings);
}

int list(const CommandLineRequest& request) {
    const auto loaded = loadButtons(request.settingsFile);
    if (const int* code = std::get_if<int>(&loaded)) return *code;
    QJsonArray array;
    for (const ButtonProfile& b : std::get<0>(loaded)) {
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
                                 p.SecondaryWINS};
        if (!request.json) {
            out(fields.join(u'\t') + u'\n');
            continue;
        }
        array.append(QJsonObject{{QStringLiteral("number"), b.Number},
                                 {QStringLiteral("name"), b.ButtonName},
                                 {QStringLiteral("adapter"), p.AdapterCaption},
                                 {QStringLiteral("dhcp"), b.Mode == ApplyMode::Dhcp},
                                 {QStringLiteral("ipAddress"), p.IPAddress},
                                 {QStringLiteral("subnetMask"), p.SubnetMask},
                                 {QStringLiteral("gateway"), p.Gateway},
                                 {QStringLiteral("primaryDns"), p.PrimaryDNS},
                                 {QStringLiteral("secondaryDns"), p.SecondaryDNS},
                                 {QStringLiteral("primaryWins"), p.PrimaryWINS},
                                 {QStringLiteral("secondaryWins"), p.SecondaryWINS}});
    }
    if (request.json) out(QString::fromUtf8(QJsonDocument(array).toJson()));
    return exit_code::Applied;
}

int adapters(const CommandLineRequest& request) {
    std::vector<std::unique_ptr<platform::Adapter>> found;
    try {
        const auto service = platform::makeSystemConnector()->connect(platform::Purpose::List);
        if (!service) throw platform::ServiceError("the service gave no connection");
        found = service->adapters();
    } catch (const std::exception& e) {
        err(QStringLiteral("the network configuration service failed: %1")
                .arg(QString::fromStdString(e.what())));
        return exit_code::ServiceFailed;
    }
    QJsonArray array;
    for (const auto& adapter : found) {
        const QString caption = QString::fromStdString(adapter->caption());
        const std::optional<platform::IPv4State> state = adapter->ipv4State();
        if (!request.json) {
            out(state ? QStringList{caption, QString::fromLatin1(platform::configurationKind(*state)),
                                    joined(state->addresses), QString::fromStdString(state->gateway),
                                    joined(state->dnsServers)}
                                .join(u'\t') +
                            u'\n'
                      : caption + QStringLiteral("\tunknown\n"));
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
    if (request.json) out(QString::fromUtf8(QJsonDocument(array).toJson()));
    return exit_code::Applied;
}

// One line from the terminal, or nothing when none came before `deadline`. The reader is left behind
// when the time is up: the process ends soon after.
std::optional<std::string> answerBefore(std::chrono::steady_clock::time_point deadline) {
    struct Shared {
        std::mutex lock;
        std::condition_variable arrived;
        std::optional<std::string> line;
        bool ended = false;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared] {
        std::string line;
        const bool got = static_cast<bool>(std::getline(std::cin, line));
        const std::lock_guard<std::mutex> hold(shared->lock);
        if (got) shared->line = line;
        shared->ended = true;
        shared->arrived.notify_all();
    }).detach();
    std::unique_lock<std::mutex> hold(shared->lock);
    shared->arrived.wait_until(hold, deadline, [&] { return shared->ended; });
    return shared->line;
}

// Waits for what the guarded adapters had before to be back, then says so; the exit code.
int reportRestored(const Rollback& guard) {
    const auto connector = platform::makeSystemConnector();
    QElapsedTimer waited;
    waited.start();
    std::vector<std::pair<std::string, std::optional<platform::IPv4State>>> now;
    bool same = false;
    do {
        now.clear();
        try {
            const auto service = connector->connect(platform::Purpose::List);
            for (const auto& adapter : service->adapters())
                now.emplace_back(adapter->caption(), adapter->ipv4State());
        } catch (const std::exception&) {
        }
        same = std::all_of(guard.before().begin(), guard.before().end(), [&now](const auto& before) {
            return std::any_of(now.begin(), now.end(), [&before](const auto& n) {
                return n.first == before.first && n.second == before.second;
            });
        });
        if (!same) QThread::msleep(200);
    } while (!same && waited.elapsed() < 10000);
    for (const auto& [caption, state] : guard.before()) {
        const QString name = QString::fromStdString(caption);
        if (same) {
            out(QStringLiteral("Restored %1: %2\n").arg(name, describeState(state)));
            continue;
        }
        const auto it =
            std::find_if(now.begin(), now.end(), [&caption](const auto& n) { return n.first == caption; });
        err(QStringLiteral("%1 was not restored: it had %2 and has %3")
                .arg(name, describeState(state),
                     it == now.end() || !it->second ? QStringLiteral("nothing Korvo can read")
                                                    : describeState(*it->second)));
    }
    return same ? exit_code::RolledBack : exit_code::ServiceFailed;
}

int rollBack(Rollback& guard) {
    try {
        guard.rollBack();
    } catch (const std::exception& e) {
        err(QStringLiteral("the change could not be rolled back: %1").arg(QString::fromStdString(e.what())));
        return exit_code::ServiceFailed;
    }
    return reportRestored(guard);
}

int apply(const CommandLineRequest& request) {
    // A number out of range is wrong whatever the settings hold: say so before reading them.
    bool isNumber = false;
    const int asNumber = request.profile.toInt(&isNumber);
    if (isNumber && request.profile == QString::number(asNumber) &&
        (asNumber < 1 || asNumber > ButtonCount)) {
        err(QStringLiteral("no profile is numbered \"%1\" (1 to 7, or a button name)").arg(request.profile));
        return exit_code::Usage;
    }
    const auto loaded = loadButtons(request.settingsFile);
    if (const int* code = std::get_if<int>(&loaded)) return *code;
    const auto& buttons = std::get<0>(loaded);
    const int number = findButton(buttons, request.profile);
    if (number <= 0) {
        err(number < 0 ? QStringLiteral("more than one profile is named \"%1\": give its number")
                             .arg(request.profile)
                       : QStringLiteral("no profile is numbered or named \"%1\" (1 to 7, or a button name)")
                             .arg(request.profile));
        return exit_code::Usage;
    }
    const ButtonProfile& button = buttons[static_cast<std::size_t>(number - 1)];
    if (button.Typed.AdapterCaption.isEmpty()) {
        err(QStringLiteral("Whoops: Please select an Interface first!!"));
        return exit_code::Invalid;
    }

    const std::shared_ptr<platform::ServiceConnector> connector = platform::makeSystemConnector();
    std::unique_ptr<Rollback> guard;
    std::chrono::steady_clock::time_point deadline;
    if (request.rollbackSeconds) {
        const std::chrono::seconds timeout(*request.rollbackSeconds);
        try {
            guard = std::make_unique<Rollback>(connector, button.Typed.AdapterCaption, timeout);
        } catch (const std::exception& e) {
            err(QStringLiteral("nothing was changed: no way back could be prepared: %1")
                    .arg(QString::fromStdString(e.what())));
            return exit_code::ServiceFailed;
        }
        deadline = std::chrono::steady_clock::now() + timeout;
        // No adapter of that caption: the apply run says so.
        if (!guard->guards()) guard.reset();
    }

    const ApplyOutcome outcome = Applier(connector).SetInterface(button.Typed, button.Mode);
    const QString report = plainReport(outcome);
    if (outcome.state != ApplyOutcome::State::Applied) {
        std::fputs(report.toLocal8Bit().constData(), stderr);
        if (outcome.state == ApplyOutcome::State::Invalid) {
            if (guard) {
                try {
                    guard->keep(); // nothing was changed
                } catch (const std::exception&) {
                }
            }
            return exit_code::Invalid;
        }
        // Part of the change may be in place.
        if (guard) rollBack(*guard);
        return exit_code::ServiceFailed;
    }
    out(report);
    std::fflush(stdout);
    if (!guard) return exit_code::Applied;

    const bool terminal = KORVO_ISATTY(0);
    std::optional<std::string> answer;
    if (terminal) {
        std::fputs("Keep this configuration? [y/N] ", stderr);
        std::fflush(stderr);
        answer = answerBefore(deadline);
        if (!answer) std::fputs("\n", stderr);
    } else {
        err(QStringLiteral("no terminal to ask on: rolling back when the %1 seconds are up")
                .arg(*request.rollbackSeconds));
        std::this_thread::sleep_until(deadline);
    }
    if (answer && (*answer == "y" || *answer == "Y")) {
        try {
            guard->keep();
        } catch (const std::exception& e) {
            err(QStringLiteral("the configuration could not be kept: %1")
                    .arg(QString::fromStdString(e.what())));
            return rollBack(*guard) == exit_code::RolledBack ? exit_code::RolledBack
                                                             : exit_code::ServiceFailed;
        }
        out(QStringLiteral("Kept.\n"));
        return exit_code::Applied;
    }
    return rollBack(*guard);
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
    }
    return exit_code::Usage;
}

} // namespace korvo
