#pragma once

#include "ScoreRec.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>
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
    // Where a line that waits goes: the end of the file when it was prepared, and a mark of
    // the bytes just before it. A file restored, cleared or edited since no longer shows the
    // mark there, so the place is never trusted to cut it.
    struct Place {
        qint64 offset = -1; // -1: not known yet
        QByteArray mark;
        QString Text() const;
        // "offset:mark"; a bare offset (no mark) is a place never trusted.
        static Place FromText(QStringView text);
        friend bool operator==(const Place&, const Place&) = default;
    };
    // Makes the file ready for the next line and answers where it goes: a missing file is
    // created, and a torn last line is moved to the side file "<name>.torn" so it can never
    // be closed into a wrong record. Offset -1 when the file cannot be used; `error` says why.
    static Place Prepare(const QString& path, QString* error);
    enum class Outcome {
        Written, // the line is in the file (now, or by a write done before a crash)
        Failed,  // nothing changed in the file; `error` says why
        Changed, // the file is not the one prepared: prepare it again, nothing was written
    };
    // Writes `line` at `place`. When the file already holds exactly that line there, nothing
    // is written; a torn copy of it beyond the place is replaced. Nothing else already in
    // the file is ever removed: a failed write takes back what it had written.
    static Outcome WriteAt(
        const QString& path, const Place& place, const QByteArray& line, QString* error);
    // The date of the file's last whole record, read from its end; none when it has none.
    static std::optional<ScoreDate> LastDate(const QString& path);
    static QString TornPath(const QString& path) { return path + QStringLiteral(".torn"); }
};

} // namespace quadrell
