// Shows the main window with demo profiles and three demo adapters, for the
// screenshots in docs/ (scripts/screenshots). Not a test and not shipped.
//   korvo_screenshot_demo [main|settings|dhcp|more|invalid|refused|saved|cable|differs|taken|sets|setmenu]
// The views after "dhcp" also press an apply button, to show the applying window's reports.
#include "core/ProfileSets.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace korvo;
using namespace korvo::testing;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // In the language the environment asks for, as Korvo itself.
    Translations translations;
    translations.install(QLocale::system().uiLanguages());
    const QString view = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main");

    testing::TestEnvironment env;
    env.service->adapters = {{"enp0s31f6", {}, {}}, {"enx00e04c68a1b2", {}, {}}, {"wlp0s20f3", {}, {}}};
    // What they have now: "Office LAN" and DHCP are in effect.
    env.service->states = {{"enp0s31f6", {false, {"192.0.2.25/24"}, "192.0.2.1", {"192.0.2.53"}}},
                           {"enx00e04c68a1b2", {false, {"198.51.100.77/24"}, "", {}}},
                           {"wlp0s20f3", {true, {"192.0.2.180/24"}, "192.0.2.129", {"192.0.2.129"}}}};
    if (view == QLatin1String("taken")) env.service->states["enp0s31f6"].addresses.push_back("192.0.2.26/24");
    const Environment made = env.make();
    if (view.startsWith(QLatin1String("set"))) {
        ProfileSets sets(made.settingsFile);
        for (const char* name : {"Trade fair", "Workshop", "Customer site"})
            sets.create(QString::fromLatin1(name));
        sets.choose(QStringLiteral("Workshop"));
    }
    Form1 form(made);
    Form1Probe::enumerateAdapters(form);

    struct Demo {
        const char* name;
        const char* ip;
        const char* mask;
        const char* gateway;
        const char* dns;
        int adapter;
    };
    const Demo demos[] = {
        {"Office LAN", "192.0.2.25", "255.255.255.0", "192.0.2.1", "192.0.2.53", 0},
        {"Lab bench", "198.51.100.40", "255.255.255.0", "198.51.100.1", "198.51.100.1", 1},
        {"Test rack", "203.0.113.7", "255.255.255.128", "203.0.113.1", "203.0.113.2", 0},
        {"Home Wi-Fi", "192.0.2.140", "255.255.255.0", "192.0.2.129", "192.0.2.129", 2},
        {"-", "", "", "", "", -1},
        {"-", "", "", "", "", -1},
    };
    for (int t = 0; t < DhcpTab; ++t) {
        const Demo& d = demos[t];
        const TabControls tab = tabControls(form, t);
        tab.Name->setText(QString::fromLatin1(d.name));
        tab.IPAddress->setText(QString::fromLatin1(d.ip));
        tab.SubnetMask->setText(QString::fromLatin1(d.mask));
        tab.Gateway->setText(QString::fromLatin1(d.gateway));
        tab.PrimaryDNS->setText(QString::fromLatin1(d.dns));
        if (d.adapter >= 0) tab.Adapters->setCurrentRow(d.adapter);
    }
    tabControls(form, DhcpTab).Adapters->setCurrentRow(2);
    // Further addresses where they are the subject; elsewhere they would take Office LAN's mark.
    if (view == QLatin1String("settings") || view == QLatin1String("dhcp") || view == QLatin1String("more")) {
        control<QLineEdit>(form, "MoreAddresses1")->setText(QStringLiteral("192.0.2.26/24 203.0.113.26/25"));
        control<QLineEdit>(form, "MoreAddresses7")->setText(QStringLiteral("198.51.100.9/24"));
    }
    for (int t = 0; t < DhcpTab; ++t) // as start-up's last step does
        tabControls(form, t).Apply->setText(tabControls(form, t).Name->text());

    if (view == QLatin1String("settings") || view == QLatin1String("dhcp") ||
        view.startsWith(QLatin1String("set")))
        control<QTabWidget>(form, "SSTab1")->setCurrentIndex(1);
    if (view == QLatin1String("dhcp")) control<QTabWidget>(form, "SSTab2")->setCurrentIndex(DhcpTab);
    form.show();
    if (view == QLatin1String("setmenu")) {
        QTimer::singleShot(500, &form, [&form] { control<QPushButton>(form, "SetActions")->click(); });
    } else if (view == QLatin1String("invalid")) {
        tabControls(form, 4).Adapters->setCurrentRow(0);
        for (QLineEdit* box : {control<QLineEdit>(form, "Text13"), control<QLineEdit>(form, "Text14"),
                               control<QLineEdit>(form, "Text15"), control<QLineEdit>(form, "Text39"),
                               control<QLineEdit>(form, "Text40"), control<QLineEdit>(form, "Text41"),
                               control<QLineEdit>(form, "Text55")})
            box->setText(QStringLiteral("x"));
        QTimer::singleShot(500, &form, [&form] { control<QPushButton>(form, "Command5")->click(); });
    } else if (view == QLatin1String("refused")) {
        env.service->adapters[0].results = {{"SetGateways", 71},
                                            {"SetWINSServer", platform::code::NotOnThisPlatform}};
        control<QLineEdit>(form, "Text29")->setText(QStringLiteral("203.0.113.5"));
        QTimer::singleShot(500, &form, [&form] { control<QPushButton>(form, "Command1")->click(); });
    } else if (view == QLatin1String("more")) {
        // All three addresses read back after the change.
        env.service->readBacks["enp0s31f6"] = {
            false, {"192.0.2.25/24", "192.0.2.26/24", "203.0.113.26/25"}, "192.0.2.1", {"192.0.2.53"}};
        QTimer::singleShot(500, &form, [&form] { control<QPushButton>(form, "Command1")->click(); });
    } else if (view == QLatin1String("differs")) {
        // Read back after the change: another address in effect, no gateway.
        env.service->readBacks["enp0s31f6"] = {false, {"198.51.100.77/24"}, "", {"192.0.2.53"}};
        QTimer::singleShot(500, &form, [&form] { control<QPushButton>(form, "Command1")->click(); });
    } else if (view == QLatin1String("taken")) {
        // "Use this adapter's current settings" on an adapter with two addresses.
        control<QTabWidget>(form, "SSTab1")->setCurrentIndex(1);
        QTimer::singleShot(500, &form, [&form] {
            QListWidget* list = tabControls(form, 0).Adapters;
            const QPoint at = list->visualItemRect(list->item(0)).center();
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &menu);
            QTimer::singleShot(300, [] {
                if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    popup->actions().first()->trigger();
                    popup->close();
                }
            });
        });
    } else if (view == QLatin1String("saved") || view == QLatin1String("cable")) {
        if (view == QLatin1String("saved")) {
            env.service->adapters[0].results = {{"Commit", platform::code::SavedNotInEffect}};
            env.service->adapters[0].detail =
                "Putting them into effect was refused: access denied. Korvo needs the permission "
                "org.freedesktop.NetworkManager.network-control.";
        } else {
            env.service->adapters[0].results = {{"Commit", platform::code::SuccessWhenConnected}};
        }
        QTimer::singleShot(500, &form, [&form] { control<QPushButton>(form, "Command1")->click(); });
    }
    return QApplication::exec();
}
