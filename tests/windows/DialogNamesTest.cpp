#include "AppStyle.h"
#include "ClockFace.h"
#include "Contrast.h"
#include "HelpWindow.h"
#include "LossSearch.h"
#include "Mnemonics.h"
#include "ModalAnswerer.h"
#include "Narrowing.h"
#include "OpenWindow.h"
#include "QtPrompter.h"
#include "RecentMenus.h"
#include "ScopedLanguage.h"
#include "ScreenFit.h"
#include "SessionDialogs.h"
#include "WindowRecord.h"
#include "WonGame.h"
#include "dlgAbout.h"
#include "dlgDifficulty.h"
#include "dlgMove.h"
#include "frmAddPlayer.h"
#include "frmCustomize.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// Every control a screen reader or a keyboard reaches, in every window: named, told apart,
// and its Alt+letter its own.
class DialogNamesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<frmMain> window_;

    Session& session() { return window_->session(); }

    // Shown when the window is, its own page of a tabbed window counting as shown.
    static bool reachable(QWidget* w, QWidget* window) {
        for (QWidget* a = w; a && a != window; a = a->parentWidget())
            if (a->isHidden() && !qobject_cast<QStackedWidget*>(a->parentWidget())) return false;
        return true;
    }

    // The pages of tabbed windows that hold `w`, outermost first: its letter works while
    // they are all shown.
    static QList<QWidget*> pagesOf(QWidget* w, QWidget* window) {
        QList<QWidget*> pages;
        for (QWidget* a = w->parentWidget(); a && a != window; a = a->parentWidget())
            if (qobject_cast<QStackedWidget*>(a->parentWidget())) pages.prepend(a);
        return pages;
    }

    // What is wrong with `window`, one line each; empty when nothing is.
    static QStringList faults(QWidget* window) {
        QStringList out;
        // A message box's message is what a screen reader must read out, once: by the label
        // that shows it, its lines one text, and not again as the box's description.
        if (auto* box = qobject_cast<QMessageBox*>(window); box && !box->text().isEmpty()) {
            auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            const QString said
                = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            if (said.contains(QLatin1Char('\n'))
                || !said.startsWith(box->text().section(QLatin1Char('\n'), 0, 0)))
                out << u"message not read as one text: "_s + said;
            if (!box->accessibleDescription().isEmpty())
                out << u"message said twice: "_s + box->text();
        }
        QHash<QString, QString> named;
        struct Letter {
            QChar c;
            QString caption;
            QList<QWidget*> pages;
        };
        QList<Letter> letters;
        QWidget* at = nullptr;
        auto letter = [&](const QString& caption) {
            const Letter mine { MnemonicOf(caption), caption, pagesOf(at, window) };
            if (mine.c.isNull()) out << u"no Alt+letter: "_s + caption;
            for (const Letter& other : letters) {
                const qsizetype n = qMin(other.pages.size(), mine.pages.size());
                if (other.c == mine.c && !mine.c.isNull()
                    && other.pages.mid(0, n) == mine.pages.mid(0, n))
                    out << u"%1 and %2 share Alt+%3"_s.arg(other.caption, caption, mine.c);
            }
            letters << mine;
        };
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || !reachable(w, window)) continue;
            at = w;
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (label && label->buddy()) letter(label->text());
            if (button && !qobject_cast<QToolButton*>(w) && !button->text().isEmpty())
                letter(button->text());
            if (auto* tabs = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    letter(tabs->tabText(i));
            // A tree's column is named even when its header is hidden: a screen reader still
            // reads it, and Qt's own name for it is the column's number.
            if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
                const QString header = tree->headerItem()->text(0);
                bool number = false;
                header.toInt(&number);
                if (header.isEmpty() || number)
                    out << u"a tree's column named \"%1\": "_s.arg(header) + w->objectName();
            }
            // A tabbed window's pages are no "layered pane" for a screen reader to say on the
            // way into each page.
            if (qobject_cast<QStackedWidget*>(w)
                && QAccessible::queryAccessibleInterface(w)->role() == QAccessible::LayeredPane)
                out << u"a layered pane: "_s + w->objectName();
            // A chooser is read by its label: Qt names a combo box by its current text, and
            // only a label that names it as its buddy reaches the screen reader.
            if (qobject_cast<QComboBox*>(w) && (w->focusPolicy() & Qt::TabFocus)) {
                bool labelled = false;
                for (auto* l : window->findChildren<QLabel*>())
                    labelled = labelled || l->buddy() == w;
                if (!labelled) out << u"chooser with no label: "_s + w->objectName();
            }
            // A control that hands its focus on is named by the one it hands it to.
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            const QString what = QString::fromLatin1(w->metaObject()->className())
                + QLatin1Char(' ') + w->objectName();
            if (name.isEmpty())
                out << u"nameless: "_s + what;
            else if (qobject_cast<QTabBar*>(w))
                continue; // named by the page it shows
            else if (named.contains(name))
                out << u"%1 and %2 both named \"%3\""_s.arg(named[name], what, name);
            else
                named.insert(name, what);
        }
        return out;
    }

    static void check(QWidget* window) {
        window->show();
        QStringList found = faults(window);
        // Where the focus is shows from the start.
        if (qobject_cast<QDialog*>(window) && !window->testAttribute(Qt::WA_KeyboardFocusChange))
            found << u"no focus mark until Tab"_s;
        window->hide();
        QVERIFY2(found.isEmpty(),
            qPrintable(window->windowTitle() + u":\n  "_s + found.join(u"\n  "_s)));
    }

    // Runs `ask`, which opens a modal window, and checks that window once it is up.
    static void checkModal(const std::function<void()>& ask) {
        QStringList found;
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            title = modal->windowTitle();
            found = faults(modal);
            modal->close();
        });
        ask();
        QVERIFY2(!title.isEmpty(), "no window opened");
        QVERIFY2(found.isEmpty(), qPrintable(title + u":\n  "_s + found.join(u"\n  "_s)));
    }

    // Builds every dialog of the program in turn and hands it to `look`.
    void eachDialog(const std::function<void(QDialog*)>& look) {
        QWidget* owner = window_.get();
        Session& s = session();
        auto with = [&](auto&& dialog) { look(&dialog); };
        with(SessionDialogs::SelectGame(s, owner));
        with(SessionDialogs::OpenGame(s, owner));
        with(SessionDialogs::ScoreBoard(s, owner));
        with(SessionDialogs::Options(s, owner));
        with(SessionDialogs::AutoSave(s, owner));
        with(SessionDialogs::Source(s, owner));
        with(SessionDialogs::AddFavourite(s, owner));
        with(SessionDialogs::OpenFavourite(s, owner));
        with(SessionDialogs::OrganiseFavourites(s, owner));
        s.menu.NewGame(617, false);
        with(SessionDialogs::Finish(s, owner, [] {})); // with Review, as a win shows it
        with(frmAddPlayer(s.users, s.prompter, s.clock, owner));
        with(frmCustomize(s.custom, window_->Custom(), window_.get()));
        with(dlgAbout(owner));
        with(dlgMove(owner));
        with(dlgDifficulty(Difficulty::Level::Medium, owner));
    }

    // A control shown narrower or lower than its text needs, within `window`.
    static QStringList clipped(QWidget* window) {
        QStringList out;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // The tab bar's scroll arrows are Qt's own, and small by design; but no Tab stop.
            if (qobject_cast<QTabBar*>(w->parentWidget()) && (w->focusPolicy() & Qt::TabFocus))
                out << u"a tab bar's arrow takes a Tab stop"_s;
            if (!w->isVisible() || w->window() != window
                || qobject_cast<QTabBar*>(w->parentWidget()))
                continue;
            // A table's columns show their words whole, each in sight.
            if (auto* tree = qobject_cast<QTreeView*>(w); tree && !tree->isHeaderHidden()) {
                const int columns = tree->model() ? tree->model()->columnCount() : 0;
                const QAbstractItemView* view = tree; // its widest row's need, per column
                for (int c = 0; c < columns; ++c) {
                    if (tree->isColumnHidden(c)) continue;
                    const int at = tree->header()->sectionViewportPosition(c);
                    const int size = tree->header()->sectionSize(c);
                    if (at >= tree->viewport()->width())
                        out << u"%1: column %2 out of sight"_s.arg(w->objectName()).arg(c);
                    else if (c + 1 < columns && size < view->sizeHintForColumn(c))
                        out << u"%1: column %2 cut, %3 for %4"_s.arg(w->objectName())
                                   .arg(c)
                                   .arg(size)
                                   .arg(view->sizeHintForColumn(c));
                }
            }
            if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w)
                && !qobject_cast<QComboBox*>(w))
                continue;
            const QSize need = w->minimumSizeHint();
            if (w->width() < need.width() || w->height() < need.height())
                out << u"%1 %2: %3x%4 for %5x%6"_s
                           .arg(QLatin1String(w->metaObject()->className()), w->objectName())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(need.width())
                           .arg(need.height());
        }
        return out;
    }

    // Whole on the screen, its buttons in sight, nothing cut short.
    static void fits(QDialog* dialog) {
        dialog->show();
        // A scroll bar that comes with the size is laid out one round of events later.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        QStringList found = clipped(dialog);
        // A text broken into lines to fit is still named whole, as one line.
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
            const QString name = QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
            QString shown = b->text();
            shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('&'));
            if (b->text().contains(QLatin1Char('\n')) && name != shown)
                found << u"named \"%1\" for \"%2\""_s.arg(name, shown);
        }
        const QRect screen = dialog->screen()->availableGeometry();
        if (!screen.contains(dialog->frameGeometry()))
            found << u"off the screen: %1,%2 %3x%4"_s.arg(dialog->x())
                         .arg(dialog->y())
                         .arg(dialog->width())
                         .arg(dialog->height());
        // Controls may scroll down in a dialog too tall for the screen, never sideways; its
        // buttons may not scroll at all.
        const auto* scroll = dialog->findChild<QScrollArea*>(u"scrollFit"_s);
        if (scroll && scroll->horizontalScrollBar()->maximum() > 0)
            found << u"scrolls sideways by %1"_s.arg(scroll->horizontalScrollBar()->maximum());
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
            const bool scrolled = scroll && scroll->isAncestorOf(b);
            const QRect at(b->mapTo(dialog, QPoint()), b->size());
            if (b->isVisible() && !scrolled && !dialog->rect().contains(at))
                found << u"button out of sight: "_s + b->text();
        }
        dialog->hide();
        QVERIFY2(found.isEmpty(),
            qPrintable(dialog->windowTitle() + u":\n  "_s + found.join(u"\n  "_s)));
    }

