#include "core/AddressValidation.h"

#include <QtTest>

using namespace korvo;

namespace {

Profile validStatic() {
    Profile p;
    p.IPAddress = QStringLiteral("192.0.2.10");
    p.SubnetMask = QStringLiteral("255.255.255.0");
    p.Gateway = QStringLiteral("192.0.2.1");
    p.PrimaryDNS = QStringLiteral("198.51.100.53");
    p.SecondaryDNS = QStringLiteral("198.51.100.54");
    p.PrimaryWINS = QStringLiteral("203.0.113.1");
    p.SecondaryWINS = QStringLiteral("203.0.113.2");
    return p;
}

QString& field(Profile& p, int f) {
    QString* fields[] = {&p.IPAddress,    &p.SubnetMask,  &p.Gateway,      &p.PrimaryDNS,
                         &p.SecondaryDNS, &p.PrimaryWINS, &p.SecondaryWINS};
    return *fields[f];
}

const char* const Message[] = {
    "A valid IP address is required\r",
    "A valid SubnetMask is required\r",
    "A valid Gateway Address is required\r",
    "A valid Primary DNS address is required\r",
    "A valid Secondary DNS address is required or leave the box empty\r",
    "A valid Primary WINS address is required or leave the box empty\r",
    "A valid Secondary WINS address is required or leave the box empty\r",
};

} // namespace

