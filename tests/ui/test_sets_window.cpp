// Profile sets in the main window, as a user meets them: the chooser on the Settings page and the
// tray's submenu switch what the tabs and buttons show, unsaved changes are never dropped on the way,
// and a save after a switch writes the file a window started on that set would write.
#include "core/ProfileSets.h"
#include "core/SettingsFile.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/SetChooser.h"

#include <QComboBox>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Profile 1 named `name` at `ip` on `adapter` (none: left unnamed), written in `encoding`.
QByteArray setFile(const QString& name, const QString& ip, const QString& adapter,
                   SettingsEncoding encoding = SettingsEncoding::Utf8) {
    StoredSettings s;
    s.Profiles[0] = {ip, "255.255.255.0", "", "", "", "", "", name, adapter};
    s.Profiles[1].Name = name + QStringLiteral(" 2");
    s.TermsAccepted = true;
    s.DhcpPrimaryDNS = s.DhcpSecondaryDNS = QStringLiteral("DHCP");
    s.DNSViaDHCP = true;
    return encodeSettingsFile(settingsLines(s), encoding).bytes;
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

struct Window {
    TestEnvironment env;
    std::unique_ptr<Form1> form;
    SetChooser* chooser = nullptr;
    QString folder() const { return env.folder.path(); }
    QString file(const QString& name) const { return ProfileSets(folder() + "/Korvo.ini").fileOf(name); }

    // Default ("Office" on eth0) and "Lab" (no adapter named), the window started on `chosen`.
    bool start(const QString& chosen = QStringLiteral("Default")) {
        env.service->adapters = {{"eth0", {}, {}}, {"eth1", {}, {}}};
        put(folder() + "/Korvo.ini", setFile("Office", "192.0.2.10", "eth0"));
        put(folder() + "/sets/Lab.ini",
            setFile(QStringLiteral("Lab \u00e9"), "198.51.100.20", "", SettingsEncoding::AnsiCodePage));
        if (!ProfileSets(folder() + "/Korvo.ini").choose(chosen).isEmpty()) return false;
        Environment made = env.make();
        made.hasSystemTray = [] { return true; };
        form = std::make_unique<Form1>(std::move(made));
        form->Start();
        chooser = form->findChild<SetChooser*>(QStringLiteral("SetChooser"));
        return chooser && QTest::qWaitFor([this] { return tabControls(*form, 0).Adapters->count() >= 2; });
    }
    QComboBox* list() const { return control<QComboBox>(*form, "SetList"); }
    // Chosen in the list as a user chooses.
    void pick(const QString& name) const {
        const int row = list()->findText(name);
        list()->setCurrentIndex(row);
        emit list()->activated(row);
    }
};

} // namespace

class TestSetsWindow : public QObject {
    Q_OBJECT
private slots:
    // The set chosen last comes back at start; another shows its own values, buttons and adapters.
    void switchingShowsTheSet() {
        Window w;
        QVERIFY(w.start(QStringLiteral("Lab")));
        QCOMPARE(w.list()->currentText(), QStringLiteral("Lab"));
        QCOMPARE(tabControls(*w.form, 0).Apply->text(), QStringLiteral("Lab \u00e9"));
        QCOMPARE(tabAdapterCaption(*w.form, 0), QString());

        w.pick(QStringLiteral("Default"));
        QCOMPARE(tabControls(*w.form, 0).IPAddress->text(), QStringLiteral("192.0.2.10"));
        QCOMPARE(tabControls(*w.form, 1).Apply->text(), QStringLiteral("Office 2"));
        QCOMPARE(tabAdapterCaption(*w.form, 0), QStringLiteral("eth0"));
        QCOMPARE(ProfileSets(w.folder() + "/Korvo.ini").chosen(), QStringLiteral("Default"));

        // Back to a set that names no adapter: none stays chosen from the other set.
        w.pick(QStringLiteral("Lab"));
        QCOMPARE(tabControls(*w.form, 0).IPAddress->text(), QStringLiteral("198.51.100.20"));
        QCOMPARE(tabAdapterCaption(*w.form, 0), QString());
        QCOMPARE(tabControls(*w.form, 0).Adapters->selectedItems().size(), 0);
        QCOMPARE(listTexts(tabControls(*w.form, 0).Adapters), (QStringList{"eth0", "eth1"}));
        QVERIFY2(w.env.messages.isEmpty(), qPrintable(w.env.messages.join(u'\n')));
    }

