#pragma once

#include "Difficulty.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace quadrell {

// The difficulty of each game number the score file holds, kept beside it so that the Charts
// page rates a deal once. The first line names the rating rule the file was made under and
// the last one counts the lines and sums their bytes: a file of another rule, or damaged in
// any way, is read as empty and rebuilt, never trusted.
class RatingsCache {
public:
    using Levels = QHash<qint32, Difficulty::Level>;
    // Far above the ten bytes a line of each of the 3,240,001 game numbers takes.
    static constexpr qint64 kCap = 64 * 1024 * 1024;

    // "<score file>.ratings".
    static QString PathFor(const QString& scoreFile);
    // The first line: the rule's version and limits.
    static QByteArray Header();
    static QByteArray Text(const Levels& levels);
    // What a cache file holds; empty when missing, of another rule or damaged, `trusted`
    // false then unless missing.
    static Levels Parse(const QByteArray& text, bool* trusted = nullptr);
    static Levels Load(const QString& path, bool* trusted = nullptr);
    static bool Save(const QString& path, const Levels& levels, QString* error = nullptr);

private:
    static quint64 sumOf(QByteArrayView bytes);
};

} // namespace quadrell
