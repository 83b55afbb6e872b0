// The main window's own reactions, driven by the user and by the program alike.
#include "core/SettingsFile.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

struct Window {
    testing::TestEnvironment env;
    Form1 form{env.make()};
    // Shows the Settings page at `profileTab` (-1: the Main page); true once the window is active.
    bool show(int profileTab = -1) {
        control<QTabWidget>(form, "SSTab1")->setCurrentIndex(profileTab < 0 ? 0 : 1);
        control<QTabWidget>(form, "SSTab2")->setCurrentIndex(profileTab < 0 ? 0 : profileTab);
        form.show();
        return QTest::qWaitForWindowActive(&form);
    }
};

void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, r.center());
}

} // namespace

class TestForm1Reactions : public QObject {
    Q_OBJECT
private slots:
    void nameBoxRenamesItsButton_data() {
        QTest::addColumn<int>("tab");
        for (int t = 0; t < DhcpTab; ++t)
            QTest::addRow("Profile %d", t + 1) << t;
    }
    void nameBoxRenamesItsButton() {
        QFETCH(int, tab);
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show(tab));
        QLineEdit* name = tabControls(form, tab).Name;
        QPushButton* button = tabControls(form, tab).Apply;

        name->selectAll();
        QTest::keyClick(name, Qt::Key_Delete);
        QCOMPARE(button->text(), QString()); // empty name, empty caption
        for (const QChar c : QStringLiteral(" Lab ")) {
            QTest::keyClick(name, c.toLatin1());
            QCOMPARE(button->text(), name->text()); // letter by letter, untrimmed
        }
        name->setText(QStringLiteral("Office"));
        QCOMPARE(button->text(), QStringLiteral("Office"));
        for (int other = 0; other < TabCount; ++other)
            if (other != tab)
                QCOMPARE(tabControls(form, other).Apply->text(),
                         other == DhcpTab ? QStringLiteral("DHCP") : QStringLiteral("Change"));
        QCOMPARE(control<QTabWidget>(form, "SSTab2")->tabText(tab),
                 QStringLiteral("Profile %1").arg(tab + 1));
    }

    // "&" is part of the name: shown as typed, never an access key.
    void ampersandIsNoAccessKey() {
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show());
        control<QLineEdit>(form, "Text19")->setText(QStringLiteral("R&D"));
        QCOMPARE(control<QPushButton>(form, "Command1")->text(), QStringLiteral("R&D"));
        QSignalSpy clicks(control<QPushButton>(form, "Command1"), &QPushButton::clicked);
        control<QPushButton>(form, "Command2")->setFocus();
        QTest::keyClick(control<QPushButton>(form, "Command2"), Qt::Key_D, Qt::AltModifier);
        QTest::qWait(300); // a shortcut's click is animated
        QCOMPARE(clicks.count(), 0);
    }

    void listSelectionSetsOnlyItsTab() {
        Window w;
        Form1& form = w.form;
        w.env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
        Form1Probe::enumerateAdapters(form);
        QVERIFY(w.show(1));

        // Tabbing into a list makes a row current but chooses nothing.
        control<QListWidget>(form, "List2")->setFocus(Qt::TabFocusReason);
        QCOMPARE(tabAdapterCaption(form, 1), QString());

        clickRow(control<QListWidget>(form, "List2"), 1); // user
        QCOMPARE(tabAdapterCaption(form, 1), QStringLiteral("B"));
        clickRow(control<QListWidget>(form, "List2"), 1, Qt::ControlModifier); // cannot empty the choice
        QCOMPARE(control<QListWidget>(form, "List2")->selectedItems().size(), 1);
        QCOMPARE(tabAdapterCaption(form, 1), QStringLiteral("B"));

        control<QListWidget>(form, "List7")->setCurrentRow(2); // program
        QCOMPARE(tabAdapterCaption(form, DhcpTab), QStringLiteral("C"));
        for (int t = 0; t < TabCount; ++t) {
            if (t == 1 || t == DhcpTab) continue;
            QCOMPARE(tabAdapterCaption(form, t), QString());
            QVERIFY(tabControls(form, t).Adapters->selectedItems().isEmpty());
        }
    }

    // Clearing and ticking the DHCP tab's boxes, with what loading may have remembered.
    void serverBoxes_data() {
        QTest::addColumn<bool>("wins");          // Check3 and Text50/Text57, else Check2 and Text48/Text49
        QTest::addColumn<bool>("byUser");        // a mouse click, else the program sets the state
        QTest::addColumn<QStringList>("loaded"); // remembered values as loading leaves them; empty: none
        QTest::addColumn<QStringList>("typed");  // typed after the first clear, then ticked and cleared again
        QTest::addColumn<QStringList>("shown");  // texts after the last clear
        const QStringList none;
        for (bool wins : {false, true}) {
            const char* pair = wins ? "WINS" : "DNS";
            for (bool byUser : {false, true}) {
                const char* by = byUser ? "user" : "program";
                QTest::addRow("%s %s: nothing remembered", pair, by)
                    << wins << byUser << none << none << QStringList{"", ""};
                QTest::addRow("%s %s: typed address comes back", pair, by)
                    << wins << byUser << none << QStringList{"10.0.0.1", "192.0.2.9"}
                    << QStringList{"10.0.0.1", "192.0.2.9"};
            }
            QTest::addRow("%s: loaded DHCP is emptied", pair)
                << wins << false << QStringList{"DHCP", "DHCP"} << none << QStringList{"", ""};
            QTest::addRow("%s: other case is an address", pair)
                << wins << false << QStringList{"dhcp", "Dhcp"} << none << QStringList{"dhcp", "Dhcp"};
            QTest::addRow("%s: each box its own value", pair)
                << wins << false << QStringList{"192.0.2.1", "DHCP"} << none << QStringList{"192.0.2.1", ""};
        }
    }
    void serverBoxes() {
        QFETCH(bool, wins);
        QFETCH(bool, byUser);
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show(DhcpTab));
        QCheckBox* check = wins ? control<QCheckBox>(form, "Check3") : control<QCheckBox>(form, "Check2");
        QLineEdit* first = wins ? control<QLineEdit>(form, "Text50") : control<QLineEdit>(form, "Text48");
        QLineEdit* second = wins ? control<QLineEdit>(form, "Text57") : control<QLineEdit>(form, "Text49");
        auto toggle = [&](bool tick) {
            if (byUser)
                QTest::mouseClick(check, Qt::LeftButton);
            else
                check->setChecked(tick);
            QCOMPARE(check->isChecked(), tick);
        };
        // Each box is unlocked before its text changes, and locked before it becomes "DHCP".
        QStringList lockStates;
        for (QLineEdit* box : {first, second})
            connect(box, &QLineEdit::textChanged, &form, [&lockStates, box] {
                lockStates << QStringLiteral("%1:%2")
                                  .arg(box->objectName())
                                  .arg(box->isEnabled() ? "open" : "locked");
            });
        if (!loaded.isEmpty()) {
            // Loaded with both boxes ticked: the file's values are what the boxes remember.
            StoredSettings file;
            (wins ? file.DhcpPrimaryWINS : file.DhcpPrimaryDNS) = loaded[0];
            (wins ? file.DhcpSecondaryWINS : file.DhcpSecondaryDNS) = loaded[1];
            file.DNSViaDHCP = file.WINSViaDHCP = true;
            QCOMPARE(writeSettingsFile(w.env.folder.filePath("Korvo.ini"), settingsLines(file)), QString());
            QCOMPARE(Form1Probe::loadSettings(form), Form1Probe::LoadOutcome::Applied);
        }
        if (!typed.isEmpty()) {
            toggle(false);
            first->setText(typed[0]);
            second->setText(typed[1]);
            toggle(true);
            QCOMPARE(first->text(), QStringLiteral("DHCP"));
            QCOMPARE(second->text(), QStringLiteral("DHCP"));
            QVERIFY(!first->isEnabled() && first->isReadOnly() && !second->isEnabled() &&
                    second->isReadOnly());
        }
        lockStates.clear();
        toggle(false);
        QCOMPARE(first->text(), shown[0]);
        QCOMPARE(second->text(), shown[1]);
        QVERIFY(first->isEnabled() && !first->isReadOnly() && second->isEnabled() && !second->isReadOnly());
        for (const QString& state : lockStates)
            QVERIFY2(state.endsWith(QLatin1String(":open")), qPrintable(state));

        lockStates.clear();
        toggle(true);
        QCOMPARE(first->text(), QStringLiteral("DHCP"));
        QCOMPARE(second->text(), QStringLiteral("DHCP"));
        QVERIFY(!first->isEnabled() && first->isReadOnly() && !second->isEnabled() && second->isReadOnly());
        for (const QString& state : lockStates)
            QVERIFY2(state.endsWith(QLatin1String(":locked")), qPrintable(state));
        // What the boxes showed before the tick is what comes back.
        toggle(false);
        QCOMPARE(first->text(), shown[0]);
        QCOMPARE(second->text(), shown[1]);
    }

    void text57EditableUntilCheck3IsTickedAgain() {
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show(DhcpTab));
        QVERIFY(control<QCheckBox>(form, "Check3")->isChecked());
        control<QLineEdit>(form, "Text57")->setFocus();
        control<QLineEdit>(form, "Text57")->setCursorPosition(4);
        QTest::keyClicks(control<QLineEdit>(form, "Text57"), QStringLiteral("X"));
        QCOMPARE(control<QLineEdit>(form, "Text57")->text(), QStringLiteral("DHCPX"));

        QTest::mouseClick(control<QCheckBox>(form, "Check3"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(form, "Check3"), Qt::LeftButton);
        QVERIFY(!control<QLineEdit>(form, "Text57")->isEnabled() &&
                control<QLineEdit>(form, "Text57")->isReadOnly());
        QCOMPARE(control<QLineEdit>(form, "Text57")->text(), QStringLiteral("DHCP"));
        // What was typed while the box was open was never remembered: the clear showed the empty value.
        QTest::mouseClick(control<QCheckBox>(form, "Check3"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(form, "Text57")->text(), QString());
    }

    void focusOnProfileTabs_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("click on the tab strip") << true;
        QTest::newRow("program") << false;
    }
    void focusOnProfileTabs() {
        QFETCH(bool, byMouse);
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show(2));
        QTabBar* captions = control<QTabWidget>(form, "SSTab2")->tabBar();
        QFont bold = captions->font();
        bold.setBold(true);
        captions->setFont(bold);
        control<QLineEdit>(form, "Text7")->setFocus();

        if (byMouse)
            QTest::mouseClick(captions, Qt::LeftButton, {}, captions->tabRect(2).center());
        else
            control<QTabWidget>(form, "SSTab2")->setFocus(Qt::OtherFocusReason);
        for (int i = 0; i < captions->count(); ++i)
            QCOMPARE(captions->tabTextColor(i), QColor(15, 0, 0));
        QVERIFY(!captions->font().bold());
        QCOMPARE(control<QTabWidget>(form, "SSTab2")->currentIndex(), 2);
    }

    void minimise_data() {
        QTest::addColumn<bool>("glyph");
        QTest::newRow("Minimise") << false;
        QTest::newRow("minimise glyph") << true;
    }
    void minimise() {
        QFETCH(bool, glyph);
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show(0));
        QTest::mouseClick(glyph ? control<QWidget>(form, "Picture10")
                                : static_cast<QWidget*>(control<QPushButton>(form, "Command9")),
                          Qt::LeftButton);
        QVERIFY(form.isMinimized());
        QCOMPARE(control<QTabWidget>(form, "SSTab1")->currentIndex(), 1);
        QCOMPARE(control<QLineEdit>(form, "Text19")->text(), QStringLiteral("Network 1"));
        QCOMPARE(w.env.terminations, 0);
    }

    void exit_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit") << "Command10";
        QTest::newRow("close glyph") << "Picture9";
        QTest::newRow("close box") << "close";
    }
    void exit() {
        QFETCH(QString, way);
        Window w;
        Form1& form = w.form;
        QVERIFY(w.show());
        control<QLineEdit>(form, "Text19")->setText(QStringLiteral("unsaved"));
        if (way == QLatin1String("close"))
            form.close();
        else
            QTest::mouseClick(form.findChild<QWidget*>(way), Qt::LeftButton);
        QCOMPARE(w.env.terminations, 1);
        QVERIFY(form.isVisible()); // termination is the process's end; nothing else closes the window
        QVERIFY(!QFile::exists(w.env.folder.filePath("Korvo.ini")));
        QVERIFY(w.env.messages.isEmpty());
    }

    // While an apply runs or its result is shown, the main window is disabled: its close box
    // must not end the program; once "Ok" is pressed it does again.
    void closeBoxWhileDisabled() {
        Window w;
        Form1& form = w.form;
        Form1Probe::listAdapters(form, {QStringLiteral("eth0")});
        control<QListWidget>(form, "List1")->setCurrentRow(0);
        QVERIFY(w.show());
        control<QPushButton>(form, "Command1")
            ->click(); // no address typed: the result window shows the validation errors
        QWidget* applying = Form1Probe::applyingWindow(form);
        QVERIFY(applying && applying->isVisible());
        QVERIFY(!form.isEnabled());
        // While the apply runs, the close box ends the program once the service has answered.
        form.close();
        QCOMPARE(w.env.terminations, 1);
        QCOMPARE(w.env.told.size(), 2);
        QVERIFY2(
            w.env.told[1].startsWith("Korvo: the apply under way has finished; ending now. The outcome:\n"
                                     "Error Applying Configuration"),
            qPrintable(w.env.told[1]));

        // The outcome waiting for "Ok" holds the close box.
        QVERIFY(awaitOutcome(form));
        form.close();
        QCOMPARE(w.env.terminations, 1);

        QTest::mouseClick(control<QPushButton>(*applying, "Command1"), Qt::LeftButton);
        QVERIFY(form.isEnabled());
        form.close();
        QCOMPARE(w.env.terminations, 2);
    }
};

QTEST_MAIN(TestForm1Reactions)
#include "test_form1_reactions.moc"
