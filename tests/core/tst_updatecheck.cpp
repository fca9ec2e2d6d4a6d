// The update check's decisions: where it asks, how it reads the answer, how versions compare.
#include "shell/CaptionFile.h"
#include "shell/UpdateCheck.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(UpdateVerdict)

class TestUpdateCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void versionFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("version");
        QTest::newRow("plain") << QByteArray("[Update]\r\nVersion=1.2.3\r\n") << u"1.2.3"_s;
        QTest::newRow("any case, spaces")
            << QByteArray("[ update ]\nversion = v2.0 \n") << u"v2.0"_s;
        QTest::newRow("other sections first")
            << QByteArray("[Other]\nVersion=9\n[Update]\nKey=x\nVersion=1.5\nVersion=7\n")
            << u"1.5"_s;
        QTest::newRow("version outside the section")
            << QByteArray("Version=3\n[Update]\n") << QString();
        QTest::newRow("zero means none") << QByteArray("[Update]\nVersion=0\n") << QString();
        QTest::newRow("empty") << QByteArray("[Update]\nVersion=\n") << QString();
        QTest::newRow("no digit") << QByteArray("[Update]\nVersion=latest\n") << QString();
        QTest::newRow("html page of a proxy")
            << QByteArray("<html><body>Login required</body></html>") << QString();
        QTest::newRow("control characters")
            << QByteArray("[Update]\nVersion=1\x01\x02\n") << QString();
        QTest::newRow("korean text in cp949")
            << QByteArray("[Update]\nVersion=2.1 \xc1\xa4\xbd\xc4\n") << u"2.1 정식"_s;
        QTest::newRow("oversized")
            << QByteArray("[Update]\nVersion=1\n") + QByteArray(20000, ' ') << QString();
    }

    void versionFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, version);
        QCOMPARE(UpdateCheck::parseVersionFile(bytes), version);
    }

    void compare_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("equal") << u"1.2.3"_s << u"1.2.3"_s << 0;
        QTest::newRow("numeric, not text") << u"1.10"_s << u"1.9"_s << 1;
        QTest::newRow("missing parts are zero") << u"2"_s << u"2.0.0"_s << 0;
        QTest::newRow("longer is newer") << u"2.0.1"_s << u"2.0"_s << 1;
        QTest::newRow("prefix ignored") << u"v0.1.0"_s << u"0.1.0"_s << 0;
        QTest::newRow("older") << u"0.9"_s << u"1.0"_s << -1;
        QTest::newRow("huge numbers") << u"1.99999999999999999999"_s << u"1.2"_s << 1;
    }

    void compare()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        QCOMPARE(qBound(-1, UpdateCheck::compareVersions(a, b), 1), sign);
        QCOMPARE(qBound(-1, UpdateCheck::compareVersions(b, a), 1), -sign);
    }

    void verdict_data()
    {
        QTest::addColumn<bool>("received");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<UpdateVerdict>("verdict");
        const QByteArray newer("[Update]\nVersion=0.2.0\n");
        QTest::newRow("newer") << true << 200 << newer << UpdateVerdict::Newer;
        QTest::newRow("same") << true << 200 << QByteArray("[Update]\nVersion=0.1\n")
                              << UpdateVerdict::Latest;
        // A published version older than the installed one is no update.
        QTest::newRow("older") << true << 200 << QByteArray("[Update]\nVersion=0.0.9\n")
                               << UpdateVerdict::Latest;
        QTest::newRow("not found page") << true << 404 << newer << UpdateVerdict::NoAnswer;
        QTest::newRow("server error") << true << 500 << newer << UpdateVerdict::NoAnswer;
        QTest::newRow("redirect not followed") << true << 302 << newer << UpdateVerdict::NoAnswer;
        QTest::newRow("no network") << false << 0 << QByteArray() << UpdateVerdict::NoAnswer;
        QTest::newRow("empty answer") << true << 200 << QByteArray() << UpdateVerdict::NoAnswer;
        QTest::newRow("no published version")
            << true << 200 << QByteArray("[Update]\nVersion=0\n") << UpdateVerdict::NoAnswer;
    }

    void verdict()
    {
        QFETCH(bool, received);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(UpdateVerdict, verdict);
        const UpdateResult result = UpdateCheck::evaluate({received, status, body}, u"0.1.0"_s);
        QCOMPARE(result.verdict, verdict);
        if (verdict == UpdateVerdict::Newer)
            QCOMPARE(result.publishedVersion, u"0.2.0"_s);
    }

    void addressFromCaptions_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("url");
        QTest::newRow("base without slash")
            << QByteArray("URL=https://up.example.com/q\nVersionFile=version.dat\n")
            << u"https://up.example.com/q/version.dat"_s;
        QTest::newRow("base with slash")
            << QByteArray("URL=http://up.example.com/q/\nVersionFile=v.dat\n")
            << u"http://up.example.com/q/v.dat"_s;
        QTest::newRow("missing file name")
            << QByteArray("URL=http://up.example.com/\n") << QString();
        QTest::newRow("missing section") << QByteArray() << QString();
        QTest::newRow("not http") << QByteArray("URL=file:///etc\nVersionFile=passwd\n")
                                  << QString();
        QTest::newRow("relative") << QByteArray("URL=updates/q\nVersionFile=v.dat\n") << QString();
    }

    void addressFromCaptions()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, url);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"label.dat"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(section.isEmpty() ? QByteArray("[Other]\nA=1\n") : "[Update]\n" + section);
        file.close();
        const UpdateSource source = UpdateSource::fromCaptions(CaptionFile(path));
        QCOMPARE(source.versionUrl().toString(), url);
    }

    void installedVersion()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(u"s.ini"_s), QSettings::IniFormat);
        // Nothing recorded by an installer: the program's own version.
        QCOMPARE(UpdateCheck::installedVersion(settings, u"LabelVersion"_s),
            QStringLiteral(QUILL_VERSION));
        settings.setValue(u"Update/LabelVersion"_s, u"1.4"_s);
        QCOMPARE(UpdateCheck::installedVersion(settings, u"LabelVersion"_s), u"1.4"_s);
        QCOMPARE(UpdateCheck::installedVersion(settings, QString()), QStringLiteral(QUILL_VERSION));
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
