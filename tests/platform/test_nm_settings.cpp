// How each service method rewrites a NetworkManager profile.
#include "platform/IPv4Address.h"
#include "platform/nm/NetworkManager.h"
#include "platform/nm/NmSentences.h"
#include "platform/nm/NmSettings.h"

#include <QtEndian>
#include <QtTest>

using namespace korvo;
using namespace korvo::nm;
namespace code = korvo::platform::code;

Q_DECLARE_METATYPE(korvo::nm::Operation)
Q_DECLARE_METATYPE(korvo::nm::DnsProperty)

namespace {

QVariant addressData(std::initializer_list<std::pair<const char*, uint>> entries) {
    QList<QVariantMap> list;
    for (const auto& [address, prefix] : entries) {
        list.append({{"address", QString(address)}, {"prefix", prefix}});
    }
    return QVariant::fromValue(list);
}

QVariant legacyDns(std::initializer_list<std::uint32_t> servers) {
    QList<uint> list;
    for (auto s : servers) {
        list << qToBigEndian(s);
    }
    return QVariant::fromValue(list);
}

// "key=value" pairs in key order; addresses as a/p, servers dotted, whatever
// their property; a value of the wrong D-Bus type gets a "?".
QString render(const QVariantMap& ipv4) {
    QStringList out;
    for (auto it = ipv4.begin(); it != ipv4.end(); ++it) {
        QStringList values;
        if (it.key() == "address-data") {
            for (const auto& m : it->value<QList<QVariantMap>>()) {
                // Any other type than uint32 makes NetworkManager drop the address.
                const bool uint32 = m["prefix"].metaType() == QMetaType::fromType<uint>();
                values << m["address"].toString() + "/" + QString::number(m["prefix"].toUInt()) +
                              (uint32 ? "" : "?");
            }
        } else if (it.key() == "dns") {
            for (uint n : it->value<QList<uint>>()) {
                const auto a = qFromBigEndian(std::uint32_t{n});
                values << QString("%1.%2.%3.%4")
                              .arg(a >> 24)
                              .arg((a >> 16) & 255)
                              .arg((a >> 8) & 255)
                              .arg(a & 255);
            }
        } else if (it->metaType() == QMetaType::fromType<QStringList>()) {
            values = it->toStringList();
        } else if (it.key() == "route-metric") {
            values << it->toString() + (it->metaType() == QMetaType::fromType<qlonglong>() ? "" : "?");
        } else {
            values << it->toString();
        }
        out << it.key() + "=" + values.join(",");
    }
    return out.join(" ");
}

const QVariant LegacyAddresses = QVariant::fromValue(QList<QList<uint>>{{84017344u, 24u, 0u}});

} // namespace

