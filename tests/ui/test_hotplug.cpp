// Adapters that come and go while the window is open: one plugged in joins every list, one that goes
// away stays listed, shown absent; no selection moves and no profile changes its adapter. First against
// the recording fake, then on the test bed's NetworkManager with veth pairs made and deleted.
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "platform/nm/NetworkManager.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestBed.h"
#include "tests/support/TestEnvironment.h"
#include "ui/AdapterPresence.h"
#include "ui/AdapterStates.h"
#include "ui/Form1.h"

#include <QListWidget>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

const platform::IPv4State Office{false, {"192.0.2.10/24"}, "192.0.2.1", {}};

// The selected entry's row and text; -1 when none.
std::pair<int, QString> selection(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return {-1, QString()};
    return {list->row(selected.first()), selected.first()->text()};
}

QStringList absentOnes(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        if (shownAbsent(list->item(row))) out << list->item(row)->text();
    return out;
}

bool writeSettings(const TestEnvironment& env, const QString& profileAdapter, const QString& dhcpAdapter) {
    StoredSettings s;
    s.Profiles[0] = {"192.0.2.10", "255.255.255.0", "192.0.2.1", {}, {}, {}, {}, "Office", profileAdapter};
    s.TermsAccepted = true;
    s.DhcpAdapterCaption = dhcpAdapter;
    return writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)).isEmpty();
}

} // namespace

class TestHotplug : public QObject {
    Q_OBJECT
private slots:
    // Whether the Settings page was built before the adapters came and went, or only after.
    void comeAndGo_data() {
        QTest::addColumn<bool>("builtFirst");
        QTest::newRow("page built before") << true;
        QTest::newRow("page built after") << false;
    }
    void comeAndGo() {
        QFETCH(bool, builtFirst);
        TestEnvironment env;
        env.service->adapters = {{"eth0", {}, {}}, {"eth1", {}, {}}};
        env.service->states = {{"eth0", Office}, {"eth1", {}}};
        QVERIFY(writeSettings(env, "eth0", "eth1"));
        auto form = std::make_unique<Form1>(env.make());
        form->Start();
        QTRY_VERIFY(!Form1Probe::adaptersPending(*form));
        if (builtFirst) {
            QCOMPARE(listTexts(tabControls(*form, 0).Adapters), (QStringList{"eth0", "eth1", "eth0"}));
            QVERIFY(absentOnes(tabControls(*form, 0).Adapters).isEmpty());
        }

        // usb0 plugged in, eth1 gone, at once.
        env.service->adapters = {{"eth0", {}, {}}, {"usb0", {}, {}}};
        env.service->states = {{"eth0", Office}, {"usb0", {}}};
        env.service->announceChange();
        QTRY_COMPARE(listTexts(tabControls(*form, 1).Adapters), (QStringList{"eth0", "eth1", "usb0"}));

        // After those listed before it, before the restored entry, which stays selected.
        QListWidget* list1 = tabControls(*form, 0).Adapters;
        QCOMPARE(listTexts(list1), (QStringList{"eth0", "eth1", "usb0", "eth0"}));
        QCOMPARE(selection(list1), std::make_pair(3, QStringLiteral("eth0")));
        QListWidget* list7 = tabControls(*form, DhcpTab).Adapters;
        QCOMPARE(listTexts(list7), (QStringList{"eth0", "eth1", "usb0", "eth1"}));
        QCOMPARE(selection(list7), std::make_pair(3, QStringLiteral("eth1")));
        for (int t = 0; t < TabCount; ++t)
            QCOMPARE(absentOnes(tabControls(*form, t).Adapters),
                     t == DhcpTab ? (QStringList{"eth1", "eth1"}) : (QStringList{"eth1"}));
        QCOMPARE(list7->item(1)->toolTip(), AdapterStates::absentTip("eth1"));
        QCOMPARE(list7->item(2)->toolTip(),
                 QStringLiteral("usb0: unconfigured\nAddress: none\nGateway: none\nDNS: none"));
        QCOMPARE(tabAdapterCaption(*form, DhcpTab), QStringLiteral("eth1"));
        QCOMPARE(tabAdapterCaption(*form, 0), QStringLiteral("eth0"));
        QCOMPARE(marks(*form)[0], true);

        // Back again: the same entries, present; usb0 stays listed, now absent.
        env.service->adapters = {{"eth0", {}, {}}, {"eth1", {}, {}}};
        env.service->states = {{"eth0", Office}, {"eth1", {}}};
        env.service->announceChange();
        QTRY_COMPARE(absentOnes(list7), (QStringList{"usb0"}));
        QCOMPARE(listTexts(list7), (QStringList{"eth0", "eth1", "usb0", "eth1"}));
        QCOMPARE(selection(list7), std::make_pair(3, QStringLiteral("eth1")));
        QVERIFY(list7->item(3)->toolTip().startsWith("eth1: unconfigured"));
    }

