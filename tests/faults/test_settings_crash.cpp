// A save killed at any moment leaves a settings file that loads, with either the
// values of the last completed save or those of the save it interrupted.
#include "core/SettingsCopy.h"
#include "core/SettingsFile.h"
#include "tests/faults/FaultSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace korvo;

class TestSettingsCrash : public QObject {
    Q_OBJECT

private slots:
    // In place: an ordinary user's save where only Korvo.ini may be written, not its folder, so that the
    // file is cut and rewritten; a copy kept first is put back by the next read.
    void killedSavesLeaveOldOrNewFile_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("replaced") << false;
        QTest::newRow("in place") << true;
    }
    void killedSavesLeaveOldOrNewFile() {
        QFETCH(bool, inPlace);
        constexpr int Rounds = 300;
        QTemporaryDir folder, data;
        QVERIFY(folder.isValid() && data.isValid());
        const QString path = folder.filePath(QStringLiteral("Korvo.ini"));
        QCOMPARE(writeSettingsFile(path, settingsLines(testing::generationSettings(0))), QString());
        QStringList program{QCoreApplication::applicationDirPath() + QStringLiteral("/settings_saver")};
        if (inPlace) {
            if (::geteuid() != 0) QSKIP("needs root to save as another user");
            // The folder root's and closed to others' writes, the file and the data folder theirs.
            QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
            QVERIFY(::chmod(QFile::encodeName(data.path()).constData(), 0777) == 0);
            program = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                  QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")} +
                      program;
        }
        // Where the saver keeps its copy, and this reader looks for it.
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        int restored = 0;

        const auto seed = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
        qInfo("seed %u", seed);
        std::mt19937 random(seed);
        // Up to a few dozen saves per round, so the kill lands anywhere in the cycle.
        std::uniform_int_distribution<int> delayUs(0, 20000);

        qint64 fileGeneration = 0;
        int interruptedAfterCommit = 0, killedBeforeFirstSave = 0;
        for (int round = 0; round < Rounds; ++round) {
            const qint64 first = fileGeneration + 1;
            QProcess saver;
            saver.start(program.first(), program.mid(1) + QStringList{folder.path(), QString::number(first)});
            QVERIFY(saver.waitForStarted(10000));
            while (!saver.canReadLine())
                QVERIFY2(saver.waitForReadyRead(30000), qPrintable(saver.readAllStandardError()));
            QCOMPARE(saver.readLine(), QByteArray("ready\n"));
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit); // it was still saving, not failing

            qint64 acknowledged = -1;
            for (const QByteArray& line : saver.readAllStandardOutput().split('\n'))
                if (!line.isEmpty()) acknowledged = line.toLongLong();

            restored += settingsCopy(path) ? 1 : 0;
            const SettingsFileRead read = readSettingsFile(path);
            QVERIFY(!settingsCopy(path));
            QVERIFY2(read.outcome == SettingsFileRead::Outcome::Read, qPrintable(QString::number(round)));
            const qint64 g = testing::generationOf(storedSettings(read.lines));
            const QString where = QStringLiteral("round %1: file holds %2, last completed save %3, first %4")
                                      .arg(round)
                                      .arg(g)
                                      .arg(acknowledged)
                                      .arg(first);
            if (acknowledged < 0) {
                ++killedBeforeFirstSave;
                QVERIFY2(g == fileGeneration || g == first, qPrintable(where));
            } else {
                QVERIFY2(g == acknowledged || g == acknowledged + 1, qPrintable(where));
                interruptedAfterCommit += g == acknowledged + 1 ? 1 : 0;
            }
            fileGeneration = g;
        }
        const int leftovers = static_cast<int>(QDir(folder.path()).entryList(QDir::Files).size()) - 1;
        qInfo(
            "%d rounds up to generation %lld: %d killed before their first save, %d between a commit and its "
            "report; %d temporary files left by interrupted saves; %d copies left for the next read",
            Rounds, static_cast<long long>(fileGeneration), killedBeforeFirstSave, interruptedAfterCommit,
            leftovers, restored);
    }
};

QTEST_GUILESS_MAIN(TestSettingsCrash)
#include "test_settings_crash.moc"
