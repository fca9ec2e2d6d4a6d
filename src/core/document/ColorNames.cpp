#include "ColorNames.h"

#include <array>

namespace quill {

namespace {

struct NamedColor {
    const char16_t *name;
    TColor value;
};

constexpr TColor sys(quint32 index) { return 0xFF000000u + index; }

// In the order the toolkit searches them, so a value with two names gets the first.
constexpr std::array<NamedColor, 52> kColors{{
    {u"clBlack", 0x000000}, {u"clMaroon", 0x000080}, {u"clGreen", 0x008000},
    {u"clOlive", 0x008080}, {u"clNavy", 0x800000}, {u"clPurple", 0x800080},
    {u"clTeal", 0x808000}, {u"clGray", 0x808080}, {u"clSilver", 0xC0C0C0},
    {u"clRed", 0x0000FF}, {u"clLime", 0x00FF00}, {u"clYellow", 0x00FFFF},
    {u"clBlue", 0xFF0000}, {u"clFuchsia", 0xFF00FF}, {u"clAqua", 0xFFFF00},
    {u"clWhite", 0xFFFFFF}, {u"clMoneyGreen", 0xC0DCC0}, {u"clSkyBlue", 0xF0CAA6},
    {u"clCream", 0xF0FBFF}, {u"clMedGray", 0xA4A0A0}, {u"clActiveBorder", sys(10)},
    {u"clActiveCaption", sys(2)}, {u"clAppWorkSpace", sys(12)}, {u"clBackground", sys(1)},
    {u"clBtnFace", sys(15)}, {u"clBtnHighlight", sys(20)}, {u"clBtnShadow", sys(16)},
    {u"clBtnText", sys(18)}, {u"clCaptionText", sys(9)}, {u"clDefault", clDefault},
    {u"clGradientActiveCaption", sys(27)}, {u"clGradientInactiveCaption", sys(28)},
    {u"clGrayText", sys(17)}, {u"clHighlight", sys(13)}, {u"clHighlightText", sys(14)},
    {u"clHotLight", sys(26)}, {u"clInactiveBorder", sys(11)}, {u"clInactiveCaption", sys(3)},
    {u"clInactiveCaptionText", sys(19)}, {u"clInfoBk", sys(24)}, {u"clInfoText", sys(23)},
    {u"clMenu", sys(4)}, {u"clMenuBar", sys(30)}, {u"clMenuHighlight", sys(29)},
    {u"clMenuText", sys(7)}, {u"clNone", clNone}, {u"clScrollBar", sys(0)},
    {u"cl3DDkShadow", sys(21)}, {u"cl3DLight", sys(22)}, {u"clWindow", sys(5)},
    {u"clWindowFrame", sys(6)}, {u"clWindowText", sys(8)},
}};

} // namespace

std::optional<QString> colorIdent(TColor color)
{
    for (const NamedColor &c : kColors) {
        if (c.value == color)
            return QString::fromUtf16(c.name);
    }
    return std::nullopt;
}

std::optional<TColor> colorFromIdent(const QString &ident)
{
    for (const NamedColor &c : kColors) {
        if (ident.compare(QString::fromUtf16(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    }
    return std::nullopt;
}

std::optional<TColor> colorFromText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    if (auto named = colorFromIdent(t))
        return named;
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < -2147483648LL || v > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<TColor>(v);
}

QString colorToText(TColor color)
{
    if (auto name = colorIdent(color))
        return *name;
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace quill
