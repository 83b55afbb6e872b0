#include "core/ProfileInEffect.h"
#include "platform/IPv4Address.h"

#include <QtTest>

using namespace korvo;
using platform::IPv4State;

Q_DECLARE_METATYPE(IPv4State)
Q_DECLARE_METATYPE(ApplyMode)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

// IP, mask, gateway, primary DNS, secondary DNS.
Profile typed(const QStringList& boxes) {
    Profile p;
    p.IPAddress = boxes.value(0);
    p.SubnetMask = boxes.value(1);
    p.Gateway = boxes.value(2);
    p.PrimaryDNS = boxes.value(3);
    p.SecondaryDNS = boxes.value(4);
    p.PrimaryWINS = QStringLiteral("203.0.113.9"); // the live state says nothing of WINS
    return p;
}

IPv4State manual(std::vector<std::string> addresses, std::string gateway, std::vector<std::string> dns) {
    return {false, std::move(addresses), std::move(gateway), std::move(dns)};
}

} // namespace

class TestProfileInEffect : public QObject {
    Q_OBJECT
private slots:
    void matches_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<ApplyMode>("mode");
        QTest::addColumn<IPv4State>("now");
        QTest::addColumn<bool>("inEffect");
        const QStringList full{"192.0.2.10", "255.255.255.0", "192.0.2.1", "203.0.113.53", "203.0.113.54"};
        const IPv4State fullNow = manual({"192.0.2.10/24"}, "192.0.2.1", {"203.0.113.53", "203.0.113.54"});
        const auto S = ApplyMode::Static;

        QTest::newRow("exact") << full << S << fullNow << true;
        QTest::newRow("typed with leading zeros and blanks")
            << QStringList{"192.0.2.010", "255.255.255.000", "192.0.2.1", " 203.0.113.53 ", "203.0.113.54"}
            << S << fullNow << true;
        QTest::newRow("other prefix")
            << full << S << manual({"192.0.2.10/16"}, "192.0.2.1", {"203.0.113.53", "203.0.113.54"}) << false;
        QTest::newRow("extra address")
            << full << S
            << manual({"192.0.2.10/24", "192.0.2.11/24"}, "192.0.2.1", {"203.0.113.53", "203.0.113.54"})
            << false;
        QTest::newRow("on DHCP with the same values")
            << full << S << IPv4State{true, {"192.0.2.10/24"}, "192.0.2.1", {"203.0.113.53", "203.0.113.54"}}
            << false;
        QTest::newRow("DNS order") << full << S
                                   << manual({"192.0.2.10/24"}, "192.0.2.1", {"203.0.113.54", "203.0.113.53"})
                                   << false;
        QTest::newRow("no gateway typed, none there")
            << QStringList{"192.0.2.10", "255.255.255.0", "", "203.0.113.53"} << S
            << manual({"192.0.2.10/24"}, "", {"203.0.113.53"}) << true;
        QTest::newRow("no gateway typed, one there")
            << QStringList{"192.0.2.10", "255.255.255.0", "", "203.0.113.53"} << S
            << manual({"192.0.2.10/24"}, "192.0.2.1", {"203.0.113.53"}) << false;
        QTest::newRow("gateway typed, none there")
            << full << S << manual({"192.0.2.10/24"}, "", {"203.0.113.53", "203.0.113.54"}) << false;
        // A secondary server without a primary is not sent, so no servers is the match.
        QTest::newRow("secondary DNS alone, none there")
            << QStringList{"192.0.2.10", "255.255.255.0", "192.0.2.1", "", "203.0.113.54"} << S
            << manual({"192.0.2.10/24"}, "192.0.2.1", {}) << true;
        QTest::newRow("secondary DNS alone, it there")
            << QStringList{"192.0.2.10", "255.255.255.0", "192.0.2.1", "", "203.0.113.54"} << S
            << manual({"192.0.2.10/24"}, "192.0.2.1", {"203.0.113.54"}) << false;
        QTest::newRow("invalid typing")
            << QStringList{"192.0.2.300", "255.255.255.0"} << S << manual({"192.0.2.44/24"}, "", {}) << false;
        QTest::newRow("mask with a hole")
            << QStringList{"192.0.2.10", "255.0.255.0"} << S << manual({"192.0.2.10/8"}, "", {}) << false;
        // The DHCP tab: on DHCP, and with its DNS setting (from the lease, or the tab's fixed servers).
        const auto D = ApplyMode::Dhcp;
        const QStringList viaDhcp{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP"};
        const QStringList fixedDns{"DHCP", "DHCP", "DHCP", "192.0.2.99"};
        const auto leased = [](std::vector<std::string> dns, std::optional<std::vector<std::string>> lease) {
            return IPv4State{true, {"198.51.100.120/24"}, "198.51.100.1", std::move(dns), std::move(lease)};
        };
        QTest::newRow("DHCP on DHCP, lease unknown")
            << viaDhcp << D << IPv4State{true, {"198.51.100.120/24"}, "", {}} << true;
        QTest::newRow("DHCP on static") << viaDhcp << D << fullNow << false;
        QTest::newRow("DHCP, the lease's DNS")
            << viaDhcp << D << leased({"198.51.100.1"}, {{"198.51.100.1"}}) << true;
        QTest::newRow("DHCP, DNS fixed on the adapter")
            << viaDhcp << D << leased({"192.0.2.53"}, {{"198.51.100.1"}}) << false;
        QTest::newRow("DHCP, the tab's fixed DNS held")
            << fixedDns << D << leased({"192.0.2.99"}, {{"198.51.100.1"}}) << true;
        QTest::newRow("DHCP, the tab's fixed DNS not held")
            << fixedDns << D << leased({"192.0.2.53"}, {{"192.0.2.53"}}) << false;
        QTest::newRow("DHCP, invalid DNS typed") << QStringList{"DHCP", "DHCP", "DHCP", "192.0.2.300"} << D
                                                 << leased({"198.51.100.1"}, {{"198.51.100.1"}}) << false;
    }
    // The further addresses: all of them, after the first in their order; beside a lease in any order.
    void matchesMoreAddresses_data() {
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<ApplyMode>("mode");
        QTest::addColumn<std::vector<std::string>>("addresses");
        QTest::addColumn<bool>("inEffect");
        const auto S = ApplyMode::Static;
        const auto D = ApplyMode::Dhcp;
        const QStringList two{"192.0.2.21/24", "198.51.100.7/25"};
        using V = std::vector<std::string>;
        QTest::newRow("all, in order")
            << two << S << V{"192.0.2.10/24", "192.0.2.21/24", "198.51.100.7/25"} << true;
        QTest::newRow("typed loosely") << QStringList{"192.0.2.021/24", "198.51.100.7/025"} << S
                                       << V{"192.0.2.10/24", "192.0.2.21/24", "198.51.100.7/25"} << true;
        QTest::newRow("order differs")
            << two << S << V{"192.0.2.10/24", "198.51.100.7/25", "192.0.2.21/24"} << false;
        QTest::newRow("one missing") << two << S << V{"192.0.2.10/24", "192.0.2.21/24"} << false;
        QTest::newRow("other prefix")
            << two << S << V{"192.0.2.10/24", "192.0.2.21/16", "198.51.100.7/25"} << false;
        QTest::newRow("invalid further address")
            << QStringList{"192.0.2.21/33"} << S << V{"192.0.2.10/24", "192.0.2.21/33"} << false;
        QTest::newRow("beside the lease, any order")
            << two << D << V{"198.51.100.7/25", "192.0.2.21/24", "192.0.2.99/24"} << true;
        QTest::newRow("beside the lease, one missing")
            << two << D << V{"192.0.2.21/24", "192.0.2.99/24"} << false;
        QTest::newRow("beside the lease, no lease address")
            << two << D << V{"192.0.2.21/24", "198.51.100.7/25"} << false;
    }
    void matchesMoreAddresses() {
        QFETCH(QStringList, more);
        QFETCH(ApplyMode, mode);
        QFETCH(std::vector<std::string>, addresses);
        QFETCH(bool, inEffect);
        Profile p = typed({"192.0.2.10", "255.255.255.0", "", "203.0.113.53"});
        if (mode == ApplyMode::Dhcp) p = typed({"DHCP", "DHCP", "DHCP", "203.0.113.53"});
        p.MoreAddresses = more;
        const IPv4State now{mode == ApplyMode::Dhcp, addresses, "", {"203.0.113.53"}};
        QCOMPARE(profileInEffect(p, mode, now), inEffect);
    }

