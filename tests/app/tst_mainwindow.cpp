// The main window as the user meets it: caption and sheet summary, the commands wired to their
// parts, the save question on close, the modified mark, recent files, the zoom after Open and
// the current record shown by field-bound objects.
#include "editor/MainWindow.h"

#include "document/DocumentFile.h"
#include "document/DocumentRecords.h"
#include "document/EditHistory.h"
#include "document/SampleSheet.h"
#include "editor/EditorActions.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomPercentBox.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_GuideLabel.h"
#include "print/PrintCommand.h"
#include "shell/ZR_HistoryList.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace quill;
using Answer = DocumentServices::Answer;

namespace {

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void showsCaptionAndSheetSummary();
    void withoutCaptionFileNoCrash();
    void commandsAreWired();
    void closeAsksToSave_data();
    void closeAsksToSave();
    void modifiedMarkAndRecentFiles();
    void openShowsZoom100AndTheFirstRecord();

private:
    std::unique_ptr<MainWindow> window();

    QTemporaryDir mDir;
    CaptionFile mCaptions{QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    std::unique_ptr<QSettings> mSettings;
    QStringList mMessages;
    QStringList mQuestions;
    QList<Answer> mAnswers;
    QStringList mSavePaths;
    std::optional<TZR_LabelSize> mSheet;
};

void MainWindowTest::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
}

void MainWindowTest::init()
{
    const QString ini = mDir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(ini);
    mSettings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    mMessages.clear();
    mQuestions.clear();
    mAnswers.clear();
    mSavePaths.clear();
    mSheet = sampleSheet();
}

std::unique_ptr<MainWindow> MainWindowTest::window()
{
    const AppFolders folders(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR), mDir.filePath(QStringLiteral("home")));
    if (!folders.seed())
        return nullptr;
    EditorEnvironment env = EditorEnvironment::system(mCaptions, mSettings.get(), folders);
    env.print = PrintServices();
    env.print.printerNames = [] { return QStringList(); };
    env.print.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    env.documents.tell = env.print.showMessage;
    env.documents.ask = [this](QWidget *, const QString &, const QString &text, bool) {
        mQuestions << text;
        return mAnswers.isEmpty() ? Answer::Cancel : mAnswers.takeFirst();
    };
    env.documents.openPath = [](QWidget *, const QString &) { return QString(); };
    env.documents.savePath = [this](QWidget *, const QString &, const QString &, const QString &) {
        return mSavePaths.isEmpty() ? QString() : mSavePaths.takeFirst();
    };
    env.documents.chooseSheet = [this](QWidget *) { return mSheet; };
    env.prompts.warn = [this](QWidget *, const QString &, const QString &text) { mMessages << text; };
    env.prompts.askYesNo = [](QWidget *, const QString &, const QString &) { return false; };
    return std::make_unique<MainWindow>(env);
}

void MainWindowTest::showsCaptionAndSheetSummary()
{
    auto w = window();
    QVERIFY(w);
    QVERIFY(w->newDocument(sampleSheet()));
    QCOMPARE(w->windowTitle(), mCaptions.read(QStringLiteral("MenuCaption"), QStringLiteral("MainForm")));
    QVERIFY(w->statusText().contains(QStringLiteral("63.5 * 38.1 mm")));
    QVERIFY(w->statusText().contains(QStringLiteral("= 21 ")));
    QCOMPARE(w->document().cellsPerPage(), 21);
}

void MainWindowTest::withoutCaptionFileNoCrash()
{
    // Without a caption file the window still opens with every command captioned.
    QTemporaryDir dir;
    const CaptionFile none(dir.filePath(QStringLiteral("label.dat")));
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    PrintServices services;
    services.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    MainWindow w(none, settings, services);
    QCOMPARE(w.windowTitle(), QStringLiteral("0"));
    QVERIFY(!w.actions().action(EditorCommand::Open)->text().isEmpty());
}

