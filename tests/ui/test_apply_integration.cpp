// Applying through the real window to a private NetworkManager (scripts/testbed).
#include "core/ResultTexts.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "platform/nm/NetworkManager.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestBed.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QWindow>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

// The main window on the test bed's NetworkManager, with `adapter` chosen on `tab`
// the way a user does it: listed at start-up, then selected.
std::unique_ptr<Form1> windowOn(TestEnvironment& env, const TestBed& bed, int tab, const QString& adapter) {
    Environment made = env.make();
    made.connector = platform::makeNetworkManagerConnector(bed.busAddress());
    auto form = std::make_unique<Form1>(std::move(made));
    Form1Probe::enumerateAdapters(*form);
    // NetworkManager answers later; lists still empty then fail the checks that follow.
    (void)QTest::qWaitFor([&form] { return !Form1Probe::adaptersPending(*form); });
    QListWidget* list = tabControls(*form, tab).Adapters;
    const auto found = list->findItems(adapter, Qt::MatchExactly);
    if (!found.isEmpty()) list->setCurrentItem(found.first());
    form->show();
    return form;
}

QList<bool> only(int tab) {
    QList<bool> out(TabCount, false);
    out[tab] = true;
    return out;
}

void press(Form1& form, QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(awaitOutcome(form));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

} // namespace

