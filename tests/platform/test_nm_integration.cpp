// The NetworkManager backend against a real NetworkManager in a private test bed.
#include "platform/nm/NetworkManager.h"
#include "platform/nm/NmUnfinished.h"
#include "tests/support/TestBed.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QtTest>

#include <thread>

using namespace korvo::platform;
using korvo::testing::TestBed;

namespace {

// How long NetworkManager may take to bring a change to the adapter.
constexpr int SettleMs = 10000;

std::vector<std::unique_ptr<Adapter>> query(const TestBed& bed, Purpose purpose = Purpose::Change) {
    return makeNetworkManagerConnector(bed.busAddress())->connect(purpose)->adapters();
}

std::unique_ptr<Adapter> adapter(const TestBed& bed, const QString& caption) {
    for (auto& item : query(bed)) {
        if (item->caption() == caption.toStdString()) {
            return std::move(item);
        }
    }
    return nullptr;
}

QStringList captions(const std::vector<std::unique_ptr<Adapter>>& items) {
    QStringList out;
    for (const auto& item : items) {
        out << QString::fromStdString(item->caption());
    }
    return out;
}

QString addresses(const TestBed& bed, const QString& adapter) {
    return bed.ip({"-4", "-o", "addr", "show", "dev", adapter});
}

QString defaultRoute(const TestBed& bed) {
    return bed.ip({"-4", "route", "show", "default"}).trimmed();
}

// The UUIDs of the veth profiles (NetworkManager keeps one of its own for loopback).
QStringList profiles(const TestBed& bed) {
    QStringList uuids;
    for (const QString& line : bed.nmcli({"-g", "TYPE,UUID", "connection", "show"}).split(u'\n'))
        if (line.startsWith("802-3-ethernet:")) uuids << line.section(u':', 1);
    return uuids;
}

// One address with its mask, a gateway where given; the DNS servers left alone.
IPv4Settings fixed(const std::string& address, const std::string& mask = "255.255.255.0",
                   const std::optional<std::string>& gateway = std::nullopt) {
    IPv4Settings s;
    s.staticAddresses = {{address, mask}};
    if (gateway) s.gateways = {*gateway};
    s.setsDns = false;
    return s;
}

IPv4Settings dhcp(const std::optional<std::vector<std::string>>& dns = std::nullopt) {
    IPv4Settings s;
    s.dnsServers = dns;
    return s;
}

// "Applied Applied NotMade NotMade Applied": address, gateways, WINS, DNS and the change as one.
QString said(const ChangeResult& r) {
    static const char* const names[] = {"NotMade", "Applied",           "RestartPending",   "WhenConnected",
                                        "Refused", "NotOnThisPlatform", "SavedNotInEffect", "ServiceFailed"};
    QStringList out;
    for (const SettingResult* s : {&r.address, &r.gateways, &r.wins, &r.dns, &r.whole})
        out << names[static_cast<int>(s->status)];
    return out.join(u' ');
}

QString deviceState(const TestBed& bed, const QString& adapter) {
    return bed.nmcli({"-g", "GENERAL.STATE", "device", "show", adapter}).trimmed();
}

} // namespace

