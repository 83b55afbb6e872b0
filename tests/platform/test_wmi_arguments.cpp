// The WMI backend's portable half: monikers, each method's in-parameters as
// Microsoft documents them, return codes and error texts.
#include "platform/wmi/WmiArguments.h"

#include <QtTest>

using namespace korvo::platform;
using namespace korvo::platform::wmi;

Q_DECLARE_METATYPE(std::vector<std::string>)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// "SetGateways(DefaultIPGateway string[] [192.0.2.1], GatewayCostMetric uint16[] [1])"
QString render(const MethodCall& call) {
    QStringList arguments;
    for (const auto& argument : call.arguments) {
        QStringList values;
        for (const auto& text : argument.strings)
            values << QString::fromStdString(text);
        for (auto number : argument.numbers)
            values << QString::number(number);
        switch (argument.type) {
        case ArgumentType::String:
            arguments << QString::fromStdString(argument.name) + " string \"" + values.join("") + "\"";
            break;
        case ArgumentType::StringArray:
            arguments << QString::fromStdString(argument.name) + " string[] [" + values.join(", ") + "]";
            break;
        case ArgumentType::UInt16Array:
            arguments << QString::fromStdString(argument.name) + " uint16[] [" + values.join(", ") + "]";
            break;
        }
    }
    return QString::fromStdString(call.method) + "(" + arguments.join(", ") + ")";
}

} // namespace

class TestWmiArguments : public QObject {
    Q_OBJECT
private slots:
    // Listing connects with default security, changing asks for impersonation; one query serves both.
    void sendsTheMonikersAndQueryForEachPurpose() {
        QCOMPARE(monikerFor(Purpose::List), "winmgmts:\\\\.\\root\\cimv2");
        QCOMPARE(monikerFor(Purpose::Change), "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2");
        QCOMPARE(AdapterQuery, "Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE");
        QCOMPARE(AdapterQueryFlags, 48L);
    }

    void parsesMonikers_data() {
        QTest::addColumn<QString>("moniker");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("impersonation");
        const int impersonate = int(Impersonation::Impersonate);
        QTest::newRow("start-up") << "winmgmts:\\\\.\\root\\cimv2"
                                  << "\\\\.\\root\\cimv2" << impersonate;
        QTest::newRow("applying") << "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2"
                                  << "\\\\.\\root\\cimv2" << impersonate;
        QTest::newRow("other level, blanks, any case")
            << "WinMgmts:{ ImpersonationLevel = Identify }!\\\\.\\root\\cimv2"
            << "\\\\.\\root\\cimv2" << int(Impersonation::Identify);
        QTest::newRow("remote computer") << "winmgmts:\\\\ws-17\\root\\cimv2"
                                         << "\\\\ws-17\\root\\cimv2" << impersonate;
        QTest::newRow("slashes") << "winmgmts://./root/cimv2/"
                                 << "\\\\.\\root\\cimv2" << impersonate;
        QTest::newRow("namespace only") << "winmgmts:root\\default"
                                        << "\\\\.\\root\\default" << impersonate;
        QTest::newRow("defaults") << "winmgmts:"
                                  << "\\\\.\\root\\cimv2" << impersonate;
        QTest::newRow("settings only") << "winmgmts:{impersonationLevel=delegate}"
                                       << "\\\\.\\root\\cimv2" << int(Impersonation::Delegate);
    }
    void parsesMonikers() {
        QFETCH(QString, moniker);
        QFETCH(QString, resource);
        QFETCH(int, impersonation);
        const auto parsed = parseMoniker(moniker.toStdString());
        QCOMPARE(QString::fromStdString(parsed.resource()), resource);
        QCOMPARE(int(parsed.impersonation), impersonation);
    }

