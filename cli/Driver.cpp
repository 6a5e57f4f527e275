#include "Driver.h"

#include "Deal.h"
#include "Difficulty.h"
#include "GameFile.h"
#include "GameReview.h"
#include "LossFinder.h"
#include "Solver.h"
#include "Stacking.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>

namespace quadrell {

namespace {

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The solver's verdict as every command prints it.
const char* verdictName(Solver::Verdict verdict) {
    static const char* const names[] = { "won", "lost", "unknown" };
    return names[static_cast<int>(verdict)];
}

} // namespace

Driver::Driver(const AppPaths& paths, std::ostream& out)
    : out_(out)
    , prompter_(out)
    , session_(paths, view_, prompter_, window_, replay_) {
    prompter_.inputOk = false; // nobody is there to type: an input box is cancelled
    session_.win.SetHandler([this] { out_ << "won\n"; });
    // As the window starts: a record a kill cut short is finished first, a first run sets up
    // the player and the folders.
    session_.lifecycle.Start();
    registerCommands();
}

std::optional<std::int32_t> Driver::ParseInt(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

std::string Driver::CardName(Card card) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "HCDS";
    if (card < 0 || card >= kCardCount) return "--";
    return { ranks[static_cast<std::size_t>(rankOf(card) - 1)],
        suits[static_cast<std::size_t>(suitOf(card) - 1)] };
}

std::string Driver::DealText(std::int32_t gameNumber) {
    Deck deck {};
    DealGame(gameNumber, deck);
    std::string text;
    for (int column = 0; column < kColumns; ++column) {
        text += "column " + std::to_string(column + 1) + ":";
        for (int i = column; i < kCardCount; i += kColumns) {
            text += ' ';
            text += CardName(deck[static_cast<std::size_t>(i)]);
        }
        text += "\n";
    }
    return text;
}

void Driver::error(const std::string& reason) { out_ << "error: " << reason << '\n'; }

void Driver::addBoardCommand(const std::string& name, Handler handler) {
    commands_[name] = [this, handler = std::move(handler)](const std::string& args) {
        if (!session_.state().gGameActive) return error("no game on the board");
        handler(args);
    };
}

void Driver::registerCommands() {
    auto noArgs = [this](std::function<void()> action) {
        return [this, action = std::move(action)](const std::string& args) {
            if (!args.empty()) return error("unexpected argument: " + args);
            action();
        };
    };
    commands_["new"] = [this](const std::string& a) { newGame(a); };
    commands_["deal"] = [this](const std::string& a) {
        const auto n = ParseInt(a);
        if (!n) return error("malformed number: " + a);
        out_ << DealText(*n);
    };
    commands_["rate"] = [this](const std::string& a) {
        const auto n = ParseInt(a);
        if (!n) return error("malformed number: " + a);
        const Difficulty::Rating r = *Difficulty::RateDeal(*n); // never stopped here
        out_ << "rating: " << *n << ' ' << Difficulty::Name(r.level) << ' ' << r.nodes << '\n';
    };
    commands_["newof"] = [this](const std::string& a) { newOfDifficulty(a); };
    commands_["dialog"] = [this](const std::string& a) { dialog(a); };
    commands_["open"] = [this](const std::string& a) { open(a); };
    commands_["state"] = noArgs([this] { printState(); });
    commands_["history"] = noArgs([this] { printHistory(); });
    commands_["players"] = noArgs([this] { printPlayers(); });
    // The games the score board would show: those of players there now, after each was made.
    commands_["records"] = noArgs([this] {
        session_.score.LoadScores();
        out_ << "records: " << session_.score.Records().size() << '\n';
    });
    addBoardCommand("click", [this](const std::string& a) { click(a); });
    addBoardCommand("dblclick", [this](const std::string& a) { doubleClick(a); });
    addBoardCommand("cell", [this](const std::string& a) { cell(a); });
    addBoardCommand("surface", [this](const std::string& a) { surface(a); });
    addBoardCommand("undo", noArgs([this] { session_.menu.Undo(); }));
    addBoardCommand("redo", noArgs([this] { session_.menu.Redo(); }));
    addBoardCommand("undoall", noArgs([this] { session_.menu.UndoAll(); }));
    addBoardCommand("redoall", noArgs([this] { session_.menu.RedoAll(); }));
    addBoardCommand("snapshot", noArgs([this] { snapshot(); }));
    addBoardCommand("tosnapshot", noArgs([this] { toSnapshot(); }));
    addBoardCommand("source", noArgs([this] { printSource(); }));
    addBoardCommand("solve", noArgs([this] { solve(false); }));
    addBoardCommand("hint", noArgs([this] { solve(true); }));
    addBoardCommand("play", [this](const std::string& a) { play(a); });
    addBoardCommand("finish", noArgs([this] {
        AutoPlayer& player = session_.engine.autoPlayer();
        const bool can = player.CanFinish();
        player.Finish();
        out_ << "finish: " << (can ? "done" : "not possible") << '\n';
    }));
    addBoardCommand("review", noArgs([this] { review(); }));
    addBoardCommand("lostat", noArgs([this] {
        const LossFinder::Finding f
            = LossFinder::Find(DealtBoard(session_.state().gGameNumber), session_.trans.Played());
        out_ << "lost-at: ";
        if (f.kind == LossFinder::Kind::At) out_ << f.entries << '\n';
        if (f.kind == LossFinder::Kind::Never) out_ << "never\n";
        if (f.kind == LossFinder::Kind::FromTheDeal) out_ << "from-the-deal\n";
    }));
    // "Close Game", and "Show Solution" answered Yes: the game given up and its way out
    // played to the end while it is watched.
    addBoardCommand("close", noArgs([this] { session_.menu.CloseGame(); }));
    addBoardCommand("solution", noArgs([this] { showSolution(); }));
    addBoardCommand("save", [this](const std::string& a) {
        if (a.empty()) return error("save needs a path");
        session_.trans.SaveToFile(QString::fromStdString(a));
    });
}

int Driver::Run(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        RunLine(line);
        out_.flush();
    }
    return 0;
}

