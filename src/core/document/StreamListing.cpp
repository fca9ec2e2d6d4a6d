// Formatting of property stream records and values as text lines.
#include "StreamListing.h"

#include "PropertyStreamReader.h"

#include <QLocale>
#include <QStringList>

namespace quill {

namespace {

constexpr int kHexPreview = 32;

// "6 short text": the tag byte and its meaning.
QString tagText(StreamTag tag)
{
    return QString::number(int(tag)) + QLatin1Char(' ') + streamTagName(tag);
}

QString offsetText(qint64 offset)
{
    if (offset < 0)
        return QStringLiteral("        ");
    return QStringLiteral("%1").arg(offset, 8, 16, QLatin1Char('0')).toUpper();
}

void addLine(QStringList &lines, qint64 offset, int indent, const QString &text)
{
    lines.append(
        offsetText(offset) + QStringLiteral("  ") + QString(indent * 2, QLatin1Char(' ')) + text);
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString currencyText(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? 0 - quint64(tenThousandths) : quint64(tenThousandths);
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
}

QString extendedText(const StreamValue &value)
{
    const double d = value.toDouble();
    QString text = shortest(d);
    if (doubleToExtended(d) != value.extendedBytes()) {
        // Not exactly a double: show the stored bits as well.
        QByteArray raw(reinterpret_cast<const char *>(value.extendedBytes().data()), 10);
        text += QStringLiteral(" (rounded; bytes %1)").arg(QString::fromLatin1(raw.toHex(' ')));
    }
    return text;
}

QString binaryText(const QByteArray &bytes)
{
    QString text = QStringLiteral("%1 bytes").arg(bytes.size());
    if (!bytes.isEmpty())
        text += QStringLiteral(": ") + QString::fromLatin1(bytes.left(kHexPreview).toHex(' '));
    if (bytes.size() > kHexPreview)
        text += QStringLiteral(" ...");
    return text;
}

void addValueLines(QStringList &lines, const StreamValue &value, int indent);

void addEntryLines(QStringList &lines, const QList<StreamEntry> &entries, int indent)
{
    for (const StreamEntry &entry : entries) {
        QString text = entry.name + QStringLiteral(" = ") + tagText(entry.value.tag());
        const QString payload = describeValue(entry.value);
        if (!payload.isEmpty())
            text += QStringLiteral(" ") + payload;
        addLine(lines, entry.offset, indent, text);
        addValueLines(lines, entry.value, indent + 1);
    }
}

// The nested lines of lists and collections; other values fit on their entry's line.
void addValueLines(QStringList &lines, const StreamValue &value, int indent)
{
    if (value.tag() == StreamTag::List) {
        for (const StreamValue &element : value.elements()) {
            QString text = tagText(element.tag());
            const QString payload = describeValue(element);
            if (!payload.isEmpty())
                text += QStringLiteral(" ") + payload;
            addLine(lines, element.offset(), indent, text);
            addValueLines(lines, element, indent + 1);
        }
    } else if (value.tag() == StreamTag::Collection) {
        int number = 0;
        for (const StreamItem &item : value.items()) {
            QString text = QStringLiteral("item %1").arg(number++);
            if (item.index.isInteger())
                text += QStringLiteral(" (index %1)").arg(item.index.toInteger());
            addLine(lines, item.offset, indent, text);
            addEntryLines(lines, item.entries, indent + 1);
        }
    }
}

void addRecordLines(QStringList &lines, const StreamRecord &record, int indent, bool top)
{
    QString head = top ? QStringLiteral("TPF0 ") : QString();
    if (record.prefix) {
        head += QStringLiteral("prefix flags %1").arg(*record.prefix);
        if (record.childPosition.isInteger())
            head += QStringLiteral(" child position %1").arg(record.childPosition.toInteger());
        head += QStringLiteral(", ");
    }
    head += record.className + QLatin1Char(' ') + quoted(record.name);
    addLine(lines, record.offset, indent, head);
    addEntryLines(lines, record.entries, indent + 1);
    for (const StreamRecord &child : record.children)
        addRecordLines(lines, child, indent + 1, false);
    if (record.endOffset >= 0)
        addLine(lines, record.endOffset, indent, QStringLiteral("end"));
}

} // namespace

QString describeValue(const StreamValue &value)
{
    switch (value.tag()) {
    case StreamTag::Int8:
    case StreamTag::Int16:
    case StreamTag::Int32:
    case StreamTag::Int64:
        return QString::number(value.toInteger());
    case StreamTag::Extended:
        return extendedText(value);
    case StreamTag::Single:
    case StreamTag::Date:
        return shortest(value.toDouble());
    case StreamTag::Currency:
        return currencyText(value.currencyValue());
    case StreamTag::String:
    case StreamTag::LString:
    case StreamTag::WString:
    case StreamTag::Utf8String:
        return quoted(value.text());
    case StreamTag::Ident:
        return value.identName();
    case StreamTag::Binary:
        return binaryText(value.bytes());
    case StreamTag::Set:
        return QLatin1Char('[') + value.setMembers().join(QStringLiteral(", ")) + QLatin1Char(']');
    case StreamTag::List:
        return QStringLiteral("of %1").arg(value.elements().size());
    case StreamTag::Collection:
        return QStringLiteral("of %1").arg(value.items().size());
    default:
        return {};
    }
}

QString listRecord(const StreamRecord &record, int indent)
{
    QStringList lines;
    addRecordLines(lines, record, indent, true);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString listStream(const QByteArray &data, qint64 offset)
{
    QStringList lines;
    PropertyStreamReader reader(data, offset);
    while (!reader.atEnd()) {
        const qint64 at = reader.pos();
        if (data.mid(at, 4) != QByteArrayView("TPF0")) {
            const Result<qint32> number = reader.readInt32();
            if (!number) {
                addLine(lines, at, 0,
                    QStringLiteral("%1 trailing bytes: %2")
                        .arg(data.size() - at)
                        .arg(QString::fromLatin1(data.mid(at).toHex(' '))));
                break;
            }
            addLine(lines, at, 0, QStringLiteral("integer %1").arg(number.value()));
            continue;
        }
        StreamRecord record;
        const Status status = reader.readRecord(record);
        addRecordLines(lines, record, 0, true);
        if (!status) {
            addLine(lines, -1, 0,
                QStringLiteral("error at %1: %2")
                    .arg(status.error().where, status.error().message));
            break;
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace quill
