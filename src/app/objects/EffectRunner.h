// Runs one effect of the effects editor's list over a copy of a picture in a thread of its
// own, so that a large picture does not hold up the window.
#pragma once

#include <QImage>
#include <QObject>

#include <atomic>
#include <memory>

namespace quill {

// The work itself; it lives in the worker thread and is deleted with it.
class EffectJob : public QObject {
    Q_OBJECT
public:
    EffectJob(const QImage &picture, int entry, int p, std::shared_ptr<std::atomic<bool>> stop);
    void run();

signals:
    void progressed(int done, int total);
    // completed is false for a stopped run, whose picture is only partly processed.
    void finished(const QImage &result, bool completed);

private:
    QImage mPicture;
    int mEntry;
    int mP;
    std::shared_ptr<std::atomic<bool>> mStop;
};

// One run at a time, seen from the interface thread. A stopped run says nothing more: it ends
// at its next step in the background and its picture is thrown away.
class EffectRunner : public QObject {
    Q_OBJECT
public:
    explicit EffectRunner(QObject *parent = nullptr);
    ~EffectRunner() override; // stops a run still going

    // Starts list entry `entry` at slider position p on a copy of picture (stopping a run
    // still going).
    void start(const QImage &picture, int entry, int p);
    void stop();
    bool isRunning() const { return mStop != nullptr; }

    // Worker threads still alive, stopped ones included (tests wait for them before leaving).
    static int liveThreads();

signals:
    void progressed(int done, int total);
    void finished(const QImage &result);

private:
    std::shared_ptr<std::atomic<bool>> mStop; // the current run's flag; null when idle
};

} // namespace quill
