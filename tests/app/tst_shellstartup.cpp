// Start-up and run time of the shell: the auto-save timer, the start-up timer, the splash
// window and the offer of documents left by a crash.
#include "ModalAnswer.h"
#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "shell/AutoSaveTimer.h"
#include "shell/DocumentRecovery.h"
#include "shell/RecoveryFiles.h"
#include "shell/RecoveryOffer.h"
#include "shell/Splash.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes, int ageSeconds = 0)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    QVERIFY(file.flush()); // a later flush would set the time again
    QVERIFY(file.setFileTime(
        QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

} // namespace

class TestShellStartup : public QObject {
    Q_OBJECT

private:
    // Two recovery files: a named document's (newer) and an unnamed one's (older).
    QStringList makeRecoveryFiles(const QTemporaryDir &dir)
    {
        const QString named = dir.filePath(u"Tmp101010.tmp"_s);
        const QString unnamed = dir.filePath(u"Tmp090909.tmp"_s);
        writeBytes(named, "named", 10);
        writeBytes(unnamed, "unnamed", 100);
        RecoveryFiles::writeSideFile(named, u"/home/kim/주소.qbl"_s);
        return {named, unnamed};
    }

private Q_SLOTS:
    void autoSaveRunsOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("suspensions");
        QTest::addColumn<bool>("running");
        QTest::newRow("enabled, active") << true << true << 0 << true;
        QTest::newRow("disabled") << false << true << 0 << false;
        QTest::newRow("window inactive") << true << false << 0 << false;
        QTest::newRow("during a save") << true << true << 1 << false;
        QTest::newRow("save inside a print") << true << true << 2 << false;
    }

    void autoSaveRunsOnlyWhenAllowed()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, active);
        QFETCH(int, suspensions);
        QFETCH(bool, running);
        AutoSaveTimer timer;
        QCOMPARE(timer.interval(), 20000);
        timer.setEnabled(enabled);
        timer.setWindowActive(active);
        for (int i = 0; i < suspensions; ++i)
            timer.suspend();
        QCOMPARE(timer.isRunning(), running);
        if (suspensions > 0) {
            timer.resume();
            QCOMPARE(timer.isRunning(), suspensions == 1 && enabled && active);
        }
    }

    void suspensionGuardResumes()
    {
        AutoSaveTimer timer;
        timer.setEnabled(true);
        timer.setWindowActive(true);
        {
            AutoSaveTimer::Suspension opening(&timer);
            QVERIFY(!timer.isRunning());
            int calls = 0;
            timer.setWriter([&] {
                ++calls;
                return Result<bool>(true);
            });
            timer.tick(); // a tick that slipped in while suspended writes nothing
            QCOMPARE(calls, 0);
        }
        QVERIFY(timer.isRunning());
    }

    void followsWindowActivation()
    {
        QWidget window;
        AutoSaveTimer timer;
        timer.setEnabled(true);
        timer.watch(&window);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QVERIFY(timer.isRunning());
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&window, &deactivate);
        QVERIFY(!timer.isRunning());
    }

    void failuresAreToldOncePerRun()
    {
        AutoSaveTimer timer;
        timer.setEnabled(true);
        timer.setWindowActive(true);
        QList<Result<bool>> answers {Error {u"disk full"_s, u"/x/Tmp1.tmp"_s},
            Error {u"disk full"_s}, Result<bool>(true), Result<bool>(false), Error {u"gone"_s}};
        timer.setWriter([&] { return answers.takeFirst(); });
        QSignalSpy failed(&timer, &AutoSaveTimer::failed);
        QSignalSpy saved(&timer, &AutoSaveTimer::saved);
        for (int i = 0; i < 5; ++i)
            timer.tick();
        QCOMPARE(failed.size(), 2);
        QVERIFY(failed.at(0).at(0).toString().contains(u"disk full"_s));
        QVERIFY(failed.at(0).at(0).toString().contains(u"/x/Tmp1.tmp"_s));
        QCOMPARE(saved.size(), 1); // the unmodified document's tick wrote nothing
        QVERIFY(timer.isRunning()); // a failure does not switch auto-save off
    }

    void tickWritesTheRecoveryFile()
    {
        QTemporaryDir dir;
        LabelDocument document;
        TZR_LabelSize sheet;
        QVERIFY(sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true));
        QVERIFY(document.newDocument(sheet));
        document.setModified(true);
        DocumentRecovery recovery;
        AutoSaveTimer timer;
        timer.setWriter([&] { return recovery.autoSave(document, dir.path()); });
        timer.setInterval(30);
        timer.setEnabled(true);
        timer.setWindowActive(true);
        QSignalSpy saved(&timer, &AutoSaveTimer::saved);
        QTRY_VERIFY(saved.size() >= 2);
        QVERIFY(QFile::exists(recovery.recoveryFile()));
        QCOMPARE(QDir(dir.path()).entryList({u"Tmp*.tmp"_s}).size(), 1);
    }

    void documentArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("document");
        QTest::newRow("none") << QStringList {u"quilllabel"_s} << QString();
        QTest::newRow("one") << QStringList {u"quilllabel"_s, u"a.qbl"_s} << u"a.qbl"_s;
        QTest::newRow("first of two")
            << QStringList {u"quilllabel"_s, u"a.qbl"_s, u"b.qbl"_s} << u"a.qbl"_s;
        QTest::newRow("after an option")
            << QStringList {u"quilllabel"_s, u"--verbose"_s, u"a.qbl"_s} << u"a.qbl"_s;
        QTest::newRow("dash name after --")
            << QStringList {u"quilllabel"_s, u"--"_s, u"-a.qbl"_s} << u"-a.qbl"_s;
        QTest::newRow("empty argument") << QStringList {u"quilllabel"_s, QString()} << QString();
    }

    void documentArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, document);
        QCOMPARE(StartupTimer::documentArgument(arguments), document);
    }

    void startupOpensOrStartsNew_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("recovers");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("no document") << QString() << false << QStringList {u"offer"_s, u"new"_s};
        QTest::newRow("document") << u"/d/a.qbl"_s << false
                                  << QStringList {u"offer"_s, u"open /d/a.qbl"_s};
        QTest::newRow("recovered") << QString() << true << QStringList {u"offer"_s};
        QTest::newRow("recovered and document")
            << u"/d/a.qbl"_s << true << QStringList {u"offer"_s, u"open /d/a.qbl"_s};
    }

    void startupOpensOrStartsNew()
    {
        QFETCH(QString, document);
        QFETCH(bool, recovers);
        QFETCH(QStringList, calls);
        QStringList seen;
        StartupTimer timer(
            [&](const QString &path) { seen << u"open "_s + path; }, [&] { seen << u"new"_s; });
        timer.setRecoveryOffer([&] {
            seen << u"offer"_s;
            return recovers;
        });
        QStringList arguments {u"quilllabel"_s};
        if (!document.isEmpty())
            arguments << document;
        QElapsedTimer clock;
        clock.start();
        timer.start(arguments);
        QVERIFY(timer.isPending());
        QVERIFY(seen.isEmpty()); // nothing before the window has had its 500 ms
        QTRY_COMPARE(seen, calls);
        QVERIFY(clock.elapsed() >= 450);
        QTest::qWait(50);
        QCOMPARE(seen, calls); // once only
    }

    void splashShowsPictureOrName()
    {
        const QString picture
            = QStringLiteral(QUILL_TEST_DATA_DIR "/../../resources/img/intro.jpg");
        QVERIFY(QFile::exists(picture));
        const QImage withPicture = TSplashForm::compose(picture).toImage();
        const QImage without = TSplashForm::compose(u"/nonexistent/intro.jpg"_s).toImage();
        QCOMPARE(withPicture.size(), QSize(500, 300));
        QCOMPARE(without.size(), QSize(500, 300));
        QCOMPARE(QColor(without.pixel(2, 2)), QColor(Qt::black));
        QVERIFY(withPicture != without);
        TSplashForm splash(picture);
        QCOMPARE(splash.size(), QSize(500, 300));
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void offerListsNewestFirstAndRecovers()
    {
        QTemporaryDir dir;
        const QStringList files = makeRecoveryFiles(dir);
        QList<RecoveryEntry> opened;
        bool succeed = false;
        RecoveryOffer offer(RecoveryFiles::scan({dir.path()}), [&](const RecoveryEntry &entry) {
            opened << entry;
            return succeed;
        });
        offer.show();
        auto *list = offer.findChild<QListWidget *>(u"RecoveryList"_s);
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(0)->text().contains(u"주소.qbl"_s));
        QVERIFY(list->item(1)->text().contains(u"이름 없는 문서"_s));

        // An open that failed keeps the dialog and the file.
        list->setCurrentRow(1);
        QTest::mouseClick(offer.findChild<QPushButton *>(u"RecoverBtn"_s), Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.at(0).recoveryFile, files.at(1));
        QVERIFY(offer.isVisible());
        QVERIFY(QFile::exists(files.at(1)));

        succeed = true;
        list->setCurrentRow(0);
        QTest::mouseClick(offer.findChild<QPushButton *>(u"RecoverBtn"_s), Qt::LeftButton);
        QCOMPARE(opened.last().documentPath, u"/home/kim/주소.qbl"_s);
        QVERIFY(offer.recovered());
        QCOMPARE(offer.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(files.at(0))); // the opener adopts it; nothing deleted here
    }

    void discardAsksFirst()
    {
        QTemporaryDir dir;
        const QStringList files = makeRecoveryFiles(dir);
        RecoveryOffer offer(
            RecoveryFiles::scan({dir.path()}), [](const RecoveryEntry &) { return true; });
        offer.show();
        auto *list = offer.findChild<QListWidget *>(u"RecoveryList"_s);
        auto *discard = offer.findChild<QPushButton *>(u"DiscardBtn"_s);

        quilltest::answerMessageBox(QMessageBox::No);
        QTest::mouseClick(discard, Qt::LeftButton);
        QVERIFY(QFile::exists(files.at(0)));
        QCOMPARE(list->count(), 2);

        QString question;
        quilltest::answerMessageBox(QMessageBox::Yes, &question);
        QTest::mouseClick(discard, Qt::LeftButton);
        QVERIFY(question.contains(u"주소.qbl"_s));
        QVERIFY(!QFile::exists(files.at(0)));
        QVERIFY(!QFile::exists(RecoveryFiles::sideFilePath(files.at(0))));
        QCOMPARE(list->count(), 1);
        QVERIFY(offer.isVisible());

        // "나중에" keeps the rest for the next start.
        QTest::mouseClick(offer.findChild<QPushButton *>(u"LaterBtn"_s), Qt::LeftButton);
        QVERIFY(!offer.recovered());
        QVERIFY(QFile::exists(files.at(1)));
    }

    void offerShowsOnlyWhenSomethingIsLeft()
    {
        QTemporaryDir dir;
        int opens = 0;
        auto opener = [&](const RecoveryEntry &) {
            ++opens;
            return true;
        };
        QVERIFY(!RecoveryOffer::offer({dir.path()}, opener)); // returns at once, no window

        makeRecoveryFiles(dir);
        quilltest::whenModalAppears([](QWidget *modal) {
            QTest::mouseClick(modal->findChild<QPushButton *>(u"RecoverBtn"_s), Qt::LeftButton);
        });
        QVERIFY(RecoveryOffer::offer({dir.path()}, opener));
        QCOMPARE(opens, 1);
    }
};

QTEST_MAIN(TestShellStartup)
#include "tst_shellstartup.moc"
