#include "ScoreFile.h"

#include "SafeFile.h"

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

bool fits32(qint64 v) { return v >= 0 && v <= std::numeric_limits<qint32>::max(); }
// A game number is any deal's: a game file may carry a negative one.
bool anyInt32(qint64 v) {
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

// "yyyy-MM-dd HH:mm:ss" with each field in its range; checked by hand, since a million
// records go through here when the board opens.
bool storedDate(const QString& d) {
    if (d.size() != 19) return false;
    auto digits = [&d](int at, int n) {
        int v = 0;
        for (int i = at; i < at + n; ++i) {
            const char16_t c = d[i].unicode();
            if (c < u'0' || c > u'9') return -1;
            v = v * 10 + (c - u'0');
        }
        return v;
    };
    if (d[4] != u'-' || d[7] != u'-' || d[10] != u' ' || d[13] != u':' || d[16] != u':')
        return false;
    const int month = digits(5, 2), day = digits(8, 2);
    return digits(0, 4) >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= 31
        && digits(11, 2) >= 0 && digits(11, 2) <= 23 && digits(14, 2) >= 0 && digits(14, 2) <= 59
        && digits(17, 2) >= 0 && digits(17, 2) <= 59;
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

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
    if (!ok || !fits32(time) || !anyInt32(game) || !fits32(moves) || !fits32(score) || perc < 0
        || perc > 100 || !storedDate(r.Date))
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
    const char* data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (!isLineEnd(data[i])) continue;
        if (i > start) {
            if (auto r = ParseLine(QByteArray::fromRawData(data + start, i - start)))
                records.push_back(std::move(*r));
        }
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return records; // what follows the last line end is a torn line, if anything
}

qint64 ScoreFile::Prepare(const QString& path, QString* error) {
    const QString refusal = SafeFile::CheckRegular(path, SafeFile::kScoreFileCap, true);
    if (!refusal.isEmpty()) {
        if (error) *error = refusal;
        return -1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        if (error) *error = file.errorString();
        return -1;
    }
    const qint64 size = file.size();
    // The torn part is what follows the last line end; a record is never longer than this.
    const qint64 tail = std::min<qint64>(size, 64 * 1024);
    file.seek(size - tail);
    const QByteArray end = file.read(tail);
    qsizetype cut = end.size();
    while (cut > 0 && !isLineEnd(end[cut - 1]))
        --cut;
    if (cut == end.size()) return size;
    if (cut == 0 && tail < size) {
        if (error) *error = QStringLiteral("Its last line is too long to be a record.");
        return -1;
    }
    QFile side(TornPath(path));
    const QByteArray torn = end.mid(cut) + "\r\n";
    // Set aside first, then cut: a crash in between keeps the fragment twice, never loses it.
    if (!side.open(QIODevice::WriteOnly | QIODevice::Append) || side.write(torn) != torn.size()
        || !side.flush() || !file.resize(size - tail + cut)) {
        if (error) *error = file.errorString();
        return -1;
    }
    return size - tail + cut;
}

bool ScoreFile::WriteAt(
    const QString& path, qint64 offset, const QByteArray& line, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (offset > file.size()) offset = file.size(); // the file was cleared meanwhile
    file.seek(offset);
    if (file.read(line.size()) == line) return true;
    const bool ok = file.resize(offset) && file.seek(offset) && file.write(line) == line.size()
        && file.flush();
    if (!ok && error) *error = file.errorString();
    return ok;
}

} // namespace quadrell
