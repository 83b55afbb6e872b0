// Saves through the window onto a real, small file system in a private mount
// namespace: full, filling up part-way through the write, or a folder an ordinary
// user may not write to. A failed save is reported and leaves the file as it was.
#include "core/SettingsFile.h"
#include "tests/faults/FaultSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace korvo;

namespace {

// Runs as root inside `unshare -m`, so the mount vanishes with it; only the
// saver runs as the given user. The results are copied out before it ends.
const char* const Script = R"(set -eu
mnt=$1 out=$2 saver=$3 user=$4 mode=$5 free=$6 pad=$7 data=$8
mount -t tmpfs -o size=128k,mode=0755 korvo-test "$mnt"
cp "$out/before.ini" "$mnt/Korvo.ini"
chmod "$mode" "$mnt/Korvo.ini"
if [ "$free" -ge 0 ]; then
    dd if=/dev/zero of="$mnt/fill" bs=4k 2>/dev/null || true
    truncate -s "-${free}K" "$mnt/fill"
fi
as=""
[ "$user" = root ] || as="setpriv --reuid=65534 --regid=65534 --clear-groups"
rc=0
XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen $as "$saver" "$mnt" 2 1 "$pad" >"$out/stdout" 2>"$out/stderr" || rc=$?
cp "$mnt/Korvo.ini" "$out/after.ini"
ls -A "$mnt" >"$out/listing"
ls -A "$data/Korvo/interrupted-saves" >"$out/copies" 2>/dev/null || true
exit $rc
)";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestSettingsDisk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (::geteuid() != 0) QSKIP("needs root to mount a file system of its own");
        if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")}) != 0)
            QSKIP("cannot make a private mount namespace here");
    }

    void failedSaveKeepsTheFile_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("mode"); // Korvo.ini's; the folder is root's, 0755
        QTest::addColumn<int>("freeKiB");  // -1: the file system is not filled
        QTest::addColumn<int>("pad");      // characters added to a profile name
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("copyRoom"); // whether the user may keep a copy of the file first
        // A 10 KiB file where 4 KiB are left: the write stops part-way.
        QTest::newRow("full disk") << "root"
                                   << "644" << 0 << 0 << false << true;
        QTest::newRow("fills up halfway") << "root"
                                          << "644" << 4 << 10000 << false << true;
        QTest::newRow("ordinary user, nothing writable") << "nobody"
                                                         << "644" << -1 << 0 << false << true;
        QTest::newRow("ordinary user, only the file writable") << "nobody"
                                                               << "666" << -1 << 0 << true << true;
        QTest::newRow("only the file writable, fills up halfway") << "nobody"
                                                                  << "666" << 4 << 10000 << false << true;
        // Rewriting in place without a copy would risk the file on a kill: not done.
        QTest::newRow("only the file writable, no room for a copy") << "nobody"
                                                                    << "666" << -1 << 0 << false << false;
    }
    void failedSaveKeepsTheFile() {
        QFETCH(QString, user);
        QFETCH(QString, mode);
        QFETCH(int, freeKiB);
        QFETCH(int, pad);
        QFETCH(bool, saved);
        QFETCH(bool, copyRoom);
        QTemporaryDir out, mnt, data;
        QVERIFY(out.isValid() && mnt.isValid() && data.isValid());
        QVERIFY(::chmod(QFile::encodeName(data.path()).constData(), copyRoom ? 0777 : 0755) == 0);
        const QString before = out.filePath(QStringLiteral("before.ini"));
        QCOMPARE(writeSettingsFile(before, settingsLines(testing::generationSettings(1))), QString());

        QProcess run;
        run.start(QStringLiteral("unshare"),
                  {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                   QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(Script),
                   QStringLiteral("sh"), mnt.path(), out.path(),
                   QCoreApplication::applicationDirPath() + QStringLiteral("/settings_saver"), user, mode,
                   QString::number(freeKiB), QString::number(pad), data.path()});
        QVERIFY(run.waitForFinished(60000));
        const QByteArray said = contents(out.filePath(QStringLiteral("stderr"))) + run.readAllStandardError();
        const QByteArray after = contents(out.filePath(QStringLiteral("after.ini")));

        QList<QByteArray> listing = contents(out.filePath(QStringLiteral("listing"))).split('\n');
        listing.removeAll("fill");
        listing.removeAll("");
        QCOMPARE(listing, QList<QByteArray>{"Korvo.ini"}); // no temporary file left behind
        QCOMPARE(contents(out.filePath(QStringLiteral("copies"))), QByteArray()); // nor a copy
        if (saved) {
            QVERIFY2(run.exitCode() == 0, said.constData());
            QCOMPARE(testing::generationOf(storedSettings(decodeSettingsFile(after).lines)), 2);
        } else {
            QVERIFY2(run.exitCode() == 5, said.constData()); // the saver's message box
            QVERIFY2(said.contains("Korvo: The settings could not be saved to"), said.constData());
            QCOMPARE(after, contents(before));
        }
    }

    // Run as root, a save follows no symbolic link that another user owns: their ~/.config under
    // sudo -E could point it at any file.
    void rootFollowsOnlyItsOwnLinks_data() {
        QTest::addColumn<bool>("folder"); // the link is the folder, else the file
        QTest::addColumn<uint>("owner");
        QTest::newRow("root's link") << false << 0u;
        QTest::newRow("another user's link") << false << 65534u;
        QTest::newRow("another user's folder link") << true << 65534u;
    }
    void rootFollowsOnlyItsOwnLinks() {
        QFETCH(bool, folder);
        QFETCH(uint, owner);
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real")),
                      link = dir.filePath(QStringLiteral("link"));
        const QString target = real + QStringLiteral("/Korvo.ini");
        QVERIFY(QDir().mkpath(real));
        QCOMPARE(writeSettingsFile(target, settingsLines(testing::generationSettings(1))), QString());
        QVERIFY(QFile::link(folder ? real : target, link));
        QVERIFY(::lchown(QFile::encodeName(link).constData(), owner, owner) == 0);

        const QString failure = writeSettingsFile(folder ? link + QStringLiteral("/Korvo.ini") : link,
                                                  settingsLines(testing::generationSettings(2)));
        QVERIFY2(failure.contains(QStringLiteral("symbolic link owned by another user")) == (owner != 0),
                 qPrintable(failure));
        QCOMPARE(testing::generationOf(storedSettings(decodeSettingsFile(contents(target)).lines)),
                 owner ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestSettingsDisk)
#include "test_settings_disk.moc"
