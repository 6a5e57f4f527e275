#pragma once

#include "ScoreRec.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace quadrell {

// The score file: one line per ended game, "Name",Time,GameNo,Moves,"Date",Perc,Score,
// lines ended by CR LF, UTF-8.
class ScoreFile {
public:
    static QByteArray FormatLine(const ScoreRec& record);
    // A line that does not read as the seven fields gives nothing.
    static std::optional<ScoreRec> ParseLine(const QByteArray& line);
    // Every whole line of the text; a last line without its CR LF was torn by a crash.
    static std::vector<ScoreRec> ParseAll(const QByteArray& text);
    // Appends one line in one write, flushed, after mending a torn last line. False when
    // the file cannot be written; `error` says why.
    static bool Append(const QString& path, const ScoreRec& record, QString* error);
};

} // namespace quadrell
