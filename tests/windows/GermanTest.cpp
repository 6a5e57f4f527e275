#include "BoardBuilder.h"
#include "HelpWindow.h"
#include "ModalAnswerer.h"
#include "ScoreBoard.h"
#include "Translations.h"
#include "frmMain.h"

#include <QAction>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

namespace quadrell::test {

// The program as a German system starts it. Its own process: the translators it installs
// belong to the whole application.
class GermanTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    AppPaths paths_;

    std::unique_ptr<frmMain> open() {
        auto window = std::make_unique<frmMain>(paths_, QString(), [] {});
        if (!window->Load()) return nullptr;
        window->show();
        return window;
    }

private slots:
    void initTestCase() {
        // A language it has no translation for leaves it English.
        QCOMPARE(
            Translations::Install(*qApp, QLocale(QStringLiteral("fr_FR"))), QStringLiteral("en"));
        QCOMPARE(HelpWindow::Document(), QStringLiteral(":/help/index.html"));
        QCOMPARE(Translations::Install(*qApp, QLocale(QStringLiteral("de_DE"))),
            QStringLiteral("de_DE"));
        QVERIFY(dir_.isValid());
        paths_ = AppPaths::Inside(dir_.path());
        paths_.Create();
    }

    void theMenusAndTheRulesSpeakGerman() {
        auto w = open();
        QCOMPARE(w->menuBar()->actions().value(0)->text(), QStringLiteral("&Spiel"));
        BoardBuilder(w->session().engine) // two free cells, no empty column
            .column(0, "5C QS JH TS 9H")
            .column(1, "KD")
            .column(2, "KC")
            .column(3, "KS")
            .column(4, "QH")
            .column(5, "QD")
            .column(6, "QC")
            .column(7, "JC")
            .cell(0, "5S")
            .cell(1, "6S");
        ModalAnswerer answers;
        MoveRules& rules = w->session().engine.rules();
        rules.CardClicked(32);
        rules.CardClicked(1); // QS..9H is 4 cards; 2 cells carry 3
        rules.CardClicked(1);
        rules.CardClicked(2); // a king on a king
        // The numbers go into the translated text, wherever it puts them.
        QCOMPARE(answers.texts,
            QStringList({ QStringLiteral("Für diesen Zug müssen 4 Karten bewegt werden.\n"
                                         "Der freie Platz reicht nur für 3."),
                QStringLiteral("Dieser Zug ist nicht erlaubt") }));
    }

    void theScoreBoardSpeaksGermanButItsExportStaysEnglish() {
        auto w = open();
        const auto rows = ScoreBoard::General({});
        QCOMPARE(rows.front().first, QStringLiteral("Gespielte Spiele"));
        QCOMPARE(
            ScoreBoard::StatisticsRows().value(9), QStringLiteral("Spiele je Monat im Schnitt"));
        const QByteArray head = ScoreBoard::ExportHead(
            {}, w->session().players, QStringLiteral("Guest"), QDateTime(QDate(2026, 1, 2), {}));
        QVERIFY(head.startsWith("Quadrell 2000 Score Board\r\n"));
        QVERIFY(head.contains("Global History"));
    }

    void theHelpIsTheGermanDocumentWithItsPictures() {
        auto w = open();
        QCOMPARE(HelpWindow::Document(), QStringLiteral(":/help/index_de.html"));
        w->Action(QStringLiteral("Help"))->trigger();
        auto* browser = w->Help()->findChild<QTextBrowser*>();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Spielen mit der Maus")));
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
