#include "RatingsCache.h"

#include "SafeFile.h"

#include <algorithm>
#include <vector>

namespace quadrell {

namespace { } // namespace

QString RatingsCache::PathFor(const QString& scoreFile) {
    return scoreFile + QStringLiteral(".ratings");
}

QByteArray RatingsCache::Header() {
    // The search's fingerprint: a file rated by another search is rebuilt, never trusted.
    return QByteArrayLiteral("Quadrell 2000 ratings ") + QByteArray::number(Solver::kFingerprint)
        + ' ' + QByteArray::number(Difficulty::kEasyMost) + ' '
        + QByteArray::number(Difficulty::kMediumMost) + ' '
        + QByteArray::number(Difficulty::kHardMost) + ' ' + QByteArray::number(Difficulty::kBudget)
        + '\n';
}

// FNV-1a over the lines between the header and the end line.
quint64 RatingsCache::sumOf(QByteArrayView bytes) {
    quint64 sum = 14695981039346656037ULL;
    for (const char c : bytes) {
        sum ^= static_cast<unsigned char>(c);
        sum *= 1099511628211ULL;
    }
    return sum;
}

QByteArray RatingsCache::Text(const Levels& levels) {
    std::vector<std::pair<qint32, Difficulty::Level>> sorted;
    sorted.reserve(static_cast<std::size_t>(levels.size()));
    for (auto it = levels.cbegin(); it != levels.cend(); ++it)
        sorted.emplace_back(it.key(), it.value());
    std::sort(sorted.begin(), sorted.end());
    QByteArray body;
    body.reserve(static_cast<qsizetype>(sorted.size() * 10));
    for (const auto& [number, level] : sorted)
        body += QByteArray::number(number) + ' ' + QByteArray::number(Difficulty::Code(level))
            + '\n';
    return Header() + body + "end " + QByteArray::number(qint64(sorted.size())) + ' '
        + QByteArray::number(sumOf(body), 16) + '\n';
}

RatingsCache::Levels RatingsCache::Parse(const QByteArray& text, bool* trusted) {
    const auto refuse = [trusted] {
        if (trusted) *trusted = false;
        return Levels {};
    };
    const QByteArray header = Header();
    if (!text.startsWith(header) || !text.endsWith('\n')) return refuse();
    const qsizetype endLine = text.lastIndexOf("end ", text.size() - 2);
    if (endLine < header.size() || text[endLine - 1] != '\n') return refuse();
    const QByteArrayView body(text.constData() + header.size(), endLine - header.size());
    const QList<QByteArray> end = text.mid(endLine + 4).trimmed().split(' ');
    bool countOk = false, sumOk = false;
    if (end.size() != 2 || end[1].toULongLong(&sumOk, 16) != sumOf(body) || !sumOk) return refuse();
    const qint64 count = end[0].toLongLong(&countOk);
    Levels levels;
    levels.reserve(countOk ? count : 0);
    for (qsizetype at = 0; at < body.size();) {
        const qsizetype next = body.indexOf('\n', at);
        const QByteArrayView line = body.sliced(at, next - at);
        at = next + 1;
        const qsizetype space = line.indexOf(' ');
        bool numberOk = false, levelOk = false;
        const qint32 number = line.first(std::max<qsizetype>(space, 0)).toInt(&numberOk);
        const auto level = Difficulty::FromCode(line.sliced(space + 1).toInt(&levelOk));
        if (space <= 0 || !numberOk || !levelOk || !level) return refuse();
        levels.insert(number, *level);
    }
    if (!countOk || count != levels.size()) return refuse();
    if (trusted) *trusted = true;
    return levels;
}

RatingsCache::Levels RatingsCache::Load(const QString& path, bool* trusted) {
    const FileRead read = SafeFile::Read(path, kCap);
    if (read.missing) {
        if (trusted) *trusted = true;
        return {};
    }
    if (!read.ok) {
        if (trusted) *trusted = false;
        return {};
    }
    return Parse(read.bytes, trusted);
}

bool RatingsCache::Save(const QString& path, const Levels& levels, QString* error) {
    return SafeFile::Write(path, Text(levels), error);
}

} // namespace quadrell
