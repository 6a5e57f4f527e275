#pragma once

#include "TransRecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

namespace quadrell {

// A game as its file holds it: the deal number and the history.
struct GameFileData {
    qint32 gameNumber = 0;
    std::vector<TransRecord> entries;
};

// Outcome of reading a game file: the game, or why it cannot be used.
struct GameFileRead {
    std::optional<GameFileData> game;
    int cardsHome = 0;    // on the foundations once the game's history is played
    bool missing = false; // the file does not exist
    QString error;        // what is wrong, when game is empty
};

// The text format of ".qrl" and ".q2k" files. Every number is a sign position (space or
// "-"), its digits and a trailing space; lines end in CR LF. Reading accepts any run of
// spaces, commas and line ends between numbers, and checks every entry before a game is
// handed on, so a damaged file can never put the board in a state play could not reach.
class GameFile {
    Q_DECLARE_TR_FUNCTIONS(GameFile)

public:
    enum class Kind { Incomplete, Finished, Other };
    static constexpr int kMaxEntries = 32767;

    // By the last three characters of the path, in any case: "QRL" or "Q2K".
    static Kind KindOf(const QString& path);

    static QByteArray Format(
        qint32 gameNumber, const std::vector<TransRecord>& entries, std::size_t count);
    // Parses and checks the text; on failure the error says what is wrong.
    static GameFileRead Parse(const QByteArray& bytes);
    static GameFileRead Read(const QString& path);
    // Written whole or not at all; on failure the error says why.
    static bool Write(const QString& path, const QByteArray& bytes, QString* error);

    // Replays the entries on a plain board: every step must take an exposed card to a free
    // place that could hold it. Empty when all is well; `cardsHome` then gets how many cards
    // the history leaves on the foundations.
    static std::optional<QString> CheckMoves(const GameFileData& game, int* cardsHome = nullptr);
};

} // namespace quadrell
