#include "RatingsCount.h"

#include <QThreadPool>

namespace quadrell {

RatingsCount::RatingsCount(QString cachePath, Rate rate, QObject* parent)
    : QObject(parent)
    , path_(std::move(cachePath))
    , rate_(std::move(rate)) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &RatingsCount::poll);
}

RatingsCount::~RatingsCount() { Stop(); }

void RatingsCount::Start(const std::vector<ScoreRec>& records) {
    Stop();
    shared_ = std::make_shared<Shared>();
    // The search holds its own copies: the window may be gone before it ends.
    QThreadPool::globalInstance()->start([shared = shared_, records, path = path_, rate = rate_] {
        count(shared, records, path, rate);
    });
    poll_.start();
}

void RatingsCount::Stop() {
    if (shared_) shared_->stop = true;
    shared_.reset();
    poll_.stop();
}

RatingsCount::Snapshot RatingsCount::Latest() const {
    if (!shared_) return {};
    const std::lock_guard hold(shared_->lock);
    return shared_->latest;
}

void RatingsCount::poll() {
    if (!shared_) return;
    bool changed = false, done = false;
    {
        const std::lock_guard hold(shared_->lock);
        changed = std::exchange(shared_->changed, false);
        done = shared_->latest.done;
    }
    if (done) poll_.stop();
    if (changed) emit Changed();
}

void RatingsCount::count(
    std::shared_ptr<Shared> shared, std::vector<ScoreRec> records, QString path, Rate rate) {
    DifficultyTally tally(records);
    records = {};
    bool trusted = true;
    RatingsCache::Levels levels = RatingsCache::Load(path, &trusted);
    const std::vector<qint32> unknown = tally.AddKnown(levels);
    const auto publish = [&](qint64 rated, bool done) {
        const std::lock_guard hold(shared->lock);
        shared->latest = { tally.Counted(), static_cast<qint64>(unknown.size()), rated, done };
        shared->changed = true;
    };
    publish(0, unknown.empty());
    qint64 rated = 0;
    for (const qint32 number : unknown) {
        const auto rating = rate(number, &shared->stop);
        if (!rating) break;
        levels.insert(number, rating->level);
        tally.Add(number, rating->level);
        ++rated;
        publish(rated, false); // a few small tallies, against a search for each deal
        if (rated % kSaveEvery == 0) RatingsCache::Save(path, levels);
    }
    if (rated > 0 || !trusted) RatingsCache::Save(path, levels);
    publish(rated, true);
}

} // namespace quadrell
