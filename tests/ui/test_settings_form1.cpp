#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "core/SettingsLocation.h"
#include "core/TerminalReport.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

using namespace korvo;
using namespace korvo::testing;

namespace {

const QString CorruptMessage = QStringLiteral("Woops|Error while reading the ini file, it may be corrupt.");

// Address, name and DHCP boxes with the line each is stored on.
const QList<QPair<const char*, int>> StoredBoxes = {
    {"Text1", 1},    {"Text2", 2},    {"Text3", 3},    {"Text27", 4},   {"Text28", 5},   {"Text29", 6},
    {"Text51", 7},   {"Text19", 8},   {"Text4", 21},   {"Text5", 22},   {"Text6", 23},   {"Text30", 24},
    {"Text31", 25},  {"Text32", 26},  {"Text52", 27},  {"Text20", 28},  {"Text7", 41},   {"Text8", 42},
    {"Text9", 43},   {"Text33", 44},  {"Text34", 45},  {"Text35", 46},  {"Text53", 47},  {"Text21", 48},
    {"Text10", 61},  {"Text11", 62},  {"Text12", 63},  {"Text36", 64},  {"Text37", 65},  {"Text38", 66},
    {"Text54", 67},  {"Text22", 68},  {"Text13", 81},  {"Text14", 82},  {"Text15", 83},  {"Text39", 84},
    {"Text40", 85},  {"Text41", 86},  {"Text55", 87},  {"Text23", 88},  {"Text16", 101}, {"Text17", 102},
    {"Text18", 103}, {"Text42", 104}, {"Text43", 105}, {"Text44", 106}, {"Text56", 107}, {"Text24", 108},
    {"Text48", 121}, {"Text49", 122}, {"Text50", 123}, {"Text57", 124}};

QLineEdit* box(Form1& form, const char* name) {
    return control<QLineEdit>(form, name);
}

QString selected(const QListWidget* list) {
    return list->selectedItems().isEmpty() ? QString() : list->selectedItems().first()->text();
}

struct Fixture {
    testing::TestEnvironment env;
    Fixture() { env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}}; }
    QString path() const { return env.folder.filePath(QStringLiteral("Korvo.ini")); }
    void write(const QByteArray& bytes) {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void write(const QStringList& lines) { write(encodeSettingsFile(lines).bytes); }
    QByteArray bytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList lines() const { return decodeSettingsFile(bytes()).lines; }
};

// Boxes by control name and the text each gets.
using Edits = QList<QPair<QByteArray, QString>>;

// A valid file written by a default window, then edited.
QStringList defaultLines() {
    testing::TestEnvironment env;
    Form1 form(env.make());
    control<QPushButton>(form, "Command7")->click();
    QFile file(env.folder.filePath(QStringLiteral("Korvo.ini")));
    return file.open(QIODevice::ReadOnly) ? decodeSettingsFile(file.readAll()).lines : QStringList();
}

} // namespace

class TestSettingsForm1 : public QObject {
    Q_OBJECT
private slots:
    // Every box goes to its own line and comes back from it, commas and non-ASCII included.
    void boxesRoundTrip() {
        Fixture f;
        {
            Form1 form(f.env.make());
            for (const auto& [name, line] : StoredBoxes)
                box(form, name)->setText(QStringLiteral("v%1, Zürich").arg(line));
            control<QCheckBox>(form, "Check1")->setChecked(true); // the terms accepted, as in use
            control<QPushButton>(form, "Command7")->click();
            QVERIFY(f.env.messages.isEmpty());
        }
        const QStringList lines = f.lines();
        QCOMPARE(lines.size(), 129);
        for (const auto& [name, line] : StoredBoxes)
            QCOMPARE(lines[line - 1], QStringLiteral("v%1, Zürich").arg(line));

        Form1 form(f.env.make());
        form.Form_Load();
        QVERIFY(f.env.messages.isEmpty());
        QVERIFY(!form.TermsWindow());
        for (const auto& [name, line] : StoredBoxes)
            QCOMPARE(box(form, name)->text(), QStringLiteral("v%1, Zürich").arg(line));
        QCOMPARE(control<QPushButton>(form, "Command2")->text(), QStringLiteral("v28, Zürich"));
    }