class TestNmIntegration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (const auto why = TestBed::unavailable()) {
            QSKIP(qPrintable(*why));
        }
    }

    void listsExactlyTheVethAdaptersInOrder() {
        TestBed bed({.adapters = 3});
        QCOMPARE(captions(query(bed, Purpose::List)), bed.adapters());
    }

    void staticProfileReachesTheAdapter() {
        TestBed bed({.adapters = 2});
        auto veth1 = adapter(bed, "veth1");
        QVERIFY(veth1);

        IPv4Settings first = fixed("192.0.2.10", "255.255.255.0", "192.0.2.1");
        first.dnsServers = {"192.0.2.53", "203.0.113.53"};
        first.setsDns = true;
        first.winsServers = {"203.0.113.5", ""};
        // No WINS setting to refuse: the platform has none.
        QCOMPARE(said(veth1->apply(first)), "Applied Applied NotOnThisPlatform Applied Applied");
        QTRY_VERIFY2_WITH_TIMEOUT(addresses(bed, "veth1").contains("inet 192.0.2.10/24"),
                                  qPrintable(addresses(bed, "veth1")), SettleMs);
        QTRY_VERIFY2_WITH_TIMEOUT(defaultRoute(bed).contains("via 192.0.2.1 dev veth1"),
                                  qPrintable(defaultRoute(bed)), SettleMs);
        QVERIFY(defaultRoute(bed).contains("metric 1"));
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth1", "IP4.DNS") == "192.0.2.53 | 203.0.113.53", SettleMs);
        QCOMPARE(bed.ip4("veth1", "IP4.ADDRESS"), QString("192.0.2.10/24"));
        QCOMPARE(bed.ip4("veth1", "IP4.GATEWAY"), QString("192.0.2.1"));
        QVERIFY(addresses(bed, "veth0").isEmpty());

        // Switching to another static profile replaces address, gateway and servers.
        IPv4Settings second = fixed("203.0.113.20", "255.255.255.128", "");
        second.setsDns = true;
        second.winsServers = {"", ""}; // clearing is all there is to do
        QCOMPARE(said(veth1->apply(second)), "Applied Applied Applied Applied Applied");
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth1", "IP4.DNS").isEmpty(), SettleMs);
        QTRY_VERIFY_WITH_TIMEOUT(defaultRoute(bed).isEmpty(), SettleMs);
        const auto now = addresses(bed, "veth1");
        QVERIFY2(now.contains("inet 203.0.113.20/25") && !now.contains("192.0.2.10"), qPrintable(now));
    }

    void nonContiguousMaskChangesNothing() {
        TestBed bed({.adapters = 1});
        auto veth0 = adapter(bed, "veth0");
        QCOMPARE(veth0->apply(fixed("192.0.2.10")).whole.status, SettingResult::Status::Applied);
        QTRY_VERIFY_WITH_TIMEOUT(addresses(bed, "veth0").contains("192.0.2.10/24"), SettleMs);
        const auto profiles = bed.nmcli({"-g", "NAME,UUID", "connection", "show"});

        const ChangeResult refused = veth0->apply(fixed("192.0.2.20", "255.0.255.0"));
        QCOMPARE(refused.address.code, code::InvalidSubnetMask);
        QCOMPARE(said(refused), "Refused NotMade NotMade NotMade NotMade");
        QTest::qWait(300);
        QVERIFY(addresses(bed, "veth0").contains("inet 192.0.2.10/24"));
        QVERIFY(!addresses(bed, "veth0").contains("192.0.2.20"));
        QCOMPARE(bed.nmcli({"-g", "NAME,UUID", "connection", "show"}), profiles);
    }

    void dhcpProfileGetsALease() {
        TestBed bed({.adapters = 1, .dhcp = true});
        auto veth0 = adapter(bed, "veth0");
        QCOMPARE(said(veth0->apply(fixed("203.0.113.7", "255.255.255.0", "203.0.113.1"))),
                 "Applied Applied NotMade NotMade Applied");
        QTRY_VERIFY_WITH_TIMEOUT(addresses(bed, "veth0").contains("203.0.113.7/24"), SettleMs);

        QCOMPARE(said(veth0->apply(dhcp())), "Applied NotMade NotMade Applied Applied");
        QTRY_VERIFY2_WITH_TIMEOUT(
            addresses(bed, "veth0").contains(QRegularExpression("inet 198\\.51\\.100\\.1\\d\\d/24")),
            qPrintable(addresses(bed, "veth0")), SettleMs);
        QVERIFY(!addresses(bed, "veth0").contains("203.0.113.7"));
        QTRY_VERIFY_WITH_TIMEOUT(defaultRoute(bed).contains("via 198.51.100.1 dev veth0"), SettleMs);
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth0", "IP4.DNS") == "198.51.100.1", SettleMs);
        // Static DNS on a DHCP profile replaces the servers DHCP offers, both on a running lease and
        // when applied together with a switch from static to DHCP, as Korvo does.
        QCOMPARE(said(veth0->apply(dhcp(std::vector<std::string>{"203.0.113.53"}))),
                 "Applied NotMade NotMade Applied Applied");
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip4("veth0", "IP4.DNS") == "203.0.113.53", SettleMs);
        IPv4Settings back = fixed("203.0.113.7");
        back.setsDns = true; // from DHCP
        QCOMPARE(veth0->apply(back).whole.status, SettingResult::Status::Applied);
        QCOMPARE(said(veth0->apply(dhcp(std::vector<std::string>{"192.0.2.53"}))),
                 "Applied NotMade NotMade Applied Applied");
        QTRY_VERIFY_WITH_TIMEOUT(addresses(bed, "veth0").contains("inet 198.51.100.1"), SettleMs);
        QTest::qWait(300);
        QCOMPARE(bed.ip4("veth0", "IP4.DNS"), QString("192.0.2.53"));
    }

    void profileSurvivesARestart() {
        TestBed bed({.adapters = 1});
        {
            auto veth0 = adapter(bed, "veth0");
            IPv4Settings s = fixed("192.0.2.44", "255.255.255.0", "192.0.2.1");
            s.dnsServers = {"192.0.2.53"};
            s.setsDns = true;
            QCOMPARE(said(veth0->apply(s)), "Applied Applied NotMade Applied Applied");
        }
        bed.stopNetworkManager();
        // Without NetworkManager the kernel forgets nothing, so clear the device to see it come back.
        bed.ip({"addr", "flush", "dev", "veth0"});
        bed.startNetworkManager();
        QTRY_VERIFY2_WITH_TIMEOUT(addresses(bed, "veth0").contains("inet 192.0.2.44/24"),
                                  qPrintable(addresses(bed, "veth0")), SettleMs);
        QTRY_VERIFY_WITH_TIMEOUT(defaultRoute(bed).contains("via 192.0.2.1 dev veth0"), SettleMs);
        QCOMPARE(bed.ip4("veth0", "IP4.DNS"), QString("192.0.2.53"));
    }

    // Without a cable NetworkManager offers the device no profile: the apply edits the one it has (or
    // makes its first), says that it waits for the cable, and the device has it once plugged in.
    // A profile that does not connect by itself is only saved: the cable will not bring it up.
    void unpluggedCableKeepsOneProfile_data() {
        QTest::addColumn<bool>("hadProfile");
        QTest::addColumn<bool>("autoconnect");
        QTest::newRow("had a profile") << true << true;
        QTest::newRow("had none") << false << true;
        QTest::newRow("had one that does not connect by itself") << true << false;
    }
    void unpluggedCableKeepsOneProfile() {
        QFETCH(bool, hadProfile);
        QFETCH(bool, autoconnect);
        TestBed bed({.adapters = 1});
        if (hadProfile) {
            auto veth0 = adapter(bed, "veth0");
            QCOMPARE(veth0->apply(fixed("192.0.2.10")).whole.status, SettingResult::Status::Applied);
            QTRY_VERIFY_WITH_TIMEOUT(addresses(bed, "veth0").contains("192.0.2.10/24"), SettleMs);
            if (!autoconnect)
                bed.nmcli({"connection", "modify", profiles(bed).front(), "connection.autoconnect", "no"});
        }
        bed.ip({"link", "set", "peer0", "down"});
        QTRY_VERIFY_WITH_TIMEOUT(deviceState(bed, "veth0").startsWith("20 "), SettleMs);

        auto veth0 = adapter(bed, "veth0");
        const ChangeResult result = veth0->apply(fixed("203.0.113.20", "255.255.255.0", "203.0.113.1"));
        QCOMPARE(said(result), autoconnect ? "Applied Applied NotMade NotMade WhenConnected"
                                           : "Applied Applied NotMade NotMade SavedNotInEffect");
        QCOMPARE(profiles(bed).size(), 1);
        if (!autoconnect) {
            QVERIFY2(QString::fromStdString(result.whole.reason).contains("does not connect by itself"),
                     result.whole.reason.c_str());
            return;
        }

        bed.ip({"link", "set", "peer0", "up"});
        QTRY_VERIFY2_WITH_TIMEOUT(addresses(bed, "veth0").contains("inet 203.0.113.20/24"),
                                  qPrintable(addresses(bed, "veth0")), SettleMs);
        QVERIFY(!addresses(bed, "veth0").contains("192.0.2.10"));
        QCOMPARE(profiles(bed).size(), 1);
    }

    // The profile edited is the one NetworkManager brings up on the device, cable in or not: a generic
    // one (no interface name), one of higher autoconnect-priority; the active one is raised above such
    // a rival. No second profile is added; one bound to another hardware address (the adapter was
    // swapped) gets a profile that fits the device instead of a refusal at every apply.
    void theProfileNetworkManagerUsesIsEdited_data() {
        QTest::addColumn<QList<QStringList>>("setup"); // nmcli commands
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<int>("profilesAfter");
        const QStringList generic{"connection",  "add",     "type",           "ethernet",
                                  "con-name",    "Generic", "ifname",         "*",
                                  "ipv4.method", "manual",  "ipv4.addresses", "203.0.113.7/24"};
        const QStringList low{"connection",  "add",    "type",           "ethernet",
                              "con-name",    "Low",    "ifname",         "veth0",
                              "ipv4.method", "manual", "ipv4.addresses", "203.0.113.7/24"};
        const QStringList high{"connection",
                               "add",
                               "type",
                               "ethernet",
                               "con-name",
                               "High",
                               "ifname",
                               "veth0",
                               "connection.autoconnect-priority",
                               "10",
                               "ipv4.method",
                               "manual",
                               "ipv4.addresses",
                               "203.0.113.8/24"};
        const QStringList elsewhere{"connection",
                                    "add",
                                    "type",
                                    "ethernet",
                                    "con-name",
                                    "Swapped",
                                    "ifname",
                                    "veth0",
                                    "ethernet.mac-address",
                                    "02:00:00:00:00:99",
                                    "ipv4.method",
                                    "manual",
                                    "ipv4.addresses",
                                    "203.0.113.9/24"};
        const QStringList upGeneric{"connection", "up", "Generic", "ifname", "veth0"};
        const QStringList upLow{"connection", "up", "Low"};
        for (const bool unplugged : {false, true}) {
            const char* cable = unplugged ? ", unplugged" : ", plugged in";
            QTest::addRow("generic profile active%s", cable)
                << QList<QStringList>{generic, upGeneric} << unplugged << 1;
            QTest::addRow("rival of higher priority%s", cable)
                << QList<QStringList>{low, upLow, high} << unplugged << 2;
            QTest::addRow("bound to another hardware address%s", cable)
                << QList<QStringList>{elsewhere} << unplugged << 2;
        }
    }
    void theProfileNetworkManagerUsesIsEdited() {
        QFETCH(QList<QStringList>, setup);
        QFETCH(bool, unplugged);
        QFETCH(int, profilesAfter);
        TestBed bed({.adapters = 1});
        for (const QStringList& command : setup)
            bed.nmcli(command);
        if (unplugged) {
            bed.ip({"link", "set", "peer0", "down"});
            QTRY_VERIFY_WITH_TIMEOUT(deviceState(bed, "veth0").startsWith("20 "), SettleMs);
        }
        for (int round = 0; round < 2; ++round) { // the second finds what the first left
            const ChangeResult result = adapter(bed, "veth0")->apply(fixed("192.0.2.10"));
            QCOMPARE(said(result), unplugged ? "Applied NotMade NotMade NotMade WhenConnected"
                                             : "Applied NotMade NotMade NotMade Applied");
            QCOMPARE(profiles(bed).size(), profilesAfter);
        }
        // Cable out (again) and in: NetworkManager's own choice brings the values.
        bed.ip({"link", "set", "peer0", "down"});
        QTRY_VERIFY_WITH_TIMEOUT(deviceState(bed, "veth0").startsWith("20 "), SettleMs);
        bed.ip({"link", "set", "peer0", "up"});
        QTRY_VERIFY2_WITH_TIMEOUT(addresses(bed, "veth0").contains("inet 192.0.2.10/24"),
                                  qPrintable(addresses(bed, "veth0")), SettleMs);
        QVERIFY(!addresses(bed, "veth0").contains("203.0.113."));
        QCOMPARE(profiles(bed).size(), profilesAfter);
    }

    // Two applies that both found the device without a profile: one profile, and neither reports a
    // failure (which would leave its profile behind).
    void concurrentFirstAppliesMakeOneProfile() {
        TestBed bed({.adapters = 1});
        for (int round = 0; round < 3; ++round) {
            std::vector<std::unique_ptr<Adapter>> racers;
            for (int i = 0; i < 2; ++i)
                racers.push_back(adapter(bed, "veth0"));
            ChangeResult other;
            std::thread second([&] { other = racers[1]->apply(fixed("192.0.2.22")); });
            const ChangeResult first = racers[0]->apply(fixed("192.0.2.21"));
            second.join();
            QCOMPARE(said(first), "Applied NotMade NotMade NotMade Applied");
            QCOMPARE(said(other), "Applied NotMade NotMade NotMade Applied");
            const QStringList made = profiles(bed);
            QCOMPARE(made.size(), 1);
            bed.nmcli({"connection", "delete", made.front()});
            QTRY_VERIFY_WITH_TIMEOUT(deviceState(bed, "veth0").startsWith("30 "), SettleMs);
        }
    }

    void stoppedNetworkManagerFailsWithAReason() {
        TestBed bed({.adapters = 1});
        auto veth0 = adapter(bed, "veth0");
        bed.stopNetworkManager();

        QElapsedTimer timer;
        timer.start();
        try {
            veth0->apply(fixed("192.0.2.10"));
            QFAIL("a call without NetworkManager returned a code");
        } catch (const ServiceError& e) {
            QVERIFY2(QString(e.what()).contains("not running"), e.what());
        }
        QVERIFY_THROWS_EXCEPTION(ServiceError, query(bed));
        QVERIFY(timer.elapsed() < 2000);
    }

    // What a Korvo that must end does with an apply's save NetworkManager has not followed with the
    // change in effect: the profile saved back as the apply read it, and reapplied, so that the adapter
    // and its profile agree again.
    void unfinishedSaveIsPutBack() {
        TestBed bed({.adapters = 1});
        const auto connector = makeNetworkManagerConnector(bed.busAddress());
        QCOMPARE(said(adapter(bed, "veth0")->apply(fixed("192.0.2.10"))),
                 "Applied NotMade NotMade NotMade Applied");
        QVERIFY(QTest::qWaitFor([&] { return addresses(bed, "veth0").contains("192.0.2.10/24"); }, SettleMs));
        const QString uuid = bed.nmcli({"-g", "connection.uuid", "connection", "show", "veth0"}).trimmed();
        const QString device = bed.nmcli({"-g", "GENERAL.DBUS-PATH", "device", "show", "veth0"}).trimmed();

        nmbus::registerTypes();
        const QString name = QStringLiteral("korvo-test-put-back");
        QVERIFY(QDBusConnection::connectToBus(QString::fromStdString(bed.busAddress()), name).isConnected());
        const auto bus = std::make_shared<nmbus::Bus>(name, std::chrono::seconds(5), std::chrono::seconds(5));
        QString profile;
        nmbus::ConnectionSettings original;
        try {
            profile =
                nmbus::fromVariant<QDBusObjectPath>(bus->read(nmbus::SettingsPath, nmbus::SettingsIface,
                                                              QStringLiteral("GetConnectionByUuid"), {uuid})
                                                        .arguments()
                                                        .value(0))
                    .path();
            original = nmbus::settingsFrom(
                bus->read(profile, nmbus::ConnectionIface, QStringLiteral("GetSettings")));
        } catch (const ServiceError& e) {
            QFAIL(e.what());
        }
        QCOMPARE(nmbus::putBackUnfinished(std::chrono::seconds(3)), std::string()); // nothing noted

        QCOMPARE(said(adapter(bed, "veth0")->apply(fixed("192.0.2.20"))),
                 "Applied NotMade NotMade NotMade Applied");
        QVERIFY(QTest::qWaitFor([&] { return addresses(bed, "veth0").contains("192.0.2.20/24"); }, SettleMs));
        nmbus::UnfinishedNote note({bus, profile, original, device, QStringLiteral("veth0"), true});
        note.saved();
        QCOMPARE(QString::fromStdString(nmbus::putBackUnfinished(std::chrono::seconds(3))),
                 QStringLiteral("veth0's saved profile was put back as it was before the apply."));
        QCOMPARE(bed.nmcli({"-g", "ipv4.addresses", "connection", "show", "veth0"}).trimmed(),
                 QStringLiteral("192.0.2.10/24"));
        QVERIFY(QTest::qWaitFor([&] { return addresses(bed, "veth0").contains("192.0.2.10/24"); }, SettleMs));
        QVERIFY(!addresses(bed, "veth0").contains("192.0.2.20"));
    }

    void hungNetworkManagerFailsWithinTheTimeout() {
        TestBed bed({.adapters = 1});
        const auto connector = makeNetworkManagerConnector(bed.busAddress(), std::chrono::milliseconds(500));
        auto items = connector->connect(Purpose::Change)->adapters();
        QCOMPARE(items.size(), std::size_t{1});
        bed.freezeNetworkManager(true);

        QElapsedTimer timer;
        timer.start();
        try {
            items.front()->apply(dhcp());
            QFAIL("a call to a hung NetworkManager returned a code");
        } catch (const ServiceError& e) {
            QVERIFY2(QString(e.what()).contains("did not answer"), e.what());
        }
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
        bed.freezeNetworkManager(false);
    }
};

QTEST_GUILESS_MAIN(TestNmIntegration)
#include "test_nm_integration.moc"
