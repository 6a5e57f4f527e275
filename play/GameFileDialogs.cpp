#include "GameFileDialogs.h"

#include "Session.h"

#include <QFileInfo>

namespace quadrell {

QString GameFileDialogs::OpenFilter() {
    return QStringLiteral(
        "Quadrell 2000 InComplete Game (*.qrl);;Quadrell 2000 Finished Game (*.q2k)");
}

QString GameFileDialogs::SaveFilter(const QString& ext) {
    return ext == QLatin1String(".qrl") ? QStringLiteral("Quadrell 2000 InComplete Game (*.qrl)")
                                        : QStringLiteral("Quadrell 2000 Finished Game (*.q2k)");
}

bool GameFileDialogs::File_Open() {
    const QString path = QString::fromStdString(session_.engine.prompter().OpenFileName(
        session_.save.GetLastDir().toStdString(), OpenFilter().toStdString()));
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    session_.save.SaveLastDir(QFileInfo(path).absolutePath());
    // Checked before anything on the board changes; only a file that opened joins the
    // recent lists.
    if (!session_.trans.OpenFromFile(path)) return false;
    session_.recent.AddtoRecent(path);
    session_.trans.Replay(1);
    return true;
}

void GameFileDialogs::File_Save(const QString& ext) {
    const QString proposed = QString::number(session_.engine.state().gGameNumber) + ext;
    QString path = QString::fromStdString(
        session_.engine.prompter().SaveFileName(session_.save.GetLastDir().toStdString(),
            proposed.toStdString(), SaveFilter(ext).toStdString()));
    if (path.isEmpty()) return;
    if (!path.endsWith(ext, Qt::CaseInsensitive) && QFileInfo(path).suffix().isEmpty()) path += ext;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) return;
    if (!session_.trans.SaveToFile(path)) return;
    session_.recent.AddtoRecent(path);
    session_.save.SaveLastDir(folder);
}

} // namespace quadrell
