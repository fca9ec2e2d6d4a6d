// Auto-save into recovery files, the scan that offers them back, and the per-process Temp folder.
#include "document/DocumentFile.h"
#include "document/EditHistory.h"
#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "shell/AppFolders.h"
#include "shell/DocumentRecovery.h"
#include "shell/RecoveryFiles.h"
#include "shell/SessionTempFolder.h"
#include "shell/ShellSession.h"
#include "shell/ZR_HistoryList.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A modified document on the sample sheet.
void makeDocument(LabelDocument &document)
{
    TZR_LabelSize sheet;
    QVERIFY(sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true));
    QVERIFY(document.newDocument(sheet));
    document.setModified(true);
}

// The lock file a process that has ended would have left at path: Qt's own format, with the
// process id of a program that ran and finished.
void writeStaleLock(const QString &path)
{
    QLockFile probe(path);
    QVERIFY(probe.tryLock(0));
    QByteArray contents = readAll(path);
    probe.unlock();
    QProcess child;
    child.start(QStringLiteral("true"), {});
    QVERIFY(child.waitForStarted());
    const qint64 deadPid = child.processId();
    QVERIFY(child.waitForFinished());
    contents = QByteArray::number(deadPid) + contents.mid(contents.indexOf('\n'));
    writeBytes(path, contents);
}

QStringList names(const QList<RecoveryEntry> &entries)
{
    QStringList result;
    for (const RecoveryEntry &entry : entries)
        result << QFileInfo(entry.recoveryFile).fileName();
    return result;
}

} // namespace

