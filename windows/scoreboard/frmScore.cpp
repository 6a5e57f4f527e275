#include "frmScore.h"

#include "ChartsPage.h"
#include "DialogParts.h"
#include "GameState.h"
#include "Icons.h"
#include "Prompter.h"
#include "ScoreBoard.h"
#include "ScoreListModel.h"
#include "cPlayer.h"
#include "cSave.h"
#include "cScore.h"
#include "cTime.h"
#include "cTrans.h"
#include "cUser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <numeric>

namespace quadrell {

namespace {

constexpr double kTwipsPerPixel = 15;

QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setRootIsDecorated(false);
    tree->setHeaderLabels(columns);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents); // these lists stay short
    return tree;
}

QLabel* label(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

void bold(QTreeWidgetItem* item) {
    QFont f = item->font(0);
    f.setBold(true);
    for (int c = 0; c < item->columnCount(); ++c)
        item->setFont(c, f);
}

} // namespace

frmScore::frmScore(cScore& score, cPlayer& players, const cUser& users, const cSave& save,
    const GameState& state, const cTrans& trans, cTime& time, Prompter& prompter, QWidget* owner)
    : QDialog(owner)
    , score_(score)
    , players_(players)
    , playerList_(users)
    , save_(save)
    , state_(state)
    , trans_(trans)
    , time_(time)
    , prompter_(prompter)
    , tabs_(new QTabWidget(this)) {
    PagesByKeys(tabs_);
    setWindowTitle(tr("QuadRell 2000 Score Board"));
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->addTab(generalPage(), tr("General"));
    tabs_->addTab(scoreBoardPage(), tr("Score Board"));
    statistics_ = list(this, "lvwStatistics", { tr("Statistics") });
    statistics_->header()->setSectionResizeMode(QHeaderView::Interactive); // widths by formula
    statistics_->header()->setStretchLastSection(false);
    statistics_->viewport()->installEventFilter(this);
    statistics_->setAccessibleName(tr("Statistics"));
    tabs_->addTab(statistics_, tr("Statistics"));
    top_ = list(this, "lvwTopScore",
        { tr("Player"), tr("Date"), tr("GameNo"), tr("Moves"), tr("Time"), tr("Score") });
    top_->setAccessibleName(tr("Top Scores"));
    tabs_->addTab(top_, tr("Top Scores"));
    tabs_->addTab(globalPage(), tr("Global Statistics"));
    charts_ = new ChartsPage(
        score_.Records(), prompter_, RatingsCache::PathFor(save_.ScoreFile()), this);
    tabs_->addTab(charts_, tr("Charts"));
    auto* ok = ok_ = NamedButton(this, "cmdOK", tr("OK"));
    auto* cancel = NamedButton(this, "cmdCancel", tr("Cancel"));
    auto* clear = NamedButton(this, "cmdClear", tr("Clear Score"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, &frmScore::Clear);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    // Over every page, where the figures would be: the lists leave the unread file out.
    unread_ = label(this, "lblUnread");
    unread_->setWordWrap(true);
    unread_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    unread_->setFocusPolicy(Qt::StrongFocus); // reached by Tab, so a screen reader reads it
    unread_->setFrameShape(QFrame::StyledPanel);
    unread_->setMargin(6);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(unread_);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &frmScore::tick);
    timer_.start();
    Create_All();
    tick();
    resize(640, 440);
}

QWidget* frmScore::generalPage() {
    auto* page = new QWidget(this);
    general_ = list(page, "lvwGeneral", { tr("Type"), tr("Value") });
    general_->setAccessibleName(tr("General"));
    auto* session = new QGroupBox(tr("This Session"), page);
    auto* sessionRows = new QVBoxLayout(session);
    addLines(session, sessionRows, Line::SessionStart, Line::Player);
    auto* game = new QGroupBox(tr("This Game"), page);
    game->setObjectName(QStringLiteral("fraGame"));
    auto* gameRows = new QVBoxLayout(game);
    addLines(game, gameRows, Line::Player, Line::ExportFile);
    game->setEnabled(state_.gGameActive);
    auto* panels = new QVBoxLayout;
    panels->addWidget(session);
    panels->addWidget(game);
    panels->addStretch();
    auto* row = new QHBoxLayout(page);
    row->addWidget(general_, 1);
    row->addLayout(panels, 1);
    return page;
}