    void flagsRoundTrip_data() {
        QTest::addColumn<bool>("terms");
        QTest::addColumn<bool>("dns");
        QTest::addColumn<bool>("wins");
        // Complementary rows: a line that is always written the same, or two swapped lines, fail one.
        QTest::newRow("terms, WINS") << true << false << true;
        QTest::newRow("DNS") << false << true << false;
    }
    void flagsRoundTrip() {
        QFETCH(bool, terms);
        QFETCH(bool, dns);
        QFETCH(bool, wins);
        Fixture f;
        {
            Form1 form(f.env.make());
            control<QCheckBox>(form, "Check1")->setChecked(terms);
            control<QCheckBox>(form, "Check2")->setChecked(dns);
            control<QCheckBox>(form, "Check3")->setChecked(wins);
            control<QPushButton>(form, "Command7")->click();
        }
        QCOMPARE(f.lines()[39], terms ? "1" : "0");
        QCOMPARE(f.lines()[124], dns ? "1" : "0");
        QCOMPARE(f.lines()[125], wins ? "1" : "0");
        Form1 form(f.env.make());
        form.Form_Load();
        QCOMPARE(control<QCheckBox>(form, "Check1")->isChecked(), terms);
        QCOMPARE(control<QCheckBox>(form, "Check2")->isChecked(), dns);
        QCOMPARE(control<QCheckBox>(form, "Check3")->isChecked(), wins);
        QCOMPARE(control<QLineEdit>(form, "Text48")->isEnabled(), !dns);
        QCOMPARE(control<QLineEdit>(form, "Text57")->isReadOnly(), wins);
    }

    // The saved adapter is added after the listed ones and selected; an empty line adds nothing.
    void adaptersRoundTrip() {
        Fixture f;
        {
            Form1 form(f.env.make());
            Form1Probe::enumerateAdapters(form);
            control<QListWidget>(form, "List1")->setCurrentRow(1);
            control<QListWidget>(form, "List7")->setCurrentRow(2);
            control<QPushButton>(form, "Command7")->click();
        }
        QCOMPARE(f.lines()[8], "B");
        QCOMPARE(f.lines()[126], "B");
        QCOMPARE(f.lines()[28], "");
        QCOMPARE(f.lines()[128], "C");
        Form1 form(f.env.make());
        form.Form_Load();
        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List1")), (QStringList{"A", "B", "C", "B"}));
        QCOMPARE(control<QListWidget>(form, "List1")->currentRow(), 3);
        QCOMPARE(tabAdapterCaption(form, 0), "B");
        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List2")), (QStringList{"A", "B", "C"}));
        QCOMPARE(selected(control<QListWidget>(form, "List2")), "");
        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List7")), (QStringList{"A", "B", "C", "C"}));
        QCOMPARE(tabAdapterCaption(form, DhcpTab), "C");
    }

