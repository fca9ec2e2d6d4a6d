// Writes a starting corpus for the document reader fuzzer: a document with one object of every
// class, the same objects as an object list, and a small legacy document.
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "document/ObjectList.h"
#include "document/PropertyStreamWriter.h"
#include "objects/ObjectClasses.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace quill;

namespace {

bool save(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void fillCell(LabelCell &cell)
{
    for (ObjectTypeCode code : ObjectTypeWriteOrder) {
        if (std::unique_ptr<LabelObject> object = createObject(code)) {
            object->setBounds(QRect(4, 5, 60, 30));
            cell.addObject(std::move(object));
        }
    }
}

QByteArray legacyDocument()
{
    QByteArray bytes;
    PropertyStreamWriter writer(&bytes);
    writer.writeInt32(100);
    writer.writeInt32(2);
    writer.writeInt32(11);
    StreamRecord sheet;
    sheet.className = QStringLiteral("TWorkLabel");
    sheet.entries = {{QStringLiteral("LabelSize.Rows"), StreamValue::integer(2), -1},
                     {QStringLiteral("LabelSize.Columns"), StreamValue::integer(2), -1}};
    (void)writer.writeRecord(sheet);
    writer.writeInt32(3);
    StreamRecord memo;
    memo.className = QStringLiteral("TMemo");
    memo.entries = {{QStringLiteral("Left"), StreamValue::integer(40), -1},
                    {QStringLiteral("Lines.Strings"),
                     StreamValue::list({StreamValue::fromLineText(QStringLiteral("text"))}), -1}};
    (void)writer.writeRecord(memo);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
        return 2;
    }
    registerObjectClasses();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    TZR_LabelSize sheet;
    sheet.setRows(2);
    sheet.setColumns(2);
    sheet.setWidth(2.0);
    sheet.setHeight(1.0);
    LabelDocument doc;
    if (!doc.newDocument(sheet).ok())
        return 1;
    fillCell(*doc.cell(1, 1));
    Result<QByteArray> document = documentBytes(doc, QStringLiteral("/seed/sample.lbl"));
    QByteArray list;
    PropertyStreamWriter writer(&list);
    const bool listOk = writeObjectList(writer, doc.cell(1, 1)->objects()).ok();
    const bool ok = document.ok() && listOk && save(dir, QStringLiteral("document"), document.value())
        && save(dir, QStringLiteral("objects"), list)
        && save(dir, QStringLiteral("legacy"), legacyDocument());
    return ok ? 0 : 1;
}
