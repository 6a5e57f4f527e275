#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace quadrell {

// A recorded game's date, "yyyy-MM-dd HH:mm:ss", held as the number yyyyMMddHHmmss: eight
// bytes where the text took about ninety, and it still orders as the moments it names.
class ScoreDate {
public:
    ScoreDate() = default;
    // The stored form with each field in its range, or nothing.
    static std::optional<ScoreDate> Parse(QByteArrayView text);
    static ScoreDate Of(const QDateTime& when);

    // The moment one second later, counted on the calendar as written (no time zone).
    ScoreDate NextSecond() const;
    QString Text() const;
    QDate Day() const;
    auto operator<=>(const ScoreDate&) const = default;

private:
    explicit ScoreDate(qint64 packed) : packed_(packed) { }
    qint64 packed_ = 0;
};

} // namespace quadrell