    // The command line applies what the window would after loading the same file; both must agree
    // on every box, name and chosen adapter (line 128's repeat and the via-DHCP boxes included).
    void commandLineSeesWhatTheWindowLoads_data() {
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("viaDhcp");
        QTest::newRow("plain") << false << false;
        QTest::newRow("line 128 and servers via DHCP") << true << true;
    }
    void commandLineSeesWhatTheWindowLoads() {
        QFETCH(bool, repeat);
        QFETCH(bool, viaDhcp);
        StoredSettings s;
        for (int k = 0; k < StoredProfileCount; ++k) {
            const QString n = QString::number(k + 1);
            s.Profiles[static_cast<std::size_t>(k)] = {
                "192.0.2." + n, "255.255.255.0", "192.0.2.254", " 192.0.2.53", "", "198.51.100.9", "",
                "name " + n,    k % 2 ? "B" : ""};
        }
        s.TermsAccepted = true;
        s.DhcpPrimaryDNS = viaDhcp ? QStringLiteral("DHCP") : QStringLiteral("192.0.2.53");
        s.DhcpSecondaryWINS = QStringLiteral("198.51.100.2");
        s.DNSViaDHCP = viaDhcp;
        s.WINSViaDHCP = viaDhcp;
        s.DhcpAdapterCaption = QStringLiteral("A");
        QStringList lines = settingsLines(s);
        if (repeat) { // a hand-edited "1" on line 128 makes line 127 profile 1's adapter
            lines[126] = QStringLiteral("C");
            lines[127] = QStringLiteral("1");
        }
        Fixture f;
        f.write(lines);
        Form1 form(f.env.make());
        Form1Probe::enumerateAdapters(form);
        form.Form_Load();

        ProfileBook book;
        book.load(storedSettings(lines));
        for (int t = 0; t < TabCount; ++t) {
            const TabControls c = tabControls(form, t);
            const ButtonProfile button = book.button(t + 1);
            const Profile& p = button.Typed;
            const QStringList shown{c.IPAddress->text(),    c.SubnetMask->text(),   c.Gateway->text(),
                                    c.PrimaryDNS->text(),   c.SecondaryDNS->text(), c.PrimaryWINS->text(),
                                    c.SecondaryWINS->text()};
            QCOMPARE(shown, (QStringList{p.IPAddress, p.SubnetMask, p.Gateway, p.PrimaryDNS, p.SecondaryDNS,
                                         p.PrimaryWINS, p.SecondaryWINS}));
            QCOMPARE(tabAdapterCaption(form, t), p.AdapterCaption);
            QCOMPARE(c.Apply->text(), button.ButtonName);
        }
    }

    void gonAdapterAndLine128() {
        Fixture f;
        QStringList lines = defaultLines();
        lines[8] = QStringLiteral("D");
        lines[126] = QStringLiteral("B");
        lines[127] = QStringLiteral("1");
        f.write(lines);
        Form1 form(f.env.make());
        form.Form_Load();
        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List1")), (QStringList{"A", "B", "C", "B"}));
        QCOMPARE(selected(control<QListWidget>(form, "List1")), "B");
        QCOMPARE(tabAdapterCaption(form, 0), "B");
    }

    void ignoredLinesAndBadCheckLines() {
        Fixture f;
        QStringList lines = defaultLines();
        for (int line : {10, 19, 20, 30, 39, 50, 60, 70, 80, 90, 100, 110, 120})
            lines[line - 1] = QStringLiteral("junk");
        lines[4] = QStringLiteral("192.0.2.53");
        lines[124] = QStringLiteral("x"); // not a number: Check2 stays as it is
        lines[125] = QStringLiteral("0");
        f.write(lines);
        Form1 form(f.env.make());
        form.Form_Load();
        QVERIFY(f.env.messages.isEmpty());
        QCOMPARE(control<QLineEdit>(form, "Text28")->text(), "192.0.2.53");
        QVERIFY(control<QCheckBox>(form, "Check2")->isChecked());
        QVERIFY(!control<QCheckBox>(form, "Check3")->isChecked());
        QVERIFY(control<QLineEdit>(form, "Text50")->isEnabled());
    }

