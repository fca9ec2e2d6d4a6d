// A small streaming JSON writer that keeps object keys in the order they are written.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QVector>

namespace quill {

// QJsonObject sorts its keys; documents are dumped in stream order, so this writes text directly.
// Usage: beginObject(); key("a"); value(1); key("b"); beginArray(); ... endArray(); endObject();
class JsonWriter {
public:
    explicit JsonWriter(int indent = 2) : mIndent(indent) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const QString &name);
    // Any scalar, or a QJsonArray/QJsonObject (written compactly, keys sorted).
    void value(const QJsonValue &v);

    QByteArray data() const { return mOut + '\n'; }

private:
    void beforeValue();
    void writeScalar(const QJsonValue &v);
    void newline();

    QByteArray mOut;
    QVector<bool> mFirst; // per open container: nothing written into it yet
    int mIndent;
    bool mAfterKey = false;
};

} // namespace quill
