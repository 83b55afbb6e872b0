// The apply buttons as the user presses them: which boxes a command changes, the
// "Whoops" message, and both windows released after every outcome. What the run
// itself sends and reports is tested on core's Applier.
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

class TestForm1Apply : public QObject {
    Q_OBJECT
private slots:
    // Server boxes holding only blanks are emptied; no other box changes.
    void commandsEmptyBlankServerBoxes_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("caption");
        QTest::newRow("profile")
            << 2 << QStringList{" 192.0.2.10 ", "255.255.255.0", "", " 198.51.100.1 ", "  ", " ", ""}
            << "Configuration Applied";
        QTest::newRow("dhcp") << int(DhcpTab)
                              << QStringList{"DHCP", "DHCP", "DHCP", "  ", " DHCP", "DHCP", " "}
                              << "Configuration Error!";
    }
    void commandsEmptyBlankServerBoxes() {
        QFETCH(int, tab);
        QFETCH(QStringList, boxes);
        QFETCH(QString, caption);
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        Form1 form(env.make());
        fillTab(form, tab, boxes);
        chooseAdapter(form, tab, QStringLiteral("eth0"));
        tabControls(form, tab).Apply->click();

        QCOMPARE(awaitOutcome(form)->windowTitle(), caption);
        const TabControls t = tabControls(form, tab);
        QLineEdit* shown[] = {t.IPAddress,    t.SubnetMask,  t.Gateway,      t.PrimaryDNS,
                              t.SecondaryDNS, t.PrimaryWINS, t.SecondaryWINS};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(shown[i]->text(), i >= 3 && boxes[i].trimmed().isEmpty() ? QString() : boxes[i]);
    }

    void serviceFailureReleasesTheWindows() {
        TestEnvironment env;
        env.service->failConnect = true;
        Form1 form(env.make());
        chooseAdapter(form, 0, QStringLiteral("eth0"));
        control<QPushButton>(form, "Command1")->click();

        Form4* applying = awaitOutcome(form);
        QCOMPARE(applying->windowTitle(), QStringLiteral("Error Applying Configuration"));
        QVERIFY(applying->isEnabled());
        QVERIFY(!form.isEnabled());
        QPushButton* ok = control<QPushButton>(*applying, "Command1");
        QVERIFY(ok->isVisible());
        ok->click();
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
        const TabControls t = tabControls(form, tab);
        Form1Probe::listAdapters(form, {QStringLiteral("eth0")});
        t.SecondaryWINS->setText(QStringLiteral("  "));
        t.Apply->click();
        QCOMPARE(env.messages, QStringList{"Whoops|Please select an Interface first!!"});
        QVERIFY(!Form1Probe::applyingWindow(form));
        QVERIFY(form.isEnabled());
        QVERIFY(env.service->calls.empty());
        QCOMPARE(t.SecondaryWINS->text(), QStringLiteral("  "));
    }
};

QTEST_MAIN(TestForm1Apply)
#include "test_form1_apply.moc"