class TestAutoSaveRecovery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unnamedDocumentGoesToTimeNamedFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Data")); // made on demand
        LabelDocument document;
        makeDocument(document);
        DocumentRecovery recovery;

        const Result<bool> first = recovery.autoSave(document, folder, QTime(14, 30, 5));
        QVERIFY2(first.ok(), qPrintable(first.ok() ? QString() : first.error().message));
        QVERIFY(first.value());
        QCOMPARE(recovery.recoveryFile(), QDir(folder).filePath(QStringLiteral("Tmp143005.tmp")));
        // Later ticks keep the name made by the first.
        QVERIFY(recovery.autoSave(document, folder, QTime(14, 31, 0)).value());
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.tmp")}),
            QStringList {QStringLiteral("Tmp143005.tmp")});

        // The recovery file is a complete document.
        LabelDocument back;
        QVERIFY(readDocument(back, recovery.recoveryFile()).ok());
        QCOMPARE(back.labelSize().columns(), document.labelSize().columns());

        const QList<RecoveryEntry> found = RecoveryFiles::scan({folder});
        QCOMPARE(found.size(), 0); // still locked by this running document
    }

    void namedDocumentIsNeverOverwritten()
    {
        QTemporaryDir dir;
        LabelDocument document;
        makeDocument(document);
        const QString own = dir.filePath(QStringLiteral("report.qbl"));
        QVERIFY(saveDocument(document, own));
        const QByteArray saved = readAll(own);
        document.setModified(true);

        QString file;
        {
            DocumentRecovery recovery;
            QVERIFY(
                recovery.autoSave(document, dir.filePath(QStringLiteral("Data")), QTime(9, 0, 0))
                    .value());
            file = recovery.recoveryFile();
            QVERIFY(file != own);
            QCOMPARE(readAll(own), saved);
        }
        // After a crash (the lock went with the process, the files stayed) the copy is offered
        // under the document's name.
        QVERIFY(QFile::exists(file));
        const QList<RecoveryEntry> found
            = RecoveryFiles::scan({dir.filePath(QStringLiteral("Data"))});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().documentPath, own);
        QCOMPARE(found.first().displayName(), QStringLiteral("report.qbl"));
    }

    void unmodifiedDocumentWritesNothing()
    {
        QTemporaryDir dir;
        LabelDocument document;
        makeDocument(document);
        document.setModified(false);
        DocumentRecovery recovery;
        const Result<bool> tick = recovery.autoSave(document, dir.path(), QTime(10, 0, 0));
        QVERIFY(tick.ok());
        QVERIFY(!tick.value());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void unusableFolderIsAnError()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        writeBytes(blocker, "x");
        LabelDocument document;
        makeDocument(document);
        DocumentRecovery recovery;
        const Result<bool> tick
            = recovery.autoSave(document, blocker + QStringLiteral("/Data"), QTime(10, 0, 0));
        QVERIFY(!tick.ok());
        QVERIFY(!tick.error().message.isEmpty());
        QVERIFY(recovery.recoveryFile().isEmpty());
    }

    void leftoverFileOfTheSameSecondIsKept()
    {
        QTemporaryDir dir;
        const QString leftover = dir.filePath(QStringLiteral("Tmp143005.tmp"));
        writeBytes(leftover, "crash of yesterday");
        QCOMPARE(RecoveryFiles::freeFileName(dir.path(), QTime(14, 30, 5)),
            dir.filePath(QStringLiteral("Tmp143006.tmp")));
        // Past midnight the names wrap around.
        QCOMPARE(RecoveryFiles::freeFileName(dir.path(), QTime(23, 59, 59)),
            dir.filePath(QStringLiteral("Tmp235959.tmp")));

        LabelDocument document;
        makeDocument(document);
        DocumentRecovery recovery;
        QVERIFY(recovery.autoSave(document, dir.path(), QTime(14, 30, 5)).value());
        QCOMPARE(readAll(leftover), QByteArray("crash of yesterday"));
    }

    void scanListsNewestFirstAndOnlyRecoveryNames()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QDateTime now = QDateTime::currentDateTime();
        const struct {
            const char *name;
            int ageSeconds;
        } files[] = {{"Tmp100000.tmp", 300}, {"Tmp110000.tmp", 10}, {"tmp120000.TMP", 100},
            {"Tmp1.tmp", 0}, {"Tmp100000.tmp.bak", 0}, {"label.tmp", 0}, {"Tmp10000x.tmp", 0}};
        for (const auto &f : files) {
            const QString path = folder.filePath(QString::fromLatin1(f.name));
            writeBytes(path, "x");
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(
                file.setFileTime(now.addSecs(-f.ageSeconds), QFileDevice::FileModificationTime));
        }
        QVERIFY(RecoveryFiles::writeSideFile(folder.filePath(QStringLiteral("Tmp110000.tmp")),
            QStringLiteral("/home/kim/주소록.qbl")));

        // The same folder named twice is listed once.
        const QList<RecoveryEntry> found = RecoveryFiles::scan({dir.path(), dir.path() + u'/'});
        QCOMPARE(names(found),
            (QStringList {QStringLiteral("Tmp110000.tmp"), QStringLiteral("tmp120000.TMP"),
                QStringLiteral("Tmp100000.tmp")}));
        QCOMPARE(found.at(0).documentPath, QStringLiteral("/home/kim/주소록.qbl"));
        QVERIFY(found.at(1).isUnnamed());
        QVERIFY(
            RecoveryFiles::scan({dir.filePath(QStringLiteral("missing")), QString()}).isEmpty());
    }

    void staleLockDoesNotHideAFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tmp080000.tmp"));
        writeBytes(file, "x");
        writeStaleLock(RecoveryFiles::lockFilePath(file));
        QCOMPARE(names(RecoveryFiles::scan({dir.path()})),
            QStringList {QStringLiteral("Tmp080000.tmp")});
    }

    void discardRemovesEverythingButFilesInUse()
    {
        QTemporaryDir dir;
        LabelDocument document;
        makeDocument(document);
        DocumentRecovery recovery;
        QVERIFY(recovery.autoSave(document, dir.path(), QTime(12, 0, 0)).value());
        const QString file = recovery.recoveryFile();
        const QStringList copies = RecoveryFiles::mergeCopyPaths(file);
        for (const QString &copy : copies)
            writeBytes(copy, "merge table copy");
        // A recovered document may still read its merge table from the copy: that one stays.
        document.setLabelDataList(copies.at(0), QStringLiteral("label"));

        QVERIFY(recovery.discard(&document));
        QVERIFY(recovery.recoveryFile().isEmpty());
        QVERIFY(!QFile::exists(file));
        QVERIFY(!QFile::exists(RecoveryFiles::sideFilePath(file)));
        QVERIFY(!QFile::exists(RecoveryFiles::lockFilePath(file)));
        QVERIFY(QFile::exists(copies.at(0)));
        QVERIFY(!QFile::exists(copies.at(1)));
        QVERIFY(recovery.discard()); // nothing left: fine
    }

    void recoveredDocumentGoesOnInItsFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tmp070000.tmp"));
        {
            LabelDocument crashed;
            makeDocument(crashed);
            QVERIFY(writeDocument(crashed, file));
        }
        const QList<RecoveryEntry> found = RecoveryFiles::scan({dir.path()});
        QCOMPARE(found.size(), 1);

        LabelDocument document;
        QVERIFY(readDocument(document, found.first().recoveryFile).ok());
        document.setModified(true);
        DocumentRecovery recovery;
        QVERIFY(recovery.adopt(found.first()));
        QVERIFY(RecoveryFiles::scan({dir.path()}).isEmpty()); // in use now
        QVERIFY(recovery.autoSave(document, dir.path(), QTime(7, 30, 0)).value());
        QCOMPARE(recovery.recoveryFile(), file);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.tmp")}).size(), 1);

        // A second recovery of the same file while it is in use is refused.
        DocumentRecovery other;
        QVERIFY(!other.adopt(found.first()));
    }

    void recoverTakesTheOriginalName()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tmp050000.tmp"));
        {
            LabelDocument crashed;
            makeDocument(crashed);
            QVERIFY(writeDocument(crashed, file));
            QVERIFY(RecoveryFiles::writeSideFile(file, dir.filePath(QStringLiteral("orders.qbl"))));
        }
        writeBytes(dir.filePath(QStringLiteral("Tmp040000.tmp")), "not a document");
        QList<RecoveryEntry> found = RecoveryFiles::scan({dir.path()});
        QCOMPARE(found.size(), 2);
        if (found.at(0).recoveryFile != file)
            found.swapItemsAt(0, 1);

        LabelDocument document;
        DocumentRecovery recovery;
        const Result<ReadReport> read = recovery.recover(document, found.at(0));
        QVERIFY2(read.ok(), qPrintable(read.ok() ? QString() : read.error().message));
        QCOMPARE(document.fileName(), dir.filePath(QStringLiteral("orders.qbl")));
        QVERIFY(document.isModified()); // saved nowhere but in the recovery file
        QCOMPARE(recovery.recoveryFile(), file);

        // A damaged recovery file is an error and changes nothing.
        LabelDocument other;
        makeDocument(other);
        other.setModified(false);
        DocumentRecovery second;
        QVERIFY(!second.recover(other, found.at(1)).ok());
        QVERIFY(other.fileName().isEmpty());
        QVERIFY(!other.isModified());
        QVERIFY(second.recoveryFile().isEmpty());
        QCOMPARE(names(RecoveryFiles::scan({dir.path()})),
            QStringList {QStringLiteral("Tmp040000.tmp")});
    }

    void removeReportsFilesThatStay()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tmp060000.tmp"));
        // A folder in place of the side file cannot be removed as a file.
        QVERIFY(QDir().mkpath(RecoveryFiles::sideFilePath(file) + QStringLiteral("/x")));
        writeBytes(file, "x");
        const Status removed = RecoveryFiles::remove(file);
        QVERIFY(!removed);
        QCOMPARE(removed.error().where, RecoveryFiles::sideFilePath(file));
        QVERIFY(!QFile::exists(file)); // the rest went all the same
    }

    // Closing: snapshots, the recovery file and the recent files are dealt with only once the
    // close is certain.
    void closeCleansUpOnlyWhenItHappens_data()
    {
        QTest::addColumn<bool>("closes");
        QTest::newRow("cancelled") << false;
        QTest::newRow("closed") << true;
    }

    void closeCleansUpOnlyWhenItHappens()
    {
        QFETCH(bool, closes);
        QTemporaryDir dir;
        const QString temp = dir.filePath(QStringLiteral("Temp"));
        QVERIFY(QDir().mkpath(temp));
        LabelDocument document;
        makeDocument(document);
        EditHistory history(temp);
        history.setDocument(&document);
        QVERIFY(history.takeSnapshot());
        const QString snapshot = history.snapshotPath(1, 1, 1);
        QVERIFY(QFile::exists(snapshot));
        DocumentRecovery recovery;
        QVERIFY(recovery.autoSave(document, dir.filePath(QStringLiteral("Data")), QTime(8, 0, 0))
                    .value());
        const QString recoveryFile = recovery.recoveryFile();
        QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
        TZR_HistoryList recent;
        const QString own = dir.filePath(QStringLiteral("own.qbl"));
        writeBytes(own, "x");
        QVERIFY(recent.add(own));

        ShellSession session(history, recovery, recent, settings);
        int asked = 0;
        const bool closed = session.close(
            [&] {
                ++asked;
                return closes;
            },
            &document);
        QCOMPARE(closed, closes);
        QCOMPARE(asked, 1);
        QCOMPARE(QFile::exists(snapshot), !closes);
        QCOMPARE(QFile::exists(recoveryFile), !closes);
        QCOMPARE(
            settings.value(QStringLiteral("MRUList/File0")).toString(), closes ? own : QString());
    }

    void secondProcessWorksInItsOwnTempFolder()
    {
        QTemporaryDir dir;
        const AppFolders folders(
            dir.filePath(QStringLiteral("res")), dir.filePath(QStringLiteral("home")));
        SessionTempFolder shared(folders, SessionTempFolder::Kind::Shared);
        QCOMPARE(shared.path(), folders.tempDir());
        QString privatePath;
        {
            SessionTempFolder own(folders, SessionTempFolder::Kind::Private);
            QVERIFY(own.prepare());
            privatePath = own.path();
            QVERIFY(privatePath.startsWith(folders.tempDir() + u'/'));
            writeBytes(QDir(privatePath).filePath(QStringLiteral("reun1_1_1.tmp")), "x");
            SessionTempFolder::removeAbandoned(folders); // in use: stays
            QVERIFY(QFile::exists(QDir(privatePath).filePath(QStringLiteral("reun1_1_1.tmp"))));
        }
        QVERIFY(!QFileInfo::exists(privatePath));

        // A folder of a process that ended abnormally goes at the next start; others stay.
        const QString abandoned = QDir(folders.tempDir()).filePath(QStringLiteral("99999999"));
        QVERIFY(QDir().mkpath(abandoned));
        writeStaleLock(QDir(abandoned).filePath(QStringLiteral("owner.lock")));
        const QString notOurs = QDir(folders.tempDir()).filePath(QStringLiteral("keep"));
        QVERIFY(QDir().mkpath(notOurs));
        SessionTempFolder::removeAbandoned(folders);
        QVERIFY(!QFileInfo::exists(abandoned));
        QVERIFY(QFileInfo::exists(notOurs));
    }
};

QTEST_MAIN(TestAutoSaveRecovery)
#include "tst_autosave_recovery.moc"