    // Loading remembers the DHCP boxes' values for the check boxes' reactions.
    void rememberedValues() {
        Fixture f;
        QStringList lines = defaultLines();
        lines[120] = lines[121] = QStringLiteral("DHCP");
        lines[122] = QStringLiteral("198.51.100.7");
        lines[123] = QStringLiteral("198.51.100.8");
        lines[124] = QStringLiteral("1");
        lines[125] = QStringLiteral("0");
        f.write(lines);
        Form1 form(f.env.make());
        form.Form_Load();
        QCOMPARE(control<QLineEdit>(form, "Text57")->text(), "198.51.100.8"); // cleared Check3 shows it
        QVERIFY(!control<QLineEdit>(form, "Text49")->isEnabled() &&
                control<QLineEdit>(form, "Text49")->isReadOnly());
        QCOMPARE(control<QLineEdit>(form, "Text50")->text(), "198.51.100.7");
        QVERIFY(control<QLineEdit>(form, "Text57")->isEnabled() &&
                !control<QLineEdit>(form, "Text57")->isReadOnly());
        control<QCheckBox>(form, "Check2")
            ->setChecked(false); // a loaded "DHCP" does not come back as an address
        QCOMPARE(control<QLineEdit>(form, "Text48")->text(), "");
        control<QCheckBox>(form, "Check3")->setChecked(true);
        control<QCheckBox>(form, "Check3")->setChecked(false);
        QCOMPARE(control<QLineEdit>(form, "Text57")->text(), "198.51.100.8");
    }

