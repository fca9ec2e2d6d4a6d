// The settings dialog and the recent-files items of the File menu, driven as a user would.
#include "ModalAnswer.h"
#include "shell/PropertyForm.h"
#include "shell/RecentFilesMenu.h"
#include "shell/ZR_HistoryList.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

class TestShellSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<QSettings> mSettings;
    SettingsDefaults mDefaults;

    template<typename T> static T *child(QWidget *parent, const char *name)
    {
        T *widget = parent->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }

    QString file(const QString &name)
    {
        const QString path = mDir.filePath(name);
        QFile f(path);
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write("x");
        return path;
    }

    QStringList menuTexts(QMenu &menu)
    {
        QStringList texts;
        for (QAction *action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        static int run = 0;
        mSettings = std::make_unique<QSettings>(
            mDir.filePath(QStringLiteral("settings%1.ini").arg(++run)), QSettings::IniFormat);
        mDefaults
            = {mDir.filePath(QStringLiteral("Data")), mDir.filePath(QStringLiteral("Pictures"))};
    }

    void opensWithDefaultsWhenNothingIsStored()
    {
        TPropertyForm form(*mSettings, mDefaults);
        form.show();
        QVERIFY(child<QCheckBox>(&form, "AutoSaveCheck")->isChecked());
        QCOMPARE(child<QLineEdit>(&form, "AutoSaveFolderEdit")->text(), mDefaults.autoSaveFolder);
        QCOMPARE(child<QSpinBox>(&form, "OpenFileNumSpin")->value(), 5);
        QCOMPARE(child<QSpinBox>(&form, "OpenFileNumSpin")->maximum(), 10);
        QCOMPARE(child<QSpinBox>(&form, "OpenFileNumSpin")->minimum(), 1);
        for (const char *name :
            {"UndoMoveCheck", "UndoCreateCheck", "UndoModifyCheck", "ImgFolderCheck"})
            QVERIFY2(child<QCheckBox>(&form, name)->isChecked(), name);
        QCOMPARE(child<QLineEdit>(&form, "ImgFolderEdit")->text(), mDefaults.pictureFolder);

        // A folder box and its change button follow their check box.
        QTest::mouseClick(child<QCheckBox>(&form, "AutoSaveCheck"), Qt::LeftButton);
        QVERIFY(!child<QLineEdit>(&form, "AutoSaveFolderEdit")->isEnabled());
        QVERIFY(!child<QPushButton>(&form, "AutoSaveFolderBtn")->isEnabled());
        QVERIFY(child<QLineEdit>(&form, "ImgFolderEdit")->isEnabled());
    }

    void showsStoredValues()
    {
        mSettings->setValue(QStringLiteral("QuillLabel/AutoSaveFlag"), QStringLiteral("0"));
        mSettings->setValue(
            QStringLiteral("QuillLabel/AutoSaveFolder"), mDir.filePath(QStringLiteral("auto")));
        mSettings->setValue(QStringLiteral("QuillLabel/OpenFileNum"), QStringLiteral("3"));
        mSettings->setValue(QStringLiteral("QuillLabel/ImgFolderFlag"), QStringLiteral("False"));
        mSettings->setValue(QStringLiteral("QuillLabel/UndoCreateFlag"), QStringLiteral("0"));
        TPropertyForm form(*mSettings, mDefaults);
        QVERIFY(!child<QCheckBox>(&form, "AutoSaveCheck")->isChecked());
        QCOMPARE(child<QLineEdit>(&form, "AutoSaveFolderEdit")->text(),
            mDir.filePath(QStringLiteral("auto")));
        QVERIFY(!child<QLineEdit>(&form, "AutoSaveFolderEdit")->isEnabled());
        QCOMPARE(child<QSpinBox>(&form, "OpenFileNumSpin")->value(), 3);
        QVERIFY(!child<QCheckBox>(&form, "ImgFolderCheck")->isChecked());
        QVERIFY(!child<QCheckBox>(&form, "UndoCreateCheck")->isChecked());
        QVERIFY(child<QCheckBox>(&form, "UndoMoveCheck")->isChecked());
    }

    void applyWritesWhatIsShown()
    {
        TPropertyForm form(*mSettings, mDefaults);
        const QString chosen = mDir.filePath(QStringLiteral("chosen"));
        QString title;
        form.setFolderChooser([&](QWidget *, const QString &t, const QString &) {
            title = t;
            return chosen;
        });
        QList<QuillSettings> applied;
        connect(&form, &TPropertyForm::applied, this,
            [&applied](const QuillSettings &values) { applied << values; });
        form.show();
        QTest::mouseClick(child<QPushButton>(&form, "AutoSaveFolderBtn"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("폴더지정"));
        QCOMPARE(child<QLineEdit>(&form, "AutoSaveFolderEdit")->text(), chosen);
        child<QSpinBox>(&form, "OpenFileNumSpin")->setValue(8);
        QTest::mouseClick(child<QCheckBox>(&form, "UndoMoveCheck"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&form, "ApplyBtn"), Qt::LeftButton);

        QCOMPARE(form.result(), int(QDialog::Accepted));
        QSettings stored(mSettings->fileName(), QSettings::IniFormat);
        stored.beginGroup(QStringLiteral("QuillLabel"));
        QCOMPARE(stored.value(QStringLiteral("AutoSaveFlag")).toString(), QStringLiteral("-1"));
        QCOMPARE(stored.value(QStringLiteral("AutoSaveFolder")).toString(), chosen);
        QCOMPARE(stored.value(QStringLiteral("UndoMoveFlag")).toString(), QStringLiteral("0"));
        QCOMPARE(stored.value(QStringLiteral("UndoCreateFlag")).toString(), QStringLiteral("-1"));
        QCOMPARE(stored.value(QStringLiteral("OpenFileNum")).toString(), QStringLiteral("8"));
        QVERIFY(QFileInfo(chosen).isDir()); // the folder exists when auto-save first needs it
        QCOMPARE(form.values().recentFileCount, 8);
        QVERIFY(!form.values().undoMove);
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.at(0).autoSaveFolder, chosen);
    }

    void closeWritesNothing()
    {
        TPropertyForm form(*mSettings, mDefaults);
        form.show();
        child<QSpinBox>(&form, "OpenFileNumSpin")->setValue(2);
        QTest::mouseClick(child<QPushButton>(&form, "CloseBtn"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!mSettings->contains(QStringLiteral("QuillLabel/OpenFileNum")));
    }

    void unusableFolderIsRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("auto-save folder under a file")
            << u"AutoSaveFolderEdit"_s << u"자동 저장 폴더"_s;
        QTest::newRow("picture folder under a file") << u"ImgFolderEdit"_s << u"그림 기본 폴더"_s;
        QTest::newRow("empty auto-save folder") << u"AutoSaveFolderEdit"_s << u"지정하십시오"_s;
    }

    void unusableFolderIsRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, message);
        TPropertyForm form(*mSettings, mDefaults);
        form.show();
        auto *edit = form.findChild<QLineEdit *>(box);
        QVERIFY(edit);
        const bool empty = message == u"지정하십시오"_s;
        edit->setText(
            empty ? QString() : file(QStringLiteral("plain-file")) + QStringLiteral("/sub"));
        QString seen;
        quilltest::answerMessageBox(QMessageBox::Ok, &seen);
        QTest::mouseClick(child<QPushButton>(&form, "ApplyBtn"), Qt::LeftButton);
        QVERIFY2(seen.contains(message), qPrintable(seen));
        QVERIFY(form.isVisible()); // stays open for a correction
        QVERIFY(form.result() != int(QDialog::Accepted));
        QVERIFY(mSettings->allKeys().isEmpty()); // nothing half written
    }

    void recentFilesFollowTheList()
    {
        QMenu menu;
        menu.addAction(QStringLiteral("열기..."));
        TZR_HistoryList list;
        QVERIFY(list.setMaximum(3));
        RecentFilesMenu recent(list, &menu);
        QCOMPARE(menuTexts(menu), (QStringList {u"열기..."_s, u"-"_s, u"(없음)"_s}));
        QVERIFY(!menu.actions().last()->isEnabled());

        for (const char *name : {"a.qbl", "b.qbl", "c.qbl", "d.qbl", "b.qbl"})
            QVERIFY(list.add(file(QString::fromLatin1(name))));
        QCOMPARE(menuTexts(menu),
            (QStringList {u"열기..."_s, u"-"_s, u"b.qbl"_s, u"d.qbl"_s, u"c.qbl"_s}));
        QCOMPARE(recent.itemActions().first()->toolTip(), mDir.filePath(QStringLiteral("b.qbl")));

        // A name with an ampersand is shown as it is, not as a mnemonic.
        QVERIFY(list.add(file(QStringLiteral("R&D.qbl"))));
        QCOMPARE(recent.itemActions().first()->text(), QStringLiteral("R&&D.qbl"));
    }

    void lowerMaximumDropsTheOldestAtOnce()
    {
        QMenu menu;
        TZR_HistoryList list;
        QVERIFY(list.setMaximum(8));
        RecentFilesMenu recent(list, &menu);
        for (int i = 0; i < 8; ++i)
            QVERIFY(list.add(file(QStringLiteral("m%1.qbl").arg(i))));
        QCOMPARE(recent.itemActions().size(), 8);
        QVERIFY(list.setMaximum(3));
        QCOMPARE(recent.itemActions().size(), 3);
        QCOMPARE(recent.itemActions().last()->text(), QStringLiteral("m5.qbl"));
    }

    void choosingOpensOrForgetsAMissingFile()
    {
        QMenu menu;
        TZR_HistoryList list;
        RecentFilesMenu recent(list, &menu);
        const QString kept = file(QStringLiteral("kept.qbl"));
        const QString gone = file(QStringLiteral("gone.qbl"));
        QVERIFY(list.add(kept));
        QVERIFY(list.add(gone));
        QSignalSpy opened(&recent, &RecentFilesMenu::openRequested);

        recent.itemActions().at(1)->trigger();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.takeFirst().at(0).toString(), kept);

        QVERIFY(QFile::remove(gone));
        QString seen;
        quilltest::answerMessageBox(QMessageBox::Ok, &seen);
        recent.itemActions().at(0)->trigger();
        QVERIFY2(seen.contains(gone), qPrintable(seen));
        QCOMPARE(opened.size(), 0);
        QCOMPARE(list.paths(), QStringList {kept});
        QTRY_COMPARE(recent.itemActions().size(), 1);
    }
};

QTEST_MAIN(TestShellSettings)
#include "tst_shellsettings.moc"
