// Opening a document in the main window: a sound file replaces the open document; a damaged one
// or a refused offer of its readable part leaves it as it was.
#include "editor/MainWindow.h"

#include "document/DocumentFile.h"
#include "document/DocumentRecords.h"
#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_TextEdit.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

std::unique_ptr<TZR_TextEdit> textBox(const QString &text)
{
    auto box = std::make_unique<TZR_TextEdit>();
    box->setFontName(QStringLiteral("DejaVu Sans"));
    box->setWwfMemo({text});
    box->setBounds(QRect(10, 10, 150, 24));
    return box;
}

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

} // namespace

class TestOpenDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openReplacesDocument();
    void damagedFileKeepsDocument_data();
    void damagedFileKeepsDocument();

private:
    // A document of the given number of pages, three text boxes on each, written as a file.
    QString writtenDocument(int pages);

    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    CaptionFile mCaptions {QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    PrintServices mServices;
    QStringList mMessages;
};

void TestOpenDocument::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
}

void TestOpenDocument::init()
{
    const QString ini = mDir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(ini);
    mSettings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    mMessages.clear();
    mServices = PrintServices();
    mServices.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    // Opening only the readable part of a damaged file is offered; the test declines.
    mServices.askYesNo = [this](QWidget *, const QString &, const QString &text) {
        mMessages << text;
        return false;
    };
}

QString TestOpenDocument::writtenDocument(int pages)
{
    LabelDocument document;
    if (!document.newDocument(sampleSheet()))
        return {};
    for (int p = 2; p <= pages; ++p)
        document.addPage();
    for (int p = 1; p <= pages; ++p) {
        for (int c = 1; c <= 3; ++c)
            document.cell(p, c)->addObject(textBox(QStringLiteral("P%1C%2").arg(p).arg(c)));
    }
    const QString path = mDir.filePath(QStringLiteral("doc%1.qbl").arg(pages));
    const Status written = writeDocument(document, path);
    if (!written)
        qWarning("%s", qPrintable(written.error().message));
    return path;
}

void TestOpenDocument::openReplacesDocument()
{
    const QString path = writtenDocument(3);
    MainWindow window(mCaptions, *mSettings, mServices);
    QVERIFY(window.newDocument(sampleSheet()));
    QVERIFY(window.openDocument(path));
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    QCOMPARE(window.document().fileName(), path);
    QCOMPARE(window.document().pageCount(), 3);
    QCOMPARE(window.document().cell(3, 2)->objects().size(), size_t(1));
    QVERIFY(window.windowTitle().contains(path));
    QVERIFY(window.isAutoSaveActive());
}

void TestOpenDocument::damagedFileKeepsDocument_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("cut in the objects") << QStringLiteral("truncate");
    QTest::newRow("not a document") << QStringLiteral("short");
    QTest::newRow("no such file") << QStringLiteral("missing");
}

void TestOpenDocument::damagedFileKeepsDocument()
{
    QFETCH(QString, damage);
    const QString source = writtenDocument(2);
    const QString path = mDir.filePath(QStringLiteral("damaged.qbl"));
    QFile::remove(path);
    if (damage != u"missing") {
        QFile in(source);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(damage == u"short" ? bytes.left(2) : bytes.left(bytes.size() - 40));
    }
    if (damage == u"truncate") {
        // The reader itself keeps what it could read: the window must not take that.
        LabelDocument probe;
        const Result<ReadReport> read = readDocument(probe, path);
        QVERIFY(read && !read.value().complete());
    }
    MainWindow window(mCaptions, *mSettings, mServices);
    QVERIFY(window.newDocument(sampleSheet()));
    window.document().currentCellPanel()->addObject(textBox(QStringLiteral("KEEP")));
    const QString title = window.windowTitle();

    QVERIFY(!window.openDocument(path));
    QCOMPARE(mMessages.size(), 1);
    QVERIFY2(mMessages.first().contains(path), qPrintable(mMessages.first()));
    QCOMPARE(window.document().fileName(), QString());
    QCOMPARE(window.document().pageCount(), 1);
    QCOMPARE(window.document().currentCellPanel()->objects().size(), size_t(1));
    QCOMPARE(window.windowTitle(), title);
    QVERIFY(window.isAutoSaveActive());
}

QTEST_MAIN(TestOpenDocument)
#include "tst_opendocument.moc"
