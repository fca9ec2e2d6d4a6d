#include "ZR_SerialNumber.h"

#include "ControlProperties.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kStartNum = QStringLiteral("StartNum");

void addCounters(ClassBuilder &b)
{
    b.text(QStringLiteral("Postfix"))
        .text(QStringLiteral("Prefix"))
        .integer(kStartNum, 1)
        .integer(QStringLiteral("ImsiSerialNum"), 1)
        .integer(QStringLiteral("EndNum"), 1)
        .integer(QStringLiteral("IncNum"), 1);
}

} // namespace

const ClassInfo &TZR_SerialNumber::classInfo()
{
    static const ClassInfo info = [] {
        const ClassInfo &base = TZR_GuideLabel::classInfo();
        ClassBuilder b(QStringLiteral("TZR_SerialNumber"));
        b.inherit(base);
        // Published again in this order; a name already in the table keeps its place.
        addAnchors(b);
        b.boolean(QStringLiteral("AutoSize"), false, false);
        b.enumeration(QStringLiteral("BiDiMode"), names::biDiMode(), 0, 0);
        addConstraints(b);
        addDragKind(b);
        addCounters(b);
        b.boolean(QStringLiteral("ParentBiDiMode"), true, true);
        // The constructor's font and caption.
        b.add(restartedProperty(base, QStringLiteral("Font.Name"), QStringLiteral("굴림")));
        b.add(restartedProperty(base, QStringLiteral("Font.Height"), fontHeightFromSize(10)));
        b.add(restartedProperty(base, QStringLiteral("Caption"), QStringLiteral("Null")));
        return b.build([] { return std::make_unique<TZR_SerialNumber>(); });
    }();
    return info;
}

TZR_SerialNumber::TZR_SerialNumber() : TZR_GuideLabel(classInfo()) {}

std::unique_ptr<LabelObject> TZR_SerialNumber::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_SerialNumber(*this));
}

QString TZR_SerialNumber::displayText() const
{
    return prefix() + QString::number(startNum()) + postfix();
}

bool TZR_SerialNumber::advance()
{
    const qint64 s = startNum();
    const qint64 e = endNum();
    const qint64 step = incNum();
    // A step of 0 or one pointing away from EndNum would never reach it and the print run would
    // not end: such a range ends after its first number, as a finished range does.
    const bool towardEnd = (e > s && step > 0) || (e < s && step < 0);
    if (towardEnd && e > s && mRising) {
        if (s + step > e)
            return false;
        setStartNum(qint32(s + step));
        return true;
    }
    if (towardEnd && e < s && !mRising) {
        if (s + step < e)
            return false;
        setStartNum(qint32(s + step));
        return true;
    }
    setStartNum(imsiSerialNum());
    return false;
}

bool TZR_SerialNumber::canReachEnd() const
{
    const qint64 s = startNum();
    const qint64 e = endNum();
    const qint64 step = incNum();
    if (s == e)
        return true;
    if (e > s)
        return mRising && step > 0;
    return !mRising && step < 0;
}

void TZR_SerialNumber::loaded()
{
    TZR_GuideLabel::loaded();
    // The direction is not stored; a range that runs downwards is still one after loading.
    // During a run StartNum never passes EndNum, so the stored numbers tell the direction.
    mRising = startNum() <= endNum();
}

} // namespace quill
