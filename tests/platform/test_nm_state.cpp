// The live IPv4 state of the test bed's adapters as NetworkManager reports it, and
// the word that it changed, against what `ip` and nmcli see.
#include "platform/nm/NmState.h"
#include "tests/support/TestBed.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QtTest>

using korvo::platform::IPv4State;
using korvo::testing::TestBed;

namespace {

constexpr int SettleMs = 10000;

struct Bus {
    explicit Bus(const TestBed& bed)
        : connection(QDBusConnection::connectToBus(QString::fromStdString(bed.busAddress()), name)) {}
    ~Bus() { QDBusConnection::disconnectFromBus(name); }
    std::map<std::string, IPv4State> states() const {
        const auto call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("/org/freedesktop"),
            QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
        return korvo::platform::nm::ipv4States(connection.call(call));
    }
    QString name = QStringLiteral("test-nm-state");
    QDBusConnection connection;
};

QString describe(const IPv4State& s) {
    QStringList out{s.dhcp ? "dhcp" : "static"};
    for (const auto& a : s.addresses)
        out << QString::fromStdString(a);
    out << "gw=" + QString::fromStdString(s.gateway);
    for (const auto& d : s.dnsServers)
        out << "dns=" + QString::fromStdString(d);
    return out.join(' ');
}

void useStatic(const TestBed& bed, const QString& adapter, const QString& address, const QString& gateway,
               const QString& dns) {
    bed.nmcli({"connection", "add", "type", "ethernet", "ifname", adapter, "con-name", "k-" + adapter,
               "ipv4.method", "manual", "ipv4.addresses", address, "ipv4.gateway", gateway, "ipv4.dns", dns});
    bed.nmcli({"connection", "up", "k-" + adapter});
}

} // namespace

class TestNmState : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
    }

    void statesMatchTheAdapters() {
        TestBed bed({.adapters = 3, .dhcp = true});
        useStatic(bed, "veth1", "192.0.2.20/24", "192.0.2.1", "192.0.2.53,203.0.113.53");
        bed.nmcli({"connection", "add", "type", "ethernet", "ifname", "veth0", "con-name", "k-veth0",
                   "ipv4.method", "auto"});
        bed.nmcli({"connection", "up", "k-veth0"});
        Bus bus(bed);
        QTRY_VERIFY_WITH_TIMEOUT(bus.states()["veth0"].dhcp && !bus.states()["veth0"].addresses.empty(),
                                 SettleMs);

        const auto states = bus.states();
        QCOMPARE(describe(states.at("veth1")),
                 "static 192.0.2.20/24 gw=192.0.2.1 dns=192.0.2.53 dns=203.0.113.53");
        const IPv4State& leased = states.at("veth0");
        QCOMPARE(leased.gateway, "198.51.100.1");
        QVERIFY2(bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"})
                     .contains("inet " + QString::fromStdString(leased.addresses.at(0))),
                 qPrintable(describe(leased)));
        QVERIFY(states.at("veth2").addresses.empty());
    }

    // A change made behind Korvo's back is told once, by signal, within a second.
    void changesAreTold() {
        TestBed bed({.adapters = 2});
        useStatic(bed, "veth1", "192.0.2.20/24", "192.0.2.1", "192.0.2.53");
        Bus bus(bed);
        korvo::platform::nm::StateWatch watch(bus.connection);
        QVERIFY(watch.watching());
        QSignalSpy told(&watch, &korvo::platform::nm::StateWatch::changed);

        bed.nmcli({"connection", "modify", "k-veth1", "ipv4.addresses", "203.0.113.9/25"});
        bed.nmcli({"device", "reapply", "veth1"});
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(describe(bus.states()["veth1"]),
                                  "static 203.0.113.9/25 gw=192.0.2.1 dns=192.0.2.53", 1000);
    }
};

QTEST_GUILESS_MAIN(TestNmState)
#include "test_nm_state.moc"
