#include "ZR_VantorShape.h"

#include "ControlProperties.h"
#include "document/StandardProperties.h"

namespace quill {

namespace names {

const QStringList &multiShapeType()
{
    static const QStringList list{
        QStringLiteral("mstLine"),        QStringLiteral("mstDLine"),
        QStringLiteral("mstVLine"),       QStringLiteral("mstSquare"),
        QStringLiteral("mstRoundRect"),   QStringLiteral("mstRoundSquare"),
        QStringLiteral("mstRectangle"),   QStringLiteral("mstEllipse"),
        QStringLiteral("mstCircle"),      QStringLiteral("mstTriAngle"),
        QStringLiteral("mstTriAngleLean"), QStringLiteral("mstRectLean"),
        QStringLiteral("mstRectLeanMid"), QStringLiteral("mstRectLeanCenter"),
        QStringLiteral("mstFive"),        QStringLiteral("mstSix"),
        QStringLiteral("mstOctopus"),     QStringLiteral("mstCross"),
        QStringLiteral("mstLove"),
    };
    return list;
}

const QStringList &startType()
{
    static const QStringList list{QStringLiteral("spTop"), QStringLiteral("spRight"),
                                  QStringLiteral("spBottom"), QStringLiteral("spLeft")};
    return list;
}

} // namespace names

namespace {

constexpr int kSide = 65;

} // namespace

const ClassInfo &TZR_VantorShape::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_VantorShape"));
        addControlHead(b, kSide, kSide);
        b.enumeration(QStringLiteral("StartType"), names::startType(), spTop, spTop)
            .integer(QStringLiteral("Angle"), 0, 0)
            .integer(QStringLiteral("Start"), kSide / 4);
        addAlign(b);
        addBrush(b);
        addDragCursor(b);
        addDragMode(b);
        addEnabled(b);
        addParentShowHint(b);
        addPen(b);
        b.enumeration(QStringLiteral("Shape"), names::multiShapeType(), mstLine, mstLine);
        addShowHint(b);
        addVisible(b);
        b.boolean(QStringLiteral("LockFlag"), false, false);
        for (const char16_t *n : {u"mpLeft", u"mpTop", u"mpHeight", u"mpWidth"})
            b.floating(QString::fromUtf16(n), 0.0);
        // The toolkit declares True, but a new shape holds False: written whatever its value so
        // that True survives a save and load.
        addAlwaysWrittenBool(b, QStringLiteral("LinePosTop"), false);
        return b.build([] { return std::make_unique<TZR_VantorShape>(); });
    }();
    return info;
}

TZR_VantorShape::TZR_VantorShape() : LabelObject(classInfo()) {}

std::unique_ptr<LabelObject> TZR_VantorShape::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_VantorShape(*this));
}

void TZR_VantorShape::setBrushColor(TColor c)
{
    assignBrushColor(*this, c);
}

QVariant TZR_VantorShape::normalize(int index, const QVariant &value) const
{
    // Angle is a 16-bit integer and wraps as one.
    if (index == classInfo().indexOf(QStringLiteral("Angle")))
        return QVariant::fromValue<qint64>(qint16(quint16(value.toLongLong())));
    return wrapInteger(classInfo().properties[index], value);
}

void TZR_VantorShape::valueChanged(int index)
{
    LabelObject::valueChanged(index);
    applyControlRules(*this, index);
}

} // namespace quill
