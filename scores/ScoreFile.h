#pragma once

#include "ScoreRec.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace quadrell {

// The score file: one line per ended game, "Name",Time,GameNo,Moves,"Date",Perc,Score,
// UTF-8. Lines are written with CR LF and read with CR LF, LF or CR.
class ScoreFile {
public:
    // Names met before, so a million lines of five players hold five strings.
    class Names {
    public:
        QString Of(QByteArrayView utf8);

    private:
        QHash<QByteArray, QString> seen_;
    };

    // Splits text given in parts into records: a line cut between two parts is joined, and
    // each ended line that reads as a record goes to `take`.
    class Reader {
    public:
        explicit Reader(std::function<void(ScoreRec&)> take) : take_(std::move(take)) { }
        void Feed(QByteArrayView part);
        // What is left without its line end was torn by a crash: never a record.

    private:
        void line(QByteArrayView text);
        std::function<void(ScoreRec&)> take_;
        Names names_;
        QByteArray rest_;
    };

    static QByteArray FormatLine(const ScoreRec& record);
    // A line that does not read as the seven fields, with a date of the stored form and no
    // negative number, gives nothing.
    static std::optional<ScoreRec> ParseLine(QByteArrayView line, Names* names = nullptr);
    // Every ended line of the text.
    static std::vector<ScoreRec> ParseAll(QByteArrayView text);
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
