#include "NumberText.h"

#include <QLocale>

#include <cmath>

namespace quill {

QString invalidFloatMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString invalidIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

Result<double> textToFloat(const QString &text)
{
    bool ok = false;
    // The C locale: catalogue and caption files always write a decimal point.
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    // "inf" and "nan" are no numbers a length or a count can take.
    if (!ok || !std::isfinite(value))
        return Error{invalidFloatMessage(text), {}};
    return value;
}

Result<qint64> textToInteger(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(QLatin1Char('$')))
        value = t.mid(1).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    if (!ok)
        return Error{invalidIntegerMessage(text), {}};
    return value;
}

} // namespace quill
