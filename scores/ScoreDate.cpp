#include "ScoreDate.h"

namespace quadrell {

namespace {

// The digits of text[at, at + n), or -1 when one is not a digit.
int digits(QByteArrayView text, int at, int n) {
    int v = 0;
    for (int i = at; i < at + n; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

qint64 pack(int year, int month, int day, int hour, int minute, int second) {
    return ((((qint64(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100
        + second;
}

} // namespace

// Checked by hand, since a million records go through here when the board opens.
std::optional<ScoreDate> ScoreDate::Parse(QByteArrayView d) {
    if (d.size() != 19 || d[4] != '-' || d[7] != '-' || d[10] != ' ' || d[13] != ':'
        || d[16] != ':')
        return std::nullopt;
    const int year = digits(d, 0, 4), month = digits(d, 5, 2), day = digits(d, 8, 2);
    const int hour = digits(d, 11, 2), minute = digits(d, 14, 2), second = digits(d, 17, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return ScoreDate(pack(year, month, day, hour, minute, second));
}

ScoreDate ScoreDate::Of(const QDateTime& when) {
    if (!when.isValid()) return ScoreDate(); // before every record
    const QDate d = when.date();
    const QTime t = when.time();
    return ScoreDate(pack(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()));
}

ScoreDate ScoreDate::NextSecond() const {
    if (packed_ == 0) return *this; // before every record: nothing is earlier
    const qint64 clock = packed_ % 1000000;
    const QTime time(int(clock / 10000), int(clock / 100 % 100), int(clock % 100));
    return Of(QDateTime(Day(), time, Qt::UTC).addSecs(1));
}

QString ScoreDate::Text() const {
    char text[20];
    qint64 v = packed_;
    // Right to left: ss, mm, HH, dd, MM, then the four year digits.
    for (int at : { 18, 15, 12, 9, 6 }) {
        text[at] = char('0' + v % 10);
        text[at - 1] = char('0' + v / 10 % 10);
        v /= 100;
    }
    for (int at = 3; at >= 0; --at, v /= 10)
        text[at] = char('0' + v % 10);
    text[4] = text[7] = '-';
    text[10] = ' ';
    text[13] = text[16] = ':';
    return QString::fromLatin1(text, 19);
}

QDate ScoreDate::Day() const {
    const qint64 day = packed_ / 1000000;
    return QDate(int(day / 10000), int(day / 100 % 100), int(day % 100));
}

} // namespace quadrell
