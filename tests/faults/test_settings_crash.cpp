// A save killed at any moment leaves a settings file that loads, with either the
// values of the last completed save or those of the save it interrupted.
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

using namespace korvo;

class TestSettingsCrash : public QObject {
    Q_OBJECT

private slots:
    void killedSavesLeaveOldOrNewFile() {
        constexpr int Rounds = 300;
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Korvo.ini"));
        QCOMPARE(writeSettingsFile(path, settingsLines(testing::generationSettings(0))), QString());

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
            saver.start(QCoreApplication::applicationDirPath() + QStringLiteral("/settings_saver"),
                        {folder.path(), QString::number(first)});
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

            const SettingsFileRead read = readSettingsFile(path);
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
            "report; %d temporary files left by interrupted saves",
            Rounds, static_cast<long long>(fileGeneration), killedBeforeFirstSave, interruptedAfterCommit,
            leftovers);
    }
};

QTEST_GUILESS_MAIN(TestSettingsCrash)
#include "test_settings_crash.moc"
