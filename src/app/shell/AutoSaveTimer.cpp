// Switching the auto-save timer on and off, and one tick.
#include "AutoSaveTimer.h"

#include <QEvent>
#include <QWidget>

namespace quill {

AutoSaveTimer::AutoSaveTimer(QObject *parent) : QObject(parent)
{
    mTimer.setInterval(IntervalMs);
    connect(&mTimer, &QTimer::timeout, this, &AutoSaveTimer::tick);
}

void AutoSaveTimer::watch(QWidget *window)
{
    if (mWindow)
        mWindow->removeEventFilter(this);
    mWindow = window;
    if (!window)
        return;
    window->installEventFilter(this);
    setWindowActive(window->isActiveWindow());
}

bool AutoSaveTimer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mWindow) {
        if (event->type() == QEvent::WindowActivate)
            setWindowActive(true);
        else if (event->type() == QEvent::WindowDeactivate)
            setWindowActive(false);
    }
    return QObject::eventFilter(watched, event);
}

void AutoSaveTimer::setEnabled(bool enabled)
{
    mEnabled = enabled;
    update();
}

void AutoSaveTimer::setWindowActive(bool active)
{
    mActive = active;
    update();
}

void AutoSaveTimer::suspend()
{
    ++mSuspended;
    update();
}

void AutoSaveTimer::resume()
{
    if (mSuspended > 0)
        --mSuspended;
    update();
}

void AutoSaveTimer::update()
{
    const bool run = mEnabled && mActive && mSuspended == 0;
    if (run && !mTimer.isActive())
        mTimer.start(); // a full interval after each switch-on, not a tick at once
    else if (!run)
        mTimer.stop();
}

void AutoSaveTimer::tick()
{
    if (mWriting || !mWriter || !mEnabled || mSuspended > 0)
        return;
    mWriting = true;
    mTimer.stop(); // the interval counts from the end of this write
    const Result<bool> written = mWriter();
    mWriting = false;
    update();
    if (!written.ok()) {
        if (!mFailing) {
            mFailing = true;
            QString message
                = QStringLiteral("자동 저장하지 못했습니다: ") + written.error().message;
            if (!written.error().where.isEmpty())
                message += QStringLiteral(" (") + written.error().where + u')';
            Q_EMIT failed(message);
        }
        return;
    }
    mFailing = false;
    if (written.value())
        Q_EMIT saved();
}

} // namespace quill
