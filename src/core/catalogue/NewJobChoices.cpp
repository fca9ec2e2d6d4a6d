// The lists of the new job dialog: paper kinds, product families and what is chosen first.
#include "NewJobChoices.h"

#include "shell/CaptionFile.h"

#include <algorithm>

namespace quill {

namespace {

// More items than any caption file needs: a damaged count must not loop for ever.
constexpr int MaxCaptionItems = 1000;

QStringList captionItems(const CaptionFile &captions, const QString &section)
{
    bool ok = false;
    const int count = captions.read(section, QStringLiteral("itemcount")).trimmed().toInt(&ok);
    QStringList items;
    if (!ok)
        return items;
    for (int i = 1; i <= std::min(count, MaxCaptionItems); ++i)
        items.append(captions.read(section, QStringLiteral("item%1").arg(i)));
    return items;
}

} // namespace

QStringList captionLabelTypes(const CaptionFile &captions)
{
    return captionItems(captions, QStringLiteral("LabelType"));
}

QString fileLabelName(const CaptionFile &captions)
{
    return captions.read(QStringLiteral("LabelType"), QStringLiteral("FileLabel"));
}

QStringList newJobFamilies(const PaperCatalogue &catalogue, const CaptionFile &captions,
                           const QString &paper)
{
    if (paper == u"A4")
        return captionLabelTypes(captions);
    return catalogue.families(paper);
}

QString initialPaperKind(const QStringList &paperKinds, const CaptionFile &captions)
{
    if (paperKinds.contains(QStringLiteral("A4")))
        return QStringLiteral("A4");
    for (const QString &kind : captionItems(captions, QStringLiteral("PaperType"))) {
        if (paperKinds.contains(kind))
            return kind;
    }
    return paperKinds.value(0);
}

int initialFamilyRow(const QStringList &families, const CaptionFile &captions)
{
    if (families.isEmpty())
        return -1;
    const qsizetype row =
        families.indexOf(captions.read(QStringLiteral("LabelType"), QStringLiteral("item1")));
    return row >= 0 ? int(row) : 0;
}

CountKey countSearchKey(QChar typed)
{
    if (typed == u'\r' || typed == u'\n')
        return CountKey::Search;
    if ((typed >= u'0' && typed <= u'9') || typed == u'\b')
        return CountKey::Accept;
    return CountKey::Refuse;
}

std::optional<int> parseLabelCount(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 6)
        return std::nullopt;
    for (QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return trimmed.toInt();
}

} // namespace quill
