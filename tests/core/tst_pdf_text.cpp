// Text copied or extracted from our PDFs keeps the spaces between words, in Korean fonts too.
#include "printing/PdfSheetSink.h"
#include "printing/PdfTextMapping.h"

#include <QBuffer>
#include <QFont>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

QString extractedText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestPdfText : public QObject {
    Q_OBJECT
private slots:
    void mappingListsAreFixed_data();
    void mappingListsAreFixed();
    void filterFixesListsSplitAnywhere();
    void koreanTextKeepsItsSpaces_data();
    void koreanTextKeepsItsSpaces();
};

void TestPdfText::mappingListsAreFixed_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("expected");
    // The writer's own shape: the .notdef range, then arrays of destinations.
    QTest::newRow("array") << QByteArray("2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<C11C> <0001> <AC15> <0009>]\nendbfrange\n")
                           << QByteArray("2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<C11C> <0020> <AC15> <0020>]\nendbfrange\n");
    QTest::newRow("one-glyph range") << QByteArray("beginbfrange\n<0003> <0003> <0001>\nendbfrange\n")
                                     << QByteArray("beginbfrange\n<0003> <0003> <0020>\nendbfrange\n");
    QTest::newRow("longer range kept") << QByteArray("beginbfrange\n<0003> <0005> <0001>\nendbfrange\n")
                                       << QByteArray("beginbfrange\n<0003> <0005> <0001>\nendbfrange\n");
    QTest::newRow("glyph codes kept") << QByteArray("beginbfchar\n<0001> <0041>\n<0002> <001f>\nendbfchar\n")
                                      << QByteArray("beginbfchar\n<0001> <0041>\n<0002> <0020>\nendbfchar\n");
    QTest::newRow("outside the lists") << QByteArray("<0001> <0001>\n") << QByteArray("<0001> <0001>\n");
}

void TestPdfText::mappingListsAreFixed()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, expected);
    const qsizetype size = list.size();
    fixControlCharacterMappings(list);
    QCOMPARE(list, expected);
    QCOMPARE(list.size(), size);
}

void TestPdfText::filterFixesListsSplitAnywhere()
{
    const QByteArray head = QByteArray("%PDF-1.4\nstream\n") + QByteArray("x\x01\xff<0001>beginb", 14);
    const QByteArray in = head + "\n12 0 obj\n2 beginbfrange\n<0001> <0002> [<0001> <B0A8>]\nendbfrange\nend\n%%EOF\n";
    QByteArray expected = in;
    expected.replace("[<0001> <B0A8>]", "[<0020> <B0A8>]");
    // Every way of cutting the file into two writes gives the same bytes.
    for (qsizetype cut = 0; cut <= in.size(); ++cut) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        {
            PdfTextMappingFilter filter(&out);
            filter.write(in.left(cut));
            filter.write(in.mid(cut));
        }
        QCOMPARE(out.data(), expected);
    }
}

void TestPdfText::koreanTextKeepsItsSpaces_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("Nanum Gothic") << QStringLiteral("NanumGothic");
    QTest::newRow("Nanum Myeongjo") << QStringLiteral("NanumMyeongjo");
    QTest::newRow("Liberation Sans") << QStringLiteral("Liberation Sans");
}

void TestPdfText::koreanTextKeepsItsSpaces()
{
    QFETCH(QString, family);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.pdf"));
    PdfSheetSink sink(path);
    QVERIFY(sink.beginJob({8.27, 11.69, false, 1, QStringLiteral("text")}));
    auto painter = sink.beginSheet();
    QVERIFY(painter.ok());
    QFont font(family);
    font.setPointSize(12);
    painter.value()->setFont(font);
    painter.value()->drawText(600, 1200, QStringLiteral("서울시 강남구 테헤란로 1 (역삼동)"));
    painter.value()->drawText(600, 2400, QStringLiteral("Kim O'Neil 귀하"));
    QVERIFY(sink.endSheet());
    QVERIFY(sink.endJob());
    const QString text = extractedText(path);
    QVERIFY2(text.contains(QStringLiteral("서울시 강남구 테헤란로 1 (역삼동)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Kim O'Neil 귀하")), qPrintable(text));
}

QTEST_MAIN(TestPdfText)
#include "tst_pdf_text.moc"
