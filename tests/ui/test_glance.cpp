// At a glance, against the recording fake: the marks of the profiles in effect, the adapter
// entries' tooltips, and the tray menu. With KORVO_TRAY_BUS set (CTest runs it under
// tests/support/under-weston) the tray as a desktop sees it: a StatusNotifierItem on the session bus.
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"
#include "ui/MainWindow.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtTest>

#include <optional>

#ifdef KORVO_SESSION_BUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QMutex>
#include <QPointer>
#include <QThread>
#endif

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
// `tray` unset: Korvo asks Qt whether the desktop has a tray.
std::unique_ptr<Form1> started(TestEnvironment& env, std::optional<bool> tray = true) {
    env.service->adapters = {{"eth0", {}, {}}, {"eth1", {}, {}}};
    env.service->states = {{"eth0", Office}, {"eth1", Leased}};
    StoredSettings s;
    s.Profiles[0] = profile("Office", "192.0.2.10", "192.0.2.1", "203.0.113.53");
    s.Profiles[1] = profile("Lab", "192.0.2.20", "", "");
    s.TermsAccepted = true;
    s.DhcpAdapterCaption = QStringLiteral("eth1");
    // DNS from DHCP too: the DHCP profile is in effect only with its DNS setting.
    s.DhcpPrimaryDNS = s.DhcpSecondaryDNS = QStringLiteral("DHCP");
    s.DNSViaDHCP = true;
    if (!writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)).isEmpty()) return nullptr;
    Environment made = env.make();
    if (tray) made.hasSystemTray = [tray] { return *tray; };
    auto form = std::make_unique<Form1>(std::move(made));
    form->Start();
    // The window is drawn first, then filled in.
    if (!QTest::qWaitFor([&form] { return tabControls(*form, 0).Adapters->count() == 3; })) return nullptr;
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

#ifdef KORVO_SESSION_BUS
// The desktop's tray host (org.kde.StatusNotifierWatcher) as far as Qt asks it: it says a host is
// there and records the items that register. It answers on a thread of its own, since Qt asks it
// while the window thread waits.
class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)

public:
    bool hostRegistered() const { return true; }
    QStringList items() const {
        const QMutexLocker lock(&Guard);
        return Items;
    }

public slots:
    void RegisterStatusNotifierItem(const QString& service) {
        const QMutexLocker lock(&Guard);
        Items << service;
    }

private:
    mutable QMutex Guard;
    QStringList Items;
};

class WatcherOnBus {
public:
    WatcherOnBus() : Bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, Name)) {
        Served = new Watcher;
        Served->moveToThread(&Thread);
        QObject::connect(&Thread, &QThread::finished, Served, &QObject::deleteLater);
        Thread.start();
        // No signals: exporting them would give the object a child made on this thread.
        Up = Bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), Served,
                                QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
             Bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    ~WatcherOnBus() {
        Bus.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        Bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        Thread.quit();
        Thread.wait();
        QDBusConnection::disconnectFromBus(Name);
    }
    bool up() const { return Up; }
    QStringList items() const { return Served ? Served->items() : QStringList(); }

private:
    inline static const QString Name = QStringLiteral("korvo-test-watcher");
    QDBusConnection Bus;
    QThread Thread;
    QPointer<Watcher> Served;
    bool Up = false;
};

// A call as the panel makes it, answered while the window thread goes on with its events.
QDBusMessage hostCall(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    const QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(call, 5000);
    (void)QTest::qWaitFor([&pending] { return pending.isFinished(); }, 6000);
    return pending.reply();
}

// The labels of a com.canonical.dbusmenu layout (ia{sv}av), depth first; a separator has none.
QStringList labels(const QDBusArgument& node) {
    QStringList out;
    int id = 0;
    QVariantMap properties;
    node.beginStructure();
    node >> id >> properties;
    if (id != 0 && properties.value(QStringLiteral("type")).toString() != QLatin1String("separator"))
        out << properties.value(QStringLiteral("label")).toString();
    node.beginArray();
    while (!node.atEnd()) {
        QDBusVariant child;
        node >> child;
        out << labels(child.variant().value<QDBusArgument>());
    }
    node.endArray();
    node.endStructure();
    return out;
}

// A dbusmenu label as a panel draws it: "__" is one '_', a single '_' marks the next character.
QString asPanelShows(const QString& label) {
    QString out;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] != QLatin1Char('_')) {
            out += label[i];
        } else if (i + 1 < label.size() && label[i + 1] == QLatin1Char('_')) {
            out += QLatin1Char('_');
            ++i;
        }
    }
    return out;
}