class TestNmSettings : public QObject {
    Q_OBJECT

private slots:
    void transformsTheProfile_data() {
        QTest::addColumn<QVariantMap>("ipv4");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<DnsProperty>("dns");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected"); // rendered ipv4 after, when code is 0
        QTest::addColumn<bool>("changed");

        const QVariantMap dhcp{{"method", "auto"}};
        const QVariantMap manual{{"method", "manual"}, {"address-data", addressData({{"192.0.2.10", 24}})}};
        const auto withLegacy = [](QVariantMap m) {
            m["addresses"] = LegacyAddresses;
            m["address-labels"] = QStringList{""};
            m["routes"] = QVariant::fromValue(QList<QList<uint>>{});
            return m;
        };
        const auto with = [](QVariantMap m, const QString& key, const QVariant& value) {
            m[key] = value;
            return m;
        };
        const auto row = [](const char* name, const QVariantMap& ipv4, const Operation& op, int code,
                            const QString& expected, bool changed, DnsProperty dns = DnsProperty::Data) {
            QTest::newRow(name) << ipv4 << op << dns << code << expected << changed;
        };

        // EnableStatic
        row("static on dhcp", dhcp, EnableStatic{{"192.0.2.10"}, {"255.255.255.0"}}, code::Success,
            "address-data=192.0.2.10/24 method=manual", true);
        row("static drops legacy keys, keeps gateway and dns",
            withLegacy(with(with(with(manual, "gateway", "192.0.2.1"), "dns-data", QStringList{"192.0.2.53"}),
                            "dns", legacyDns({0xC0000235}))),
            EnableStatic{{"203.0.113.5"}, {"255.255.255.128"}}, code::Success,
            "address-data=203.0.113.5/25 dns-data=192.0.2.53 gateway=192.0.2.1 method=manual", true);
        row("same static again", withLegacy(manual), EnableStatic{{"192.0.2.10"}, {"255.255.255.0"}},
            code::Success, "address-data=192.0.2.10/24 method=manual", false);
        row("host mask", dhcp, EnableStatic{{"192.0.2.10"}, {"255.255.255.255"}}, code::Success,
            "address-data=192.0.2.10/32 method=manual", true);
        row("shortest mask", dhcp, EnableStatic{{"192.0.2.10"}, {"128.0.0.0"}}, code::Success,
            "address-data=192.0.2.10/1 method=manual", true);
        row("two addresses", dhcp,
            EnableStatic{{"192.0.2.10", "198.51.100.10"}, {"255.255.255.0", "255.255.0.0"}}, code::Success,
            "address-data=192.0.2.10/24,198.51.100.10/16 method=manual", true);
        row("non-contiguous mask", manual, EnableStatic{{"192.0.2.20"}, {"255.0.255.0"}},
            code::InvalidSubnetMask, "", false);
        row("inverted mask", manual, EnableStatic{{"192.0.2.20"}, {"0.0.0.255"}}, code::InvalidSubnetMask, "",
            false);
        row("zero mask", manual, EnableStatic{{"192.0.2.20"}, {"0.0.0.0"}}, code::InvalidSubnetMask, "",
            false);
        row("short mask", manual, EnableStatic{{"192.0.2.20"}, {"255.255.255"}}, code::InvalidSubnetMask, "",
            false);
        row("mask missing", manual, EnableStatic{{"192.0.2.20"}, {}}, code::InvalidSubnetMask, "", false);
        row("short address", manual, EnableStatic{{"192.0.2"}, {"255.255.255.0"}}, code::InvalidIPAddress, "",
            false);
        row("network zero", manual, EnableStatic{{"0.1.2.3"}, {"255.0.0.0"}}, code::InvalidIPAddress, "",
            false);
        row("multicast", manual, EnableStatic{{"224.0.0.1"}, {"255.0.0.0"}}, code::InvalidIPAddress, "",
            false);
        row("no address", manual, EnableStatic{{}, {}}, code::InvalidIPAddress, "", false);

        // SetGateways
        row("gateway", manual, SetGateways{{"192.0.2.1"}, {1}}, code::Success,
            "address-data=192.0.2.10/24 gateway=192.0.2.1 method=manual route-metric=1", true);
        row("gateway also lifts never-default", with(manual, "never-default", true),
            SetGateways{{"192.0.2.1"}, {}}, code::Success,
            "address-data=192.0.2.10/24 gateway=192.0.2.1 method=manual never-default=false", true);
        row("empty gateway removes it", with(manual, "gateway", "192.0.2.1"), SetGateways{{""}, {1}},
            code::Success, "address-data=192.0.2.10/24 method=manual", true);
        row("empty gateway without one", manual, SetGateways{{""}, {1}}, code::Success,
            "address-data=192.0.2.10/24 method=manual", false);
        row("gateway on dhcp", dhcp, SetGateways{{"192.0.2.1"}, {1}}, code::NotSupported, "", false);
        row("bad gateway", manual, SetGateways{{"192.0.2.300"}, {1}}, code::InvalidGateway, "", false);
        row("two gateways", manual, SetGateways{{"192.0.2.1", "192.0.2.2"}, {1, 2}}, code::NotSupported, "",
            false);
        row("metric out of range", manual, SetGateways{{"192.0.2.1"}, {0}}, code::UnknownFailure, "", false);

        // EnableDHCP
        row("dhcp from static",
            withLegacy(with(with(manual, "gateway", "192.0.2.1"), "route-metric", qlonglong{1})),
            EnableDHCP{}, code::Success, "method=auto", true);
        row("dhcp keeps static dns",
            with(with(manual, "dns-data", QStringList{"192.0.2.53"}), "ignore-auto-dns", true), EnableDHCP{},
            code::Success, "dns-data=192.0.2.53 ignore-auto-dns=true method=auto", true);
        row("dhcp again", dhcp, EnableDHCP{}, code::Success, "method=auto", false);
        row("dhcp with addresses beside the lease", with(manual, "gateway", "192.0.2.1"),
            EnableDHCP{{"198.51.100.7", "203.0.113.8"}, {"255.255.255.0", "255.255.255.128"}}, code::Success,
            "address-data=198.51.100.7/24,203.0.113.8/25 method=auto", true);
        row("dhcp, its static addresses dropped", with(dhcp, "address-data", manual.value("address-data")),
            EnableDHCP{}, code::Success, "method=auto", true);
        row("dhcp with a bad address beside", dhcp, EnableDHCP{{"127.0.0.2"}, {"255.255.255.0"}},
            code::InvalidIPAddress, "", false);
        row("dhcp with a mask it cannot keep", dhcp, EnableDHCP{{"192.0.2.9"}, {"255.0.255.0"}},
            code::InvalidSubnetMask, "", false);

        // SetDNSServerSearchOrder
        const std::vector<std::string> two{"192.0.2.53", "203.0.113.53"};
        row("two servers", manual, SetDNSServerSearchOrder{two}, code::Success,
            "address-data=192.0.2.10/24 dns-data=192.0.2.53,203.0.113.53 ignore-auto-dns=true method=manual",
            true);
        row("two servers, before 1.42", manual, SetDNSServerSearchOrder{two}, code::Success,
            "address-data=192.0.2.10/24 dns=192.0.2.53,203.0.113.53 ignore-auto-dns=true method=manual", true,
            DnsProperty::Legacy);
        row("loopback resolver", dhcp, SetDNSServerSearchOrder{std::vector<std::string>{"127.0.0.53"}},
            code::Success, "dns-data=127.0.0.53 ignore-auto-dns=true method=auto", true);
        const QVariantMap staticDns =
            with(with(with(dhcp, "dns-data", QStringList{"192.0.2.53"}), "dns", legacyDns({0xC0000235})),
                 "ignore-auto-dns", true);
        row("no argument clears", staticDns, SetDNSServerSearchOrder{std::nullopt}, code::Success,
            "method=auto", true);
        row("empty list clears", staticDns, SetDNSServerSearchOrder{std::vector<std::string>{}},
            code::Success, "method=auto", true);
        row("no argument, none set", dhcp, SetDNSServerSearchOrder{std::nullopt}, code::Success,
            "method=auto", false);
        row("bad server", manual, SetDNSServerSearchOrder{std::vector<std::string>{"192.0.2.53", ""}},
            code::InvalidIPAddress, "", false);
    }

