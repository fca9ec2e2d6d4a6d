// Field names a list can be opened with, whatever its header row holds.
#include "FieldNames.h"

#include <QHash>
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

// A sheet of thousands of unnamed columns is told in a few lines, not thousands.
constexpr int MaxNamedWarnings = 20;

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
    QHash<QString, int> nextSuffix; // per repeated name: the suffix to try first
    for (int c = 0; c < table.fields.size(); ++c) {
        const QString original = table.fields.at(c).name;
        QString name = wanted.at(c);
        const QString key = name.toCaseFolded();
        if (used.contains(key)) {
            // A header of thousands of equal names must not cost thousands of tries each.
            int &k = nextSuffix[key];
            QString candidate;
            for (k = qMax(k, 2);; ++k) {
                candidate = name + QStringLiteral("_%1").arg(k);
                if (!taken.contains(candidate.toCaseFolded()))
                    break;
            }
            ++k;
            name = candidate;
            taken.insert(name.toCaseFolded());
        }
        used.insert(name.toCaseFolded());
        if (name == original)
            continue;
        table.fields[c].name = name;
        if (++changed > MaxNamedWarnings)
            continue;
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
    if (changed > MaxNamedWarnings)
        table.warnings.append(QStringLiteral("%1 more columns were given names of their own")
                                  .arg(changed - MaxNamedWarnings));
    return changed;
}

} // namespace quill
