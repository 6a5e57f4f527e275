#include "GameFileDialogs.h"

#include "GameState.h"
#include "Prompter.h"
#include "cMenu.h"
#include "cRecent.h"
#include "cSave.h"
#include "cTrans.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quadrell {

QString GameFileDialogs::OpenFilter() {
    return SaveFilter(QStringLiteral(".qrl")) + QStringLiteral(";;")
        + SaveFilter(QStringLiteral(".q2k"));
}

QString GameFileDialogs::SaveFilter(const QString& ext) {
    return ext == QLatin1String(".qrl")
        ? GameFileDialogs::tr("Quadrell 2000 InComplete Game (*.qrl)")
        : GameFileDialogs::tr("Quadrell 2000 Finished Game (*.q2k)");
}

bool GameFileDialogs::File_Open() {
    const QString path = QString::fromStdString(
        prompter_.OpenFileName(save_.GetLastDir().toStdString(), OpenFilter().toStdString()));
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    save_.SaveLastDir(QFileInfo(path).absolutePath());
    // Checked before anything on the board changes; only a file that opened joins the
    // recent lists.
    if (!menu_.OpenFromFile(path)) return false;
    recent_.AddtoRecent(path);
    trans_.Replay(1);
    return true;
}

void GameFileDialogs::File_Save(const QString& ext) {
    const QString proposed = QString::number(state_.gGameNumber) + ext;
    QString path = QString::fromStdString(prompter_.SaveFileName(
        save_.GetLastDir().toStdString(), proposed.toStdString(), SaveFilter(ext).toStdString()));
    if (path.isEmpty()) return;
    // "my.game" is a name with a dot, not a game file of another kind.
    if (!path.endsWith(ext, Qt::CaseInsensitive)) path += ext;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) return;
    if (!trans_.SaveToFile(path)) return;
    recent_.AddtoRecent(path);
    save_.SaveLastDir(folder);
}

} // namespace quadrell
