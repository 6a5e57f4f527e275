#include "ScoreFile.h"

#include "SafeFile.h"

#include <QCoreApplication>
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

// The text between two quotes, without them.
bool quoted(const char*& p, const char* end, QByteArrayView& text) {
    if (p >= end || *p != '"') return false;
    const char* start = ++p;
    while (p < end && *p != '"')
        ++p;
    if (p >= end) return false;
    text = QByteArrayView(start, p - start);
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

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

QString ScoreFile::Names::Of(QByteArrayView utf8) {
    const QByteArray key = QByteArray::fromRawData(utf8.data(), utf8.size());
    const auto known = seen_.constFind(key);
    if (known != seen_.constEnd()) return *known;
    const QString name = QString::fromUtf8(utf8);
    seen_.insert(utf8.toByteArray(), name);
    return name;
}

// A CR LF cut between two parts ends a line and then an empty one, which is no record.
void ScoreFile::Reader::Feed(QByteArrayView part) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < part.size(); ++i) {
        const char c = part[i];
        if (!isLineEnd(c)) continue;
        if (!rest_.isEmpty()) {
            rest_ += part.sliced(start, i - start);
            line(rest_);
            rest_.clear();
        } else {
            line(part.sliced(start, i - start));
        }
        if (c == '\r' && i + 1 < part.size() && part[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < part.size()) rest_ += part.sliced(start);
}

void ScoreFile::Reader::line(QByteArrayView text) {
    if (text.isEmpty()) return;
    if (auto r = ParseLine(text, &names_)) take_(*r);
}

QByteArray ScoreFile::FormatLine(const ScoreRec& r) {
    return '"' + r.Name.toUtf8() + "\"," + QByteArray::number(r.Time) + ','
        + QByteArray::number(r.GameNo) + ',' + QByteArray::number(r.Moves) + ",\""
        + r.Date.Text().toLatin1() + "\"," + QByteArray::number(r.Perc) + ','
        + QByteArray::number(r.Score) + "\r\n";
}

std::optional<ScoreRec> ScoreFile::ParseLine(QByteArrayView line, Names* names) {
    const char* p = line.data();
    const char* end = p + line.size();
    QByteArrayView name, date;
    qint64 time = 0, game = 0, moves = 0, perc = 0, score = 0;
    const bool ok = quoted(p, end, name) && comma(p, end) && number(p, end, time) && comma(p, end)
        && number(p, end, game) && comma(p, end) && number(p, end, moves) && comma(p, end)
        && quoted(p, end, date) && comma(p, end) && number(p, end, perc) && comma(p, end)
        && number(p, end, score) && p == end;
    const auto stored = ok ? ScoreDate::Parse(date) : std::nullopt;
    if (!stored || !fits32(time) || !anyInt32(game) || !fits32(moves) || !fits32(score) || perc < 0
        || perc > 100)
        return std::nullopt;
    ScoreRec r;
    r.Name = names ? names->Of(name) : QString::fromUtf8(name);
    r.Date = *stored;
    r.Time = static_cast<qint32>(time);
    r.GameNo = static_cast<qint32>(game);
    r.Moves = static_cast<qint32>(moves);
    r.Perc = static_cast<qint16>(perc);
    r.Score = static_cast<qint32>(score);
    return r;
}

std::vector<ScoreRec> ScoreFile::ParseAll(QByteArrayView text) {
    std::vector<ScoreRec> records;
    Reader reader([&records](ScoreRec& r) { records.push_back(std::move(r)); });
    reader.Feed(text);
    return records;
}

qint64 ScoreFile::Prepare(const QString& path, QString* error) {
    QFile file;
    const QString refusal = SafeFile::OpenInPlace(file, path, SafeFile::kScoreFileCap);
    if (!refusal.isEmpty()) {
        if (error) *error = refusal;
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
        if (error)
            *error = QCoreApplication::translate(
                "ScoreFile", "Its last line is too long to be a record.");
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
    // Checked again: a pipe put in the file's place since it was prepared would never answer.
    QFile file;
    const QString refusal = SafeFile::OpenInPlace(file, path, SafeFile::kScoreFileCap);
    if (!refusal.isEmpty()) {
        if (error) *error = refusal;
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
