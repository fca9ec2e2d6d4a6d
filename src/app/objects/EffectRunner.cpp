#include "EffectRunner.h"

#include "imaging/EffectSteps.h"

#include <QThread>

namespace quill {

namespace {

std::atomic<int> gLiveThreads {0};

} // namespace

EffectJob::EffectJob(const QImage &picture, int entry, int p,
                     std::shared_ptr<std::atomic<bool>> stop)
    : mPicture(picture), mEntry(entry), mP(p), mStop(std::move(stop))
{
}

void EffectJob::run()
{
    // The copy is detached here, in the worker thread, not in the window's.
    QImage picture = mPicture.copy();
    mPicture = QImage();
    const bool completed = applyListEffectInSteps(picture, mEntry, mP, [this](int done, int total) {
        if (mStop->load())
            return false;
        emit progressed(done, total);
        return true;
    });
    emit finished(completed && !mStop->load() ? picture : QImage(), completed && !mStop->load());
}

EffectRunner::EffectRunner(QObject *parent) : QObject(parent) { }

EffectRunner::~EffectRunner()
{
    stop();
}

void EffectRunner::start(const QImage &picture, int entry, int p)
{
    stop();
    auto flag = std::make_shared<std::atomic<bool>>(false);
    mStop = flag;
    auto *job = new EffectJob(picture, entry, p, flag);
    auto *thread = new QThread;
    job->moveToThread(thread);
    connect(thread, &QThread::started, job, &EffectJob::run);
    // The signals cross threads queued; a run stopped meanwhile is no longer the current one.
    connect(job, &EffectJob::progressed, this, [this, flag](int done, int total) {
        if (mStop == flag)
            emit progressed(done, total);
    });
    connect(job, &EffectJob::finished, this, [this, flag](const QImage &result, bool completed) {
        if (mStop != flag)
            return;
        mStop.reset();
        if (completed)
            emit finished(result);
    });
    connect(job, &EffectJob::finished, thread, &QThread::quit);
    connect(thread, &QThread::finished, job, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, [] { --gLiveThreads; }, Qt::DirectConnection);
    ++gLiveThreads;
    thread->start(QThread::LowPriority);
}

void EffectRunner::stop()
{
    if (mStop)
        mStop->store(true);
    mStop.reset();
}

int EffectRunner::liveThreads()
{
    return gLiveThreads.load();
}

} // namespace quill