void MainWindowTest::commandsAreWired()
{
    auto w = window();
    EditorActions &a = w->actions();
    // The document, view, print and help commands work; the editing ones wait for their parts.
    for (EditorCommand id : {EditorCommand::New, EditorCommand::Open, EditorCommand::Save, EditorCommand::SaveAs,
                             EditorCommand::ChangePaper, EditorCommand::Print, EditorCommand::Preview,
                             EditorCommand::Zoom200, EditorCommand::ShowGrid, EditorCommand::Help})
        QVERIFY2(a.action(id)->isEnabled(), qPrintable(a.action(id)->text()));
    QVERIFY(!a.action(EditorCommand::Cut)->isEnabled());
    // Print without a printer says so.
    a.action(EditorCommand::Print)->trigger();
    QCOMPARE(mMessages, QStringList{noPrinterMessage()});
    // A View menu zoom reaches the work area and the zoom box; the model does not move.
    a.action(EditorCommand::Zoom200)->trigger();
    QCOMPARE(w->workSpace()->zoom(), 200);
    QCOMPARE(w->zoomBox()->currentText(), QStringLiteral("200 %"));
    // New runs the new job dialog's choice into a fresh document.
    mSheet->setRows(3);
    mSheet->setColumns(2);
    a.action(EditorCommand::New)->trigger();
    QCOMPARE(w->document().cellsPerPage(), 6);
    QCOMPARE(w->workSpace()->zoom(), 100);
}

void MainWindowTest::closeAsksToSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("snapshotsKept");
    QTest::newRow("yes, saved") << int(Answer::Yes) << true << false;
    QTest::newRow("no") << int(Answer::No) << true << false;
    QTest::newRow("cancel") << int(Answer::Cancel) << false << true;
}

void MainWindowTest::closeAsksToSave()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, snapshotsKept);
    auto w = window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->document().setModified(true);
    QVERIFY(w->history().takeSnapshot());
    const QString snapshot = w->history().snapshotPath(1, 1, 1);
    QVERIFY(QFile::exists(snapshot));
    const QString target = mDir.filePath(QStringLiteral("closed-%1.qbl").arg(answer));
    mSavePaths = {target};
    mAnswers = {Answer(answer)};
    w->close();
    QCOMPARE(mQuestions.size(), 1);
    QCOMPARE(w->isVisible(), !closes);
    QCOMPARE(QFile::exists(snapshot), snapshotsKept);
    QCOMPARE(QFile::exists(target), answer == int(Answer::Yes));
}

void MainWindowTest::modifiedMarkAndRecentFiles()
{
    auto w = window();
    const QString base = mCaptions.read(QStringLiteral("MenuCaption"), QStringLiteral("MainForm"));
    w->document().setModified(true);
    QCOMPARE(w->windowTitle(), base + QStringLiteral(" *"));
    const QString path = mDir.filePath(QStringLiteral("recent.qbl"));
    mSavePaths = {path};
    w->actions().action(EditorCommand::Save)->trigger();
    QCOMPARE(w->windowTitle(), base + QStringLiteral("  ( ") + path + QStringLiteral(" )"));
    QCOMPARE(w->recentFiles().paths().value(0), path);
    // The recent-files item at the bottom of the File menu opens it again.
    QVERIFY(w->newDocument(sampleSheet()));
    QAction *item = nullptr;
    for (QAction *action : w->actions().fileMenu()->actions()) {
        if (action->text().contains(QStringLiteral("recent.qbl")))
            item = action;
    }
    QVERIFY(item);
    item->trigger();
    QCOMPARE(w->document().fileName(), path);
}

void MainWindowTest::openShowsZoom100AndTheFirstRecord()
{
    // A document saved at 150 % whose field label reads "이름" from a list beside it.
    const QString list = mDir.filePath(QStringLiteral("list.csv"));
    QFile csv(list);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("이름,주소\n홍길동,서울\n이순신,부산\n");
    csv.close();
    LabelDocument source;
    QVERIFY(source.newDocument(sampleSheet()));
    source.setLabelDataList(list, QString());
    auto field = std::make_unique<TZR_GuideLabel>();
    field->setFieldName(QStringLiteral("이름"));
    field->setBounds(QRect(10, 10, 120, 24));
    source.currentCellPanel()->addObject(std::move(field));
    const QString path = mDir.filePath(QStringLiteral("fields.qbl"));
    WriteOptions options;
    options.zoom = 150;
    QVERIFY(writeDocument(source, path, options));

    auto w = window();
    QVERIFY(w->openDocument(path));
    QCOMPARE(w->workSpace()->zoom(), 100);
    const PaintContext context = w->workSpace()->paintContext();
    QVERIFY(context.labelRecord);
    QCOMPARE(context.labelRecord->value(QStringLiteral("이름")), QStringLiteral("홍길동"));
    QVERIFY(!w->document().isModified());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
