#pragma once

#include "AutoSaves.h"

#include <QDialog>
#include <QTimer>

class QGroupBox;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTreeView;

namespace quadrell {

class Prompter;
class cSave;

// "AutoSave": the games saved by themselves in the two autosave folders, and deleting them.
class frmAutoSave final : public QDialog {
    Q_OBJECT
public:
    frmAutoSave(cSave& save, Prompter& prompter, QWidget* owner);

    QTabWidget* Tabs() const { return tabs_; }
    QTreeView* List(int tab) const { return lists_[tab]; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* DeleteAllButton() const { return deleteAll_; }
    void FillList(int tab);
    // Timer1: the buttons follow the list on the selected tab.
    void UpdateButtons();
    void Delete();
    void DeleteAll();

private:
    AutoSaves autoSaves_;
    QTabWidget* tabs_;
    QGroupBox* frames_[2] {};
    QTreeView* lists_[2] {};
    QStandardItemModel* models_[2] {};
    QPushButton* delete_;
    QPushButton* deleteAll_;
    QTimer timer_;
};

} // namespace quadrell
