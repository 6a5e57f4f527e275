#pragma once

#include "MoveRecorder.h"
#include "TransRecord.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <vector>

namespace quadrell {

class Engine;
class ReplayControl;
class Prompter;
class cOpt;

// The move history: every recorded step, undo and redo in whole groups, the return to a
// snapshot, the timed replay, and the game file and source text built from it. Opening a
// game file is cMenu's: it starts a game.
class cTrans final : public MoveRecorder {
    Q_DECLARE_TR_FUNCTIONS(cTrans)

public:
    cTrans(Engine& engine, const cOpt& options, ReplayControl& replay, Prompter& prompter);
    ~cTrans() override;
    cTrans(const cTrans&) = delete;
    cTrans& operator=(const cTrans&) = delete;

    // An empty history, as a new one starts.
    void Reset();

    std::int16_t SaveTrans(Loc source, Loc destination, std::int32_t mode) override;
    int RoomLeft() const override;
    std::int16_t MoveID() const;
    std::int16_t GetTransID() const { return TransID_; }
    std::int16_t TransCount() const { return TransCount_; }
    std::int16_t MoveCounter() const { return MoveCounter_; }
    const TransRecord& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    bool UndoPossible() const { return TransID_ >= 1; }
    bool RedoPossible() const { return TransID_ < TransCount_; }
    bool UndoAllPossible() const { return TransID_ >= 2; }
    bool RedoAllPossible() const { return TransID_ < TransCount_ - 1; }

    bool Undo(std::int16_t speed = 0);
    bool Redo(std::int16_t speed = 0);
    bool UndoAll(std::int16_t speed = 0);
    bool RedoAll(std::int16_t speed = 0);
    // Straight to the position with the first `entries` in place, each group undone or
    // redone as Undo and Redo would, with nothing animated: a jump across a long game.
    bool GoTo(int entries);
    // The player's moves among the entries after the first `from` up to the first `to`.
    int MovesIn(int from, int to) const;

    void PlayNum(std::int16_t num);

    bool Replay(std::int32_t mType);
    void ReplayStop();
    // One tick of the running replay timer: one group forward or back.
    void ReplayTick(bool forward);
    // "Replay &All": back to the deal at once, then forward on the timer.
    void ReplayAll();

    // Writes the game file; a failure is reported to the player and answered false.
    bool SaveToFile(const QString& fl);
    // The same without a word to the player; `error` says why it failed.
    bool WriteFile(const QString& fl, QString* error) const;
    // The source text: every recorded entry as two place names and three spaces.
    QString CreateSource() const;
    static QString GetLocationName(Loc location);

    // The entries played up to the present position, as a game file keeps them.
    std::vector<TransRecord> Played() const {
        return { entries_.begin() + 1, entries_.begin() + 1 + TransID_ };
    }
    // Fills the history from a checked game file; position at the deal.
    void Load(const std::vector<TransRecord>& entries);

private:
    void grow();
    void moveBack(const TransRecord& e, std::int16_t speed, bool instant = false);
    void moveForward(const TransRecord& e, std::int16_t speed, bool instant = false);
    std::int16_t moveNoAt(int index) const {
        return index < 1 ? 0 : entries_[static_cast<std::size_t>(index)].MoveNo;
    }

    Engine& engine_;
    const cOpt& options_;
    ReplayControl& replay_;
    Prompter& prompter_;
    std::vector<TransRecord> entries_; // entry 0 is never used
    std::int16_t TransCount_ = 0;
    std::int16_t TransID_ = 0;
    std::int16_t MoveCounter_ = 0;
};

} // namespace quadrell