#endif

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

    // Names exactly as typed, whatever marks an access key; the tooltip tells each adapter's address
    // and what is in effect on it, and follows the adapters.
    void trayTellsWhereYouAre() {
        TestEnvironment env;
        auto form = started(env);
        QVERIFY(form);
        QMenu* menu = trayMenu(*form);
        QVERIFY(menu);
        tabControls(*form, 0).Name->setText("R&D && Lab");
        tabControls(*form, 1).Name->setText("Lab_2 & Co");
        // Qt draws this menu: "&&" is one '&'.
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("R&&D &&&& Lab"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Lab_2 && Co"));
        // What Qt shows of them, its marks taken out.
        QCOMPARE(menu->actions().at(0)->iconText(), QStringLiteral("R&D && Lab"));
        QCOMPARE(menu->actions().at(1)->iconText(), QStringLiteral("Lab_2 & Co"));

        auto* icon = form->findChild<QSystemTrayIcon*>(QStringLiteral("TrayIcon"));
        QCOMPARE(icon->toolTip(), QStringLiteral("Korvo\n"
                                                 "eth0: 192.0.2.10/24, in effect: R&D && Lab\n"
                                                 "eth1: 198.51.100.120/24 by DHCP, in effect: DHCP"));
        env.service->states["eth0"] = {};
        QCoreApplication::processEvents();
        env.service->announceChange();
        QCOMPARE(icon->toolTip(), QStringLiteral("Korvo\n"
                                                 "eth0: no address, no profile in effect\n"
                                                 "eth1: 198.51.100.120/24 by DHCP, in effect: DHCP"));
        // Two profiles alike on one adapter: both are named.
        env.service->states["eth0"] = Lab;
        tabControls(*form, 2).Name->setText("Bench");
        tabControls(*form, 2).IPAddress->setText("192.0.2.20");
        tabControls(*form, 2).SubnetMask->setText("255.255.255.0");
        tabControls(*form, 2).Adapters->setCurrentRow(0);
        env.service->announceChange();
        QVERIFY(icon->toolTip().contains("eth0: 192.0.2.20/24, in effect: Lab_2 & Co / Bench\n"));
    }

    // Ended from the tray while the service has not answered an apply: the profile entries are greyed
    // meanwhile, and the end waits for the answer and tells it, or after the wait tells that none came.
    void endingWaitsForTheApply_data() {
        QTest::addColumn<QString>("how"); // the tray's Exit, the close box, or the session's end
        QTest::addColumn<int>("answerAfterMs");
        QTest::addColumn<QString>("told");
        const QString answered = "Korvo: the apply under way has finished; ending now. The outcome:\n"
                                 "Configuration Applied";
        QTest::newRow("tray, answered") << "the tray's Exit" << 100 << answered;
        QTest::newRow("tray, no answer")
            << "the tray's Exit" << 5000 << "Korvo: the network service did not answer within 1 s;";
        QTest::newRow("close box, answered") << "the window's close box" << 100 << answered;
        QTest::newRow("session's end, answered") << "the end of the session" << 100 << answered;
        QTest::newRow("session's end, no answer")
            << "the end of the session" << 5000 << "Korvo: the network service did not answer within 1 s;";
    }
    void endingWaitsForTheApply() {
        QFETCH(QString, how);
        QFETCH(int, answerAfterMs);
        QFETCH(QString, told);
        TestEnvironment env;
        auto form = started(env);
        QVERIFY(form);
        Form1Probe::setEndWait(*form, 1000);
        QMenu* menu = trayMenu(*form);
        auto gate = std::make_shared<QSemaphore>();
        env.service->beforeApply = [gate] { gate->acquire(); };
        const auto answer = qScopeGuard([gate] { gate->release(); });

        menu->actions().at(1)->trigger();
        QVERIFY(QTest::qWaitFor([&env] { return env.service->calls.size() > 0; }));
        for (int t = 0; t < TabCount; ++t)
            QVERIFY(!menu->actions().at(t)->isEnabled());
        QVERIFY(menu->actions().at(9)->isEnabled());
        QTimer::singleShot(answerAfterMs, [gate] { gate->release(); });
        QElapsedTimer waited;
        waited.start();
        if (how == "the tray's Exit")
            menu->actions().at(9)->trigger();
        else if (how == "the window's close box")
            form->close();
        else
            settleMainWindow(*form, how); // the session ends the program itself
        // The session ends the program itself, unless the apply's thread would hold it.
        QCOMPARE(env.terminations, how == "the end of the session" && answerAfterMs < 1000 ? 0 : 1);
        QVERIFY(waited.elapsed() >= std::min(answerAfterMs, 1000) - 50);
        QCOMPARE(env.told.size(), 2);
        QVERIFY2(
            env.told[0].startsWith("Korvo: asked to end (" + how +
                                   ") while a change to the network is under way; waiting for the network "
                                   "service's answer (at most 1 s)"),
            qPrintable(env.told[0]));
        QVERIFY2(env.told[1].startsWith(told), qPrintable(env.told[1]));
    }

    // An outcome that waits for "Ok" behind a minimised window: a profile picked in the tray brings it to
    // the front, and nothing is applied.
    void trayPickShowsTheWaitingOutcome() {
        TestEnvironment env;
        auto form = started(env);
        QVERIFY(form);
        QMenu* menu = trayMenu(*form);
        menu->actions().at(1)->trigger();
        QVERIFY(awaitOutcome(*form));
        for (int t = 0; t < TabCount; ++t)
            QVERIFY(menu->actions().at(t)->isEnabled());
        form->showMinimized();
        env.service->clear();
        menu->actions().at(0)->trigger();
        QVERIFY(env.service->methodCalls().empty());
        QVERIFY(!form->isMinimized());
        QVERIFY(Form1Probe::applyingWindow(*form)->isVisible());
        QCOMPARE(Form1Probe::applyingWindow(*form)->windowTitle(), QStringLiteral("Configuration Applied"));
    }

    void noTrayNoIcon() {
        TestEnvironment env;
        auto form = started(env, false);
        QVERIFY(form);
        QVERIFY(!trayMenu(*form));
    }
};

