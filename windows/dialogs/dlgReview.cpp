#include "dlgReview.h"

#include "DialogParts.h"
#include "MoveAnnouncer.h"
#include "ReviewChart.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QThreadPool>
#include <QVBoxLayout>

namespace quadrell {

namespace {

using Verdict = Solver::Verdict;

QString verdictText(const GameReview::Row& row, bool deal) {
    switch (row.verdict) {
    case Verdict::Won:
        if (row.lineMoves == 0) return dlgReview::tr("The game is won.");
        if (row.lineMoves == 1)
            return deal ? dlgReview::tr("Winnable, 1 move to win.")
                        : dlgReview::tr("Still winnable, 1 move to win.");
        return (deal ? dlgReview::tr("Winnable, %1 moves to win.")
                     : dlgReview::tr("Still winnable, %1 moves to win."))
            .arg(row.lineMoves);
    case Verdict::Lost:
        return dlgReview::tr("Cannot be won from here.");
    case Verdict::Unknown:
        break;
    }
    return dlgReview::tr("Not decided: the search gave up.");
}

} // namespace

dlgReview::dlgReview(std::shared_ptr<const GameReview> review, int current, const QString& closing,
    QWidget* owner, QThreadPool* pool)
    : QDialog(owner)
    , review_(std::move(review))
    , rows_(static_cast<std::size_t>(review_->Positions()))
    , list_(new QListWidget(this))
    , chart_(new ReviewChart(this))
    , table_(new QTableWidget(review_->Positions(), 3, this))
    , progress_(new QProgressBar(this))
    , status_(new QLabel(this))
    , cancel_(NamedButton(this, "CancelButton", tr("Cancel"))) {
    setWindowTitle(tr("Review Game"));
    auto* about = new QLabel(tr("A row for each of your moves: could the game still be won after "
                                "it, and how many moves the solver's line from there takes. ")
            + closing,
        this);
    about->setWordWrap(true);
    list_->setObjectName(QStringLiteral("lstReview"));
    status_->setObjectName(QStringLiteral("lblReviewStatus"));
    list_->setAccessibleName(tr("Moves"));
    list_->setWordWrap(true); // a long move is read whole, not cut at the edge
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < review_->Positions(); ++i)
        list_->addItem(RowText(*review_, rows_, i, -1, false));
    table_->setObjectName(QStringLiteral("tblReview"));
    table_->setAccessibleName(tr("Moves to win, as a table"));
    table_->setHorizontalHeaderLabels({ tr("Move"), tr("Moves to win"), tr("Mark") });
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    for (int i = 0; i < review_->Positions(); ++i) {
        table_->setItem(i, 0, new QTableWidgetItem(i == 0 ? tr("Deal") : QString::number(i)));
        table_->setItem(i, 1, new QTableWidgetItem);
        table_->setItem(i, 2, new QTableWidgetItem);
    }
    auto* tabs = new QTabWidget(this);
    tabs->addTab(chart_, tr("C&hart"));
    tabs->addTab(table_, tr("&Table"));
    PagesByKeys(tabs);
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (table_->isVisible()) table_->selectRow(list_->currentRow());
    });
    progress_->setRange(0, review_->Positions());
    progress_->setAccessibleName(tr("Positions solved"));
    auto* close = NamedButton(this, "CloseButton", tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &dlgReview::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(list_, 3);
    layout->addWidget(tabs, 2);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addLayout(ButtonRow({ cancel_, close }));
    resize(430, 620);

    const int shown = std::clamp(current, 0, review_->Positions() - 1);
    list_->setCurrentRow(shown);
    chart_->SetChosen(shown);
    // Chosen by the keys, a click or the chart; the board follows.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        chart_->SetChosen(row);
        // The table follows only where it is seen: a selection moved in a hidden table is
        // still told, and a screen reader would read the table instead of the row.
        if (table_->isVisible()) table_->selectRow(row);
        emit Chosen(row);
    });
    connect(table_, &QTableWidget::currentCellChanged, this,
        [this](int row) { list_->setCurrentRow(row); });
    connect(chart_, &ReviewChart::Clicked, this, [this](int row) { list_->setCurrentRow(row); });
    list_->setFocus();
    start(pool ? *pool : *QThreadPool::globalInstance());
}

dlgReview::~dlgReview() { Cancel(); }

