#pragma once

#include "ScoreRec.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace quadrell {

// The score file: one line per ended game, "Name",Time,GameNo,Moves,"Date",Perc,Score,
// UTF-8. Lines are written with CR LF and read with CR LF, LF or CR.
class ScoreFile {
public:
    static QByteArray FormatLine(const ScoreRec& record);
    // A line that does not read as the seven fields, with a date of the stored form and no
    // negative number, gives nothing.
    static std::optional<ScoreRec> ParseLine(const QByteArray& line);
    // Every ended line of the text; a last line without its end was torn by a crash.
    static std::vector<ScoreRec> ParseAll(const QByteArray& text);
    // Makes the file ready for the next line and answers its size: a missing file is
    // created, and a torn last line is moved to the side file "<name>.torn" so it can never
    // be closed into a wrong record. -1 when the file cannot be used; `error` says why.
    static qint64 Prepare(const QString& path, QString* error);
    // Writes `line` at `offset`, where Prepare left the end of the file. When the file
    // already holds exactly that line there (a write done before a crash), nothing is
    // written; whatever lies beyond the offset is a torn copy of it and is replaced.
    static bool WriteAt(const QString& path, qint64 offset, const QByteArray& line, QString* error);
    static QString TornPath(const QString& path) { return path + QStringLiteral(".torn"); }
};

} // namespace quadrell
