#pragma once

#include "GameReview.h"

#include <QDialog>
#include <QFutureWatcher>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThreadPool;

namespace quadrell {

class ReviewChart;

// "Review Game": a row for the deal and for each of the player's moves, saying what moved
// where, whether the game could still be won after it and how long the solver's line from
// there is, with the move that lost the game and the costly moves marked; a chart of the
// moves to win, also as a table. The rows are solved off the window's thread, in order;
// Cancel stops at once and keeps the rows solved. Choosing a row is told, not acted on.
class dlgReview final : public QDialog {
    Q_OBJECT
public:
    using Rows = std::vector<std::optional<GameReview::Row>>;

    // `current` is the position the board shows; `closing` says where closing leaves it. The
    // rows are solved on `pool`, the program's own unless one is given.
    dlgReview(std::shared_ptr<const GameReview> review, int current, const QString& closing,
        QWidget* owner, QThreadPool* pool = nullptr);
    ~dlgReview() override;

    // What a row says, as the list shows it and a screen reader reads it; `lostAt` is the
    // position after the move that lost the game, -1 for none.
    static QString RowText(
        const GameReview& review, const Rows& rows, int position, int lostAt, bool stopped);

    const Rows& Solved() const { return rows_; }
    int Entries(int position) const { return review_->EntriesAt(position); }
    bool Solving() const { return watcher_ != nullptr; }
    void Cancel();
    QListWidget* List() const { return list_; }
    QTableWidget* Table() const { return table_; }
    ReviewChart* Chart() const { return chart_; }

signals:
    void Chosen(int position);

private:
    void start(QThreadPool& pool);
    void solved(int begin, int end);
    void ended();
    void refresh(int position);
    void refreshMarks();

    std::shared_ptr<const GameReview> review_;
    Rows rows_;
    int lostAt_ = -1;
    bool stopped_ = false;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFutureWatcher<GameReview::Row>* watcher_ = nullptr;
    QListWidget* list_;
    ReviewChart* chart_;
    QTableWidget* table_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* cancel_;
};

} // namespace quadrell
