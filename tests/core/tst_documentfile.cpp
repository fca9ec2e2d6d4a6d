// Tests of the document file: record tables, file layout, merge table copies, atomic writes,
// reading damaged files, and the JSON form used by the command-line tool.
#include "document/DocumentFile.h"
#include "document/DocumentJson.h"
#include "document/DocumentRecords.h"
#include "document/ObjectStream.h"
#include "document/PropertyStreamReader.h"
#include "document/PropertyStreamWriter.h"
#include "objects/ObjectClasses.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QByteArray int32Bytes(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QStringList entryNames(const StreamRecord &record)
{
    QStringList names;
    for (const StreamEntry &e : record.entries)
        names.append(e.name);
    return names;
}

TZR_LabelSize sheet(int rows, int columns)
{
    TZR_LabelSize s;
    s.setRows(quint16(rows));
    s.setColumns(quint16(columns));
    s.setWidth(2.5);
    s.setHeight(1.5);
    s.setHorizSpace(0.125f);
    s.setVertSpace(0.1f);
    s.setPageWidth(8.27);
    s.setPageHeight(11.69);
    s.setLabelCode(QStringLiteral("QL-2x2"));
    s.setLabelKindType(QStringLiteral("주소 라벨"));
    s.setColor(0xF0FBFF);
    return s;
}

std::unique_ptr<LabelObject> makeObject(ObjectTypeCode code, int left, int top)
{
    std::unique_ptr<LabelObject> o = createObject(code);
    o->setBounds(QRect(left, top, 120, 40));
    return o;
}

QByteArray bytesOf(const LabelDocument &doc, const QString &path = QStringLiteral("/d/x.lbl"))
{
    Result<QByteArray> bytes = documentBytes(doc, path);
    return bytes ? bytes.value() : QByteArray();
}

// Two pages of a 2 x 2 sheet with text boxes, shapes, barcodes and a serial number, one text box
// of page 2, cell 3 placed at Left 300 so that tests can find its record.
void fillSample(LabelDocument &doc)
{
    QVERIFY(doc.newDocument(sheet(2, 2)));
    doc.setLabelDataList(QStringLiteral("/data/주소록.mdb"), QStringLiteral("Sheet1"));
    doc.setBarcodeDataList(QStringLiteral("/data/codes.xls"), {});
    QVERIFY(doc.addPage());
    LabelCell *c1 = doc.cell(1, 1);
    auto text = makeObject(ObjectTypeCode::TextEdit, 3, 4);
    text->setValue(QStringLiteral("WWTMemo.Strings"),
                   QStringList{QStringLiteral("안녕하세요"), QStringLiteral("line 2")});
    c1->addObject(std::move(text));
    c1->addObject(makeObject(ObjectTypeCode::VantorShape, 10, 12));
    c1->addObject(makeObject(ObjectTypeCode::Barcode, 20, 30));
    // A serial number sizes itself in the editor; files hold it at fixed size.
    doc.cell(1, 4)->addObject(makeObject(ObjectTypeCode::SerialNumber, 1, 2))
        ->setValue(QStringLiteral("AutoSize"), true);
    LabelCell *c23 = doc.cell(2, 3);
    c23->addObject(makeObject(ObjectTypeCode::VantorShape, 0, 0));
    c23->addObject(makeObject(ObjectTypeCode::TextEdit, 300, 5));
    c23->addObject(makeObject(ObjectTypeCode::Barcode2D, 7, 8));
    doc.cell(2, 4)->addObject(makeObject(ObjectTypeCode::TextEdit, 9, 9));
    doc.workLabel().setGridflag(true);
    doc.workLabel().setLeftMargin(1.25);
}

