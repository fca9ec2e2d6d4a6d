// Reading label document files: header, work label, then pages of cells and objects, keeping
// what was read when the rest is damaged.
#include "DocumentFile.h"

#include "DocumentRecords.h"
#include "LegacyImport.h"
#include "ObjectStream.h"
#include "PropertyStreamReader.h"
#include "shell/CaptionFile.h"

#include <QFile>

namespace quill {

namespace {

// The smallest number of bytes one cell and one object take in a file: the cell marker, and
// an object's type code plus the record signature.
constexpr qint64 kMinCellBytes = 4;
constexpr qint64 kMinObjectBytes = 8;

// Entries a page or panel record may carry that the document does not keep are skipped, as
// records written by other programs carry more toolkit properties.
StreamRecord knownEntriesOnly(const StreamRecord &record, const ClassInfo &info)
{
    StreamRecord known = record;
    known.entries.clear();
    for (const StreamEntry &entry : record.entries) {
        if (info.indexOf(entry.name) >= 0)
            known.entries.append(entry);
    }
    return known;
}

class DocumentReader {
public:
    DocumentReader(const QByteArray &data, const QString &path)
        : mData(data), mPath(path), mReader(data)
    {
    }

    Status readHeader(ReadReport &report, QStringList &texts);
    Status readWorkLabel(TZR_WorkLabel &stored);
    // Pages until the end of the data or the first damage, which is added to problems.
    void readPages(const TZR_LabelSize &sheet, std::vector<std::unique_ptr<LabelPage>> &pages,
                   QList<ReadProblem> &problems);
    PropertyStreamReader &reader() { return mReader; }

private:
    Error headerError(const QString &what) const;
    Result<QString> readText(const QString &what);
    bool readPage(std::vector<std::unique_ptr<LabelPage>> &pages);
    bool readCell(LabelPage &page);
    bool readObjects(LabelCell &cell);
    bool readObject(LabelCell &cell, qint32 code);
    bool countFits(qint32 count, qint64 unitBytes, const QString &what);
    void problem(const QString &message, qint64 offset);
    qint64 remaining() const { return mData.size() - mReader.pos(); }

