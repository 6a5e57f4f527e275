#include "frmOptions.h"

#include "DialogParts.h"
#include "Icons.h"
#include "Prompter.h"
#include "cOpt.h"
#include "cPlayer.h"
#include "cRecent.h"
#include "cSave.h"
#include "cUser.h"
#include "frmAddPlayer.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quadrell {

namespace {

// One of the animation page's speeds, 1 (quickest) to 100.
QSlider* speedSlider(QWidget* parent, const char* name, int value) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(cOpt::kMinSpeed, cOpt::kMaxSpeed);
    slider->setTickInterval(10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(value);
    return slider;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption, int state) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(state == 1);
    return box;
}

QLineEdit* line(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLineEdit(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

qint16 state(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

// Stored colours are blue x 65536 + green x 256 + red.
unsigned rgbOf(qint32 stored) {
    return (unsigned(stored) & 0xff) << 16 | (unsigned(stored) & 0xff00)
        | (unsigned(stored) >> 16 & 0xff);
}
qint32 storedOf(unsigned rgb) {
    return static_cast<qint32>((rgb & 0xff) << 16 | (rgb & 0xff00) | (rgb >> 16 & 0xff));
}

} // namespace

frmOptions::frmOptions(cOpt& opt, cSave& save, cRecent& recent, cPlayer& players, cUser& users,
    Prompter& prompter, Clock clock, QWidget* owner)
    : QDialog(owner)
    , opt_(opt)
    , save_(save)
    , recent_(recent)
    , playerSlots_(players)
    , users_(users)
    , prompter_(prompter)
    , clock_(std::move(clock))
    , tabs_(new QTabWidget(this)) {
    PagesByKeys(tabs_);
    setWindowTitle(tr("QuadRell 2000 Options"));
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->addTab(generalPage(), tr("General"));
    tabs_->addTab(animationPage(), tr("Animation"));
    tabs_->addTab(autosavePage(), tr("Autosave"));
    tabs_->addTab(playersPage(), tr("Players"));
    tabs_->addTab(backgroundPage(), tr("Background"));
    // Enter is OK's on every page, whichever button of a page has the focus (after "Add
    // Player" the focus is back on it, and Enter would add another).
    for (auto* pageButton : tabs_->findChildren<QPushButton*>())
        pageButton->setAutoDefault(false);
    auto* ok = NamedButton(this, "OKButton", tr("OK"));
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "CancelButton", tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, &frmOptions::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({ ok, cancel });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    resize(460, 360);
}

QWidget* frmOptions::generalPage() {
    auto* page = new QWidget(this);
    const GeneralPage g = opt_.GeneralInit();
    auto* settings = new QGroupBox(tr("Settings"), page);
    auto* rows = new QVBoxLayout(settings);
    rows->addWidget(
        c_.flash = check(settings, "chkFlash", tr("Enable Flashing Title Bar"), g.flash));
    rows->addWidget(c_.messages
        = check(settings, "chkMessages", tr("Display Messages on Illegal Moves"), g.messages));
    rows->addWidget(c_.doubleClick = check(settings, "chkDoubleClick",
                        tr("Double Click moves the Card to a free Cell"), g.doubleClick));
    rows->addWidget(c_.unfinished
        = check(settings, "chkUnfinished", tr("Start Unfinished Game at Startup"), g.unfinished));
    auto* range = new QGroupBox(tr("Random Range"), page);
    auto* rangeRows = new QVBoxLayout(range);
    const char* captions[]
        = { QT_TR_NOOP("0 to 40,000"), QT_TR_NOOP("0 to 6,40,000"), QT_TR_NOOP("0 to 32,40,000") };
    for (int i = 0; i < 3; ++i) {
        ranges_[static_cast<std::size_t>(i)] = new QRadioButton(tr(captions[i]), range);
        ranges_[static_cast<std::size_t>(i)]->setObjectName(
            QStringLiteral("optRange%1").arg(i + 1));
        ranges_[static_cast<std::size_t>(i)]->setChecked(g.range == i + 1);
        rangeRows->addWidget(ranges_[static_cast<std::size_t>(i)]);
    }
    EnteredAtChecked({ ranges_[0], ranges_[1], ranges_[2] });
    auto* recent = new QGroupBox(tr("Recent List"), page);
    auto* recentRow = new QHBoxLayout(recent);
    auto* clear = c_.clearRecent = NamedButton(recent, "cmdFlash", tr("Clear"));
    clear->setEnabled(recent_.EnableFinish() || recent_.EnableInComplete());
    connect(clear, &QPushButton::clicked, this, &frmOptions::ClearRecent);
    recentRow->addWidget(new QLabel(tr("Click to Clear Recent Games List."), recent), 1);
    recentRow->addWidget(clear);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(settings, 2);
    top->addWidget(range, 1);
    layout->addLayout(top);
    layout->addWidget(recent);
    layout->addStretch();
    return page;
}

QWidget* frmOptions::animationPage() {
    auto* page = new QWidget(this);
    auto* frame = new QGroupBox(tr("Animation Speed"), page);
    auto* form = new QFormLayout(frame);
    const auto values = opt_.SliderInit();
    const char* names[] = { "sdrCardSpeed", "sdrURSpeed", "sdrURAllSpeed", "sdrFBSpeed" };
    const char* labels[] = { QT_TR_NOOP("Card Moving Speed"), QT_TR_NOOP("Undo/Redo Speed"),
        QT_TR_NOOP("UndoAll/RedoAll Speed"), QT_TR_NOOP("Replay Speed") };
    for (std::size_t i = 0; i < 4; ++i) {
        sliders_[i] = speedSlider(frame, names[i], values[i]);
        form->addRow(tr(labels[i]), sliders_[i]);
    }
    c_.solutionSpeed = speedSlider(frame, "sdrSolutionSpeed", opt_.SolutionSpeed());
    form->addRow(tr("Show Solution Speed"), c_.solutionSpeed);
    c_.finishByItself = check(page, "chkFinishByItself",
        tr("Finish a game by itself once every card left can go home"), opt_.FinishByItself());
    c_.everyTarget = check(page, "chkEveryTarget",
        tr("While cards are held, mark every place that would take them"), opt_.MarkEveryTarget());
    c_.reduceMotion = check(page, "chkReduceMotion",
        tr("Reduce motion: no celebration when a game is won"), opt_.ReduceMotion());
    c_.sounds = check(page, "chkSounds",
        tr("Play sounds: a card placed, a move refused, a game won"), opt_.Sounds());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addWidget(new QLabel(
        tr("A larger value is slower: more steps per move, a longer replay interval."), page));
    layout->addWidget(c_.finishByItself);
    layout->addWidget(c_.everyTarget);
    layout->addWidget(c_.reduceMotion);
    layout->addWidget(c_.sounds);
    layout->addStretch();
    return page;
}

QWidget* frmOptions::autosavePage() {
    auto* page = new QWidget(this);
    const AutoSavePage a = save_.GetSave();
    auto* grid = new QGridLayout(page);
    c_.incomplete = check(page, "chkIncomp", tr("Enable Incomplete AutoSave"), a.incomplete);
    c_.incompleteDir = line(page, "txtIncomplete", a.incompleteDir);
    c_.browseIncomplete = NamedButton(page, "cmdIncomplete", tr("Browse"));
    c_.finished = check(page, "chkFinish", tr("Enable Finished AutoSave"), a.finished);
    c_.finishedDir = line(page, "txtFinished", a.finishedDir);
    c_.browseFinished = NamedButton(page, "cmdFinished", tr("Browse"));
    c_.incompleteDir->setAccessibleName(tr("Incomplete AutoSave folder"));
    c_.browseIncomplete->setAccessibleName(tr("Browse for the Incomplete AutoSave folder"));
    c_.finishedDir->setAccessibleName(tr("Finished AutoSave folder"));
    c_.browseFinished->setAccessibleName(tr("Browse for the Finished AutoSave folder"));
    c_.date = check(page, "chkDate", tr("Include Date in AutoSave File Name"), a.date);
    c_.time = check(page, "chkTime", tr("Include Time in AutoSave File Name"), a.time);
    grid->addWidget(c_.incomplete, 0, 0, 1, 2);
    grid->addWidget(c_.incompleteDir, 1, 0);
    grid->addWidget(c_.browseIncomplete, 1, 1);
    grid->addWidget(c_.finished, 2, 0, 1, 2);
    grid->addWidget(c_.finishedDir, 3, 0);
    grid->addWidget(c_.browseFinished, 3, 1);
    grid->addWidget(c_.date, 4, 0, 1, 2);
    grid->addWidget(c_.time, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    connect(c_.incomplete, &QCheckBox::clicked, this, &frmOptions::autoSaveChange);
    connect(c_.finished, &QCheckBox::clicked, this, &frmOptions::autoSaveChange);
    connect(c_.browseIncomplete, &QPushButton::clicked, this, [this] { BrowseFolder(true); });
    connect(c_.browseFinished, &QPushButton::clicked, this, [this] { BrowseFolder(false); });
    autoSaveChange();
    return page;
}

QWidget* frmOptions::playersPage() {
    auto* page = new QWidget(this);
    players_ = new QTreeWidget(page);
    players_->setObjectName(QStringLiteral("ListView1"));
    players_->setRootIsDecorated(false);
    players_->setAccessibleName(tr("Players"));
    players_->setHeaderLabels({ tr("Player Name"), tr("Player Full Name") });
    auto* add = NamedButton(page, "cmdAdd", tr("Add Player"));
    auto* remove = NamedButton(page, "cmdRemove", tr("Remove Player"));
    connect(add, &QPushButton::clicked, this, &frmOptions::AddPlayer);
    connect(remove, &QPushButton::clicked, this, &frmOptions::RemovePlayer);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(players_, 1);
    layout->addLayout(buttons);
    ListUsers();
    return page;
}

QWidget* frmOptions::backgroundPage() {
    auto* page = new QWidget(this);
    const BackgroundPage b = opt_.BackGroundInit();
    colour_ = rgbOf(b.colour);
    picture_ = b.picture;
    auto* colourFrame = new QGroupBox(tr("Background Color"), page);
    auto* colourRow = new QHBoxLayout(colourFrame);
    preview_ = new QFrame(colourFrame);
    preview_->setObjectName(QStringLiteral("Picture1"));
    preview_->setFixedSize(64, 32);
    preview_->setFrameStyle(QFrame::Box);
    preview_->setAutoFillBackground(true);
    auto* colourButton = NamedButton(colourFrame, "cmdColor", tr("Color"));
    connect(colourButton, &QPushButton::clicked, this, &frmOptions::ChooseColour);
    colourRow->addWidget(colourButton);
    colourRow->addWidget(preview_);
    colourRow->addStretch();
    auto* imageFrame = new QGroupBox(tr("Background Image"), page);
    auto* imageGrid = new QGridLayout(imageFrame);
    c_.image
        = check(imageFrame, "chkImage", tr("Enable BackGround Image"), b.pictureEnabled ? 1 : 0);
    c_.imagePath = line(imageFrame, "txtImage", b.picture);
    c_.imagePath->setReadOnly(true); // chosen with Browse, so it is always a picture
    c_.browseImage = NamedButton(imageFrame, "cmdImage", tr("Browse"));
    c_.imagePath->setAccessibleName(tr("Background Image"));
    c_.browseImage->setAccessibleName(tr("Browse for a Background Image"));
    imageGrid->addWidget(c_.image, 0, 0, 1, 2);
    imageGrid->addWidget(c_.imagePath, 1, 0);
    imageGrid->addWidget(c_.browseImage, 1, 1);
    connect(c_.image, &QCheckBox::clicked, this, &frmOptions::imageEnableChange);
    connect(c_.browseImage, &QPushButton::clicked, this, &frmOptions::ChooseImage);
    c_.contrast = check(page, "chkContrast",
        tr("High contrast board: black, with white outlines and strong frames"),
        opt_.HighContrast());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(colourFrame);
    layout->addWidget(imageFrame);
    layout->addWidget(c_.contrast);
    layout->addStretch();
    showColour();
    imageEnableChange();
    return page;
}

void frmOptions::autoSaveChange() {
    AutoSavePage page;
    page.incomplete = state(c_.incomplete);
    page.finished = state(c_.finished);
    const AutoSaveEnabled e = cSave::AutoSave_Change(page);
    c_.date->setEnabled(e.nameParts);
    c_.time->setEnabled(e.nameParts);
    c_.finishedDir->setEnabled(e.finishedDir);
    c_.browseFinished->setEnabled(e.finishedDir);
    c_.incompleteDir->setEnabled(e.incompleteDir);
    c_.browseIncomplete->setEnabled(e.incompleteDir);
}

void frmOptions::imageEnableChange() {
    const bool on = c_.image->isChecked();
    c_.imagePath->setEnabled(on);
    c_.browseImage->setEnabled(on);
}

void frmOptions::showColour() {
    QPalette p = preview_->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(colour_));
    preview_->setPalette(p);
}

void frmOptions::ChooseColour() {
    colour_ = prompter_.ChooseColour(colour_);
    showColour();
}

void frmOptions::ChooseImage() {
    const std::string file
        = prompter_.OpenFileName(QFileInfo(picture_).absolutePath().toStdString(),
            tr("Pictures (*.bmp *.jpg *.jpeg *.gif *.png)").toStdString());
    if (file.empty()) return;
    picture_ = QString::fromStdString(file);
    c_.imagePath->setText(picture_);
}

void frmOptions::BrowseFolder(bool incomplete) {
    QLineEdit* box = incomplete ? c_.incompleteDir : c_.finishedDir;
    const QString start = incomplete ? save_.IncompleteDir() : save_.FinishedDir();
    const QString chosen = QString::fromStdString(
        prompter_.BrowseForFolder(tr("Select A Directory").toStdString(), start.toStdString()));
    if (!chosen.isEmpty() && QDir(chosen).exists()) box->setText(chosen);
}

void frmOptions::ClearRecent() {
    if (!prompter_.Question(tr("Are you Sure you want to Clear Recent List ?").toStdString(),
            tr("Cleare Recent List").toStdString(), MessageIcon::Question))
        return;
    recent_.CrearRecent();
    c_.clearRecent->setEnabled(false);
}

void frmOptions::ListUsers() {
    players_->clear();
    QTreeWidgetItem* last = nullptr;
    for (qint16 slot = 1; slot <= cPlayer::kSlots; ++slot) {
        const QString name = playerSlots_.GetName(slot);
        if (name.isEmpty()) continue;
        last = new QTreeWidgetItem(players_, { name, playerSlots_.GetFullName(slot) });
        last->setIcon(0, Icons::Player());
        last->setData(0, Qt::UserRole, QStringLiteral("x%1").arg(slot));
    }
    if (last) players_->setCurrentItem(last);
}

void frmOptions::AddPlayer() {
    frmAddPlayer add(users_, prompter_, clock_, parentWidget());
    // Kept at once, as a removal is: the player box follows whether or not OK ends Options.
    if (add.exec() == QDialog::Accepted) emit PlayersChanged();
    ListUsers();
}

void frmOptions::RemovePlayer() {
    QTreeWidgetItem* item = players_->currentItem();
    if (!item) return;
    const std::string question
        = tr("Are you sure you want to remove %1 ?").arg(item->text(0)).toStdString();
    if (!prompter_.Question(question, kAppTitle, MessageIcon::Stop)) return;
    if (users_.RemoveUser(item->data(0, Qt::UserRole).toString())) emit PlayersChanged();
    ListUsers();
}

void frmOptions::Ok() {
    const QString refusal
        = cSave::CheckAutoSaveFolders(c_.incompleteDir->text(), c_.finishedDir->text());
    if (!refusal.isEmpty()) {
        prompter_.Message(refusal.toStdString(), MessageIcon::Exclamation, kAppTitle);
        return; // nothing written; the window stays for a folder that can be used
    }
    opt_.SetHighContrast(state(c_.contrast)); // before the board is drawn anew with the colour
    opt_.SaveColor(storedOf(colour_), picture_, c_.image->isChecked());
    opt_.SaveSlider(static_cast<qint16>(sliders_[0]->value()),
        static_cast<qint16>(sliders_[1]->value()), static_cast<qint16>(sliders_[2]->value()),
        static_cast<qint16>(sliders_[3]->value()));
    opt_.SetSolutionSpeed(static_cast<qint16>(c_.solutionSpeed->value()));
    opt_.SetFinishByItself(state(c_.finishByItself));
    opt_.SetReduceMotion(state(c_.reduceMotion));
    opt_.SetMarkEveryTarget(state(c_.everyTarget));
    opt_.SetSounds(state(c_.sounds));
    save_.SaveAutoSave(state(c_.incomplete), state(c_.finished), c_.incompleteDir->text(),
        c_.finishedDir->text(), state(c_.time), state(c_.date));
    int range = 0;
    for (int i = 0; i < 3; ++i)
        if (ranges_[static_cast<std::size_t>(i)]->isChecked()) range = i + 1;
    opt_.SaveGeneral(
        state(c_.doubleClick), state(c_.messages), state(c_.flash), state(c_.unfinished), range);
    emit PlayersChanged();
    opt_.SetShowToolbar(opt_.ShowToolbar());
    opt_.SetShowStatusbar(opt_.ShowStatusbar());
    accept();
}

} // namespace quadrell
