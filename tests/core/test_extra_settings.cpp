// The companion file beside the settings file: what it reads, how a save rewrites it, and that the
// 129-line file is unaffected by it.
#include "core/ExtraSettings.h"
#include "core/ProfileBook.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvo;

Q_DECLARE_METATYPE(korvo::ExtraSettings)

namespace {

ExtraSettings with(int slot, QStringList more, QString hardware = {}) {
    ExtraSettings e{};
    e[static_cast<std::size_t>(slot)] = {std::move(more), std::move(hardware)};
    return e;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

namespace {

// A companion made new has the platform's line ends: CR LF on Windows.
QByteArray nativeLines(QByteArray lines) {
#ifdef Q_OS_WIN
    return lines.replace("\n", "\r\n");
#else
    return lines;
#endif
}

} // namespace

class TestExtraSettings : public QObject {
    Q_OBJECT
private slots:
    void pathBesideTheSettingsFile_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("companion");
        QTest::newRow("default") << "/home/u/.config/Korvo/Korvo.ini"
                                 << "/home/u/.config/Korvo/Korvo.extra.ini";
        QTest::newRow("a set") << "/c/Korvo/sets/Site A.ini"
                               << "/c/Korvo/sets/Site A.extra.ini";
        QTest::newRow("upper-case ending") << "C:/Korvo/KORVO.INI"
                                           << "C:/Korvo/KORVO.extra.ini";
        QTest::newRow("no ending") << "/tmp/settings"
                                   << "/tmp/settings.extra.ini";
    }
    void pathBesideTheSettingsFile() {
        QFETCH(QString, settings);
        QFETCH(QString, companion);
        QCOMPARE(extraSettingsPath(settings), companion);
    }

    // Values as typed, whatever they are: the apply judges them, as it judges the address box.
    void parsing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ExtraSettings>("expected");
        QTest::newRow("empty") << "" << ExtraSettings{};
        QTest::newRow("two addresses") << "[Profile2]\nMoreAddresses=192.0.2.21/24 192.0.2.22/24\n"
                                       << with(1, {"192.0.2.21/24", "192.0.2.22/24"});
        QTest::newRow("blanks, tabs, CR LF")
            << "[Profile1]\r\n  MoreAddresses =  192.0.2.21/24 \t 198.51.100.7/25  \r\n"
            << with(0, {"192.0.2.21/24", "198.51.100.7/25"});
        QTest::newRow("bad CIDR kept as typed") << "[Profile3]\nMoreAddresses=192.0.2.300/24 192.0.2.5/33 x\n"
                                                << with(2, {"192.0.2.300/24", "192.0.2.5/33", "x"});
        QTest::newRow("DHCP group and hardware address")
            << "[DHCP]\nMoreAddresses=203.0.113.9/24\nHardwareAddress=02:00:00:00:00:07\n"
            << with(StoredProfileCount, {"203.0.113.9/24"}, "02:00:00:00:00:07");
        QTest::newRow("foreign groups and keys skipped")
            << "[General]\nMoreAddresses=192.0.2.1/24\n[Profile7]\nMoreAddresses=192.0.2.2/24\n"
               "[profile1]\nMoreAddresses=192.0.2.3/24\n[Profile1]\nColour=blue\nmoreaddresses=192.0.2.4/24\n"
            << ExtraSettings{};
        QTest::newRow("comments and stray lines")
            << "; note\n# MoreAddresses=192.0.2.9/24\n[Profile6]\n;MoreAddresses=192.0.2.8/24\nno equals "
               "sign\n=192.0.2.7/24\nHardwareAddress=02:00:00:00:00:06\n"
            << with(5, {}, "02:00:00:00:00:06");
        QTest::newRow("key before any group") << "MoreAddresses=192.0.2.1/24\n" << ExtraSettings{};
        QTest::newRow("repeated key: the last") << "[Profile1]\nMoreAddresses=192.0.2.1/24\n"
                                                   "MoreAddresses=192.0.2.2/24\n"
                                                << with(0, {"192.0.2.2/24"});
        QTest::newRow("empty value") << "[Profile1]\nMoreAddresses=\n" << ExtraSettings{};
    }
    void parsing() {
        QFETCH(QString, text);
        QFETCH(ExtraSettings, expected);
        QCOMPARE(parseExtraSettings(text), expected);
    }

