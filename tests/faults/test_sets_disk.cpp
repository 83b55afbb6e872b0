// Profile set operations on a real, small file system in a private mount namespace, full or filling up
// part-way: a failure says why and leaves every file that was there as it was, with no new set, half
// set (a set without its companion) or temporary file behind.
#include "core/ProfileSets.h"
#include "tests/faults/FaultSupport.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace korvo;

namespace {

// Runs as root inside `unshare -m`, so the mount vanishes with it. The folder is copied in, the disk
// filled up to `free` KiB, the operation run, and the folder copied out again.
const char* const Script = R"sh(set -eu
mnt=$1 in=$2 out=$3 writer=$4 free=$5 op=$6
from=$(echo "$7" | sed "s|^@|$mnt/|")
to=$(echo "$8" | sed "s|^@|$mnt/|")
mount -t tmpfs -o size=256k,mode=0755 korvo-test "$mnt"
cp -a "$in/." "$mnt/"
if [ "$free" -ge 0 ]; then
    dd if=/dev/zero of="$mnt/fill" bs=4k 2>/dev/null || true
    truncate -s "-${free}K" "$mnt/fill"
fi
rc=0
"$writer" "$mnt/Korvo.ini" "$op" "$from" "$to" 2>"$out/stderr" || rc=$?
rm -f "$mnt/fill"
cp -a "$mnt/." "$out/after/"
exit $rc
)sh";

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

// Every file under `folder` with its bytes, by relative path.
QMap<QString, QByteArray> tree(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), contents(path));
    }
    return files;
}

QByteArray settings(const QString& name, qsizetype pad = 0) {
    StoredSettings s = testing::profileOneFor(QStringLiteral("eth0"));
    s.Profiles[0].Name = name + QString(pad, u'p');
    return encodeSettingsFile(settingsLines(s)).bytes;
}

} // namespace

class TestSetsDisk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (::geteuid() != 0) QSKIP("needs root to mount a file system of its own");
        if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")}) != 0)
            QSKIP("cannot make a private mount namespace here");
    }

    void fullDiskLeavesEverything_data() {
        QTest::addColumn<int>("freeKiB"); // -1: not filled
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("from"); // "@" stands for the file system's root
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("made"); // the files a success adds
        QTest::newRow("import, full disk") << 0 << "import"
                                           << "@mail/Big.ini"
                                           << "New" << QStringList();
        // 12 KiB where 8 are left: the write stops part-way.
        QTest::newRow("import, fills up halfway") << 8 << "import"
                                                  << "@mail/Big.ini"
                                                  << "New" << QStringList();
        // The set fits, its companion does not: no set without it.
        QTest::newRow("import, no room for the companion") << 8 << "import"
                                                           << "@mail/Small.ini"
                                                           << "New" << QStringList();
        // The companion fits, the set does not: no companion without its set.
        QTest::newRow("import, no room for the set") << 8 << "import"
                                                     << "@mail/BigPair.ini"
                                                     << "New" << QStringList();
        QTest::newRow("duplicate, full disk") << 0 << "duplicate"
                                              << "Lab"
                                              << "Copy" << QStringList();
        QTest::newRow("export over a file, full disk") << 0 << "export"
                                                       << "Lab"
                                                       << "@out.ini" << QStringList();
        // Renaming takes no room.
        QTest::newRow("rename, full disk")
            << 0 << "rename"
            << "Lab"
            << "Bench" << QStringList{"sets/Bench.ini", "sets/Bench.extra.ini"};
        QTest::newRow("import with room") << -1 << "import"
                                          << "@mail/Small.ini"
                                          << "New" << QStringList{"sets/New.ini", "sets/New.extra.ini"};
    }
    void fullDiskLeavesEverything() {
        QFETCH(int, freeKiB);
        QFETCH(QString, op);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, made);
        QTemporaryDir in, out, mnt;
        QVERIFY(in.isValid() && out.isValid() && mnt.isValid());
        put(in.filePath("Korvo.ini"), settings("Office"));
        put(in.filePath("sets/Lab.ini"), settings("Lab"));
        put(in.filePath("sets/Lab.extra.ini"), "[Profile1]\nMoreAddresses=192.0.2.21/24\n");
        put(in.filePath("mail/Big.ini"), settings("Big", 12 * 1024));
        put(in.filePath("mail/Small.ini"), settings("Small"));
        put(in.filePath("mail/Small.extra.ini"),
            "[DHCP]\nMoreAddresses=" + QByteArray(12 * 1024, 'x') + "\n");
        put(in.filePath("mail/BigPair.ini"), settings("BigPair", 12 * 1024));
        put(in.filePath("mail/BigPair.extra.ini"), "[Profile2]\nMoreAddresses=192.0.2.31/24\n");
        put(in.filePath("out.ini"), "a colleague's file\n");
        QVERIFY(QDir().mkpath(out.filePath("after")));
        const QMap<QString, QByteArray> before = tree(in.path());

        QProcess run;
        run.start(QStringLiteral("unshare"),
                  {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                   QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(Script),
                   QStringLiteral("sh"), mnt.path(), in.path(), out.path(),
                   QCoreApplication::applicationDirPath() + QStringLiteral("/sets_writer"),
                   QString::number(freeKiB), op, from, to});
        QVERIFY(run.waitForFinished(60000));
        const QByteArray said = contents(out.filePath("stderr")) + run.readAllStandardError();
        QMap<QString, QByteArray> after = tree(out.filePath("after"));

        if (made.isEmpty()) {
            QVERIFY2(run.exitCode() == 5 && !said.trimmed().isEmpty(), said.constData());
            QCOMPARE(after.keys(), before.keys()); // nothing new, nothing gone, no temporary file
            QCOMPARE(after, before);
            return;
        }
        QVERIFY2(run.exitCode() == 0, said.constData());
        for (const QString& file : made)
            QVERIFY2(after.contains(file), qPrintable(after.keys().join(u' ')));
        if (op == QLatin1String("rename")) {
            QCOMPARE(after.value("sets/Bench.ini"), before.value("sets/Lab.ini"));
            QCOMPARE(after.value("sets/Bench.extra.ini"), before.value("sets/Lab.extra.ini"));
        } else {
            QCOMPARE(after.value("sets/New.ini"), before.value("mail/Small.ini"));
            QCOMPARE(after.value("sets/New.extra.ini"), before.value("mail/Small.extra.ini"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSetsDisk)
#include "test_sets_disk.moc"
