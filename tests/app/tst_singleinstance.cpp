// One editor per user data folder, checked with real processes: this test program started
// again with --instance-helper plays the editor being launched.
#include "shell/AppFolders.h"
#include "shell/ShellLaunch.h"
#include "shell/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cstdio>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// The launched editor: --instance-helper <data home> [documents...]. Prints its role; the
// running one prints each hand-over ("OPEN a|b") and ends on "quit" from its standard input.
int runHelper(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    SingleInstance instance(arguments.value(2));
    const SingleInstance::Role role = instance.start(arguments.mid(3), 3000);
    if (role == SingleInstance::Role::HandedOver) {
        say(u"ROLE HandedOver"_s);
        return 0;
    }
    if (role == SingleInstance::Role::Alone) {
        say(u"ROLE Alone"_s);
        return 2;
    }
    QWidget window;
    window.showMinimized();
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
        [&window](const QStringList &paths) {
            SingleInstance::bringForward(&window);
            say(u"OPEN "_s + paths.join(u'|')
                + (window.isMinimized() ? u" minimised"_s : u" shown"_s));
        });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
        char line[64] = {};
        if (!std::fgets(line, sizeof line, stdin) || qstrncmp(line, "quit", 4) == 0)
            app.quit();
    });
    say(u"ROLE Primary"_s);
    return app.exec();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;

    std::unique_ptr<QProcess> launch(const QString &home, const QStringList &documents = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(mDir.path());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QCoreApplication::applicationFilePath(),
            QStringList {u"--instance-helper"_s, home} + documents);
        return process;
    }

    // The next line the process prints (waiting up to 10 s).
    static QString nextLine(QProcess &process)
    {
        QDeadlineTimer deadline(10000);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(100);
        return QString::fromUtf8(process.readLine()).trimmed();
    }

    static void quit(QProcess &process)
    {
        process.write("quit\n");
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
    }

private Q_SLOTS:
    void secondLaunchHandsOverItsDocument()
    {
        const QString home = mDir.filePath(u"home-a"_s);
        auto first = launch(home);
        QCOMPARE(nextLine(*first), u"ROLE Primary"_s);

        // A relative path is meant from the second launch's folder.
        auto second = launch(home, {u"docs/주소록.qbl"_s});
        QCOMPARE(nextLine(*second), u"ROLE HandedOver"_s);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(nextLine(*first), u"OPEN "_s + mDir.filePath(u"docs/주소록.qbl"_s) + u" shown"_s);

        // A launch without a document only brings the window forward.
        auto third = launch(home);
        QCOMPARE(nextLine(*third), u"ROLE HandedOver"_s);
        QCOMPARE(nextLine(*first), u"OPEN  shown"_s);
        QVERIFY(third->waitForFinished(10000));

        quit(*first);
        // Closed cleanly: the next launch is the running instance again.
        auto fourth = launch(home);
        QCOMPARE(nextLine(*fourth), u"ROLE Primary"_s);
        quit(*fourth);
    }

    void crashedInstanceDoesNotBlockTheNext()
    {
        const QString home = mDir.filePath(u"home-b"_s);
        auto crashed = launch(home);
        QCOMPARE(nextLine(*crashed), u"ROLE Primary"_s);
        crashed->kill(); // leaves its lock file and socket behind
        QVERIFY(crashed->waitForFinished(10000));

        auto next = launch(home);
        QCOMPARE(nextLine(*next), u"ROLE Primary"_s);
        auto later = launch(home, {u"/tmp/x.qbl"_s});
        QCOMPARE(nextLine(*later), u"ROLE HandedOver"_s);
        QCOMPARE(nextLine(*next), u"OPEN /tmp/x.qbl shown"_s);
        QVERIFY(later->waitForFinished(10000));
        quit(*next);
    }

    void separateDataFoldersRunSeparately()
    {
        auto one = launch(mDir.filePath(u"home-c"_s));
        auto two = launch(mDir.filePath(u"home-d"_s));
        QCOMPARE(nextLine(*one), u"ROLE Primary"_s);
        QCOMPARE(nextLine(*two), u"ROLE Primary"_s);
        quit(*one);
        quit(*two);
    }

    void instanceThatDoesNotAnswerLeavesThisOneAlone()
    {
        const QString home = mDir.filePath(u"home-e"_s);
        SingleInstance probe(home);
        QLockFile hung(probe.lockFilePath()); // holds the lock but never listens
        QVERIFY(hung.tryLock(0));
        QElapsedTimer clock;
        clock.start();
        SingleInstance instance(home);
        QCOMPARE(instance.start({u"/tmp/y.qbl"_s}, 300), SingleInstance::Role::Alone);
        QVERIFY(clock.elapsed() < 3000); // the time-out holds
    }

    // The launch decides the Temp folder: shared for the running instance, private for one
    // that has to run beside an instance that does not answer.
    void launchChoosesTheTempFolder()
    {
        const AppFolders folders(mDir.filePath(u"res"_s), mDir.filePath(u"home-f"_s));
        ShellLaunch first = ShellLaunch::start(folders, {u"quilllabel"_s});
        QVERIFY(!first.handedOver);
        QCOMPARE(first.instance->role(), SingleInstance::Role::Primary);
        QCOMPARE(first.temp->path(), folders.tempDir());

        // Started in this very process, the running instance cannot answer while this waits.
        ShellLaunch second = ShellLaunch::start(folders, {u"quilllabel"_s, u"/tmp/z.qbl"_s});
        QVERIFY(!second.handedOver);
        QCOMPARE(second.instance->role(), SingleInstance::Role::Alone);
        QCOMPARE(second.temp->kind(), SessionTempFolder::Kind::Private);
        QVERIFY(second.temp->path() != first.temp->path());
        QVERIFY(QFileInfo(second.temp->path()).isDir());
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--instance-helper") == 0)
        return runHelper(argc, argv);
    QApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
