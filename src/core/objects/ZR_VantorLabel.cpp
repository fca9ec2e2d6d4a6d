#include "ZR_VantorLabel.h"

#include "ControlProperties.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kCaption = QStringLiteral("Caption");
const QString kParentFont = QStringLiteral("ParentFont");

} // namespace

const ClassInfo &TZR_VantorLabel::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_VantorLabel"));
        addControlHead(b, 0, 0);
        addAlign(b);
        addAnchors(b);
        b.text(kCaption);
        addColor(b, clWindow);
        addConstraints(b);
        addDragCursor(b);
        addDragKind(b);
        addDragMode(b);
        addEnabled(b);
        addFont(b, FontStart());
        addParentColor(b);
        addParentFont(b);
        addParentShowHint(b);
        addShowHint(b);
        addVisible(b);
        ClassInfo built = b.build([] { return std::make_unique<TZR_VantorLabel>(); });
        built.acceptsUnknown = true;
        return built;
    }();
    return info;
}

TZR_VantorLabel::TZR_VantorLabel() : PersistentObject(classInfo()) { }

std::unique_ptr<PersistentObject> TZR_VantorLabel::clonePersistent() const
{
    return std::unique_ptr<PersistentObject>(new TZR_VantorLabel(*this));
}

QString TZR_VantorLabel::caption() const
{
    return textValue(kCaption);
}

void TZR_VantorLabel::setCaption(const QString &text)
{
    setValue(kCaption, text);
}

void TZR_VantorLabel::valueChanged(int index)
{
    const QList<PropertyDef> &properties = PersistentObject::classInfo().properties;
    if (index >= 0 && index < properties.size()
        && properties[index].name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive))
        setValue(kParentFont, false);
    applyControlRules(*this, index); // a colour of its own clears ParentColor
}

} // namespace quill
