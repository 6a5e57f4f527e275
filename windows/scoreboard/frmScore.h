#pragma once

#include "ScoreRec.h"

#include <QDialog>
#include <QTimer>
#include <array>

class QCheckBox;
class QComboBox;
class QBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeView;
class QTreeWidget;

namespace quadrell {

class ScoreListModel;
class ChartsPage;
class Prompter;
class cPlayer;
class cSave;
class cScore;
class cTime;
class cTrans;
class cUser;
struct GameState;

// "QuadRell 2000 Score Board": the games of this session and of all time, the recorded
// games, per-player statistics, the top scores and the totals, with export and clearing.
class frmScore final : public QDialog {
    Q_OBJECT
public:
    // The score file and the players' totals, and the game in play for the "This Game"
    // lines.
    frmScore(cScore& score, cPlayer& players, const cUser& users, const cSave& save,
        const GameState& state, const cTrans& trans, cTime& time, Prompter& prompter,
        QWidget* owner);

    // Everything refreshed from the score file and the player totals.
    void Create_All();
    void ListScore(const std::optional<QString>& player);
    void Export();
    void Clear();
    void ClearGlobal();

    QTabWidget* Tabs() const { return tabs_; }
    // Shown only when the score file could not be read: says why the figures are empty.
    QLabel* Unread() const { return unread_; }
    QTreeWidget* General() const { return general_; }
    QComboBox* Users() const { return users_; }
    QComboBox* Days() const { return days_; }
    QCheckBox* OnlyFinished() const { return finished_; }
    QTreeView* Scores() const { return scores_; }
    QTreeWidget* Statistics() const { return statistics_; }
    QTreeWidget* TopScores() const { return top_; }
    QTreeWidget* Global() const { return global_; }
    // The board's lines of text, in the order they are laid out.
    enum class Line {
        SessionStart,
        SessionPlayed,
        SessionWon,
        SessionLost,
        SessionPerc,
        SessionTime,
        Player,
        Moves,
        CardsLeft,
        GameTime,
        ExportFile,
        ExportDate,
        GlobalCleared,
        GeneralCleared,
        Count
    };
    QLabel* Label(Line line) const { return lines_[static_cast<std::size_t>(line)]; }

    // The Statistics list's column widths for `columns` columns filling `width` (both in
    // the same unit): with w the width over columns + 1, the names' column 2w + 500 twips,
    // each player's w less its share of those 500.
    static std::vector<int> StatisticsWidths(int columns, int width, double twipsPerUnit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitStatistics();
    QWidget* generalPage();
    QWidget* scoreBoardPage();
    QWidget* globalPage();
    void fillGeneral();
    void fillStatistics();
    void fillTopScores();
    void fillGlobal();
    void tick();
    void addLines(QWidget* parent, QBoxLayout* layout, Line first, Line end);

    // The player whose games the list shows, or "All".
    std::optional<QString> chosenPlayer() const;

    cScore& score_;
    cPlayer& players_;
    const cUser& playerList_;
    const cSave& save_;
    const GameState& state_;
    const cTrans& trans_;
    cTime& time_;
    Prompter& prompter_;
    QTabWidget* tabs_;
    QLabel* unread_ = nullptr;
    ChartsPage* charts_ = nullptr;
    QTreeWidget* general_ = nullptr;
    QComboBox* users_ = nullptr;
    QComboBox* days_ = nullptr;
    QCheckBox* finished_ = nullptr;
    QTreeView* scores_ = nullptr;
    ScoreListModel* model_ = nullptr;
    QTreeWidget* statistics_ = nullptr;
    QTreeWidget* top_ = nullptr;
    QTreeWidget* global_ = nullptr;
    std::array<ScoreStats, 6> stats_ {};
    std::array<QLabel*, static_cast<std::size_t>(Line::Count)> lines_ {};
    QPushButton* ok_ = nullptr;
    QTimer timer_;
};

} // namespace quadrell
