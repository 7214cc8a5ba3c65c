// brenno's command line: --help and --version answer without a window, an
// unknown option is a usage error, Qt's own options pass.
#include <QProcess>
#include <QTest>

#include "app/command_line.h"

namespace {

AppCommandLine parse(const QStringList& args)
{
    std::vector<std::string> words{"brenno"};
    for (const QString& arg : args)
        words.push_back(arg.toStdString());
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    return parseAppCommandLine(static_cast<int>(argv.size()), argv.data());
}

struct Run {
    int status;
    QByteArray out;
    QByteArray err;
};

// Without any display: a window, or even the window system's start, would fail the run.
Run runBrenno(const QStringList& args)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess brenno;
    brenno.setProcessEnvironment(environment);
    brenno.start(QStringLiteral(BRENNO_EXE), args);
    brenno.waitForFinished(20000);
    return Run{brenno.exitStatus() == QProcess::NormalExit ? brenno.exitCode() : -1, brenno.readAllStandardOutput(),
               brenno.readAllStandardError()};
}

}  // namespace

Q_DECLARE_METATYPE(AppCommandLine::Request)

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parsing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<AppCommandLine::Request>("request");
        QTest::addColumn<QString>("fileOrError");
        QTest::newRow("nothing") << QStringList{} << AppCommandLine::RUN << "";
        QTest::newRow("a file") << QStringList{"step.bn3"} << AppCommandLine::RUN << "step.bn3";
        QTest::newRow("help anywhere") << QStringList{"step.bn3", "--help"} << AppCommandLine::HELP << "";
        QTest::newRow("short help") << QStringList{"-h"} << AppCommandLine::HELP << "";
        QTest::newRow("version") << QStringList{"--version"} << AppCommandLine::VERSION << "";
        QTest::newRow("Qt option and its value") << QStringList{"-platform", "offscreen", "step.bn3"}
                                                 << AppCommandLine::RUN << "step.bn3";
        QTest::newRow("Qt option with two hyphens and =") << QStringList{"--style=fusion", "step.bn3"}
                                                          << AppCommandLine::RUN << "step.bn3";
        QTest::newRow("Qt flag") << QStringList{"-reverse"} << AppCommandLine::RUN << "";
        QTest::newRow("after -- a name, not an option") << QStringList{"--", "--help"} << AppCommandLine::RUN
                                                        << "--help";
        QTest::newRow("a lone hyphen is a name") << QStringList{"-"} << AppCommandLine::RUN << "-";
        QTest::newRow("unknown option") << QStringList{"--fast"} << AppCommandLine::INVALID
                                        << "unknown option --fast";
        QTest::newRow("unknown short option") << QStringList{"-x", "step.bn3"} << AppCommandLine::INVALID
                                              << "unknown option -x";
        QTest::newRow("Qt option without its value") << QStringList{"-style"} << AppCommandLine::INVALID
                                                     << "-style needs a value";
        QTest::newRow("two files") << QStringList{"a.bn3", "b.bn3"} << AppCommandLine::INVALID
                                   << "more than one file given";
    }

    void parsing()
    {
        QFETCH(QStringList, args);
        QFETCH(AppCommandLine::Request, request);
        QFETCH(QString, fileOrError);
        const AppCommandLine commandLine = parse(args);
        QCOMPARE(commandLine.request, request);
        const std::string& text = request == AppCommandLine::INVALID ? commandLine.error : commandLine.file;
        QCOMPARE(QString::fromStdString(text), fileOrError);
    }

    void helpAndVersionPrintAndEndWithoutAWindow()
    {
        const Run help = runBrenno({"--help"});
        QCOMPARE(help.status, 0);
        QCOMPARE(help.out, QByteArray(kAppUsage));
        QCOMPARE(help.err, QByteArray());

        const Run version = runBrenno({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("brenno " BRENNO_VERSION "\n"));
    }

    void unknownOptionIsAUsageError()
    {
        const Run run = runBrenno({"--fast", "step.bn3"});
        QCOMPARE(run.status, 64);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, QByteArray("brenno: unknown option --fast\n") + kAppUsage);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