void Driver::RunLine(const std::string& raw) {
    const std::string line = trim(raw);
    if (line.empty() || line.front() == '#') return;
    const auto space = line.find(' ');
    const std::string name = line.substr(0, space);
    const std::string args
        = space == std::string::npos ? std::string() : trim(line.substr(space + 1));
    const auto command = commands_.find(name);
    if (command == commands_.end()) return error("unknown command: " + name);
    command->second(args);
    answerWin();
}

void Driver::answerWin() {
    if (!session_.win.Pending()) return;
    session_.finishing.Cancel(); // the finished-game dialog's "Cancel"
}

void Driver::giveUp() {
    const GameState& s = session_.state();
    if (s.gGameActive && !s.gFinishedView) session_.menu.GameLost();
}

void Driver::newGame(const std::string& args) {
    const auto n = ParseInt(args);
    if (!n) return error("malformed number: " + args);
    // Any number a deal takes, 0 and the random limit included, as a random New Game
    // or an opened file may give it.
    giveUp();
    session_.menu.NewGame(*n, false);
    session_.menu.Game_Started(false);
}

// Prints the class of the number dealt, rated again, so the line is the same on every run
// whatever number was drawn.
void Driver::newOfDifficulty(const std::string& args) {
    for (int code = 1; const auto level = DifficultyDraw::Asked(code); ++code) {
        if (args != Difficulty::Name(*level)) continue;
        giveUp();
        if (!session_.menu.NewGameOfDifficulty(*level)) return;
        const auto dealt = Difficulty::RateDeal(session_.state().gGameNumber)->level;
        out_ << "dealt: " << Difficulty::Name(dealt) << '\n';
        return;
    }
    error("no such difficulty: " + args);
}

std::optional<Loc> Driver::cardLocation(const std::string& args) {
    const auto loc = ParseInt(args);
    if (!loc) {
        error("malformed number: " + args);
        return std::nullopt;
    }
    if (*loc < 0 || *loc >= kBoardSize
        || session_.state().gBoard.GetCardIndex(static_cast<Loc>(*loc)) == kNoCard) {
        error("no card at " + args);
        return std::nullopt;
    }
    return static_cast<Loc>(*loc);
}

void Driver::press(Loc location) {
    session_.pointer.CardPressed(
        session_.state().gBoard.GetCardIndex(location), PointerInput::Button::Left);
}

void Driver::click(const std::string& args) {
    if (const auto loc = cardLocation(args)) press(*loc);
}

void Driver::doubleClick(const std::string& args) {
    const auto loc = cardLocation(args);
    if (!loc) return;
    const Card card = session_.state().gBoard.GetCardIndex(*loc);
    press(*loc);
    session_.pointer.CardDoubleClicked(card); // wherever the press has left it
}

void Driver::cell(const std::string& args) {
    const auto i = ParseInt(args);
    if (!i) return error("malformed number: " + args);
    if (*i < 0 || *i >= kCells) return error("no cell " + args);
    const auto location = static_cast<Loc>(kFirstCell + *i);
    if (session_.state().gBoard.GetCardIndex(location) != kNoCard)
        return error("cell " + args + " is occupied");
    session_.pointer.CellPictureClicked(*i);
}

void Driver::surface(const std::string& args) {
    std::istringstream in(args);
    std::string xs;
    std::string ys;
    std::string extra;
    in >> xs >> ys >> extra;
    const auto x = ParseInt(xs);
    const auto y = ParseInt(ys);
    if (!x || !y || !extra.empty()) return error("surface needs X and Y in twips");
    session_.pointer.SurfacePressed(*x, *y);
}

void Driver::dialog(const std::string& args) {
    if (args == "single") return void(prompter_.emptyColumn = EmptyColumnChoice::Single);
    if (args == "column") return void(prompter_.emptyColumn = EmptyColumnChoice::Column);
    if (args == "cancel") return void(prompter_.emptyColumn = EmptyColumnChoice::Cancel);
    error("dialog takes single, column or cancel");
}

