#include "dlgDifficulty.h"

#include "DialogParts.h"
#include "RatingTask.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quadrell {

namespace {
// The share of each class among games 1 to 10,000, in per cent.
constexpr std::array kShares { 40, 35, 20, 5 };
} // namespace

dlgDifficulty::dlgDifficulty(Difficulty::Level preset, QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("New Game of Difficulty"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("A random game of the difficulty chosen, within the random range of the options."
           " The solver rates each deal by the work it takes to win it."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        const QString name = RatingTask::Name(kLevels[i]);
        auto* option = options_[i]
            = new QRadioButton(tr("%1 (%2 % of deals)").arg(name).arg(kShares.at(i)), this);
        option->setObjectName(QStringLiteral("optLevel%1").arg(i + 1));
        option->setChecked(kLevels[i] == preset);
        layout->addWidget(option);
    }
    EnteredAtChecked({ options_[0], options_[1], options_[2], options_[3] });
    auto* deal = NamedButton(this, "cmdDeal", tr("Deal"));
    deal->setDefault(true);
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    connect(deal, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(ButtonRow({ deal, cancel }));
    // Wide enough that the window manager shows the whole title, in every language.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 3 / 2 + 120);
}

Difficulty::Level dlgDifficulty::Chosen() const {
    const auto ticked = std::find_if(
        options_.begin(), options_.end(), [](const QRadioButton* o) { return o->isChecked(); });
    return ticked == options_.end() ? Difficulty::Level::Easy
                                    : kLevels[static_cast<std::size_t>(ticked - options_.begin())];
}

} // namespace quadrell