    void rejected_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = encodeSettingsFile(defaultLines()).bytes;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("128 lines") << valid.left(valid.lastIndexOf("\r\n", valid.size() - 3) + 2);
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10)
                                       .repeated(50);
        QTest::newRow("huge") << QByteArray(4 * 1024 * 1024, 'a');
    }
    void rejected() {
        QFETCH(QByteArray, bytes);
        Fixture f;
        f.write(bytes);
        Form1 form(f.env.make());
        form.Form_Load();
        QCOMPARE(f.env.messages, QStringList{CorruptMessage});
        QVERIFY(!form.TermsWindow());
        QCOMPARE(control<QLineEdit>(form, "Text1")->text(), "192.168.1.10");
        QCOMPARE(control<QPushButton>(form, "Command1")->text(), "Network 1");
        QCOMPARE(f.bytes(), bytes);
    }

    // The window asks for the terms exactly when the command line would refuse for them, and no save
    // writes them as not accepted once the window got past them: a file that cannot be read says
    // nothing, but it exists, and only accepting the terms makes it.
    void termsLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("asks");
        QStringList lines = defaultLines();
        lines[7] = QStringLiteral("Home");
        lines[39] = QStringLiteral("1");
        QTest::newRow("accepted") << encodeSettingsFile(lines).bytes << false;
        lines[39] = QStringLiteral("0");
        QTest::newRow("not accepted") << encodeSettingsFile(lines).bytes << true;
        QTest::newRow("corrupt") << QByteArray("too\r\nshort\r\n") << false;
    }
    void termsLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, asks);
        Fixture f;
        f.write(bytes);
        Form1 form(f.env.make());
        form.Start();
        QCOMPARE(form.TermsWindow() != nullptr, asks);
        if (asks) { // accepted there, the file's values saved with the terms line
            control<QCheckBox>(*form.TermsWindow(), "Check1")->setChecked(true);
            control<QPushButton>(*form.TermsWindow(), "Command1")->click();
        } else {
            control<QPushButton>(form, "Command7")->click();
        }
        QCOMPARE(f.lines()[39], "1"); // what the command line asks for
        if (bytes.size() > 100) QCOMPARE(f.lines()[7], "Home");
    }

    // "Save Settings" over a file that another program changed since the window read it asks first;
    // "No" keeps both the file and the window. Told by content, not by the time stamp.
    void changedOnDisk_data() {
        QTest::addColumn<bool>("appears"); // the file, missing when the window read it; else edited
        QTest::addColumn<bool>("yes");
        QTest::newRow("edited, same time stamp, No") << false << false;
        QTest::newRow("edited, Yes") << false << true;
        QTest::newRow("appeared after a first start, No") << true << false;
    }
    void changedOnDisk() {
        QFETCH(bool, appears);
        QFETCH(bool, yes);
        Fixture f;
        QStringList lines = defaultLines();
        if (!appears) f.write(lines);
        Form1 form(f.env.make());
        Form1Probe::loadSettings(form);
        box(form, "Text19")->setText(QStringLiteral("Window"));
        const QDateTime stamp = QFileInfo(f.path()).lastModified();
        lines[7] = QStringLiteral("Other");
        f.write(lines);
        QFile file(f.path());
        QVERIFY(appears || (file.open(QIODevice::ReadWrite) &&
                            file.setFileTime(stamp, QFileDevice::FileModificationTime)));
        file.close(); // Windows replaces no file that is still open
        f.env.answerYes = yes;
        control<QPushButton>(form, "Command7")->click();
        QCOMPARE(
            f.env.messages,
            QStringList{"Korvo|Korvo.ini was changed by another program since Korvo read it. Overwrite it?"});
        QCOMPARE(f.lines()[7], yes ? "Window" : "Other");
        QCOMPARE(box(form, "Text19")->text(), "Window");
        // What was saved is the new base: saving again asks nothing more.
        control<QPushButton>(form, "Command7")->click();
        QCOMPARE(f.env.messages.size(), yes ? 1 : 2);
    }

    // A file is saved back in the encoding it was read in while its text fits, else in UTF-8.
    void encodingKept_data() {
        QTest::addColumn<bool>("windows1252"); // the file's encoding, else UTF-8
        QTest::addColumn<QString>("edit");     // Profile 2's new name, if any
        QTest::addColumn<bool>("savedAs1252");
        QTest::newRow("Windows-1252, unedited") << true << "" << true;
        QTest::newRow("Windows-1252, edited within it") << true << "Zürich" << true;
        QTest::newRow("Windows-1252, a character beyond it") << true << "Łódź" << false;
        QTest::newRow("UTF-8, unedited") << false << "" << false;
    }
    void encodingKept() {
        QFETCH(bool, windows1252);
        QFETCH(QString, edit);
        QFETCH(bool, savedAs1252);
        const auto encoded = [](const QStringList& lines, bool latin1) {
            const QString text = lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
            return latin1 ? text.toLatin1()
                          : text.toUtf8(); // é and ü are the same in Latin-1 and Windows-1252
        };
        Fixture f;
        QStringList lines = defaultLines();
        lines[7] = QStringLiteral("Café");
        f.write(encoded(lines, windows1252));
        Form1 form(f.env.make());
        form.Form_Load();
        QVERIFY(f.env.messages.isEmpty());
        QCOMPARE(control<QLineEdit>(form, "Text19")->text(), QStringLiteral("Café"));
        if (!edit.isEmpty()) {
            control<QLineEdit>(form, "Text20")->setText(edit);
            lines[27] = edit;
        }
        control<QPushButton>(form, "Command7")->click();
        QVERIFY(f.env.messages.isEmpty());
        QCOMPARE(f.bytes(), encoded(lines, savedAs1252));
    }

    // The Settings page's controls are made when it is first shown: a save before that writes
    // what was loaded, byte for byte; edits made once it is shown are saved.
    void settingsPageMadeLate_data() {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<Edits>("edits"); // box, new text
        QTest::newRow("never shown") << false << Edits{};
        QTest::newRow("shown, unedited") << true << Edits{};
        QTest::newRow("shown, edited")
            << true << Edits{{"Text20", "Renamed"}, {"Text48", "192.0.2.53"}, {"Text57", ""}};
    }
    void settingsPageMadeLate() {
        QFETCH(bool, shown);
        QFETCH(Edits, edits);
        Fixture f;
        QStringList lines = defaultLines();
        for (const auto& [name, line] : StoredBoxes)
            lines[line - 1] = QStringLiteral("%1 é").arg(line);
        lines[8] = QStringLiteral("B");     // profile 1's adapter, listed
        lines[48] = QStringLiteral("Gone"); // profile 3's, no longer there
        lines[124] = QStringLiteral("0");   // DNS not via DHCP
        lines[128] = QStringLiteral("C");   // the DHCP tab's adapter
        f.write(lines);
        {
            // The file as a window with its Settings page made saves it (line 127 repeats
            // profile 1's adapter).
            Form1 form(f.env.make());
            form.Form_Load();
            control<QTabWidget>(form, "SSTab1")->setCurrentIndex(1); // shows the Settings page
            control<QPushButton>(form, "Command7")->click();
        }
        const QByteArray loaded = f.bytes();
        lines = f.lines();
        QCOMPARE(lines.mid(8, 1) + lines.mid(48, 1) + lines.mid(126, 3),
                 (QStringList{"B", "Gone", "B", "", "C"}));
        Form1 form(f.env.make());
        form.Form_Load();
        if (shown) control<QTabWidget>(form, "SSTab1")->setCurrentIndex(1);
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text1")) != nullptr, shown);
        for (const auto& [name, text] : edits) {
            control<QLineEdit>(form, name.constData())->setText(text);
            lines[std::find_if(StoredBoxes.begin(), StoredBoxes.end(),
                               [&](const auto& b) { return name == b.first; })
                      ->second -
                  1] = text;
        }
        control<QPushButton>(form, "Command7")->click();
        QVERIFY(f.env.messages.isEmpty());
        if (edits.isEmpty())
            QCOMPARE(f.bytes(), loaded);
        else
            QCOMPARE(f.lines(), lines);
    }

    // A failed save names the file and the reason and changes neither window nor file.
    void failedSave() {
        Fixture f;
        const QByteArray before = encodeSettingsFile(defaultLines()).bytes;
        f.write(before);
        Form1 form(f.env.make());
        const QString big(30000, QLatin1Char('a'));
        for (const auto& [name, line] : StoredBoxes.mid(0, 10))
            box(form, name)->setText(big);
        control<QPushButton>(form, "Command7")->click();
        QCOMPARE(f.env.messages.size(), 1);
        QVERIFY(f.env.messages[0].contains(QDir::toNativeSeparators(f.path())));
        QVERIFY(f.env.messages[0].contains(QStringLiteral("KiB")));
        QCOMPARE(f.bytes(), before);
        QCOMPARE(control<QLineEdit>(form, "Text1")->text(), big);
        QCOMPARE(QDir(f.env.folder.path()).entryList(QDir::Files), QStringList{"Korvo.ini"});
    }

    // Exists but is no settings file: rejected at once, without blocking on it, and
    // a save neither writes into it nor puts a file in its place.
    void noRegularFileInPlaceOfTheFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