    void rejectsMonikers_data() {
        QTest::addColumn<QString>("moniker");
        QTest::addColumn<QString>("reason");
        QTest::newRow("other scheme") << "wmi:\\\\.\\root\\cimv2"
                                      << "winmgmts:";
        QTest::newRow("unclosed settings") << "winmgmts:{impersonationLevel=impersonate!\\\\.\\root"
                                           << "closing brace";
        QTest::newRow("missing !") << "winmgmts:{impersonationLevel=impersonate}\\\\.\\root"
                                   << "followed by !";
        QTest::newRow("unknown setting") << "winmgmts:{authenticationLevel=pktPrivacy}!\\\\.\\root"
                                         << "authenticationLevel";
        QTest::newRow("unknown level") << "winmgmts:{impersonationLevel=everything}!"
                                       << "everything";
        QTest::newRow("empty computer") << "winmgmts:\\\\\\root\\cimv2"
                                        << "computer name is empty";
        QTest::newRow("object path") << "winmgmts:\\\\.\\root\\cimv2:Win32_Process"
                                     << "object paths";
    }
    void rejectsMonikers() {
        QFETCH(QString, moniker);
        QFETCH(QString, reason);
        try {
            parseMoniker(moniker.toStdString());
            QFAIL("accepted");
        } catch (const ServiceError& error) {
            QVERIFY2(QString(error.what()).contains(reason), error.what());
            QVERIFY2(QString(error.what()).contains(moniker), error.what());
        }
    }