void Driver::snapshot() {
    if (session_.state().gFinishedView) return error("a finished game is being watched");
    session_.menu.SnapshotPosition();
}

void Driver::toSnapshot() {
    if (!session_.save.SnapShot()) return error("no snapshot taken");
    session_.menu.UndoToSnapshot();
}

void Driver::open(const std::string& path) {
    if (path.empty()) return error("open needs a path");
    const QString file = QString::fromStdString(path);
    const GameFileRead read = GameFile::Read(file);
    if (!read.game) return session_.menu.ReportUnusable(file, read);
    giveUp();
    session_.menu.Restore(file, *read.game);
    while (replay_.ForwardRunning())
        session_.trans.ReplayTick(true);
}

void Driver::printPlayers() {
    const cPlayer& players = session_.players;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot)
        if (!players.GetName(slot).isEmpty())
            out_ << "player: " << slot << ' ' << players.GetName(slot).toStdString() << ' '
                 << players.GetTotal(slot) << ' ' << players.GetWon(slot) << ' '
                 << players.GetLost(slot) << '\n';
}

void Driver::printSource() {
    const std::string text = session_.trans.CreateSource().toStdString();
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        out_ << "source: " << text.substr(start, end - start) << '\n';
        if (end == std::string::npos) break;
        start = end + 2;
    }
}

void Driver::review() {
    const GameReview review(DealtBoard(session_.state().gGameNumber), session_.trans.Played());
    for (int position = 0; position < review.Positions(); ++position) {
        const GameReview::Row row = review.Solve(position);
        out_ << "review: " << row.entries << ' ' << verdictName(row.verdict) << ' ';
        if (row.lineMoves < 0) {
            out_ << "-\n";
        } else {
            out_ << row.lineMoves << '\n';
        }
    }
    out_ << "reviewed: " << review.Positions() << '\n';
}

void Driver::solve(bool hintOnly) {
    // A node budget, not a clock: the driver's answers are the same on any machine.
    const Solver::Result r
        = Solver::Solve(session_.state().gBoard, Solver::Limits::Nodes(Solver::kDealBudget));
    const char* verdict = verdictName(r.verdict);
    auto name = [](const SolverMove& m) {
        return (cTrans::GetLocationName(m.source) + cTrans::GetLocationName(m.target))
            .toStdString();
    };
    if (hintOnly) {
        out_ << "hint: "
             << (r.verdict == Solver::Verdict::Won && !r.line.empty() ? name(r.line.front())
                                                                      : verdict)
             << '\n';
        return;
    }
    out_ << "verdict: " << verdict << '\n';
    if (r.verdict == Solver::Verdict::Won) {
        out_ << "line:";
        for (const SolverMove& m : r.line)
            out_ << ' ' << name(m);
        out_ << '\n';
    }
    out_ << "nodes: " << r.nodes << '\n';
}

void Driver::showSolution() {
    if (session_.state().gFinishedView) return error("a finished game is being watched");
    const Solver::Result r
        = Solver::Solve(session_.state().gBoard, Solver::Limits::Nodes(Solver::kDealBudget));
    if (r.verdict != Solver::Verdict::Won) return error("no winning line to show");
    session_.menu.GiveUpAndWatch();
    for (const SolverMove& move : r.line)
        if (!Solver::Play(session_.engine, move)) return error("the line stopped");
}

void Driver::play(const std::string& args) {
    const auto n = ParseInt(args);
    if (!n || *n < 0) return error("malformed number: " + args);
    const Solver::Result r
        = Solver::Solve(session_.state().gBoard, Solver::Limits::Nodes(Solver::kDealBudget));
    if (r.verdict != Solver::Verdict::Won) return error("no winning line to play");
    const auto moves = std::min<std::size_t>(static_cast<std::size_t>(*n), r.line.size());
    for (std::size_t i = 0; i < moves && session_.state().gGameActive; ++i)
        if (!Solver::Play(session_.engine, r.line[i])) return error("the line stopped");
}

void Driver::printState() {
    const GameState& s = session_.state();
    const cTrans& t = session_.trans;
    out_ << "cards:";
    for (Card c = 0; c < kCardCount; ++c)
        out_ << ' ' << s.gBoard.GetLocation(c);
    out_ << "\nhistory: " << t.TransCount() << ' ' << t.GetTransID() << ' ' << t.MoveCounter()
         << '\n';
    out_ << "moves: " << s.gBoard.GetPossibleMoves() << '\n';
    out_ << "active: " << (s.gGameActive ? 1 : 0) << ' ' << (s.gFinishedView ? 1 : 0) << '\n';
    out_ << "selected: " << s.gSelected << '\n';
}

void Driver::printHistory() {
    const cTrans& t = session_.trans;
    for (int i = 1; i <= t.TransCount(); ++i) {
        const TransRecord& e = t.Entry(i);
        out_ << "entry: " << i << ' ' << e.SrcLoc << ' ' << e.Destloc << ' ' << e.mode << ' '
             << e.MoveNo << '\n';
    }
}

} // namespace quadrell
