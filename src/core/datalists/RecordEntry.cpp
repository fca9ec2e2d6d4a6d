// The record entry window's rules, kept apart from its widgets.
#include "RecordEntry.h"

#include "DataSet.h"
#include "shell/CaptionFile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace quill {
namespace {

// why holds %1 for the field's name (and %2 for a limit).
Error refused(const QString &field, const QString &why, const QString &limit = {})
{
    return Error(limit.isEmpty() ? why.arg(field) : why.arg(field, limit), field);
}

Result<QVariant> textValue(const DataField &field, EntryEditor editor, const QString &text)
{
    if (text.isEmpty())
        return QVariant(); // the list's empty cell
    int limit = field.size > 0 ? field.size : UnsizedTextLength;
    if (editor == EntryEditor::PostalCode)
        limit = qMin(limit, PostalCodeLength);
    else if (editor == EntryEditor::Address1 || editor == EntryEditor::Address2)
        limit = qMin(limit, AddressLength);
    if (text.size() > limit) {
        return refused(field.name, QStringLiteral("\"%1\" 필드에는 %2자까지 입력할 수 있습니다."),
            QString::number(limit));
    }
    return QVariant(text);
}

Result<QVariant> numberValue(const DataField &field, bool integer, const QVariant &typed)
{
    const bool typedText = typed.typeId() == QMetaType::QString;
    const QString text = typedText ? typed.toString().trimmed() : QString();
    if (typed.isNull() || (typedText && text.isEmpty()))
        return QVariant();
    bool ok = false;
    const QLocale c = QLocale::c();
    if (integer) {
        const qlonglong n = typedText ? c.toLongLong(text, &ok) : typed.toLongLong(&ok);
        if (!ok && typedText) {
            // Digits beyond the range are a number all the same: say it is too large.
            bool isNumber = false;
            c.toDouble(text, &isNumber);
            if (isNumber && !text.contains(u'.'))
                return refused(field.name, QStringLiteral("\"%1\" 필드의 값이 입력할 수 있는 범위를 벗어났습니다."));
        }
        if (!ok)
            return refused(field.name, QStringLiteral("\"%1\" 필드에는 정수를 입력해야 합니다."));
        if (n < EntryIntegerMin || n > EntryIntegerMax)
            return refused(field.name, QStringLiteral("\"%1\" 필드의 값이 입력할 수 있는 범위를 벗어났습니다."));
        return QVariant(n);
    }
    const double d = typedText ? c.toDouble(text, &ok) : typed.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return refused(field.name, QStringLiteral("\"%1\" 필드에는 숫자를 입력해야 합니다."));
    if (std::fabs(d) > EntryFloatLimit)
        return refused(field.name, QStringLiteral("\"%1\" 필드의 값이 입력할 수 있는 범위를 벗어났습니다."));
    return QVariant(d);
}

} // namespace

AddressFields AddressFields::fromCaptions(const CaptionFile &captions)
{
    AddressFields names;
    names.korean = captions.read(QStringLiteral("Option"), QStringLiteral("Language"))
                       .compare(QStringLiteral("kor"), Qt::CaseInsensitive)
                   == 0;
    // A missing key must not name a field: the reader's "0" would match a field called 0.
    auto name = [&](const char *key) {
        const QString k = QString::fromLatin1(key);
        return captions.contains(QStringLiteral("CreateDB"), k)
                   ? captions.read(QStringLiteral("CreateDB"), k)
                   : QString();
    };
    names.postalCode = name("PostBox");
    names.address1 = name("AddressBox");
    names.address2 = name("AddressBox1");
    return names;
}

EntryEditor entryEditor(const DataField &field, const AddressFields &addresses)
{
    if (addresses.korean && !field.name.isEmpty()) {
        if (field.name == addresses.postalCode)
            return EntryEditor::PostalCode;
        if (field.name == addresses.address1)
            return EntryEditor::Address1;
        if (field.name == addresses.address2)
            return EntryEditor::Address2;
    }
    switch (field.type) {
    case FieldType::Text:
        return EntryEditor::Text;
    case FieldType::Integer:
        return EntryEditor::Integer;
    case FieldType::Float:
        return EntryEditor::Float;
    default:
        return EntryEditor::None;
    }
}