class TestApplyIntegration : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
    }

    void staticThenDhcp() {
        TestBed bed({.adapters = 1, .dhcp = true});
        TestEnvironment env;
        auto form = windowOn(env, bed, 1, QStringLiteral("veth0"));
        // Mapped at its size, also where the compositor places it (CTest runs this under weston too).
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->windowHandle()->size(), QSize(745, 399));
        QCOMPARE(tabAdapterCaption(*form, 1), QStringLiteral("veth0"));
        fillTab(*form, 1,
                {"192.0.2.010", "255.255.255.0", "192.0.2.1", "203.0.113.53", " 203.0.113.54", "", ""});
        press(*form, control<QPushButton>(*form, "Command2"));
        QCOMPARE(Form1Probe::applyingWindow(*form)->windowTitle(), QStringLiteral("Configuration Applied"));
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip({"-4", "addr", "show", "veth0"}).contains("inet 192.0.2.10/24"),
                                 15000);
        QTRY_VERIFY_WITH_TIMEOUT(
            bed.ip({"-4", "route", "show", "default"}).contains("via 192.0.2.1 dev veth0"), 15000);
        QTRY_COMPARE_WITH_TIMEOUT(bed.ip4("veth0", "IP4.DNS"), QStringLiteral("203.0.113.53 | 203.0.113.54"),
                                  15000);
        QTest::mouseClick(control<QPushButton>(*Form1Probe::applyingWindow(*form), "Command1"),
                          Qt::LeftButton);
        QVERIFY(form->isEnabled());

        tabControls(*form, DhcpTab).Adapters->setCurrentRow(0);
        press(*form, control<QPushButton>(*form, "Command8"));
        QCOMPARE(Form1Probe::applyingWindow(*form)->windowTitle(), QStringLiteral("Configuration Applied"));
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip({"-4", "addr", "show", "veth0"}).contains("inet 198.51.100.1"),
                                 30000);
        QVERIFY(!bed.ip({"-4", "addr", "show", "veth0"}).contains("192.0.2.10"));
        QTRY_VERIFY_WITH_TIMEOUT(
            bed.ip({"-4", "route", "show", "default"}).contains("via 198.51.100.1 dev veth0"), 15000);
    }

    // What the service refuses is reported, never shown as applied; what NetworkManager has no
    // setting for is no refusal.
    void refusals_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tail"); // the end of ResultText
        QTest::addColumn<QString>("values");
        // The backend refuses a loopback gateway itself; it never reaches the adapter.
        QTest::newRow("gateway") << QStringList{"192.0.2.20", "255.255.255.0", "127.0.0.1", "", "", "", ""}
                                 << "Error Applying Configuration"
                                 << "\r\rThe gateway was refused (code 71: invalid gateway).\r"
                                 << "\r192.0.2.20\r255.255.255.0\rRefused\r\r\r\r\r";
        QTest::newRow("wins") << QStringList{"192.0.2.20", "255.255.255.0", "192.0.2.1", "",
                                             "",           "203.0.113.5",   ""}
                              << "Configuration Applied"
                              << "Secondary WINS\r \rThe WINS servers were not set: this platform has none.\r"
                                 "The gateway 192.0.2.1 answers."
                              << "\r192.0.2.20\r255.255.255.0\r192.0.2.1\r\r\rNot set\rNot set\r";
        QTest::newRow("adapter gone") << QStringList{"192.0.2.20", "255.255.255.0", "", "", "", "", ""}
                                      << "Error Applying Configuration"
                                      << "changed.\r\rThe network interface -veth9- was not found."
                                      << "";
    }
    void refusals() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, caption);
        QFETCH(QString, tail);
        QFETCH(QString, values);
        // Korvo where veth0 is, so that it asks the link; a peer there holds the gateway.
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.1/24", "dev", "peer0"});
        TestBed::Inside inside(bed);
        TestEnvironment env;
        auto form = windowOn(env, bed, 0, QStringLiteral("veth0"));
        if (tail.contains("veth9")) chooseAdapter(*form, 0, QStringLiteral("veth9"));
        fillTab(*form, 0, boxes);
        press(*form, control<QPushButton>(*form, "Command1"));
        Form4* w = Form1Probe::applyingWindow(*form);
        QCOMPARE(w->windowTitle(), caption);
        // The gateway's line follows the report shown.
        QTRY_VERIFY2(resultText(w->outcome()).endsWith(tail), qPrintable(resultText(w->outcome())));
        QCOMPARE(control<QLabel>(*w, "Label4")->isVisible(), !values.isEmpty());
        if (!values.isEmpty()) QCOMPARE(resultValues(w->outcome()), values);
        QVERIFY(w->isEnabled() && control<QPushButton>(*w, "Command1")->isVisible());
        if (caption == QLatin1String("Configuration Applied"))
            QTRY_VERIFY_WITH_TIMEOUT(bed.ip({"-4", "addr", "show", "veth0"}).contains("inet 192.0.2.20/24"),
                                     15000);
    }

    // The mark of the profile in effect: at start-up, after an apply through Korvo, after
    // nmcli behind Korvo's back, and after DHCP from the tray menu.
    void marksFollowTheAdapter() {
        TestBed bed({.adapters = 1, .dhcp = true});
        int made = 0;
        const auto officeByNmcli = [&bed, &made] {
            const QString name = QStringLiteral("office%1").arg(++made);
            bed.nmcli({"connection", "add", "type", "ethernet", "ifname", "veth0", "con-name", name,
                       "ipv4.method", "manual", "ipv4.addresses", "192.0.2.10/24", "ipv4.gateway",
                       "192.0.2.1", "ipv4.dns", "203.0.113.53", "ipv6.method", "disabled"});
            bed.nmcli({"connection", "up", name});
            QTRY_VERIFY_WITH_TIMEOUT(bed.ip({"-4", "addr", "show", "veth0"}).contains("inet 192.0.2.10/24"),
                                     15000);
        };
        officeByNmcli();

        TestEnvironment env;
        StoredSettings s;
        s.Profiles[0] = {"192.0.2.10", "255.255.255.0", "192.0.2.1", "203.0.113.53", {}, {},
                         {},           "Office",        "veth0"};
        s.Profiles[1] = {"192.0.2.20", "255.255.255.0", {}, {}, {}, {}, {}, "Lab", "veth0"};
        s.TermsAccepted = true;
        s.DhcpAdapterCaption = QStringLiteral("veth0");
        s.DhcpPrimaryDNS = s.DhcpSecondaryDNS = s.DhcpPrimaryWINS = s.DhcpSecondaryWINS =
            QStringLiteral("DHCP");
        s.DNSViaDHCP = s.WINSViaDHCP = true;
        QCOMPARE(writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)), QString());
        Environment environment = env.make();
        environment.connector = platform::makeNetworkManagerConnector(bed.busAddress());
        environment.hasSystemTray = [] { return true; };
        Form1 form(std::move(environment));
        form.Start();
        QTRY_VERIFY(!Form1Probe::adaptersPending(form));
        QCOMPARE(marks(form), only(0));
        QVERIFY(tabControls(form, 0).Apply->toolTip().endsWith("In effect on veth0"));

        // The entry's tooltip says what ip says.
        const QString tip = tabControls(form, 3).Adapters->item(0)->toolTip();
        const QString shown = bed.ip({"-4", "-o", "addr", "show", "veth0"});
        QStringList addresses;
        for (auto it = QRegularExpression(QStringLiteral("inet (\\S+)")).globalMatch(shown); it.hasNext();)
            addresses << it.next().captured(1);
        QVERIFY(!addresses.isEmpty());
        QVERIFY2(tip.startsWith("veth0: static\nAddress: " + addresses.join(", ") + "\n"), qPrintable(tip));
        QVERIFY(bed.ip({"-4", "route", "show", "default"}).contains("via 192.0.2.1 dev veth0"));
        QVERIFY2(tip.contains("Gateway: 192.0.2.1\nDNS: 203.0.113.53"), qPrintable(tip));

        press(form, tabControls(form, 1).Apply);
        QCOMPARE(Form1Probe::applyingWindow(form)->windowTitle(), QStringLiteral("Configuration Applied"));
        QTRY_COMPARE_WITH_TIMEOUT(marks(form), only(1), 15000);
        QTest::mouseClick(control<QPushButton>(*Form1Probe::applyingWindow(form), "Command1"),
                          Qt::LeftButton);

        officeByNmcli();
        QTRY_COMPARE_WITH_TIMEOUT(marks(form), only(0), 1000);

        auto* tray = form.findChild<QSystemTrayIcon*>(QStringLiteral("TrayIcon"));
        QVERIFY(tray && tray->contextMenu());
        QAction* dhcp = tray->contextMenu()->actions().at(DhcpTab);
        QVERIFY(!dhcp->isChecked());
        dhcp->trigger();
        QCOMPARE(awaitOutcome(form)->windowTitle(), QStringLiteral("Configuration Applied"));
        QTRY_COMPARE_WITH_TIMEOUT(marks(form), only(DhcpTab), 30000);
        QVERIFY(dhcp->isChecked());
    }

    // The adapter list's context menu takes the adapter's settings into the tab, whose apply then
    // leaves the adapter as it is and is marked in effect; nothing is saved. Of several addresses the
    // first fills the address box and the others the further addresses; DNS servers fixed under a lease stay
    // fixed, and the DHCP profile that takes them from the lease is no longer marked in effect.
    void profileFromTheAdapter() {
        TestBed bed({.adapters = 2, .dhcp = true});
        bed.nmcli({"connection", "add", "type", "ethernet", "ifname", "veth0", "con-name", "leased",
                   "ipv4.method", "auto", "ipv6.method", "disabled"});
        bed.nmcli({"connection", "up", "leased"});
        bed.nmcli({"connection", "add", "type", "ethernet", "ifname", "veth1", "con-name", "office",
                   "ipv4.method", "manual", "ipv4.addresses", "192.0.2.10/24,192.0.2.11/24", "ipv4.gateway",
                   "192.0.2.1", "ipv4.dns", "203.0.113.53,203.0.113.54", "ipv6.method", "disabled"});
        bed.nmcli({"connection", "up", "office"});
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip({"-4", "addr", "show", "veth0"}).contains("inet 198.51.100.1"),
                                 30000);
        QTRY_VERIFY_WITH_TIMEOUT(bed.ip({"-4", "addr", "show", "veth1"}).contains("inet 192.0.2.10/24"),
                                 15000);

        TestEnvironment env;
        StoredSettings s;
        s.Profiles[1] = {"192.0.2.20", "255.255.255.0", {},     "203.0.113.9", {}, "203.0.113.5",
                         {},           "Lab",           "veth0"};
        s.TermsAccepted = true;
        s.DhcpAdapterCaption = QStringLiteral("veth9"); // gone
        s.DhcpPrimaryDNS = QStringLiteral("203.0.113.9");
        s.DhcpPrimaryWINS = s.DhcpSecondaryWINS = QStringLiteral("DHCP");
        s.WINSViaDHCP = true;
        const QString file = env.folder.filePath("Korvo.ini");
        QCOMPARE(writeSettingsFile(file, settingsLines(s)), QString());
        const QByteArray saved = contents(file);
        Environment environment = env.make();
        environment.connector = platform::makeNetworkManagerConnector(bed.busAddress());
        Form1 form(std::move(environment));
        form.Start();
        // Listed, and the states read: each entry's tooltip tells its adapter's.
        QTRY_VERIFY_WITH_TIMEOUT(tabControls(form, 1).Adapters->count() == 3 &&
                                     !tabControls(form, 1).Adapters->item(1)->toolTip().isEmpty(),
                                 15000);
        auto* pages = control<QTabWidget>(form, "SSTab1");

        enum How { MenuKey, ShiftF10, Mouse };
        struct Row {
            const char* name;
            int tab;
            QString adapter;
            How how;
            bool enabled;
            QStringList boxes;              // IP, mask, gateway, DNS 1 and 2, WINS 1 and 2, name
            bool dnsViaDhcp;                // DHCP tab
            QList<QStringList> before = {}; // nmcli commands first
            QString note = {};              // what the window says of addresses left out
            QString more = {};              // the further addresses taken
        };
        const QList<QStringList> fixDns{
            {"connection", "modify", "leased", "ipv4.ignore-auto-dns", "yes", "ipv4.dns", "192.0.2.53"},
            {"device", "reapply", "veth0"}};
        // clang-format off
        const Row rows[] = {
            {"not listed", DhcpTab, "veth9", MenuKey, false,
             {"DHCP", "DHCP", "DHCP", "203.0.113.9", "", "DHCP", "DHCP"}, false},
            {"static", 1, "veth1", ShiftF10, true,
             {"192.0.2.10", "255.255.255.0", "192.0.2.1", "203.0.113.53", "203.0.113.54", "203.0.113.5", "", "Lab"},
             false, {}, {}, "192.0.2.11/24"},
            {"DHCP", DhcpTab, "veth0", Mouse, true, {"DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP", "DHCP"}, true},
            {"DHCP, DNS fixed", DhcpTab, "veth0", Mouse, true,
             {"DHCP", "DHCP", "DHCP", "192.0.2.53", "", "DHCP", "DHCP"}, false, fixDns},
        };
        // clang-format on
        for (const Row& row : rows) {
            const TabControls t = tabControls(form, row.tab);
            // On a loaded machine NetworkManager itself has kept the lease's DNS after this reapply, and
            // after reapplying again (its own device showed 198.51.100.1, as did the tooltip, with the
            // profile asking 192.0.2.53): then the profile is brought up anew, so that what is checked
            // below is Korvo following a change NetworkManager made.
            if (!row.before.isEmpty()) {
                for (const QStringList& command : row.before)
                    bed.nmcli(command);
                const auto shown = [&] { return bed.ip4(row.adapter, "IP4.DNS").contains("192.0.2.53"); };
                if (!QTest::qWaitFor(shown, 5000)) bed.nmcli({"connection", "up", "leased"});
                QTRY_VERIFY_WITH_TIMEOUT(shown(), 30000);
            }
            const auto tipOf = [&] {
                return t.Adapters->findItems(row.adapter, Qt::MatchExactly).value(0)->toolTip();
            };
            // On failure: the tooltip beside what NetworkManager says the device has.
            const auto seen = [&] {
                return (tipOf() + "\n--- nmcli:\n" +
                        bed.nmcli(
                            {"-f", "GENERAL.STATE,GENERAL.CONNECTION,IP4", "device", "show", row.adapter}) +
                        bed.nmcli({"-f", "ipv4.method,ipv4.dns,ipv4.ignore-auto-dns,connection.uuid",
                                   "connection", "show", "leased"}) +
                        bed.nmcli({"-f", "NAME,UUID,DEVICE,TIMESTAMP-REAL", "connection", "show"}))
                    .toLocal8Bit();
            };
            if (!row.before.isEmpty())
                QTRY_VERIFY2_WITH_TIMEOUT(tipOf().contains("DNS: 192.0.2.53"), seen().constData(), 15000);
            QTRY_VERIFY2_WITH_TIMEOUT(!marks(form)[row.tab], row.name, 15000);
            pages->setCurrentIndex(1);
            control<QTabWidget>(form, "SSTab2")->setCurrentIndex(row.tab);
            QListWidgetItem* entry = t.Adapters->findItems(row.adapter, Qt::MatchExactly).value(0);
            QVERIFY2(entry, row.name);
            if (row.how == Mouse) {
                QTest::mouseClick(
                    form.windowHandle(), Qt::RightButton, {},
                    t.Adapters->viewport()->mapTo(&form, t.Adapters->visualItemRect(entry).center()));
            } else {
                // The keyboard's current entry, not (yet) the selected one.
                t.Adapters->setFocus();
                t.Adapters->selectionModel()->setCurrentIndex(t.Adapters->indexFromItem(entry),
                                                              QItemSelectionModel::NoUpdate);
                QTest::keyClick(t.Adapters, row.how == MenuKey ? Qt::Key_Menu : Qt::Key_F10,
                                row.how == MenuKey ? Qt::NoModifier : Qt::ShiftModifier);
            }
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu && !menu->actions().isEmpty(), row.name);
            QAction* take = menu->actions().first();
            QCOMPARE(take->text(), QStringLiteral("Use this adapter's current settings"));
            QCOMPARE(take->isEnabled(), row.enabled);
            if (row.enabled)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(take).center());
            else
                QVERIFY(!take->toolTip().isEmpty() && menu->close());
            QTRY_VERIFY(!QApplication::activePopupWidget());
            auto* note = form.findChild<QMessageBox*>(QStringLiteral("OneAddressTaken"));
            QCOMPARE(note != nullptr, !row.note.isEmpty());
            if (note) {
                QVERIFY2(note->text().contains(row.note), qPrintable(note->text()));
                note->accept();
                QTRY_VERIFY(!form.findChild<QMessageBox*>(QStringLiteral("OneAddressTaken")));
            }

            QLineEdit* boxes[] = {t.IPAddress,    t.SubnetMask,  t.Gateway,       t.PrimaryDNS,
                                  t.SecondaryDNS, t.PrimaryWINS, t.SecondaryWINS, t.Name};
            QStringList shown;
            for (const QLineEdit* box : boxes)
                if (box) shown << box->text();
            QCOMPARE(shown, row.boxes);
            QCOMPARE(control<QLineEdit>(form, qPrintable(QStringLiteral("MoreAddresses%1").arg(row.tab + 1)))
                         ->text(),
                     row.more);
            if (row.tab == DhcpTab) QCOMPARE(control<QCheckBox>(form, "Check2")->isChecked(), row.dnsViaDhcp);
            if (!row.enabled) continue;
            QCOMPARE(tabAdapterCaption(form, row.tab), row.adapter);

            pages->setCurrentIndex(0);
            QTest::mouseClick(t.Apply, Qt::LeftButton);
            QWidget* outcome = awaitOutcome(form);
            QVERIFY2(outcome, row.name);
            QCOMPARE(outcome->windowTitle(), QStringLiteral("Configuration Applied"));
            QTRY_VERIFY_WITH_TIMEOUT(marks(form)[row.tab], 15000);
            QTest::mouseClick(control<QPushButton>(*outcome, "Command1"), Qt::LeftButton);
        }
        QCOMPARE(contents(file), saved);
    }
};

QTEST_MAIN(TestApplyIntegration)
#include "test_apply_integration.moc"
