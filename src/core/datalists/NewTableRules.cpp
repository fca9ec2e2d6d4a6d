// The rules of the create-table window and of the save-table dialogs.
#include "NewTableRules.h"

#include "DataListFile.h"
#include "TableFieldTemplates.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace quill {

int definitionRow(const QStringList &definitions, const QString &name)
{
    for (int i = 0; i < definitions.size(); ++i) {
        if (FieldDefinition::parse(definitions.at(i)).name == name)
            return i;
    }
    return -1;
}

namespace {

bool appendIfMissing(QStringList &definitions, const QString &definition)
{
    if (definitionRow(definitions, FieldDefinition::parse(definition).name) >= 0)
        return false;
    definitions.append(definition);
    return true;
}

// Why a name cannot be a field of the new table; empty when it can. row is the row being
// rewritten (its own name is allowed), -1 for a new field.
QString nameProblem(const QStringList &definitions, const QString &name, int row)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("필드이름을 입력 하십시오.");
    if (name.contains(u';'))
        return QStringLiteral("필드이름에는 ';' 문자를 쓸 수 없습니다.");
    const int existing = definitionRow(definitions, name);
    if (existing >= 0 && existing != row)
        return QStringLiteral("'%1' 필드가 이미 있습니다. 다른 이름을 입력 하십시오.").arg(name);
    return {};
}

} // namespace

int addTemplateField(QStringList &definitions, const QString &definition,
                     const QStringList &addressBlock, bool addressRule)
{
    const QString name = FieldDefinition::parse(definition).name;
    if (addressRule && definitionRow(addressBlock, name) >= 0)
        return addAllTemplateFields(definitions, addressBlock);
    return appendIfMissing(definitions, definition) ? 1 : 0;
}

int addAllTemplateFields(QStringList &definitions, const QStringList &templateFields)
{
    int added = 0;
    for (const QString &definition : templateFields)
        added += appendIfMissing(definitions, definition) ? 1 : 0;
    return added;
}

bool removeDefinitionRow(QStringList &definitions, int row)
{
    if (row < 0 || row >= definitions.size())
        return false;
    definitions.removeAt(row);
    return true;
}

Result<int> addUserField(QStringList &definitions, const QString &name, int size)
{
    QString problem = nameProblem(definitions, name, -1);
    if (problem.isEmpty())
        problem = fieldSizeProblem(size);
    if (!problem.isEmpty())
        return Error(problem);
    definitions.append(textFieldDefinition(name, size));
    return int(definitions.size() - 1);
}

Status modifyDefinitionRow(QStringList &definitions, int row, const QString &name,
                           const QString &typeWord, int size)
{
    if (row < 0 || row >= definitions.size())
        return Error(QStringLiteral("수정할 필드를 선택 하십시오."));
    QString problem = nameProblem(definitions, name, row);
    if (problem.isEmpty())
        problem = fieldSizeProblem(size);
    if (!problem.isEmpty())
        return Error(problem);
    definitions[row] = FieldDefinition {name, typeWord, size}.format();
    return Status::success();
}

Status createNewTableFile(const QString &path, const QStringList &definitions,
                          const QString &tableName)
{
    const DataListFormat format = dataListFormat(path);
    if (format != DataListFormat::ExcelXml && format != DataListFormat::Excel)
        return createDataList(path, definitions, tableName);
    DataTable table;
    table.name = tableName.isEmpty() ? QStringLiteral("Sheet1") : tableName;
    for (const QString &definition : definitions) {
        const FieldDefinition field = FieldDefinition::parse(definition);
        if (!field.name.trimmed().isEmpty() && table.fieldIndex(field.name) < 0)
            table.fields.append({field.name, FieldType::Text, field.size});
    }
    return writeDataList(path, table, tableName);
}

QString suggestTableName(const QStringList &existing)
{
    for (int n = 1; n <= 1000; ++n) {
        const QString name = QStringLiteral("TABLE") + QString::number(n);
        if (!existing.contains(name, Qt::CaseInsensitive))
            return name;
    }
    return {};
}

Status checkNewTableName(const QString &name, const QStringList &existing)
{
    if (name.trimmed().isEmpty())
        return Error(QStringLiteral("생성할 테이블 이름을 입력하십시오."));
    if (existing.contains(name.trimmed(), Qt::CaseInsensitive))
        return Error(QStringLiteral("생성할 테이블 이름이 있습니다. 다시 입력하십시오."));
    return Status::success();
}

namespace {

// The pattern of a Qt name filter "description (pattern)"; the filter itself when it has no
// parentheses (a bare pattern).
QString qtFilterPattern(const QString &filter)
{
    const int close = filter.lastIndexOf(u')');
    const int open = close > 0 ? filter.lastIndexOf(u'(', close) : -1;
    if (open < 0)
        return filter.trimmed();
    return filter.mid(open + 1, close - open - 1).trimmed();
}

// The extension of the first pattern of a list ("*.xlsx" or "*.db;*.dbf" gives the first).
QString patternExtension(const QString &pattern)
{
    const QString first = pattern.split(QRegularExpression(QStringLiteral("[;\\s]+")),
                                        Qt::SkipEmptyParts).value(0);
    const int dot = first.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    const QString ext = first.mid(dot + 1);
    if (ext.isEmpty() || ext.contains(u'*') || ext.contains(u'?'))
        return {};
    return ext;
}

} // namespace

QString filterExtension(const QString &filter, int index)
{
    const int k = qMax(1, index);
    if (filter.contains(u'|')) {
        const QStringList parts = filter.split(u'|');
        return patternExtension(parts.value(2 * (k - 1) + 1));
    }
    const QStringList filters = filter.split(QStringLiteral(";;"));
    return patternExtension(qtFilterPattern(filters.value(k - 1)));
}

QString withFilterExtension(const QString &fileName, const QString &filter, int index)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    const QString ext = filterExtension(filter, index);
    if (ext.isEmpty())
        return fileName;
    // "name." has an empty suffix too: do not double the dot.
    return fileName.endsWith(u'.') ? fileName + ext : fileName + u'.' + ext;
}

QStringList qtNameFilters(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i);
        const QString pattern = parts.at(i + 1);
        // "Excel(*.xlsx)" already names its pattern; Qt reads the last parentheses, whose
        // patterns are separated by blanks rather than ';'.
        if (description.contains(u'(' + pattern + u')') && !pattern.contains(u';'))
            filters.append(description);
        else
            filters.append(description + QStringLiteral(" (") + QString(pattern).replace(u';', u' ') + u')');
    }
    return filters;
}

} // namespace quill