private slots:
    void init() {
        const AppPaths paths = AppPaths::Inside(dir_.filePath(u"home"_s));
        paths.Create();
        window_ = std::make_unique<frmMain>(paths, QString(), nullptr, TestNow);
        window_->SetQuitAction([] {});
        QVERIFY(window_->Load());
    }
    void cleanup() { window_.reset(); }

    void everyDialogNamesEachControlOnceWithItsOwnLetter() { eachDialog(check); }

    // Each dialog's Cancel and Close close it (a question it asks on the way answered Yes).
    void everyCancelAndCloseClosesItsDialog() {
        QStringList stayed;
        eachDialog([&stayed](QDialog* dialog) {
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                const QString text = button->text().remove(u'&');
                if (text != u"Cancel"_s && text != u"Close"_s) continue;
                dialog->show();
                ModalAnswerer yes;
                button->click();
                if (dialog->isVisible()) stayed << dialog->windowTitle() + u": "_s + text;
                dialog->hide();
            }
        });
        QCOMPARE(stayed, QStringList());
    }

    // Every window as a player meets it, the main one on an empty board and in a game.
    void everyWindowReadsAsItsRecord() {
        window_->show();
        QStringList all = WindowRecord::Of(window_.get());
        eachDialog([&all](QDialog* dialog) {
            // The button Return presses as the dialog sets it; shown, Qt would otherwise make
            // the first in the Tab order the default.
            QStringList chosen;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->isDefault()) chosen << button->objectName();
            dialog->show();
            // A window sized for its contents opens larger than the least that shows them.
            const bool least = dialog->size() == dialog->sizeHint();
            all << WindowRecord::Of(dialog)
                << u"%1: Return presses %2"_s.arg(dialog->windowTitle(), chosen.join(u' '))
                << u"%1: opens at %2"_s.arg(
                       dialog->windowTitle(), least ? u"its least size"_s : u"a size of its own"_s);
            dialog->hide();
        });
        HelpWindow help(window_.get());
        all << WindowRecord::Of(&help);
        session().menu.Game_Started(false);
        window_->RefreshMenus();
        all << WindowRecord::Of(window_.get());
        // What the moment gives: the folders and Select Game's proposal.
        all.replaceInStrings(dir_.path(), u"<home>"_s);
        all.replaceInStrings(
            QRegularExpression(u"^(QLineEdit Text1 =)\"\\d+\""_s), u"\\1<number>"_s);
        const QStringList wrong
            = WindowRecord::Against(QStringLiteral(QUADRELL_WINDOW_RECORD), all);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
    void withALargeFontNothingIsCutAndEveryDialogFits_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << u"en_US"_s;
        QTest::newRow("German, longer words") << u"de_DE"_s;
    }

    // A 20-point font on a screen of 800 by 600 (1600 by 1200 at twice the size).
    void withALargeFontNothingIsCutAndEveryDialogFits() {
        QFETCH(QString, locale);
        const ScopedLanguage language(locale);
        const QFont normal = QApplication::font();
        QFont large = normal;
        large.setPointSize(20);
        QApplication::setFont(large);
        window_.reset();
        init();
        window_->show();
        QCoreApplication::processEvents();
        const QStringList main = clipped(window_.get());
        QVERIFY2(main.isEmpty(), qPrintable(main.join(QLatin1Char('\n'))));
        eachDialog(fits);
        window_.reset();
        QApplication::setFont(normal);
    }

    // The keyboard's focus mark on a check box, a radio button, a push button, a tab and a
    // list's current row, selected or not: what it adds is a ring at least two pixels wide
    // all round (a line of at least twice the control's outline), and every pixel of it
    // stands out 3:1 against what it lies on, in the light palette and in a dark one.
    void theFocusMarkIsARingThatStandsOut() {
        AppStyle style(QStyleFactory::create(u"Fusion"_s));
        // The desktop's palette; a dark one whose highlight is dim; a light one whose highlight
        // is pale: the ring must stand out even where the highlight does not.
        QPalette dark = style.standardPalette(), pale = style.standardPalette();
        for (const auto& [role, colour] :
            { std::pair { QPalette::Window, 0x2d2d2d }, std::pair { QPalette::Button, 0x3a3a3a },
                std::pair { QPalette::WindowText, 0xeeeeee },
                std::pair { QPalette::ButtonText, 0xeeeeee },
                std::pair { QPalette::Base, 0x202020 },
                std::pair { QPalette::AlternateBase, 0x2a2a2a },
                std::pair { QPalette::Text, 0xeeeeee },
                std::pair { QPalette::Highlight, 0x2a4a7a } })
            dark.setColor(role, QColor::fromRgb(static_cast<QRgb>(colour)));
        pale.setColor(QPalette::Highlight, QColor(0xa8, 0xcc, 0xee));
        // The pixels of the band two wide inside `ring` that are not `strong`.
        const auto gaps = [](QRect ring, const std::function<bool(int, int)>& strong) {
            int n = 0;
            for (int y = ring.top(); y <= ring.bottom(); ++y)
                for (int x = ring.left(); x <= ring.right(); ++x)
                    n += (x - ring.left() < 2 || ring.right() - x < 2 || y - ring.top() < 2
                             || ring.bottom() - y < 2)
                        && !strong(x, y);
            return n;
        };
        for (const QPalette& palette : { style.standardPalette(), dark, pale }) {
            QWidget window;
            window.setStyle(&style);
            window.setPalette(palette);
            auto* layout = new QVBoxLayout(&window);
            auto* elsewhere = new QLineEdit(&window);
            auto* tabs = new QTabBar(&window);
            tabs->addTab(u"General"_s);
            auto* list = new QTreeWidget(&window);
            list->setAlternatingRowColors(true);
            list->setHeaderHidden(true);
            for (const char* name : { "617", "0712-1724", "Game 7" })
                new QTreeWidgetItem(list, { QString::fromLatin1(name) });
            const std::initializer_list<QWidget*> controls { new QCheckBox(u"Save this Game"_s),
                new QRadioButton(u"0 to 40,000"_s), new QPushButton(u"Clear"_s), tabs };
            layout->addWidget(elsewhere);
            for (QWidget* w : controls) {
                w->setStyle(&style);
                layout->addWidget(w);
            }
            list->setStyle(&style);
            layout->addWidget(list);
            window.show();
            QApplication::setActiveWindow(&window);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.setAttribute(Qt::WA_KeyboardFocusChange); // as a dialog has it
            for (QWidget* w : controls) {
                elsewhere->setFocus(Qt::TabFocusReason);
                const QImage plain = w->grab().toImage();
                w->setFocus(Qt::TabFocusReason);
                QVERIFY(w->hasFocus());
                const QImage marked = w->grab().toImage();
                // The pixels the mark adds that stand out; they must close a ring.
                QRect ring;
                const auto strong = [&](int x, int y) {
                    return plain.pixel(x, y) != marked.pixel(x, y)
                        && Contrast::Ratio(marked.pixelColor(x, y), palette.color(QPalette::Window))
                        >= 3.0;
                };
                for (int y = 0; y < plain.height(); ++y)
                    for (int x = 0; x < plain.width(); ++x)
                        if (strong(x, y)) ring |= QRect(x, y, 1, 1);
                const QString what = QString::fromLatin1(w->metaObject()->className());
                // A check box's or radio button's own box turns blue with the focus: the ring
                // is the one round its caption.
                QStyleOptionButton o;
                o.initFrom(w);
                if (auto* b = qobject_cast<QAbstractButton*>(w)) o.text = b->text();
                if (qobject_cast<QCheckBox*>(w))
                    ring = style.subElementRect(QStyle::SE_CheckBoxFocusRect, &o, w);
                if (qobject_cast<QRadioButton*>(w))
                    ring = style.subElementRect(QStyle::SE_RadioButtonFocusRect, &o, w);
                QVERIFY2(ring.width() >= 20 && ring.height() >= 10, qPrintable(what));
                const int missing = gaps(ring, strong);
                QVERIFY2(missing == 0, qPrintable(u"%1: %2 gaps"_s.arg(what).arg(missing)));
                // A push button's mark is the ring alone: its caption stays as it was.
                if (!qobject_cast<QPushButton*>(w)) continue;
                const QRect inside = ring.adjusted(2, 2, -2, -2);
                int strongInside = 0;
                for (int y = inside.top(); y <= inside.bottom(); ++y)
                    for (int x = inside.left(); x <= inside.right(); ++x)
                        strongInside += strong(x, y);
                QVERIFY2(strongInside == 0,
                    qPrintable(u"%1: %2 inside the ring"_s.arg(what).arg(strongInside)));
            }
            QTreeWidgetItem* current = list->topLevelItem(1);
            for (const bool selected : { true, false }) {
                list->setCurrentItem(current, 0,
                    selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
                elsewhere->setFocus(Qt::TabFocusReason);
                const QImage plain = list->viewport()->grab().toImage();
                list->setFocus(Qt::TabFocusReason);
                const QImage marked = list->viewport()->grab().toImage();
                const int missing = gaps(list->visualItemRect(current), [&](int x, int y) {
                    return Contrast::Ratio(marked.pixelColor(x, y), plain.pixelColor(x, y)) >= 3.0;
                });
                QVERIFY2(missing == 0,
                    qPrintable(u"%1 gaps, %2 row"_s.arg(missing).arg(
                        selected ? u"selected"_s : u"plain"_s)));
            }
        }
        // The ring leaves the painter as it found it, for what the style draws next.
        QImage canvas(60, 30, QImage::Format_ARGB32);
        QPainter painter(&canvas);
        painter.setPen(Qt::red);
        painter.setRenderHint(QPainter::Antialiasing);
        QStyleOptionButton button;
        button.rect = canvas.rect();
        button.state = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        style.drawControl(QStyle::CE_PushButtonBevel, &button, &painter);
        QCOMPARE(painter.pen().color(), QColor(Qt::red));
        QVERIFY(painter.testRenderHint(QPainter::Antialiasing));
        // Sharp at one and a half times the size, on a painter that smooths: each pixel is
        // the ring's colour or left as it was, none blended.
        QImage scaled(90, 45, QImage::Format_ARGB32);
        scaled.setDevicePixelRatio(1.5);
        scaled.fill(Qt::white);
        QStyleOptionFocusRect focus;
        focus.rect = QRect(3, 3, 50, 20);
        focus.state = QStyle::State_KeyboardFocusChange;
        {
            QPainter smooth(&scaled);
            smooth.setRenderHint(QPainter::Antialiasing);
            QCheckBox owner;
            style.drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &smooth, &owner);
        }
        int inked = 0, blended = 0;
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x) {
                const QColor c = scaled.pixelColor(x, y);
                inked += c != Qt::white;
                blended += c != Qt::white && c != AppStyle::FocusRing(focus.palette);
            }
        QVERIFY(inked > 100);
        QCOMPARE(blended, 0);
    }

    // Letters given in a window's order: a caption's own letter kept unless taken before;
    // a taken one moved to a free word initial, then any free letter; "&&" stays a plain
    // ampersand; a caption with nothing free is left unmarked. A checkable group and a tab
    // take part; a tool button does not.
    void everyCaptionGetsAFreeLetterOfItsOwn() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        const QStringList before { u"&Open"_s, u"&Options"_s, u"Save && Quit"_s, u"sq"_s,
            u"Pop up"_s, u"Pu"_s };
        QList<QPushButton*> buttons;
        for (const QString& caption : before)
            layout->addWidget(buttons.emplace_back(new QPushButton(caption)));
        auto* group = new QGroupBox(u"Extra"_s);
        group->setCheckable(true);
        layout->addWidget(group);
        auto* tabs = new QTabBar;
        tabs->addTab(u"Extra"_s);
        layout->addWidget(tabs);
        auto* tool = new QToolButton;
        tool->setText(u"Tool"_s);
        layout->addWidget(tool);
        GiveMnemonics(&window);
        QStringList after;
        for (QPushButton* b : buttons)
            after << b->text();
        QCOMPARE(after,
            (QStringList {
                u"&Open"_s, u"O&ptions"_s, u"&Save && Quit"_s, u"s&q"_s, u"Pop &up"_s, u"Pu"_s }));
        QCOMPARE(group->title(), u"&Extra"_s);
        QCOMPARE(tabs->tabText(0), u"E&xtra"_s);
        QCOMPARE(tool->text(), u"Tool"_s);
        QCOMPARE(MnemonicOf(u"Save && &Quit"_s), QChar(u'q'));
        QCOMPARE(MnemonicOf(u"Save && Quit"_s), QChar());
    }

    void tabEntersAGroupOfOptionsAtTheCheckedOne() {
        session().opt.SetRandomIndex(3); // as it opens, then as the player changes it
        frmOptions d = SessionDialogs::Options(session(), window_.get());
        d.show();
        QApplication::setActiveWindow(&d);
        auto* second = d.findChild<QRadioButton*>(u"optRange2"_s);
        auto* third = d.findChild<QRadioButton*>(u"optRange3"_s);
        auto* before = d.findChild<QCheckBox*>(u"chkUnfinished"_s);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), third);
        second->setChecked(true);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_Down); // the arrows move and choose
        QCOMPARE(QApplication::focusWidget(), third);
        QVERIFY(third->isChecked());
        QTest::keyClick(third, Qt::Key_Backtab); // and back out, past the unchecked ones
        QCOMPARE(QApplication::focusWidget(), before);
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), third);
    }

    void customizeRowsSayTheirTick() {
        frmCustomize d(session().custom, window_->Custom(), window_.get());
        QTreeWidget* list = d.Toolbar();
        QAccessibleTableInterface* table
            = QAccessible::queryAccessibleInterface(list)->tableInterface();
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), u"New Game, shown"_s);
        list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), u"New Game, hidden"_s);
    }

    void theQuestionsAndInputBoxesToo() {
        QtPrompter prompter(window_.get());
        checkModal([&] {
            prompter.Question("Start a new game?", "Quadrell 2000", MessageIcon::Question);
        });
        checkModal([&] {
            prompter.Message("That move is not Allowed", MessageIcon::Information, "Quadrell 2000");
        });
        bool ok = false;
        checkModal([&] { prompter.InputBox("Folder name", "Favorites", ok); });
    }

    // The game's style draws what it leaves alone as its base style does: a check box's tick.
    void theStyleStillDrawsTheMarksItLeavesAlone() {
        AppStyle style(QStyleFactory::create(u"Fusion"_s));
        QCheckBox box(u"Tick"_s);
        box.setStyle(&style);
        box.resize(box.sizeHint());
        const QImage unticked = box.grab().toImage();
        box.setChecked(true);
        QVERIFY(box.grab().toImage() != unticked);
    }

    // A dialog's controls scroll only when the dialog no longer fits the screen: one exactly
    // as large as the room is left as it is; a pixel more either way scrolls.
    void aDialogScrollsOnlyWhenItNoLongerFits() {
        const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
        const std::tuple<const char*, QSize, bool> rows[] {
            { "exactly the room", room, false },
            { "a pixel wider", room + QSize(1, 0), true },
            { "a pixel taller", room + QSize(0, 1), true },
        };
        for (const auto& [what, size, scrolls] : rows) {
            QDialog dialog;
            auto* column = new QVBoxLayout(&dialog);
            column->addWidget(new QLabel(u"A few words"_s));
            auto* buttons = new QHBoxLayout;
            auto* ok = new QPushButton(u"OK"_s);
            buttons->addWidget(ok);
            column->addLayout(buttons);
            dialog.resize(size);
            FitOnScreen(&dialog);
            const auto* scroll = dialog.findChild<QScrollArea*>(u"scrollFit"_s);
            QVERIFY2((scroll != nullptr) == scrolls, what);
            // The buttons stay below the scrolled controls, always in sight.
            if (scroll) QVERIFY2(!scroll->isAncestorOf(ok), what);
        }
    }

    // A label that already wraps cannot be made narrower by wrapping: with a name too long to
    // break, the row beside it is turned into a column instead.
    void aRowTurnsWhenTheWidestTextAlreadyWraps() {
        QWidget controls;
        auto* column = new QVBoxLayout(&controls);
        auto* name = new QLabel(u"Quartermaine"_s.repeated(5));
        name->setWordWrap(true);
        column->addWidget(name);
        auto* row = new QHBoxLayout;
        const int unbroken = name->minimumSizeHint().width();
        for (int i = 0; i < 2; ++i) {
            auto* button = new QPushButton(u"Browse"_s);
            button->setMinimumWidth(unbroken * 9 / 10);
            row->addWidget(button);
        }
        column->addLayout(row);
        const int width = unbroken + 40;
        QVERIFY(controls.minimumSizeHint().width() > width);
        NarrowTo(&controls, width);
        QCOMPARE(row->direction(), QBoxLayout::TopToBottom);
        QVERIFY(controls.minimumSizeHint().width() <= width);
    }

    // A message's lines are read as one text: a break inside a sentence is a space, one
    // between sentences a full stop.
    void aMessageIsReadAsWritten() {
        const struct {
            const char* shown;
            const char* said;
        } rows[] {
            { "That move is not Allowed\nThe Two of Hearts goes on a black Three.",
                "That move is not Allowed. The Two of Hearts goes on a black Three." },
            { "Are you sure you want to exit the previously\nunfinished game and start this "
              "game ?",
                "Are you sure you want to exit the previously unfinished game and start this "
                "game ?" },
            { "Game saved.\n\nWell done!", "Game saved. Well done!" },
            { "One line", "One line" },
        };
        for (const auto& row : rows) {
            QMessageBox box(QMessageBox::Information, u"Quadrell 2000"_s,
                QString::fromUtf8(row.shown), QMessageBox::Ok, window_.get());
            box.show();
            auto* label = box.findChild<QLabel*>(u"qt_msgbox_label"_s);
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                QString::fromUtf8(row.said));
        }
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::DialogNamesTest)
#include "DialogNamesTest.moc"
