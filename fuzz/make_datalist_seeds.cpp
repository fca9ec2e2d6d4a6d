// Writes a starting corpus for the data list reader fuzzer: a small Korean list in every format
// the program writes, and an OpenDocument sheet, each behind the byte that picks its format.
// Workbooks are re-zipped with stored members, so that mutations reach their XML directly.
#include "datalists/DataListFile.h"
#include "datalists/ZipArchive.h"
#include "datalists/ZipWriter.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace quill;

namespace {

DataTable sampleTable()
{
    DataTable t;
    t.name = QStringLiteral("주소록");
    t.fields = {{QStringLiteral("이름"), FieldType::Text, 20},
                {QStringLiteral("주소"), FieldType::Text, 40},
                {QStringLiteral("나이"), FieldType::Integer, 0},
                {QStringLiteral("점수"), FieldType::Float, 0},
                {QStringLiteral("가입일"), FieldType::Date, 0},
                {QStringLiteral("회원"), FieldType::Boolean, 0}};
    t.rows = {{QStringLiteral("홍길동"), QStringLiteral("서울시 \"가\"동 <&>"), 42, 3.5, QDate(2023, 5, 17), true},
              {QStringLiteral("Kim"), QStringLiteral("부산\n해운대"), -7, 0.125, QDate(1999, 12, 31), false},
              {QStringLiteral("이순신"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}};
    return t;
}

// The members of an .xlsx that the reader uses, stored uncompressed.
QByteArray storedWorkbook(const QString &path)
{
    auto zip = ZipArchive::open(path);
    if (!zip)
        return {};
    QList<ZipMember> members;
    for (const char *name : {"xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/worksheets/sheet1.xml",
                             "xl/sharedStrings.xml"}) {
        auto bytes = zip.value().read(QString::fromLatin1(name));
        if (bytes)
            members.append({name, bytes.value(), false, {}});
    }
    return zipArchive(members);
}

QByteArray odsFile()
{
    const QByteArray content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content"
        " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
        "<table:table table:name=\"명단\"><table:table-row-group><table:table-row>"
        "<table:table-cell office:value-type=\"string\"><text:p>이름</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"string\"><text:p>점수</text:p></table:table-cell></table:table-row>"
        "</table:table-row-group><table:table-row table:number-rows-repeated=\"2\">"
        "<table:table-cell office:value-type=\"string\" table:number-columns-repeated=\"1\"><text:p>가<text:s text:c=\"2\"/>&amp;</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"float\" office:value=\"3.5\"/></table:table-row>"
        "</table:table></office:spreadsheet></office:body></office:document-content>";
    return zipArchive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false, {}},
                       {"content.xml", content, false, {}}});
}

bool save(const QDir &dir, int format, const QByteArray &bytes)
{
    QFile file(dir.filePath(QStringLiteral("seed-%1").arg(format)));
    const QByteArray input = char(format) + bytes;
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(input) == input.size();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_datalist_seeds FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    QTemporaryDir work;
    const DataTable table = sampleTable();
    // The format bytes of the fuzzer: xlsx 0, ods 1, csv 2, dbf 3, db 4, xls 5, sqlite 6.
    const QList<QPair<int, QString>> written{{0, QStringLiteral("xlsx")}, {2, QStringLiteral("csv")},
                                             {3, QStringLiteral("dbf")}, {4, QStringLiteral("db")},
                                             {6, QStringLiteral("sqlite")}};
    bool ok = work.isValid() && save(dir, 1, odsFile());
    for (const auto &[format, ext] : written) {
        const QString path = work.filePath(QStringLiteral("seed.") + ext);
        ok = ok && writeDataList(path, table).ok();
        ok = ok && save(dir, format, format == 0 ? storedWorkbook(path) : readAll(path));
    }
    return ok ? 0 : 1;
}
