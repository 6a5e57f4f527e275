#pragma once

#include <QString>

namespace quadrell {

class Session;

// Opening and saving games through the file dialogs, remembering the folder last used
// and offering every path to the recent lists.
class GameFileDialogs {
public:
    explicit GameFileDialogs(Session& session) : session_(session) { }

    // The open dialog with both kinds of game file; true when a game was opened.
    bool File_Open();
    // The save dialog for one kind (".qrl" or ".q2k"), proposing the game number as name.
    void File_Save(const QString& ext);

    static QString OpenFilter();
    static QString SaveFilter(const QString& ext);

private:
    Session& session_;
};

} // namespace quadrell
