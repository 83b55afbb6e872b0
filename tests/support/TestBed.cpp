#include "tests/support/TestBed.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <stdexcept>
#include <sys/types.h>
#include <unistd.h>

namespace korvo::testing {

namespace {

const QString TestbedScript = QStringLiteral(KORVO_SOURCE_DIR "/scripts/testbed");

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess process;
    process.start(program, args);
    Run result;
    if (!process.waitForStarted(5000)) {
        result.err = program + QStringLiteral(": ") + process.errorString();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.err = program + QStringLiteral(" timed out");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString unquoted(QString value) {
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

std::optional<QString> TestBed::unavailable() {
    if (::geteuid() != 0) {
        return QStringLiteral("the NetworkManager test bed needs root (network namespaces)");
    }
    for (const char* tool : {"ip", "nsenter", "unshare", "dbus-daemon", "NetworkManager", "nmcli"}) {
        const auto name = QString::fromLatin1(tool);
        if (QStandardPaths::findExecutable(name).isEmpty() &&
            QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                .isEmpty()) {
            return QStringLiteral("the NetworkManager test bed needs %1 (scripts/test installs it)")
                .arg(name);
        }
    }
    return std::nullopt;
}

TestBed::TestBed(Options options) {
    static std::atomic<int> counter{0};
    const auto pid = QString::number(QCoreApplication::applicationPid());
    const QString wanted = QStringLiteral("korvo-t%1-%2").arg(pid).arg(counter++);
    QStringList args{QStringLiteral("start"),
                     QStringLiteral("--adapters"),
                     QString::number(options.adapters),
                     QStringLiteral("--name"),
                     wanted,
                     QStringLiteral("--watch"),
                     pid};
    if (options.dhcp) {
        args << QStringLiteral("--dhcp");
    }
    if (options.peer) {
        args << QStringLiteral("--peer");
    }
    if (!options.polkitRules.isEmpty()) {
        args << QStringLiteral("--polkit") << options.polkitRules;
    }
    const auto started = run(TestbedScript, args, 60000);
    if (started.exitCode != 0) {
        throw std::runtime_error(("test bed did not start: " + started.err).toStdString());
    }
    for (const auto& line : started.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto eq = line.indexOf(QLatin1Char('='));
        const auto key = line.left(eq);
        const auto value = unquoted(line.mid(eq + 1));
        if (key == QLatin1String("NS")) {
            name_ = value;
        } else if (key == QLatin1String("PEER")) {
            peer_ = value;
        } else if (key == QLatin1String("BUS")) {
            bus_ = value;
        } else if (key == QLatin1String("DIR")) {
            dir_ = value;
        } else if (key == QLatin1String("ADAPTERS")) {
            adapters_ = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        }
    }
    if (name_.isEmpty() || bus_.isEmpty() || dir_.isEmpty()) {
        throw std::runtime_error(("test bed printed no state: " + started.out).toStdString());
    }
}

TestBed::~TestBed() {
    if (frozen_) {
        freezeNetworkManager(false);
    }
    run(TestbedScript, {QStringLiteral("stop"), dir_}, 30000);
}

QString TestBed::script(const QStringList& args, int timeoutMs) const {
    const auto result = run(TestbedScript, args, timeoutMs);
    if (result.exitCode != 0) {
        throw std::runtime_error(
            ("testbed " + args.join(QLatin1Char(' ')) + " failed: " + result.err + result.out).toStdString());
    }
    return result.out;
}

QString TestBed::ip(const QStringList& args) const {
    const auto result = run(QStringLiteral("ip"), QStringList{QStringLiteral("-n"), name_} + args, 10000);
    if (result.exitCode != 0) {
        throw std::runtime_error(("ip " + args.join(QLatin1Char(' ')) + ": " + result.err).toStdString());
    }
    return result.out;
}

QString TestBed::peer(const QStringList& args) const {
    if (peer_.isEmpty()) throw std::runtime_error("the test bed has no peer (Options::peer)");
    const auto result = run(QStringLiteral("ip"), QStringList{QStringLiteral("-n"), peer_} + args, 10000);
    if (result.exitCode != 0) {
        throw std::runtime_error(("ip " + args.join(QLatin1Char(' ')) + ": " + result.err).toStdString());
    }
    return result.out;
}

TestBed::Inside::Inside(const TestBed& bed)
    : home_(::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC)) {
    const int there = ::open(("/run/netns/" + bed.name()).toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    const bool entered = home_ >= 0 && there >= 0 && ::setns(there, CLONE_NEWNET) == 0;
    if (there >= 0) ::close(there);
    if (!entered) {
        if (home_ >= 0) ::close(home_);
        throw std::runtime_error("cannot enter the test bed's network namespace");
    }
}

TestBed::Inside::~Inside() {
    (void)::setns(home_, CLONE_NEWNET);
    ::close(home_);
}

QString TestBed::nmcli(const QStringList& args) const {
    return script(QStringList{QStringLiteral("exec"), dir_, QStringLiteral("nmcli")} + args, 15000);
}

QString TestBed::ip4(const QString& adapter, const QString& field) const {
    return nmcli({QStringLiteral("-g"), field, QStringLiteral("device"), QStringLiteral("show"), adapter})
        .trimmed();
}

void TestBed::stopNetworkManager() {
    script({QStringLiteral("nm-stop"), dir_});
}
void TestBed::startNetworkManager() {
    script({QStringLiteral("nm-start"), dir_});
}
void TestBed::restartNetworkManager() {
    script({QStringLiteral("nm-restart"), dir_});
}

void TestBed::freezeNetworkManager(bool frozen) {
    QFile file(dir_ + QStringLiteral("/nm.pid"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("NetworkManager is not running in the test bed");
    }
    const auto pid = static_cast<pid_t>(file.readAll().trimmed().toLongLong());
    if (pid <= 1 || ::kill(pid, frozen ? SIGSTOP : SIGCONT) != 0) {
        throw std::runtime_error("cannot signal NetworkManager");
    }
    frozen_ = frozen;
}

} // namespace korvo::testing
