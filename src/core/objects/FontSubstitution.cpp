#include "FontSubstitution.h"

#include "document/PersistentObject.h"
#include "document/StandardProperties.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace quill {

namespace {

struct Rule {
    const char16_t *name;
    QList<const char16_t *> candidates;
};

const QList<const char16_t *> kGothic{u"NanumGothic", u"NanumBarunGothic", u"DejaVu Sans"};
const QList<const char16_t *> kMyeongjo{u"NanumMyeongjo", u"NanumGothic", u"DejaVu Serif"};
const QList<const char16_t *> kCoding{u"NanumGothicCoding", u"NanumGothic", u"DejaVu Sans Mono"};
const QList<const char16_t *> kSans{u"Liberation Sans", u"Arimo", u"Nimbus Sans", u"DejaVu Sans",
                                    u"NanumGothic"};
const QList<const char16_t *> kSerif{u"Liberation Serif", u"Tinos", u"Nimbus Roman",
                                     u"DejaVu Serif", u"NanumMyeongjo"};
const QList<const char16_t *> kMono{u"Liberation Mono", u"Cousine", u"Nimbus Mono PS",
                                    u"DejaVu Sans Mono", u"NanumGothicCoding"};

// Proportional Korean faces become the Nanum gothic or myeongjo; the fixed-pitch "-che" faces
// the coding font. Latin faces get metric-compatible fonts where installed.
const QList<Rule> &rules()
{
    static const QList<Rule> list{
        {u"굴림", kGothic},       {u"Gulim", kGothic},       {u"돋움", kGothic},
        {u"Dotum", kGothic},      {u"바탕", kMyeongjo},      {u"Batang", kMyeongjo},
        {u"궁서", kMyeongjo},     {u"Gungsuh", kMyeongjo},   {u"굴림체", kCoding},
        {u"GulimChe", kCoding},   {u"돋움체", kCoding},      {u"DotumChe", kCoding},
        {u"바탕체", kCoding},     {u"BatangChe", kCoding},   {u"궁서체", kCoding},
        {u"GungsuhChe", kCoding}, {u"Arial", kSans},         {u"MS Sans Serif", kSans},
        {u"Times New Roman", kSerif}, {u"Courier New", kMono},
    };
    return list;
}

} // namespace

QList<FontSubstitution> fontSubstitutions()
{
    const QStringList installed = QFontDatabase::families();
    QList<FontSubstitution> result;
    for (const Rule &rule : rules()) {
        FontSubstitution s;
        s.documentName = QString::fromUtf16(rule.name);
        for (const char16_t *family : rule.candidates) {
            const QString f = QString::fromUtf16(family);
            if (installed.contains(f, Qt::CaseInsensitive))
                s.families.append(f);
        }
        result.append(s);
    }
    return result;
}

void installFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const FontSubstitution &s : fontSubstitutions()) {
        // A real font of that name wins over any substitute.
        if (!s.families.isEmpty() && !QFontDatabase::hasFamily(s.documentName))
            QFont::insertSubstitutions(s.documentName, s.families);
    }
}

QString resolvedFamily(const QString &documentName)
{
    QFont font(documentName);
    font.setPixelSize(16);
    return QFontInfo(font).family();
}

QFont fontFromValues(const QString &name, int height, quint32 styleBits)
{
    QFont font(name.isEmpty() ? QStringLiteral("MS Sans Serif") : name);
    // Glyph shapes must not depend on the pixel grid: a cell drawn at 200 % is the 100 %
    // drawing enlarged, and printers get the same outlines.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferAntialias));
    font.setBold(styleBits & fsBold);
    font.setItalic(styleBits & fsItalic);
    font.setUnderline(styleBits & fsUnderline);
    font.setStrikeOut(styleBits & fsStrikeOut);
    if (height == 0)
        height = -11; // the toolkit's default font, 8 points
    if (height < 0) {
        font.setPixelSize(-height);
        return font;
    }
    // A positive height is the cell height (ascent + descent): scale the character size down.
    font.setPixelSize(height);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell > 0)
        font.setPixelSize(qMax(1, qRound(height * height / cell)));
    return font;
}

QFont fontForObject(const PersistentObject &object, const QString &prefix)
{
    const QString p = prefix + u'.';
    return fontFromValues(object.value(p + QStringLiteral("Name")).toString(),
                          object.value(p + QStringLiteral("Height")).toInt(),
                          object.value(p + QStringLiteral("Style")).toUInt());
}

} // namespace quill
