#include "CountryCharset.h"

#include <QSettings>

#include <atomic>

namespace quill {

namespace {

std::atomic<int> gObjectCharset{HangeulCharset};

} // namespace

int countryCharsetFor(const QString &countryName)
{
    if (countryName.compare(QLatin1String("kor"), Qt::CaseInsensitive) == 0)
        return HangeulCharset;
    if (countryName.compare(QLatin1String("eng"), Qt::CaseInsensitive) == 0)
        return DefaultCharset;
    return AnsiCharset;
}

int CountryCharset(QSettings &settings)
{
    const QString key = QStringLiteral("ZRCountry/CountryName");
    const QString country =
        settings.contains(key) ? settings.value(key).toString() : QStringLiteral("Kor");
    return countryCharsetFor(country);
}

int defaultObjectCharset()
{
    return gObjectCharset.load();
}

void setDefaultObjectCharset(int charset)
{
    gObjectCharset.store(charset);
}

} // namespace quill
