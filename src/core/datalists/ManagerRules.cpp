// Small rules of the data list manager that need no window.
#include "ManagerRules.h"

#include "shell/CaptionFile.h"

#include <QStringList>

namespace quill {

QString qtFileFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &p : parts.at(i + 1).split(u';', Qt::SkipEmptyParts)) {
            if (!p.trimmed().isEmpty())
                patterns.append(p.trimmed());
        }
        if (patterns.isEmpty())
            continue;
        const QString description = parts.at(i).trimmed();
        filters.append((description.isEmpty() ? patterns.join(u' ') : description)
            + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString recordPositionText(const QString &recordText, int recNo, const QString &numberText)
{
    return recordText + u' ' + QString::number(recNo) + u' ' + numberText;
}

QList<int> workbookColumnWidths(const DataTable &table, int fontHeight)
{
    QList<int> widths;
    const int height = qAbs(fontHeight);
    for (int c = 0; c < table.columnCount(); ++c) {
        const QString text = table.rowCount() > 0 ? table.text(0, c) : QString();
        widths.append(text.isEmpty() ? 100 : int(toCp949(text).size()) * height + 20);
    }
    return widths;
}

bool isWorkbookFormat(DataListFormat format)
{
    return format == DataListFormat::Excel || format == DataListFormat::ExcelXml
        || format == DataListFormat::OpenDocument;
}

bool isProviderSource(const QString &path)
{
    const DataListFormat format = dataListFormat(path);
    return format == DataListFormat::Access || isWorkbookFormat(format);
}

QString readOnlyReason(const QString &path, int tableCount)
{
    const DataListFormat format = dataListFormat(path);
    switch (format) {
    case DataListFormat::Access:
        return QStringLiteral("Access 파일(.mdb, .accdb)은 읽기만 할 수 있습니다.");
    case DataListFormat::OpenDocument:
        return QStringLiteral("OpenDocument 파일(.ods)은 읽기만 할 수 있습니다.");
    case DataListFormat::None:
        return QStringLiteral("알 수 없는 파일 형식입니다.");
    default:
        break;
    }
    if (!canWriteFormat(format))
        return QStringLiteral("LibreOffice가 설치되어 있지 않아 .xls 파일에 쓸 수 없습니다.");
    if (isWorkbookFormat(format) && tableCount > 1)
        return QStringLiteral("시트가 여러 개인 통합 문서에 다시 쓰면 다른 시트가 지워집니다.");
    return {};
}

QString readOnlyMessage(const QString &reason)
{
    return QStringLiteral("이 목록은 고칠 수 없습니다. ") + reason
        + QStringLiteral("\n고친 목록이 필요하면 [엑셀파일로 저장하기]로 쓸 수 있는 파일에 저장한 "
                         "뒤 그 파일을 여십시오.");
}

} // namespace quill