QWidget* frmScore::scoreBoardPage() {
    auto* page = new QWidget(this);
    users_ = new QComboBox(page);
    users_->setObjectName(QStringLiteral("imcUser"));
    days_ = new QComboBox(page);
    days_->setObjectName(QStringLiteral("imcDay"));
    days_->addItems({ tr("Show Today"), tr("Last 3 Days"), tr("Last 1 Week"), tr("Last 1 Month"),
        tr("Show All") });
    finished_ = new QCheckBox(tr("Show Only Finished Games"), page);
    finished_->setObjectName(QStringLiteral("chkFinished"));
    scores_ = new QTreeView(page);
    scores_->setObjectName(QStringLiteral("lvwScore"));
    scores_->setAccessibleName(tr("Score Board"));
    users_->setAccessibleName(tr("Player"));
    days_->setAccessibleName(tr("Games shown"));
    scores_->setRootIsDecorated(false);
    scores_->setUniformRowHeights(true);
    model_ = new ScoreListModel(this);
    scores_->setModel(model_);
    // A million rows: widths from the widest values, never measured row by row.
    ScoreListModel::FitColumns(*scores_);
    // After a choice the keyboard goes to OK, so Enter closes the board.
    auto focusOk = [this] {
        if (ok_) ok_->setFocus();
    };
    connect(users_, &QComboBox::activated, this, [this, focusOk] {
        ListScore(chosenPlayer());
        focusOk();
    });
    connect(days_, &QComboBox::activated, this, [this, focusOk](int index) {
        score_.SetDayComboIndex(static_cast<qint16>(index + 1));
        ListScore(chosenPlayer());
        focusOk();
    });
    connect(finished_, &QCheckBox::clicked, this, [this] { ListScore(chosenPlayer()); });
    auto* choices = new QHBoxLayout;
    choices->addWidget(LabelFor(users_, tr("Player:")));
    choices->addWidget(users_);
    choices->addWidget(LabelFor(days_, tr("Games:")));
    choices->addWidget(days_);
    choices->addWidget(finished_);
    choices->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(choices);
    layout->addWidget(scores_);
    return page;
}

QWidget* frmScore::globalPage() {
    auto* page = new QWidget(this);
    global_ = list(page, "lvwGlobal",
        { tr("Player"), tr("Total"), tr("Won"), tr("Lost"), tr("Time"), tr("Points"), tr("Perc") });
    global_->setAccessibleName(tr("Global Statistics"));
    auto* exportButton = new QPushButton(tr("Export Score"), page);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    auto* clearGlobal = new QPushButton(tr("Clear Global"), page);
    clearGlobal->setObjectName(QStringLiteral("cmdGlobal"));
    connect(exportButton, &QPushButton::clicked, this, &frmScore::Export);
    connect(clearGlobal, &QPushButton::clicked, this, &frmScore::ClearGlobal);
    auto* labels = new QVBoxLayout;
    addLines(page, labels, Line::ExportFile, Line::Count);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(clearGlobal);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(labels, 1);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(global_);
    layout->addLayout(bottom);
    return page;
}

void frmScore::addLines(QWidget* parent, QBoxLayout* layout, Line first, Line end) {
    // Object names, for style sheets and Qt's inspection tools.
    static const char* const names[] = { "lblSessionStart", "lblSessionPlayed", "lblSessionWon",
        "lblSessionLost", "lblSessionPerc", "lblSessionTime", "lblPlayer", "lblMoves",
        "lblCardsLeft", "lblGameTime", "lblExportFile", "lblExportDate", "lblGlobalCleared",
        "lblGeneralCleared" };
    for (int i = static_cast<int>(first); i < static_cast<int>(end); ++i) {
        lines_[static_cast<std::size_t>(i)] = label(parent, names[i]);
        layout->addWidget(lines_[static_cast<std::size_t>(i)]);
    }
}

