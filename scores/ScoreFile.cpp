#include "ScoreFile.h"

#include <QFile>
#include <charconv>
#include <limits>

namespace quadrell {

namespace {

bool number(const char*& p, const char* end, qint64& value) {
    const char* start = p;
    while (p < end && *p != ',')
        ++p;
    const auto [last, ec] = std::from_chars(start, p, value);
    return ec == std::errc() && last == p && start != p;
}

bool quoted(const char*& p, const char* end, QString& text) {
    if (p >= end || *p != '"') return false;
    const char* start = ++p;
    while (p < end && *p != '"')
        ++p;
    if (p >= end) return false;
    text = QString::fromUtf8(start, static_cast<qsizetype>(p - start));
    ++p;
    return true;
}

bool comma(const char*& p, const char* end) {
    if (p >= end || *p != ',') return false;
    ++p;
    return true;
}

bool fits32(qint64 v) {
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

} // namespace

QByteArray ScoreFile::FormatLine(const ScoreRec& r) {
    return '"' + r.Name.toUtf8() + "\"," + QByteArray::number(r.Time) + ','
        + QByteArray::number(r.GameNo) + ',' + QByteArray::number(r.Moves) + ",\"" + r.Date.toUtf8()
        + "\"," + QByteArray::number(r.Perc) + ',' + QByteArray::number(r.Score) + "\r\n";
}

std::optional<ScoreRec> ScoreFile::ParseLine(const QByteArray& line) {
    const char* p = line.constData();
    const char* end = p + line.size();
    ScoreRec r;
    qint64 time = 0, game = 0, moves = 0, perc = 0, score = 0;
    const bool ok = quoted(p, end, r.Name) && comma(p, end) && number(p, end, time) && comma(p, end)
        && number(p, end, game) && comma(p, end) && number(p, end, moves) && comma(p, end)
        && quoted(p, end, r.Date) && comma(p, end) && number(p, end, perc) && comma(p, end)
        && number(p, end, score) && p == end;
    if (!ok || !fits32(time) || !fits32(game) || !fits32(moves) || !fits32(score) || perc < 0
        || perc > 100)
        return std::nullopt;
    r.Time = static_cast<qint32>(time);
    r.GameNo = static_cast<qint32>(game);
    r.Moves = static_cast<qint32>(moves);
    r.Perc = static_cast<qint16>(perc);
    r.Score = static_cast<qint32>(score);
    return r;
}

std::vector<ScoreRec> ScoreFile::ParseAll(const QByteArray& text) {
    std::vector<ScoreRec> records;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf("\r\n", start);
        if (end < 0) break; // what follows the last CR LF is a torn line, if anything
        if (auto r = ParseLine(text.mid(start, end - start))) records.push_back(std::move(*r));
        start = end + 2;
    }
    return records;
}

bool ScoreFile::Append(const QString& path, const ScoreRec& record, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        if (error) *error = file.errorString();
        return false;
    }
    QByteArray line = FormatLine(record);
    if (file.size() > 0) {
        // A line torn by a crash gets its end, so the new one starts on a line of its own.
        file.seek(file.size() - 1);
        if (file.read(1) != "\n") line.prepend("\r\n");
    }
    const bool ok = file.write(line) == line.size() && file.flush();
    if (!ok && error) *error = file.errorString();
    return ok;
}

} // namespace quadrell
