#include "JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quill {

void JsonWriter::newline()
{
    if (mIndent <= 0)
        return;
    mOut += '\n';
    mOut += QByteArray(mFirst.size() * mIndent, ' ');
}

void JsonWriter::beforeValue()
{
    if (mAfterKey) {
        mAfterKey = false;
        return;
    }
    if (mFirst.isEmpty())
        return;
    if (!mFirst.last())
        mOut += ',';
    mFirst.last() = false;
    newline();
}

void JsonWriter::beginObject()
{
    beforeValue();
    mOut += '{';
    mFirst.append(true);
}

void JsonWriter::endObject()
{
    const bool empty = mFirst.takeLast();
    if (!empty)
        newline();
    mOut += '}';
}

void JsonWriter::beginArray()
{
    beforeValue();
    mOut += '[';
    mFirst.append(true);
}

void JsonWriter::endArray()
{
    const bool empty = mFirst.takeLast();
    if (!empty)
        newline();
    mOut += ']';
}

void JsonWriter::key(const QString &name)
{
    beforeValue();
    writeScalar(QJsonValue(name));
    mOut += mIndent > 0 ? ": " : ":";
    mAfterKey = true;
}

void JsonWriter::value(const QJsonValue &v)
{
    beforeValue();
    writeScalar(v);
}

void JsonWriter::writeScalar(const QJsonValue &v)
{
    // Let Qt escape and format the scalar: wrap it in an array and strip the brackets.
    const QByteArray text = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    mOut += text.mid(1, text.size() - 2);
}

} // namespace quill
