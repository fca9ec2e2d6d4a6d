// The field templates of the create-table window and their field definitions.
#include "TableFieldTemplates.h"

#include "shell/CaptionFile.h"

namespace quill {

QString textTypeWord()
{
    return QStringLiteral("문자열");
}

FieldDefinition FieldDefinition::parse(const QString &definition)
{
    const QStringList parts = definition.split(u';');
    FieldDefinition field;
    field.name = parts.value(0);
    field.typeWord = parts.value(1).trimmed();
    bool ok = false;
    const int size = parts.value(2).trimmed().toInt(&ok);
    field.size = ok && size > 0 ? size : DefaultSize;
    return field;
}

QString FieldDefinition::format() const
{
    const QString type = typeWord.isEmpty() ? textTypeWord() : typeWord;
    return name + u';' + type + u';' + QString::number(size);
}

QString fieldSizeProblem(int size)
{
    if (size < FieldDefinition::MinSize || size > FieldDefinition::MaxSize)
        return QStringLiteral("필드크기는 %1에서 %2 사이로 입력 하십시오.")
            .arg(FieldDefinition::MinSize)
            .arg(FieldDefinition::MaxSize);
    return {};
}

QString textFieldDefinition(const QString &name, int size)
{
    return FieldDefinition {name, textTypeWord(), size}.format();
}

namespace {

// The items of a section: ItemCount entries Item1..ItemN. Missing items are left out rather
// than read as "0", which would show as a field called 0.
QStringList readItems(const CaptionFile &file, const QString &section)
{
    const int count = file.read(section, QStringLiteral("ItemCount")).trimmed().toInt();
    QStringList items;
    for (int i = 1; i <= count; ++i) {
        const QString key = QStringLiteral("Item") + QString::number(i);
        if (!file.contains(section, key))
            continue;
        const QString value = file.read(section, key);
        if (!value.trimmed().isEmpty())
            items.append(value);
    }
    return items;
}

} // namespace

TableFieldTemplates::TableFieldTemplates(const CaptionFile &file)
{
    mNames = readItems(file, QStringLiteral("TableName"));
    for (const QString &name : std::as_const(mNames))
        mFields.insert(name, readItems(file, name));
    mAddressBlock = readItems(file, QStringLiteral("DefaultAddr"));
}

TableFieldTemplates TableFieldTemplates::load(const QString &path)
{
    return TableFieldTemplates(CaptionFile(path));
}

QStringList TableFieldTemplates::fields(const QString &templateName) const
{
    return mFields.value(templateName);
}

QStringList TableFieldTemplates::fields(int templateIndex) const
{
    return fields(mNames.value(templateIndex));
}

} // namespace quill
