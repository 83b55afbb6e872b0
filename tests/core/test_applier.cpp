// The whole applying run through core alone: a profile as typed, validation,
// the service calls against the recording fake, and the outcome. No window.
#include "core/Applier.h"
#include "core/ResultTexts.h"
#include "tests/support/RecordingService.h"

#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

Q_DECLARE_METATYPE(std::optional<korvo::platform::IPv4State>)
Q_DECLARE_METATYPE(korvo::ApplyMode)

namespace {

const QString Failure =
    QStringLiteral("\r\r\rThere has been an error and the IP settings could not be changed.");
const QString Names = QStringLiteral(
    "IP Address\rSubnet Mask\rGateway   \rPrimary DNS \rSecondary DNS\rPrimary WINS \rSecondary WINS");
const QString Applied =
    "The IP configuration for the following interface has been changed \r\r-eth0-\r\r" + Names + "\r ";
// The address is in place, so the report must not claim that nothing changed.
const QString Partial =
    "The adapter's address was changed, but the network service refused some settings.\r\r-eth0-\r\r" +
    Names + "\r\r";

// "eth0" or "eth0 EnableStatic=1 SetGateways=71 SetWINSServer=raise detail=Why_not."
FakeAdapter adapter(const QString& description) {
    const QStringList words = description.split(u' ');
    FakeAdapter a{words.first().toStdString(), {}, {}};
    for (const QString& w : words.mid(1)) {
        const std::string method = w.section(u'=', 0, 0).toStdString();
        if (method == "detail")
            a.detail = w.section(u'=', 1).replace(u'_', u' ').toStdString();
        else if (w.section(u'=', 1) == QLatin1String("raise"))
            a.raising.push_back(method);
        else if (w.section(u'=', 1) == QLatin1String("unanswered"))
            a.raising.push_back(method + "?");
        else
            a.results[method] = w.section(u'=', 1).toInt();
    }
    return a;
}

QStringList methodCalls(const RecordingService& service) {
    QStringList out;
    for (const std::string& line : service.methodCalls())
        out << QString::fromStdString(line);
    return out;
}

// The seven address boxes in field order, for the adapter "eth0".
Profile typed(const QStringList& boxes) {
    return {boxes.value(0), boxes.value(1), boxes.value(2),         boxes.value(3),        boxes.value(4),
            boxes.value(5), boxes.value(6), QStringLiteral("name"), QStringLiteral("eth0")};
}

} // namespace

Q_DECLARE_METATYPE(std::vector<std::string>)

