#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace quadrell {

// What the Select Game dialog accepts: a number strictly between 0 and 3240000, whatever
// the random range, rounded to a whole game number with halves to even.
class SelectGameRules {
    Q_DECLARE_TR_FUNCTIONS(SelectGameRules)

public:
    static constexpr double kUpper = 3240000;

    static std::optional<qint32> Validate(const QString& text);
    static QString Label(qint32 limit);
    static QString Refusal() {
        return SelectGameRules::tr("Please Enter a valid number between 0 and 3240000");
    }
};

} // namespace quadrell
