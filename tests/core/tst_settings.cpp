// Settings record, application folders and seeding of the user data folder.
#include "shell/AppFolders.h"
#include "shell/QuillSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char *name) : mName(name), mWasSet(qEnvironmentVariableIsSet(name))
    {
        mOld = qgetenv(name);
    }
    ~EnvGuard() { mWasSet ? qputenv(mName, mOld) : qunsetenv(mName); }

private:
    const char *mName;
    bool mWasSet;
    QByteArray mOld;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    SettingsDefaults mDefaults;
    std::unique_ptr<QSettings> mSettings;

    QString inDir(const QString &name) const { return mDir.filePath(name); }
    void store(const QString &key, const QString &value)
    {
        mSettings->setValue(QuillSettings::group() + QLatin1Char('/') + key, value);
    }
    SettingsLoad load() { return QuillSettings::read(*mSettings, mDefaults); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mDir.isValid());
    }

    void init()
    {
        static int run = 0;
        const QString base = inDir(QStringLiteral("run%1").arg(++run));
        mDefaults = {base + QStringLiteral("/app/Data"), base + QStringLiteral("/Pictures")};
        mSettings = std::make_unique<QSettings>(
            base + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    }

    void emptySettingsGiveDefaults()
    {
        const SettingsLoad result = load();
        const QuillSettings &s = result.settings;
        QVERIFY(result.warnings.isEmpty());
        QVERIFY(s.autoSave);
        QCOMPARE(s.autoSaveFolder, mDefaults.autoSaveFolder);
        QVERIFY(s.undoMove && s.undoCreate && s.undoModify);
        QVERIFY(s.pictureFolderOn);
        QCOMPARE(s.pictureFolder, mDefaults.pictureFolder);
        QCOMPARE(s.recentFileCount, 5);
        QCOMPARE(s.leftMargin, QStringLiteral("0"));
        QCOMPARE(s.topMargin, QStringLiteral("0"));
        // Both folders exist afterwards.
        QVERIFY(QFileInfo(mDefaults.autoSaveFolder).isDir());
        QVERIFY(QFileInfo(mDefaults.pictureFolder).isDir());
    }

    void storedFoldersAreUsedAndCreated()
    {
        const QString autoSave = inDir(QStringLiteral("mine/auto"));
        const QString pictures = inDir(QStringLiteral("mine/그림"));
        store(QStringLiteral("AutoSaveFolder"), autoSave);
        store(QStringLiteral("ImgFolder"), pictures);
        const QuillSettings s = load().settings;
        QCOMPARE(s.autoSaveFolder, autoSave);
        QCOMPARE(s.pictureFolder, pictures);
        QVERIFY(QFileInfo(autoSave).isDir());
        QVERIFY(QFileInfo(pictures).isDir());
        QVERIFY(!QFileInfo::exists(mDefaults.autoSaveFolder));
    }

    void booleans_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<bool>("warned");
        QTest::newRow("True") << "AutoSaveFlag"
                              << "True" << true << false;
        QTest::newRow("FALSE") << "AutoSaveFlag"
                               << "FALSE" << false << false;
        QTest::newRow("false") << "UndoMoveFlag"
                               << "false" << false << false;
        QTest::newRow("dialog true -1") << "UndoCreateFlag"
                                        << "-1" << true << false;
        QTest::newRow("dialog false 0") << "UndoModifyFlag"
                                        << "0" << false << false;
        QTest::newRow("number 1") << "ImgFolderFlag"
                                  << "1" << true << false;
        QTest::newRow("number 7") << "UndoMoveFlag"
                                  << "7" << true << false;
        QTest::newRow("decimal zero") << "UndoCreateFlag"
                                      << "0.0" << false << false;
        QTest::newRow("padded") << "AutoSaveFlag"
                                << " False " << false << false;
        QTest::newRow("empty is missing") << "ImgFolderFlag"
                                          << "" << true << false;
        QTest::newRow("yes") << "UndoModifyFlag"
                             << "yes" << true << true;
        QTest::newRow("off") << "AutoSaveFlag"
                             << "off" << true << true;
        QTest::newRow("Korean") << "ImgFolderFlag"
                                << "참" << true << true;
    }

    void booleans()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QFETCH(bool, warned);
        store(key, text);
        const SettingsLoad result = load();
        const QuillSettings &s = result.settings;
        const QHash<QString, bool> values {{QStringLiteral("AutoSaveFlag"), s.autoSave},
            {QStringLiteral("UndoMoveFlag"), s.undoMove},
            {QStringLiteral("UndoCreateFlag"), s.undoCreate},
            {QStringLiteral("UndoModifyFlag"), s.undoModify},
            {QStringLiteral("ImgFolderFlag"), s.pictureFolderOn}};
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            QCOMPARE(it.value(), it.key() == key ? expected : true);
        if (warned) {
            QCOMPARE(result.warnings,
                QStringList {QStringLiteral("'%1' is not a valid boolean value").arg(text)});
        } else {
            QVERIFY2(result.warnings.isEmpty(), qPrintable(result.warnings.join(u'\n')));
        }
    }

    void recentFileCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("warned");
        QTest::newRow("missing") << "" << 5 << false;
        QTest::newRow("7") << "7" << 7 << false;
        QTest::newRow("lowest") << "1" << 1 << false;
        QTest::newRow("highest") << "10" << 10 << false;
        QTest::newRow("padded") << " 8 " << 8 << false;
        QTest::newRow("zero") << "0" << 1 << true;
        QTest::newRow("negative") << "-3" << 1 << true;
        QTest::newRow("too many") << "11" << 10 << true;
        QTest::newRow("not a number") << "many" << 5 << true;
        QTest::newRow("decimal") << "2.5" << 5 << true;
    }

    void recentFileCount()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(bool, warned);
        store(QStringLiteral("OpenFileNum"), text);
        const SettingsLoad result = load();
        QCOMPARE(result.settings.recentFileCount, expected);
        QCOMPARE(result.warnings.size(), warned ? 1 : 0);
    }

    void writeReadRoundTrip()
    {
        QuillSettings s;
        s.autoSave = false;
        s.autoSaveFolder = inDir(QStringLiteral("rt/자동저장"));
        s.undoMove = false;
        s.undoCreate = true;
        s.undoModify = false;
        s.pictureFolderOn = false;
        s.pictureFolder = inDir(QStringLiteral("rt/pictures"));
        s.recentFileCount = 3;
        s.leftMargin = QStringLiteral("-1.5");
        s.topMargin = QStringLiteral("2.25");
        s.write(*mSettings);
        s.writePrintOffsets(*mSettings);
        mSettings->sync();

        // Stored as the dialog writes them.
        const QString g = QuillSettings::group() + QLatin1Char('/');
        QCOMPARE(
            mSettings->value(g + QStringLiteral("AutoSaveFlag")).toString(), QStringLiteral("0"));
        QCOMPARE(mSettings->value(g + QStringLiteral("UndoCreateFlag")).toString(),
            QStringLiteral("-1"));
        QCOMPARE(
            mSettings->value(g + QStringLiteral("OpenFileNum")).toString(), QStringLiteral("3"));

        QSettings reopened(mSettings->fileName(), QSettings::IniFormat);
        const SettingsLoad result = QuillSettings::read(reopened, mDefaults);
        QVERIFY(result.warnings.isEmpty());
        const QuillSettings &r = result.settings;
        QCOMPARE(r.autoSave, false);
        QCOMPARE(r.autoSaveFolder, s.autoSaveFolder);
        QCOMPARE(r.undoMove, false);
        QCOMPARE(r.undoCreate, true);
        QCOMPARE(r.undoModify, false);
        QCOMPARE(r.pictureFolderOn, false);
        QCOMPARE(r.pictureFolder, s.pictureFolder);
        QCOMPARE(r.recentFileCount, 3);
        QCOMPARE(r.leftMargin, s.leftMargin);
        QCOMPARE(r.topMargin, s.topMargin);
    }

    void installedVersion()
    {
        mSettings->setValue(QStringLiteral("Update/LabelVersion"), QStringLiteral("1.2.3"));
        QCOMPARE(QuillSettings::installedVersion(*mSettings, QStringLiteral("LabelVersion")),
            QStringLiteral("1.2.3"));
        QCOMPARE(
            QuillSettings::installedVersion(*mSettings, QStringLiteral("CDVersion")), QString());
        QCOMPARE(QuillSettings::installedVersion(*mSettings, QString()), QString());
    }

    void seededFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("seeded");
        for (const char *name :
            {"label.dat", "TableField.dat", "UpdateType.dat", "spec.db", "SPEC.PX", "spec.XG0",
                "spec.YG0", "spec.X01", "spec.mb", "zipcode.dbf", "ZIPCODE.MDX"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        for (const char *name : {"intro.jpg", "quilllabel.png", "Text.cur", "label.tmp",
                 "quilllabel.desktop", "label.dat.bak", "README.md"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }

    void seededFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, seeded);
        QCOMPARE(AppFolders::isSeededFile(name), seeded);
    }

    void seedCopiesMissingFilesOnly()
    {
        const QString res = inDir(QStringLiteral("seed/res"));
        const QString home = inDir(QStringLiteral("seed/home"));
        for (const char *name : {"label.dat", "spec.db", "spec.px", "TableField.dat", "zipcode.dbf",
                 "quilllabel.png", "Cur/Text.cur", "img/intro.jpg"})
            writeFile(res + u'/' + QString::fromLatin1(name), QByteArray("installed ") + name);
        // Installed files are read only; the user's copies must not be.
        QVERIFY(QFile::setPermissions(res + QStringLiteral("/label.dat"),
            QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        const AppFolders folders(res, home);
        const Status first = folders.seed();
        QVERIFY2(first.ok(), qPrintable(first.error().message));
        QVERIFY(QFileInfo(folders.tempDir()).isDir());
        QVERIFY(QFileInfo(folders.dataDir()).isDir());
        QCOMPARE(readFile(folders.captionFilePath()), QByteArray("installed label.dat"));
        QCOMPARE(readFile(folders.catalogueFilePath()), QByteArray("installed spec.db"));
        QCOMPARE(readFile(home + QStringLiteral("/spec.px")), QByteArray("installed spec.px"));
        QCOMPARE(readFile(folders.tableFieldFilePath()), QByteArray("installed TableField.dat"));
        QCOMPARE(readFile(folders.zipcodeFilePath()), QByteArray("installed zipcode.dbf"));
        QVERIFY(QFile::permissions(folders.captionFilePath()) & QFile::WriteOwner);
        const QStringList userFiles = QDir(home).entryList(QDir::Files);
        QVERIFY2(!userFiles.contains(QStringLiteral("quilllabel.png")),
            qPrintable(userFiles.join(u' ')));
        QCOMPARE(userFiles.size(), 5); // no partial copies left behind
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/Cur")));

        // The user's edits survive a second start; a deleted copy comes back.
        writeFile(folders.captionFilePath(), "edited by the user");
        QVERIFY(QFile::remove(folders.catalogueFilePath()));
        QVERIFY(folders.seed().ok());
        QCOMPARE(readFile(folders.captionFilePath()), QByteArray("edited by the user"));
        QCOMPARE(readFile(folders.catalogueFilePath()), QByteArray("installed spec.db"));
    }

    void seedReportsUnusableFolders()
    {
        const QString res = inDir(QStringLiteral("bad/res"));
        writeFile(res + QStringLiteral("/label.dat"), "x");
        const QString blocker = inDir(QStringLiteral("bad/blocker"));
        writeFile(blocker, "a file where a folder should be");

        // A data folder that cannot be made (works even for the superuser).
        const Status unwritable = AppFolders(res, blocker + QStringLiteral("/home")).seed();
        QVERIFY(!unwritable.ok());
        QVERIFY(!unwritable.error().message.isEmpty());
        QCOMPARE(unwritable.error().where, blocker + QStringLiteral("/home"));
        const Status taken = AppFolders(res, blocker).seed();
        QVERIFY(!taken.ok());

        // Missing installed resources.
        const Status noResources
            = AppFolders(inDir(QStringLiteral("bad/none")), inDir(QStringLiteral("bad/home")))
                  .seed();
        QVERIFY(!noResources.ok());
        QCOMPARE(noResources.error().where, inDir(QStringLiteral("bad/none")));
    }

    void environmentOverrides()
    {
        EnvGuard data("QUILL_DATA_HOME");
        EnvGuard resources("QUILL_RESOURCE_DIR");
        qputenv("QUILL_DATA_HOME", inDir(QStringLiteral("env/home/")).toLocal8Bit());
        qputenv("QUILL_RESOURCE_DIR", inDir(QStringLiteral("env/res")).toLocal8Bit());
        const AppFolders folders;
        QCOMPARE(folders.dataHome(), inDir(QStringLiteral("env/home")));
        QCOMPARE(folders.resourceDir(), inDir(QStringLiteral("env/res")));
        QCOMPARE(folders.captionFilePath(), inDir(QStringLiteral("env/home/label.dat")));

        qunsetenv("QUILL_DATA_HOME");
        qunsetenv("QUILL_RESOURCE_DIR");
        const QString xdg = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QCOMPARE(AppFolders::defaultDataHome(), xdg + QStringLiteral("/TALVERO/QuillLabel"));
        // Running from the build tree uses the source tree's resources.
        QCOMPARE(AppFolders::defaultResourceDir(),
            QDir::cleanPath(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR)));
    }

    void pathsComeFromTheRightRoot()
    {
        const AppFolders folders(QStringLiteral("/opt/res"), QStringLiteral("/home/u/data"));
        QCOMPARE(folders.mergeTablePath(AppFolders::MergeTable::Label),
            QStringLiteral("/home/u/data/label.tmp"));
        QCOMPARE(folders.mergeTablePath(AppFolders::MergeTable::Barcode),
            QStringLiteral("/home/u/data/barcode.tmp"));
        QCOMPARE(folders.tempFilePath(QStringLiteral("CopyObj.acp")),
            QStringLiteral("/home/u/data/Temp/CopyObj.acp"));
        QCOMPARE(folders.versionFilePath(), QStringLiteral("/home/u/data/version.dat"));
        QCOMPARE(folders.splashPath(), QStringLiteral("/opt/res/img/intro.jpg"));
        QCOMPARE(folders.cursorPathForTool(26), QStringLiteral("/opt/res/Cur/2DBarcode.cur"));
        QCOMPARE(folders.cursorPathForTool(28), QString()); // field labels are not a tool
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
