#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;

namespace quadrell {

class frmMain;
class Session;

// "Customize Quadrell 2000": the toolbar buttons, menus and status panels shown, applied
// at once; OK keeps the choice, Cancel goes back to the stored one.
class frmCustomize final : public QDialog {
    Q_OBJECT
public:
    frmCustomize(Session& session, frmMain& main);
    QListWidget* Toolbar() const { return toolbar_; }
    QListWidget* Menus() const { return menus_; }
    QListWidget* Panels() const { return panels_; }
    void Apply();
    void SaveAll();
    void Cancel();

private:
    QListWidget* list(const char* name, const QString& title);

    Session& session_;
    frmMain& main_;
    QListWidget* toolbar_;
    QListWidget* menus_;
    QListWidget* panels_;
};

} // namespace quadrell
