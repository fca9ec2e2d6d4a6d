// Recent-files list and auto-save naming.
#include "shell/AutoSave.h"
#include "shell/ZR_HistoryList.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTime>
#include <QtTest>

using namespace quill;

class TestRecentFiles : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;

    // A document file that exists: doc("a") is <dir>/a.qlb.
    QString doc(const QString &name) const { return mDir.filePath(name + QStringLiteral(".qlb")); }
    QStringList docs(const QString &names) const
    {
        QStringList result;
        for (const QString &name : names.split(u' ', Qt::SkipEmptyParts))
            result << doc(name);
        return result;
    }
    void storeList(const QStringList &paths)
    {
        for (int n = 0; n < paths.size(); ++n)
            mSettings->setValue(QStringLiteral("MRUList/File%1").arg(n), paths.at(n));
    }
    QStringList storedKeys()
    {
        mSettings->beginGroup(TZR_HistoryList::group());
        QStringList keys = mSettings->childKeys();
        mSettings->endGroup();
        keys.sort();
        return keys;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        for (const char *name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "A"}) {
            QFile file(doc(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void init()
    {
        static int run = 0;
        mSettings = std::make_unique<QSettings>(
            mDir.filePath(QStringLiteral("settings%1.ini").arg(++run)), QSettings::IniFormat);
    }

    void addKeepsMostRecentFirstWithoutDuplicates()
    {
        TZR_HistoryList list;
        QSignalSpy changed(&list, &TZR_HistoryList::changed);
        for (const QString &path : docs(QStringLiteral("a b c")))
            QVERIFY(list.add(path));
        QCOMPARE(list.paths(), docs(QStringLiteral("c b a")));
        QVERIFY(list.add(doc(QStringLiteral("a")))); // already listed: moves to the top
        QCOMPARE(list.paths(), docs(QStringLiteral("a c b")));
        QVERIFY(list.add(doc(QStringLiteral("A")))); // another file, not a duplicate of a
        QCOMPARE(list.paths(), docs(QStringLiteral("A a c b")));
        QCOMPARE(list.items().first().caption, QStringLiteral("A.qlb"));
        QCOMPARE(changed.count(), 5);

        QVERIFY(!list.add(QString()));
        QVERIFY(!list.add(doc(QStringLiteral("missing"))));
        QCOMPARE(list.count(), 4);
        QCOMPARE(changed.count(), 5);
    }

    void maximumLimitsTheList()
    {
        TZR_HistoryList list;
        QCOMPARE(list.maximum(), 4);
        for (const QString &path : docs(QStringLiteral("a b c d e f")))
            list.add(path);
        QCOMPARE(list.paths(), docs(QStringLiteral("f e d c")));

        QVERIFY(!list.setMaximum(0));
        QVERIFY(!list.setMaximum(-2));
        QCOMPARE(list.maximum(), 4);
        QCOMPARE(list.count(), 4);

        QVERIFY(list.setMaximum(8));
        for (const QString &path : docs(QStringLiteral("a b c d e f g h")))
            list.add(path);
        QCOMPARE(list.count(), 8);
        QVERIFY(list.setMaximum(3)); // the five oldest go at once
        QCOMPARE(list.paths(), docs(QStringLiteral("h g f")));
        list.add(doc(QStringLiteral("i")));
        QCOMPARE(list.paths(), docs(QStringLiteral("i h g")));
    }

    void loadPutsFileZeroOnTopAndDropsMissingFiles()
    {
        // File5 sits after a gap and is never read.
        storeList({doc(QStringLiteral("a")), doc(QStringLiteral("gone")), doc(QStringLiteral("b")),
            doc(QStringLiteral("c"))});
        mSettings->setValue(QStringLiteral("MRUList/File5"), doc(QStringLiteral("d")));
        TZR_HistoryList list;
        list.setMaximum(10);
        list.load(*mSettings);
        QCOMPARE(list.paths(), docs(QStringLiteral("a b c")));
        QCOMPARE(list.items().at(1).caption, QStringLiteral("b.qlb"));
    }

    void loadKeepsTheNewestWhenMoreAreStored()
    {
        storeList(docs(QStringLiteral("a b c d e f")));
        TZR_HistoryList list(mSettings.get());
        QVERIFY(list.isEmpty()); // nothing is read before the maximum is set
        QVERIFY(list.setMaximum(3)); // the first setting loads
        QCOMPARE(list.paths(), docs(QStringLiteral("a b c")));

        storeList(docs(QStringLiteral("j")));
        QVERIFY(list.setMaximum(5)); // later settings do not read again
        QCOMPARE(list.paths(), docs(QStringLiteral("a b c")));
    }

    void saveWritesListAndDeletesStaleEntries()
    {
        storeList(docs(QStringLiteral("a b c d e f")));
        for (int n = 0; n < 6; ++n)
            mSettings->setValue(QStringLiteral("MRUList/Name%1").arg(n), QStringLiteral("old"));
        TZR_HistoryList list;
        list.add(doc(QStringLiteral("h")));
        list.add(doc(QStringLiteral("g")));
        list.save(*mSettings);
        QCOMPARE(storedKeys(),
            (QStringList {QStringLiteral("File0"), QStringLiteral("File1"), QStringLiteral("Name0"),
                QStringLiteral("Name1")}));
        QCOMPARE(
            mSettings->value(QStringLiteral("MRUList/File0")).toString(), doc(QStringLiteral("g")));
        QCOMPARE(
            mSettings->value(QStringLiteral("MRUList/Name1")).toString(), QStringLiteral("h.qlb"));

        // A saved list loads back in the same order.
        TZR_HistoryList reloaded;
        reloaded.load(*mSettings);
        QCOMPARE(reloaded.paths(), list.paths());
    }

    void saveWithoutNamesAndEmptyList()
    {
        TZR_HistoryList list;
        list.setNamesFlag(false);
        list.save(*mSettings); // empty: writes nothing
        QVERIFY(storedKeys().isEmpty());
        list.add(doc(QStringLiteral("a")));
        list.save(*mSettings);
        QCOMPARE(storedKeys(), QStringList {QStringLiteral("File0")});
    }

    void autoSaveName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("afternoon")
            << "/home/u/Data" << QTime(14, 30, 5) << "/home/u/Data/Tmp143005.tmp";
        QTest::newRow("trailing separator")
            << "/home/u/Data/" << QTime(14, 30, 5) << "/home/u/Data/Tmp143005.tmp";
        QTest::newRow("just after midnight") << "/d" << QTime(0, 0, 9) << "/d/Tmp000009.tmp";
        QTest::newRow("evening, 24-hour") << "/d" << QTime(23, 59, 59) << "/d/Tmp235959.tmp";
    }

    void autoSaveName()
    {
        QFETCH(QString, folder);
        QFETCH(QTime, time);
        QFETCH(QString, expected);
        QCOMPARE(AutoSave::fileName(folder, time), expected);
    }

    void autoSaveNameLastsForTheDocument()
    {
        const QString folder = QStringLiteral("/home/u/Data");
        const QString first = QStringLiteral("/home/u/Data/Tmp143005.tmp");
        AutoSave autoSave;
        QCOMPARE(autoSave.target(QString(), folder, QTime(14, 30, 5)), first);
        QCOMPARE(autoSave.target(QString(), folder, QTime(14, 30, 25)), first);
        QCOMPARE(autoSave.target(QString(), folder, QTime(14, 31, 45)), first);

        // Saved under its own name: the temporary file and its merge table copies go.
        const QString named = QStringLiteral("/home/u/Sheet1.qlb");
        QCOMPARE(autoSave.takeObsoleteFiles(named),
            (QStringList {first, QStringLiteral("/home/u/Data/Tmp143005.Dmp"),
                QStringLiteral("/home/u/Data/Tmp143005.Bmp")}));
        QVERIFY(autoSave.takeObsoleteFiles(named).isEmpty());
        QCOMPARE(autoSave.target(named, folder, QTime(15, 0, 0)), named);

        // A named document's tick forgets a temporary name; the next unnamed one gets a new name.
        autoSave.target(QString(), folder, QTime(9, 0, 0));
        QCOMPARE(autoSave.target(named, folder, QTime(9, 0, 20)), named);
        QVERIFY(autoSave.tempFilePath().isEmpty());
        QCOMPARE(autoSave.target(QString(), folder, QTime(9, 0, 40)),
            QStringLiteral("/home/u/Data/Tmp090040.tmp"));
    }

    void savingAsTheTemporaryFileDeletesNothing()
    {
        AutoSave autoSave;
        const QString temp = autoSave.target(QString(), QStringLiteral("/d"), QTime(10, 0, 0));
        QVERIFY(autoSave.takeObsoleteFiles(QString()).isEmpty()); // still unnamed
        QCOMPARE(autoSave.tempFilePath(), temp);
        QVERIFY(autoSave.takeObsoleteFiles(QStringLiteral("/d/./Tmp100000.tmp")).isEmpty());
        QVERIFY(autoSave.tempFilePath().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
