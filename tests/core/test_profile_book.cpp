// The profiles that the window shows and the command line applies: a file's values as loading takes
// them, what each button applies, the DHCP slot's via-DHCP flags, and the way back to the file.
#include "core/ProfileBook.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvo;

namespace {

StoredSettings sample() {
    StoredSettings s;
    s.Profiles[0] = {"192.0.2.10", "255.255.255.0", "", "", "", "", "", "Office", "eth0"};
    s.Profiles[1].Name = QStringLiteral("Office");
    s.Profiles[2].Name = QStringLiteral("3");
    s.RepeatedAdapterCaption = QStringLiteral("eth7");
    s.DhcpPrimaryDNS = QStringLiteral("DHCP");
    s.DhcpSecondaryDNS = QStringLiteral("192.0.2.53");
    s.DhcpPrimaryWINS = QStringLiteral("DHCP");
    s.DNSViaDHCP = false;
    s.WINSViaDHCP = true;
    s.TermsAccepted = true;
    s.DhcpAdapterCaption = QStringLiteral("eth1");
    return s;
}

} // namespace

class TestProfileBook : public QObject {
    Q_OBJECT
private slots:
    // A first start: what firstStartSettings saves, the DHCP slot's servers from DHCP.
    void firstStart() {
        const ProfileBook book;
        StoredSettings expected = firstStartSettings();
        expected.TermsAccepted = false;
        QCOMPARE(book.stored(), expected);
        QCOMPARE(book.button(7).Typed,
                 (Profile{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", {}, {}}));
    }

    // Names, adapters (line 128's repeat) and the DHCP slot's servers behind their via-DHCP flags.
    void buttonsAsLoaded() {
        StoredSettings s = sample();
        {
            ProfileBook book;
            book.load(s);
            QCOMPARE(book.button(1).Typed.AdapterCaption, QStringLiteral("eth0"));
            QCOMPARE(book.button(1).ButtonName, QStringLiteral("Office"));
            const Profile dhcp{"DHCP", "DHCP", "DHCP", "", "192.0.2.53", "DHCP", "", "", "eth1"};
            QCOMPARE(book.button(7).Typed, dhcp);
            QCOMPARE(book.button(7).Mode, ApplyMode::Dhcp);
            QCOMPARE(book.button(7).ButtonName, QStringLiteral("DHCP"));
            QCOMPARE(book.button(2).Mode, ApplyMode::Static);
            QVERIFY(book.termsAccepted());
        }
        s.UseRepeatedAdapter = true;
        s.DNSViaDHCP = std::nullopt; // unreadable: the flag stays set and the servers read as loaded
        s.TermsAccepted = std::nullopt;
        ProfileBook book;
        book.load(s);
        QCOMPARE(book.button(1).Typed.AdapterCaption, QStringLiteral("eth7"));
        QCOMPARE(book.button(7).Typed.PrimaryDNS, QStringLiteral("DHCP"));
        QCOMPARE(book.button(7).Typed.SecondaryDNS, QStringLiteral("192.0.2.53"));
        QVERIFY(book.dnsViaDhcp());
        QVERIFY(!book.termsAccepted());

        QCOMPARE(book.findButton(QStringLiteral("7")), 7);
        QCOMPARE(book.findButton(QStringLiteral("DHCP")), 7);
        QCOMPARE(book.findButton(QStringLiteral("3")), 3); // the number wins over a name
        QCOMPARE(book.findButton(QStringLiteral("Office")), -1);
        QCOMPARE(book.findButton(QStringLiteral("office")), 0);
        for (const char* none : {"0", "8", "07", "", "-1"})
            QCOMPARE(book.findButton(QString::fromLatin1(none)), 0);
    }

    // A slot without a saved adapter keeps the one it has; the file's lines come back as loaded.
    void savedAsLoaded() {
        ProfileBook book;
        book.setAdapter(1, QStringLiteral("kept"));
        StoredSettings s = sample();
        book.load(s);
        QCOMPARE(book.profile(1).AdapterCaption, QStringLiteral("kept"));
        book.setAdapter(1, QString());
        const StoredSettings back = book.stored();
        QCOMPARE(back.Profiles, s.Profiles);
        QCOMPARE(back.DhcpPrimaryDNS, QString()); // the flag cleared by loading forgot the marker
        QCOMPARE(back.DhcpSecondaryDNS, s.DhcpSecondaryDNS);
        QCOMPARE(back.DhcpPrimaryWINS, s.DhcpPrimaryWINS);
        QCOMPARE(back.DNSViaDHCP, std::optional<bool>(false));
        QCOMPARE(back.WINSViaDHCP, std::optional<bool>(true));
        QCOMPARE(back.DhcpAdapterCaption, s.DhcpAdapterCaption);
        QCOMPARE(back.TermsAccepted, std::optional<bool>(true));
    }

    // Setting a flag shows "DHCP" and remembers the servers; clearing it brings them back, the marker
    // excepted. Each change is told, and a flag set again unchanged still locks its boxes.
    void viaDhcpRemembers() {
        ProfileBook book;
        QSignalSpy changed(&book, &ProfileBook::changed);
        QSignalSpy via(&book, &ProfileBook::viaDhcpSet);
        book.setDnsViaDhcp(false);
        QCOMPARE(book.profile(DhcpSlot).PrimaryDNS, QString()); // the initial "DHCP" was a marker
        book.set(DhcpSlot, ProfileField::PrimaryDNS, QStringLiteral("192.0.2.53"));
        book.set(DhcpSlot, ProfileField::SecondaryDNS, QStringLiteral("192.0.2.54"));
        changed.clear();
        book.setDnsViaDhcp(true);
        QCOMPARE(book.profile(DhcpSlot).PrimaryDNS, QStringLiteral("DHCP"));
        QCOMPARE(book.profile(DhcpSlot).SecondaryDNS, QStringLiteral("DHCP"));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toInt(), DhcpSlot);
        book.setDnsViaDhcp(false);
        QCOMPARE(book.profile(DhcpSlot).PrimaryDNS, QStringLiteral("192.0.2.53"));
        QCOMPARE(book.profile(DhcpSlot).SecondaryDNS, QStringLiteral("192.0.2.54"));
        QCOMPARE(book.profile(DhcpSlot).PrimaryWINS, QStringLiteral("DHCP")); // WINS untouched
        QCOMPARE(via.count(), 3);
        QCOMPARE(via.last(), (QVariantList{true, false}));
        // The flag is told before the servers change, so that their boxes lock or unlock first.
        QStringList order;
        connect(&book, &ProfileBook::viaDhcpSet, this, [&order] { order << QStringLiteral("flag"); });
        connect(&book, &ProfileBook::changed, this, [&order] { order << QStringLiteral("server"); });
        book.setWinsViaDhcp(false);
        QCOMPARE(via.last(), (QVariantList{false, true}));
        QCOMPARE(order, (QStringList{"flag", "server", "server"}));
    }

    // A press takes the values as typed, then empties server boxes holding only blanks.
    void pressClearsBlankServers() {
        ProfileBook book;
        book.set(2, ProfileField::PrimaryDNS, QStringLiteral("  "));
        book.set(2, ProfileField::SecondaryDNS, QStringLiteral(" 192.0.2.53"));
        book.set(2, ProfileField::Gateway, QStringLiteral(" "));
        QCOMPARE(book.button(3).Typed.PrimaryDNS, QStringLiteral("  "));
        book.pressed(3);
        QCOMPARE(book.profile(2).PrimaryDNS, QString());
        QCOMPARE(book.profile(2).SecondaryDNS, QStringLiteral(" 192.0.2.53"));
        QCOMPARE(book.profile(2).Gateway, QStringLiteral(" ")); // only the servers
    }

    // The file: missing, rejected (the terms then count as accepted), read; a save keeps the new
    // fingerprint, and another program's change is seen.
    void readAndSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Korvo/Korvo.ini"));
        ProfileBook book;
        QVERIFY(!book.fingerprint());
        QCOMPARE(book.read(path), ProfileBook::ReadOutcome::Missing);
        QCOMPARE(book.fingerprint(), std::optional<SettingsFingerprint>(QByteArray()));
        QVERIFY(!book.changedOnDisk(path));
        QVERIFY(!book.termsAccepted());

        ProfileBook saved;
        saved.load(sample());
        QCOMPARE(saved.save(path), QString()); // makes the folder too
        QVERIFY(!saved.changedOnDisk(path));
        QCOMPARE(book.read(path), ProfileBook::ReadOutcome::Read);
        QCOMPARE(book.stored(), saved.stored());
        QVERIFY(!book.changedOnDisk(path));
        saved.set(0, ProfileField::Name, QStringLiteral("Home"));
        QCOMPARE(saved.save(path), QString());
        QVERIFY(book.changedOnDisk(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a settings file\r\n");
        file.close();
        ProfileBook rejected;
        QSignalSpy terms(&rejected, &ProfileBook::termsChanged);
        QCOMPARE(rejected.read(path), ProfileBook::ReadOutcome::Rejected);
        QVERIFY(rejected.termsAccepted());
        QCOMPARE(terms.count(), 1);
        QCOMPARE(rejected.profile(0).Name, QStringLiteral("Network 1"));
    }
};

QTEST_GUILESS_MAIN(TestProfileBook)
#include "test_profile_book.moc"
