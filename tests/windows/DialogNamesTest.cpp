#include "Mnemonics.h"
#include "QtPrompter.h"
#include "SessionDialogs.h"
#include "dlgAbout.h"
#include "dlgMove.h"
#include "frmAddPlayer.h"
#include "frmCustomize.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace quadrell::test {

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

    static QString nameOf(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
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
            if (mine.c.isNull()) out << QStringLiteral("no Alt+letter: ") + caption;
            for (const Letter& other : letters) {
                const qsizetype n = qMin(other.pages.size(), mine.pages.size());
                if (other.c == mine.c && !mine.c.isNull()
                    && other.pages.mid(0, n) == mine.pages.mid(0, n))
                    out << QStringLiteral("%1 and %2 share Alt+%3")
                               .arg(other.caption, caption, mine.c);
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
            // A control that hands its focus on is named by the one it hands it to.
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
            const QString name = nameOf(w);
            const QString what = QString::fromLatin1(w->metaObject()->className())
                + QLatin1Char(' ') + w->objectName();
            if (name.isEmpty())
                out << QStringLiteral("nameless: ") + what;
            else if (qobject_cast<QTabBar*>(w))
                continue; // named by the page it shows
            else if (named.contains(name))
                out << QStringLiteral("%1 and %2 both named \"%3\"").arg(named[name], what, name);
            else
                named.insert(name, what);
        }
        return out;
    }

    static void check(QWidget* window) {
        window->show();
        const QStringList found = faults(window);
        window->hide();
        QVERIFY2(found.isEmpty(),
            qPrintable(window->windowTitle() + QStringLiteral(":\n  ")
                + found.join(QStringLiteral("\n  "))));
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
        QVERIFY2(found.isEmpty(),
            qPrintable(title + QStringLiteral(":\n  ") + found.join(QStringLiteral("\n  "))));
    }

private slots:
    void init() {
        const AppPaths paths = AppPaths::Inside(dir_.filePath(QStringLiteral("home")));
        paths.Create();
        window_ = std::make_unique<frmMain>(paths, QString());
        window_->SetQuitAction([] {});
        QVERIFY(window_->Load());
    }
    void cleanup() { window_.reset(); }

    void everyDialogNamesEachControlOnceWithItsOwnLetter() {
        QWidget* owner = window_.get();
        Session& s = session();
        {
            auto d = SessionDialogs::SelectGame(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::OpenGame(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::ScoreBoard(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::Options(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::AutoSave(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::Source(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::AddFavourite(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::OpenFavourite(s, owner);
            check(&d);
        }
        {
            auto d = SessionDialogs::OrganiseFavourites(s, owner);
            check(&d);
        }
        {
            s.menu.NewGame(617, false);
            FinishFlow flow(s);
            auto d = SessionDialogs::Finish(flow, s, owner);
            check(&d);
        }
        {
            frmAddPlayer d(s.users, s.prompter, owner);
            check(&d);
        }
        {
            frmCustomize d(s.custom, *window_);
            check(&d);
        }
        {
            dlgAbout d(owner);
            check(&d);
        }
        {
            dlgMove d(owner);
            check(&d);
        }
    }

    void tabEntersAGroupOfOptionsAtTheCheckedOne() {
        frmOptions d = SessionDialogs::Options(session(), window_.get());
        d.show();
        QApplication::setActiveWindow(&d);
        auto* second = d.findChild<QRadioButton*>(QStringLiteral("optRange2"));
        auto* third = d.findChild<QRadioButton*>(QStringLiteral("optRange3"));
        second->setChecked(true);
        auto* before = d.findChild<QCheckBox*>(QStringLiteral("chkUnfinished"));
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
        frmCustomize d(session().custom, *window_);
        QTreeWidget* list = d.Toolbar();
        QAccessibleTableInterface* table
            = QAccessible::queryAccessibleInterface(list)->tableInterface();
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("New Game, shown"));
        list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("New Game, hidden"));
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("New Game, hidden"));
        QVERIFY(list->isColumnHidden(1));
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

    void theMainWindowsControlsAreNamed() {
        window_->show();
        QStringList nameless;
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && nameOf(w).isEmpty())
                nameless << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ')
                        + w->objectName();
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char('\n'))));
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::DialogNamesTest)
#include "DialogNamesTest.moc"
