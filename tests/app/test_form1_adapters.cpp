// Listing the adapters at start-up and putting saved adapters back, against the recording fake.
#include "app/Form1.h"
#include "tests/support/TestEnvironment.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace korvo;

namespace {

QStringList selected(const QListWidget* list) {
    QStringList out;
    for (const QListWidgetItem* item : list->selectedItems())
        out << QStringLiteral("%1:%2").arg(list->row(item)).arg(item->text());
    return out;
}

std::vector<std::string> expectedCalls() {
    return {"connect winmgmts:\\\\.\\root\\cimv2",
            "query Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE 48"};
}

} // namespace

class TestForm1Adapters : public QObject {
    Q_OBJECT
private slots:
    void threeAdaptersFillEveryList() {
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
        Form1 form(env.make());
        form.EnumerateAdapters();

        QCOMPARE(env.service->calls, expectedCalls()); // one connection, one query for all seven lists
        QCOMPARE(form.ListedAdapterCount, 3);
        for (int t = 0; t < TabCount; ++t) {
            QCOMPARE(testing::listTexts(form.tab(t).Adapters), (QStringList{"A", "B", "C"}));
            QVERIFY(form.tab(t).Adapters->selectedItems().isEmpty());
            QCOMPARE(form.TabAdapterCaption[static_cast<std::size_t>(t)], QString());
        }
    }

    void serviceDown_data() {
        QTest::addColumn<bool>("failConnect");
        QTest::addColumn<bool>("failQuery");
        QTest::newRow("connection refused") << true << false;
        QTest::newRow("query fails") << false << true;
    }
    // The saved adapter survives a service that is down: shown, selected, and the button
    // reports the service's failure instead of asking for an adapter.
    void serviceDown() {
        QFETCH(bool, failConnect);
        QFETCH(bool, failQuery);
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}};
        env.service->failConnect = failConnect;
        env.service->failQuery = failQuery;
        Form1 form(env.make());
        form.EnumerateAdapters();
        form.RestoreSavedAdapter(form.List1, QStringLiteral("B"));

        QCOMPARE(form.ListedAdapterCount, 0);
        QCOMPARE(testing::listTexts(form.List1), QStringList{"B"});
        QCOMPARE(selected(form.List1), QStringList{"0:B"});
        QCOMPARE(form.TabAdapterCaption[0], QStringLiteral("B"));
        for (int t = 1; t < TabCount; ++t)
            QCOMPARE(form.tab(t).Adapters->count(), 0);

        form.Command1->click();
        QVERIFY(env.messages.isEmpty());
        QVERIFY(form.ResultText.contains(QStringLiteral("The network configuration service failed: ")));
    }

    void restoreWithoutAdapters() {
        testing::TestEnvironment env;
        Form1 form(env.make());
        form.EnumerateAdapters();
        form.RestoreSavedAdapter(form.List7, QStringLiteral("B"));

        QCOMPARE(testing::listTexts(form.List7), QStringList{"B"});
        QCOMPARE(selected(form.List7), QStringList{"0:B"});
        QCOMPARE(form.TabAdapterCaption[DhcpTab], QStringLiteral("B"));
        for (int t = 0; t < DhcpTab; ++t)
            QCOMPARE(form.tab(t).Adapters->count(), 0);
    }

    // Loading can restore twice into List1: the second caption replaces the first.
    void restoreTwiceIntoList1() {
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
        Form1 form(env.make());
        form.EnumerateAdapters();

        form.RestoreSavedAdapter(form.List1, QStringLiteral("B"));
        QCOMPARE(testing::listTexts(form.List1), (QStringList{"A", "B", "C", "B"}));
        QCOMPARE(selected(form.List1), QStringList{"3:B"});
        QCOMPARE(form.TabAdapterCaption[0], QStringLiteral("B"));

        form.RestoreSavedAdapter(form.List1, QStringLiteral("D"));
        QCOMPARE(testing::listTexts(form.List1), (QStringList{"A", "B", "C", "D"}));
        QCOMPARE(selected(form.List1), QStringList{"3:D"});
        QCOMPARE(form.TabAdapterCaption[0], QStringLiteral("D"));

        QCOMPARE(testing::listTexts(form.List2), (QStringList{"A", "B", "C"}));
        QVERIFY(form.List2->selectedItems().isEmpty());
        QCOMPARE(form.TabAdapterCaption[1], QString());
    }
};

QTEST_MAIN(TestForm1Adapters)
#include "test_form1_adapters.moc"
