#pragma once

#include "GameLists.h"

#include <QCoreApplication>
#include <QStringList>
#include <vector>

namespace quadrell {

class Prompter;
class cSave;

// The games saved by themselves: what each of the two autosave folders holds, and deleting
// them after the player agreed.
class AutoSaves {
    Q_DECLARE_TR_FUNCTIONS(AutoSaves)

public:
    enum class Folder { Incomplete, Finished };

    AutoSaves(const cSave& save, Prompter& prompter) : save_(save), prompter_(prompter) { }

    QString Path(Folder folder) const;
    std::vector<GameListItem> Games(Folder folder) const;
    // Asks first (about the chosen files, or about the whole folder); files that could not be
    // removed are named. False when the player said No or nothing was chosen.
    bool Delete(const QStringList& paths, bool wholeFolder);

private:
    const cSave& save_;
    Prompter& prompter_;
};

} // namespace quadrell
