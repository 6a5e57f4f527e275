#include "ScoreFile.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// What follows a place's offset must stay as it is: the bytes just before it.
constexpr qint64 kMarked = 64;

QByteArray markOf(QByteArrayView before) {
    return QCryptographicHash::hash(
        before.last(std::min<qsizetype>(before.size(), kMarked)), QCryptographicHash::Sha1)
        .left(8)
        .toHex();
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Reads up to `n` bytes at `offset`: fewer at the end of the file.
QByteArray readAt(int fd, qint64 offset, qint64 n) {
    QByteArray bytes(static_cast<qsizetype>(n), Qt::Uninitialized);
    qint64 got = 0;
    while (got < n) {
        const ssize_t r = TEMP_FAILURE_RETRY(
            ::pread(fd, bytes.data() + got, static_cast<size_t>(n - got), offset + got));
        if (r <= 0) break;
        got += r;
    }
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

// The system's own reason on failure (a full disk, a file-size limit), never Qt's
// "Unknown error" of a buffered write.
int writeAt(int fd, qint64 offset, QByteArrayView bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t w = TEMP_FAILURE_RETRY(::pwrite(
            fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), offset + done));
        if (w < 0) return errno;
        done += w;
    }
    return 0;
}

} // namespace

QString ScoreFile::Place::Text() const {
    return QString::number(offset) + QLatin1Char(':') + QString::fromLatin1(mark);
}

ScoreFile::Place ScoreFile::Place::FromText(QStringView text) {
    Place place;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    bool ok = false;
    place.offset = text.left(colon).toLongLong(&ok);
    if (!ok || place.offset < 0) return {};
    if (colon >= 0) place.mark = text.sliced(colon + 1).toLatin1();
    return place;
}

ScoreFile::Place ScoreFile::Prepare(const QString& path, QString* error) {
    QFile file;
    const QString refusal = SafeFile::OpenInPlace(file, path, SafeFile::kScoreFileCap);
    if (!refusal.isEmpty()) {
        if (error) *error = refusal;
        return {};
    }
    const int fd = file.handle();
    const qint64 size = file.size();
    // The torn part is what follows the last line end; a record is never longer than this.
    const qint64 tail = std::min<qint64>(size, 64 * 1024);
    const QByteArray end = readAt(fd, size - tail, tail);
    qsizetype cut = end.size();
    while (cut > 0 && !isLineEnd(end[cut - 1]))
        --cut;
    if (cut == end.size()) return { size, markOf(end) };
    if (cut == 0 && tail < size) {
        if (error)
            *error = QCoreApplication::translate(
                "ScoreFile", "Its last line is too long to be a record.");
        return {};
    }
    QFile side(TornPath(path));
    const QByteArray torn = end.mid(cut) + "\r\n";
    // Set aside first, then cut: a crash in between keeps the fragment twice, never loses it.
    if (!side.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
        || side.write(torn) != torn.size()) {
        if (error) *error = side.errorString();
        return {};
    }
    if (::ftruncate(fd, size - tail + cut) != 0) {
        if (error) *error = systemError(errno);
        return {};
    }
    return { size - tail + cut, markOf(QByteArrayView(end).first(cut)) };
}

ScoreFile::Outcome ScoreFile::WriteAt(
    const QString& path, const Place& place, const QByteArray& line, QString* error) {
    // Checked again: a pipe put in the file's place since it was prepared would never answer.
    QFile file;
    const QString refusal = SafeFile::OpenInPlace(file, path, SafeFile::kScoreFileCap);
    if (!refusal.isEmpty()) {
        if (error) *error = refusal;
        return Outcome::Failed;
    }
    const int fd = file.handle();
    const qint64 size = file.size();
    const qint64 at = place.offset;
    if (at < 0 || at > size) return Outcome::Changed;
    const QByteArray there = readAt(fd, at, line.size() + 1);
    if (there.startsWith(line)) return Outcome::Written; // before a crash
    // Only a torn copy of this very line may follow the place, and only the bytes marked
    // may lie before it: otherwise the file is another one now.
    const QByteArray before = readAt(fd, std::max<qint64>(0, at - kMarked), std::min(at, kMarked));
    if (place.mark.isEmpty() || markOf(before) != place.mark || !line.startsWith(there))
        return Outcome::Changed;
    // A torn copy is shorter than the line and is written over.
    if (const int failed = writeAt(fd, at, line)) {
        // What was written of the line is taken back, so the file is as it was; should that
        // fail too, the next Prepare sets the fragment aside.
        [[maybe_unused]] const bool takenBack = ::ftruncate(fd, at) == 0;
        if (error) *error = systemError(failed);
        return Outcome::Failed;
    }
    return Outcome::Written;
}

std::optional<ScoreDate> ScoreFile::LastDate(const QString& path) {
    std::optional<ScoreDate> last;
    // Only the end is read, without waiting on a pipe, and only from a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return last;
    struct stat info { };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const qint64 from = std::max<qint64>(0, info.st_size - 4096);
        QByteArray tail = readAt(fd, from, info.st_size - from);
        // A line cut by the window's start is no record.
        if (from > 0) tail.remove(0, tail.indexOf('\n') + 1);
        Reader reader([&last](const ScoreRec& r) { last = r.Date; });
        reader.Feed(tail);
    }
    ::close(fd);
    return last;
}

} // namespace quadrell
