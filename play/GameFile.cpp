#include "GameFile.h"

#include "Deal.h"
#include "SafeFile.h"
#include "Stacking.h"
#include "Steps.h"
#include "cGame.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <limits>

namespace quadrell {

namespace {

void appendNumber(QByteArray& out, qint64 value) {
    out.append(value < 0 ? '-' : ' ');
    out.append(QByteArray::number(value < 0 ? -value : value));
    out.append(' ');
}

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '\r' || c == '\n'; }

// "line 2, column 7" of the byte at `at`.
QString placeOf(const char* begin, const char* at) {
    const auto line = 1 + std::count(begin, at, '\n');
    const char* lineStart = at;
    while (lineStart > begin && lineStart[-1] != '\n')
        --lineStart;
    return GameFile::tr("line %1, column %2").arg(line).arg(at - lineStart + 1);
}

// What is wrong with a token that is not a number, and where it is.
QString describeToken(const char* begin, const char* start, const char* end) {
    if (start == begin && end - start >= 3 && std::equal(start, start + 3, "\xEF\xBB\xBF"))
        return GameFile::tr("It begins with a byte-order mark; a game file is plain text.");
    const char* odd = std::find_if(start, end, [](char c) { return c <= ' ' || c >= 127; });
    if (odd != end && *odd == '\t')
        return GameFile::tr("There is a tab at %1; numbers are separated by spaces, commas "
                            "or line ends.")
            .arg(placeOf(begin, odd));
    if (odd != end)
        return GameFile::tr("There is a byte %1 at %2; a game file is plain text.")
            .arg(QStringLiteral("0x%1").arg(static_cast<uchar>(*odd), 2, 16, QLatin1Char('0')))
            .arg(placeOf(begin, odd));
    const auto length = static_cast<qsizetype>(std::min<std::ptrdiff_t>(end - start, 20));
    return GameFile::tr("\"%1\" at %2 is not a number.")
        .arg(QString::fromLatin1(start, length), placeOf(begin, start));
}

// Splits the text into whole numbers; empty with an error on anything else.
std::optional<std::vector<qint64>> numbersOf(const QByteArray& bytes, QString* error) {
    std::vector<qint64> numbers;
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (p < end) {
        if (isSeparator(*p)) {
            ++p;
            continue;
        }
        const char* start = p;
        while (p < end && !isSeparator(*p))
            ++p;
        const char* digits = (*start == '+') ? start + 1 : start;
        qint64 value = 0;
        const auto [last, ec] = std::from_chars(digits, p, value);
        if (ec != std::errc() || last != p || digits == p || (digits != start && *digits == '-')) {
            *error = describeToken(bytes.constData(), start, p);
            return std::nullopt;
        }
        numbers.push_back(value);
    }
    return numbers;
}

std::optional<QString> checkEntry(const TransRecord& e, std::size_t index) {
    const auto where = GameFile::tr("Entry %1: ").arg(index);
    if (e.SrcLoc < 0 || e.SrcLoc >= kBoardSize || e.Destloc < 0 || e.Destloc >= kBoardSize)
        return where + GameFile::tr("a location code outside 0..212.");
    if (e.mode != kModePlayer && e.mode != kModeClickPlace && e.mode != kModeFollowUp)
        return where + GameFile::tr("the mode %1 is not 1, -1 or 2.").arg(e.mode);
    return std::nullopt;
}

bool fitsIn16(qint64 v) {
    return v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max();
}

} // namespace

GameFile::Kind GameFile::KindOf(const QString& path) {
    const QString ending = path.right(3).toUpper();
    if (ending == QLatin1String("QRL")) return Kind::Incomplete;
    if (ending == QLatin1String("Q2K")) return Kind::Finished;
    return Kind::Other;
}

QByteArray GameFile::Format(
    qint32 gameNumber, const std::vector<TransRecord>& entries, std::size_t count) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(16 + count * 20));
    appendNumber(out, gameNumber);
    out.append("\r\n");
    for (std::size_t i = 0; i < count && i < entries.size(); ++i) {
        const TransRecord& e = entries[i];
        appendNumber(out, e.SrcLoc);
        appendNumber(out, e.Destloc);
        appendNumber(out, e.mode);
        appendNumber(out, e.MoveNo);
        out.append("\r\n");
    }
    return out;
}