    void transformsTheProfile() {
        QFETCH(QVariantMap, ipv4);
        QFETCH(Operation, operation);
        QFETCH(DnsProperty, dns);
        QFETCH(int, code);
        QFETCH(QString, expected);
        QFETCH(bool, changed);

        const ConnectionSettings current{{"connection", {{"id", "veth0"}}}, {"ipv4", ipv4}};
        const Edit edit = transform(current, operation, dns);
        QCOMPARE(edit.code, code);
        QCOMPARE(edit.changed, changed);
        QCOMPARE(edit.settings.value("connection"), current.value("connection"));
        if (code == code::Success) {
            QCOMPARE(render(edit.settings.value("ipv4")), expected);
        } else {
            QCOMPARE(render(edit.settings.value("ipv4")), render(ipv4));
        }
    }

    // Reapply leaves a running lease's name servers in place (NetworkManager 1.42).
    void reactivatesWhenDhcpServersAreTakenOrGivenBack_data() {
        QTest::addColumn<QVariantMap>("ipv4");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("reactivate");
        const std::vector<std::string> one{"192.0.2.53"};
        QTest::newRow("static dns on dhcp")
            << QVariantMap{{"method", "auto"}} << Operation{SetDNSServerSearchOrder{one}} << true;
        QTest::newRow("dhcp dns back") << QVariantMap{{"method", "auto"}, {"ignore-auto-dns", true}}
                                       << Operation{SetDNSServerSearchOrder{std::nullopt}} << true;
        QTest::newRow("other static dns on dhcp") << QVariantMap{{"method", "auto"},
                                                                 {"ignore-auto-dns", true},
                                                                 {"dns-data", QStringList{"192.0.2.9"}}}
                                                  << Operation{SetDNSServerSearchOrder{one}} << false;
        QTest::newRow("static dns on static")
            << QVariantMap{{"method", "manual"}} << Operation{SetDNSServerSearchOrder{one}} << false;
    }

    void reactivatesWhenDhcpServersAreTakenOrGivenBack() {
        QFETCH(QVariantMap, ipv4);
        QFETCH(Operation, operation);
        QFETCH(bool, reactivate);
        QCOMPARE(transform({{"ipv4", ipv4}}, operation, DnsProperty::Data).reactivate, reactivate);
    }