#ifndef _WIN32
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("device") << "device";
#endif
    }
    void noRegularFileInPlaceOfTheFile() {
        QFETCH(QString, kind);
        Fixture f;
        if (kind == QLatin1String("directory")) QVERIFY(QDir().mkdir(f.path()));
#ifndef _WIN32
        const QByteArray path = QFile::encodeName(f.path());
        if (kind == QLatin1String("fifo"))
            QVERIFY(::mkfifo(path.constData(), 0644) == 0);
        else if (kind == QLatin1String("device") &&
                 ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0) // a /dev/zero of its own
            QSKIP("cannot make a device node here (not root)");
#endif
        Form1 form(f.env.make());
        QCOMPARE(Form1Probe::loadSettings(form), Form1Probe::LoadOutcome::Rejected);
        QCOMPARE(f.env.messages, QStringList{CorruptMessage});
        control<QPushButton>(form, "Command7")->click();
        QCOMPARE(f.env.messages.size(), 2);
        QVERIFY(f.env.messages[1].contains(QDir::toNativeSeparators(f.path())));
        QVERIFY(!QFileInfo(f.path()).isFile());
        QVERIFY(QFileInfo(f.path()).exists());
    }

    // Which Korvo.ini is used: --settings, else one beside the program, else the user's configuration folder.
    void location_data() {
        QTest::addColumn<bool>("besideExists");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("expected"); // relative to the test folder
        QTest::addColumn<QByteArray>("xdg");   // XDG_CONFIG_HOME, relative to the test folder unless "./..."
        QTest::newRow("first start") << false << ""
                                     << "config/Korvo/Korvo.ini" << QByteArray("config");
        QTest::newRow("portable") << true << ""
                                  << "program/Korvo.ini" << QByteArray("config");
        QTest::newRow("named") << true << "elsewhere/mine.ini"
                               << "elsewhere/mine.ini" << QByteArray("config");
#ifndef _WIN32
        // The XDG rules: a relative XDG_CONFIG_HOME is ignored.
        QTest::newRow("relative XDG_CONFIG_HOME") << false << ""
                                                  << "home/.config/Korvo/Korvo.ini" << QByteArray("./config");
#endif
    }
    void location() {
        QFETCH(bool, besideExists);
        QFETCH(QString, requested);
        QFETCH(QString, expected);
        QFETCH(QByteArray, xdg);
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("program")));
        if (besideExists) {
            QFile beside(dir.filePath(QStringLiteral("program/Korvo.ini")));
            QVERIFY(beside.open(QIODevice::WriteOnly));
        }
        // The user's folder: XDG_CONFIG_HOME (and HOME) on Linux, APPDATA on Windows.
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME"),
                         appData = qgetenv("APPDATA");
        qputenv("XDG_CONFIG_HOME", xdg.startsWith("./") ? xdg : QFile::encodeName(dir.filePath(xdg)));
        qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        qputenv("APPDATA", QDir::toNativeSeparators(dir.filePath(QStringLiteral("config"))).toLocal8Bit());
        const QString where = settingsLocation(dir.filePath(QStringLiteral("program")),
                                               requested.isEmpty() ? QString() : dir.filePath(requested));
        qputenv("XDG_CONFIG_HOME", saved);
        qputenv("HOME", home);
        qputenv("APPDATA", appData);
        QCOMPARE(where, dir.filePath(expected));
    }

    // korvo --accept-terms writes, without a window, the very file a first start writes when the user
    // accepts the terms, byte for byte; the adapters listed meanwhile choose nothing.
    void acceptTermsWritesWhatTheWindowWrites() {
        Fixture f;
        Form1 form(f.env.make());
        form.Start();
        QVERIFY(form.TermsWindow() && form.TermsWindow()->isVisible());
        const std::vector<std::string>& calls = f.env.service->calls;
        QVERIFY(std::find(calls.begin(), calls.end(), "list adapters") != calls.end());
        control<QCheckBox>(*form.TermsWindow(), "Check1")->setChecked(true);
        control<QPushButton>(*form.TermsWindow(), "Command1")->click();
        const QByteArray window = f.bytes();
        QCOMPARE(decodeSettingsFile(window).lines.size(), SettingsLineCount);
        QCOMPARE(window, encodeSettingsFile(settingsLines(firstStartSettings())).bytes);
#ifdef KORVO_BIN
        // The real program, with no display and no platform plugin.
        const QString path = f.env.folder.filePath(QStringLiteral("cli/Korvo.ini"));
        QProcess korvo;
        QProcessEnvironment bare;
        bare.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        bare.insert(QStringLiteral("HOME"), f.env.folder.path());
        korvo.setProcessEnvironment(bare);
        korvo.start(QStringLiteral(KORVO_BIN),
                    {QStringLiteral("--accept-terms"), QStringLiteral("--settings"), path});
        QVERIFY(korvo.waitForFinished(30000));
        QVERIFY2(korvo.exitCode() == 0, korvo.readAllStandardError().constData());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), window);
#endif
    }

    // The first save makes the folders the settings file goes in.
    void firstSaveMakesItsFolder() {
        testing::TestEnvironment env;
        Environment made = env.make();
        made.settingsFile = env.folder.filePath(QStringLiteral("config/Korvo/Korvo.ini"));
        const QString file = made.settingsFile;
        Form1 form(std::move(made));
        control<QPushButton>(form, "Command7")->click();
        QVERIFY2(env.messages.isEmpty(), qPrintable(env.messages.join(u'\n')));
        QCOMPARE(readSettingsFile(file).outcome, SettingsFileRead::Outcome::Read);
    }
};

QTEST_MAIN(TestSettingsForm1)
#include "test_settings_form1.moc"
