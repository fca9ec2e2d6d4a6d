#include "GridInfoItem.h"

#include "ControlProperties.h"

namespace quill {

const ClassInfo &TGridInfoItem::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TGridInfoItem"));
        // No declared defaults: every field of every item is written.
        for (const char16_t *n :
             {u"Left", u"Top", u"Width", u"Height", u"Row", u"Column", u"RowCnt", u"ColumnCnt"})
            b.integer(QString::fromUtf16(n), 0);
        b.boolean(QStringLiteral("UseFlag"), true).boolean(QStringLiteral("Selected"), false);
        return b.build([] { return std::make_unique<TGridInfoItem>(); });
    }();
    return info;
}

TGridInfoItem::TGridInfoItem() : PersistentObject(classInfo()) {}

std::unique_ptr<PersistentObject> TGridInfoItem::clonePersistent() const
{
    return std::unique_ptr<PersistentObject>(new TGridInfoItem(*this));
}

QVariant TGridInfoItem::normalize(int index, const QVariant &value) const
{
    return wrapInteger(classInfo().properties[index], value);
}

} // namespace quill
