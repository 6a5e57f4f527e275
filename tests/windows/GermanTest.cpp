#include "HelpWindow.h"
#include "LossSearch.h"
#include "Mnemonics.h"
#include "OpenWindow.h"
#include "RatingTask.h"
#include "RecentMenus.h"
#include "RefusalWords.h"
#include "ScoreBoard.h"
#include "Translations.h"
#include "WonGame.h"
#include "frmMain.h"

#include <QAction>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

namespace quadrell::test {

using namespace Qt::StringLiterals;

// The program as a German system starts it. Its own process: the translators it installs
// belong to the whole application.
class GermanTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AppPaths paths_;

    std::unique_ptr<frmMain> open() { return OpenWindow(paths_); }

private slots:
    void initTestCase() {
        // A language it has no translation for leaves it English.
        QCOMPARE(Translations::Install(*qApp, QLocale(u"fr_FR"_s)), u"en"_s);
        QCOMPARE(HelpWindow::Document(), u":/help/index.html"_s);
        QCOMPARE(Translations::Install(*qApp, QLocale(u"de_DE"_s)), u"de_DE"_s);
        QVERIFY(dir_.isValid());
        paths_ = AppPaths::Inside(dir_.path());
        paths_.Create();
    }

    void theMenusAndTheRulesSpeakGerman() {
        auto w = open();
        QCOMPARE(w->menuBar()->actions().value(0)->text(), u"&Spiel"_s);
        // Qt's own words too, as on the buttons of its boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
        // The rules' messages as the rules fill them in (the scenes are the rules' tests):
        // the numbers go into the translated text, wherever it puts them.
        Prompter& prompter = w->session().engine.prompter();
        const std::string tooLong = FillIn(prompter.Translated("Engine",
                                               "That Move requirs moving %1 Cards.\r\n"
                                               "You only have enough free space to move %2."),
            { "4", "3" });
        QCOMPARE(QString::fromStdString(tooLong),
            QStringLiteral("Für diesen Zug müssen 4 Karten bewegt werden.\r\n"
                           "Der freie Platz reicht nur für 3."));
    }

    // The refusals that fill in cards and numbers, in German: the cards a card fits named
    // whole, so no colour word has to agree with a rank's gender.
    void theRefusalsNameTheirRulesInGerman() {
        auto w = open();
        Prompter& prompter = w->session().engine.prompter();
        const Card threeOfSpades = 3 * 13 + 2;
        const Card fiveOfClubs = 13 + 4;
        const Card fourOfDiamonds = 2 * 13 + 3;
        using Rule = Refusal::Rule;
        const std::vector<std::pair<Refusal, QString>> rows {
            { { Rule::Stack, threeOfSpades, fiveOfClubs },
                u"Pik Drei gehört auf Herz Vier oder Karo Vier"_s },
            { { Rule::RunDoesNotFit, threeOfSpades, fiveOfClubs },
                QStringLiteral(
                    "Nichts aus dieser Reihe passt auf Kreuz Fünf: darauf gehört Herz Vier "
                    "oder Karo Vier") },
            { { Rule::Space, threeOfSpades, fiveOfClubs, 3, 2 },
                u"Diese Reihe braucht 3 freie Plätze; es gibt 2"_s },
            { { Rule::FoundationNext, threeOfSpades, fourOfDiamonds },
                u"Auf den Ablagestapel Karo kommt als Nächstes Karo Fünf"_s },
        };
        for (const auto& [refusal, said] : rows)
            QCOMPARE(QString::fromStdString(RefusalWords(refusal, prompter)), said);
        QCOMPARE(RatingTask::Name(Difficulty::Level::Expert), u"Experte"_s);
    }

    // Translated captions keep an Alt+letter of their own in each menu.
    void everyGermanMenuHasItsOwnLetters() {
        auto w = open();
        for (QAction* top : w->menuBar()->actions()) {
            QSet<QChar> seen;
            for (QAction* entry : top->menu()->actions()) {
                const QChar letter = MnemonicOf(entry->text());
                if (letter.isNull()) continue;
                QVERIFY2(!seen.contains(letter), qPrintable(entry->text()));
                seen.insert(letter);
            }
        }
    }

    void theScoreBoardSpeaksGermanButItsExportStaysEnglish() {
        auto w = open();
        const auto rows = ScoreBoard::General({});
        QCOMPARE(rows.front().first, u"Gespielte Spiele"_s);
        const QByteArray head = ScoreBoard::ExportHead(
            {}, w->session().players, u"Guest"_s, QDateTime(QDate(2026, 1, 2), {}));
        QVERIFY(head.startsWith("Quadrell 2000 Score Board\r\n"));
        QVERIFY(head.contains("Global History"));
    }

    void theHelpIsTheGermanDocumentWithItsPictures() {
        auto w = open();
        QCOMPARE(HelpWindow::Document(), u":/help/index_de.html"_s);
        w->Action(u"Help"_s)->trigger();
        auto* browser = w->Dialogs().Help()->findChild<QTextBrowser*>();
        QVERIFY(browser->toPlainText().contains(u"Spielen mit der Maus"_s));
        // Every menu is described under the name it has on the menu bar.
        for (const QAction* menu : w->menuBar()->actions())
            QVERIFY2(browser->toHtml().contains(menu->text().remove(QLatin1Char('&'))),
                qPrintable(menu->text()));
        for (const char* picture : { "selected.png", "keyboard.png", "drag.png", "charts.png" }) {
            const QUrl url = browser->source().resolved(QUrl(QLatin1String(picture)));
            const QVariant data = browser->loadResource(QTextDocument::ImageResource, url);
            QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), picture);
        }
    }
};

} // namespace quadrell::test

QTEST_MAIN(quadrell::test::GermanTest)
#include "GermanTest.moc"