    void matches() {
        QFETCH(QStringList, boxes);
        QFETCH(ApplyMode, mode);
        QFETCH(IPv4State, now);
        QFETCH(bool, inEffect);
        QCOMPARE(profileInEffect(typed(boxes), mode, now), inEffect);
        // Taken from the adapter, the boxes are in effect wherever typed ones are.
        if (inEffect && mode == ApplyMode::Static) QVERIFY(profileInEffect(profileFrom(now), mode, now));
    }

    // More than a profile holds: the first address and the first two servers, which an apply leaves.
    void fromTheAdapter() {
        const Profile p = profileFrom(
            manual({"192.0.2.10/17", "192.0.2.11/24"}, "", {"203.0.113.53", "203.0.113.54", "203.0.113.55"}));
        QCOMPARE(
            (QStringList{p.IPAddress, p.SubnetMask, p.Gateway, p.PrimaryDNS, p.SecondaryDNS, p.PrimaryWINS}),
            (QStringList{"192.0.2.10", "255.255.128.0", "", "203.0.113.53", "203.0.113.54", ""}));
        QCOMPARE(p.MoreAddresses, QStringList{"192.0.2.11/24"});
        QVERIFY(profileInEffect(
            p, ApplyMode::Static,
            manual({"192.0.2.10/17", "192.0.2.11/24"}, "", {"203.0.113.53", "203.0.113.54"})));
        QVERIFY(!profileInEffect(p, ApplyMode::Static,
                                 manual({"192.0.2.10/17"}, "", {"203.0.113.53", "203.0.113.54"})));
        const Profile none = profileFrom(IPv4State{true, {}, "", {}});
        QVERIFY(none.IPAddress.isEmpty() && none.SubnetMask.isEmpty());
    }

    // Mask to prefix and back: the one conversion core and both backends use.
    void masks() {
        using platform::IPv4Address;
        const auto prefixOf = [](const char* mask) {
            const auto parsed = IPv4Address::parse(mask);
            return parsed ? parsed->prefixLength() : std::nullopt;
        };
        const std::pair<const char*, int> rows[] = {
            {"255.255.255.0", 24}, {"255.255.255.255", 32}, {"0.0.0.0", 0}, {"255.255.128.0", 17}};
        for (const auto& [mask, prefix] : rows) {
            QCOMPARE(prefixOf(mask), prefix);
            QCOMPARE(IPv4Address::maskOf(prefix)->toString(), std::string(mask));
        }
        QCOMPARE(prefixOf("255.255.0.255"), std::nullopt);
        QCOMPARE(prefixOf("255.255.255"), std::nullopt);
        QCOMPARE(IPv4Address::maskOf(33), std::nullopt);
        QCOMPARE(IPv4Address::maskOf(-1), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestProfileInEffect)
#include "test_profile_in_effect.moc"
