#include "cTrans.h"

#include "Engine.h"
#include "GameFile.h"
#include "GameWindow.h"
#include "cOpt.h"

#include <QCoreApplication>
#include <algorithm>

namespace quadrell {

namespace {
constexpr std::size_t kGrowth = 100;
}

cTrans::cTrans(Engine& engine, const cOpt& options, ReplayControl& replay, Prompter& prompter)
    : engine_(engine)
    , options_(options)
    , replay_(replay)
    , prompter_(prompter) {
    Reset();
    engine_.SetRecorder(this);
}

cTrans::~cTrans() { engine_.SetRecorder(nullptr); }

void cTrans::Reset() {
    entries_.assign(kGrowth + 1, TransRecord {});
    TransCount_ = 0;
    TransID_ = 0;
    MoveCounter_ = 0;
}

void cTrans::grow() { entries_.resize(entries_.size() + kGrowth); }

std::int16_t cTrans::SaveTrans(Loc source, Loc destination, std::int32_t mode) {
    if (TransID_ >= GameFile::kMaxEntries) return TransID_; // the 16-bit history is full
    ++TransID_;
    TransCount_ = TransID_;
    if (static_cast<std::size_t>(TransID_) >= entries_.size()) grow();
    if (mode == kModePlayer) ++MoveCounter_;
    entries_[static_cast<std::size_t>(TransID_)]
        = TransRecord { source, destination, mode, MoveCounter_ };
    return TransID_;
}

int cTrans::RoomLeft() const { return GameFile::kMaxEntries - TransID_; }

std::int16_t cTrans::MoveID() const { return moveNoAt(TransID_); }

void cTrans::moveBack(const TransRecord& e, std::int16_t speed, bool instant) {
    engine_.state().gBoard.SetLocation(e.Destloc, e.SrcLoc, kModeHistory, speed, instant);
}

void cTrans::moveForward(const TransRecord& e, std::int16_t speed, bool instant) {
    engine_.state().gBoard.SetLocation(e.SrcLoc, e.Destloc, kModeHistory, speed, instant);
}

bool cTrans::Undo(std::int16_t speed) {
    if (TransID_ < 1) return false;
    for (;;) {
        const TransRecord e = Entry(TransID_);
        moveBack(e, speed);
        --TransID_;
        if (e.mode != kModeFollowUp) {
            MoveCounter_ = moveNoAt(TransID_);
            return true;
        }
        if (TransID_ < 1) {
            MoveCounter_ = 0;
            return false;
        }
    }
}

bool cTrans::Redo(std::int16_t speed) {
    if (TransID_ == TransCount_) return false;
    for (;;) {
        const TransRecord e = Entry(TransID_ + 1);
        moveForward(e, speed);
        ++TransID_;
        if (TransID_ == TransCount_) {
            MoveCounter_ = e.MoveNo;
            return false;
        }
        if (Entry(TransID_ + 1).mode != kModeFollowUp) {
            MoveCounter_ = e.MoveNo;
            return true;
        }
    }
}

bool cTrans::UndoAll(std::int16_t speed) {
    if (TransID_ < 1) return false;
    while (Undo(speed)) { }
    return true;
}

bool cTrans::RedoAll(std::int16_t speed) {
    if (TransID_ == TransCount_) return false;
    while (Redo(speed)) { }
    return true;
}

int cTrans::MovesIn(int from, int to) const {
    int moves = 0;
    for (int i = std::max(from, 0) + 1; i <= to && i <= TransCount_; ++i)
        moves += Entry(i).mode != kModeFollowUp ? 1 : 0;
    return moves;
}

bool cTrans::GoTo(int entries) {
    if (entries < 0 || entries > TransCount_) return false;
    while (TransID_ > entries) {
        moveBack(Entry(TransID_), 0, true);
        --TransID_;
    }
    while (TransID_ < entries) {
        moveForward(Entry(TransID_ + 1), 0, true);
        ++TransID_;
    }
    MoveCounter_ = moveNoAt(TransID_);
    return true;
}

void cTrans::PlayNum(std::int16_t num) {
    if (num == moveNoAt(TransID_)) return;
    if (num >= MoveCounter_) {
        while (TransID_ != TransCount_) {
            const TransRecord e = Entry(TransID_ + 1);
            moveForward(e, 1);
            ++TransID_;
            MoveCounter_ = e.MoveNo;
            if (e.MoveNo == num) return;
        }
        return;
    }
    while (TransID_ >= 1 && Entry(TransID_).MoveNo != num) {
        moveBack(Entry(TransID_), 1);
        --TransID_;
        MoveCounter_ = moveNoAt(TransID_);
    }
}

bool cTrans::Replay(std::int32_t mType) {
    replay_.SetStopEnabled(true);
    if (mType == 1) {
        replay_.SetBackward(false);
        replay_.SetForward(true);
    } else {
        replay_.SetForward(false);
        replay_.SetBackward(true);
    }
    return false;
}

void cTrans::ReplayStop() {
    replay_.StopPlayback(); // and whatever else the window is playing
}

void cTrans::ReplayTick(bool forward) {
    replay_.SetStopEnabled(true);
    const auto speed = options_.FwdBackSpeed();
    const bool more = forward ? Redo(speed) : Undo(speed);
    if (more) return;
    replay_.SetStopEnabled(false);
    if (forward) {
        replay_.SetForward(false);
    } else {
        replay_.SetBackward(false);
    }
}

void cTrans::ReplayAll() {
    UndoAll(1);
    Replay(1);
}

void cTrans::Load(const std::vector<TransRecord>& entries) {
    Reset();
    entries_.resize(std::max(entries_.size(), entries.size() + 1));
    std::copy(entries.begin(), entries.end(), entries_.begin() + 1);
    TransCount_ = static_cast<std::int16_t>(entries.size());
    TransID_ = 0;
    MoveCounter_ = 0;
}

bool cTrans::WriteFile(const QString& fl, QString* error) const {
    const GameState& s = engine_.state();
    const std::size_t n = static_cast<std::size_t>(s.gFinishedView ? TransCount_ : TransID_);
    const std::vector<TransRecord> written(
        entries_.begin() + 1, entries_.begin() + 1 + static_cast<std::ptrdiff_t>(n));
    return GameFile::Write(fl, GameFile::Format(s.gGameNumber, written, n), error);
}

bool cTrans::SaveToFile(const QString& fl) {
    QString error;
    if (WriteFile(fl, &error)) return true;
    prompter_.Message(
        cTrans::tr("The game could not be saved to\r\n%1\r\n%2").arg(fl, error).toStdString(),
        MessageIcon::Exclamation, kAppTitle);
    return false;
}

QString cTrans::GetLocationName(Loc location) {
    if (location >= 0 && location < kFirstCell)
        return QString(QLatin1Char(static_cast<char>('A' + columnOf(location))));
    if (isCell(location) || isFoundation(location))
        return QString::number(location - kFirstCell + (isCell(location) ? 1 : 0));
    return QString();
}

QString cTrans::CreateSource() const {
    QString text;
    for (int i = 1; i <= TransCount_; ++i) {
        const TransRecord& e = Entry(i);
        text += GetLocationName(e.SrcLoc) + GetLocationName(e.Destloc) + QStringLiteral("   ");
        if (i % 15 == 0) text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace quadrell