    void parsesDottedQuads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("value"); // -1: invalid
        QTest::newRow("plain") << "192.0.2.1" << qlonglong{0xC0000201};
        QTest::newRow("extremes") << "0.0.0.0" << qlonglong{0};
        QTest::newRow("all ones") << "255.255.255.255" << qlonglong{0xFFFFFFFF};
        QTest::newRow("leading zeros") << "010.001.002.003" << qlonglong{0x0A010203};
        QTest::newRow("256") << "192.0.2.256" << qlonglong{-1};
        QTest::newRow("four digits") << "1000.0.2.1" << qlonglong{-1};
        QTest::newRow("three parts") << "192.0.2" << qlonglong{-1};
        QTest::newRow("five parts") << "1.2.3.4.5" << qlonglong{-1};
        QTest::newRow("empty part") << "1..2.3" << qlonglong{-1};
        QTest::newRow("blank") << " 192.0.2.1" << qlonglong{-1};
        QTest::newRow("sign") << "+1.2.3.4" << qlonglong{-1};
        QTest::newRow("trailing dot") << "1.2.3.4." << qlonglong{-1};
        QTest::newRow("empty") << "" << qlonglong{-1};
    }

    void parsesDottedQuads() {
        QFETCH(QString, text);
        QFETCH(qlonglong, value);
        const auto parsed = platform::IPv4Address::parse(text.toStdString());
        QCOMPARE(parsed ? qlonglong{parsed->bits()} : -1, value);
        if (parsed) QCOMPARE(platform::IPv4Address::parse(parsed->toString()), parsed); // written canonical
    }

    void choosesTheDnsPropertyByVersion() {
        QCOMPARE(dnsPropertyFor("1.42.4"), DnsProperty::Data);
        QCOMPARE(dnsPropertyFor("1.46.0"), DnsProperty::Data);
        QCOMPARE(dnsPropertyFor("1.40.18"), DnsProperty::Legacy);
        QCOMPARE(dnsPropertyFor(""), DnsProperty::Legacy);
    }

    // The user reads a sentence, not a D-Bus error name.
    void describesBusErrorsPlainly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("sentence");
        const QString bus = "org.freedesktop.DBus.Error.";
        const QString notRunning = "NetworkManager is not running.";
        const QString noAnswer = "NetworkManager did not answer in time.";
        const QString refused = QStringLiteral("NetworkManager refused permission. ") +
                                QString::fromStdString(platform::nmbus::missingPermissionAdvice());
        QTest::newRow("ServiceUnknown") << bus + "ServiceUnknown"
                                        << "not provided by any .service files" << notRunning;
        QTest::newRow("NameHasNoOwner") << bus + "NameHasNoOwner"
                                        << "" << notRunning;
        QTest::newRow("NoReply") << bus + "NoReply"
                                 << "Remote peer disconnected" << noAnswer;
        QTest::newRow("Timeout") << bus + "Timeout"
                                 << "" << noAnswer;
        QTest::newRow("bus AccessDenied") << bus + "AccessDenied"
                                          << "Rejected send message" << refused;
        QTest::newRow("NetworkManager's") << "org.freedesktop.NetworkManager.PermissionDenied"
                                          << "Not authorized" << refused;
        QTest::newRow("polkit's") << "org.freedesktop.PolicyKit1.Error.NotAuthorized"
                                  << "" << refused;
        QTest::newRow("Disconnected") << bus + "Disconnected"
                                      << ""
                                      << "The connection to the system bus was lost.";
        QTest::newRow("UnknownObject") << bus + "UnknownObject"
                                       << ""
                                       << "The network device or its profile no longer exists.";
        QTest::newRow("unknown keeps its message")
            << "org.freedesktop.NetworkManager.Settings.Connection.InvalidProperty"
            << "ipv4.dns: invalid address"
            << "NetworkManager refused Update2: ipv4.dns: invalid address";
        QTest::newRow("unknown without message")
            << "org.example.Error.NoReply"
            << ""
            << "NetworkManager refused Update2: org.example.Error.NoReply";
    }
    void describesBusErrorsPlainly() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, sentence);
        QCOMPARE(QString::fromStdString(
                     platform::describeBusError(name.toStdString(), message.toStdString(), "Update2")),
                 sentence);
    }

    void unreachableBusFailsToConnect() {
        // A path that cannot exist: no bus of this machine is ever contacted.
        const auto connector = platform::makeNetworkManagerConnector("unix:path=/nonexistent/korvo-test-bus");
        QVERIFY_THROWS_EXCEPTION(platform::ServiceError, connector->connect(platform::Purpose::List));
    }
};

QTEST_GUILESS_MAIN(TestNmSettings)
#include "test_nm_settings.moc"
