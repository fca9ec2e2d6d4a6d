#include "InnerCutOutline.h"

#include "NumberText.h"
#include "shell/CaptionFile.h"

#include <array>
#include <utility>

namespace quill {

void InnerCutOutline::swapAxes()
{
    std::swap(x, y);
    std::swap(width, height);
}

Result<InnerCutOutline> loadInnerCutOutline(const CaptionFile &captions, const QString &labelCode)
{
    const QString section = QStringLiteral("IndexAudioLabel");
    const QString list = captions.read(section, QStringLiteral("IndexAudioLabel"));
    InnerCutOutline outline;
    if (!list.contains(QLatin1Char(',') + labelCode + QLatin1Char(',')))
        return outline;

    // Split from the left at each comma: a missing number is an empty text, which fails.
    std::array<double, 6> values{};
    QString rest = captions.read(section, labelCode);
    for (double &value : values) {
        const ListSplit split = splitList(rest, QLatin1Char(','));
        const Result<double> number = textToFloat(split.item);
        if (!number)
            return Error{number.error().message, labelCode};
        value = number.value();
        rest = split.rest;
    }
    outline.present = true;
    outline.x = values[0];
    outline.y = values[1];
    outline.width = values[2];
    outline.height = values[3];
    outline.secondOffset = values[4];
    outline.penWidth = values[5];
    return outline;
}

} // namespace quill
