// One copy per user: a second start ends silently, a crashed copy's lock does not block.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "app/single_instance.h"

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyOfTheProgramEndsSilently()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(BRENNO_EXE));
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("UniqueName_Brenno2014.lock")), 20000);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(BRENNO_EXE));
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
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
            if (instance.acquire())
                pause();
            _exit(1);
        }
        QTRY_VERIFY(QFile::exists(path));

        SingleInstance blocked(path);
        QVERIFY(!blocked.acquire());

        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        QVERIFY(QFile::exists(path));
        SingleInstance next(path);
        QVERIFY(next.acquire());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
