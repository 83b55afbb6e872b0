#include "app/Form1.h"
#include "netconfig/Form4.h"
#include "netconfig/ResultTexts.h"
#include "platform/PermissionAdvice.h"
#include "tests/netconfig/ApplyHarness.h"
#include "tests/support/TestEnvironment.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

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

// "eth0" or "eth0 EnableStatic=1 SetGateways=71"
FakeAdapter adapter(const QString& description) {
    const QStringList words = description.split(u' ');
    FakeAdapter a{words.first().toStdString(), {}, {}};
    for (const QString& w : words.mid(1))
        a.results[w.section(u'=', 0, 0).toStdString()] = w.section(u'=', 1).toInt();
    return a;
}

QStringList methodCalls(const RecordingService& service) {
    QStringList out;
    for (const std::string& line : service.methodCalls())
        out << QString::fromStdString(line);
    return out;
}

} // namespace

class TestApplyCalls : public QObject {
    Q_OBJECT
private slots:
    void calls_data() {
        QTest::addColumn<int>("tab");
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
            << 0 << base + QStringList{"", "  ", " ", ""} << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"}
            << applied << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\r\r\r\r";
        QTest::newRow("secondary dns without primary")
            << 1 << base + QStringList{"", "198.51.100.2", "", ""} << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -"}
            << applied << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r\rIgnored\r\r\r";
        QTest::newRow("one dns, primary wins only")
            << 2 << base + QStringList{" 198.51.100.1 ", "", "203.0.113.1", ""} << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"203.0.113.1\" \"\"",
                           "eth0 SetDNSServerSearchOrder [198.51.100.1]"}
            << applied << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r198.51.100.1\r\r203.0.113.1\r\r";
        QTest::newRow("two dns, secondary wins only")
            << 5 << base + QStringList{"198.51.100.1", "198.51.100.2", "", "203.0.113.2"}
            << QStringList{"eth0"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"",
                           "eth0 SetDNSServerSearchOrder [198.51.100.1, 198.51.100.2]"}
            << applied
            << "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r198.51.100.1\r198.51.100.2\r\r203.0.113.2\r";
        QTest::newRow("dhcp everywhere")
            << int(DhcpTab) << QStringList{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP"}
            << QStringList{"eth0"}
            << QStringList{"eth0 EnableDHCP", "eth0 SetWINSServer \"\" \"\"",
                           "eth0 SetDNSServerSearchOrder -"}
            << applied << "\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\rDHCP\r";
        QTest::newRow("dhcp with primary dns and wins")
            << int(DhcpTab)
            << QStringList{"DHCP", "DHCP", "DHCP", "198.51.100.1", "DHCP", "203.0.113.1", "DHCP"}
            << QStringList{"eth0"}
            << QStringList{"eth0 EnableDHCP", "eth0 SetWINSServer \"203.0.113.1\" \"DHCP\"",
                           "eth0 SetDNSServerSearchOrder [198.51.100.1]"}
            << applied << "\rDHCP\rDHCP\rDHCP\r198.51.100.1\rDHCP\r203.0.113.1\rDHCP\r";
        QTest::newRow("EnableStatic refuses")
            << 0 << base + QStringList{"198.51.100.1", "", "", ""} << QStringList{"eth0 EnableStatic=70"}
            << QStringList{st, gw} << error
            << Failure + "\r\rThe address was refused (code 70: invalid IP address).";
        QTest::newRow("EnableDHCP fails")
            << int(DhcpTab) << QStringList{"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP"}
            << QStringList{"eth0 EnableDHCP=84"} << QStringList{"eth0 EnableDHCP"} << error
            << Failure + "\r\rDHCP was refused (code 84).";
        QTest::newRow("same caption twice, last one decides")
            << 0 << base + QStringList{"", "", "", ""} << QStringList{"eth0", "eth1", "eth0 EnableStatic=70"}
            << QStringList{st, gw, "eth0 SetWINSServer \"\" \"\"", "eth0 SetDNSServerSearchOrder -", st, gw}
            << error << Failure + "\r\rThe address was refused (code 70: invalid IP address).";
        QTest::newRow("invalid never connects")
            << 0 << QStringList{"192.0.2.255", "255.255.255.0", "", "", "", "", ""} << QStringList{"eth0"}
            << QStringList{} << "Configuration Error!"
            << "\rA valid IP address is required\r";
        // The literal is compared before trimming; an empty primary DNS on the DHCP tab is validated.
        QTest::newRow("dhcp: blank before, lower case, empty")
            << int(DhcpTab) << QStringList{"DHCP", "DHCP", "DHCP", " DHCP", "dhcp", " ", ""}
            << QStringList{"eth0"} << QStringList{} << "Configuration Error!"
            << "Secondary WINS\r\rA valid Primary DNS address is required\r"
               "A valid Secondary DNS address is required or leave the box empty\r";
        // Only blanks are trimmed: a tab or a line break is typed text, and validated.
        QTest::newRow("tab and line break stay")
            << 0 << base + QStringList{"198.51.100.1\t", "\n", "\t", ""} << QStringList{"eth0"}
            << QStringList{} << "Configuration Error!"
            << "Secondary WINS\r\rA valid Primary DNS address is required\r"
               "A valid Secondary DNS address is required or leave the box empty\r"
               "A valid Primary WINS address is required or leave the box empty\r";
        QTest::newRow("dhcp: empty primary dns")
            << int(DhcpTab) << QStringList{"DHCP", "DHCP", "DHCP", "  ", "", "", "DHCP"}
            << QStringList{"eth0"} << QStringList{} << "Configuration Error!"
            << "Secondary WINS\r\rA valid Primary DNS address is required\r";
        QTest::newRow("caption differs in case")
            << 0 << base + QStringList{"", "", "", ""} << QStringList{"ETH0"} << QStringList{} << error
            << "The network interface -eth0- was not found.";
    }
    void calls() {
        QFETCH(int, tab);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, adapters);
        QFETCH(QStringList, calls);
        QFETCH(QString, caption);
        QFETCH(QString, values);

