// At a glance, against the recording fake: the marks of the profiles in effect, the adapter
// entries' tooltips, and the tray menu.
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;
using platform::IPv4State;

namespace {

const IPv4State Office{false, {"192.0.2.10/24"}, "192.0.2.1", {"203.0.113.53"}};
const IPv4State Lab{false, {"192.0.2.20/24"}, "", {}};
const IPv4State Leased{true, {"198.51.100.120/24"}, "198.51.100.1", {"198.51.100.1"}};

Profile profile(const QString& name, const QString& ip, const QString& gateway, const QString& dns) {
    return {ip, QStringLiteral("255.255.255.0"), gateway, dns, {}, {}, {}, name, QStringLiteral("eth0")};
}

// eth0 on "Office", eth1 on DHCP; "Office" and "Lab" both for eth0, DHCP for eth1.
std::unique_ptr<Form1> started(TestEnvironment& env, bool tray = true) {
    env.service->adapters = {{"eth0", {}, {}}, {"eth1", {}, {}}};
    env.service->states = {{"eth0", Office}, {"eth1", Leased}};
    StoredSettings s;
    s.Profiles[0] = profile("Office", "192.0.2.10", "192.0.2.1", "203.0.113.53");
    s.Profiles[1] = profile("Lab", "192.0.2.20", "", "");
    s.TermsAccepted = true;
    s.DhcpAdapterCaption = QStringLiteral("eth1");
    if (!writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)).isEmpty()) return nullptr;
    Environment made = env.make();
    made.hasSystemTray = [tray] { return tray; };
    auto form = std::make_unique<Form1>(std::move(made));
    form->Start();
    // The window is drawn first, then filled in.
    if (!QTest::qWaitFor([&form] { return !Form1Probe::adaptersPending(*form); })) return nullptr;
    return form;
}

QMenu* trayMenu(const Form1& form) {
    auto* tray = form.findChild<QSystemTrayIcon*>(QStringLiteral("TrayIcon"));
    return tray ? tray->contextMenu() : nullptr;
}

QList<bool> checks(const QMenu* menu) {
    QList<bool> out;
    for (int t = 0; t < TabCount; ++t)
        out << menu->actions().at(t)->isChecked();
    return out;
}

} // namespace

class TestGlance : public QObject {
    Q_OBJECT
private slots:
    void marksAndTooltipsFollowTheAdapters() {
        TestEnvironment env;
        auto form = started(env);
        QVERIFY(form);
        const QList<bool> officeAndDhcp{true, false, false, false, false, false, true};
        QCOMPARE(marks(*form), officeAndDhcp);
        QVERIFY(tabControls(*form, 0).Apply->toolTip().endsWith("In effect on eth0"));
        QCOMPARE(tabControls(*form, 1).Apply->toolTip(),
                 QStringLiteral("Click this button to use these settings"));
        // A screen reader hears what each button does and where it is in effect.
        const QStringList said = {"Applies Profile 1 to eth0. In effect now.", "Applies Profile 2 to eth0.",
                                  "Applies Profile 3; no adapter is chosen for it."};
        for (int t = 0; t < said.size(); ++t)
            QCOMPARE(tabControls(*form, t).Apply->accessibleDescription(), said[t]);
        // One listing at start-up serves the lists, the marks and the tips.
        QCOMPARE(env.service->calls, (std::vector<std::string>{"connect list", "list adapters"}));

        // Both eth0 entries of List1 (listed and restored) tell the same state.
        QListWidget* list = tabControls(*form, 0).Adapters;
        QCOMPARE(list->count(), 3);
        const QString office = "eth0: static\nAddress: 192.0.2.10/24\nGateway: 192.0.2.1\nDNS: 203.0.113.53";
        QCOMPARE(list->item(0)->toolTip(), office);
        QCOMPARE(list->item(2)->toolTip(), office);
        QCOMPARE(list->item(1)->toolTip(),
                 QStringLiteral(
                     "eth1: DHCP\nAddress: 198.51.100.120/24\nGateway: 198.51.100.1\nDNS: 198.51.100.1"));

        // Changed behind Korvo's back: the watch tells, the mark moves, the entries stay.
        env.service->states["eth0"] = Lab;
        QCoreApplication::processEvents();
        env.service->announceChange();
        QCOMPARE(marks(*form), (QList<bool>{false, true, false, false, false, false, true}));
        QCOMPARE(tabControls(*form, 1).Apply->accessibleDescription(),
                 "Applies Profile 2 to eth0. In effect now.");
        QCOMPARE(listTexts(list), (QStringList{"eth0", "eth1", "eth0"}));
        QVERIFY(list->item(0)->toolTip().contains("Address: 192.0.2.20/24\nGateway: none\nDNS: none"));
        env.service->states["eth0"] = {};
        QCoreApplication::processEvents();
        env.service->announceChange();
        QVERIFY(list->item(0)->toolTip().startsWith("eth0: unconfigured\nAddress: none"));

        // Typing follows too: the boxes as they are now are what the button would apply.
        tabControls(*form, 1).IPAddress->setText("192.0.2.21");
        QCOMPARE(marks(*form)[1], false);
        // A button without a caption still says which profile it applies.
        tabControls(*form, 1).Name->clear();
        QCOMPARE(tabControls(*form, 1).Apply->accessibleName(), "Profile 2");
    }

    void trayMenuAppliesLikeTheButtons() {
        TestEnvironment env;
        auto form = started(env);
        QVERIFY(form);
        QMenu* menu = trayMenu(*form);
        QVERIFY(menu);
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Office", "Lab", "", "", "", "", "DHCP", "", "Show Korvo", "Exit"}));
        QCOMPARE(checks(menu), (QList<bool>{true, false, false, false, false, false, true}));
        tabControls(*form, 1).Name->setText("Lab 2");
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Lab 2"));

        // The same calls as the button's, shown in the applying window.
        QList<std::vector<std::string>> applied;
        for (const bool fromTray : {true, false}) {
            env.service->clear();
            if (fromTray)
                menu->actions().at(1)->trigger();
            else
                tabControls(*form, 1).Apply->click();
            QVERIFY(awaitOutcome(*form) && Form1Probe::applyingWindow(*form)->isVisible());
            QCOMPARE(Form1Probe::applyingWindow(*form)->windowTitle(),
                     QStringLiteral("Configuration Applied"));
            QVERIFY(!form->isEnabled());
            applied << env.service->methodCalls();
            QTest::mouseClick(control<QPushButton>(*Form1Probe::applyingWindow(*form), "Command1"),
                              Qt::LeftButton);
        }
        QVERIFY(!applied[0].empty());
        QCOMPARE(applied[0], applied[1]);
        // The fake's state did not change, so neither did the check.
        QCOMPARE(menu->actions().at(1)->isChecked(), false);

        form->showMinimized();
        menu->actions().at(8)->trigger(); // "Show Korvo"
        QVERIFY(!form->isMinimized());
        menu->actions().at(9)->trigger(); // "Exit"
        QCOMPARE(env.terminations, 1);
    }

    void noTrayNoIcon() {
        TestEnvironment env;
        auto form = started(env, false);
        QVERIFY(form);
        QVERIFY(!trayMenu(*form));
    }
};

QTEST_MAIN(TestGlance)
#include "test_glance.moc"
