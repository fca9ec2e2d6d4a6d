// Field names a list can be opened with, whatever its header row holds.
#include "FieldNames.h"

#include <QSet>

namespace quill {

QString emptyFieldName(int column)
{
    return QStringLiteral("F%1").arg(column + 1);
}

namespace {

QString cleaned(const QString &name)
{
    QString text = name;
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return text.trimmed();
}

QString quotedName(const QString &name)
{
    return u'"' + name + u'"';
}

} // namespace

int normaliseFieldNames(DataTable &table)
{
    // Every name the header holds (after cleaning) is reserved first, so that a made-up name
    // ("F3", "name_2") never takes the name a later column really has.
    QList<QString> wanted;
    QSet<QString> taken;
    for (int c = 0; c < table.fields.size(); ++c) {
        QString name = cleaned(table.fields.at(c).name);
        if (name.isEmpty())
            name = emptyFieldName(c);
        wanted.append(name);
    }
    for (const QString &name : wanted)
        taken.insert(name.toCaseFolded());

    int changed = 0;
    QSet<QString> used;
    for (int c = 0; c < table.fields.size(); ++c) {
        const QString original = table.fields.at(c).name;
        QString name = wanted.at(c);
        if (used.contains(name.toCaseFolded())) {
            QString candidate;
            for (int k = 2;; ++k) {
                candidate = name + QStringLiteral("_%1").arg(k);
                if (!taken.contains(candidate.toCaseFolded()))
                    break;
            }
            name = candidate;
            taken.insert(name.toCaseFolded());
        }
        used.insert(name.toCaseFolded());
        if (name == original)
            continue;
        table.fields[c].name = name;
        ++changed;
        const QString given = cleaned(original);
        if (given.isEmpty()) {
            table.warnings.append(QStringLiteral("column %1 has no name in the header; it is called %2")
                                      .arg(c + 1).arg(quotedName(name)));
        } else if (given != name) {
            table.warnings.append(
                QStringLiteral("column %1 is named %2 like an earlier column; it is called %3")
                    .arg(c + 1).arg(quotedName(given), quotedName(name)));
        }
    }
    return changed;
}

} // namespace quill
