#include "ChartsPage.h"

#include "ChartsTable.h"
#include "ChartsView.h"
#include "DialogParts.h"
#include "Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QVBoxLayout>

namespace quadrell {

ChartsPage::ChartsPage(const std::vector<ScoreRec>& records, Prompter& prompter,
    const QString& ratingsCache, QWidget* parent, RatingsCount::Rate rate)
    : QWidget(parent)
    , records_(records)
    , prompter_(prompter)
    , players_(new QComboBox(this))
    , span_(new QComboBox(this))
    , view_(new ChartsView(this))
    , table_(new ChartsTable(this))
    , count_(new RatingsCount(ratingsCache, std::move(rate), this))
    , counting_(new QLabel(this)) {
    counting_->setObjectName(QStringLiteral("lblDifficultyCount"));
    counting_->hide();
    connect(count_, &RatingsCount::Changed, this, &ChartsPage::showDifficulty);
    players_->setObjectName(QStringLiteral("cboChartPlayer"));
    players_->addItem(tr("All Players"));
    span_->setObjectName(QStringLiteral("cboChartSpan"));
    span_->addItems({ tr("By Week"), tr("By Month") });
    auto* png = new QPushButton(tr("Save as PNG..."), this);
    png->setObjectName(QStringLiteral("cmdChartPng"));
    auto* svg = new QPushButton(tr("Save as SVG..."), this);
    svg->setObjectName(QStringLiteral("cmdChartSvg"));
    auto* row = new QHBoxLayout;
    row->addWidget(LabelFor(players_, tr("Player:")));
    row->addWidget(players_);
    row->addWidget(LabelFor(span_, tr("Period:")));
    row->addWidget(span_);
    row->addStretch();
    row->addWidget(png);
    row->addWidget(svg);
    // The same figures as rows, for a screen reader or whoever prefers numbers to bars.
    auto* asTable = new QCheckBox(tr("Show the figures as a table"), this);
    asTable->setObjectName(QStringLiteral("chkChartTable"));
    auto* shown = new QStackedWidget(this);
    shown->addWidget(view_);
    shown->addWidget(table_);
    view_->setAccessibleName(tr("Charts"));
    view_->setAccessibleDescription(asTable->text());
    connect(asTable, &QCheckBox::toggled, shown, &QStackedWidget::setCurrentIndex);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    // The count's progress beside the tick, so the charts keep their size when it goes.
    auto* second = new QHBoxLayout;
    second->addWidget(asTable);
    second->addStretch();
    second->addWidget(counting_);
    column->addLayout(second);
    column->addWidget(shown, 1);
    connect(players_, &QComboBox::activated, this, &ChartsPage::Refresh);
    connect(span_, &QComboBox::activated, this, &ChartsPage::Refresh);
    connect(png, &QPushButton::clicked, this,
        [this] { save(QStringLiteral(".png"), tr("PNG Picture (*.png)")); });
    connect(svg, &QPushButton::clicked, this,
        [this] { save(QStringLiteral(".svg"), tr("SVG Picture (*.svg)")); });
}

// A score board opened on another page never counts a million games for its charts. (QWidget's
// own show handler does nothing.)
void ChartsPage::showEvent(QShowEvent*) {
    if (!listed_) Refresh();
}

QStringList ChartsPage::chosen() const {
    return players_->currentIndex() <= 0 ? QStringList() : QStringList { players_->currentText() };
}

void ChartsPage::showDifficulty() {
    const RatingsCount::Snapshot counted = count_->Latest();
    const QStringList players = chosen();
    const qint64 unrated = counted.counts.UnratedOf(players);
    const bool counting = !counted.done;
    view_->SetDifficulty(counted.counts.Of(players), counting);
    table_->SetDifficulty(counted.counts.Of(players), counting, unrated);
    counting_->setVisible(counting && counted.toRate > 0); // once it knows how many
    counting_->setText(
        tr("Counting the games by difficulty: %1 of %2 deals rated...")
            .arg(QLocale().toString(counted.rated), QLocale().toString(counted.toRate)));
}

void ChartsPage::Refresh() {
    const auto span
        = span_->currentIndex() == 1 ? ScoreCharts::Span::Month : ScoreCharts::Span::Week;
    if (!countStarted_) {
        countStarted_ = true;
        count_->Start(records_);
    }
    ScoreCharts charts = ScoreCharts::Of(records_, chosen(), span);
    if (!listed_) {
        for (const auto& player : charts.players)
            players_->addItem(player.name);
        listed_ = true;
    }
    table_->SetCharts(charts, span);
    view_->SetCharts(std::move(charts), span);
    showDifficulty();
}

void ChartsPage::Reset() {
    while (players_->count() > 1)
        players_->removeItem(players_->count() - 1);
    listed_ = false;
    countStarted_ = false;
    count_->Stop();
    if (isVisible()) Refresh();
}

bool ChartsPage::SavePng(const QString& path) const {
    // Twice the size on screen: sharp on paper too.
    QImage image(view_->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPainter p(&image);
    view_->Render(p, QRectF(QPointF(0, 0), view_->size()));
    p.end();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.flush()
        && file.commit();
}

bool ChartsPage::SaveSvg(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(view_->size());
    svg.setViewBox(QRect(QPoint(0, 0), view_->size()));
    svg.setTitle(tr("Quadrell 2000 charts"));
    QPainter p(&svg);
    view_->Render(p, QRectF(QPointF(0, 0), view_->size()));
    p.end();
    return file.error() == QFileDevice::NoError && file.flush() && file.commit();
}

void ChartsPage::save(const QString& suffix, const QString& filter) {
    const QString path
        = QString::fromStdString(prompter_.SaveFileName(QDir::homePath().toStdString(),
            (tr("Quadrell 2000 charts") + suffix).toStdString(), filter.toStdString()));
    if (path.isEmpty()) return;
    const bool saved = suffix == QLatin1String(".png") ? SavePng(path) : SaveSvg(path);
    if (!saved)
        prompter_.Message(
            tr("Cannot write %1.").arg(path).toStdString(), MessageIcon::Stop, kAppTitle);
}

} // namespace quadrell
