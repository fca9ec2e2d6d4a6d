// The document commands: the save question on New, Open and close, Save and Save as with their
// names, failed saves that keep the old file, damaged files opened only in part and on request.
#include "editor/DocumentController.h"

#include "document/DocumentFile.h"
#include "document/DocumentRecords.h"
#include "document/SampleSheet.h"
#include "editing/DocumentNaming.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_TextEdit.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <unistd.h>

using namespace quill;
using Answer = DocumentServices::Answer;

namespace {

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

void addText(LabelDocument &document, const QString &text)
{
    auto box = std::make_unique<TZR_TextEdit>();
    box->setFontName(QStringLiteral("DejaVu Sans"));
    box->setWwfMemo({text});
    box->setBounds(QRect(10, 10, 150, 24));
    document.currentCellPanel()->addObject(std::move(box));
    document.setModified(true);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes a folder refuse new files, also for root (whom permissions do not stop); false when
// this file system cannot.
bool lockFolder(const QString &folder, bool locked)
{
    if (geteuid() != 0)
        return QFile::setPermissions(folder, locked ? QFile::ReadOwner | QFile::ExeOwner
                                                    : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QProcess::execute(QStringLiteral("chattr"), {locked ? QStringLiteral("+i") : QStringLiteral("-i"), folder}) == 0;
}

} // namespace

class TestDocumentController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void saveQuestionGuardsTheWork_data();
    void saveQuestionGuardsTheWork();
    void saveAndOpenRoundTrip();
    void saveAsNamesAndExtension_data();
    void saveAsNamesAndExtension();
    void existingFileIsReplacedOnlyOnYes();
    void failedSaveKeepsTheOldFile();
    void damagedFileOpensInPartOnlyWhenAsked();
    void changeLabelPaperKeepsDataLists();

private:
    std::unique_ptr<DocumentController> controller(LabelDocument &document);

    QTemporaryDir mDir;
    CaptionFile mCaptions{QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    QWidget mWindow;
    QList<Answer> mAnswers;      // given to the questions in turn
    QStringList mQuestions;      // the texts asked
    QStringList mMessages;       // the texts told
    QStringList mSavePaths;      // given to the save dialogs in turn ("" cancels)
    QStringList mProposed;       // what the save dialogs proposed
    std::optional<TZR_LabelSize> mSheet;
};

void TestDocumentController::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
}

void TestDocumentController::init()
{
    mAnswers.clear();
    mQuestions.clear();
    mMessages.clear();
    mSavePaths.clear();
    mProposed.clear();
    mSheet = sampleSheet();
}

std::unique_ptr<DocumentController> TestDocumentController::controller(LabelDocument &document)
{
    DocumentServices s;
    s.ask = [this](QWidget *, const QString &, const QString &text, bool) {
        mQuestions << text;
        return mAnswers.isEmpty() ? Answer::Cancel : mAnswers.takeFirst();
    };
    s.tell = [this](QWidget *, const QString &text) { mMessages << text; };
    s.openPath = [](QWidget *, const QString &) { return QString(); };
    s.savePath = [this](QWidget *, const QString &, const QString &, const QString &proposed) {
        mProposed << proposed;
        return mSavePaths.isEmpty() ? QString() : mSavePaths.takeFirst();
    };
    s.chooseSheet = [this](QWidget *) { return mSheet; };
    auto c = std::make_unique<DocumentController>(document, mCaptions, s, &mWindow);
    c->setParent(nullptr);
    return c;
}

void TestDocumentController::saveQuestionGuardsTheWork_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveDialogGivesName");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("fileWritten");
    for (const char *command : {"new", "open", "close"}) {
        const QString c = QString::fromLatin1(command);
        QTest::addRow("%s: yes, saved", command) << c << int(Answer::Yes) << true << true << true;
        QTest::addRow("%s: yes, save cancelled", command) << c << int(Answer::Yes) << false << false << false;
        QTest::addRow("%s: no", command) << c << int(Answer::No) << false << true << false;
        QTest::addRow("%s: cancel", command) << c << int(Answer::Cancel) << false << false << false;
    }
}