#ifdef KORVO_SESSION_BUS
// The tray as the desktop sees it: a StatusNotifierItem that Qt registers with the watcher on the
// session bus (its menu is the one the offscreen cases check). Qt asks once per process whether there is a
// watcher, so each case runs in a process of its own, on a platform with a tray (not offscreen).
class TestTrayOverBus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("the offscreen platform has no tray: run under tests/support/under-weston");
        const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        if (!bus) QSKIP("no session bus: run under tests/support/under-weston");
        if (bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")))
            QSKIP("the session bus has a tray host already: run under tests/support/under-weston");
    }

    void registersAndRestoresTheWindow() {
        const WatcherOnBus watcher;
        QVERIFY(watcher.up());
        TestEnvironment env;
        auto form = started(env, std::nullopt);
        QVERIFY(form);
        QTRY_COMPARE(watcher.items().size(), 1);
        const QString item = watcher.items().first();

        // A click on the icon brings the minimised window back. Wayland has no request that
        // restores a window (and Qt forgets at once that it minimised it): only one mapped anew
        // comes back.
        QTest::mouseClick(control<QPushButton>(*form, "Command9"), Qt::LeftButton);
        QVERIFY(form->isMinimized());
        const QSignalSpy mapped(form->windowHandle(), &QWindow::visibleChanged);
        hostCall(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"),
                 QStringLiteral("Activate"), {0, 0});
        QTRY_VERIFY(!form->isMinimized() && form->isVisible());
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) QCOMPARE(mapped.size(), 2);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // What the panel shows is the dbusmenu export's labels, where '_' marks the access key and "__"
    // is one '_'; typed names come out as typed.
    void menuOverTheBusShowsNamesAsTyped() {
        const WatcherOnBus watcher;
        QVERIFY(watcher.up());
        TestEnvironment env;
        auto form = started(env, std::nullopt);
        QVERIFY(form);
        QTRY_COMPARE(watcher.items().size(), 1);
        const QString item = watcher.items().first();
        const QStringList typed{"R&D && Lab", "Lab_2 & Co", "&", "__x_", "Plain"};
        for (int t = 0; t < typed.size(); ++t)
            tabControls(*form, t).Name->setText(typed[t]);

        const QDBusMessage menuPath = hostCall(
            item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"), {QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Menu")});
        QCOMPARE(menuPath.type(), QDBusMessage::ReplyMessage);
        const QString path = qvariant_cast<QDBusVariant>(menuPath.arguments().value(0))
                                 .variant()
                                 .value<QDBusObjectPath>()
                                 .path();
        const QDBusMessage layout = hostCall(item, path, QStringLiteral("com.canonical.dbusmenu"),
                                             QStringLiteral("GetLayout"), {0, -1, QStringList()});
        QCOMPARE(layout.type(), QDBusMessage::ReplyMessage);
        QStringList shown;
        for (const QString& label : labels(layout.arguments().value(1).value<QDBusArgument>()))
            shown << asPanelShows(label);
        QCOMPARE(shown, (QStringList{"R&D && Lab", "Lab_2 & Co", "&", "__x_", "Plain", "", "DHCP",
                                     "Show Korvo", "Exit"}));
    }

    // No tray host: no icon, not a word on the error output, and "Minimise" minimises as ever.
    void nothingWithoutAWatcher() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        TestEnvironment env;
        auto form = started(env, std::nullopt);
        QVERIFY(form);
        QVERIFY(!form->findChild<QSystemTrayIcon*>());
        QTest::mouseClick(control<QPushButton>(*form, "Command9"), Qt::LeftButton);
        QVERIFY(form->isMinimized() && form->isVisible());
        QCOMPARE(control<QTabWidget>(*form, "SSTab1")->currentIndex(), 0);
    }
};

#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QTEST_SET_MAIN_SOURCE_PATH
#ifdef KORVO_SESSION_BUS
    if (qEnvironmentVariableIsSet("KORVO_TRAY_BUS")) {
        TestTrayOverBus test;
        return QTest::qExec(&test, argc, argv);
    }
#endif
    TestGlance test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_glance.moc"