    // A save rewrites only Korvo's keys: what another program or a hand put there stays.
    void merging_data() {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<ExtraSettings>("extras");
        QTest::addColumn<QString>("merged");
        QTest::newRow("nothing to write") << "" << ExtraSettings{} << "";
        QTest::newRow("new file") << "" << with(1, {"192.0.2.21/24", "192.0.2.22/24"})
                                  << QString::fromLatin1(nativeLines(
                                         "[Profile2]\nMoreAddresses=192.0.2.21/24 192.0.2.22/24\n"));
        QTest::newRow("value replaced in place")
            << "; mine\n[Profile1]\nColour=blue\nMoreAddresses=192.0.2.1/24\nSize=3\n"
            << with(0, {"192.0.2.5/24"})
            << "; mine\n[Profile1]\nColour=blue\nMoreAddresses=192.0.2.5/24\nSize=3\n";
        QTest::newRow("key added to its group, before the blank line")
            << "[Profile1]\nColour=blue\n\n[Other]\nx=1\n"
            << with(0, {}, "02:00:00:00:00:01")
            << "[Profile1]\nColour=blue\nHardwareAddress=02:00:00:00:00:01\n\n[Other]\nx=1\n";
        QTest::newRow("emptied key removed, group and foreign keys kept")
            << "[DHCP]\nMoreAddresses=192.0.2.9/24\nColour=red\n"
            << ExtraSettings{} << "[DHCP]\nColour=red\n";
        QTest::newRow("repeated key written once")
            << "[Profile1]\nMoreAddresses=1\nMoreAddresses=2\n"
            << with(0, {"192.0.2.3/24"}) << "[Profile1]\nMoreAddresses=192.0.2.3/24\n";
        QTest::newRow("CR LF kept, group appended")
            << "[Other]\r\nx=1\r\n"
            << with(StoredProfileCount, {"203.0.113.4/24"})
            << "[Other]\r\nx=1\r\n\r\n[DHCP]\r\nMoreAddresses=203.0.113.4/24\r\n";
        QTest::newRow("last line without its end") << "[Profile1]\nx=1" << with(0, {"192.0.2.3/24"})
                                                   << "[Profile1]\nx=1\nMoreAddresses=192.0.2.3/24\n";
    }
    void merging() {
        QFETCH(QString, previous);
        QFETCH(ExtraSettings, extras);
        QFETCH(QString, merged);
        QCOMPARE(mergeExtraSettings(previous, extras), merged);
        // What is written reads back as what was asked.
        QCOMPARE(parseExtraSettings(merged), extras);
    }

    // The book: a set without a companion has no extras and a save makes none; with extras the
    // companion appears and the 129-line file is byte for byte what it was without them.
    void bookRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Korvo.ini"));
        const QString companion = dir.filePath(QStringLiteral("Korvo.extra.ini"));
        ProfileBook plain;
        plain.setTermsAccepted(true);
        QCOMPARE(plain.save(path), QString());
        QVERIFY(!QFile::exists(companion));
        const QByteArray mainBytes = fileBytes(path);

        ProfileBook book;
        QCOMPARE(book.read(path), ProfileBook::ReadOutcome::Read);
        QCOMPARE(book.extras(), ExtraSettings{});
        book.setMoreAddresses(1, {"192.0.2.21/24", "192.0.2.22/24"});
        book.setHardwareAddress(DhcpSlot, QStringLiteral("02:00:00:00:00:07"));
        QCOMPARE(book.save(path), QString());
        QCOMPARE(fileBytes(path), mainBytes);
        QCOMPARE(fileBytes(companion), nativeLines("[Profile2]\nMoreAddresses=192.0.2.21/24 192.0.2.22/24\n\n"
                                                   "[DHCP]\nHardwareAddress=02:00:00:00:00:07\n"));

        ProfileBook again;
        QCOMPARE(again.read(path), ProfileBook::ReadOutcome::Read);
        QCOMPARE(again.button(2).Typed.MoreAddresses, (QStringList{"192.0.2.21/24", "192.0.2.22/24"}));
        QCOMPARE(again.extras(), book.extras());

        // Reading another set without a companion leaves none of the previous one's.
        const QString other = dir.filePath(QStringLiteral("Other.ini"));
        QVERIFY(QFile::copy(path, other));
        QCOMPARE(again.read(other), ProfileBook::ReadOutcome::Read);
        QCOMPARE(again.extras(), ExtraSettings{});
    }

    // A save records the hardware address of each slot's adapter where it is known now; an adapter
    // that is away keeps the one recorded.
    void hardwareAddressesRecorded() {
        ProfileBook book;
        book.setAdapter(0, QStringLiteral("eth0"));
        book.setAdapter(1, QStringLiteral("kv2"));
        book.setHardwareAddress(1, QStringLiteral("02:00:00:00:00:02"));
        book.setAdapter(DhcpSlot, QStringLiteral("eth0"));
        const auto known = [](const QString& caption) {
            return caption == QLatin1String("eth0") ? QStringLiteral("52:54:00:12:34:56") : QString();
        };
        book.recordHardwareAddresses(known);
        QCOMPARE(book.profile(0).HardwareAddress, QStringLiteral("52:54:00:12:34:56"));
        QCOMPARE(book.profile(1).HardwareAddress, QStringLiteral("02:00:00:00:00:02"));
        QCOMPARE(book.profile(2).HardwareAddress, QString()); // no adapter chosen
        QCOMPARE(book.profile(DhcpSlot).HardwareAddress, QStringLiteral("52:54:00:12:34:56"));
    }

    // A companion Korvo cannot read is neither trusted nor overwritten: its bytes stay.
    void unreadableCompanionKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Korvo.ini"));
        const QString companion = dir.filePath(QStringLiteral("Korvo.extra.ini"));
        ProfileBook book;
        book.setTermsAccepted(true);
        QCOMPARE(book.save(path), QString());
        const QByteArray latin1("[Profile1]\nMoreAddresses=192.0.2.1/24\nNote=caf\xe9\n");
        QVERIFY(writeBytes(companion, latin1));
        QCOMPARE(book.read(path), ProfileBook::ReadOutcome::Read);
        QVERIFY(!book.extrasFailure().isEmpty());
        QCOMPARE(book.extras(), ExtraSettings{});
        book.setMoreAddresses(0, {"192.0.2.2/24"});
        QVERIFY(!book.save(path).isEmpty());
        QCOMPARE(fileBytes(companion), latin1);
    }
};

QTEST_GUILESS_MAIN(TestExtraSettings)
#include "test_extra_settings.moc"