QList<EntryField> entryFields(const QList<DataField> &fields, const AddressFields &addresses)
{
    QList<EntryField> out;
    for (int i = 0; i < fields.size(); ++i) {
        const DataField &f = fields.at(i);
        EntryField e{i, f.name, entryEditor(f, addresses), 0};
        switch (e.editor) {
        case EntryEditor::Text:
            e.maxLength = f.size > 0 ? f.size : UnsizedTextLength;
            break;
        case EntryEditor::PostalCode:
            e.maxLength = PostalCodeLength;
            break;
        case EntryEditor::Address1:
        case EntryEditor::Address2:
            e.maxLength = AddressLength;
            break;
        default:
            break;
        }
        out.append(e);
    }
    return out;
}

bool isFixedEditor(EntryEditor editor)
{
    return editor == EntryEditor::PostalCode || editor == EntryEditor::Address1
           || editor == EntryEditor::Address2;
}

bool isGeneratedEditor(EntryEditor editor)
{
    return editor == EntryEditor::Text || editor == EntryEditor::Integer || editor == EntryEditor::Float;
}

EntryLayout entryLayout(const QList<QSize> &labelSizes, const QList<QSize> &editorSizes,
    int personalGroupBottom)
{
    EntryLayout layout;
    layout.groupTop = personalGroupBottom >= 0 ? personalGroupBottom + 15 : 15;
    int widest = 0;
    for (const QSize &size : labelSizes)
        widest = qMax(widest, size.width());
    const int editorLeft = widest + 35;
    int bottom = 0;
    for (int i = 0; i < labelSizes.size(); ++i) {
        const int top = 30 + 25 * i;
        EntryRow row;
        row.label = QRect(QPoint(20, top), labelSizes.at(i));
        row.editor = QRect(QPoint(editorLeft, top - 5), editorSizes.value(i));
        bottom = std::max({bottom, row.label.bottom() + 1, row.editor.bottom() + 1});
        layout.rows.append(row);
    }
    layout.groupHeight = labelSizes.isEmpty() ? 30 : bottom + 5;
    return layout;
}

int textEditorWidth(int maxLength)
{
    return qBound(10, 10 * maxLength, MaxTextEditorWidth);
}

int entryWindowHeight(int contents, int buttonPanel, int statusBar, int screenHeight)
{
    return qMin(contents + buttonPanel + statusBar + 50, screenHeight - 100);
}

Result<QVariant> entryValue(const DataField &field, EntryEditor editor, const QVariant &typed)
{
    switch (editor) {
    case EntryEditor::Integer:
        return numberValue(field, true, typed);
    case EntryEditor::Float:
        return numberValue(field, false, typed);
    case EntryEditor::None:
        return refused(field.name, QStringLiteral("\"%1\" 필드는 입력할 수 없습니다."));
    default:
        return textValue(field, editor, typed.isNull() ? QString() : typed.toString());
    }
}

Status storeEntry(DataSet &list, const QList<EntryInput> &inputs, bool append)
{
    if (!list.isOpen())
        return Error(QStringLiteral("열린 데이터 목록이 없습니다."));
    if (!append && (list.recordCount() == 0 || list.recNo() < 1))
        return Error(QStringLiteral("수정할 자료가 없습니다."));
    QList<QPair<QString, QVariant>> values;
    for (const EntryInput &input : inputs) {
        if (input.field < 0 || input.field >= list.fieldCount())
            continue;
        const DataField field = list.field(input.field);
        Result<QVariant> value = entryValue(field, input.editor, input.value);
        if (!value)
            return value.error();
        values.append({field.name, value.value()});
    }
    if (append)
        list.append();
    else
        list.edit();
    for (const auto &[name, value] : values) {
        const Status set = list.setValue(name, value);
        if (!set) {
            list.cancel();
            return set;
        }
    }
    return list.post();
}

QString entryText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QLocale::c().toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

} // namespace quill
