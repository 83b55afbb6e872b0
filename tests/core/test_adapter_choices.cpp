// Each tab's adapter list as a model: the service's listing before the saved adapter restored after
// it, the selection that moves with its entry and is the book's adapter, and the tips by caption.
#include "core/AdapterChoices.h"

#include <QSignalSpy>
#include <QtTest>

using namespace korvo;

class TestAdapterChoices : public QObject {
    Q_OBJECT
private slots:
    // Start-up restores the saved adapter before or after the service answers; either way the list
    // ends as listed-then-restored with the restored entry chosen, and the book keeps its caption.
    void listingAndRestoreInEitherOrder_data() {
        QTest::addColumn<bool>("restoreFirst");
        QTest::addColumn<QString>("saved");
        QTest::newRow("restored, then listed") << true << "eth1";
        QTest::newRow("listed, then restored") << false << "eth1";
        QTest::newRow("saved adapter gone") << true << "Gone";
    }
    void listingAndRestoreInEitherOrder() {
        QFETCH(bool, restoreFirst);
        QFETCH(QString, saved);
        ProfileBook book;
        AdapterChoices choices(book);
        if (restoreFirst) choices.restore(2, saved);
        choices.list({"eth0", "eth1"});
        if (!restoreFirst) choices.restore(2, saved);
        QCOMPARE(choices.captions(2), (QStringList{"eth0", "eth1", saved}));
        QCOMPARE(choices.selected(2), 2);
        QCOMPARE(book.profile(2).AdapterCaption, saved);
        // Other tabs list the service's adapters alone, nothing chosen.
        QCOMPARE(choices.captions(0), (QStringList{"eth0", "eth1"}));
        QCOMPARE(choices.selected(0), -1);
        QCOMPARE(book.profile(0).AdapterCaption, QString());
        QCOMPARE(choices.tips(2).size(), choices.captions(2).size());
    }

    // A second restore replaces the first one's entry instead of adding another; re-selecting the
    // chosen row still hands the book the new caption.
    void secondRestoreReplaces() {
        ProfileBook book;
        AdapterChoices choices(book);
        choices.list({"eth0"});
        choices.restore(DhcpSlot, "eth9");
        QSignalSpy renamed(&choices, &AdapterChoices::captionChanged);
        QSignalSpy moved(&choices, &AdapterChoices::selectedChanged);
        choices.restore(DhcpSlot, "eth8");
        QCOMPARE(choices.captions(DhcpSlot), (QStringList{"eth0", "eth8"}));
        QCOMPARE(book.profile(DhcpSlot).AdapterCaption, QStringLiteral("eth8"));
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(moved.size(), 0); // the same row stays chosen
    }

    // An adapter plugged in later goes after the listed ones and before a restored entry, in every
    // list that does not hold it; the chosen entry stays chosen. Another set forgets the restored
    // entries and the choice, the hot-plugged adapter staying listed.
    void pluggedInThenAnotherSet() {
        ProfileBook book;
        AdapterChoices choices(book);
        choices.list({"eth0"});
        choices.restore(1, "usb0");
        choices.restore(2, "eth9");
        choices.add("usb0");
        QCOMPARE(choices.captions(0), (QStringList{"eth0", "usb0"}));
        QCOMPARE(choices.captions(1), (QStringList{"eth0", "usb0"})); // restored already: not twice
        QCOMPARE(choices.captions(2), (QStringList{"eth0", "usb0", "eth9"}));
        QCOMPARE(choices.selected(2), 2);
        QCOMPARE(book.profile(2).AdapterCaption, QStringLiteral("eth9"));
        QCOMPARE(choices.listedCount(), 2);
        choices.add("usb0"); // told again by the next listing: nothing moves
        QCOMPARE(choices.listedCount(), 2);
        QCOMPARE(choices.captions(2), (QStringList{"eth0", "usb0", "eth9"}));
        QCOMPARE(choices.tips(2).size(), 3);

        QSignalSpy removed(&choices, &AdapterChoices::removedFrom);
        choices.forget(2);
        QCOMPARE(choices.captions(2), (QStringList{"eth0", "usb0"}));
        QCOMPARE(choices.selected(2), -1);
        QCOMPARE(book.profile(2).AdapterCaption, QString());
        QCOMPARE(removed.size(), 1);
        choices.restore(2, "eth7");
        QCOMPARE(choices.captions(2), (QStringList{"eth0", "usb0", "eth7"}));
    }

