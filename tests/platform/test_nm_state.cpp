// What the listing says each test-bed adapter has now, and the word that it changed,
// against what `ip` and nmcli see.
#include "platform/nm/NetworkManager.h"
#include "tests/support/TestBed.h"

#include <QtTest>

using namespace korvo::platform;
using korvo::testing::TestBed;

namespace {

constexpr int SettleMs = 10000;

QString describe(const std::optional<IPv4State>& state) {
    if (!state) return QStringLiteral("unknown");
    QStringList out{state->dhcp ? "dhcp" : "static"};
    for (const auto& a : state->addresses)
        out << QString::fromStdString(a);
    out << "gw=" + QString::fromStdString(state->gateway);
    for (const auto& d : state->dnsServers)
        out << "dns=" + QString::fromStdString(d);
    return out.join(' ');
}

std::map<QString, std::optional<IPv4State>> states(const TestBed& bed) {
    std::map<QString, std::optional<IPv4State>> out;
    for (const auto& adapter :
         makeNetworkManagerConnector(bed.busAddress())->connect(Purpose::List)->adapters())
        out[QString::fromStdString(adapter->caption())] = adapter->ipv4State();
    return out;
}

void useProfile(const TestBed& bed, const QString& adapter, const QStringList& ipv4) {
    bed.nmcli(
        QStringList{"connection", "add", "type", "ethernet", "ifname", adapter, "con-name", "k-" + adapter} +
        ipv4);
    bed.nmcli({"connection", "up", "k-" + adapter});
}

} // namespace

class TestNmState : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
    }

    void listingCarriesTheLiveState() {
        TestBed bed({.adapters = 3, .dhcp = true});
        useProfile(bed, "veth1",
                   {"ipv4.method", "manual", "ipv4.addresses", "192.0.2.20/24", "ipv4.gateway", "192.0.2.1",
                    "ipv4.dns", "192.0.2.53,203.0.113.53"});
        useProfile(bed, "veth0", {"ipv4.method", "auto"});
        QTRY_VERIFY_WITH_TIMEOUT(describe(states(bed)["veth0"]).startsWith("dhcp 198.51.100."), SettleMs);

        auto now = states(bed);
        QCOMPARE(describe(now["veth1"]), "static 192.0.2.20/24 gw=192.0.2.1 dns=192.0.2.53 dns=203.0.113.53");
        const QString leased = QString::fromStdString(now["veth0"]->addresses.at(0));
        QVERIFY2(bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"}).contains("inet " + leased),
                 qPrintable(leased));
        QCOMPARE(now["veth0"]->gateway, "198.51.100.1");
        QCOMPARE(describe(now["veth2"]), "static gw=");
    }

    // NetworkManager lists the newest address first; every reading gives the configured order, the
    // primary first, as `ip` does. The lease's DNS servers come with it, whether the profile takes
    // them or fixes its own.
    void readingsKeepTheConfiguredOrderAndTheLeaseServers() {
        TestBed bed({.adapters = 2, .dhcp = true});
        useProfile(bed, "veth1",
                   {"ipv4.method", "manual", "ipv4.addresses", "192.0.2.20/24,192.0.2.21/24,203.0.113.5/25"});
        useProfile(bed, "veth0",
                   {"ipv4.method", "auto", "ipv4.ignore-auto-dns", "yes", "ipv4.dns", "192.0.2.53"});
        QTRY_VERIFY_WITH_TIMEOUT(describe(states(bed)["veth0"]).startsWith("dhcp 198.51.100."), SettleMs);
        const QString ordered = "static 192.0.2.20/24 192.0.2.21/24 203.0.113.5/25 gw=";
        QVERIFY2(bed.ip({"-4", "-o", "addr", "show", "dev", "veth1"}).indexOf("192.0.2.20/24") <
                     bed.ip({"-4", "-o", "addr", "show", "dev", "veth1"}).indexOf("203.0.113.5/25"),
                 "ip lists the primary first");

        const auto connector = makeNetworkManagerConnector(bed.busAddress());
        std::map<QString, std::optional<IPv4State>> listed;
        std::map<QString, std::optional<IPv4State>> readBack;
        for (const auto& adapter : connector->connect(Purpose::Change)->adapters()) {
            listed[QString::fromStdString(adapter->caption())] = adapter->ipv4State();
            readBack[QString::fromStdString(adapter->caption())] = adapter->readBack();
        }
        std::map<QString, std::optional<IPv4State>> unwaited;
        bool answered = false;
        connector->listAdapters([&](std::vector<std::unique_ptr<Adapter>> adapters) {
            for (const auto& adapter : adapters)
                unwaited[QString::fromStdString(adapter->caption())] = adapter->ipv4State();
            answered = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered, SettleMs);
        for (auto* reading : {&listed, &readBack, &unwaited}) {
            QCOMPARE(describe((*reading)["veth1"]), ordered);
            const auto& veth0 = (*reading)["veth0"];
            QVERIFY(veth0 && veth0->dhcp);
            QCOMPARE(veth0->dnsServers, std::vector<std::string>{"192.0.2.53"});
            QCOMPARE(veth0->leaseDnsServers, std::optional(std::vector<std::string>{"198.51.100.1"}));
            QCOMPARE((*reading)["veth1"]->leaseDnsServers, std::nullopt);
        }
    }

    // A change made behind Korvo's back is told once, by signal, within a second.
    void changesAreTold() {
        TestBed bed({.adapters = 2});
        useProfile(bed, "veth1", {"ipv4.method", "manual", "ipv4.addresses", "192.0.2.20/24"});
        int told = 0;
        const auto watch = makeNetworkManagerConnector(bed.busAddress())->watchChanges([&] { ++told; });
        QVERIFY(watch);

        bed.nmcli({"connection", "modify", "k-veth1", "ipv4.addresses", "203.0.113.9/25"});
        bed.nmcli({"device", "reapply", "veth1"});
        QTRY_VERIFY_WITH_TIMEOUT(told > 0, 1000);
        QCOMPARE(describe(states(bed)["veth1"]), "static 203.0.113.9/25 gw=");
    }
};

QTEST_GUILESS_MAIN(TestNmState)
#include "test_nm_state.moc"
