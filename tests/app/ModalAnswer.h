// Answers the next modal window of a test: waits for it to appear, then clicks a button of it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace quilltest {

// Polls for the active modal widget and hands it to act (at most timeoutMs). The text of a
// message box is stored in *seen when given. Returns the watching timer (deleting it stops the
// watch).
inline QPointer<QTimer> whenModalAppears(std::function<void(QWidget *)> act, int timeoutMs = 5000)
{
    auto remaining = std::make_shared<int>(timeoutMs / 20);
    auto timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, remaining, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        } else if (--*remaining <= 0) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return timer;
}

// Clicks button of the next message box and keeps its text.
inline void answerMessageBox(QMessageBox::StandardButton button, QString *seen = nullptr)
{
    whenModalAppears([button, seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        if (seen)
            *seen = box->text();
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

} // namespace quilltest
