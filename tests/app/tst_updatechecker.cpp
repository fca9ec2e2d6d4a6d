// The update check against a local HTTP server, help documents and links, and the product
// information and contact windows.
#include "ModalAnswer.h"
#include "shell/AboutForm.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"
#include "shell/HelpLinks.h"
#include "shell/UpdateChecker.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

// Answers every request with one canned HTTP response, or never answers (silent).
class TinyHttpServer : public QObject {
public:
    TinyHttpServer()
    {
        connect(&mServer, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = mServer.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    mRequest += socket->readAll();
                    if (!mRequest.contains("\r\n\r\n") || silent)
                        return;
                    socket->write("HTTP/1.1 " + QByteArray::number(status)
                        + " X\r\nContent-Length: " + QByteArray::number(body.size())
                        + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
        mServer.listen(QHostAddress::LocalHost);
    }
    QUrl url() const
    {
        return QUrl(u"http://127.0.0.1:%1/q/version.dat"_s.arg(mServer.serverPort()));
    }
    QByteArray request() const { return mRequest; }

    int status = 200;
    QByteArray body;
    bool silent = false;

private:
    QTcpServer mServer;
    QByteArray mRequest;
};

// A port nobody listens on.
QUrl deadUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(u"http://127.0.0.1:%1/version.dat"_s.arg(port));
}

void writeCaptions(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toCp949(text));
}

const QString Captions = uR"([Update]
URL=http://update.example.com/q
VersionFile=version.dat
KeyName=LabelVersion
[About]
Caption=QuillLabel 정보
Closebtn=닫기
Version=QuillLabel 버전 0.1
CopyRight=Copyright (C) TALVERO
HomePage=홈페이지 :
URL=https://www.example.com/
QuillLabel_URL=https://www.example.com/quilllabel/
Online_URL=https://support.example.com/
A_CALL=본사
A_TEL=전화 : 02-123-4567
B_CALL=고객지원센터
B_TEL=전화 : 031-123-4567
C_CALL=구입처 안내
C_URL=https://www.example.com/dealers/
CollectCall=고객상담 080-123-4567
[Help]
HelpPath=help/quilllabel.html
DBHelp=help/datalist.html
)"_s;

} // namespace

