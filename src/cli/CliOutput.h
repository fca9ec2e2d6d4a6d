// Standard output and error streams of the command-line tool, UTF-8.
#pragma once

#include <QString>
#include <QTextStream>

namespace quill::cli {

QTextStream &out();
QTextStream &err();
QString usageText();

} // namespace quill::cli
