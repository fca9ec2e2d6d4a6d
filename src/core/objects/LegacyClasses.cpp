#include "LegacyClasses.h"

#include "ControlProperties.h"
#include "ImageControl.h"
#include "document/StandardProperties.h"

#include <map>

namespace quill {

namespace {

const QString kParentFont = QStringLiteral("ParentFont");

// A legacy record's object: plain table data whose font, once changed, is its own.
class LegacyObject : public PersistentObject {
public:
    explicit LegacyObject(const ClassInfo &info) : PersistentObject(info) { }
    std::unique_ptr<PersistentObject> clonePersistent() const override
    {
        return std::make_unique<LegacyObject>(*this);
    }

protected:
    void valueChanged(int index) override
    {
        const QString &name = PersistentObject::classInfo().properties[index].name;
        if (name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)
            && PersistentObject::classInfo().indexOf(kParentFont) >= 0)
            setValue(kParentFont, false);
    }
};

QStringList nameList(std::initializer_list<const char16_t *> items)
{
    QStringList list;
    for (const char16_t *s : items)
        list.append(QString::fromUtf16(s));
    return list;
}

ClassInfo finish(ClassBuilder &b, LegacyCode code)
{
    ClassInfo info = b.build([code] { return createLegacyObject(code); });
    info.acceptsUnknown = true;
    return info;
}

void addOwnFont(ClassBuilder &b)
{
    addFont(b, FontStart());
    addParentFont(b);
}

void addLabelSize(ClassBuilder &b)
{
    const QString p = QStringLiteral("LabelSize.");
    const auto single
        = [&](const char16_t *n) { b.floating(p + QString::fromUtf16(n), 0, FloatWidth::Single); };
    b.text(p + QStringLiteral("LabelCode"))
        .floating(p + QStringLiteral("Height"), 0)
        .floating(p + QStringLiteral("Width"), 0)
        .enumeration(
            p + QStringLiteral("MeasureUnit"), nameList({u"muInches", u"muMillimeters"}), 0, 1)
        .integer(p + QStringLiteral("LabelsPerSheet"), 0)
        .integer(p + QStringLiteral("Columns"), 0)
        .integer(p + QStringLiteral("Rows"), 0);
    for (const char16_t *n :
        {u"LeftMargin", u"RightMargin", u"TopMargin", u"BottomMargin", u"HorizSpace", u"VertSpace"})
        single(n);
    b.floating(p + QStringLiteral("RectangleRadius"), 0)
        .enumeration(p + QStringLiteral("Shape"),
            nameList({u"stRectangle", u"stSquare", u"stRoundRect", u"stRoundSquare", u"stEllipse",
                u"stCircle"}),
            0)
        .color(p + QStringLiteral("Color"), 0)
        .text(p + QStringLiteral("C_Code"))
        .floating(p + QStringLiteral("PageWidth"), 0)
        .floating(p + QStringLiteral("PageHeight"), 0)
        .text(p + QStringLiteral("LabelKindType"))
        .text(p + QStringLiteral("Paper"));
}

void addMemo(ClassBuilder &b)
{
    addAlign(b);
    b.enumeration(QStringLiteral("Alignment"), names::alignment(), taLeftJustify, taLeftJustify);
    b.color(QStringLiteral("Color"), clWindow, clWindow);
    addOwnFont(b);
    addHelpContext(b); // the older program kept the text angle here
    b.strings(QStringLiteral("Lines.Strings"));
    addParentColor(b, false, false);
}

ClassInfo buildClass(LegacyCode code)
{
    if (code == LegacyCode::Image) {
        ClassBuilder b(legacyClassName(code));
        b.inherit(imageControlClassInfo());
        return finish(b, code);
    }
    ClassBuilder b(legacyClassName(code));
    addControlHead(b, 0, 0);
    switch (code) {
    case LegacyCode::VantorShape:
        addBrush(b);
        addPen(b);
        b.enumeration(QStringLiteral("Shape"), names::legacyShapeType(), 0, 0);
        break;
    case LegacyCode::Memo:
        addMemo(b);
        break;
    case LegacyCode::BarCode:
        b.enumeration(QStringLiteral("BarCodeType"), names::legacyBarCodeType(), 0);
        b.text(QStringLiteral("DataField"));
        addOwnFont(b);
        b.text(QStringLiteral("Text"));
        break;
    case LegacyCode::DBLabel:
        b.text(QStringLiteral("DataField"));
        addOwnFont(b);
        break;
    case LegacyCode::WorkLabel:
        b.integer(QStringLiteral("ZoomPercent"), 100, 100);
        addLabelSize(b);
        break;
    default: // serial numbers, date and time texts, arrows, older field labels: read, dropped
        break;
    }
    return finish(b, code);
}

constexpr LegacyCode kAllCodes[] = {
    LegacyCode::Image,
    LegacyCode::VantorShape,
    LegacyCode::Memo,
    LegacyCode::BarCode,
    LegacyCode::DBLabel,
    LegacyCode::SerialNumber,
    LegacyCode::DateTimeLabel,
    LegacyCode::Arrow,
    LegacyCode::GuideLabel,
    LegacyCode::WorkLabel,
};

} // namespace

