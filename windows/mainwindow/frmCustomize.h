#pragma once

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace quadrell {

class CustomLayout;
class cCustom;

// "Customize Quadrell 2000": the toolbar buttons, menus and status panels shown, applied
// at once; OK keeps the choice, Cancel goes back to the stored one.
class frmCustomize final : public QDialog {
    Q_OBJECT
public:
    frmCustomize(cCustom& custom, CustomLayout& layout, QWidget* owner);
    QTreeWidget* Toolbar() const { return toolbar_; }
    QTreeWidget* Menus() const { return menus_; }
    QTreeWidget* Panels() const { return panels_; }
    void Apply();
    void SaveAll();
    // Cancel, Escape and the close box: back to the stored choices.
    void Cancel() { reject(); }
    void reject() override;

private:
    QTreeWidget* list(const char* name, const QString& title);

    cCustom& custom_;
    CustomLayout& layout_;
    QTreeWidget* toolbar_;
    QTreeWidget* menus_;
    QTreeWidget* panels_;
};

} // namespace quadrell
