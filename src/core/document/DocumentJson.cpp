#include "DocumentJson.h"

#include "DocumentRecords.h"
#include "ObjectJson.h"

#include <QJsonArray>

namespace quill {

namespace {

void writeDataList(JsonWriter &out, const QString &key, const QString &path, const QString &table)
{
    out.key(key);
    out.beginObject();
    out.key(QStringLiteral("path"));
    out.value(path);
    out.key(QStringLiteral("table"));
    out.value(table);
    out.endObject();
}

void writeRecordObject(JsonWriter &out, const PersistentObject &object)
{
    out.key(QStringLiteral("props"));
    writePropertiesJson(out, object);
}

void writeCell(JsonWriter &out, const LabelCell &cell)
{
    out.beginObject();
    writeRecordObject(out, *cellToObject(cell));
    out.key(QStringLiteral("objects"));
    out.beginArray();
    for (const auto &object : cell.objects()) {
        out.beginObject();
        out.key(QStringLiteral("code"));
        out.value(static_cast<int>(object->typeCode()));
        out.key(QStringLiteral("class"));
        out.value(object->className());
        writeRecordObject(out, *object);
        out.endObject();
    }
    out.endArray();
    out.endObject();
}

void writePages(JsonWriter &out, const LabelDocument &document)
{
    out.key(QStringLiteral("pages"));
    out.beginArray();
    for (int p = 1; p <= document.pageCount(); ++p) {
        const LabelPage *page = document.page(p);
        out.beginObject();
        writeRecordObject(out, *pageToObject(*page));
        out.key(QStringLiteral("cells"));
        out.beginArray();
        for (int n = 1; n <= page->cellCount(); ++n)
            writeCell(out, *page->cell(n));
        out.endArray();
        out.endObject();
    }
    out.endArray();
}

void writeReportLists(JsonWriter &out, const ReadReport &report)
{
    if (!report.problems.isEmpty()) {
        out.key(QStringLiteral("problems"));
        out.beginArray();
        for (const ReadProblem &p : report.problems) {
            out.beginObject();
            out.key(QStringLiteral("message"));
            out.value(p.message);
            out.key(QStringLiteral("where"));
            out.value(p.where);
            out.endObject();
        }
        out.endArray();
    }
    if (!report.warnings.isEmpty()) {
        out.key(QStringLiteral("warnings"));
        out.value(QJsonArray::fromStringList(report.warnings));
    }
}

} // namespace

QByteArray documentToJson(const LabelDocument &document, const ReadReport &report)
{
    JsonWriter out;
    out.beginObject();
    out.key(QStringLiteral("format"));
    out.value(report.format);
    out.key(QStringLiteral("version"));
    out.value(report.version);
    out.key(QStringLiteral("zoom"));
    out.value(report.zoom);
    writeDataList(out, QStringLiteral("labelData"), document.labelDataListPath(),
                  document.labelDataListTable());
    writeDataList(out, QStringLiteral("barcodeData"), document.barcodeDataListPath(),
                  document.barcodeDataListTable());
    out.key(QStringLiteral("workLabel"));
    out.beginObject();
    out.key(QStringLiteral("class"));
    out.value(workLabelClassInfo().className);
    writeRecordObject(out, *workLabelToObject(report.storedWorkLabel.value_or(document.workLabel())));
    out.endObject();
    writePages(out, document);
    writeReportLists(out, report);
    out.endObject();
    return out.data();
}

namespace {

Error jsonError(const QString &where, const QString &message)
{
    return Error{QStringLiteral("%1: %2").arg(where, message), where};
}

Status checkObject(const QJsonValue &value, const QString &where)
{
    if (value.isUndefined() || value.isObject())
        return {};
    return jsonError(where, QStringLiteral("an object is expected"));
}

Status checkArray(const QJsonValue &value, const QString &where)
{
    if (value.isUndefined() || value.isArray())
        return {};
    return jsonError(where, QStringLiteral("an array is expected"));
}

Status applyProps(PersistentObject &object, const QJsonObject &json, const QString &where)
{
    const QJsonValue props = json.value(QStringLiteral("props"));
    if (Status s = checkObject(props, where + QStringLiteral(".props")); !s)
        return s;
    if (Status s = propertiesFromJson(object, props.toObject()); !s)
        return jsonError(where + QStringLiteral(".props"), s.error().message);
    return {};
}

Status readHeader(LabelDocument &document, const QJsonObject &json, WriteOptions *options)
{
    for (const QString &key : {QStringLiteral("labelData"), QStringLiteral("barcodeData")}) {
        const QJsonValue v = json.value(key);
        if (Status s = checkObject(v, key); !s)
            return s;
        const QString path = v.toObject().value(QStringLiteral("path")).toString();
        const QString table = v.toObject().value(QStringLiteral("table")).toString();
        if (key == u"labelData")
            document.setLabelDataList(path, table);
        else
            document.setBarcodeDataList(path, table);
    }
    const QJsonValue zoom = json.value(QStringLiteral("zoom"));
    if (!zoom.isUndefined() && !zoom.isDouble())
        return jsonError(QStringLiteral("zoom"), QStringLiteral("a number is expected"));
    if (options && zoom.isDouble())
        options->zoom = zoom.toInt();
    return {};
}

bool hasKey(const QJsonObject &json, QStringView key)
{
    for (auto it = json.constBegin(); it != json.constEnd(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

Status readWorkLabel(LabelDocument &document, const QJsonObject &json)
{
    const QString where = QStringLiteral("workLabel");
    const QJsonValue v = json.value(where);
    if (Status s = checkObject(v, where); !s)
        return s;
    auto object = workLabelToObject(TZR_WorkLabel());
    if (Status s = applyProps(*object, v.toObject(), where); !s)
        return s;
    TZR_WorkLabel workLabel;
    applyWorkLabelObject(*object, workLabel);
    // As a new document's work label: sized to the cell and in the paper colour, unless the
    // JSON says otherwise.
    const QJsonObject props = v.toObject().value(QStringLiteral("props")).toObject();
    if (!hasKey(props, u"Color"))
        workLabel.setColor(workLabel.labelSize().color());
    if (!hasKey(props, u"Width") && !hasKey(props, u"Height"))
        workLabel.fitToCell();
    if (Status s = document.setWorkLabel(workLabel); !s)
        return jsonError(where, s.error().message);
    return {};
}

Result<std::unique_ptr<LabelObject>> objectFromJson(const QJsonObject &json, const QString &where)
{
    const QJsonValue codeValue = json.value(QStringLiteral("code"));
    const QJsonValue classValue = json.value(QStringLiteral("class"));
    std::optional<ObjectTypeCode> code;
    if (codeValue.isDouble())
        code = objectTypeCodeFromValue(codeValue.toInt());
    else if (classValue.isString())
        code = objectTypeCodeForClass(classValue.toString());
    if (!code)
        return jsonError(where, QStringLiteral("no known object \"code\" or \"class\""));
    const QString className = objectClassName(*code);
    if (classValue.isString() && classValue.toString().compare(className, Qt::CaseInsensitive))
        return jsonError(where, QStringLiteral("class %1 does not belong to code %2")
                                    .arg(classValue.toString())
                                    .arg(static_cast<int>(*code)));
    const ClassInfo *info = ClassRegistry::instance().find(className);
    std::unique_ptr<PersistentObject> object = info && info->create ? info->create() : nullptr;
    if (!dynamic_cast<LabelObject *>(object.get()))
        return jsonError(where, QStringLiteral("class %1 not found").arg(className));
    return std::unique_ptr<LabelObject>(static_cast<LabelObject *>(object.release()));
}

Status readObjects(LabelCell &cell, const QJsonObject &json, const QString &where)
{
    const QJsonValue objects = json.value(QStringLiteral("objects"));
    if (Status s = checkArray(objects, where + QStringLiteral(".objects")); !s)
        return s;
    const QJsonArray list = objects.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("%1.objects[%2]").arg(where).arg(i);
        if (Status s = checkObject(list[i], at); !s)
            return s;
        Result<std::unique_ptr<LabelObject>> object = objectFromJson(list[i].toObject(), at);
        if (!object)
            return object.error();
        if (Status s = applyProps(*object.value(), list[i].toObject(), at); !s)
            return s;
        cell.addObject(std::move(object.value()));
    }
    return {};
}

Status readCells(LabelDocument &document, LabelPage &page, const QJsonObject &json,
                 const QString &where)
{
    const QJsonValue cells = json.value(QStringLiteral("cells"));
    if (Status s = checkArray(cells, where + QStringLiteral(".cells")); !s)
        return s;
    const QJsonArray list = cells.toArray();
    if (list.size() > document.cellsPerPage())
        return jsonError(where, QStringLiteral("%1 cells for a sheet of %2")
                                    .arg(list.size())
                                    .arg(document.cellsPerPage()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("%1.cells[%2]").arg(where).arg(i);
        if (Status s = checkObject(list[i], at); !s)
            return s;
        LabelCell *cell = page.cell(static_cast<int>(i) + 1);
        auto panel = cellToObject(*cell);
        if (Status s = applyProps(*panel, list[i].toObject(), at); !s)
            return s;
        applyCellObject(*panel, *cell);
        if (Status s = readObjects(*cell, list[i].toObject(), at); !s)
            return s;
    }
    return {};
}

Status readPages(LabelDocument &document, const QJsonObject &json)
{
    const QJsonValue pages = json.value(QStringLiteral("pages"));
    if (Status s = checkArray(pages, QStringLiteral("pages")); !s)
        return s;
    const QJsonArray list = pages.toArray();
    if (list.size() > LabelDocument::MaxPages)
        return jsonError(QStringLiteral("pages"),
                         QStringLiteral("at most %1 pages").arg(LabelDocument::MaxPages));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("pages[%1]").arg(i);
        if (Status s = checkObject(list[i], at); !s)
            return s;
        if (i > 0)
            document.addPage();
        LabelPage *page = document.page(static_cast<int>(i) + 1);
        auto record = pageToObject(*page);
        if (Status s = applyProps(*record, list[i].toObject(), at); !s)
            return s;
        applyPageObject(*record, *page);
        if (Status s = readCells(document, *page, list[i].toObject(), at); !s)
            return s;
    }
    return {};
}

} // namespace

Status documentFromJson(LabelDocument &document, const QJsonObject &json, WriteOptions *options)
{
    registerDocumentClasses();
    if (Status s = readWorkLabel(document, json); !s)
        return s;
    document.resetPages();
    if (Status s = readHeader(document, json, options); !s)
        return s;
    if (Status s = readPages(document, json); !s)
        return s;
    document.selectCell(1, 1);
    document.setModified(false);
    return {};
}

} // namespace quill
