#include "SendProgress.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLayout>
#include <QProgressBar>
#include <QScreen>

namespace quill {

namespace {

constexpr QSize ProgressWindowSize(285, 88);

} // namespace

SendProgress::SendProgress(QDialog &window, QWidget &content) : mWindow(window), mContent(content)
{
    mBar = new QProgressBar(&window);
    mBar->setObjectName(QStringLiteral("ProgressBar"));
    mBar->setVisible(false);
    if (QLayout *layout = window.layout())
        layout->addWidget(mBar);
}

MergeProgress SendProgress::start(int rows)
{
    if (rows <= MergeProgressRows)
        return {};
    mGeometry = mWindow.saveGeometry();
    mShown = true;
    mContent.setVisible(false);
    mBar->setRange(0, rows + 1);
    mBar->setValue(0);
    mBar->setVisible(true);
    mWindow.setFixedSize(ProgressWindowSize);
    if (QScreen *screen = mWindow.screen()) {
        const QRect area = screen->availableGeometry();
        mWindow.move(
            area.center() - QPoint(ProgressWindowSize.width(), ProgressWindowSize.height()) / 2);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return [this](int done, int total) {
        mBar->setMaximum(total);
        mBar->setValue(done);
        // The table is made in the window's own thread: let the bar repaint between slices.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

void SendProgress::finish()
{
    if (!mShown)
        return;
    mShown = false;
    mBar->setVisible(false);
    mContent.setVisible(true);
    mWindow.setMinimumSize(0, 0);
    mWindow.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    mWindow.restoreGeometry(mGeometry);
}

} // namespace quill
