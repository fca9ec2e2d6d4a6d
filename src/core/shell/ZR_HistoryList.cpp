// Recent-files list: ordering, limit and storage in the settings.
#include "ZR_HistoryList.h"

#include <QFileInfo>
#include <QSettings>

namespace quill {

namespace {

QString fileKey(qsizetype n)
{
    return QStringLiteral("File") + QString::number(n);
}

QString nameKey(qsizetype n)
{
    return QStringLiteral("Name") + QString::number(n);
}

} // namespace

TZR_HistoryList::TZR_HistoryList(QSettings *settings, QObject *parent)
    : QObject(parent), mSettings(settings)
{
}

QStringList TZR_HistoryList::paths() const
{
    QStringList result;
    for (const Item &item : mItems)
        result << item.path;
    return result;
}

bool TZR_HistoryList::setMaximum(int count)
{
    if (count <= 0)
        return false;
    const bool shrunk = mItems.size() > count;
    if (shrunk)
        mItems.resize(count);
    mMaximum = count;
    if (!mLoaded && mSettings) {
        mLoaded = true;
        load(*mSettings); // emits changed()
    } else if (shrunk) {
        Q_EMIT changed();
    }
    return true;
}

bool TZR_HistoryList::add(const QString &path)
{
    if (!putOnTop(path))
        return false;
    Q_EMIT changed();
    return true;
}

bool TZR_HistoryList::remove(const QString &path)
{
    if (mItems.removeIf([&](const Item &item) { return item.path == path; }) == 0)
        return false;
    Q_EMIT changed();
    return true;
}

bool TZR_HistoryList::putOnTop(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    // Exact comparison: the list keeps paths as they were given.
    mItems.removeIf([&](const Item &item) { return item.path == path; });
    mItems.prepend({path, QFileInfo(path).fileName()});
    if (mItems.size() > mMaximum)
        mItems.resize(mMaximum);
    return true;
}

void TZR_HistoryList::load(QSettings &settings)
{
    settings.beginGroup(group());
    QStringList stored;
    for (qsizetype n = 0;; ++n) {
        const QString path = settings.value(fileKey(n)).toString();
        if (path.isEmpty())
            break;
        stored << path;
    }
    settings.endGroup();

    mItems.clear();
    // Adding oldest first leaves File0 on top and keeps the newest when more are stored than
    // the maximum allows. Stored captions are not needed: add() derives them from the path.
    for (auto it = stored.crbegin(); it != stored.crend(); ++it)
        putOnTop(*it);
    Q_EMIT changed();
}

void TZR_HistoryList::save(QSettings &settings) const
{
    if (mItems.isEmpty())
        return;
    settings.beginGroup(group());
    for (qsizetype n = 0; n < mItems.size(); ++n) {
        settings.setValue(fileKey(n), mItems.at(n).path);
        if (mNamesFlag)
            settings.setValue(nameKey(n), mItems.at(n).caption);
    }
    for (qsizetype k = mItems.size(); settings.contains(fileKey(k)); ++k) {
        settings.remove(fileKey(k));
        settings.remove(nameKey(k));
    }
    settings.endGroup();
}

} // namespace quill