    // A set whose file does not read is said so and left as it is: leaving it asks nothing.
    void corruptSetIsLeftAlone() {
        Window w;
        QVERIFY(w.start());
        put(w.folder() + "/sets/Broken.ini", "only\r\ntwo lines\r\n");
        w.chooser->choose(QStringLiteral("Broken"));
        QCOMPARE(w.env.messages, QStringList{"Woops|Error while reading the ini file, it may be corrupt."});
        QCOMPARE(tabControls(*w.form, 0).IPAddress->text(), firstStartSettings().Profiles[0].IPAddress);
        QCOMPARE(tabAdapterCaption(*w.form, 0), QString());
        w.pick(QStringLiteral("Default"));
        QCOMPARE(w.env.messages.size(), 1);
        QCOMPARE(w.list()->currentText(), QStringLiteral("Default"));
        QCOMPARE(contents(w.folder() + "/sets/Broken.ini"), QByteArray("only\r\ntwo lines\r\n"));
    }

    // Unsaved changes: No stays with them and writes nothing; Yes saves them into their own set first.
    void unsavedChangesAreKept_data() {
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void unsavedChangesAreKept() {
        QFETCH(bool, answerYes);
        Window w;
        QVERIFY(w.start());
        const QByteArray before = contents(w.file("Default"));
        tabControls(*w.form, 2).Name->setText(QStringLiteral("Typed"));
        w.env.answerYes = answerYes;
        w.pick(QStringLiteral("Lab"));
        QCOMPARE(w.env.messages.size(), 1);
        QVERIFY(w.env.messages[0].contains("\"Default\" has changes that are not saved"));
        if (!answerYes) {
            QCOMPARE(w.list()->currentText(), QStringLiteral("Default"));
            QCOMPARE(tabControls(*w.form, 2).Name->text(), QStringLiteral("Typed"));
            QCOMPARE(contents(w.file("Default")), before);
            QCOMPARE(ProfileSets(w.folder() + "/Korvo.ini").chosen(), QStringLiteral("Default"));
            return;
        }
        QCOMPARE(w.list()->currentText(), QStringLiteral("Lab"));
        ProfileBook saved;
        QCOMPARE(saved.read(w.file("Default")), ProfileBook::ReadOutcome::Read);
        QCOMPARE(saved.profile(2).Name, QStringLiteral("Typed"));
        // Nothing new to save now: a further switch asks nothing.
        w.pick(QStringLiteral("Default"));
        QCOMPARE(w.env.messages.size(), 1);
        QCOMPARE(tabControls(*w.form, 2).Name->text(), QStringLiteral("Typed"));
    }

    // After a switch, "Save Settings" writes the set's file byte for byte as a window started on it
    // (--settings) writes it: the file's own encoding kept, its adapter lines as loaded.
    void saveAfterSwitchWritesAsAlways() {
        Window w;
        QVERIFY(w.start());
        w.pick(QStringLiteral("Lab"));
        tabControls(*w.form, 3).Name->setText(QStringLiteral("R\u00e9seau"));
        Form1Probe::saveSettings(*w.form);

        TestEnvironment alone;
        put(alone.folder.filePath("Korvo.ini"),
            setFile(QStringLiteral("Lab \u00e9"), "198.51.100.20", "", SettingsEncoding::AnsiCodePage));
        alone.service->adapters = w.env.service->adapters;
        Form1 reference(alone.make());
        reference.Start();
        QVERIFY(QTest::qWaitFor([&] { return tabControls(reference, 0).Adapters->count() >= 2; }));
        tabControls(reference, 3).Name->setText(QStringLiteral("R\u00e9seau"));
        Form1Probe::saveSettings(reference);

        const QByteArray written = contents(w.file("Lab"));
        QCOMPARE(written, contents(alone.folder.filePath("Korvo.ini")));
        QCOMPARE(settingsEncodingOf(written), SettingsEncoding::AnsiCodePage);
        QCOMPARE(written.count("\r\n"), SettingsLineCount);
        QVERIFY2(w.env.messages.isEmpty(), qPrintable(w.env.messages.join(u'\n')));
    }

    // New, rename, duplicate, delete (asked first), import and export, through the chooser's menu.
    void menuActions() {
        Window w;
        QVERIFY(w.start());
        QStringList names; // what the name dialog is answered with, in turn
        QString importFrom, exportTo;
        w.chooser->setDialogs({[&](QWidget*, const QString&, const QString&, const QString&) {
                                   return names.isEmpty() ? std::optional<QString>() : names.takeFirst();
                               },
                               [&](QWidget*, const QString&) { return importFrom; },
                               [&](QWidget*, const QString&, const QString&) { return exportTo; }});
        auto items = [&w] {
            QStringList all;
            for (int i = 0; i < w.list()->count(); ++i)
                all << w.list()->itemText(i);
            return all;
        };

        names = {"../escape"};
        w.chooser->newSet();
        QCOMPARE(w.env.messages.size(), 1);
        QVERIFY(w.env.messages.takeFirst().contains("could not be made"));
        QCOMPARE(items(), (QStringList{"Default", "Lab"}));

        names = {"Field"};
        w.chooser->newSet();
        QCOMPARE(items(), (QStringList{"Default", "Field", "Lab"}));
        QCOMPARE(w.list()->currentText(), QStringLiteral("Field"));
        QCOMPARE(tabControls(*w.form, 0).IPAddress->text(), firstStartSettings().Profiles[0].IPAddress);

        names = {"Field 2"};
        w.chooser->renameSet();
        QCOMPARE(items(), (QStringList{"Default", "Field 2", "Lab"}));
        QCOMPARE(Form1Probe::settingsPath(*w.form), w.file("Field 2"));

        // The tray follows the list.
        auto* tray = w.form->findChild<QSystemTrayIcon*>(QStringLiteral("TrayIcon"));
        QVERIFY(tray && tray->contextMenu());
        QMenu* sets = nullptr;
        for (QAction* action : tray->contextMenu()->actions())
            if (action->menu()) sets = action->menu();
        QVERIFY(sets);
        QStringList shown;
        for (QAction* action : sets->actions())
            shown << action->text() + (action->isChecked() ? "*" : "");
        QCOMPARE(shown, (QStringList{"Default", "Field 2*", "Lab"}));
        sets->actions().at(2)->trigger();
        QTRY_COMPARE(w.list()->currentText(), QStringLiteral("Lab"));
        QCOMPARE(tabControls(*w.form, 0).Apply->text(), QStringLiteral("Lab \u00e9"));
        // The tray's entries are the new set's profiles, and its submenu is rebuilt with the new choice.
        QCOMPARE(tray->contextMenu()->actions().at(0)->text(), QStringLiteral("Lab \u00e9"));
        QCOMPARE(tray->contextMenu()->actions().at(1)->text(), QStringLiteral("Lab \u00e9 2"));
        QMenu* rebuilt = nullptr;
        for (QAction* action : tray->contextMenu()->actions())
            if (action->menu()) rebuilt = action->menu();
        QVERIFY(rebuilt && rebuilt->actions().at(2)->isChecked() && !rebuilt->actions().at(1)->isChecked());

        names = {"Lab copy"};
        w.chooser->duplicateSet();
        QCOMPARE(contents(w.file("Lab copy")), contents(w.file("Lab")));
        QCOMPARE(w.list()->currentText(), QStringLiteral("Lab copy"));

        w.env.answerYes = false;
        w.chooser->deleteSet();
        QVERIFY(QFile::exists(w.file("Lab copy")));
        QVERIFY(w.env.messages.takeLast().contains("Delete the profile set \"Lab copy\""));
        w.env.answerYes = true;
        w.chooser->deleteSet();
        QCOMPARE(w.env.messages.size(), 1); // asked again, and nothing else said
        w.env.messages.clear();
        QVERIFY(!QFile::exists(w.file("Lab copy")));
        QCOMPARE(w.list()->currentText(), QStringLiteral("Default"));
        QCOMPARE(tabControls(*w.form, 0).IPAddress->text(), QStringLiteral("192.0.2.10"));

        // A colleague's file in, then out again: the same bytes both ways.
        const QByteArray colleague =
            setFile(QStringLiteral("Stand 4"), "203.0.113.4", "eth1", SettingsEncoding::Utf8WithBom);
        importFrom = w.folder() + "/mail/Korvo.ini";
        put(importFrom, colleague);
        names = {"Fair"};
        w.chooser->importSet();
        QCOMPARE(w.list()->currentText(), QStringLiteral("Fair"));
        QCOMPARE(tabControls(*w.form, 0).Apply->text(), QStringLiteral("Stand 4"));
        QCOMPARE(tabAdapterCaption(*w.form, 0), QStringLiteral("eth1"));
        exportTo = w.folder() + "/out.ini";
        w.chooser->exportSet();
        QCOMPARE(contents(exportTo), colleague);
        QVERIFY2(w.env.messages.isEmpty(), qPrintable(w.env.messages.join(u'\n')));
    }
};

QTEST_MAIN(TestSetsWindow)
#include "test_sets_window.moc"
