// Drawing the splash picture and the one tick of the start-up timer.
#include "Splash.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

namespace quill {

TSplashForm::TSplashForm(const QString &picturePath)
    : QSplashScreen(compose(picturePath), Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(Width, Height);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QPixmap TSplashForm::compose(const QString &picturePath)
{
    QPixmap canvas(Width, Height);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    QImageReader reader(picturePath);
    const QImage picture = reader.read();
    if (!picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(canvas.rect(), picture);
        return canvas;
    }
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(36);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, QStringLiteral("QuillLabel"));
    return canvas;
}

StartupTimer::StartupTimer(OpenDocument open, NewDocument newDocument, QObject *parent)
    : QObject(parent), mOpen(std::move(open)), mNew(std::move(newDocument))
{
    mTimer.setSingleShot(true);
    mTimer.setInterval(DelayMs);
    connect(&mTimer, &QTimer::timeout, this, &StartupTimer::fire);
}

void StartupTimer::start(const QStringList &arguments)
{
    mDocument = documentArgument(arguments);
    mTimer.start();
}

QString StartupTimer::documentArgument(const QStringList &arguments)
{
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (argument.isEmpty() || (options && argument.startsWith(u'-')))
            continue;
        return argument;
    }
    return {};
}

void StartupTimer::fire()
{
    const bool recovered = mOffer && mOffer();
    // A document asked for on the command line opens even after a recovery: its Open asks
    // whether to save the recovered one first.
    if (!mDocument.isEmpty()) {
        if (mOpen)
            mOpen(mDocument);
    } else if (!recovered && mNew) {
        mNew();
    }
}

} // namespace quill