QString dlgReview::RowText(
    const GameReview& review, const Rows& rows, int position, int lostAt, bool stopped) {
    QString lead = dlgReview::tr("Deal");
    if (position > 0) {
        MoveAnnouncer moved;
        for (const GameReview::Step& step : review.MoveTo(position))
            moved.Moved(step.card, step.to);
        lead = dlgReview::tr("Move %1: %2").arg(position).arg(moved.Take());
    }
    const auto& row = rows[static_cast<std::size_t>(position)];
    if (!row)
        return lead + QStringLiteral(". ")
            + (stopped ? dlgReview::tr("Not solved: the review was stopped.")
                       : dlgReview::tr("Not solved yet."));
    QString text = lead + QStringLiteral(". ") + verdictText(*row, position == 0);
    if (position == lostAt) text += QLatin1Char(' ') + dlgReview::tr("This move lost the game.");
    const auto& before = position > 0 ? rows[static_cast<std::size_t>(position - 1)] : std::nullopt;
    if (before && GameReview::Costly(*before, *row))
        text += QLatin1Char(' ')
            + dlgReview::tr("A costly move: %1 more moves to win.")
                  .arg(GameReview::Cost(*before, *row));
    return text;
}

void dlgReview::start(QThreadPool& pool) {
    stop_ = std::make_shared<std::atomic<bool>>(false);
    watcher_ = new QFutureWatcher<GameReview::Row>(this);
    // Results that pile up while the window is busy come as one batch: one pass over the
    // marks and the chart for all of them, so a long game's review keeps up with the keys.
    connect(watcher_, &QFutureWatcherBase::resultsReadyAt, this, &dlgReview::solved);
    connect(watcher_, &QFutureWatcherBase::finished, this, &dlgReview::ended);
    auto promise = std::make_shared<QPromise<GameReview::Row>>();
    watcher_->setFuture(promise->future());
    promise->start();
    // The work holds its own review and flag, so it may end after the dialog is gone.
    pool.start([promise, review = review_, stop = stop_] {
        for (int i = 0; i < review->Positions() && !stop->load(); ++i) {
            const GameReview::Row row = review->Solve(i, stop.get());
            if (stop->load()) break; // an answer cut short is no answer
            promise->addResult(row, i);
        }
        promise->finish();
    });
    status_->setText(tr("Solving the positions..."));
}

void dlgReview::solved(int begin, int end) {
    for (int i = begin; i < end; ++i)
        rows_[static_cast<std::size_t>(i)] = watcher_->resultAt(i);
    progress_->setValue(end);
    refreshMarks();
    // In order: the next row, whose cost the last of these decides, is still to come.
    for (int i = begin; i < end; ++i)
        refresh(i);
}

void dlgReview::refreshMarks() {
    std::vector<std::optional<int>> points;
    std::vector<GameReview::Row> known;
    bool gap = false;
    for (const auto& r : rows_) {
        points.push_back(
            r && r->verdict == Verdict::Won ? std::optional<int>(r->lineMoves) : std::nullopt);
        if (!r) gap = true;
        if (!gap) known.push_back(*r);
    }
    const int lost = GameReview::LostAt(known);
    if (lost != lostAt_) {
        const int was = lostAt_;
        lostAt_ = lost;
        if (was >= 0) refresh(was);
        if (lost >= 0) refresh(lost);
    }
    chart_->SetPoints(std::move(points), lostAt_);
}

void dlgReview::refresh(int position) {
    list_->item(position)->setText(RowText(*review_, rows_, position, lostAt_, stopped_));
    const auto& row = rows_[static_cast<std::size_t>(position)];
    QString moves = tr("not solved");
    if (row)
        moves = row->verdict == Verdict::Won ? QString::number(row->lineMoves)
            : row->verdict == Verdict::Lost  ? tr("lost")
                                             : tr("not decided");
    table_->item(position, 1)->setText(moves);
    QString mark;
    if (position == lostAt_) mark = tr("lost the game");
    const auto& before
        = position > 0 ? rows_[static_cast<std::size_t>(position - 1)] : std::nullopt;
    if (row && before && GameReview::Costly(*before, *row)) mark = tr("costly");
    table_->item(position, 2)->setText(mark);
}

void dlgReview::Cancel() {
    if (!watcher_) return;
    stop_->store(true);
    watcher_->disconnect(this);
    watcher_->deleteLater();
    watcher_ = nullptr;
    stopped_ = true;
    for (int i = 0; i < review_->Positions(); ++i)
        if (!rows_[static_cast<std::size_t>(i)]) refresh(i);
    ended();
}

void dlgReview::ended() {
    if (watcher_) {
        watcher_->deleteLater();
        watcher_ = nullptr;
    }
    cancel_->setEnabled(false);
    int solved = 0;
    for (const auto& r : rows_)
        solved += r ? 1 : 0;
    status_->setText(stopped_
            ? tr("Stopped: %1 of %2 positions solved.").arg(solved).arg(review_->Positions())
            : tr("All %1 positions solved.").arg(review_->Positions()));
}

} // namespace quadrell