    const QByteArray &mData;
    QString mPath;
    PropertyStreamReader mReader;
    const TZR_LabelSize *mSheet = nullptr;
    QList<ReadProblem> *mProblems = nullptr;
    int mPage = 0;
    int mCell = 0;
    int mObject = 0;
};

Error DocumentReader::headerError(const QString &what) const
{
    return Error{QStringLiteral("Damaged document header: %1").arg(what),
                 QStringLiteral("%1, offset %2").arg(mPath).arg(mReader.pos())};
}

Result<QString> DocumentReader::readText(const QString &what)
{
    Result<qint32> count = mReader.readInt32();
    if (!count)
        return headerError(QStringLiteral("the %1 is cut off").arg(what));
    if (count.value() < 0 || count.value() > remaining())
        return headerError(QStringLiteral("the %1 length %2 does not fit the file")
                               .arg(what)
                               .arg(count.value()));
    const qint64 at = mReader.pos();
    mReader.seek(at + count.value());
    return fromCp949(mData.mid(at, count.value()));
}

Status DocumentReader::readHeader(ReadReport &report, QStringList &texts)
{
    Result<QString> version = readText(QStringLiteral("version"));
    if (!version)
        return version.error();
    report.version = version.value();
    for (const QString &what : {QStringLiteral("label data list path"),
                                QStringLiteral("label data list table"),
                                QStringLiteral("barcode data list path"),
                                QStringLiteral("barcode data list table")}) {
        Result<QString> text = readText(what);
        if (!text)
            return text.error();
        texts.append(text.value());
    }
    Result<qint32> zoom = mReader.readInt32();
    if (!zoom)
        return headerError(QStringLiteral("the zoom is cut off"));
    report.zoom = zoom.value();
    return {};
}

Status DocumentReader::readWorkLabel(TZR_WorkLabel &stored)
{
    const qint64 at = mReader.pos();
    Result<StreamRecord> record = mReader.readRecord();
    if (!record)
        return Error{QStringLiteral("Damaged work label record: %1").arg(record.error().message),
                     QStringLiteral("%1, %2").arg(mPath, record.error().where)};
    if (record.value().className.compare(workLabelClassInfo().className, Qt::CaseInsensitive))
        return Error{QStringLiteral("Damaged work label record: %1 found instead of %2")
                         .arg(record.value().className, workLabelClassInfo().className),
                     QStringLiteral("%1, offset %2").arg(mPath).arg(at)};
    auto object = workLabelToObject(TZR_WorkLabel());
    if (Status s = applyRecord(*object, record.value()); !s)
        return Error{QStringLiteral("Damaged work label record: %1").arg(s.error().message),
                     QStringLiteral("%1, %2").arg(mPath, s.error().where)};
    applyWorkLabelObject(*object, stored);
    if (stored.labelSize().cellCount() > LabelDocument::MaxCellsPerPage)
        return Error{QStringLiteral("Damaged work label record: a sheet of %1 x %2 cells")
                         .arg(stored.labelSize().rows())
                         .arg(stored.labelSize().columns()),
                     mPath};
    return {};
}

void DocumentReader::problem(const QString &message, qint64 offset)
{
    QStringList where;
    if (mPage > 0)
        where.append(QStringLiteral("page %1").arg(mPage));
    if (mCell > 0)
        where.append(QStringLiteral("cell %1").arg(mCell));
    if (mObject > 0)
        where.append(QStringLiteral("object %1").arg(mObject));
    where.append(QStringLiteral("offset %1").arg(offset));
    mProblems->append(ReadProblem{message, where.join(QStringLiteral(", "))});
}

// A failed stream read carries its own offset in Error::where ("offset N").
qint64 errorOffset(const Error &error, qint64 fallback)
{
    const QString prefix = QStringLiteral("offset ");
    if (error.where.startsWith(prefix)) {
        bool ok = false;
        const qint64 v = error.where.mid(prefix.size()).toLongLong(&ok);
        if (ok)
            return v;
    }
    return fallback;
}

bool DocumentReader::countFits(qint32 count, qint64 unitBytes, const QString &what)
{
    if ((qint64(count) + 1) * unitBytes <= remaining())
        return true;
    problem(QStringLiteral("The %1 count %2 does not fit the rest of the file")
                .arg(what)
                .arg(qint64(count) + 1),
            mReader.pos() - 4);
    return false;
}

void DocumentReader::readPages(const TZR_LabelSize &sheet,
                               std::vector<std::unique_ptr<LabelPage>> &pages,
                               QList<ReadProblem> &problems)
{
    mSheet = &sheet;
    mProblems = &problems;
    while (!mReader.atEnd() && remaining() > 0) {
        if (!readPage(pages))
            return;
    }
    // Every document the program writes has a page: a file without one has been cut short.
    if (pages.empty()) {
        mPage = 0;
        problem(QStringLiteral("The document holds no page; an empty page is added"),
                mReader.pos());
    }
}

bool DocumentReader::readPage(std::vector<std::unique_ptr<LabelPage>> &pages)
{
    mCell = mObject = 0;
    const qint64 at = mReader.pos();
    Result<qint32> marker = mReader.readInt32();
    if (!marker) {
        problem(QStringLiteral("The file ends inside a page marker"), at);
        return false;
    }
    if (marker.value() != DocumentMarker::Page)
        return true; // other integers between pages are skipped
    mPage = static_cast<int>(pages.size()) + 1;
    if (pages.size() >= size_t(LabelDocument::MaxPages)) {
        problem(QStringLiteral("More than %1 pages; the rest is ignored")
                    .arg(LabelDocument::MaxPages),
                at);
        return false;
    }
    Result<StreamRecord> record = mReader.readRecord();
    if (!record) {
        problem(record.error().message, errorOffset(record.error(), at + 4));
        return false;
    }
    if (!ClassRegistry::instance().find(record.value().className)) {
        problem(QStringLiteral("Class %1 not found").arg(record.value().className), at + 4);
        return false;
    }
    auto pageObject = std::make_unique<PersistentObject>(tabSheetClassInfo());
    if (Status s = applyRecord(*pageObject, knownEntriesOnly(record.value(), tabSheetClassInfo()));
        !s)
        problem(s.error().message, errorOffset(s.error(), at + 4)); // the record was read whole
    pages.push_back(std::make_unique<LabelPage>());
    applyPageObject(*pageObject, *pages.back());

    Result<qint32> cells = mReader.readInt32();
    if (!cells) {
        problem(QStringLiteral("The file ends before the cell count"), mReader.pos());
        return false;
    }
    if (cells.value() < 0)
        return true;
    if (!countFits(cells.value(), kMinCellBytes, QStringLiteral("cell")))
        return false;
    for (qint64 i = 0; i <= cells.value(); ++i) {
        if (!readCell(*pages.back()))
            return false;
    }
    return true;
}

bool DocumentReader::readCell(LabelPage &page)
{
    mObject = 0;
    mCell = page.cellCount() + 1;
    const qint64 at = mReader.pos();
    Result<qint32> marker = mReader.readInt32();
    if (!marker) {
        problem(QStringLiteral("The file ends inside a cell marker"), at);
        return false;
    }
    if (marker.value() != DocumentMarker::Cell)
        return true; // this position of the count holds no cell
    Result<StreamRecord> record = mReader.readRecord();
    if (!record) {
        problem(record.error().message, errorOffset(record.error(), at + 4));
        return false;
    }
    const std::optional<CellPosition> pos = mSheet->cellPosition(mCell);
    auto cell = std::make_unique<LabelCell>(
        pos ? mSheet->cellRect100(pos->row, pos->column) : QRect(), mCell - 1);
    auto panel = cellToObject(*cell);
    if (Status s = applyRecord(*panel, knownEntriesOnly(record.value(), panelClassInfo())); !s)
        problem(s.error().message, errorOffset(s.error(), at + 4)); // the record was read whole
    applyCellObject(*panel, *cell);
    const bool ok = readObjects(*cell);
    if (mCell > mSheet->cellCount()) {
        mObject = 0;
        problem(QStringLiteral("The page holds more cells than the sheet; this one is dropped"),
                at);
    } else {
        page.appendCell(std::move(cell)); // keeps the objects read before any damage
    }
    return ok;
}

bool DocumentReader::readObjects(LabelCell &cell)
{
    Result<qint32> count = mReader.readInt32();
    if (!count) {
        problem(QStringLiteral("The file ends before the object count"), mReader.pos());
        return false;
    }
    if (count.value() < 0)
        return true;
    if (!countFits(count.value(), kMinObjectBytes, QStringLiteral("object")))
        return false;
    for (qint64 i = 0; i <= count.value(); ++i) {
        mObject = static_cast<int>(i) + 1;
        const qint64 at = mReader.pos();
        Result<qint32> code = mReader.readInt32();
        if (!code) {
            problem(QStringLiteral("The file ends inside an object type code"), at);
            return false;
        }
        if (!readObject(cell, code.value()))
            return false;
    }
    return true;
}

std::unique_ptr<LabelObject> createLabelObject(const ClassInfo *info)
{
    if (!info || !info->create)
        return nullptr;
    std::unique_ptr<PersistentObject> object = info->create();
    if (!dynamic_cast<LabelObject *>(object.get()))
        return nullptr;
    return std::unique_ptr<LabelObject>(static_cast<LabelObject *>(object.release()));
}

// The record decides the class, except that a gradient code always makes a gradient. Once a
// record was read whole the stream stands at the next object, so an object that cannot be
// rebuilt is reported and skipped while the rest of the cell is kept.
bool DocumentReader::readObject(LabelCell &cell, qint32 value)
{
    const qint64 at = mReader.pos() - 4;
    Result<StreamRecord> record = mReader.readRecord();
    if (!record) {
        problem(record.error().message, errorOffset(record.error(), at + 4));
        return false;
    }
    const std::optional<ObjectTypeCode> code = objectTypeCodeFromValue(value);
    if (!code) {
        problem(QStringLiteral("Unknown object type code %1; the object is skipped").arg(value),
                at);
        return true;
    }
    const QString className = *code == ObjectTypeCode::Gradient ? objectClassName(*code)
                                                                 : record.value().className;
    std::unique_ptr<LabelObject> object =
        createLabelObject(ClassRegistry::instance().find(className));
    if (!object) {
        problem(QStringLiteral("Class %1 not found; the object is skipped").arg(className), at);
        return true;
    }
    object->setComponentName(record.value().name);
    if (Status s = applyRecord(*object, record.value()); !s) {
        problem(s.error().message + QStringLiteral("; the object is skipped"),
                errorOffset(s.error(), at));
        return true;
    }
    if (object->typeCode() == ObjectTypeCode::SerialNumber)
        object->setValue(QStringLiteral("AutoSize"), true);
    cell.addObject(std::move(object));
    return true;
}

// The work label the document shows: a new one with the file's sheet, that sheet's paper
// colour and the file's zoom; the file's grid and print settings stay in the report.
TZR_WorkLabel openedWorkLabel(const TZR_WorkLabel &stored)
{
    TZR_WorkLabel shown;
    shown.setLabelSize(stored.labelSize());
    shown.setColor(stored.labelSize().color());
    shown.setZoomPercent(stored.zoomPercent());
    shown.fitToCell();
    return shown;
}

void commit(LabelDocument &document, const TZR_WorkLabel &workLabel, const QStringList &texts,
            std::vector<std::unique_ptr<LabelPage>> &pages)
{
    document.setWorkLabel(workLabel); // the cell count was checked while reading
    document.setLabelDataList(texts.value(0), texts.value(1));
    document.setBarcodeDataList(texts.value(2), texts.value(3));
    document.clearPages();
    for (auto &page : pages)
        document.appendPage(std::move(page));
    document.completeLoadedPages();
}

} // namespace

Result<ReadReport> readDocumentBytes(LabelDocument &document, const QByteArray &data,
                                     const QString &path)
{
    registerDocumentClasses();
    DocumentReader in(data, path);
    ReadReport report;
    Result<qint32> marker = in.reader().readInt32();
    if (!marker)
        return Error{QStringLiteral("Not a label document: the file is too short"), path};
    report.format = marker.value();
    if (marker.value() <= DocumentMarker::LegacyLast) {
        Result<ReadReport> legacy = readLegacyDocument(document, in.reader(), marker.value(), path);
        if (!legacy)
            return legacy.error();
        report = legacy.value();
        report.format = marker.value();
        report.legacy = true;
    } else {
        QStringList texts;
        TZR_WorkLabel stored;
        if (Status s = in.readHeader(report, texts); !s)
            return s.error();
        if (Status s = in.readWorkLabel(stored); !s)
            return s.error();
        report.storedWorkLabel = stored;
        std::vector<std::unique_ptr<LabelPage>> pages;
        in.readPages(stored.labelSize(), pages, report.problems);
        commit(document, openedWorkLabel(stored), texts, pages);
    }
    document.setFileName(path);
    document.setModified(false);
    return report;
}

Result<ReadReport> readDocument(LabelDocument &document, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()), path};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error{QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()), path};
    return readDocumentBytes(document, data, path);
}

} // namespace quill
