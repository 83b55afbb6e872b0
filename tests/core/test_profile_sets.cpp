// Profile sets on a real folder: which names are refused, the sets listed, and new, rename, duplicate,
// delete, import and export keeping every byte and the companion file, and never overwriting a set.
#include "core/ProfileBook.h"
#include "core/ProfileSets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvo;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A design-format file as another machine wrote it: Windows-1252, no line end after the last line.
QByteArray foreignFile(const QByteArray& name) {
    QList<QByteArray> lines(SettingsLineCount, QByteArray());
    lines[0] = "192.0.2.10";
    lines[1] = "255.255.255.0";
    lines[7] = name;
    lines[8] = "eth0";
    lines[39] = "1";
    lines[128] = "eth1"; // the last line, without its line end
    return lines.join("\r\n");
}

} // namespace

class TestProfileSets : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString defaultFile() const { return dir.filePath(QStringLiteral("Korvo.ini")); }

private slots:
    void init() {
        QDir(dir.filePath(QStringLiteral("sets"))).removeRecursively();
        QFile::remove(defaultFile());
        put(defaultFile(), foreignFile("Office"));
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "Site A" << true;
        QTest::newRow("umlauts") << QStringLiteral("Müller & Söhne") << true;
        QTest::newRow("dots inside") << "v1.2" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("escape up") << "../Korvo" << false;
        QTest::newRow("hidden") << ".lab" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("delete char") << QStringLiteral("a\u007fb") << false;
        QTest::newRow("colon") << "C:lab" << false;
        QTest::newRow("star") << "lab*" << false;
        QTest::newRow("trailing dot") << "lab." << false;
        QTest::newRow("trailing blank") << "lab " << false;
        QTest::newRow("companion ending") << "lab.EXTRA" << false;
        QTest::newRow("device") << "con" << false;
        QTest::newRow("device with ending") << "NUL.txt" << false;
        QTest::newRow("numbered device") << "COM1" << false;
        QTest::newRow("not a device") << "COM" << true;
        QTest::newRow("the default") << "default" << false;
        QTest::newRow("too long") << QString(65, u'x') << false;
        QTest::newRow("longest") << QString(64, u'x') << true;
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        const QString problem = setNameProblem(name);
        QCOMPARE(problem.isEmpty(), accepted);
        // A refused name is never made into a file, wherever it would point.
        ProfileSets sets(defaultFile());
        QCOMPARE(sets.create(name).isEmpty(), accepted);
        if (!accepted) QCOMPARE(sets.fileOf(name), QString());
        if (accepted) QCOMPARE(QFileInfo(sets.fileOf(name)).absolutePath(), sets.folder());
    }

    // Default first, then by name; companions, the memory and strays are no sets.
    void listing() {
        ProfileSets sets(defaultFile());
        QCOMPARE(sets.names(), QStringList{QStringLiteral("Default")});
        QCOMPARE(sets.create(QStringLiteral("zeta")), QString());
        QCOMPARE(sets.create(QStringLiteral("Alpha")), QString());
        put(companionOf(sets.fileOf(QStringLiteral("Alpha"))), "[Profile1]\n");
        put(dir.filePath(QStringLiteral("sets/.hidden.ini")), "x");
        put(dir.filePath(QStringLiteral("sets/notes.txt")), "x");
        QDir().mkpath(dir.filePath(QStringLiteral("sets/folder.ini")));
        QCOMPARE(sets.choose(QStringLiteral("zeta")), QString());
        QCOMPARE(sets.names(), (QStringList{"Default", "Alpha", "zeta"}));
        QCOMPARE(sets.fileOf(QStringLiteral("Default")), defaultFile());
        QVERIFY(!sets.exists(QStringLiteral("folder")));
        // A new set is a design-format file that reads, with the terms accepted.
        ProfileBook book;
        QCOMPARE(book.read(sets.fileOf(QStringLiteral("Alpha"))), ProfileBook::ReadOutcome::Read);
        QVERIFY(book.termsAccepted());
        QVERIFY(!sets.create(QStringLiteral("Alpha")).isEmpty());
    }

    // The choice outlives the object, follows a rename and falls back to Default when the set goes.
    void chosenSet() {
        QCOMPARE(ProfileSets(defaultFile()).chosen(), QStringLiteral("Default"));
        ProfileSets sets(defaultFile());
        QCOMPARE(sets.create(QStringLiteral("Lab")), QString());
        QVERIFY(!sets.choose(QStringLiteral("Nope")).isEmpty());
        QCOMPARE(sets.choose(QStringLiteral("Lab")), QString());
        QCOMPARE(ProfileSets(defaultFile()).chosen(), QStringLiteral("Lab"));
        QCOMPARE(sets.rename(QStringLiteral("Lab"), QStringLiteral("Lab 2")), QString());
        QCOMPARE(ProfileSets(defaultFile()).chosen(), QStringLiteral("Lab 2"));
        QCOMPARE(sets.remove(QStringLiteral("Lab 2")), QString());
        QCOMPARE(ProfileSets(defaultFile()).chosen(), QStringLiteral("Default"));
        // Names that mean something in an INI file come back as they were.
        for (const QString& name : {QStringLiteral("Hall 2, Stand 4"), QStringLiteral("a=b; #c [d] 'e' %f"),
                                    QStringLiteral("M\u00fcller & S\u00f6hne")}) {
            QCOMPARE(sets.create(name), QString());
            QCOMPARE(sets.choose(name), QString());
            QCOMPARE(ProfileSets(defaultFile()).chosen(), name);
        }
        // Gone behind Korvo's back: Default again.
        QCOMPARE(sets.create(QStringLiteral("Field")), QString());
        QCOMPARE(sets.choose(QStringLiteral("Field")), QString());
        QVERIFY(QFile::remove(sets.fileOf(QStringLiteral("Field"))));
        QCOMPARE(sets.chosen(), QStringLiteral("Default"));
    }

    // Every operation that carries a set carries its bytes and its companion unchanged.
    void bytesAndCompanionTravel() {
        ProfileSets sets(defaultFile());
        const QByteArray design = foreignFile("B\xfcro"); // "Büro" in Windows-1252
        const QByteArray extra = "[Profile1]\nMoreAddresses=192.0.2.21/24 192.0.2.22/24\n";
        const QString colleague = dir.filePath(QStringLiteral("from/Korvo.ini"));
        put(colleague, design);
        put(companionOf(colleague), extra);

        QCOMPARE(sets.importFile(colleague, QStringLiteral("Site")), QString());
        QCOMPARE(contents(sets.fileOf(QStringLiteral("Site"))), design);
        QCOMPARE(contents(companionOf(sets.fileOf(QStringLiteral("Site")))), extra);

        QCOMPARE(sets.duplicate(QStringLiteral("Site"), QStringLiteral("Copy")), QString());
        QCOMPARE(contents(sets.fileOf(QStringLiteral("Copy"))), design);
        QCOMPARE(contents(companionOf(sets.fileOf(QStringLiteral("Copy")))), extra);

        QCOMPARE(sets.rename(QStringLiteral("Copy"), QStringLiteral("Moved")), QString());
        QVERIFY(!QFile::exists(sets.fileOf(QStringLiteral("Copy"))));
        QVERIFY(!QFile::exists(companionOf(sets.fileOf(QStringLiteral("Copy")))));
        QCOMPARE(contents(sets.fileOf(QStringLiteral("Moved"))), design);
        QCOMPARE(contents(companionOf(sets.fileOf(QStringLiteral("Moved")))), extra);

        const QString out = dir.filePath(QStringLiteral("out/Shared.ini"));
        QDir().mkpath(dir.filePath(QStringLiteral("out")));
        QCOMPARE(sets.exportSet(QStringLiteral("Moved"), out), QString());
        QCOMPARE(contents(out), design);
        QCOMPARE(contents(companionOf(out)), extra);

        QCOMPARE(sets.remove(QStringLiteral("Moved")), QString());
        QVERIFY(!QFile::exists(sets.fileOf(QStringLiteral("Moved"))));
        QVERIFY(!QFile::exists(companionOf(sets.fileOf(QStringLiteral("Moved")))));
        QCOMPARE(sets.names(), (QStringList{"Default", "Site"}));

        // The default set exports too, and a set without companion leaves none behind.
        const QString plain = dir.filePath(QStringLiteral("out/Default.ini"));
        QCOMPARE(sets.exportSet(QStringLiteral("Default"), plain), QString());
        QCOMPARE(contents(plain), contents(defaultFile()));
        QVERIFY(!QFile::exists(companionOf(plain)));
    }

    // Refused operations leave every file as it was.
    void refusals_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("rename onto a set") << "rename"
                                           << "A"
                                           << "B";
        QTest::newRow("rename the default") << "rename"
                                            << "Default"
                                            << "C";
        QTest::newRow("rename a missing set") << "rename"
                                              << "Z"
                                              << "C";
        QTest::newRow("rename to a path") << "rename"
                                          << "A"
                                          << "../A";
        QTest::newRow("duplicate onto a set") << "duplicate"
                                              << "A"
                                              << "B";
        QTest::newRow("delete the default") << "remove"
                                            << "Default"
                                            << "";
        QTest::newRow("delete a missing set") << "remove"
                                              << "Z"
                                              << "";
        QTest::newRow("import onto a set") << "import"
                                           << "good"
                                           << "A";
        QTest::newRow("import a short file") << "import"
                                             << "short"
                                             << "C";
        QTest::newRow("import a folder") << "import"
                                         << "folder"
                                         << "C";
        QTest::newRow("import a missing file") << "import"
                                               << "missing"
                                               << "C";
        QTest::newRow("companion in the way") << "duplicate"
                                              << "A"
                                              << "Orphan";
        QTest::newRow("export onto itself") << "export"
                                            << "A"
                                            << "sets/A.ini";
    }
    void refusals() {
        QFETCH(QString, operation);
        QFETCH(QString, from);
        QFETCH(QString, to);
        ProfileSets sets(defaultFile());
        QCOMPARE(sets.create(QStringLiteral("A")), QString());
        QCOMPARE(sets.create(QStringLiteral("B")), QString());
        put(sets.fileOf(QStringLiteral("A")), foreignFile("A"));
        put(dir.filePath(QStringLiteral("good.ini")), foreignFile("good"));
        put(dir.filePath(QStringLiteral("short.ini")), "1\r\n2\r\n");
        put(companionOf(sets.fileOf(QStringLiteral("Orphan"))), "[DHCP]\n");
        QDir().mkpath(dir.filePath(QStringLiteral("folder")));
        const auto snapshot = [&] {
            QStringList all;
            QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                all << path + u'=' + QString::fromLatin1(contents(path).toHex());
            }
            all.sort();
            return all;
        };
        const QStringList before = snapshot();
        QString failure;
        if (operation == QLatin1String("rename"))
            failure = sets.rename(from, to);
        else if (operation == QLatin1String("duplicate"))
            failure = sets.duplicate(from, to);
        else if (operation == QLatin1String("remove"))
            failure = sets.remove(from);
        else if (operation == QLatin1String("import"))
            failure = sets.importFile(dir.filePath(from + (from == "folder" ? "" : ".ini")), to);
        else
            failure = sets.exportSet(from, dir.filePath(to));
        QVERIFY2(!failure.isEmpty(), "refused with a reason");
        QCOMPARE(snapshot(), before);
    }

    // Only what the user changed counts as unsaved, in whatever encoding the file was read.
    void unsavedChanges() {
        ProfileBook book;
        QVERIFY(!hasUnsavedChanges(book));
        put(defaultFile(), foreignFile("B\xfcro"));
        QCOMPARE(book.read(defaultFile()), ProfileBook::ReadOutcome::Read);
        QVERIFY(!hasUnsavedChanges(book));
        book.set(2, ProfileField::Name, QStringLiteral("Lab"));
        QVERIFY(hasUnsavedChanges(book));
        QCOMPARE(book.save(defaultFile()), QString());
        QVERIFY(!hasUnsavedChanges(book));
        book.setAdapter(DhcpSlot, QStringLiteral("eth9"));
        QVERIFY(hasUnsavedChanges(book));
        // A corrupt file shows a first start's values: only changes to them count, so that leaving it
        // does not offer to write them over the file.
        put(dir.filePath(QStringLiteral("corrupt.ini")), "two\r\nlines\r\n");
        ProfileBook corrupt;
        QCOMPARE(corrupt.read(dir.filePath(QStringLiteral("corrupt.ini"))),
                 ProfileBook::ReadOutcome::Rejected);
        QVERIFY(!hasUnsavedChanges(corrupt));
        corrupt.set(0, ProfileField::Gateway, QStringLiteral("192.0.2.1"));
        QVERIFY(hasUnsavedChanges(corrupt));
        // No file behind the book, and the terms not even accepted: nothing it holds is kept anywhere.
        ProfileBook fresh;
        QCOMPARE(fresh.read(dir.filePath(QStringLiteral("none.ini"))), ProfileBook::ReadOutcome::Missing);
        QVERIFY(hasUnsavedChanges(fresh));
    }
};

QTEST_GUILESS_MAIN(TestProfileSets)
#include "test_profile_sets.moc"