class TestAddressValidation : public QObject {
    Q_OBJECT
private slots:
    // One field changed from an otherwise valid static profile.
    void oneField_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("rewritten");
        auto row = [](const char* name, int f, const char* in, bool ok, const char* out) {
            QTest::newRow(name) << f << QString::fromUtf8(in) << ok << QString::fromUtf8(out);
        };
        row("ip leading zeros", IPAddressField, "192.168.001.010", true, "192.168.1.10");
        row("ip blank before", IPAddressField, " 010.1.001.20", true, "10.1.1.20");
        row("ip signs and blanks", IPAddressField, " +10 .-0.0. 1 ", true, "10.0.0.1");
        row("ip high", IPAddressField, "10.254.254.254", true, "10.254.254.254");
        row("ip last 255", IPAddressField, "10.0.0.255", false, "10.0.0.255");
        row("ip last 0", IPAddressField, "10.0.0.0", false, "10.0.0.0");
        row("ip first 0", IPAddressField, "0.1.1.1", false, "0.1.1.1");
        row("ip middle negative", IPAddressField, "10.-1.0.1", false, "10.-1.0.1");
        row("ip letters", IPAddressField, "a.b.c.d", false, "0.0.0.0");
        row("ip empty part", IPAddressField, "1..2.3", false, "0.0.0.0");
        row("ip exponent", IPAddressField, "1e2.0.0.1", false, "0.0.0.0");
        row("ip hex", IPAddressField, "&H10.0.0.1", false, "0.0.0.0");
        row("ip inner blank", IPAddressField, "1 0.0.0.1", false, "0.0.0.0");
        row("ip blank after sign", IPAddressField, "- 10.0.0.1", false, "0.0.0.0");
        row("ip tab", IPAddressField, "\t10.0.0.1", false, "0.0.0.0");
        row("ip huge part", IPAddressField, "10.0.0.99999999999999999999", false,
            "10.0.0.99999999999999999999");
        row("ip empty", IPAddressField, "", false, "");
        row("ip five parts", IPAddressField, "1.2.3.4.5", false, "1.2.3.4.5");
        row("ip DHCP on static", IPAddressField, "DHCP", false, "DHCP");
        row("mask all ones", SubnetMaskField, "255.255.255.255", true, "255.255.255.255");
        row("mask not contiguous", SubnetMaskField, "255.0.255.0", true, "255.0.255.0");
        row("mask first 0", SubnetMaskField, "0.255.255.255", false, "0.255.255.255");
        row("mask 256", SubnetMaskField, "256.0.0.0", false, "256.0.0.0");
        row("mask letters", SubnetMaskField, "x.0.0.0", false, "0.0.0.0");
        row("gateway empty", GatewayField, "", true, "");
        row("gateway blank is tested", GatewayField, " ", false, " ");
        row("gateway three parts", GatewayField, "192.168.1", false, "192.168.1");
        row("gateway letters", GatewayField, "a.b.c.d", false, "0.0.0.0");
        row("dns letters keep text", PrimaryDNSField, "a.b.c.d", false, "a.b.c.d");
        row("dns empty", PrimaryDNSField, "", false, "");
        row("secondary dns DHCP", SecondaryDNSField, "DHCP", false, "DHCP");
        row("primary wins letters", PrimaryWINSField, "w.i.n.s", false, "w.i.n.s");
        row("secondary wins 255", SecondaryWINSField, "203.0.113.255", false, "203.0.113.255");
    }
    void oneField() {
        QFETCH(int, field);
        QFETCH(QString, input);
        QFETCH(bool, valid);
        QFETCH(QString, rewritten);
        Profile p = validStatic();
        ::field(p, field) = input;
        const ValidationOutcome outcome = validateAddresses(p, ApplyMode::Static, {});
        QCOMPARE(outcome.valid(), valid);
        QCOMPARE(::field(p, field), rewritten);
        for (int f = 0; f < AddressFieldCount; ++f)
            QCOMPARE(outcome.Valid[static_cast<std::size_t>(f)], f == field ? int(valid) : 1);
        QCOMPARE(outcome.Messages, valid ? QString() : QString::fromUtf8(Message[field]));
    }

    void messagesInFieldOrder() {
        Profile p = validStatic();
        p.SecondaryWINS = QStringLiteral("x");
        p.SubnetMask = QStringLiteral("255.255.255.256");
        p.PrimaryDNS = QStringLiteral("1.2.3");
        const ValidationOutcome outcome = validateAddresses(p, ApplyMode::Static, {});
        QCOMPARE(outcome.Messages, QString::fromUtf8(Message[1]) + QString::fromUtf8(Message[3]) +
                                       QString::fromUtf8(Message[6]));
        QCOMPARE(outcome.Valid, (std::array<int, 7>{1, 0, 1, 0, 1, 1, 0}));
    }

    // Omitted servers are not tested; in DHCP mode neither are address, mask and gateway.
    void dhcpModeTestsOnlyServers() {
        Profile p;
        p.IPAddress = p.SubnetMask = p.Gateway = QStringLiteral("DHCP");
        p.PrimaryDNS = p.SecondaryDNS = p.PrimaryWINS = p.SecondaryWINS = QStringLiteral("DHCP");
        OmittedServers omitted{true, true, true, true};
        QVERIFY(validateAddresses(p, ApplyMode::Dhcp, omitted).valid());
        QCOMPARE(p.IPAddress, QStringLiteral("DHCP"));

        p.PrimaryDNS = QStringLiteral("");
        omitted.PrimaryDNS = false;
        p.PrimaryWINS = QStringLiteral("203.000.113.001");
        omitted.PrimaryWINS = false;
        const ValidationOutcome outcome = validateAddresses(p, ApplyMode::Dhcp, omitted);
        QCOMPARE(outcome.Messages, QString::fromUtf8(Message[PrimaryDNSField]));
        QCOMPARE(p.PrimaryWINS, QStringLiteral("203.0.113.1"));
    }

    // The further addresses: each judged as the address box is, with a prefix of 1 to 32.
    void moreAddresses_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("canonical");
        QTest::addColumn<int>("messages");
        QTest::newRow("valid") << QStringList{"192.0.2.21/24", "198.51.100.7/32"}
                               << QStringList{"192.0.2.21/24", "198.51.100.7/32"} << 0;
        QTest::newRow("leading zeros") << QStringList{"192.0.2.021/08"} << QStringList{"192.0.2.21/8"} << 0;
        QTest::newRow("no prefix") << QStringList{"192.0.2.21"} << QStringList{"192.0.2.21"} << 1;
        QTest::newRow("prefix 0 and 33") << QStringList{"192.0.2.21/0", "192.0.2.22/33"}
                                         << QStringList{"192.0.2.21/0", "192.0.2.22/33"} << 2;
        QTest::newRow("prefix not a number")
            << QStringList{"192.0.2.21/2x", "192.0.2.21/-4", "192.0.2.21/ 4"}
            << QStringList{"192.0.2.21/2x", "192.0.2.21/-4", "192.0.2.21/ 4"} << 3;
        QTest::newRow("address out of range")
            << QStringList{"192.0.2.255/24", "0.0.2.1/24", "192.0.2.300/24"}
            << QStringList{"192.0.2.255/24", "0.0.2.1/24", "192.0.2.300/24"} << 3;
        QTest::newRow("mask in place of the prefix")
            << QStringList{"192.0.2.21/255.255.255.0"} << QStringList{"192.0.2.21/255.255.255.0"} << 1;
        QTest::newRow("one bad among good") << QStringList{"192.0.2.21/24", "x", "192.0.2.23/24"}
                                            << QStringList{"192.0.2.21/24", "x", "192.0.2.23/24"} << 1;
    }
    void moreAddresses() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, canonical);
        QFETCH(int, messages);
        const QStringList invalid = validateMoreAddresses(typed);
        QCOMPARE(typed, canonical);
        QCOMPARE(invalid.size(), messages);
    }
};

QTEST_APPLESS_MAIN(TestAddressValidation)
#include "test_address_validation.moc"
