// korvo's command line, as the real binary runs it: no display, the settings file read only, usage
// errors in one line, and --apply and --rollback against the test bed's NetworkManager.
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/TestBed.h"

#include <QtTest>

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

// Standard input closed at once: no terminal.
Run runKorvo(const QStringList& args, const QString& bus) {
    QProcess p;
    p.setProcessEnvironment(bareEnvironment(bus));
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
                                  {}},
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
        QTest::newRow("rollback alone") << QStringList{"--rollback", "5", "--list"} << 64 << "--rollback";
        QTest::newRow("rollback not a number")
            << QStringList{"--apply", "1", "--rollback", "x"} << 64 << "\"x\"";
        QTest::newRow("rollback 0") << QStringList{"--apply", "1", "--rollback", "0"} << 64 << "\"0\"";
        QTest::newRow("json with apply") << QStringList{"--apply", "1", "--json"} << 64 << "--json";
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
                                 << "start Korvo";
        QTest::newRow("terms declined") << QStringList{"--list", s, declined} << 1 << "start Korvo";
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

    void listsAndHelpNeedNoDisplay() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        Run run = runKorvo({"--list", "--settings", settings}, nobus);
        QCOMPARE(run.code, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], "1\tP1\tveth0\t192.0.2.10\t255.255.255.0\t192.0.2.1\t192.0.2.53\t\t\t");
        QCOMPARE(lines[6], "7\tDHCP\tveth0\tDHCP\tDHCP\tDHCP\tDHCP\tDHCP\tDHCP\tDHCP");
        run = runKorvo({"--list", "--json", "--settings", settings}, nobus);
        QCOMPARE(run.code, 0);
        const QJsonArray array = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(array.size(), 7);
        QCOMPARE(array[2].toObject()[QStringLiteral("adapter")].toString(), QStringLiteral("veth9"));
        for (const char* option : {"--help", "--version"}) {
            run = runKorvo({QString::fromLatin1(option)}, nobus);
            QCOMPARE(run.code, 0);
            QVERIFY(!run.out.isEmpty());
        }
        QVERIFY(runKorvo({"--help"}, nobus).out.contains("--rollback"));
    }

    // --accept-terms unlocks the command line: only the terms line of the file is changed.
    void acceptTermsSetsTheTermsLine() {
        const QString nobus = QStringLiteral("unix:path=") + dir.filePath("no-bus");
        const QString path = dir.filePath("accept.ini");
        QStringList lines(korvo::SettingsLineCount);
        lines[7] = QStringLiteral("Büro");
        lines[39] = QStringLiteral("0");
        const QByteArray before =
            korvo::encodeSettingsFile(lines, korvo::SettingsEncoding::Windows1252).bytes;
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

        Run run = runKorvo({"--apply", "1", "--settings", settings}, bus);
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

        run = runKorvo({"--apply", "2", "--settings", settings}, bus);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.startsWith("Configuration Error!\n"), qPrintable(run.err));
        run = runKorvo({"--apply", "P3", "--settings", settings}, bus);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("-veth9- was not found"), qPrintable(run.err));
        QVERIFY(address().contains("inet 192.0.2.10/24")); // neither changed anything

        // No terminal: rolled back when the time is up, by itself.
        run = runKorvo({"--apply", "4", "--rollback", "2", "--settings", settings}, bus);
        QVERIFY2(run.code == 3, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains("Restored veth0: 192.0.2.10/24, gateway 192.0.2.1"), qPrintable(run.out));
        QVERIFY(address().contains("inet 192.0.2.10/24"));
        QVERIFY(!address().contains("203.0.113.20"));

        // Answered on a terminal: anything but "y" rolls back at once, "y" keeps it.
        auto answer = [&](const QByteArray& reply, const QString& seconds) {
            const QString command =
                QStringList{KORVO_BIN, "--apply", "4", "--rollback", seconds, "--settings", settings}.join(
                    u' ');
            QProcess terminal;
            terminal.setProcessEnvironment(bareEnvironment(bus));
            terminal.setProcessChannelMode(QProcess::MergedChannels);
            terminal.start("script", {"-qefc", command, "/dev/null"});
            QByteArray shown;
            if (!terminal.waitForStarted()) return std::pair{-1, shown};
            if (QTest::qWaitFor([&] { return (shown += terminal.readAll()).contains("[y/N]"); }, SettleMs))
                terminal.write(reply);
            terminal.waitForFinished(SettleMs);
            return std::pair{terminal.exitCode(), shown + terminal.readAll()};
        };
        QElapsedTimer declined;
        declined.start();
        auto [code, shown] = answer("n\n", "60");
        QVERIFY2(code == 3 && declined.elapsed() < 30000, shown.constData());
        QVERIFY(address().contains("inet 192.0.2.10/24"));
        std::tie(code, shown) = answer("y\n", "3");
        QVERIFY2(code == 0, shown.constData());
        QTest::qWait(4000); // past the checkpoint's time: kept, not rolled back
        QVERIFY(address().contains("inet 203.0.113.20/24"));

        run = runKorvo({"--apply", "DHCP", "--settings", settings}, bus);
        QVERIFY2(run.code == 0, qPrintable(run.out + run.err));
        QTRY_VERIFY_WITH_TIMEOUT(address().contains("inet 198.51.100."), SettleMs);
        QCOMPARE(bed.ip4("veth0", "IP4.GATEWAY"), "198.51.100.1");
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