// Every page's captions, cell bounds and object records, to compare documents.
QStringList describe(const LabelDocument &doc)
{
    QStringList out;
    out << doc.labelDataListPath() << doc.labelDataListTable() << doc.barcodeDataListPath()
        << doc.barcodeDataListTable();
    for (int p = 1; p <= doc.pageCount(); ++p) {
        const LabelPage *page = doc.page(p);
        out << page->caption();
        for (int n = 1; n <= page->cellCount(); ++n) {
            const LabelCell *cell = page->cell(n);
            out << QStringLiteral("cell %1 %2,%3 %4x%5 tab %6")
                       .arg(n)
                       .arg(cell->bounds().x())
                       .arg(cell->bounds().y())
                       .arg(cell->bounds().width())
                       .arg(cell->bounds().height())
                       .arg(cell->tabOrder());
            for (const auto &object : cell->objects()) {
                QByteArray record;
                PropertyStreamWriter writer(&record);
                writeObject(writer, *object);
                out << QString::fromLatin1(record.toHex());
            }
        }
    }
    return out;
}

} // namespace

class TestDocumentFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerDocumentClasses();
        registerObjectClasses();
    }

    void pageRecordIsThirtyThreeBytes()
    {
        QByteArray bytes;
        PropertyStreamWriter writer(&bytes);
        QVERIFY(writeObject(writer, *pageToObject(LabelPage(QStringLiteral("Page_1")))));
        const QByteArray expected = QByteArray("TPF0") + '\x09' + "TTabSheet" + '\0' + '\x07'
                                    + "Caption" + '\x06' + '\x06' + "Page_1" + '\0' + '\0';
        QCOMPARE(expected.size(), 33);
        QCOMPARE(bytes, expected);
    }

    void nestedLabelSizeContribution()
    {
        TZR_WorkLabel w;
        TZR_LabelSize s;
        s.setHeight(1.5);
        w.setLabelSize(s);
        QStringList nested;
        for (const QString &name : entryNames(recordFromObject(*workLabelToObject(w)))) {
            if (name.startsWith(u"LabelSize."))
                nested.append(name);
        }
        QCOMPARE(nested, (QStringList{u"LabelSize.Height"_s, u"LabelSize.MeasureUnit"_s,
                                      u"LabelSize.LabelsPerSheet"_s, u"LabelSize.Columns"_s,
                                      u"LabelSize.Rows"_s, u"LabelSize.Shape"_s, u"LabelSize.Color"_s}));
        const StreamRecord r = recordFromObject(*workLabelToObject(w));
        QCOMPARE(r.value(QStringLiteral("LabelSize.MeasureUnit"))->identName(), u"muInches"_s);
        QCOMPARE(r.value(QStringLiteral("LabelSize.Color"))->identName(), u"clBlack"_s);
    }

    void workLabelRecordEntries_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<bool>("colorWritten");
        QTest::newRow("white paper") << quint32(clWhite) << false;
        QTest::newRow("cream paper") << quint32(0xF0FBFF) << true;
    }

    void workLabelRecordEntries()
    {
        QFETCH(quint32, color);
        QFETCH(bool, colorWritten);
        TZR_WorkLabel w;
        w.setColor(color);
        QStringList expected{u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s};
        if (colorWritten)
            expected << u"Color"_s;
        expected << u"LabelSize.MeasureUnit"_s << u"LabelSize.LabelsPerSheet"_s << u"LabelSize.Columns"_s
                 << u"LabelSize.Rows"_s << u"LabelSize.Shape"_s << u"LabelSize.Color"_s << u"LabelCount"_s
                 << u"FromLabel"_s << u"PrintStartPage"_s << u"PrintEndPage"_s << u"GridWidth"_s
                 << u"GridColor"_s << u"StartRow"_s << u"StartColumn"_s << u"PrintSheet"_s
                 << u"PrintLabelPaper"_s << u"ShadowFlag"_s;
        QCOMPARE(entryNames(recordFromObject(*workLabelToObject(w))), expected);
    }

    void workLabelObjectRoundTrip()
    {
        TZR_WorkLabel w;
        w.setLabelSize(sheet(3, 2));
        w.labelSize().setMeasureUnit(muMillimeters);
        w.labelSize().setShape(stRoundRect);
        w.labelSize().setC_Code(QStringLiteral("c"));
        w.labelSize().setLabelsPerSheet(6);
        w.setWidth(123);
        w.setHeight(45);
        w.setColor(0x123456);
        w.setZoomPercent(75);
        w.setLeftMargin(-1.5);
        w.setFromLabel(4);
        w.setStartColumn(5);
        w.setGridColor(clGray);
        w.setCutLine(true);
        w.setShadowFlag(false);
        w.setPrintLabelPaper(true);
        QByteArray bytes;
        PropertyStreamWriter writer(&bytes);
        QVERIFY(writeObject(writer, *workLabelToObject(w)));
        PropertyStreamReader reader(bytes);
        auto object = workLabelToObject(TZR_WorkLabel());
        QVERIFY(readObjectInto(reader, *object));
        TZR_WorkLabel back;
        applyWorkLabelObject(*object, back);
        QCOMPARE(back.labelSize(), w.labelSize());
        QCOMPARE(back.color(), w.color());
        QCOMPARE(back.zoomPercent(), w.zoomPercent());
        QCOMPARE(back.leftMargin(), w.leftMargin());
        QCOMPARE(back.fromLabel(), quint16(4));
        QCOMPARE(back.startColumn(), quint16(5));
        QCOMPARE(back.gridColor(), clGray);
        QCOMPARE(back.cutLine(), true);
        QCOMPARE(back.shadowFlag(), false);
        QCOMPARE(back.printLabelPaper(), true);
        QCOMPARE(back.width(), w.width());
    }

    void layoutOfOnePageTwoByTwo()
    {
        LabelDocument doc;
        QVERIFY(doc.newDocument(sheet(2, 2)));
        const QByteArray bytes = bytesOf(doc);
        PropertyStreamReader reader(bytes);
        QCOMPARE(reader.readInt32().value(), 2005);
        QCOMPARE(bytes.mid(4, 8), int32Bytes(4) + "v1.0");
        reader.seek(12 + 4 * 4); // four empty data list texts
        QCOMPARE(reader.readInt32().value(), 100);
        QCOMPARE(reader.readRecord().value().className, u"TZR_WorkLabel"_s);
        QCOMPARE(reader.readInt32().value(), 1100);
        const qint64 pageAt = reader.pos();
        QVERIFY(reader.readRecord());
        QCOMPARE(reader.pos() - pageAt, 33);
        QCOMPARE(reader.readInt32().value(), 3);
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(reader.readInt32().value(), 1000);
            Result<StreamRecord> panel = reader.readRecord();
            QVERIFY(panel);
            QCOMPARE(panel.value().className, u"TPanel"_s);
            QCOMPARE(entryNames(panel.value()),
                     (QStringList{u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s, u"TabOrder"_s}));
            QCOMPARE(panel.value().value(QStringLiteral("TabOrder"))->toInteger(), n - 1);
            QCOMPARE(reader.readInt32().value(), -1);
        }
        QVERIFY(reader.atEnd());
    }

    void zoomInHeaderWorkLabelAt100()
    {
        LabelDocument doc;
        QVERIFY(doc.newDocument(sheet(2, 2)));
        doc.workLabel().setZoomPercent(150);
        doc.workLabel().fitToCell();
        const QByteArray bytes = bytesOf(doc);
        QCOMPARE(bytes.mid(28, 4), int32Bytes(150));
        PropertyStreamReader reader(bytes, 32);
        const StreamRecord record = reader.readRecord().value();
        QVERIFY(!record.value(QStringLiteral("ZoomPercent"))); // 100, the declared default
        TZR_WorkLabel at100 = doc.workLabel();
        at100.setZoomPercent(100);
        at100.fitToCell();
        QCOMPARE(record.value(QStringLiteral("Width"))->toInteger(), at100.width());

        LabelDocument back;
        Result<ReadReport> report = readDocumentBytes(back, bytes, QStringLiteral("x.lbl"));
        QVERIFY(report);
        QCOMPARE(report.value().zoom, 150);
        QCOMPARE(back.workLabel().zoomPercent(), quint16(100));
    }

    void mergeTableCopyNames_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QChar>("kind");
        QTest::addColumn<QString>("copy");
        QTest::newRow("field data") << u"Sheet1.lbl"_s << QChar(u'D') << u"Sheet1.Dbl"_s;
        QTest::newRow("barcode data") << u"/a/b/Sheet1.lbl"_s << QChar(u'B') << u"/a/b/Sheet1.Bbl"_s;
        QTest::newRow("capitals") << u"REPORT.LBL"_s << QChar(u'D') << u"REPORT.DBL"_s;
        QTest::newRow("too short") << u"ab"_s << QChar(u'D') << u"ab"_s;
    }

    void mergeTableCopyNames()
    {
        QFETCH(QString, document);
        QFETCH(QChar, kind);
        QFETCH(QString, copy);
        QCOMPARE(mergeTableCopyPath(document, kind), copy);
    }

    void mergeTablesAreCopiedBesideTheDocument()
    {
        QTemporaryDir dir;
        const QString tmp = dir.filePath(QStringLiteral("label.tmp"));
        const QString doc = dir.filePath(QStringLiteral("Sheet1.lbl"));
        const QString copy = dir.filePath(QStringLiteral("Sheet1.Dbl"));
        writeFile(tmp, "new rows");
        writeFile(copy, "old rows"); // an older copy is replaced, never kept
        LabelDocument document;
        QVERIFY(document.newDocument(sheet(1, 1)));
        document.setLabelDataList(tmp, QStringLiteral("T"));
        document.setBarcodeDataList(dir.filePath(QStringLiteral("missing.tmp")), {});
        QList<bool> access;
        WriteOptions autoSave;
        autoSave.autoSave = true;
        autoSave.mergeTableAccess = [&](MergeTable, bool closing) { access.append(closing); };
        QVERIFY(saveDocument(document, doc, autoSave));
        QCOMPARE(access, (QList<bool>{true, false}));
        QCOMPARE(readFile(copy), QByteArray("new rows"));
        QCOMPARE(document.labelDataListPath(), tmp); // an auto-save keeps the merge table

        WriteReport report;
        QVERIFY(saveDocument(document, doc, {}, &report));
        QCOMPARE(report.copiedFiles, QStringList{copy});
        QCOMPARE(document.labelDataListPath(), copy);
        QCOMPARE(document.labelDataListTable(), u"T"_s);
        QCOMPARE(document.fileName(), doc);

        LabelDocument back;
        QVERIFY(readDocument(back, doc));
        QCOMPARE(back.labelDataListPath(), copy);
        QCOMPARE(back.barcodeDataListPath(), dir.filePath(QStringLiteral("Sheet1.Bbl")));
    }

    void roundTripOfPagesAndObjects()
    {
        LabelDocument doc;
        fillSample(doc);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sample.lbl"));
        QVERIFY(writeDocument(doc, path));
        LabelDocument back;
        Result<ReadReport> report = readDocument(back, path);
        QVERIFY(report);
        QVERIFY2(report.value().complete(), qPrintable(report.value().problems.value(0).message));
        QCOMPARE(describe(back), describe(doc));
        QCOMPARE(back.labelSize(), doc.labelSize());
        QCOMPARE(back.fileName(), path);
        QVERIFY(!back.isModified());
        // The opened work label takes the sheet and its colour; grid and print settings stay
        // in the report as the file holds them.
        QCOMPARE(back.workLabel().color(), doc.labelSize().color());
        QCOMPARE(back.workLabel().gridflag(), false);
        QCOMPARE(report.value().storedWorkLabel->gridflag(), true);
        QCOMPARE(report.value().storedWorkLabel->leftMargin(), 1.25);
    }

    void failedWriteKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.lbl"));
        LabelDocument good;
        fillSample(good);
        QVERIFY(writeDocument(good, path));
        const QByteArray before = readFile(path);

        // A component name outside the code page cannot be written: the write fails half way.
        LabelDocument bad;
        fillSample(bad);
        bad.cell(2, 4)->object(0)->setComponentName(QStringLiteral("x\U0001F600"));
        Status s = writeDocument(bad, path);
        QVERIFY(!s);
        QCOMPARE(s.error().where, path);
        QCOMPARE(readFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"keep.lbl"_s});

        QVERIFY(!writeDocument(good, dir.filePath(QStringLiteral("no/such/dir/x.lbl"))));
    }

    void damageInsideACellIsReportedAndTheRestKept()
    {
        LabelDocument doc;
        fillSample(doc);
        QByteArray bytes = bytesOf(doc);
        // The text box at Left 300 (03 2C 01) gets a text value of the same length (06 01 41).
        const QByteArray left300 = QByteArray("\x04Left\x03\x2C\x01", 8);
        const qsizetype at = bytes.indexOf(left300);
        QVERIFY(at > 0 && bytes.indexOf(left300, at + 1) < 0);
        bytes.replace(at + 5, 3, QByteArray("\x06\x01\x41", 3));

        LabelDocument back;
        Result<ReadReport> report = readDocumentBytes(back, bytes, QStringLiteral("d.lbl"));
        QVERIFY(report);
        QCOMPARE(report.value().problems.size(), 1);
        const ReadProblem problem = report.value().problems.first();
        QVERIFY2(problem.message.contains(u"TZR_TextEdit.Left"), qPrintable(problem.message));
        QVERIFY2(problem.where.startsWith(u"page 2, cell 3, object 2, offset "),
                 qPrintable(problem.where));
        // The damaged object is left out; its neighbours and the later cells are kept.
        QCOMPARE(back.cell(2, 3)->objectCount(), 2);
        QCOMPARE(back.cell(2, 4)->objectCount(), 1);
    }

    void unknownObjectCodeSkipsOnlyThatObject()
    {
        LabelDocument doc;
        QVERIFY(doc.newDocument(sheet(1, 1)));
        QByteArray bytes = bytesOf(doc);
        bytes.chop(4); // the empty cell's object count
        QByteArray objects;
        {
            PropertyStreamWriter writer(&objects);
            writer.writeInt32(1);
            writer.writeInt32(5);
            writeObject(writer, *makeObject(ObjectTypeCode::TextEdit, 1, 1));
            writer.writeInt32(27);
            writeObject(writer, *makeObject(ObjectTypeCode::TextEdit, 2, 2));
        }
        LabelDocument back;
        Result<ReadReport> report =
            readDocumentBytes(back, bytes + objects, QStringLiteral("d.lbl"));
        QVERIFY(report);
        QCOMPARE(report.value().problems.size(), 1);
        QVERIFY(report.value().problems.first().message.contains(u"type code 5"));
        QCOMPARE(back.cell(1, 1)->objectCount(), 1);
        QCOMPARE(back.cell(1, 1)->object(0)->bounds().left(), 2);
    }

    void headerDamageLeavesTheDocumentAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text longer than the file")
            << int32Bytes(2005) + int32Bytes(1000) + QByteArray("v1.0");
        QTest::newRow("negative text length") << int32Bytes(2005) + int32Bytes(-4);
        QTest::newRow("no work label") << int32Bytes(2005) + int32Bytes(0) + int32Bytes(0)
                                              + int32Bytes(0) + int32Bytes(0) + int32Bytes(0)
                                              + int32Bytes(100);
        QTest::newRow("a page instead of the work label")
            << int32Bytes(2005) + QByteArray(20, '\0') + int32Bytes(100) + pageRecord();
    }

    void headerDamageLeavesTheDocumentAlone()
    {
        QFETCH(QByteArray, bytes);
        LabelDocument doc;
        fillSample(doc);
        doc.setFileName(QStringLiteral("/old.lbl"));
        const QStringList before = describe(doc);
        Result<ReadReport> report = readDocumentBytes(doc, bytes, QStringLiteral("/new.lbl"));
        QVERIFY(!report);
        QVERIFY(!report.error().message.isEmpty());
        QCOMPARE(describe(doc), before);
        QCOMPARE(doc.fileName(), u"/old.lbl"_s);
    }

    void legacyMarkerGoesToTheLegacyImport()
    {
        LabelDocument doc;
        Result<ReadReport> report =
            readDocumentBytes(doc, int32Bytes(100), QStringLiteral("old.lbl"));
        QVERIFY(!report || report.value().legacy);
    }

    // Cut at every length: an error, or a document with the damage reported. A read without
    // problems must be a whole document that writes back to exactly the bytes that were read.
    void truncatedAtEveryOffset()
    {
        LabelDocument doc;
        fillSample(doc);
        // Settings an opened work label does not take would differ when written back.
        doc.workLabel().setGridflag(false);
        doc.workLabel().setLeftMargin(0);
        const QByteArray bytes = bytesOf(doc);
        int partial = 0;
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            LabelDocument back;
            const QByteArray cut = bytes.left(n);
            Result<ReadReport> report = readDocumentBytes(back, cut, QStringLiteral("/d/x.lbl"));
            if (!report)
                continue;
            checkConsistent(back);
            if (report.value().complete())
                QCOMPARE(bytesOf(back), cut);
            else
                ++partial;
        }
        QVERIFY(partial > bytes.size() / 2);
    }

    void corruptedByteSweep()
    {
        LabelDocument doc;
        fillSample(doc);
        const QByteArray bytes = bytesOf(doc);
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            for (char value : {'\x00', '\x7F', '\xFF'}) {
                QByteArray damaged = bytes;
                damaged[n] = damaged[n] == value ? char(value ^ 0x55) : value;
                LabelDocument back;
                Result<ReadReport> report =
                    readDocumentBytes(back, damaged, QStringLiteral("d.lbl"));
                if (report) {
                    checkConsistent(back);
                    for (const ReadProblem &p : report.value().problems)
                        QVERIFY(p.where.contains(u"offset "));
                }
            }
        }
    }

    void jsonRoundTrip()
    {
        LabelDocument doc;
        fillSample(doc);
        const QByteArray bytes = bytesOf(doc);
        LabelDocument read;
        Result<ReadReport> report = readDocumentBytes(read, bytes, QStringLiteral("/d/x.lbl"));
        QVERIFY(report);
        const QByteArray json = documentToJson(read, report.value());

        LabelDocument built;
        WriteOptions options;
        const QJsonDocument parsed = QJsonDocument::fromJson(json);
        QVERIFY(parsed.isObject());
        QVERIFY(documentFromJson(built, parsed.object(), &options));
        Result<QByteArray> rebuilt = documentBytes(built, QStringLiteral("/d/x.lbl"), options);
        QVERIFY(rebuilt);
        QCOMPARE(rebuilt.value(), bytes);
    }

    void jsonErrorsNameThePlace_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("where");
        QTest::newRow("unknown property")
            << QByteArray(R"({"workLabel": {"props": {"Nonsense": 1}}})") << u"workLabel.props"_s;
        QTest::newRow("unknown code")
            << QByteArray(R"({"workLabel": {"props": {"LabelSize.Rows": 1, "LabelSize.Columns": 1}},
                             "pages": [{"cells": [{"objects": [{"code": 99}]}]}]})")
            << u"pages[0].cells[0].objects[0]"_s;
        QTest::newRow("too many cells")
            << QByteArray(R"({"pages": [{"cells": [{}, {}]}]})") << u"pages[0]"_s;
        QTest::newRow("pages not an array") << QByteArray(R"({"pages": 3})") << u"pages"_s;
    }

    void jsonErrorsNameThePlace()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, where);
        LabelDocument doc;
        Status s = documentFromJson(doc, QJsonDocument::fromJson(json).object(), nullptr);
        QVERIFY(!s);
        QCOMPARE(s.error().where, where);
    }

private:
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QByteArray pageRecord()
    {
        QByteArray bytes;
        PropertyStreamWriter writer(&bytes);
        writeObject(writer, *pageToObject(LabelPage(QStringLiteral("Page_1"))));
        return bytes;
    }

    static void checkConsistent(const LabelDocument &doc)
    {
        QVERIFY(doc.pageCount() >= 1 && doc.pageCount() <= LabelDocument::MaxPages);
        for (int p = 1; p <= doc.pageCount(); ++p)
            QCOMPARE(doc.page(p)->cellCount(), doc.cellsPerPage());
        QCOMPARE(doc.currentPage(), 1);
        QCOMPARE(doc.currentCell(), 1);
    }
};

QTEST_MAIN(TestDocumentFile) // objects measure their text with fonts
#include "tst_documentfile.moc"