    // An adapter gone is marked absent with its tip; the tip signal tells of either change.
    void absentEntries() {
        ProfileBook book;
        AdapterChoices choices(book);
        choices.list({"eth0", "eth1"});
        QSignalSpy tipped(&choices, &AdapterChoices::tipChanged);
        const auto tip = [](const QString& c) { return c + " tip"; };
        choices.setTips(0, tip, [](const QString& c) { return c == "eth1"; });
        QCOMPARE(choices.absent(0, 0), false);
        QCOMPARE(choices.absent(0, 1), true);
        QCOMPARE(tipped.size(), 2);
        choices.setTips(0, tip, [](const QString&) { return false; });
        QCOMPARE(choices.absent(0, 1), false);
        QCOMPARE(tipped.size(), 3); // only the entry whose presence changed
    }

    void selectionIsTheBooksAdapter() {
        ProfileBook book;
        AdapterChoices choices(book);
        choices.list({"eth0", "eth1", "eth1"});
        QSignalSpy moved(&choices, &AdapterChoices::selectedChanged);
        choices.select(0, 2);
        QCOMPARE(book.profile(0).AdapterCaption, QStringLiteral("eth1"));
        QCOMPARE(choices.selected(0), 2); // the row, not the first entry of that caption
        choices.select(0, 3);             // no such row: nothing changes
        choices.select(0, -1);
        QCOMPARE(choices.selected(0), 2);
        QCOMPARE(moved.size(), 1);
    }

    // Tips follow the caption, a restored entry sharing its listed twin's; unchanged tips say nothing.
    void tipsByCaption() {
        ProfileBook book;
        AdapterChoices choices(book);
        choices.restore(1, "eth0");
        choices.list({"eth0", "eth1"});
        QSignalSpy changed(&choices, &AdapterChoices::tipChanged);
        const auto tipFor = [](const QString& caption) { return caption == "eth0" ? "up" : QString(); };
        choices.setTips(1, tipFor);
        QCOMPARE(choices.tips(1), (QStringList{"up", "", "up"}));
        QCOMPARE(changed.size(), 2);
        choices.setTips(1, tipFor);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(choices.tips(0), (QStringList{"", ""}));
    }

    // Which DHCP-tab boxes take no typing: address, mask and gateway always; the servers with their
    // flag, the secondary WINS box only once the flag has been set by someone.
    void lockedBoxes_data() {
        QTest::addColumn<int>("step"); // 0 first start, 1 WINS flag set again, 2 both flags cleared
        QTest::addColumn<QList<bool>>("locked");
        QTest::newRow("first start") << 0 << QList<bool>{true, true, true, true, true, true, false};
        QTest::newRow("WINS flag set") << 1 << QList<bool>{true, true, true, true, true, true, true};
        QTest::newRow("flags cleared") << 2 << QList<bool>{true, true, true, false, false, false, false};
    }
    void lockedBoxes() {
        QFETCH(int, step);
        QFETCH(QList<bool>, locked);
        ProfileBook book;
        if (step >= 1) book.setWinsViaDhcp(true);
        if (step >= 2) {
            book.setDnsViaDhcp(false);
            book.setWinsViaDhcp(false);
        }
        QList<bool> shown;
        for (int f = 0; f <= static_cast<int>(ProfileField::SecondaryWINS); ++f)
            shown << book.locked(DhcpSlot, static_cast<ProfileField>(f));
        QCOMPARE(shown, locked);
        for (int f = 0; f < ProfileFieldCount; ++f)
            QVERIFY(!book.locked(0, static_cast<ProfileField>(f)));
    }
};

QTEST_GUILESS_MAIN(TestAdapterChoices)
#include "test_adapter_choices.moc"
