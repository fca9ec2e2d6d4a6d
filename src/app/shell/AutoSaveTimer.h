// The auto-save timer: ticks every 20 s while auto-save is on and the main window is active.
#pragma once

#include "Result.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

namespace quill {

// Runs only while all three hold: auto-save is enabled (settings), the watched window is the
// active window, and no command has suspended it (open, save, print and preview suspend it for
// their duration; suspensions nest). Each tick calls the writer it was given, which writes the
// recovery file (DocumentRecovery::autoSave) and returns whether it wrote. The timer does
// not own the window.
class AutoSaveTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 20000;
    using Writer = std::function<Result<bool>()>;

    explicit AutoSaveTimer(QObject *parent = nullptr);

    void setWriter(Writer writer) { mWriter = std::move(writer); }
    // Follows the window's activation and deactivation from now on.
    void watch(QWidget *window);

    void setEnabled(bool enabled);
    bool isEnabled() const { return mEnabled; }
    void setWindowActive(bool active);
    bool isRunning() const { return mTimer.isActive(); }
    int interval() const { return mTimer.interval(); }
    void setInterval(int ms) { mTimer.setInterval(ms); } // for tests; 20 s otherwise

    // A command that must not be interrupted by an auto-save brackets itself with these.
    void suspend();
    void resume();

    // Runs one tick now (what the timer does every interval).
    void tick();

    // Stops the timer while a command runs and resumes it when the guard goes.
    class Suspension {
    public:
        explicit Suspension(AutoSaveTimer *timer) : mTimer(timer)
        {
            if (mTimer)
                mTimer->suspend();
        }
        ~Suspension()
        {
            if (mTimer)
                mTimer->resume();
        }
        Suspension(const Suspension &) = delete;
        Suspension &operator=(const Suspension &) = delete;

    private:
        QPointer<AutoSaveTimer> mTimer;
    };

Q_SIGNALS:
    // A recovery file was written.
    void saved();
    // The recovery file could not be written; the message is for the user (status bar). Told
    // once per run of failures, not on every tick.
    void failed(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();

    QTimer mTimer;
    Writer mWriter;
    QPointer<QWidget> mWindow;
    bool mEnabled = false;
    bool mActive = false;
    int mSuspended = 0;
    bool mWriting = false;
    bool mFailing = false;
};

} // namespace quill