void frmScore::Create_All() {
    score_.LoadScores();
    const QString unread = score_.LoadError();
    unread_->setText(tr("The games of the score file cannot be shown. %1\n%2\nThe lists and "
                        "statistics below leave them out; only the players' totals count them.")
                         .arg(unread, save_.ScoreFile()));
    unread_->setAccessibleName(unread_->text());
    unread_->setVisible(!unread.isEmpty());
    users_->clear();
    for (const QString& name : playerList_.ComboNames())
        users_->addItem(Icons::Player(), name);
    users_->addItem(tr("All"));
    users_->setCurrentIndex(std::max(0, players_.CurrentComboIndex() - 1));
    days_->setCurrentIndex(score_.DayComboIndex() - 1);
    ListScore(chosenPlayer());
    fillStatistics();
    fillTopScores();
    fillGeneral();
    fillGlobal();
    if (charts_) charts_->Reset();
}

// The last entry is every player, whatever the language calls it; none then.
std::optional<QString> frmScore::chosenPlayer() const {
    if (users_->currentIndex() == users_->count() - 1) return std::nullopt;
    return users_->currentText();
}

void frmScore::ListScore(const std::optional<QString>& player) {
    const auto& records = score_.Records();
    model_->Show(&records,
        ScoreBoard::ListScore(
            records, player, score_.DayComboIndex(), finished_->isChecked(), time_.Now().date()),
        !player);
    ScoreListModel::FitColumns(*scores_);
}

void frmScore::fillGeneral() {
    general_->clear();
    for (const auto& [type, value] : ScoreBoard::General(score_.Records()))
        new QTreeWidgetItem(general_, { type, value });
    // Its words whole at any font: the page turns its row into a column rather than cut them.
    const QAbstractItemView* view = general_; // its need per column, widest row
    general_->setMinimumWidth(view->sizeHintForColumn(0) + view->sizeHintForColumn(1)
        + 2 * general_->frameWidth() + general_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const QStringList session
        = ScoreBoard::Session(score_.Records(), save_.SessionStart(time_.Now()));
    for (int i = 0; i < 5; ++i)
        Label(static_cast<Line>(static_cast<int>(Line::SessionStart) + i))->setText(session[i]);
    const QStringList players = playerList_.ComboNames();
    const int current = players_.CurrentComboIndex();
    Label(Line::Player)->setText(tr("Player : ") + players.value(current - 1));
    Label(Line::Moves)->setText(tr("Moves : %1").arg(trans_.MoveID()));
    Label(Line::CardsLeft)->setText(tr("Cards Left : %1").arg(time_.GetCardLeft()));
}

std::vector<int> frmScore::StatisticsWidths(int columns, int width, double twipsPerUnit) {
    if (columns <= 1) return { width };
    const double extra = 500 / twipsPerUnit;
    const double w = std::round(double(width) / (columns + 1));
    std::vector<int> widths(static_cast<std::size_t>(columns), qRound(w - extra / (columns - 1)));
    widths[0] = qRound(2 * w + extra);
    // Rounding's remainder to the last column: the list fills its width, no scroll bar.
    widths.back() = width - std::accumulate(widths.begin(), widths.end() - 1, 0);
    return widths;
}

void frmScore::fitStatistics() {
    const int n = statistics_->columnCount();
    const std::vector<int> widths
        = StatisticsWidths(n, statistics_->viewport()->width(), kTwipsPerPixel);
    for (int c = 0; c < n; ++c)
        statistics_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

// The list is laid out when its page is shown or the window resized: its columns follow.
bool frmScore::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statistics_->viewport() && event->type() == QEvent::Resize) fitStatistics();
    return QDialog::eventFilter(watched, event);
}

