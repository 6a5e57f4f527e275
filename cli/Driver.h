#pragma once

#include "GameWindow.h"
#include "ScriptedPrompter.h"
#include "Session.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

namespace quadrell {

// The headless driver: plays the game from commands, one per line, and writes what
// happens, one fact per line.
class Driver {
public:
    Driver(const AppPaths& paths, std::ostream& out);

    // Runs every line of the input; the exit code.
    int Run(std::istream& in);
    void RunLine(const std::string& line);

    Session& session() { return session_; }

    static std::optional<std::int32_t> ParseInt(const std::string& text);
    // The layout of a deal, one line per column.
    static std::string DealText(std::int32_t gameNumber);
    static std::string CardName(Card card);

private:
    using Handler = std::function<void(const std::string& args)>;
    void registerCommands();
    void addBoardCommand(const std::string& name, Handler handler);
    void error(const std::string& reason);
    // The location argument of a click: a code holding a card.
    std::optional<Loc> cardLocation(const std::string& args);

    void newGame(const std::string& args);
    void newOfDifficulty(const std::string& args);
    void click(const std::string& args);
    void doubleClick(const std::string& args);
    void cell(const std::string& args);
    void surface(const std::string& args);
    void dialog(const std::string& args);
    void snapshot();
    void toSnapshot();
    void open(const std::string& path);
    void printSource();
    // "player: SLOT NAME GAMES WON LOST", each player's totals.
    void printPlayers();
    // The solver's answer from the position on the board; the board is left as it is.
    void solve(bool hintOnly);
    void review();
    // The first `args` moves of the solver's winning line, through the click rules.
    void showSolution();
    void play(const std::string& args);
    void printState();
    void printHistory();
    void press(Loc location);
    void giveUp();
    void answerWin();

    std::ostream& out_;
    ScriptedPrompter prompter_;
    NullBoardView view_;
    HeadlessGameWindow window_;
    ManualReplayControl replay_;
    Session session_;
    std::map<std::string, Handler> commands_;
};

} // namespace quadrell
