// The main window shows the document's caption and sheet summary from the caption file, and
// offers the file commands in its menu and tool bar.
#include "editor/MainWindow.h"

#include "document/SampleSheet.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace quill;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsCaptionAndSheetSummary()
    {
        const CaptionFile captions(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat"));
        MainWindow window(captions);
        TZR_LabelSize sheet;
        QVERIFY(sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true).ok());
        QVERIFY(window.newDocument(sheet));
        QCOMPARE(window.windowTitle(),
                 captions.read(QStringLiteral("MenuCaption"), QStringLiteral("MainForm")));
        QVERIFY(window.statusText().contains(QStringLiteral("63.5 * 38.1 mm")));
        QVERIFY(window.statusText().contains(QStringLiteral("= 21 ")));
    }

    void withoutCaptionFileEveryTextIsZero()
    {
        QTemporaryDir dir;
        const CaptionFile captions(dir.filePath(QStringLiteral("label.dat")));
        MainWindow window(captions);
        QCOMPARE(window.windowTitle(), QStringLiteral("0"));
        QVERIFY(window.statusText().startsWith(QStringLiteral(" 0 : ")));
    }

    void fileMenuAndToolBar()
    {
        const CaptionFile captions(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat"));
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QStringList messages;
        PrintServices services;
        services.printerNames = [] { return QStringList(); };
        services.showMessage = [&messages](QWidget *, const QString &text) { messages << text; };
        MainWindow window(captions, settings, services);

        auto *file = window.findChild<QMenu *>(QStringLiteral("FileMenu"));
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("파일"));
        const QList<QAction *> actions = file->actions();
        QStringList texts;
        for (const QAction *action : actions)
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts,
            (QStringList {QStringLiteral("열기..."), QStringLiteral("미리보기"),
                QStringLiteral("인쇄"), QStringLiteral("-"), QStringLiteral("끝내기")}));
        QCOMPARE(actions.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(actions.at(2)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

        // The tool buttons carry the caption file's hints and run the same commands.
        auto *bar = window.findChild<QToolBar *>(QStringLiteral("MainToolBar"));
        QVERIFY(bar);
        QStringList hints;
        for (const QAction *action : bar->actions())
            hints << action->toolTip();
        QCOMPARE(hints,
            (QStringList {captions.read(QStringLiteral("ButtonHint"), QStringLiteral("OpenBtn")),
                QStringLiteral("미리보기"), QStringLiteral("인쇄")}));
        bar->findChild<QAction *>(QStringLiteral("PrintBtn"))->trigger();
        QCOMPARE(messages, QStringList {noPrinterMessage()});
        actions.at(2)->trigger();
        QCOMPARE(messages.size(), 2);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