        TestEnvironment env;
        for (const QString& description : adapters)
            env.service->adapters.push_back(adapter(description));
        Form1 form(env.make());
        fillTab(form, tab, boxes);
        chooseAdapter(form, tab, QStringLiteral("eth0"));
        form.tab(tab).Apply->click();

        QCOMPARE(methodCalls(*env.service), calls);
        if (caption != QLatin1String("Configuration Error!")) {
            QCOMPARE(env.service->calls.at(0),
                     "connect winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2");
            QCOMPARE(env.service->calls.at(1),
                     "query Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE 48");
        } else {
            QVERIFY(env.service->calls.empty());
        }
        QVERIFY(form.ApplyingWindow());
        QCOMPARE(form.ApplyingWindow()->windowTitle(), caption);
        if (caption == QLatin1String("Configuration Applied"))
            QCOMPARE(form.ResultValues, values);
        else
            QVERIFY2(form.ResultText.endsWith(values), qPrintable(form.ResultText));
        QVERIFY(form.ApplyingWindow()->isEnabled());
        // Server boxes holding only blanks are emptied; no other box changes.
        const ProfileTab& t = form.tab(tab);
        QLineEdit* shown[] = {t.IPAddress,    t.SubnetMask,  t.Gateway,      t.PrimaryDNS,
                              t.SecondaryDNS, t.PrimaryWINS, t.SecondaryWINS};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(shown[i]->text(), i >= 3 && trimBlanks(boxes[i]).isEmpty() ? QString() : boxes[i]);
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
            << Partial + "The WINS servers were refused (code 65: the service failed).\r"
                         "The DNS servers were refused (code 91: access denied).\r" +
                   platform::missingPermissionAdvice() + "\r"
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
    }
    void reportsWhatIsInEffect() {
        QFETCH(QString, description);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, values);
        TestEnvironment env;
        env.service->adapters.push_back(adapter(description));
        Form1 form(env.make());
        form.show();
        fillTab(form, 0, {"192.0.2.10", "255.255.255.0", "192.0.2.1", "", "198.51.100.2", "203.0.113.1", ""});
        chooseAdapter(form, 0, QStringLiteral("eth0"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);

        Form4* w = form.ApplyingWindow();
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(form.ResultText, text);
        QCOMPARE(form.ResultValues, values);
        QVERIFY(w->Label3->isVisible() && w->Label4->isVisible());
        QCOMPARE(w->Label4->text(), QString(values).replace(u'\r', u'\n'));
        QCOMPARE(env.service->methodCalls().size(), std::size_t{4});
    }

    void serviceFailuresReleaseTheWindows_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no connector") << 0 << "no network configuration service is available on this system";
        QTest::newRow("connect fails") << 1 << "the service is not running";
        QTest::newRow("query fails") << 2 << "the query failed";
        QTest::newRow("call raises") << 3 << "SetGateways could not be called";
    }
    void serviceFailuresReleaseTheWindows() {
        QFETCH(int, failure);
        QFETCH(QString, reason);
        TestEnvironment env;
        FakeAdapter eth0 = adapter("eth0");
        if (failure == 3) eth0.raising.push_back("SetGateways");
        env.service->adapters.push_back(eth0);
        env.service->failConnect = failure == 1;
        env.service->failQuery = failure == 2;
        Form1Environment made = env.make();
        if (failure == 0) made.connector.reset();
        Form1 form(std::move(made));
        chooseAdapter(form, 0, QStringLiteral("eth0"));
        form.Command1->click();

        Form4* applying = form.ApplyingWindow();
        QCOMPARE(applying->windowTitle(), QStringLiteral("Error Applying Configuration"));
        QCOMPARE(form.ResultText, Failure + "\r\rThe network configuration service failed: " + reason);
        QVERIFY(applying->isEnabled());
        QVERIFY(applying->Command1->isVisible());
        applying->Command1->click();
        QVERIFY(form.isEnabled());
    }

    // Only the "Whoops" box: no window, no service, boxes untouched.
    void noAdapterChosen_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("profile 3") << 2;
        QTest::newRow("dhcp") << int(DhcpTab);
    }
    void noAdapterChosen() {
        QFETCH(int, tab);
        TestEnvironment env;
        Form1 form(env.make());
        form.tab(tab).Adapters->addItem(QStringLiteral("eth0"));
        form.tab(tab).SecondaryWINS->setText(QStringLiteral("  "));
        form.tab(tab).Apply->click();
        QCOMPARE(env.messages, QStringList{"Whoops|Please select an Interface first!!"});
        QVERIFY(!form.ApplyingWindow());
        QVERIFY(form.isEnabled());
        QVERIFY(env.service->calls.empty());
        QCOMPARE(form.tab(tab).SecondaryWINS->text(), QStringLiteral("  "));
    }
};

QTEST_MAIN(TestApplyCalls)
#include "test_apply_calls.moc"