void frmScore::fillStatistics() {
    stats_ = ScoreBoard::Statistics(score_.Records(), players_);
    QStringList headers { tr("Statistics") };
    std::vector<QStringList> columns;
    for (qint16 i = 1; i <= 5; ++i) {
        const ScoreStats& e = stats_[static_cast<std::size_t>(i)];
        if (e.Name.isEmpty()) continue;
        headers << e.Name;
        columns.push_back(ScoreBoard::StatisticsColumn(e, players_.GetDate(i), time_.Now()));
    }
    statistics_->clear();
    statistics_->setColumnCount(static_cast<int>(headers.size()));
    statistics_->setHeaderLabels(headers);
    const QStringList rows = ScoreBoard::StatisticsRows();
    for (int r = 0; r < rows.size(); ++r) {
        auto* item = new QTreeWidgetItem(statistics_, { rows[r] });
        for (std::size_t c = 0; c < columns.size(); ++c)
            item->setText(static_cast<int>(c) + 1, columns[c][r]);
        if (r == rows.size() - 1) bold(item);
    }
}

void frmScore::fillTopScores() {
    top_->clear();
    const auto top = ScoreBoard::TopScores(score_.Records());
    for (std::size_t p = 1; p <= 11; ++p) {
        const ScoreRec& r = top[p];
        if (r.Score <= 0 || !players_.PlayerExists(r.Name)) continue;
        auto* item = new QTreeWidgetItem(top_,
            { r.Name, r.Date.Text(), QString::number(r.GameNo), QString::number(r.Moves),
                cScore::ConvertTimeS(r.Time), QString::number(r.Score) });
        item->setIcon(0, Icons::Player());
    }
    if (top_->topLevelItemCount() > 0) {
        QTreeWidgetItem* best = top_->topLevelItem(0);
        best->setIcon(0, Icons::Of(Icons::Glyph::AddFavourite)); // the best player's star
        bold(best);
    }
}

void frmScore::fillGlobal() {
    global_->clear();
    const auto rows = ScoreBoard::Global(players_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* item = new QTreeWidgetItem(global_, rows[i]);
        item->setIcon(
            0, i + 1 == rows.size() ? Icons::Of(Icons::Glyph::ScoreBoard) : Icons::Player());
        if (i + 1 == rows.size()) bold(item);
    }
    // What is kept is "None" in every language; what is shown is the player's.
    auto shown = [](const QString& kept) { return cSave::IsNone(kept) ? tr("None") : kept; };
    Label(Line::ExportFile)
        ->setText(
            tr("Last Exported File : ") + cSave::SizeCheck(shown(save_.LastExportedFile()), 30));
    Label(Line::ExportDate)->setText(tr("Last Exported Date : ") + shown(save_.LastExportedDate()));
    Label(Line::GlobalCleared)
        ->setText(tr("Last Global Cleared : ") + shown(save_.GlobalClearedDate()));
    Label(Line::GeneralCleared)
        ->setText(tr("Last General Cleared : ") + shown(save_.GeneralClearedDate()));
}

void frmScore::tick() {
    const bool active = state_.gGameActive;
    Label(Line::GameTime)
        ->setText(tr("Time Elapsed : ") + cScore::ConvertTimeS(active ? time_.GetGameTime() : 0));
    Label(Line::SessionTime)
        ->setText(tr("Time Elapsed : ") + cScore::ConvertTimeS(time_.GetSessionTime()));
}

void frmScore::Export() {
    if (score_.Export(stats_, players_.CurrentName())) Create_All();
}

void frmScore::Clear() {
    if (!prompter_.Question(tr("Are you sure you want to clear Score Board ? ").toStdString(),
            kAppTitle, MessageIcon::Stop))
        return;
    score_.Clear_General();
    Create_All();
}

void frmScore::ClearGlobal() {
    if (!prompter_.Question(
            tr("Are you sure you want to delete Global and General scores ? ").toStdString(),
            kAppTitle, MessageIcon::Stop))
        return;
    score_.Clear_General();
    score_.Clear_Global();
    Create_All();
}

} // namespace quadrell