class TestUpdateChecker : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mDir;
    std::unique_ptr<CaptionFile> mCaptions;
    QList<QUrl> mOpened;

    std::unique_ptr<UpdateChecker> checker(const QUrl &url)
    {
        auto result = std::make_unique<UpdateChecker>(*mCaptions, u"0.1.0"_s, nullptr);
        result->setVersionUrl(url);
        result->setTimeout(500);
        result->setLinkOpener([this](const QUrl &u) {
            mOpened << u;
            return true;
        });
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        writeCaptions(mDir.filePath(u"label.dat"_s), Captions);
        mCaptions = std::make_unique<CaptionFile>(mDir.filePath(u"label.dat"_s));
    }

    void init() { mOpened.clear(); }

    void addressComesFromTheCaptions()
    {
        UpdateChecker check(*mCaptions, u"0.1"_s, nullptr);
        QCOMPARE(check.versionUrl(), QUrl(u"http://update.example.com/q/version.dat"_s));
        QCOMPARE(check.downloadPage(), QUrl(u"https://www.example.com/quilllabel/"_s));
    }

    void newerVersionOffersTheDownloadPage_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("opens");
        QTest::newRow("ok") << QMessageBox::Ok << true;
        QTest::newRow("cancel") << QMessageBox::Cancel << false;
    }

    void newerVersionOffersTheDownloadPage()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, opens);
        TinyHttpServer server;
        server.body = "[Update]\r\nVersion=0.2.0\r\n";
        auto check = checker(server.url());
        QSignalSpy finished(check.get(), &UpdateChecker::finished);
        QString text;
        quilltest::answerMessageBox(answer, &text);
        check->checkAtStartup();
        QVERIFY(check->isChecking()); // in the background: the call returned at once
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY2(text.contains(u"0.2.0"_s), qPrintable(text));
        QVERIFY(text.contains(u"프로그램이 업데이트 되었습니다."_s));
        QCOMPARE(mOpened, opens ? QList<QUrl> {check->downloadPage()} : QList<QUrl> {});
        QVERIFY(server.request().startsWith("GET /q/version.dat "));
    }

    // Nothing to report: the start-up check stays silent, the manual one says why.
    void answers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("manualText");
        QTest::newRow("same version") << 200 << QByteArray("[Update]\nVersion=0.1.0\n") << false
                                      << true << u"현재 프로그램은 최신 버전입니다."_s;
        QTest::newRow("not found") << 404 << QByteArray("[Update]\nVersion=9\n") << false << true
                                   << u"업데이트 정보를 받을 수 없습니다."_s;
        QTest::newRow("portal page") << 200 << QByteArray("<html>login</html>") << false << true
                                     << u"업데이트 정보를 받을 수 없습니다."_s;
        QTest::newRow("server never answers")
            << 200 << QByteArray() << true << true << u"인터넷에 연결 되어 있지 않습니다."_s;
        QTest::newRow("no network")
            << 0 << QByteArray() << false << false << u"인터넷에 연결 되어 있지 않습니다."_s;
    }

    void answers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, silent);
        QFETCH(bool, reachable);
        QFETCH(QString, manualText);
        TinyHttpServer server;
        server.status = status;
        server.body = body;
        server.silent = silent;
        const QUrl url = reachable ? server.url() : deadUrl();

        for (const bool manual : {false, true}) {
            auto check = checker(url);
            QSignalSpy finished(check.get(), &UpdateChecker::finished);
            QString text;
            bool shown = false;
            QPointer<QTimer> watch = quilltest::whenModalAppears(
                [&](QWidget *modal) {
                    shown = true;
                    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                        text = box->text();
                        box->accept();
                    }
                },
                3000);
            manual ? check->checkNow() : check->checkAtStartup();
            QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 4000);
            QTest::qWait(100);
            QCOMPARE(shown, manual);
            if (manual)
                QCOMPARE(text, manualText);
            delete watch.data(); // no stale watcher for the next round
            QVERIFY(mOpened.isEmpty());
        }
    }

    void helpFindsTheGuide()
    {
        QTemporaryDir res;
        const AppFolders folders(res.path(), mDir.filePath(u"home"_s));
        HelpLinks links(*mCaptions, folders, nullptr);
        links.setOpener([this](const QUrl &u) {
            mOpened << u;
            return true;
        });

        // Nothing installed: told with the path, nothing opened.
        QString text;
        quilltest::answerMessageBox(QMessageBox::Ok, &text);
        QVERIFY(!links.openHelp());
        QVERIFY2(
            text.endsWith(u"help/quilllabel.html 파일을 찾을 수 없습니다."_s), qPrintable(text));
        QVERIFY(mOpened.isEmpty());

        // The guide alone: every topic opens it, at its section.
        QVERIFY(QDir().mkpath(res.filePath(u"help"_s)));
        writeCaptions(res.filePath(u"help/index.html"_s), u"<html></html>"_s);
        QVERIFY(links.openHelp(HelpLinks::Topic::Guide));
        QVERIFY(links.openHelp(HelpLinks::Topic::DataLists));
        QCOMPARE(mOpened.at(0), QUrl::fromLocalFile(res.filePath(u"help/index.html"_s)));
        QCOMPARE(mOpened.at(1).fragment(), u"data"_s);

        // A document named by the caption file wins when it is installed.
        writeCaptions(res.filePath(u"help/datalist.html"_s), u"<html></html>"_s);
        QCOMPARE(links.helpUrl(HelpLinks::Topic::DataLists),
            QUrl::fromLocalFile(res.filePath(u"help/datalist.html"_s)));
    }

    void shippedGuideHasEverySection()
    {
        const QString resources = QStringLiteral(QUILL_TEST_DATA_DIR "/../../resources");
        const AppFolders folders(resources, mDir.filePath(u"home"_s));
        HelpLinks links(*mCaptions, folders, nullptr);
        QFile guide(resources + u"/help/index.html"_s);
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(guide.readAll());
        for (const auto topic : {HelpLinks::Topic::Guide, HelpLinks::Topic::DataLists,
                 HelpLinks::Topic::Barcode1D, HelpLinks::Topic::Barcode2D}) {
            const QUrl url = links.helpUrl(topic);
            QVERIFY(url.isLocalFile());
            if (url.hasFragment())
                QVERIFY2(
                    html.contains(u"id=\"%1\""_s.arg(url.fragment())), qPrintable(url.fragment()));
        }
        for (const char *picture : {"main-100.png", "main-200.png", "overview.png", "newjob.png"})
            QVERIFY2(html.contains(u"src=\"img/"_s + QString::fromLatin1(picture)), picture);
    }

    void linksOpenTheirAddresses()
    {
        const AppFolders folders(mDir.path(), mDir.filePath(u"home"_s));
        HelpLinks links(*mCaptions, folders, nullptr);
        links.setOpener([this](const QUrl &u) {
            mOpened << u;
            return true;
        });
        links.OnlineSupportClick();
        links.InternetServiceClick();
        links.HomepageBtnClick();
        QCOMPARE(mOpened,
            (QList<QUrl> {QUrl(u"https://support.example.com/"_s),
                QUrl(u"https://www.example.com/quilllabel/"_s),
                QUrl(u"https://www.example.com/"_s)}));
        QString text;
        quilltest::answerMessageBox(QMessageBox::Ok, &text);
        QVERIFY(!links.openLink(u"A_URL2"_s)); // not in this caption file
        QVERIFY(text.contains(u"A_URL2"_s));
    }

    void aboutAndContactWindows()
    {
        const AppFolders folders(
            QStringLiteral(QUILL_TEST_DATA_DIR "/../../resources"), mDir.filePath(u"home"_s));
        HelpLinks links(*mCaptions, folders, nullptr);
        links.setOpener([this](const QUrl &u) {
            mOpened << u;
            return true;
        });

        TAboutForm about(*mCaptions, folders, links);
        QCOMPARE(about.windowTitle(), u"QuillLabel 정보"_s);
        QCOMPARE(about.findChild<QLabel *>(u"Version"_s)->text(), u"QuillLabel 버전 0.1"_s);
        QVERIFY(about.findChild<QLabel *>(u"IntroImage"_s));
        QVERIFY(!about.findChild<QLabel *>(u"Update"_s)); // missing key: no "0" shown
        QCOMPARE(about.findChild<QPushButton *>(u"Closebtn"_s)->text(), u"닫기"_s);
        Q_EMIT about.findChild<QLabel *>(u"HomePage"_s)->linkActivated(u"x"_s);
        QCOMPARE(mOpened, QList<QUrl> {QUrl(u"https://www.example.com/"_s)});

        TContactForm contact(*mCaptions, links);
        contact.show();
        QCOMPARE(contact.findChild<QLabel *>(u"A_TEL"_s)->text(), u"전화 : 02-123-4567"_s);
        QVERIFY(!contact.findChild<QLabel *>(u"B_FAX"_s));
        QTest::mouseClick(contact.findChild<QPushButton *>(u"C_CALL"_s), Qt::LeftButton);
        QCOMPARE(mOpened.last(), QUrl(u"https://www.example.com/dealers/"_s));
    }
};

QTEST_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