void TestDocumentController::saveQuestionGuardsTheWork()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, saveDialogGivesName);
    QFETCH(bool, goesOn);
    QFETCH(bool, fileWritten);
    const QString other = mDir.filePath(QStringLiteral("other.qbl"));
    {
        LabelDocument o;
        QVERIFY(o.newDocument(sampleSheet()));
        QVERIFY(writeDocument(o, other));
    }
    const QString target = mDir.filePath(QStringLiteral("guarded-%1.qbl").arg(QString::fromUtf8(QTest::currentDataTag())).replace(u':', u'-'));
    QFile::remove(target);
    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    addText(document, QStringLiteral("WORK"));
    auto c = controller(document);
    mAnswers = {Answer(answer)};
    if (saveDialogGivesName)
        mSavePaths = {target};
    bool went = false;
    if (command == u"new")
        went = c->newDocument();
    else if (command == u"open")
        went = c->open(other);
    else
        went = c->maySwitchDocument();
    QCOMPARE(mQuestions.size(), 1);
    QCOMPARE(mQuestions.first(), mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("FileSave")));
    QCOMPARE(went, goesOn);
    QCOMPARE(QFile::exists(target), fileWritten);
    if (!goesOn) { // the work is still there, still modified
        QVERIFY(document.isModified());
        QCOMPARE(document.currentCellPanel()->objects().size(), size_t(1));
    }
    if (fileWritten) {
        LabelDocument back;
        QVERIFY(readDocument(back, target));
        QCOMPARE(back.cell(1, 1)->objects().size(), size_t(1));
    }
}

void TestDocumentController::saveAndOpenRoundTrip()
{
    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    QVERIFY(document.addPage());
    addText(document, QStringLiteral("둘째 페이지"));
    auto c = controller(document);
    QSignalSpy saved(c.get(), &DocumentController::saved);
    const QString path = mDir.filePath(QStringLiteral("roundtrip"));
    mSavePaths = {path};
    QVERIFY(c->save()); // unnamed: Save asks for the name, never "save changes?"
    QVERIFY(mQuestions.isEmpty());
    QCOMPARE(document.fileName(), path + QStringLiteral(".qbl"));
    QVERIFY(!document.isModified());
    QCOMPARE(saved.size(), 1);
    // Save again after a change in an empty cell: written, flag cleared, no question.
    QVERIFY(document.selectCell(2, 1));
    document.setModified(true);
    QVERIFY(c->save());
    QVERIFY(!document.isModified());
    QVERIFY(mQuestions.isEmpty());

    LabelDocument opened;
    auto c2 = controller(opened);
    QSignalSpy replaced(c2.get(), &DocumentController::documentReplaced);
    QVERIFY(opened.newDocument(sampleSheet()));
    QVERIFY(c2->open(path + QStringLiteral(".qbl")));
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(opened.pageCount(), 2);
    QCOMPARE(opened.fileName(), path + QStringLiteral(".qbl"));
    QVERIFY(!opened.isModified());
}

void TestDocumentController::saveAsNamesAndExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << QStringLiteral("report") << QStringLiteral("report.qbl");
    QTest::newRow("own extension") << QStringLiteral("report.qbl") << QStringLiteral("report.qbl");
    QTest::newRow("capitals") << QStringLiteral("report.QBL") << QStringLiteral("report.QBL");
    QTest::newRow("extension inside") << QStringLiteral("report.qbl.old") << QStringLiteral("report.qbl.old.qbl");
    QTest::newRow("other extension") << QStringLiteral("주소.txt") << QStringLiteral("주소.txt.qbl");
}

void TestDocumentController::saveAsNamesAndExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir dir;
    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    auto c = controller(document);
    mSavePaths = {dir.filePath(typed)};
    QVERIFY(c->saveAs());
    QVERIFY(QFile::exists(dir.filePath(written)));
    QCOMPARE(document.fileName(), dir.filePath(written));
    // A merge table copy of such a name is what the data list loader recognises.
    QVERIFY(mergeTableCopyPath(document.fileName(), u'D').endsWith(QStringLiteral(".Dbl"), Qt::CaseInsensitive));
    // The proposal for an unnamed document is the first free "noname" + k.
    QCOMPARE(QFileInfo(mProposed.first()).fileName().left(6), QStringLiteral("noname"));
    for (int k = 1; k <= 3; ++k)
        QVERIFY(QFile(dir.filePath(QStringLiteral("noname%1.qbl").arg(k))).open(QIODevice::WriteOnly));
    QCOMPARE(proposedDocumentName(dir.path(), QStringLiteral("qbl")), QStringLiteral("noname4.qbl"));
}

