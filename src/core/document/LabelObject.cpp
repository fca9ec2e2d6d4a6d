#include "LabelObject.h"

#include <QPainter>

#include <atomic>

namespace quill {

namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kParentFont = QStringLiteral("ParentFont");

} // namespace

QRect LabelObject::bounds() const
{
    return QRect(int(intValue(kLeft)), int(intValue(kTop)), int(intValue(kWidth)),
                 int(intValue(kHeight)));
}

void LabelObject::setBounds(const QRect &bounds)
{
    setValue(kLeft, bounds.left());
    setValue(kTop, bounds.top());
    setValue(kWidth, bounds.width());
    setValue(kHeight, bounds.height());
}

quint64 LabelObject::nextRevision()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

void LabelObject::valueChanged(int index)
{
    mMetafileValid = false;
    mRevision = nextRevision();
    const QList<PropertyDef> &properties = classInfo().properties;
    if (index < 0 || index >= properties.size())
        return;
    if (properties[index].name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)
        && classInfo().indexOf(kParentFont) >= 0)
        setValue(kParentFont, false);
}

} // namespace quill

namespace quill {

void LabelObject::paint(QPainter &painter, const PaintContext &context) const
{
    // A class without a drawing of its own draws nothing.
    Q_UNUSED(painter)
    Q_UNUSED(context)
}

} // namespace quill

namespace quill {

bool LabelObject::metafileMatches(const PaintContext &context) const
{
    if (!mMetafileValid)
        return false;
    const PaintContext &old = mMetafileContext;
    const auto sameRecord = [](const QHash<QString, QString> *now,
                               const QHash<QString, QString> &then, bool hadOne) {
        return now ? (hadOne && *now == then) : !hadOne;
    };
    return old.target == context.target && old.zoom == context.zoom && old.dpiX == context.dpiX
        && old.dpiY == context.dpiY && old.emptyFieldText == context.emptyFieldText
        && sameRecord(context.labelRecord, mMetafileLabelRecord, old.labelRecord != nullptr)
        && sameRecord(context.barcodeRecord, mMetafileBarcodeRecord,
                      old.barcodeRecord != nullptr);
}

const QPicture &LabelObject::renderToMetafile(const PaintContext &context) const
{
    if (metafileMatches(context))
        return mMetafile;
    const QRect box = bounds();
    mMetafile = QPicture();
    {
        QPainter painter(&mMetafile);
        paint(painter, context);
    }
    mMetafile.setBoundingRect(QRect(0, 0, box.width(), box.height()));
    // Copies of the records are kept, since the caller's may change or go away.
    mMetafileContext = context;
    mMetafileLabelRecord = context.labelRecord ? *context.labelRecord : QHash<QString, QString>();
    mMetafileBarcodeRecord =
        context.barcodeRecord ? *context.barcodeRecord : QHash<QString, QString>();
    mMetafileContext.labelRecord = context.labelRecord ? &mMetafileLabelRecord : nullptr;
    mMetafileContext.barcodeRecord = context.barcodeRecord ? &mMetafileBarcodeRecord : nullptr;
    mMetafileValid = true;
    return mMetafile;
}

} // namespace quill
