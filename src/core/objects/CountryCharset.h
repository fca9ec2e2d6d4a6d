// The font character set that new text boxes and field labels take from the country setting.
#pragma once

#include <QString>

class QSettings;

namespace quill {

// Character sets as the font stores them.
constexpr int AnsiCharset = 0;
constexpr int DefaultCharset = 1;
constexpr int HangeulCharset = 129;

// Reads "CountryName" from the "ZRCountry" group of settings; a missing entry counts as "Kor".
// Compared without regard to case: "kor" gives 129 (Hangul), "eng" 1 (default character set),
// anything else, an empty value included, 0 (ANSI).
int CountryCharset(QSettings &settings);
// The same rule applied to a country name.
int countryCharsetFor(const QString &countryName);

// The character set that constructors of text boxes and field labels give their font. The
// application sets it once at start-up from CountryCharset(); until then it is 129, the value
// of a missing country setting.
int defaultObjectCharset();
void setDefaultObjectCharset(int charset);

} // namespace quill