GameFileRead GameFile::Parse(const QByteArray& bytes) {
    GameFileRead result;
    const auto numbers = numbersOf(bytes, &result.error);
    if (!numbers) return result;
    if (numbers->empty()) {
        result.error = GameFile::tr("It holds no game number.");
        return result;
    }
    const qint64 number = numbers->front();
    if (number < std::numeric_limits<qint32>::min()
        || number > std::numeric_limits<qint32>::max()) {
        result.error = GameFile::tr("The game number is out of range.");
        return result;
    }
    const std::size_t rest = numbers->size() - 1;
    if (rest % 4 != 0) {
        result.error = GameFile::tr("Its last entry is incomplete.");
        return result;
    }
    if (rest / 4 > kMaxEntries) {
        result.error = GameFile::tr("It holds more than %1 entries.").arg(kMaxEntries);
        return result;
    }
    GameFileData game;
    game.gameNumber = static_cast<qint32>(number);
    game.entries.reserve(rest / 4);
    for (std::size_t i = 1; i < numbers->size(); i += 4) {
        const qint64* n = numbers->data() + i;
        if (!fitsIn16(n[0]) || !fitsIn16(n[1]) || !fitsIn16(n[3]) || !fitsIn16(n[2])) {
            result.error
                = GameFile::tr("Entry %1: a number is out of range.").arg(game.entries.size() + 1);
            return result;
        }
        const TransRecord e { static_cast<qint16>(n[0]), static_cast<qint16>(n[1]),
            static_cast<qint32>(n[2]), static_cast<qint16>(n[3]) };
        if (auto problem = checkEntry(e, game.entries.size() + 1)) {
            result.error = *problem;
            return result;
        }
        game.entries.push_back(e);
    }
    if (auto problem = CheckMoves(game, &result.cardsHome)) {
        result.error = *problem;
        return result;
    }
    result.game = std::move(game);
    return result;
}

std::optional<QString> GameFile::CheckMoves(const GameFileData& game, int* cardsHome) {
    cGame board = DealtBoard(game.gameNumber);
    qint16 moveNo = 0;
    for (std::size_t i = 0; i < game.entries.size(); ++i) {
        const TransRecord& e = game.entries[i];
        // Move numbers start at 0 and rise by one at each move the player starts.
        if (e.mode == kModePlayer) ++moveNo;
        if (e.MoveNo != moveNo)
            return GameFile::tr("Entry %1: the move number %2 should be %3.")
                .arg(i + 1)
                .arg(e.MoveNo)
                .arg(moveNo);
        if (!IsStepSource(board, e.SrcLoc))
            return GameFile::tr("Entry %1: no card can leave %2.").arg(i + 1).arg(e.SrcLoc);
        // A position no game can reach would be shown, and played on, as if it could.
        if (!IsStep(board, { e.SrcLoc, e.Destloc }, StepKinds::Recorded))
            return GameFile::tr("Entry %1: the card cannot go to %2.").arg(i + 1).arg(e.Destloc);
        board.ApplyStep(e.SrcLoc, e.Destloc);
    }
    if (cardsHome) *cardsHome = CardsHome(board);
    return std::nullopt;
}

GameFileRead GameFile::Read(const QString& path) {
    const FileRead file = SafeFile::Read(path, SafeFile::kGameFileCap);
    if (!file.ok) {
        GameFileRead result;
        result.missing = file.missing;
        result.error = file.error;
        // Qt reads names as UTF-8: a name in another encoding arrives with its odd bytes
        // replaced, and "does not exist" would be untrue of a file the player can see.
        if (file.missing && path.contains(QChar::ReplacementCharacter)) {
            result.missing = false;
            result.error = GameFile::tr(
                "Its name is not written in UTF-8, so it cannot be found by that name. "
                "Rename the file and open it again.");
        }
        return result;
    }
    return Parse(file.bytes);
}

bool GameFile::Write(const QString& path, const QByteArray& bytes, QString* error) {
    return SafeFile::Write(path, bytes, error);
}

} // namespace quadrell
