// The recent-files list of the File menu, without the menu: items, limit and storage.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

namespace quill {

// Remembered documents, most recent first, without duplicates and never longer than the
// maximum. Stored in the settings group "MRUList" as File0, File1, ... (full paths) and, while
// the names flag is on, Name0, Name1, ... (captions). The menu follows changed().
class TZR_HistoryList : public QObject {
    Q_OBJECT
public:
    struct Item {
        QString path; // full path, compared exactly (case-sensitive)
        QString caption; // the file name without its folder
        bool operator==(const Item &) const = default;
    };

    static constexpr int InitialMaximum = 4;
    static QString group() { return QStringLiteral("MRUList"); }

    // settings, when given, is where the list loads itself from the first time its maximum is
    // set; it is not owned and must outlive the list.
    explicit TZR_HistoryList(QSettings *settings = nullptr, QObject *parent = nullptr);

    const QList<Item> &items() const { return mItems; }
    QStringList paths() const;
    int count() const { return int(mItems.size()); }
    bool isEmpty() const { return mItems.isEmpty(); }

    int maximum() const { return mMaximum; }
    // Refuses a count of 0 or less (returns false, nothing changes). Otherwise drops the oldest
    // items beyond count, keeps count, and the first time loads the list from the settings.
    bool setMaximum(int count);

    bool namesFlag() const { return mNamesFlag; }
    void setNamesFlag(bool on) { mNamesFlag = on; }

    // Puts path on top: an item with the same path moves up, a new one pushes the oldest out when
    // the list is full. An empty path or one whose file does not exist is ignored (false).
    bool add(const QString &path);
    // Takes path off the list (a document found missing when chosen); false when not listed.
    bool remove(const QString &path);

    // Replaces the list by the stored one: File0.. until a value is missing, added from the
    // last to the first so that File0 ends on top; files that no longer exist are dropped.
    void load(QSettings &settings);
    // Writes File<n> (and Name<n> while the names flag is on) for every item and deletes the
    // stored entries beyond the list's length. An empty list writes nothing.
    void save(QSettings &settings) const;

Q_SIGNALS:
    void changed();

private:
    bool putOnTop(const QString &path);

    QSettings *mSettings = nullptr;
    QList<Item> mItems;
    int mMaximum = InitialMaximum;
    bool mNamesFlag = true;
    bool mLoaded = false;
};

} // namespace quill