void TestDocumentController::existingFileIsReplacedOnlyOnYes()
{
    const QString path = mDir.filePath(QStringLiteral("exists.qbl"));
    QFile::remove(path);
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    auto c = controller(document);
    // No: the dialog comes back proposing the same name; then Cancel stops everything.
    mSavePaths = {path, path};
    mAnswers = {Answer::No, Answer::Cancel};
    QVERIFY(!c->saveAs());
    QCOMPARE(mProposed.size(), 2);
    QCOMPARE(mProposed.at(1), path);
    QCOMPARE(fileBytes(path), QByteArray());
    mSavePaths = {path};
    mAnswers = {Answer::Yes};
    QVERIFY(c->saveAs());
    QVERIFY(fileBytes(path).size() > 100);
    QCOMPARE(mQuestions.last(), mCaptions.read(QStringLiteral("MainMessage"), QStringLiteral("FileApply")));
}

void TestDocumentController::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.qbl"));
    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    addText(document, QStringLiteral("first"));
    auto c = controller(document);
    mSavePaths = {path};
    QVERIFY(c->save());
    const QByteArray before = fileBytes(path);
    addText(document, QStringLiteral("second"));
    if (!lockFolder(dir.path(), true))
        QSKIP("this file system cannot make a folder refuse files");
    const auto unlock = qScopeGuard([&] { lockFolder(dir.path(), false); });
    QVERIFY(!c->save());
    QCOMPARE(mMessages.size(), 1);
    QVERIFY2(mMessages.first().contains(path), qPrintable(mMessages.first()));
    QCOMPARE(fileBytes(path), before);
    QVERIFY(document.isModified()); // the work is not taken as saved
}

void TestDocumentController::damagedFileOpensInPartOnlyWhenAsked()
{
    LabelDocument source;
    QVERIFY(source.newDocument(sampleSheet()));
    for (int cell = 18; cell <= 21; ++cell) { // the last cells: the damage falls in an object
        QVERIFY(source.selectCell(cell, 1));
        addText(source, QStringLiteral("C%1").arg(cell));
    }
    const QString whole = mDir.filePath(QStringLiteral("whole.qbl"));
    QVERIFY(writeDocument(source, whole));
    const QByteArray bytes = fileBytes(whole);
    const QString damaged = mDir.filePath(QStringLiteral("damaged.qbl"));
    QFile out(damaged);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() - 30));
    out.close();

    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    addText(document, QStringLiteral("KEEP"));
    document.setModified(false);
    auto c = controller(document);
    mAnswers = {Answer::No};
    QVERIFY(!c->open(damaged));
    QCOMPARE(mQuestions.size(), 1);
    QVERIFY2(mQuestions.first().contains(QStringLiteral("cell 21")), qPrintable(mQuestions.first()));
    QCOMPARE(document.currentCellPanel()->objects().size(), size_t(1));

    mAnswers = {Answer::Yes};
    QVERIFY(c->open(damaged));
    QCOMPARE(document.cell(1, 20)->objects().size(), size_t(1));
    // Unnamed and modified: saving asks for a new name and never overwrites the damaged file.
    QCOMPARE(document.fileName(), QString());
    QVERIFY(document.isModified());
    QCOMPARE(fileBytes(damaged), bytes.left(bytes.size() - 30));
}

void TestDocumentController::changeLabelPaperKeepsDataLists()
{
    LabelDocument document;
    QVERIFY(document.newDocument(sampleSheet()));
    document.setLabelDataList(QStringLiteral("/data/주소록.xlsx"), QStringLiteral("Sheet1"));
    auto c = controller(document);
    QVERIFY(c->changeLabelPaper());
    QCOMPARE(document.labelDataListPath(), QStringLiteral("/data/주소록.xlsx"));
    QVERIFY(c->newDocument());
    QCOMPARE(document.labelDataListPath(), QString());
    mSheet.reset(); // the new job dialog cancelled: nothing changes
    document.setLabelDataList(QStringLiteral("/data/a.csv"), QString());
    QVERIFY(!c->newDocument());
    QCOMPARE(document.labelDataListPath(), QStringLiteral("/data/a.csv"));
}

QTEST_MAIN(TestDocumentController)
#include "tst_documentcontroller.moc"
