#include "ZoomList.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quill::ZoomList {

const QList<int> &values()
{
    static const QList<int> list{60, 80, 100, 150, 200, 250, 300};
    return list;
}

const QList<int> &zoomInMenuValues()
{
    static const QList<int> list{140, 180, 200, 250, 300};
    return list;
}

const QList<int> &zoomOutMenuValues()
{
    static const QList<int> list{80, 60};
    return list;
}

QString text(int zoom)
{
    return QString::number(zoom) + u" %"_s;
}

QStringList texts()
{
    QStringList list;
    for (int zoom : values())
        list << text(zoom);
    return list;
}

Result<int> parse(const QString &typed)
{
    QString digits = typed.trimmed();
    if (digits.endsWith(u'%'))
        digits = digits.chopped(1).trimmed();
    // Only ASCII digits: toInt() alone would also take signs, and a sign is never a zoom.
    const bool allDigits = !digits.isEmpty() && digits.size() <= 9
        && std::all_of(digits.cbegin(), digits.cend(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits)
        return Error(u"'%1'은(는) 올바른 화면 배율이 아닙니다. %2에서 %3 사이의 숫자를 입력하십시오."_s
                         .arg(typed.trimmed())
                         .arg(MinZoom)
                         .arg(MaxZoom));
    const int zoom = digits.toInt();
    if (zoom < MinZoom || zoom > MaxZoom)
        return Error(u"화면 배율은 %1 %에서 %2 % 사이로 입력하십시오."_s.arg(MinZoom).arg(MaxZoom));
    return zoom;
}

std::optional<int> zoomIn(int current)
{
    for (int zoom : values()) {
        if (zoom > current)
            return zoom;
    }
    return std::nullopt;
}

std::optional<int> zoomOut(int current)
{
    const QList<int> &list = values();
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        if (*it < current)
            return *it;
    }
    return std::nullopt;
}

} // namespace quill::ZoomList