namespace names {

const QStringList &legacyBarCodeType()
{
    static const QStringList list
        = nameList({u"Interleaved2Of5", u"Code39", u"Code128", u"EAN128", u"EAN8", u"EAN13",
            u"PostnetZip", u"PostnetZipPlus4", u"Postnet11", u"UPCA", u"UPCE", u"CodaBar"});
    return list;
}

const QStringList &legacyShapeType()
{
    static const QStringList list = nameList({u"mstLine", u"mstDLine", u"mstVLine", u"mstSquare",
        u"mstRoundRect", u"mstRoundSquare", u"mstRectangle", u"mstEllipse", u"mstCircle",
        u"mstTriAngle", u"mstTriAngleLean", u"mstRectLean", u"mstRectLeanMid", u"mstRectLeanCenter",
        u"mstFive", u"mstSix", u"mstOctopus", u"mstCross", u"mstLove"});
    return list;
}

} // namespace names

std::optional<LegacyCode> legacyCodeFromValue(qint32 value)
{
    for (LegacyCode code : kAllCodes) {
        if (static_cast<qint32>(code) == value)
            return code;
    }
    return std::nullopt;
}

QString legacyClassName(LegacyCode code)
{
    switch (code) {
    case LegacyCode::Image:
        return QStringLiteral("TImage");
    case LegacyCode::VantorShape:
        return QStringLiteral("TvantorShape");
    case LegacyCode::Memo:
        return QStringLiteral("TMemo");
    case LegacyCode::BarCode:
        return QStringLiteral("TBarCode");
    case LegacyCode::DBLabel:
        return QStringLiteral("TDBLabel");
    case LegacyCode::SerialNumber:
        return QStringLiteral("TSerialNumber");
    case LegacyCode::DateTimeLabel:
        return QStringLiteral("TDateTimeLabel");
    case LegacyCode::Arrow:
        return QStringLiteral("TArrow");
    case LegacyCode::GuideLabel:
        return QStringLiteral("TGuideLabel");
    case LegacyCode::WorkLabel:
        return QStringLiteral("TWorkLabel");
    }
    return {};
}

const ClassInfo &legacyClassInfo(LegacyCode code)
{
    // Built once, all together, so the tables outlive every object made from them.
    static const std::map<LegacyCode, ClassInfo> tables = [] {
        std::map<LegacyCode, ClassInfo> m;
        for (LegacyCode c : kAllCodes)
            m.emplace(c, buildClass(c));
        return m;
    }();
    return tables.at(code);
}

std::unique_ptr<PersistentObject> createLegacyObject(LegacyCode code)
{
    return std::make_unique<LegacyObject>(legacyClassInfo(code));
}

ClassRegistry &legacyClassRegistry()
{
    static ClassRegistry registry;
    return registry;
}

void registerLegacyClasses()
{
    for (LegacyCode code : kAllCodes)
        legacyClassRegistry().add(&legacyClassInfo(code));
}

} // namespace quill