class TestApplier : public QObject {
    Q_OBJECT
private slots:
    void calls_data() {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("adapters");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("values"); // ResultValues, or the start of ResultText's reason line

        const QStringList base{"192.0.2.10", "255.255.255.0", "192.0.2.1"};
        const QString st = "eth0 EnableStatic [192.0.2.10] [255.255.255.0]";
        const QString gw = "eth0 SetGateways [192.0.2.1] [1]";
        const QString applied = "Configuration Applied";
        const QString error = "Error Applying Configuration";

        QTest::newRow("servers empty or blank")
            << false << base + QStringList{"", "  ", " ", ""} << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"}
            << applied << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\r\r\r\r";
        QTest::newRow("secondary dns without primary")
            << false << base + QStringList{"", "198.51.100.2", "", ""} << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"}
            << applied << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\rIgnored\r\r\r";
        QTest::newRow("one dns, primary wins only")
            << false << base + QStringList{" 198.51.100.1 ", "", "203.0.113.1", ""} << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"203.0.113.1\" \"\"",
                           "eth0 SetDNSServerSearchOrder [198.51.100.1]"}
            << applied << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r198.51.100.1\r\r203.0.113.1\r\r";
        QTest::newRow("two dns, secondary wins only")
            << false << base + QStringList{"198.51.100.1", "198.51.100.2", "", "203.0.113.2"}
            << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"",
                           "eth0 SetDNSServerSearchOrder [198.51.100.1, 198.51.100.2]"}
            << applied
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r198.51.100.1\r198.51.100.2\r\r203.0.113.2\r";
        QTest::newRow("dhcp everywhere")
            << true << QStringList{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP"}
            << QStringList{"eth0"}
            << QStringList{"eth0 EnableDHCP", "eth0 SetWINSServer \"\" \"\"",
                           "eth0 SetDNSServerSearchOrder -"}
            << applied << "\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\r";
        QTest::newRow("dhcp with primary dns and wins")
            << true << QStringList{"DHCP", "DHCP", "DHCP", "198.51.100.1", "DHCP", "203.0.113.1", "DHCP"}
            << QStringList{"eth0"}
            << QStringList{"eth0 EnableDHCP", "eth0 SetWINSServer \"203.0.113.1\" \"DHCP\"",
                           "eth0 SetDNSServerSearchOrder [198.51.100.1]"}
            << applied << "\rDHCP\rDHCP\rDHCP\r198.51.100.1\rDHCP\r203.0.113.1\rDHCP\r";
        QTest::newRow("EnableStatic refuses")
            << false << base + QStringList{"198.51.100.1", "", "", ""} << QStringList{"eth0 EnableStatic=70"}
            << QStringList{st, gw} << error
            << Failure + "\r\rThe address was refused (code 70: invalid IP address).";
        QTest::newRow("EnableDHCP fails")
            << true << QStringList{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP"}
            << QStringList{"eth0 EnableDHCP=84"} << QStringList{"eth0 EnableDHCP"} << error
            << Failure + "\r\rDHCP was refused (code 84).";
        // A service that gathers the changes refuses them all at once: nothing changed.
        QTest::newRow("the change refused as a whole")
            << false << base + QStringList{"", "", "", ""} << QStringList{"eth0 Commit=65"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"} << error
            << Failure + "\r\rThe change was refused (code 65: the service failed).";
        // Saved but not put into effect: not "could not be changed", and the values saved are shown.
        QTest::newRow("the change saved, not in effect")
            << false << base + QStringList{"", "", "", ""}
            << QStringList{QString("eth0 Commit=%1 detail=NetworkManager_went_away.")
                               .arg(platform::code::SavedNotInEffect)}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"} << error
            << "The new settings were saved for the adapter, but they are not in effect yet: they take "
               "effect the next time it is connected.\r\r-eth0-\r\r" +
                   Names + "\r\rNetworkManager went away.\r";
        // The permission the service named, not the general advice.
        QTest::newRow("the change refused for a named permission")
            << false << base + QStringList{"", "", "", ""} << QStringList{"eth0 Commit=91 detail=Needs_X."}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"} << error
            << Failure + "\r\rThe change was refused (code 91: access denied).\rNeeds X.";
        QTest::newRow("the service dies carrying out the change")
            << false << base + QStringList{"", "", "", ""} << QStringList{"eth0 Commit=raise"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"} << error
            << Failure + "\r\rThe network configuration service failed: Commit could not be called";
        // Sent but never answered: the service may still make it, so nothing is said to be unchanged.
        QTest::newRow("the service stops answering the change")
            << false << base + QStringList{"", "", "", ""} << QStringList{"eth0 Commit=unanswered"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"} << error
            << "\r\r\rThere has been an error, and it is not known whether the IP settings were changed.\r\r"
               "The network configuration service failed: Commit was not answered";
        QTest::newRow("same caption twice, last one decides")
            << false << base + QStringList{"", "", "", ""}
            << QStringList{"eth0", "eth1", "eth0 EnableStatic=70"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -", st, gw}
            << error << Failure + "\r\rThe address was refused (code 70: invalid IP address).";
        QTest::newRow("invalid never connects")
            << false << QStringList{"192.0.2.255", "255.255.255.0", "", "", "", "", ""} << QStringList{"eth0"}
            << QStringList{} << "Configuration Error!"
            << "\rA valid IP address is required\r";
        // The literal is compared before trimming; an empty primary DNS on the DHCP tab is validated.
        QTest::newRow("dhcp: blank before, lower case, empty")
            << true << QStringList{"DHCP", "DHCP", "DHCP", " DHCP", "dhcp", " ", ""} << QStringList{"eth0"}
            << QStringList{} << "Configuration Error!"
            << "Secondary WINS\r\rA valid Primary DNS address is required\r"
               "A valid Secondary DNS address is required or leave the box empty\r";
        // Only blanks are trimmed: a tab or a line break is typed text, and validated.
        QTest::newRow("tab and line break stay")
            << false << base + QStringList{"198.51.100.1\t", "\n", "\t", ""} << QStringList{"eth0"}
            << QStringList{} << "Configuration Error!"
            << "Secondary WINS\r\rA valid Primary DNS address is required\r"
               "A valid Secondary DNS address is required or leave the box empty\r"
               "A valid Primary WINS address is required or leave the box empty\r";
        QTest::newRow("dhcp: empty primary dns")
            << true << QStringList{"DHCP", "DHCP", "DHCP", "  ", "", "", "DHCP"} << QStringList{"eth0"}
            << QStringList{} << "Configuration Error!"
            << "Secondary WINS\r\rA valid Primary DNS address is required\r";
        QTest::newRow("caption differs in case")
            << false << base + QStringList{"", "", "", ""} << QStringList{"ETH0"} << QStringList{} << error
            << "The network interface -eth0- was not found.";
    }
    void calls() {
        QFETCH(bool, dhcp);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, adapters);
        QFETCH(QStringList, calls);
        QFETCH(QString, caption);
        QFETCH(QString, values);

        auto service = std::make_shared<RecordingService>();
        for (const QString& description : adapters)
            service->adapters.push_back(adapter(description));
        const ApplyOutcome outcome =
            Applier(service).SetInterface(typed(boxes), dhcp ? ApplyMode::Dhcp : ApplyMode::Static);

        QCOMPARE(methodCalls(*service), calls);
        if (caption != QLatin1String("Configuration Error!")) {
            // Applying connects afresh, asking to change, and lists the adapters once.
            QCOMPARE(service->calls.at(0), "connect change");
            QCOMPARE(service->calls.at(1), "list adapters");
        } else {
            QVERIFY(service->calls.empty());
        }
        QCOMPARE(heading(outcome), caption);
        if (caption == QLatin1String("Configuration Applied")) {
            QCOMPARE(outcome.State, ApplyState::Applied);
            QCOMPARE(resultValues(outcome), values);
        } else {
            QVERIFY(outcome.State != ApplyState::Applied);
            QVERIFY2(resultText(outcome).endsWith(values), qPrintable(resultText(outcome)));
        }
    }

    // Once the address is in place, the report shows the values in effect beside what was refused,
    // not set, or still needs a restart.
    void reportsWhatIsInEffect_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("values");
        const int none = platform::code::NotOnThisPlatform;
        QTest::newRow("gateway refused")
            << "eth0 SetGateways=71"
            << "Error Applying Configuration"
            << Partial + "The gateway was refused (code 71: invalid gateway).\r"
            << "\r192.0.2.10\r255.255.255.0\rRefused\r\rIgnored\r203.0.113.1\r\r";
        QTest::newRow("wins and dns refused, access denied")
            << "eth0 SetWINSServer=65 SetDNSServerSearchOrder=91"
            << "Error Applying Configuration"
            << Partial +
                   "The WINS servers were refused (code 65: the service failed).\r"
                   "The DNS servers were refused (code 91: access denied).\r" +
                   missingRightsAdvice() + "\r"
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\rRefused\rIgnored\rRefused\rRefused\r";
        QTest::newRow("no wins on this platform")
            << QString("eth0 SetWINSServer=%1").arg(none) << "Configuration Applied"
            << Applied + "\rThe WINS servers were not set: this platform has none."
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\rIgnored\rNot set\rNot set\r";
        QTest::newRow("refused dns, no wins")
            << QString("eth0 SetWINSServer=%1 SetDNSServerSearchOrder=65").arg(none)
            << "Error Applying Configuration"
            << Partial + "The DNS servers were refused (code 65: the service failed).\r"
                         "The WINS servers were not set: this platform has none.\r"
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\rRefused\rIgnored\rNot set\rNot set\r";
        QTest::newRow("reboot required")
            << "eth0 EnableStatic=1 SetGateways=1"
            << "Configuration Applied" << Applied + "\rRestart the computer to complete the change."
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\rIgnored\r203.0.113.1\r\r";
        QTest::newRow("cable not connected")
            << QString("eth0 Commit=%1").arg(platform::code::SuccessWhenConnected) << "Configuration Applied"
            << Applied +
                   "\rThe adapter's cable is not connected: the values are saved and take effect when the "
                   "cable is connected."
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\rIgnored\r203.0.113.1\r\r";
        QTest::newRow("service dies after the address took")
            << "eth0 SetWINSServer=raise"
            << "Error Applying Configuration"
            << Partial +
                   "The network configuration service failed before the rest was set: SetWINSServer could "
                   "not be called\r"
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\rNot set\rIgnored\rNot set\rNot set\r";
    }
    void reportsWhatIsInEffect() {
        QFETCH(QString, description);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, values);
        auto service = std::make_shared<RecordingService>();
        service->adapters.push_back(adapter(description));
        const ApplyOutcome outcome = Applier(service).SetInterface(
            typed({"192.0.2.10", "255.255.255.0", "192.0.2.1", "", "198.51.100.2", "203.0.113.1", ""}),
            ApplyMode::Static);

        QCOMPARE(heading(outcome), caption);
        QCOMPARE(outcome.State, caption == QLatin1String("Configuration Applied") ? ApplyState::Applied
                                                                                  : ApplyState::Refused);
        QCOMPARE(resultText(outcome), text);
        QCOMPARE(resultValues(outcome), values);
        QCOMPARE(service->methodCalls().size(), std::size_t{description.contains("raise") ? 3u : 4u});
    }

    // The adapter read back after the change: each setting asked beside the value in effect, and a
    // difference reported as one, with the value in effect shown in place of the one asked.
    void readBackComparesEachSetting_data() {
        QTest::addColumn<ApplyMode>("mode");
        QTest::addColumn<std::optional<platform::IPv4State>>("now");
        QTest::addColumn<QString>("statuses");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QStringList>("differences");
        using State = platform::IPv4State;
        const auto S = ApplyMode::Static;
        const auto D = ApplyMode::Dhcp;
        QTest::newRow("all in effect")
            << S << std::optional(State{false, {"192.0.2.10/24"}, "192.0.2.1", {"192.0.2.53"}})
            << "in_effect in_effect in_effect in_effect in_effect not_shown not_shown"
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r192.0.2.53\r\r\r\r" << QStringList{};
        QTest::newRow("not read back")
            << S << std::optional<State>()
            << "not_shown not_shown not_shown not_shown not_shown not_shown not_shown"
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r192.0.2.53\r\r\r\r" << QStringList{};
        QTest::newRow("another address, no gateway")
            << S << std::optional(State{false, {"198.51.100.77/24"}, "", {"192.0.2.53"}})
            << "differs in_effect differs in_effect in_effect not_shown not_shown"
            << "\r198.51.100.77\r255.255.255.0\rnone\r192.0.2.53\r\r\r\r"
            << QStringList{"IP Address: 192.0.2.10 asked, 198.51.100.77 in effect.",
                           "Gateway: 192.0.2.1 asked, none in effect."};
        QTest::newRow("more addresses, the asked one primary")
            << S
            << std::optional(State{false, {"192.0.2.10/24", "192.0.2.11/16"}, "192.0.2.1", {"192.0.2.53"}})
            << "differs in_effect in_effect in_effect in_effect not_shown not_shown"
            << "\r192.0.2.10, 192.0.2.11\r255.255.255.0\r192.0.2.1\r192.0.2.53\r\r\r\r"
            << QStringList{"IP Address: 192.0.2.10 asked, 192.0.2.10, 192.0.2.11 in effect."};
        QTest::newRow("DHCP with the lease's DNS")
            << D
            << std::optional(
                   State{true, {"198.51.100.120/24"}, "198.51.100.1", {"198.51.100.1"}, {{"198.51.100.1"}}})
            << "in_effect in_effect not_shown in_effect in_effect not_shown not_shown"
            << "\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\r" << QStringList{};
        QTest::newRow("DHCP, DNS fixed under it")
            << D
            << std::optional(
                   State{true, {"198.51.100.120/24"}, "198.51.100.1", {"192.0.2.53"}, {{"198.51.100.1"}}})
            << "in_effect in_effect not_shown differs in_effect not_shown not_shown"
            << "\rDHCP\rDHCP\rDHCP\r192.0.2.53\rDHCP\rDHCP\rDHCP\r"
            << QStringList{"Primary DNS: DHCP asked, 192.0.2.53 in effect."};
        QTest::newRow("DHCP asked, static in effect")
            << D << std::optional(State{false, {"192.0.2.10/24"}, "", {}})
            << "differs differs not_shown not_shown not_shown not_shown not_shown"
            << "\r192.0.2.10\r255.255.255.0\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\r"
            << QStringList{"IP Address: DHCP asked, 192.0.2.10 in effect.",
                           "Subnet Mask: DHCP asked, 255.255.255.0 in effect."};
    }
    void readBackComparesEachSetting() {
        QFETCH(ApplyMode, mode);
        QFETCH(std::optional<platform::IPv4State>, now);
        QFETCH(QString, statuses);
        QFETCH(QString, values);
        QFETCH(QStringList, differences);
        auto service = std::make_shared<RecordingService>();
        service->adapters.push_back(adapter("eth0"));
        if (now) service->readBacks["eth0"] = *now;
        const QStringList boxes =
            mode == ApplyMode::Static
                ? QStringList{"192.0.2.10", "255.255.255.0", "192.0.2.1", "192.0.2.53", "", "", ""}
                : QStringList{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP"};
        const ApplyOutcome outcome = Applier(service).SetInterface(typed(boxes), mode);

        static const char* const names[] = {"in_effect",
                                            "differs",
                                            "refused",
                                            "not_on_this_platform",
                                            "not_shown",
                                            "when_connected",
                                            "saved_not_in_effect",
                                            "not_made",
                                            "not_asked"};
        QCOMPARE(outcome.Adapters.size(), std::size_t{1});
        QStringList got;
        for (const SettingOutcome& s : outcome.Adapters.front().Settings)
            got << names[static_cast<int>(s.Status)];
        QCOMPARE(got.join(u' '), statuses);
        QCOMPARE(resultValues(outcome), values);
        const bool differs = !differences.isEmpty();
        QCOMPARE(outcome.State, differs ? ApplyState::Refused : ApplyState::Applied);
        QCOMPARE(outcome.Adapters.front().State, outcome.State);
        QCOMPARE(outcome.Differs, differs);
        QCOMPARE(heading(outcome), differs ? "Error Applying Configuration" : "Configuration Applied");
        for (const QString& line : differences)
            QVERIFY2(resultText(outcome).contains(line), qPrintable(resultText(outcome)));
        if (differs)
            QVERIFY(resultText(outcome).startsWith("The adapter does not have all the settings asked for"));
    }

    // Further addresses: sent after the first, compared on their own when read back, judged before
    // anything is sent; beside a lease this service (WMI's methods) has no way and changes nothing.
    void moreAddresses_data() {
        QTest::addColumn<ApplyMode>("mode");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<std::vector<std::string>>("readBack");
        QTest::addColumn<ApplyState>("state");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("line"); // a line of the report
        using V = std::vector<std::string>;
        const auto S = ApplyMode::Static;
        const QStringList two{"192.0.2.21/24", "198.51.100.007/25"};
        const QString sent = "eth0 EnableStatic [192.0.2.10, 192.0.2.21, 198.51.100.7] "
                             "[255.255.255.0, 255.255.255.0, 255.255.255.128]";
        QTest::newRow("all in effect")
            << S << two << V{"192.0.2.10/24", "192.0.2.21/24", "198.51.100.7/25"} << ApplyState::Applied
            << QStringList{sent} << "More addresses: 192.0.2.21/24 198.51.100.7/25";
        QTest::newRow("one missing")
            << S << two << V{"192.0.2.10/24", "192.0.2.21/24"} << ApplyState::Refused << QStringList{sent}
            << "More addresses: 192.0.2.21/24 198.51.100.7/25 asked, 192.0.2.21/24 in "
               "effect.";
        QTest::newRow("invalid: nothing sent")
            << S << QStringList{"192.0.2.21/24", "192.0.2.22"} << V{} << ApplyState::Invalid << QStringList{}
            << "A valid further address is required, such as 192.0.2.21/24: 192.0.2.22";
        QTest::newRow("beside a lease, not on this platform")
            << ApplyMode::Dhcp << QStringList{"192.0.2.21/24"} << V{} << ApplyState::ServiceError
            << QStringList{} << "not available on this platform";
    }
    void moreAddresses() {
        QFETCH(ApplyMode, mode);
        QFETCH(QStringList, more);
        QFETCH(std::vector<std::string>, readBack);
        QFETCH(ApplyState, state);
        QFETCH(QStringList, calls);
        QFETCH(QString, line);
        auto service = std::make_shared<RecordingService>();
        service->adapters.push_back(adapter("eth0"));
        service->readBacks["eth0"] = {false, readBack, "", {}};
        Profile p = mode == ApplyMode::Static ? typed({"192.0.2.10", "255.255.255.0"})
                                              : typed(QStringList(7, "DHCP"));
        p.MoreAddresses = more;
        const ApplyOutcome outcome = Applier(service).SetInterface(p, mode);
        QCOMPARE(outcome.State, state);
        QStringList made = methodCalls(*service);
        made = made.filter(QRegularExpression("EnableStatic|EnableDHCP"));
        QCOMPARE(made, calls);
        QVERIFY2(reasonTexts(outcome.Reasons).join(u'\n').contains(line),
                 qPrintable(reasonTexts(outcome.Reasons).join(u'\n')));
    }

    // A further address another host answers for changes nothing, as the first one would; one the
    // adapter holds already is not asked about.
    void furtherAddressInUse_data() {
        QTest::addColumn<ApplyMode>("mode");
        QTest::addColumn<QStringList>("held"); // by the adapter now
        QTest::addColumn<bool>("applied");
        QTest::newRow("static") << ApplyMode::Static << QStringList{} << false;
        QTest::newRow("beside a lease") << ApplyMode::Dhcp << QStringList{} << false;
        QTest::newRow("the adapter's own") << ApplyMode::Static << QStringList{"192.0.2.22/24"} << true;
    }
    void furtherAddressInUse() {
        QFETCH(ApplyMode, mode);
        QFETCH(QStringList, held);
        QFETCH(bool, applied);
        auto service = std::make_shared<RecordingService>();
        FakeAdapter a = adapter("eth0");
        a.holders["192.0.2.22"] = {platform::LinkAnswer::Kind::Answered, "52:54:00:12:34:56", {}};
        service->adapters.push_back(a);
        platform::IPv4State now{false, {"192.0.2.10/24"}, "", {}};
        for (const QString& h : held)
            now.addresses.push_back(h.toStdString());
        service->states["eth0"] = now;
        Profile p = mode == ApplyMode::Static ? typed({"192.0.2.10", "255.255.255.0"})
                                              : typed(QStringList(7, "DHCP"));
        p.MoreAddresses = QStringList{"192.0.2.21/24", "192.0.2.22/24"};
        const ApplyOutcome outcome = Applier(service).SetInterface(p, mode);
        QCOMPARE(methodCalls(*service).filter(QRegularExpression("Enable")).isEmpty(), !applied);
        if (applied) return;
        QCOMPARE(outcome.State, ApplyState::NotApplied);
        QCOMPARE(reasonTexts(outcome.Reasons),
                 QStringList{"192.0.2.22 is in use already: the host 52:54:00:12:34:56 answered for "
                             "it on -eth0-. Nothing was changed."});
    }

    // An adapter not listed under its name is found by the hardware address recorded with the profile,
    // when exactly one adapter has it; the report names it as it was and as it is now.
    void renamedAdapter_data() {
        QTest::addColumn<QStringList>("hardware"); // "caption=address" of each adapter listed
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("changed"); // empty: none
        QTest::newRow("renamed") << QStringList{"eth1=02:00:00:00:00:01", "enx0200=02:00:00:00:00:02"}
                                 << "02:00:00:00:00:02"
                                 << "enx0200";
        QTest::newRow("letters in another case")
            << QStringList{"enx0a0b=0A:0B:00:00:00:02"} << "0a:0b:00:00:00:02"
            << "enx0a0b";
        QTest::newRow("no address recorded") << QStringList{"enx0200=02:00:00:00:00:02"} << ""
                                             << "";
        QTest::newRow("nobody has it") << QStringList{"enx0200=02:00:00:00:00:02"} << "02:00:00:00:00:03"
                                       << "";
        QTest::newRow("two have it") << QStringList{"bond0=02:00:00:00:00:02", "enx0200=02:00:00:00:00:02"}
                                     << "02:00:00:00:00:02"
                                     << "";
    }
    void renamedAdapter() {
        QFETCH(QStringList, hardware);
        QFETCH(QString, recorded);
        QFETCH(QString, changed);
        auto service = std::make_shared<RecordingService>();
        for (const QString& h : hardware) {
            FakeAdapter a = adapter(h.section(u'=', 0, 0));
            a.hardwareAddress = h.section(u'=', 1).toStdString();
            service->adapters.push_back(a);
        }
        Profile p = typed({"192.0.2.10", "255.255.255.0"});
        p.AdapterCaption = QStringLiteral("kv2");
        p.HardwareAddress = recorded;
        const ApplyOutcome outcome = Applier(service).SetInterface(p, ApplyMode::Static);
        const QStringList made = methodCalls(*service).filter("EnableStatic");
        if (changed.isEmpty()) {
            QCOMPARE(made, QStringList());
            QCOMPARE(reasonTexts(outcome.Reasons), QStringList{"The network interface -kv2- was not found."});
            return;
        }
        QCOMPARE(made, QStringList{changed + " EnableStatic [192.0.2.10] [255.255.255.0]"});
        QCOMPARE(outcome.State, ApplyState::Applied);
        QCOMPARE(shownCaption(outcome), "kv2, now named " + changed);
        QVERIFY(resultText(outcome).contains("-kv2, now named " + changed + "-"));
        QCOMPARE(outcome.Adapters.size(), std::size_t{1});
        QCOMPARE(outcome.Adapters.front().Caption, changed);
        QVERIFY2(reasonTexts(outcome.Reasons)
                     .contains("-kv2-, now named -" + changed + "-, was found by its hardware address " +
                               recorded + "."),
                 qPrintable(reasonTexts(outcome.Reasons).join(u'\n')));
    }

    // With the gateway refused, the read-back still waits for the address that was made: read at once,
    // NetworkManager may not have put it in place yet, and the report would call it missing.
    void refusedSettingWaitsForTheRest() {
        auto service = std::make_shared<RecordingService>();
        service->adapters.push_back(adapter("eth0 SetGateways=71"));
        using State = platform::IPv4State;
        service->settling["eth0"] = {State{false, {}, "", {}}, State{false, {}, "", {}}};
        service->readBacks["eth0"] = State{false, {"192.0.2.10/24"}, "", {"192.0.2.53"}};
        const ApplyOutcome outcome = Applier(service).SetInterface(
            typed({"192.0.2.10", "255.255.255.0", "192.0.2.1", "192.0.2.53", "", "", ""}), ApplyMode::Static);
        QCOMPARE(outcome.State, ApplyState::Refused);
        QVERIFY2(!outcome.Differs, qPrintable(resultText(outcome)));
        QVERIFY2(!resultText(outcome).contains("in effect."), qPrintable(resultText(outcome)));
        QVERIFY(service->settling["eth0"].empty());
    }

    void serviceFailures_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no connector") << 0 << "no network configuration service is available on this system";
        QTest::newRow("connect fails") << 1 << "the service is not running";
        QTest::newRow("listing fails") << 2 << "the listing failed";
        QTest::newRow("call raises before the address took") << 3 << "EnableStatic could not be called";
    }
    void serviceFailures() {
        QFETCH(int, failure);
        QFETCH(QString, reason);
        auto service = std::make_shared<RecordingService>();
        FakeAdapter eth0 = adapter("eth0");
        if (failure == 3) eth0.raising.push_back("EnableStatic");
        service->adapters.push_back(eth0);
        service->failConnect = failure == 1;
        service->failListing = failure == 2;
        const Applier applier(failure == 0 ? nullptr : service);
        const ApplyOutcome outcome =
            applier.SetInterface(typed({"192.0.2.10", "255.255.255.0", "192.0.2.1"}), ApplyMode::Static);

        QCOMPARE(outcome.State, ApplyState::ServiceError);
        QCOMPARE(heading(outcome), QStringLiteral("Error Applying Configuration"));
        QCOMPARE(resultText(outcome), Failure + "\r\rThe network configuration service failed: " + reason);
    }
};

QTEST_APPLESS_MAIN(TestApplier)
#include "test_applier.moc"
