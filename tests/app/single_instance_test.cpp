// One copy per user: a second start hands over to the first and ends silently,
// a crashed copy's lock does not block, and a lock that cannot be had does not
// stop the program.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "app/single_instance.h"
#include "app_test_support.h"

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    // The second copy hands over to the first (which comes to the front) and ends.
    void secondCopyOfTheProgramEndsSilently()
    {
        QTemporaryDir home;
        const QProcessEnvironment environment = environmentOfUser(home);

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(BRENNO_EXE));
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("UniqueName_Brenno2014.lock")), 20000);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(BRENNO_EXE));
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput() + second.readAllStandardError(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        first.waitForFinished();
    }

    void lockOfACrashedCopyIsTakenOver()
    {
        QTemporaryDir directory;
        const QString path = directory.filePath("instance.lock");
        const pid_t holder = fork();
        if (holder == 0) {
            SingleInstance instance(path);
            if (instance.acquire() == SingleInstance::Outcome::Acquired)
                pause();
            _exit(1);
        }
        QTRY_VERIFY(QFile::exists(path));

        SingleInstance blocked(path);
        QCOMPARE(blocked.acquire(), SingleInstance::Outcome::HeldByAnotherCopy);

        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        QVERIFY(QFile::exists(path));
        SingleInstance next(path);
        QCOMPARE(next.acquire(), SingleInstance::Outcome::Acquired);
    }

    // Nothing that merely stands in the lock's way passes for a running copy.
    void lockThatCannotBeHadIsNoRunningCopy()
    {
        QTemporaryDir directory;
        QVERIFY(QDir(directory.path()).mkdir("taken.lock"));
        for (const QString& path : {directory.filePath("taken.lock"), directory.filePath("missing/instance.lock")}) {
            SingleInstance instance(path);
            QCOMPARE(instance.acquire(), SingleInstance::Outcome::Unavailable);
            QVERIFY(!instance.failureReason().isEmpty());
        }
    }

    void programStartsAndSaysSoWhenTheLockCannotBeHad()
    {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir("UniqueName_Brenno2014.lock"));
        QProcess program;
        program.setProcessEnvironment(environmentOfUser(home));
        program.start(QStringLiteral(BRENNO_EXE));
        QVERIFY(program.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardError()).contains("Couldn't create the lock file"),
                                 20000);
        QVERIFY(!program.waitForFinished(1000));
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