    void buildsMethodCalls_data() {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const MethodCall& call, const char* expected) {
            QTest::newRow(name) << render(call) << QString(expected);
        };
        row("EnableStatic", enableStaticCall({"192.0.2.10"}, {"255.255.255.0"}),
            "EnableStatic(IPAddress string[] [192.0.2.10], SubnetMask string[] [255.255.255.0])");
        row("SetGateways", setGatewaysCall({"192.0.2.1"}, {1}, "192.0.2.10"),
            "SetGateways(DefaultIPGateway string[] [192.0.2.1], GatewayCostMetric uint16[] [1])");
        row("SetGateways without metrics", setGatewaysCall({"192.0.2.1"}, {}, ""),
            "SetGateways(DefaultIPGateway string[] [192.0.2.1])");
        row("EnableDHCP", enableDHCPCall(), "EnableDHCP()");
        row("SetWINSServer", setWINSServerCall("192.0.2.5", ""),
            "SetWINSServer(WINSPrimaryServer string \"192.0.2.5\", WINSSecondaryServer string \"\")");
        row("SetDNSServerSearchOrder, two", setDNSServerSearchOrderCall(std::vector<std::string>{"a", "b"}),
            "SetDNSServerSearchOrder(DNSServerSearchOrder string[] [a, b])");
        row("SetDNSServerSearchOrder back to DHCP", setDNSServerSearchOrderCall(std::nullopt),
            "SetDNSServerSearchOrder()");
    }
    void buildsMethodCalls() {
        QFETCH(QString, built);
        QFETCH(QString, expected);
        QCOMPARE(built, expected);
    }

    void setGatewaysClearsOrRejects_data() {
        QTest::addColumn<std::vector<std::string>>("gateways");
        QTest::addColumn<std::vector<int>>("metrics");
        QTest::addColumn<QString>("adapterAddress");
        QTest::addColumn<QString>("expected"); // rendered call, or "error: <part of the reason>"
        using S = std::vector<std::string>;
        using M = std::vector<int>;
        QTest::newRow("empty text clears to own address")
            << S{""} << M{1} << "192.0.2.10"
            << "SetGateways(DefaultIPGateway string[] [192.0.2.10], GatewayCostMetric uint16[] [1])";
        QTest::newRow("blanks count as empty")
            << S{"  "} << M{1} << "192.0.2.10"
            << "SetGateways(DefaultIPGateway string[] [192.0.2.10], GatewayCostMetric uint16[] [1])";
        QTest::newRow("no gateway at all")
            << S{} << M{} << "192.0.2.10"
            << "SetGateways(DefaultIPGateway string[] [192.0.2.10], GatewayCostMetric uint16[] [1])";
        QTest::newRow("blank one dropped with its metric")
            << S{"", "192.0.2.1"} << M{5, 7} << "192.0.2.10"
            << "SetGateways(DefaultIPGateway string[] [192.0.2.1], GatewayCostMetric uint16[] [7])";
        QTest::newRow("clearing without an address") << S{""} << M{1} << ""
                                                     << "error: without an IPv4 address";
        QTest::newRow("metric 0") << S{"192.0.2.1"} << M{0} << ""
                                  << "error: outside 1 to 9999";
        QTest::newRow("metric 10000") << S{"192.0.2.1"} << M{10000} << ""
                                      << "error: outside 1 to 9999";
        QTest::newRow("metric 9999") << S{"192.0.2.1"} << M{9999} << ""
                                     << "SetGateways(DefaultIPGateway string[] [192.0.2.1], "
                                        "GatewayCostMetric uint16[] [9999])";
        QTest::newRow("metrics do not match") << S{"192.0.2.1"} << M{1, 2} << ""
                                              << "error: 1 gateways but 2";
    }
    void setGatewaysClearsOrRejects() {
        QFETCH(std::vector<std::string>, gateways);
        QFETCH(std::vector<int>, metrics);
        QFETCH(QString, adapterAddress);
        QFETCH(QString, expected);
        QString got;
        try {
            got = render(setGatewaysCall(gateways, metrics, adapterAddress.toStdString()));
        } catch (const ServiceError& error) {
            QVERIFY2(QString(error.what()).startsWith("SetGateways: "), error.what());
            got = "error: " + QString(error.what());
        }
        if (expected.startsWith("error: "))
            QVERIFY2(got.contains(expected.mid(7)), qPrintable(got));
        else
            QCOMPARE(got, expected);
    }

    void picksTheFirstIPv4Address() {
        QCOMPARE(firstIPv4({"fe80::1", "192.0.2.10", "198.51.100.1"}), std::string("192.0.2.10"));
        QCOMPARE(firstIPv4({"fe80::1", "::ffff:192.0.2.1"}), std::string());
    }

    // What --rollback re-applies on Windows.
    void readsTheLiveState() {
        const IPv4State state = ipv4StateFrom(
            {"192.0.2.10", "fe80::1", "203.0.113.5"}, {"255.255.255.0", "64", "255.255.255.128"},
            {"fe80::1", "192.0.2.1"}, {"192.0.2.53", "2001:db8::53"}, false);
        QCOMPARE(state.addresses, (std::vector<std::string>{"192.0.2.10/24", "203.0.113.5/25"}));
        QCOMPARE(state.gateway, std::string("192.0.2.1"));
        QCOMPARE(state.dnsServers, std::vector<std::string>{"192.0.2.53"});
        QVERIFY(ipv4StateFrom({}, {}, {}, {}, true).dhcp);
    }

    void mapsReturnCodes_data() {
        QTest::addColumn<quint32>("returnValue");
        QTest::addColumn<int>("reported");
        QTest::newRow("done") << 0u << 0;
        QTest::newRow("done, reboot required") << 1u << code::SuccessRebootRequired;
        QTest::newRow("not supported") << 64u << code::NotSupported;
        QTest::newRow("DHCP not enabled") << 100u << 100;
        QTest::newRow("access denied") << 91u << code::AccessDenied;
        QTest::newRow("largest") << 4294967295u << -1;
    }
    void mapsReturnCodes() {
        QFETCH(quint32, returnValue);
        QFETCH(int, reported);
        QCOMPARE(reportedCode(returnValue), reported);
    }

    void describesFailures_data() {
        QTest::addColumn<quint32>("hr");
        QTest::addColumn<QString>("text");
        QTest::newRow("E_ACCESSDENIED") << 0x80070005u << "access denied (0x80070005)";
        QTest::newRow("WBEM_E_ACCESS_DENIED") << 0x80041003u << "access denied (0x80041003)";
        QTest::newRow("WBEM_E_NOT_FOUND") << 0x80041002u << "not found (0x80041002)";
        QTest::newRow("unknown") << 0x8004DEADu << "error 0x8004DEAD";
    }
    void describesFailures() {
        QFETCH(quint32, hr);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(describeHResult(hr)), text);
        QCOMPARE(QString(callError("EnableStatic", hr).what()), "EnableStatic: " + text);
    }
};

QTEST_GUILESS_MAIN(TestWmiArguments)
#include "test_wmi_arguments.moc"
