// The main window shows the document's caption and sheet summary from the caption file.
#include "editor/MainWindow.h"

#include "document/SampleSheet.h"

#include <QTemporaryDir>
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
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
