// korvo's command line, as the real binary runs it: no display, the settings file read only, usage
// errors in one line, and --apply and --rollback against the test bed's NetworkManager.
#include "core/ExtraSettings.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/TestBed.h"

#include <QtTest>
#include <csignal>

using korvo::testing::TestBed;

namespace {

constexpr int SettleMs = 15000;

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// No display, no platform plugin chosen: the command line must need neither.
QProcessEnvironment bareEnvironment(const QString& bus) {
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), QDir::tempPath());
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus);
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(name))
            env.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
    return env;
}

// Standard input closed at once: no terminal. `display` names a platform plugin to draw with.
// `extra` adds NAME=VALUE pairs to the environment.
Run runKorvo(const QStringList& args, const QString& bus, const QString& display = {},
             const QStringList& extra = {}) {
    QProcess p;
    QProcessEnvironment env = bareEnvironment(bus);
    if (!display.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), display);
    for (const QString& pair : extra)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KORVO_BIN), args);
    if (!p.waitForStarted()) return {};
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// Profiles 1 to 6 as (ip, mask, gateway, DNS, adapter), accepted terms; the DHCP tab on `dhcpAdapter`.
QString writeSettings(const QString& folder, const QList<QStringList>& profiles, const QString& dhcpAdapter) {
    korvo::StoredSettings s;
    s.TermsAccepted = true;
    for (qsizetype k = 0; k < profiles.size(); ++k) {
        const QStringList& f = profiles[k];
        s.Profiles[static_cast<std::size_t>(k)] = {
            f.value(0), f.value(1), f.value(2), f.value(3), {}, {}, {}, QStringLiteral("P%1").arg(k + 1),
            f.value(4)};
    }
    s.Profiles[5].Name = QStringLiteral("Twin");
    s.Profiles[4].Name = QStringLiteral("Twin");
    s.DhcpAdapterCaption = dhcpAdapter;
    // As saved while the via-DHCP boxes were ticked: the boxes showed the marker.
    s.DhcpPrimaryDNS = s.DhcpSecondaryDNS = s.DhcpPrimaryWINS = s.DhcpSecondaryWINS = QStringLiteral("DHCP");
    s.DNSViaDHCP = true;
    s.WINSViaDHCP = true;
    const QString path = folder + QStringLiteral("/Korvo.ini");
    if (!korvo::writeSettingsFile(path, korvo::settingsLines(s)).isEmpty()) return {};
    return path;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString settings;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        settings = writeSettings(dir.path(),
                                 {{"192.0.2.10", "255.255.255.0", "192.0.2.1", "192.0.2.53", "veth0"},
                                  {"192.0.2.300", "255.255.255.0", "", "", "veth0"},
                                  {"192.0.2.12", "255.255.255.0", "", "", "veth9"},
                                  {"203.0.113.20", "255.255.255.0", "", "", "veth0"},
                                  {},
                                  {"192.0.2.12", "255.255.255.0", "", "", "peer0"}},
                                 QStringLiteral("veth0"));
        QVERIFY(!settings.isEmpty());
    }

    void usageAndInputErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        const QString s = "--settings";
        const QString ok = settings;
        const QString corrupt = dir.filePath("corrupt.ini");
        const QString declined = dir.filePath("declined.ini");
        QTest::newRow("unknown option") << QStringList{"--list", "--bogus"} << 64 << "bogus";
        QTest::newRow("missing value") << QStringList{"--apply"} << 64 << "apply";
        QTest::newRow("extra argument") << QStringList{"--list", "x", s, ok} << 64 << "\"x\"";
        QTest::newRow("two actions") << QStringList{"--list", "--adapters"} << 64 << "one of";
        QTest::newRow("apply twice") << QStringList{"--apply", "2", "--apply", "1", s, ok} << 64 << "--apply";
        QTest::newRow("rollback twice")
            << QStringList{"--apply", "1", "--rollback", "5", "--rollback", "9"} << 64 << "--rollback";
        QTest::newRow("settings twice") << QStringList{"--list", s, ok, s, ok} << 64 << "--settings";
        QTest::newRow("rollback alone") << QStringList{"--rollback", "5", "--list"} << 64 << "--rollback";
        QTest::newRow("rollback not a number")
            << QStringList{"--apply", "1", "--rollback", "x"} << 64 << "\"x\"";
        QTest::newRow("rollback 0") << QStringList{"--apply", "1", "--rollback", "0"} << 64 << "\"0\"";
        QTest::newRow("json alone") << QStringList{"--json"} << 64 << "exactly one of";
        QTest::newRow("profile 0") << QStringList{"--apply", "0", s, ok} << 64 << "\"0\"";
        QTest::newRow("profile 8") << QStringList{"--apply", "8", s, ok} << 64 << "\"8\"";
        QTest::newRow("profile 8, no file yet")
            << QStringList{"--apply", "8", s, dir.filePath("none.ini")} << 64 << "\"8\"";
        QTest::newRow("unknown option, no action") << QStringList{"--bogus"} << 64 << "bogus";
        QTest::newRow("unknown name") << QStringList{"--apply", "p1", s, ok} << 64 << "\"p1\"";
        QTest::newRow("ambiguous name") << QStringList{"--apply", "Twin", s, ok} << 64 << "more than one";
        QTest::newRow("no adapter chosen")
            << QStringList{"--apply", "5", s, ok} << 1 << "select an Interface";
        QTest::newRow("corrupt file") << QStringList{"--list", s, corrupt} << 1 << "corrupt";
        QTest::newRow("no file") << QStringList{"--apply", "1", s, dir.filePath("none.ini")} << 1
                                 << "no settings file at " + dir.filePath("none.ini");
        QTest::newRow("empty file name") << QStringList{"--list", s, ""} << 64 << "--settings needs a file";
        QTest::newRow("terms declined") << QStringList{"--list", s, declined} << 1
                                        << "or run korvo --accept-terms --settings " + declined;
        QTest::newRow("unknown set") << QStringList{"--list", "--set", "Nope", s, ok} << 64
                                     << "no set named \"Nope\" (korvo --sets lists them)";
        QTest::newRow("set out of the folder")
            << QStringList{"--apply", "1", "--set", "../Korvo", s, ok} << 64 << "is no set's name";
        QTest::newRow("set named by a control character")
            << QStringList{"--list", "--set", "a\x01", s, ok} << 64 << "control characters";
        QTest::newRow("unknown set, adapters") << QStringList{"--adapters", "--set", "Nope"} << 64 << "Nope";
        QTest::newRow("set alone") << QStringList{"--set", "Lab"} << 64 << "exactly one of";
        QTest::newRow("set with sets") << QStringList{"--sets", "--set", "Lab"} << 64 << "--set goes with";
        QTest::newRow("set twice") << QStringList{"--list", "--set", "A", "--set", "B"} << 64 << "--set";
        QTest::newRow("set empty") << QStringList{"--list", "--set", ""} << 64 << "--set needs";
        QTest::newRow("no NetworkManager") << QStringList{"--adapters"} << 2 << "system bus";
        QTest::newRow("no NetworkManager, apply") << QStringList{"--apply", "P1", s, ok} << 2 << "";
    }
    void usageAndInputErrors() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, says);
        QFile corrupt(dir.filePath("corrupt.ini"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly) && corrupt.write("only\r\ntwo lines\r\n") > 0);
        corrupt.close();
        QStringList lines(korvo::SettingsLineCount);
        QVERIFY(korvo::writeSettingsFile(dir.filePath("declined.ini"), lines).isEmpty());
        const QByteArray before = [&] {
            QFile f(settings);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        const Run run = runKorvo(args, QStringLiteral("unix:path=") + dir.filePath("no-bus"));
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        if (code != 2) {
            QCOMPARE(run.err.count(u'\n'), 1); // one clear line
            QCOMPARE(run.out, QString());
        }
        QFile after(settings);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before); // read, never written
    }

    // With a display the window's start-up runs first: its threads must not outlive the application.
    void usageErrorsWithADisplay() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        for (const QStringList& args : {QStringList{"--foo"}, QStringList{"--settings", ""}}) {
            for (int round = 0; round < 6; ++round) {
                const Run run = runKorvo(args, nobus, QStringLiteral("offscreen"));
                QVERIFY2(run.code == 64, qPrintable(args.join(u' ') + u'\n' + run.err));
                QCOMPARE(run.err.count(u'\n'), 1);
            }
        }
    }

    // Names reach the terminal with their control and bidirectional characters shown, not obeyed;
    // JSON escapes them all.
    void listShowsControlCharacters() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        korvo::StoredSettings s = korvo::storedSettings(korvo::readSettingsFile(settings).lines);
        s.Profiles[0].Name = QStringLiteral("\x1b]0;owned\x07Office\u202Egnp.exe\u2066x\u200F\u061C\t");
        s.Profiles[0].AdapterCaption = QStringLiteral("veth0\u0085\u009B2J\x7f");
        const QString spoof = dir.filePath("spoof.ini");
        QVERIFY(korvo::writeSettingsFile(spoof, korvo::settingsLines(s)).isEmpty());

        Run run = runKorvo({"--list", "--settings", spoof}, nobus);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.split(u'\n').value(0).section(u'\t', 0, 2),
                 "1\t\\x1B]0;owned\\x07Office\\u202Egnp.exe\\u2066x\\u200F\\u061C\\x09\t"
                 "veth0\\u0085\\u009B2J\\x7F");
        run = runKorvo({"--list", "--json", "--settings", spoof}, nobus);
        QCOMPARE(run.code, 0);
        for (const char16_t raw : {u'\x1b', u'\x85', u'\x9b', u'\u202E', u'\u2066', u'\u200F', u'\u061C'})
            QVERIFY2(!run.out.contains(QChar(raw)), qPrintable(QString::number(raw, 16)));
        const QJsonObject first = QJsonDocument::fromJson(run.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(first["name"].toString(), s.Profiles[0].Name);
        QCOMPARE(first["adapter"].toString(), s.Profiles[0].AdapterCaption);
    }

    void listsAndHelpNeedNoDisplay() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        Run run = runKorvo({"--list", "--settings", settings}, nobus);
        QCOMPARE(run.code, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], "1\tP1\tveth0\t192.0.2.10\t255.255.255.0\t192.0.2.1\t192.0.2.53\t\t\t\t");
        QCOMPARE(lines[6], "7\tDHCP\tveth0\tDHCP\tDHCP\tDHCP\tDHCP\tDHCP\tDHCP\tDHCP\t");
        run = runKorvo({"--list", "--json", "--settings", settings}, nobus);
        QCOMPARE(run.code, 0);
        const QJsonArray array = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(array.size(), 7);
        QCOMPARE(array[2].toObject()[QStringLiteral("adapter")].toString(), QStringLiteral("veth9"));

        // The companion's further addresses: the last field, and an array in JSON.
        const QString companion = korvo::extraSettingsPath(settings);
        QVERIFY(!QFile::exists(companion));
        QCOMPARE(writeExtraSettings(settings,
                                    [] {
                                        korvo::ExtraSettings e{};
                                        e[0].MoreAddresses = QStringList{"192.0.2.21/24", "192.0.2.22/24"};
                                        e[6].MoreAddresses = QStringList{"198.51.100.9/24"};
                                        return e;
                                    }()),
                 QString());
        run = runKorvo({"--list", "--settings", settings}, nobus);
        const QStringList more = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(more.size() == 7 && more[0].endsWith("\t192.0.2.21/24 192.0.2.22/24"));
        QVERIFY(more[6].endsWith("\tDHCP\t198.51.100.9/24"));
        run = runKorvo({"--list", "--json", "--settings", settings}, nobus);
        QCOMPARE(
            QJsonDocument::fromJson(run.out.toUtf8()).array().at(0).toObject()["moreAddresses"].toArray(),
            (QJsonArray{"192.0.2.21/24", "192.0.2.22/24"}));
        QVERIFY(QFile::remove(companion));
        for (const char* option : {"--help", "--version"}) {
            run = runKorvo({QString::fromLatin1(option)}, nobus);
            QCOMPARE(run.code, 0);
            QVERIFY(!run.out.isEmpty());
        }
        QVERIFY(runKorvo({"--help"}, nobus).out.contains("--rollback"));
    }

    // The manual page and --help name the same options, each does what it says (--help-all, which
    // Qt's parser would add and korvo cannot honour without a window, is not offered), and the manual
    // gives every exit status, --help's included.
    void helpAndManualAgree() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        const Run help = runKorvo({"--help"}, nobus);
        QCOMPARE(help.code, 0);
        QFile file(QStringLiteral(KORVO_MAN_PAGE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString man = QString::fromUtf8(file.readAll());
        auto names = [](const QString& text, const QString& pattern) {
            QSet<QString> found;
            for (const auto& m :
                 QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text))
                found << m.captured(1).remove(u'\\');
            return found;
        };
        const QSet<QString> helped = names(help.out, QStringLiteral("^  (?:-\\w, )?--([a-z-]+)"));
        const QSet<QString> manned =
            names(man, QStringLiteral("^\\.BI? (?:\\\\-\\w, )?\\\\-\\\\-([a-z\\\\-]+)"));
        QVERIFY2(helped.size() >= 9, qPrintable(help.out));
        QCOMPARE(manned, helped);
        QVERIFY(!help.out.contains("--help-all"));
        const Run all = runKorvo({"--help-all"}, nobus);
        QCOMPARE(all.code, 64);
        QVERIFY2(all.out.isEmpty() && all.err.contains("help-all"), qPrintable(all.err));

        const QString statuses =
            man.section(QStringLiteral(".SH EXIT STATUS"), 1).section(QStringLiteral(".SH"), 0, 0);
        const QSet<QString> given = names(statuses, QStringLiteral("^\\.B ([0-9]+)$"));
        QCOMPARE(given, (QSet<QString>{"0", "1", "2", "3", "64"}));
        const QString said =
            help.out.simplified().section(QStringLiteral("Exit status: "), 1).section(u'.', 0, 0);
        QCOMPARE(names(said, QStringLiteral("(?:^|, )([0-9]+) ")), given);
        QVERIFY2(said.contains("no usable settings file") && statuses.contains("no usable settings file"),
                 qPrintable(said));
    }

    // The command line starts without the window's libraries: the dynamic loader names every library
    // it loads, and Qt Core must be among them for the list to mean anything.
    void commandLineLoadsNoWindowLibraries() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        const QString fresh = dir.filePath("loads/Korvo.ini");
        const QList<QStringList> runs{{"--list", "--settings", settings},
                                      {"--list", "--json", "--settings", settings},
                                      {"--adapters"},
                                      {"--apply", "1", "--settings", settings},
                                      {"--apply", "1", "--rollback", "5", "--settings", settings},
                                      {"--accept-terms", "--settings", fresh},
                                      {"--version"},
                                      {"--help"},
                                      {"--apply", "1", "--apply", "2"}};
        for (const QStringList& args : runs) {
            const Run run = runKorvo(args, nobus, {}, {QStringLiteral("LD_DEBUG=libs")});
            QVERIFY2(run.code >= 0, qPrintable(args.join(u' ')));
            QVERIFY2(run.err.contains(QLatin1String("libQt6Core.so")), qPrintable(args.join(u' ')));
            for (const char* library : {"libQt6Gui", "libQt6Widgets", "korvo-window"})
                QVERIFY2(!run.err.contains(QLatin1String(library)),
                         qPrintable(args.join(u' ') + QStringLiteral(" loads ") + QLatin1String(library)));
        }
        QVERIFY(QFileInfo::exists(fresh));
    }

    // --accept-terms unlocks the command line: only the terms line of the file is changed.
    void acceptTermsSetsTheTermsLine() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        const QString path = dir.filePath("accept.ini");
        QStringList lines(korvo::SettingsLineCount);
        lines[7] = QStringLiteral("Büro");
        lines[39] = QStringLiteral("0");
        const QByteArray before =
            korvo::encodeSettingsFile(lines, korvo::SettingsEncoding::AnsiCodePage).bytes;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        const Run run = runKorvo({"--accept-terms", "--settings", path}, nobus);
        QVERIFY2(run.code == 0 && run.out == path + u'\n', qPrintable(run.err));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(before).replace("\r\n0\r\n", "\r\n1\r\n"));
        QCOMPARE(runKorvo({"--list", "--settings", path}, nobus).code, 0);
    }

    void appliesOnTheTestBed() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
        TestBed bed({.adapters = 1, .dhcp = true});
        const QString bus = QString::fromStdString(bed.busAddress());
        auto address = [&bed] { return bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"}); };

        // Nothing on it yet: neither DHCP nor static.
        Run run = runKorvo({"--adapters"}, bus);
        QCOMPARE(run.out, "veth0\tunconfigured\t\t\t\n");

        run = runKorvo({"--apply", "1", "--settings", settings}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.startsWith("Configuration Applied\n"), qPrintable(run.out));
        QVERIFY2(run.out.contains("IP Address: 192.0.2.10\n"), qPrintable(run.out));
        QVERIFY(address().contains("inet 192.0.2.10/24"));
        QCOMPARE(bed.ip4("veth0", "IP4.GATEWAY"), "192.0.2.1");

        // What --adapters says is what ip sees.
        run = runKorvo({"--adapters", "--json"}, bus);
        QCOMPARE(run.code, 0);
        const QJsonObject veth0 = QJsonDocument::fromJson(run.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(veth0["adapter"].toString(), "veth0");
        QCOMPARE(veth0["addresses"].toArray().at(0).toString(), "192.0.2.10/24");
        QCOMPARE(veth0["gateway"].toString(), "192.0.2.1");
        QCOMPARE(veth0["dnsServers"].toArray().at(0).toString(), "192.0.2.53");
        QVERIFY(!veth0["dhcp"].toBool());
        QCOMPARE(veth0["configuration"].toString(), "static");

        run = runKorvo({"--apply", "2", "--settings", settings}, bus);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.startsWith("Configuration Error!\n"), qPrintable(run.err));
        run = runKorvo({"--apply", "P3", "--settings", settings}, bus);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("-veth9- was not found"), qPrintable(run.err));
        run = runKorvo({"--apply", "6", "--settings", settings}, bus);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("-peer0- is not managed by NetworkManager."), qPrintable(run.err));
        QVERIFY(address().contains("inet 192.0.2.10/24")); // neither changed anything

        // No terminal: rolled back when the time is up, by itself.
        run = runKorvo({"--apply", "4", "--rollback", "2", "--settings", settings}, bus);
        QVERIFY2(run.code == 3, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains("Restored veth0: 192.0.2.10/24, gateway 192.0.2.1"), qPrintable(run.out));
        QVERIFY(address().contains("inet 192.0.2.10/24"));
        QVERIFY(!address().contains("203.0.113.20"));

        // On a terminal: anything but "y" rolls back at once, and so does a stop request (Ctrl-C typed,
        // SIGTERM, SIGHUP); no answer rolls back when the time is up, and Korvo ends; "y" keeps it.
        // A plain apply meanwhile says that the standing checkpoint will undo it.
        struct Answer {
            const char* name;
            QByteArray typed;
            int signal;
            const char* seconds;
            int code;
            const char* says;
            bool applyMeanwhile;
        };
        const Answer answers[] = {
            {"declined", "n\n", 0, "60", 3, "Restored veth0: 192.0.2.10/24", false},
            {"unanswered", "", 0, "2", 3, "Restored veth0: 192.0.2.10/24", false},
            {"Ctrl-C", "\x03", 0, "60", 3, "stopped by Ctrl-C: rolling back now", true},
            {"SIGTERM", "", SIGTERM, "60", 3, "stopped by SIGTERM", false},
            {"SIGHUP", "", SIGHUP, "60", 3, "stopped by SIGHUP", false},
            {"kept", "y\n", 0, "3", 0, "Kept.", false},
        };
        for (const Answer& a : answers) {
            // The shell's pid is Korvo's once it execs.
            const QString command =
                QStringLiteral("echo pid=$$; exec ") +
                QStringList{KORVO_BIN, "--apply", "4", "--rollback", a.seconds, "--settings", settings}.join(
                    u' ');
            QProcess terminal;
            terminal.setProcessEnvironment(bareEnvironment(bus));
            terminal.setProcessChannelMode(QProcess::MergedChannels);
            QElapsedTimer took;
            took.start();
            terminal.start("script", {"-qefc", command, "/dev/null"});
            QByteArray shown;
            QVERIFY(terminal.waitForStarted());
            QVERIFY2(
                QTest::qWaitFor([&] { return (shown += terminal.readAll()).contains("[y/N]"); }, SettleMs),
                shown.constData());
            if (a.applyMeanwhile) {
                run = runKorvo({"--apply", "1", "--settings", settings}, bus);
                QVERIFY2(run.code == 0 && run.out.startsWith("Configuration Applied\n"), qPrintable(run.err));
                QVERIFY2(
                    run.err.contains(QRegularExpression("pending rollback covers veth0: it will undo this "
                                                        "change in [0-9]+ seconds, when /org/")),
                    qPrintable(run.err));
            }
            if (a.signal)
                ::kill(
                    QRegularExpression("pid=([0-9]+)").match(QString::fromLatin1(shown)).captured(1).toInt(),
                    a.signal);
            else if (!a.typed.isEmpty())
                terminal.write(a.typed);
            if (!terminal.waitForFinished(SettleMs)) terminal.kill();
            terminal.waitForFinished();
            shown += terminal.readAll();
            QVERIFY2(terminal.exitCode() == a.code && shown.contains(a.says) && took.elapsed() < 20000,
                     qPrintable(QStringLiteral("%1 (%2 ms): ").arg(a.name).arg(took.elapsed()) + shown));
            // NetworkManager reports the rollback done a moment before the kernel has the address back.
            QTRY_VERIFY2_WITH_TIMEOUT(
                address().contains(a.code == 3 ? "inet 192.0.2.10/24" : "inet 203.0.113.20/24"),
                qPrintable(QStringLiteral("%1: ").arg(a.name) + address()), SettleMs);
        }
        QTest::qWait(4000); // past the checkpoint's time: kept, not rolled back
        QVERIFY(address().contains("inet 203.0.113.20/24"));

        run = runKorvo({"--apply", "DHCP", "--settings", settings}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QTRY_VERIFY_WITH_TIMEOUT(address().contains("inet 198.51.100."), SettleMs);
        QCOMPARE(bed.ip4("veth0", "IP4.GATEWAY"), "198.51.100.1");

        // Cable pulled: saved into the device's one profile, said so, and in place once plugged in.
        bed.ip({"link", "set", "peer0", "down"});
        QTRY_VERIFY_WITH_TIMEOUT(
            bed.nmcli({"-g", "GENERAL.STATE", "device", "show", "veth0"}).startsWith("20 "), SettleMs);
        run = runKorvo({"--apply", "1", "--settings", settings}, bus);
        QVERIFY2(run.code == 0 && run.out.startsWith("Configuration Applied\n") &&
                     run.out.contains("take effect when the cable is connected"),
                 qPrintable(run.out + run.err));
        QCOMPARE(bed.nmcli({"-g", "NAME", "connection", "show"}).count(QStringLiteral("veth0\n")), 1);
        bed.ip({"link", "set", "peer0", "up"});
        QTRY_VERIFY2_WITH_TIMEOUT(address().contains("inet 192.0.2.10/24"), qPrintable(address()), SettleMs);
    }

    // A set is its own file: --set applies that set's profile, without --set the set the window chose
    // last is used, and --sets lists them all, the chosen one marked.
    void setsApplyTheirOwnProfiles() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        QTemporaryDir home;
        const QString main =
            writeSettings(home.path(), {{"192.0.2.10", "255.255.255.0", "", "", "veth0"}}, {});
        QVERIFY(QDir(home.path()).mkdir("sets"));
        const QString lab =
            writeSettings(home.filePath("sets"), {{"198.51.100.20", "255.255.255.0", "", "", "veth0"}}, {});
        QVERIFY(QFile::rename(lab, home.filePath("sets/Lab 2.ini")));
        const QByteArray labBytes = [&] {
            QFile f(home.filePath("sets/Lab 2.ini"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        Run run = runKorvo({"--sets", "--settings", main}, nobus);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out,
                 "Default\t" + main + "\tchosen\nLab 2\t" + home.filePath("sets/Lab 2.ini") + "\t-\n");
        run = runKorvo({"--list", "--set", "Lab 2", "--settings", main}, nobus);
        QVERIFY2(run.code == 0 && run.out.startsWith("1\tP1\tveth0\t198.51.100.20\t"), qPrintable(run.err));

        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
        TestBed bed({.adapters = 1});
        const QString bus = QString::fromStdString(bed.busAddress());
        auto address = [&bed] { return bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"}); };
        run = runKorvo({"--apply", "1", "--set", "Lab 2", "--settings", main}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QVERIFY2(address().contains("inet 198.51.100.20/24"), qPrintable(address()));
        run = runKorvo({"--apply", "1", "--settings", main}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QVERIFY2(address().contains("inet 192.0.2.10/24") && !address().contains("198.51.100.20"),
                 qPrintable(address()));

        // Chosen in the window: the command line follows it until --set says otherwise.
        QFile chosen(home.filePath("sets/chosen.conf"));
        QVERIFY(chosen.open(QIODevice::WriteOnly) && chosen.write("[General]\nSet=Lab 2\n") > 0);
        chosen.close();
        QVERIFY(runKorvo({"--sets", "--settings", main}, nobus).out.endsWith("\tchosen\n"));
        run = runKorvo({"--apply", "1", "--settings", main}, bus);
        QVERIFY2(run.code == 0 && address().contains("inet 198.51.100.20/24"), qPrintable(address()));
        run = runKorvo({"--apply", "1", "--set", "Default", "--settings", main}, bus);
        QVERIFY2(run.code == 0 && address().contains("inet 192.0.2.10/24"), qPrintable(address()));
        // Applying only reads a set.
        QFile after(home.filePath("sets/Lab 2.ini"));
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), labBytes);
    }

    // The report is what the adapter has: an address another tool put in place of the profile's is
    // mended by the next apply, and --json says setting by setting what was asked and what is in effect.
    void applyReadsTheAdapterBack() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
        TestBed bed({.adapters = 1});
        const QString bus = QString::fromStdString(bed.busAddress());
        auto address = [&bed] { return bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"}); };
        Run run = runKorvo({"--apply", "1", "--settings", settings}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));

        bed.ip({"addr", "flush", "dev", "veth0"});
        bed.ip({"addr", "add", "198.51.100.77/24", "dev", "veth0"});
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth0", "IP4.ADDRESS") == "198.51.100.77/24", SettleMs);
        run = runKorvo({"--apply", "1", "--json", "--settings", settings}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QVERIFY2(address().contains("inet 192.0.2.10/24") && !address().contains("198.51.100.77"),
                 qPrintable(address()));

        const QJsonObject outcome = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(outcome["profile"].toObject()["number"].toInt(), 1);
        QCOMPARE(outcome["profile"].toObject()["name"].toString(), "P1");
        const QJsonObject veth0 = outcome["adapters"].toArray().at(0).toObject();
        QCOMPARE(veth0["adapter"].toString(), "veth0");
        QCOMPARE(veth0["state"].toString(), "applied");
        QVERIFY(veth0["address_free"].isNull());
        QVERIFY(veth0["gateway_answers"].isNull());
        const QJsonArray rows = veth0["settings"].toArray();
        const char* const expected[][4] = {
            {"ip_address", "192.0.2.10", "192.0.2.10", "in_effect"},
            {"subnet_mask", "255.255.255.0", "255.255.255.0", "in_effect"},
            {"gateway", "192.0.2.1", "192.0.2.1", "in_effect"},
            {"primary_dns", "192.0.2.53", "192.0.2.53", "in_effect"},
            {"secondary_dns", "", "", "in_effect"},
            {"primary_wins", "", "", "not_shown"},
            {"secondary_wins", "", "", "not_shown"},
        };
        QCOMPARE(rows.size(), 7);
        for (int i = 0; i < 7; ++i) {
            const QJsonObject s = rows.at(i).toObject();
            const QStringList got{s["name"].toString(), s["asked"].toString(), s["in_effect"].toString(),
                                  s["status"].toString()};
            QCOMPARE(got, (QStringList{expected[i][0], expected[i][1], expected[i][2], expected[i][3]}));
        }
    }

    // An apply lists the adapters once, in the batches the window lists with: the manager's properties
    // asked once (each listing starts there), and never every object NetworkManager has.
    void applyListsTheAdaptersOnce() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
        TestBed bed({.adapters = 2});
        const QString bus = QString::fromStdString(bed.busAddress());
        QProcess monitor;
        monitor.setProcessChannelMode(QProcess::MergedChannels);
        monitor.start("dbus-monitor",
                      {"--address", bus, "type='method_call',member='GetManagedObjects'",
                       "type='method_call',member='GetAll',path='/org/freedesktop/NetworkManager'"});
        QByteArray seen;
        // dbus-monitor has become a monitor once the bus has taken its name back.
        QVERIFY2(QTest::qWaitFor([&] { return (seen += monitor.readAll()).contains("NameLost"); }, SettleMs),
                 seen.constData());
        const Run run = runKorvo({"--apply", "1", "--settings", settings}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QTest::qWait(300);
        seen += monitor.readAll();
        monitor.terminate();
        monitor.waitForFinished();
        QCOMPARE(seen.count("member=GetManagedObjects"), 0);
        QCOMPARE(seen.count("member=GetAll"), 1);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
