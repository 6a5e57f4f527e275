#include "frmCustomize.h"

#include "CommandTable.h"
#include "CustomLayout.h"
#include "DialogParts.h"
#include "Icons.h"
#include "Session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quadrell {

namespace {

void addItem(
    QTreeWidget* list, const QString& text, int index, bool checked, const QIcon& icon = {}) {
    auto* item = new QTreeWidgetItem(list, { text });
    item->setIcon(0, icon);
    item->setData(0, Qt::UserRole, index);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

bool ticked(const QTreeWidget* list, int row) {
    return list->topLevelItem(row)->checkState(0) == Qt::Checked;
}

} // namespace

frmCustomize::frmCustomize(cCustom& custom, CustomLayout& shown, QWidget* owner)
    : QDialog(owner)
    , custom_(custom)
    , layout_(shown)
    , toolbar_(list("lvwToolbar", tr("Tool Bar")))
    , menus_(list("lvwMenu", tr("Menu")))
    , panels_(list("lvwStatusbar", tr("Status Bar"))) {
    setWindowTitle(tr("Customize Quadrell 2000"));
    for (int position = 1; position <= CommandTable::kPositions; ++position)
        if (const Command* command = CommandTable::AtPosition(position))
            addItem(toolbar_, CommandTable::Text(CommandTable::ListName(*command)), position,
                custom_.Button(position), Icons::Of(command->glyph));
    for (const MenuInfo& menu : CommandTable::Menus())
        if (menu.customIndex > 0)
            addItem(menus_, CommandTable::Text(menu.listName), menu.customIndex,
                custom_.Menu(menu.customIndex));
    for (int i = 1; i <= 4; ++i)
        addItem(panels_, CommandTable::Text(CommandTable::kPanelNames[i - 1]), i, custom_.Panel(i));
    for (QTreeWidget* l : { toolbar_, menus_, panels_ }) {
        connect(l, &QTreeWidget::itemChanged, this, &frmCustomize::Apply);
        SayCheckMarks(l, tr("shown"), tr("hidden"));
    }
    auto* ok = NamedButton(this, "cmdOK", tr("OK"));
    auto* cancel = NamedButton(this, "Command1", tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        SaveAll();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &frmCustomize::reject);
    auto* lists = new QHBoxLayout;
    for (QTreeWidget* l : { toolbar_, menus_, panels_ }) {
        auto* frame = new QGroupBox(l->property("title").toString(), this);
        l->setAccessibleName(frame->title());
        auto* inside = new QVBoxLayout(frame);
        inside->addWidget(l);
        l->setIconSize(QSize(16, 16));
        WideEnoughForItems(l);
        lists->addWidget(frame, l == toolbar_ ? 3 : 2);
    }
    auto* buttons = ButtonRow({ ok, cancel });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(560, 380);
}

QTreeWidget* frmCustomize::list(const char* name, const QString& title) {
    auto* l = new QTreeWidget(this);
    l->setObjectName(QLatin1String(name));
    l->setProperty("title", title);
    l->setHeaderLabels({ title }); // one column of the list's own title
    l->setRootIsDecorated(false);
    l->header()->setSectionResizeMode(QHeaderView::Stretch);
    return l;
}

void frmCustomize::Apply() {
    std::array<bool, cCustom::kButtons + 1> checked {};
    for (int row = 0; row < toolbar_->topLevelItemCount(); ++row)
        checked[static_cast<std::size_t>(
            toolbar_->topLevelItem(row)->data(0, Qt::UserRole).toInt())]
            = ticked(toolbar_, row);
    std::array<bool, 6> menus {};
    for (int row = 0; row < menus_->topLevelItemCount(); ++row)
        menus[static_cast<std::size_t>(row + 1)] = ticked(menus_, row);
    std::array<bool, 5> panels {};
    for (int row = 0; row < panels_->topLevelItemCount(); ++row)
        panels[static_cast<std::size_t>(row + 1)] = ticked(panels_, row);
    layout_.Apply(cCustom::ToolbarVisibility(checked), menus, panels);
}

void frmCustomize::SaveAll() {
    for (int i = 1; i <= cCustom::kButtons; ++i)
        custom_.SetButton(i, layout_.ToolbarPositionVisible(i));
    for (int row = 0; row < menus_->topLevelItemCount(); ++row)
        custom_.SetMenu(row + 1, ticked(menus_, row));
    for (int row = 0; row < panels_->topLevelItemCount(); ++row)
        custom_.SetPanel(row + 1, ticked(panels_, row));
}

void frmCustomize::reject() {
    layout_.RestoreAll();
    QDialog::reject();
}

} // namespace quadrell
