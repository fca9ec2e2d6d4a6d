// The field templates of the create-table window (TableField.dat) and the field definitions
// "name;type word;size" they hold.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace quill {

class CaptionFile;

// The only type word a definition carries: every created field is text.
QString textTypeWord(); // "문자열"

// One field definition. A definition without a size counts as 20 characters; one without a
// type word shows the text type word.
struct FieldDefinition {
    static constexpr int DefaultSize = 20;
    static constexpr int MinSize = 1;
    static constexpr int MaxSize = 100;

    QString name;
    QString typeWord;
    int size = DefaultSize;

    static FieldDefinition parse(const QString &definition);
    // "name;typeWord;size", the type word defaulting to the text type word.
    QString format() const;
};

// Why a size cannot be a field's (outside 1..100), in Korean; empty when it can.
QString fieldSizeProblem(int size);

// A definition of a text field of the given size.
QString textFieldDefinition(const QString &name, int size);

// TableField.dat: [TableName] ItemCount/Item1..N names the templates in list order; each
// template's section lists its field definitions the same way; [DefaultAddr] is the address
// block, added as a whole from the first two templates.
class TableFieldTemplates {
public:
    TableFieldTemplates() = default;
    explicit TableFieldTemplates(const CaptionFile &file);
    // Reads the file at path (CP949); a missing file gives no templates.
    static TableFieldTemplates load(const QString &path);

    QStringList templateNames() const { return mNames; }
    // The definitions of a template, in file order; empty for an unknown name.
    QStringList fields(const QString &templateName) const;
    QStringList fields(int templateIndex) const;
    QStringList addressBlock() const { return mAddressBlock; }

private:
    QStringList mNames;
    QHash<QString, QStringList> mFields;
    QStringList mAddressBlock;
};

} // namespace quill