    // A service that lists nothing may not have answered: nothing is called absent for it.
    void anEmptyListingMarksNothing() {
        TestEnvironment env;
        env.service->adapters = {{"eth0", {}, {}}};
        env.service->states = {{"eth0", Office}};
        QVERIFY(writeSettings(env, "eth0", "usb9"));
        auto form = std::make_unique<Form1>(env.make());
        form->Start();
        QTRY_VERIFY(!Form1Probe::adaptersPending(*form));
        QListWidget* list7 = tabControls(*form, DhcpTab).Adapters;
        // A saved adapter that is not there at start-up is absent from the first.
        QCOMPARE(absentOnes(list7), QStringList{"usb9"});
        env.service->failListing = true;
        env.service->announceChange(); // answered before it returns
        QCoreApplication::processEvents();
        QCOMPARE(absentOnes(list7), QStringList{"usb9"});
        QCOMPARE(listTexts(list7), (QStringList{"eth0", "usb9"}));
    }

    void onTheTestBed() {
        if (auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
        TestBed bed({.adapters = 1});
        TestEnvironment env;
        QVERIFY(writeSettings(env, "", ""));
        Environment made = env.make();
        made.connector = platform::makeNetworkManagerConnector(bed.busAddress());
        auto form = std::make_unique<Form1>(std::move(made));
        form->Start();
        QTRY_VERIFY_WITH_TIMEOUT(!Form1Probe::adaptersPending(*form), 30000);
        QListWidget* list1 = tabControls(*form, 0).Adapters;
        QListWidget* list2 = tabControls(*form, 1).Adapters;
        QCOMPARE(listTexts(list1), QStringList{"veth0"});
        list1->setCurrentRow(0);

        bed.ip({"link", "add", "veth5", "type", "veth", "peer", "name", "peer5"});
        bed.ip({"link", "set", "veth5", "up"});
        for (int t = 0; t < TabCount; ++t)
            QTRY_COMPARE_WITH_TIMEOUT(listTexts(tabControls(*form, t).Adapters),
                                      (QStringList{"veth0", "veth5"}), 30000);
        list2->setCurrentRow(1);
        QCOMPARE(tabAdapterCaption(*form, 1), QStringLiteral("veth5"));

        bed.ip({"link", "del", "veth5"});
        QTRY_COMPARE_WITH_TIMEOUT(absentOnes(list2), QStringList{"veth5"}, 30000);
        for (int t = 0; t < TabCount; ++t)
            QCOMPARE(listTexts(tabControls(*form, t).Adapters), (QStringList{"veth0", "veth5"}));
        QCOMPARE(list2->item(1)->toolTip(), AdapterStates::absentTip("veth5"));
        QCOMPARE(selection(list1), std::make_pair(0, QStringLiteral("veth0")));
        QCOMPARE(selection(list2), std::make_pair(1, QStringLiteral("veth5")));
        QCOMPARE(tabAdapterCaption(*form, 0), QStringLiteral("veth0"));
        QCOMPARE(tabAdapterCaption(*form, 1), QStringLiteral("veth5"));
        QVERIFY(absentOnes(list1) == QStringList{"veth5"});
    }
};

QTEST_MAIN(TestHotplug)
#include "test_hotplug.moc"
