#include "frmAutoSave.h"

#include "DialogParts.h"
#include "Icons.h"
#include "cSave.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace quadrell {

frmAutoSave::frmAutoSave(cSave& save, Prompter& prompter, QWidget* owner)
    : QDialog(owner)
    , autoSaves_(save, prompter)
    , tabs_(new QTabWidget(this))
    , delete_(new QPushButton(tr("Delete"), this))
    , deleteAll_(new QPushButton(tr("Delete All"), this)) {
    setWindowTitle(tr("AutoSave"));
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    PagesByKeys(tabs_);
    const QString titles[2] = { tr("Incomplete Games"), tr("Finished Games") };
    const QString tabNames[2] = { tr("Incomplete Folder"), tr("Finished Folder") };
    for (int tab = 0; tab < 2; ++tab) {
        frames_[tab] = new QGroupBox(this);
        lists_[tab] = new QTreeView(frames_[tab]);
        lists_[tab]->setObjectName(QStringLiteral("ListView%1").arg(tab + 1));
        models_[tab] = new QStandardItemModel(0, 2, this);
        models_[tab]->setHorizontalHeaderLabels({ titles[tab], tr("Date Created") });
        lists_[tab]->setModel(models_[tab]);
        lists_[tab]->setAccessibleName(titles[tab]);
        lists_[tab]->setRootIsDecorated(false);
        lists_[tab]->setUniformRowHeights(true);
        lists_[tab]->setSelectionMode(QAbstractItemView::ExtendedSelection);
        lists_[tab]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lists_[tab]->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        auto* inside = new QVBoxLayout(frames_[tab]);
        inside->addWidget(lists_[tab]);
        tabs_->addTab(frames_[tab], tabNames[tab]);
        FillList(tab);
    }
    delete_->setObjectName(QStringLiteral("cmdDelete"));
    deleteAll_->setObjectName(QStringLiteral("cmdDeleteAll"));
    auto* close = NamedButton(this, "cmdClose", tr("Close"));
    connect(delete_, &QPushButton::clicked, this, &frmAutoSave::Delete);
    connect(deleteAll_, &QPushButton::clicked, this, &frmAutoSave::DeleteAll);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete_);
    buttons->addWidget(deleteAll_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &frmAutoSave::UpdateButtons);
    timer_.start();
    UpdateButtons();
    resize(520, 360);
}

namespace {
AutoSaves::Folder folderOf(int tab) {
    return tab == 0 ? AutoSaves::Folder::Incomplete : AutoSaves::Folder::Finished;
}
} // namespace

void frmAutoSave::FillList(int tab) {
    QStandardItemModel* model = models_[tab];
    model->removeRows(0, model->rowCount());
    const auto items = autoSaves_.Games(folderOf(tab));
    const QIcon finished = Icons::Of(Icons::Glyph::FinishedGame);
    const QIcon incomplete = Icons::Of(Icons::Glyph::IncompleteGame);
    for (const GameListItem& game : items) {
        auto* name = new QStandardItem(game.finished ? finished : incomplete, game.name);
        name->setData(game.path, Qt::UserRole);
        name->setToolTip(game.path);
        model->appendRow({ name, new QStandardItem(cSave::DateText(game.created)) });
    }
    // The folder's name as far as 50 letters; fewer when a large font would make the title
    // wider than the screen, which a group's title cannot wrap to.
    const QString path = autoSaves_.Path(folderOf(tab));
    const int room = screen()->availableGeometry().width() * 9 / 10
        - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int letters = 50; letters >= 20; letters -= 2) {
        frames_[tab]->setTitle(tr("Folder : ") + cSave::SizeCheck(path, letters));
        if (frames_[tab]->minimumSizeHint().width() <= room) break;
    }
    lists_[tab]->setCurrentIndex(model->index(0, 0)); // none in an empty list
}

void frmAutoSave::UpdateButtons() {
    const int count = models_[tabs_->currentIndex()]->rowCount();
    delete_->setEnabled(count >= 1);
    deleteAll_->setEnabled(count >= 2);
}

void frmAutoSave::Delete() {
    const int tab = tabs_->currentIndex();
    QStringList paths;
    for (const QModelIndex& index : lists_[tab]->selectionModel()->selectedRows())
        paths << index.data(Qt::UserRole).toString();
    if (autoSaves_.Delete(paths, false)) FillList(tab);
}

void frmAutoSave::DeleteAll() {
    const int tab = tabs_->currentIndex();
    QStringList paths;
    for (int row = 0; row < models_[tab]->rowCount(); ++row)
        paths << models_[tab]->index(row, 0).data(Qt::UserRole).toString();
    if (autoSaves_.Delete(paths, true)) FillList(tab);
}

} // namespace quadrell
