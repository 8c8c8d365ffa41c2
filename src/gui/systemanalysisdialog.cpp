// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/systemanalysisdialog.h"

#include "core/analysis/analysisprint.h"
#include "core/analysis/chances.h"
#include "core/errors.h"
#include "core/files/export.h"
#include "core/files/replacefile.h"
#include "core/platform.h"
#include "core/text/displaynames.h"
#include "core/tickets/printorpdf.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/catalogue.h"
#include "gui/busycursor.h"
#include "gui/chancechart.h"
#include "gui/errorhandler.h"
#include "gui/picturebutton.h"
#include "gui/wheelguard.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

using namespace quillon;

namespace {

constexpr int kProgressSteps = 1000;
// A text file of boards is a few hundred kilobytes at most; anything far larger is not one.
constexpr qint64 kLargestBoardFile = 16 * 1024 * 1024;
// The spread table shows this many counts of winning boards, then "more".
constexpr int kSpreadColumns = 12;

// A figure with 9 significant digits, without an exponent.
QString decimal(double value)
{
    const int magnitude = value > 0 ? int(std::floor(std::log10(value))) : 0;
    return QLocale().toString(value, 'f', std::clamp(8 - magnitude, 0, 20));
}

QString percent(double share)
{
    return decimal(share * 100) + QStringLiteral(" %");
}

QString chanceText(long double chance)
{
    if (chance <= 0)
        return QStringLiteral("0");
    const double oneIn = double(1 / chance);
    return SystemAnalysisDialog::tr("%1 (1 in %2)")
        .arg(percent(double(chance)), QLocale().toString(oneIn, 'f', oneIn < 100 ? 2 : 0));
}

QTableWidget *makeGrid(QWidget *parent, const char *name)
{
    auto *grid = new QTableWidget(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    return grid;
}

// Sized to its contents once it is filled: a header that resizes to its contents
// measures every column again at each cell set.
void fitToContents(QTableWidget *grid)
{
    grid->resizeColumnsToContents();
    grid->resizeRowsToContents();
}

// A row of widgets under the others; the widget at stretchAt takes the spare width, or
// nothing does when it is -1 and the row stays at the left.
void addRow(QVBoxLayout *into, const QList<QWidget *> &widgets, int stretchAt)
{
    auto *row = new QHBoxLayout;
    for (qsizetype i = 0; i < widgets.size(); ++i)
        row->addWidget(widgets[i], i == stretchAt ? 1 : 0);
    if (stretchAt < 0)
        row->addStretch(1);
    into->addLayout(row);
}

// A label of plain text that wraps.
QLabel *makeTextLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

Prompts::FileDialog fileDialog(const QString &title, const QString &filterName, const QString &suffix,
    const QString &initialPath, bool mustExist)
{
    Prompts::FileDialog dialog;
    dialog.title = title;
    dialog.filterName = filterName;
    dialog.filterPattern = QStringLiteral("*.") + suffix;
    dialog.defaultSuffix = suffix;
    dialog.initialPath = initialPath;
    dialog.fileMustExist = mustExist;
    return dialog;
}

void setCell(QTableWidget *grid, int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

} // namespace

SystemAnalysisDialog::SystemAnalysisDialog(Session &session, QWidget *parent)
    : DialogFrame(session, parent, 800, 620)
{
    setObjectName(QStringLiteral("fanalyse"));
    m_picture = makeHeading("Image1", QRect(8, 4, 40, 36),
        style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(32, 32), 56);

    auto *content = new QWidget(this);
    content->setGeometry(8, 44, 784, 568);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);

    m_wheelName = new QLabel(content);
    m_wheelName->setObjectName(QStringLiteral("lroue"));
    m_wheelName->setTextFormat(Qt::PlainText);
    m_openButton = makePictureButton(content, "bouvrir", QStyle::SP_DialogOpenButton, QRect(), 16);
    addRow(layout, { m_wheelName, m_openButton }, 0);

    for (QLabel *&label : m_labels) {
        if (label)
            continue;
        label = new QLabel(content);
        label->setTextFormat(Qt::PlainText);
    }
    m_guaranteeBox = new QSpinBox(content);
    m_guaranteeBox->setObjectName(QStringLiteral("egarantie"));
    m_guaranteeBox->setRange(1, Wheel::kBoardSize);
    m_conditionBox = new QSpinBox(content);
    m_conditionBox->setObjectName(QStringLiteral("econdition"));
    m_conditionBox->setRange(1, Wheel::kBoardSize);
    m_checkButton = makePictureButton(content, "bverifier", QStyle::SP_DialogApplyButton, QRect(), 16);
    addRow(layout, { m_labels[0], m_guaranteeBox, m_labels[1], m_conditionBox, m_checkButton }, -1);

    m_proofLabel = makeTextLabel(content, "lpreuve");
    m_proofLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_proofLabel);
    m_holesText = new QPlainTextEdit(content);
    m_holesText->setObjectName(QStringLiteral("ltrous"));
    m_holesText->setReadOnly(true);
    m_holesText->setMaximumHeight(70);
    m_holesText->hide();
    layout->addWidget(m_holesText);

    m_smallerLabel = makeTextLabel(content, "lpluspetite");
    m_playSmallestButton = makePictureButton(content, "bjouerpetite", QStyle::SP_ArrowRight, QRect(), 16);
    addRow(layout, { m_smallerLabel, m_playSmallestButton }, 0);

    m_lotteryList = new QComboBox(content);
    m_lotteryList->setObjectName(QStringLiteral("cloterie"));
    ignoreWheelUnlessFocused(m_lotteryList);
    m_poolBox = new QSpinBox(content);
    m_poolBox->setObjectName(QStringLiteral("epool"));
    m_poolBox->setRange(kSmallestLotteryPool, kLargestLotteryPool);
    m_poolBox->setValue(40);
    addRow(layout, { m_labels[2], m_lotteryList, m_poolBox }, -1);
    // The search sits below the lottery so that the controls above keep their places.
    m_fillButton = makePictureButton(content, "bcombler", QStyle::SP_DialogApplyButton, QRect(), 16);
    m_shrinkButton = makePictureButton(content, "breduire", QStyle::SP_ArrowDown, QRect(), 16);
    m_labels[6] = new QLabel(content);
    m_labels[6]->setTextFormat(Qt::PlainText);
    m_secondsBox = new QSpinBox(content);
    m_secondsBox->setObjectName(QStringLiteral("esecondes"));
    m_secondsBox->setRange(1, 3600);
    m_secondsBox->setValue(30);
    m_saveWheelButton
        = makePictureButton(content, "benregistrerroue", QStyle::SP_DialogSaveButton, QRect(), 16);
    addRow(layout, { m_fillButton, m_shrinkButton, m_labels[6], m_secondsBox, m_saveWheelButton }, -1);
    m_searchLabel = makeTextLabel(content, "lrecherche");
    layout->addWidget(m_searchLabel);

    m_tabs = new QTabWidget(content);
    m_tabs->setObjectName(QStringLiteral("onglets"));
    // The four tabs fit: no scroll arrows, whose names Qt gives in English only.
    m_tabs->setUsesScrollButtons(false);
    auto *chancesPage = new QWidget;
    auto *chancesLayout = new QVBoxLayout(chancesPage);
    m_chancesGrid = makeGrid(chancesPage, "grillechances");
    m_chancesGrid->setFixedHeight(6 * m_chancesGrid->fontMetrics().height() + 40);
    m_chart = new ChanceChart(chancesPage);
    m_chart->setObjectName(QStringLiteral("graphique"));
    m_averageNote = makeTextLabel(chancesPage, "lmoyenne");
    chancesLayout->addWidget(m_chancesGrid);
    chancesLayout->addWidget(m_chart, 1);
    chancesLayout->addWidget(m_averageNote);
    m_tabs->addTab(chancesPage, QString());

    auto *coveragePage = new QWidget;
    auto *coverageLayout = new QVBoxLayout(coveragePage);
    m_coverageGrid = makeGrid(coveragePage, "grillecouverture");
    m_averageGrid = makeGrid(coveragePage, "grillemoyennes");
    coverageLayout->addWidget(m_labels[3]);
    coverageLayout->addWidget(m_coverageGrid);
    coverageLayout->addWidget(m_labels[4]);
    coverageLayout->addWidget(m_averageGrid);
    m_tabs->addTab(coveragePage, QString());

    auto *spreadPage = new QWidget;
    auto *spreadLayout = new QVBoxLayout(spreadPage);
    m_prizeLevelBox = new QSpinBox(spreadPage);
    m_prizeLevelBox->setObjectName(QStringLiteral("eniveau"));
    m_prizeLevelBox->setRange(3, Wheel::kBoardSize);
    m_prizeLevelBox->setValue(5);
    addRow(spreadLayout, { m_labels[5], m_prizeLevelBox }, -1);
    m_spreadGrid = makeGrid(spreadPage, "grillerepartition");
    spreadLayout->addWidget(m_spreadGrid);
    m_tabs->addTab(spreadPage, QString());

    m_balanceGrid = makeGrid(nullptr, "grilleequilibre");
    m_tabs->addTab(m_balanceGrid, QString());
    layout->addWidget(m_tabs, 1);

    m_progress = new QProgressBar(content);
    m_progress->setObjectName(QStringLiteral("progression"));
    m_progress->setRange(0, kProgressSteps);
    m_cancelButton = makePictureButton(content, "bannuler", QStyle::SP_DialogCancelButton, QRect(), 16);
    m_saveButton = makePictureButton(content, "benregistrer", QStyle::SP_DialogSaveButton, QRect(), 16);
    m_printButton = makePictureButton(content, "bimprime", QStyle::SP_FileIcon, QRect(), 16);
    m_closeButton = makePictureButton(content, "bquit", QStyle::SP_DialogCloseButton, QRect(), 16);
    addRow(layout, { m_progress, m_cancelButton, m_saveButton, m_printButton, m_closeButton }, 0);

    connectClick(m_openButton, this, &SystemAnalysisDialog::openWheel);
    connectClick(m_checkButton, this, &SystemAnalysisDialog::checkGuarantee);
    connectClick(m_cancelButton, this, &SystemAnalysisDialog::cancelComputation);
    connectClick(m_playSmallestButton, this, &SystemAnalysisDialog::switchTable);
    connectClick(m_saveButton, this, &SystemAnalysisDialog::saveFigures);
    connectClick(m_fillButton, this, &SystemAnalysisDialog::fillHoles);
    connectClick(m_shrinkButton, this, &SystemAnalysisDialog::findSmallerWheel);
    connectClick(m_saveWheelButton, this, &SystemAnalysisDialog::saveWheel);
    connectClick(m_printButton, this, &SystemAnalysisDialog::printFigures);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_lotteryList, &QComboBox::currentIndexChanged, this,
        [this] { runGuarded([this] { showChances(); }); });
    connect(m_poolBox, &QSpinBox::valueChanged, this, [this] { runGuarded([this] { showChances(); }); });
    connect(m_prizeLevelBox, &QSpinBox::valueChanged, this, [this] { runGuarded([this] { showSpread(); }); });
    connect(&m_watcher, &QFutureWatcher<WheelAnalysis>::progressValueChanged, m_progress,
        &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<WheelAnalysis>::finished, this,
        [this] { runGuarded([this] { computationFinished(); }); });
    connect(&m_searchWatcher, &QFutureWatcher<FoundWheel>::progressValueChanged, m_progress,
        &QProgressBar::setValue);
    connect(
        &m_searchWatcher, &QFutureWatcher<FoundWheel>::progressTextChanged, m_searchLabel, &QLabel::setText);
    connect(&m_searchWatcher, &QFutureWatcher<FoundWheel>::finished, this,
        [this] { runGuarded([this] { searchFinished(); }); });
    setComputing(false);
}

SystemAnalysisDialog::~SystemAnalysisDialog()
{
    m_watcher.cancel();
    m_searchWatcher.cancel();
    m_watcher.waitForFinished();
    m_searchWatcher.waitForFinished();
}

bool SystemAnalysisDialog::isComputing() const
{
    return m_computing;
}

void SystemAnalysisDialog::onShown()
{
    applyTexts();
    studyWheelInPlay();
}

void SystemAnalysisDialog::onActivated()
{
    applyTexts();
}

void SystemAnalysisDialog::closeEvent(QCloseEvent *event)
{
    cancelComputation();
    m_watcher.waitForFinished();
    m_searchWatcher.waitForFinished();
    DialogFrame::closeEvent(event);
}

void SystemAnalysisDialog::reject()
{
    cancelComputation();
    m_watcher.waitForFinished();
    m_searchWatcher.waitForFinished();
    DialogFrame::reject();
}

void SystemAnalysisDialog::applyTexts()
{
    setTitle(tr("System analysis"));
    m_openButton->setText(tr("Open a wheel…"));
    m_openButton->setToolTip(tr("Check a wheel of your own: a text file with one board of 7 numbers a line"));
    m_labels[0]->setText(tr("Guarantee to check:"));
    m_labels[1]->setText(tr("numbers if"));
    m_guaranteeBox->setAccessibleName(tr("Numbers guaranteed"));
    m_conditionBox->setAccessibleName(tr("Numbers drawn among yours"));
    m_checkButton->setText(tr("Check"));
    m_labels[2]->setText(tr("Lottery:"));
    m_poolBox->setPrefix(tr("7 of "));
    m_poolBox->setAccessibleName(tr("Numbers in the lottery"));
    const int lottery = std::max(0, m_lotteryList->currentIndex());
    {
        const QSignalBlocker quiet(m_lotteryList);
        m_lotteryList->clear();
        const QStringList names = ticketTypeNames();
        for (int t = 1; t <= kTicketTypeCount; ++t)
            m_lotteryList->addItem(
                tr("%1 (7 of %2)").arg(names.at(t - 1).trimmed()).arg(lotteryPool(t)), lotteryPool(t));
        m_lotteryList->addItem(tr("Another lottery"), 0);
        m_lotteryList->setCurrentIndex(lottery);
    }
    m_tabs->setTabText(0, tr("Chances"));
    m_tabs->setTabText(1, tr("Coverage"));
    m_tabs->setTabText(2, tr("Winning boards"));
    m_tabs->setTabText(3, tr("Balance"));
    // The tab bar's scroll arrows, hidden here, carry Qt's English names; a screen reader
    // would still read them.
    const QList<QToolButton *> arrows = m_tabs->tabBar()->findChildren<QToolButton *>();
    for (qsizetype i = 0; i < arrows.size(); ++i)
        arrows[i]->setAccessibleName(i == 0 ? tr("Earlier tabs") : tr("Later tabs"));
    m_labels[3]->setText(tr("Share of the draws in which the best board holds h of the numbers drawn:"));
    m_labels[4]->setText(tr("Average number of boards holding h of the numbers drawn:"));
    m_labels[5]->setText(tr("Prize level (hits on one board):"));
    m_prizeLevelBox->setAccessibleName(m_labels[5]->text());
    m_fillButton->setText(tr("Fill the holes"));
    m_fillButton->setToolTip(tr("Add the fewest boards the search finds that make the guarantee hold"));
    m_shrinkButton->setText(tr("Find a smaller wheel"));
    m_shrinkButton->setToolTip(tr("Search for the same guarantee with fewer boards"));
    m_labels[6]->setText(tr("Search for at most"));
    m_secondsBox->setSuffix(tr(" s"));
    m_secondsBox->setAccessibleName(tr("Seconds the search may take"));
    m_saveWheelButton->setText(tr("Save the wheel…"));
    m_saveWheelButton->setToolTip(tr("Save the boards found as a text file, one board of 7 numbers a line"));
    m_cancelButton->setText(tr("Cancel"));
    m_saveButton->setText(tr("Save the figures…"));
    m_printButton->setText(text(Msg::Print));
    m_closeButton->setText(text(Msg::Quit));
    m_closeButton->setToolTip(text(Msg::CloseWindowHint));
    showSmallerTable();
    showAnalysis();
}

void SystemAnalysisDialog::studyWheelInPlay()
{
    m_wheel = m_session.wheel;
    m_wheelFile.clear();
    m_found = false;
    m_unsaved = false;
    m_searchLabel->clear();
    m_numbers.clear();
    for (int p = 1; p <= m_wheel.poolSize(); ++p)
        m_numbers.push_back(m_session.selection.numbers[size_t(std::clamp(p, 1, kSlotCount))]);
    {
        const QSignalBlocker quietN(m_guaranteeBox);
        const QSignalBlocker quietK(m_conditionBox);
        m_guaranteeBox->setValue(m_wheel.guarantee());
        m_conditionBox->setValue(m_wheel.condition());
    }
    showSmallerTable();
    startComputation();
}

int SystemAnalysisDialog::numberAt(int position) const
{
    return position >= 1 && size_t(position) <= m_numbers.size() ? m_numbers[size_t(position - 1)] : position;
}

QString SystemAnalysisDialog::subsetText(quint32 mask) const
{
    QStringList numbers;
    for (int p = 1; mask; ++p, mask >>= 1)
        if (mask & 1u)
            numbers << QString::number(numberAt(p));
    return numbers.join(QLatin1Char(' '));
}

void SystemAnalysisDialog::startComputation()
{
    m_watcher.cancel();
    m_watcher.waitForFinished();
    m_analysis.reset();
    showAnalysis();
    const int n = m_guaranteeBox->value();
    const int k = m_conditionBox->value();
    if (m_wheel.isEmpty() || n > k || k > m_wheel.poolSize()) {
        m_proofLabel->setText(m_wheel.isEmpty()
                ? tr("This system has no table yet: there is nothing to analyse.")
                : tr("The guarantee cannot be checked: N must be at most K, and K at most the %1 numbers of "
                     "the wheel.")
                      .arg(m_wheel.poolSize()));
        return;
    }
    const Wheel wheel = m_wheel;
    m_progress->setValue(0);
    m_watcher.setFuture(QtConcurrent::run([wheel, n, k](QPromise<WheelAnalysis> &promise) {
        promise.setProgressRange(0, kProgressSteps);
        std::optional<WheelAnalysis> analysis
            = analyseWheel(wheel, n, k, [&promise](quint64 done, quint64 total) {
                  if (promise.isCanceled())
                      return false;
                  promise.setProgressValue(int(done * kProgressSteps / std::max<quint64>(total, 1)));
                  return true;
              });
        if (analysis)
            promise.addResult(std::move(*analysis));
    }));
    setComputing(true);
    m_proofLabel->setText(tr("Counting every way the draw can fall on your numbers…"));
}

void SystemAnalysisDialog::computationFinished()
{
    setComputing(false);
    const QFuture<WheelAnalysis> future = m_watcher.future();
    if (!future.isCanceled() && future.resultCount() > 0) {
        m_analysis = future.result();
        m_progress->setValue(kProgressSteps);
    } else {
        m_progress->setValue(0);
    }
    showAnalysis();
}

void SystemAnalysisDialog::setComputing(bool computing)
{
    m_computing = computing;
    enableButtons();
}

void SystemAnalysisDialog::enableButtons()
{
    m_cancelButton->setEnabled(m_computing);
    m_saveButton->setEnabled(!m_computing && m_analysis.has_value());
    m_printButton->setEnabled(!m_computing && m_analysis.has_value());
    m_checkButton->setEnabled(!m_computing);
    m_openButton->setEnabled(!m_computing);
    m_playSmallestButton->setEnabled(!m_computing);
    // Filling for a wheel with holes; shrinking for one that holds, unless the catalogue
    // already has a smaller table for it.
    const bool proven = !m_computing && m_analysis && !m_wheel.isEmpty();
    const bool smallerKnown = m_wheelFile.isEmpty() && m_wheel.catalogueIndex() >= 1
        && !smallestWheelTable(m_wheel.catalogueIndex()).empty();
    m_fillButton->setEnabled(proven && !m_analysis->proof.holds());
    // Nor is there anything to search for a wheel already at the counting bound.
    m_shrinkButton->setEnabled(proven && m_analysis->proof.holds() && !smallerKnown
        && m_wheel.boardCount()
            > boardLowerBound(m_analysis->proof.guarantee, m_analysis->proof.condition, m_wheel.poolSize()));
    m_secondsBox->setEnabled(!m_computing);
    m_saveWheelButton->setEnabled(!m_computing && m_found);
}

void SystemAnalysisDialog::cancelComputation()
{
    if (!m_computing)
        return;
    if (m_searchWatcher.isRunning()) {
        m_searchWatcher.cancel();
        m_searchLabel->setText(tr("Cancelled."));
        return;
    }
    m_watcher.cancel();
    m_proofLabel->setText(tr("Cancelled."));
}

void SystemAnalysisDialog::fillHoles()
{
    startSearch(WheelSearchGoal::FillHoles);
}

void SystemAnalysisDialog::findSmallerWheel()
{
    startSearch(WheelSearchGoal::Shrink);
}

void SystemAnalysisDialog::startSearch(WheelSearchGoal goal)
{
    if (m_computing || !m_analysis || m_wheel.isEmpty())
        return;
    // The guarantee last checked, which may differ from the one the wheel was opened with.
    const Wheel wheel = withGuarantee(m_wheel, m_analysis->proof.guarantee, m_analysis->proof.condition);
    const qint64 limit = qint64(m_secondsBox->value()) * 1000;
    m_searchedFrom = wheel.boardCount();
    m_filling = goal == WheelSearchGoal::FillHoles;
    m_progress->setValue(0);
    m_searchWatcher.setFuture(QtConcurrent::run([wheel, goal, limit](QPromise<FoundWheel> &promise) {
        promise.setProgressRange(0, kProgressSteps);
        QElapsedTimer clock;
        clock.start();
        int smallest = 0;
        // The bar shows the time spent; the text the smallest table proven so far.
        const auto stop = [&] {
            const qint64 elapsed = std::min(clock.elapsed(), limit);
            promise.setProgressValueAndText(int(elapsed * kProgressSteps / limit),
                smallest > 0 ? tr("Searching… a table of %1 boards so far.").arg(smallest)
                             : tr("Searching…"));
            return promise.isCanceled() || elapsed >= limit;
        };
        std::optional<FoundWheel> found
            = searchBetterWheel(wheel, goal, stop, [&smallest](int boards) { smallest = boards; });
        if (found)
            promise.addResult(std::move(*found));
    }));
    setComputing(true);
    m_searchLabel->setText(tr("Searching…"));
}

void SystemAnalysisDialog::searchFinished()
{
    setComputing(false);
    const QFuture<FoundWheel> future = m_searchWatcher.future();
    m_progress->setValue(0);
    if (future.isCanceled()) {
        m_searchLabel->setText(tr("Cancelled."));
        return;
    }
    if (future.resultCount() == 0 || (!m_filling && future.result().wheel.boardCount() >= m_searchedFrom)) {
        m_searchLabel->setText(m_filling
                ? tr("The search found no table without holes in the time given.")
                : tr("The search found no wheel smaller than these %1 boards in the time given.")
                      .arg(m_searchedFrom));
        return;
    }
    const FoundWheel found = future.result();
    if (m_wheelFile.isEmpty())
        m_wheelFile = displayName(m_wheel, m_session.texts()).simplified();
    m_wheel = found.wheel;
    m_found = true;
    m_unsaved = true;
    {
        const QSignalBlocker quietN(m_guaranteeBox);
        const QSignalBlocker quietK(m_conditionBox);
        m_guaranteeBox->setValue(m_wheel.guarantee());
        m_conditionBox->setValue(m_wheel.condition());
    }
    const int count = m_wheel.boardCount();
    QString outcome;
    if (!m_filling)
        outcome = tr("The same guarantee with %1 boards instead of %2.").arg(count).arg(m_searchedFrom);
    else if (count == m_searchedFrom) // as a fill usually ends
        outcome = tr("The holes are filled: the guarantee holds, still with %1 boards.").arg(count);
    else
        outcome = tr("The holes are filled: the guarantee holds with %1 boards instead of %2.")
                      .arg(count)
                      .arg(m_searchedFrom);
    showSmallerTable();
    startComputation();
    m_searchLabel->setText(outcome);
}

void SystemAnalysisDialog::saveWheel()
{
    if (!m_found)
        return;
    if (!saveFile(fileDialog(tr("Save the wheel"), tr("Boards (*.txt)"), QStringLiteral("txt"),
                      m_wheelFileName, false),
            m_wheelFileName, boardFileText(m_wheel, m_numbers)))
        return;
    m_wheelFile = QFileInfo(m_wheelFileName).fileName();
    m_unsaved = false;
    showAnalysis();
}

void SystemAnalysisDialog::checkGuarantee()
{
    startComputation();
}

void SystemAnalysisDialog::showAnalysis()
{
    m_wheelName->setText(m_wheelFile.isEmpty()
            ? (m_wheel.isEmpty() ? QString() : displayName(m_wheel, m_session.texts()).simplified())
                + (m_wheel.isSmallestTable() ? tr(" — smallest table, %1 boards").arg(m_wheel.boardCount())
                                             : QString())
            : tr("%1: %2 boards over %3 numbers")
                    .arg(QDir::toNativeSeparators(m_wheelFile))
                    .arg(m_wheel.boardCount())
                    .arg(m_wheel.poolSize())
                + (m_unsaved ? tr(" — found by the search, not saved yet") : QString()));
    enableButtons();
    showProof();
    showCoverage();
    showBalance();
    showChances();
    showSpread();
}

void SystemAnalysisDialog::showProof()
{
    m_holesText->clear();
    m_holesText->hide();
    if (!m_analysis)
        return;
    const GuaranteeProof &proof = m_analysis->proof;
    const QString checked = tr("%1 numbers if %2 of your %3 are drawn — checked against all %L4 ways %2 of "
                               "your %3 numbers can be drawn:")
                                .arg(proof.guarantee)
                                .arg(proof.condition)
                                .arg(proof.poolSize)
                                .arg(proof.checked);
    if (proof.holds()) {
        m_proofLabel->setText(checked + QLatin1Char(' ') + tr("holds."));
        return;
    }
    m_proofLabel->setText(checked + QLatin1Char(' ')
        + tr("does not hold: in %L1 of them no board holds %2 numbers.")
              .arg(proof.holeCount)
              .arg(proof.guarantee));
    QStringList lines;
    for (quint32 hole : proof.holes)
        lines << subsetText(hole);
    if (proof.holeCount > proof.holes.size())
        lines << tr("… and %L1 more").arg(proof.holeCount - proof.holes.size());
    m_holesText->setPlainText(lines.join(QLatin1Char('\n')));
    m_holesText->show();
}

void SystemAnalysisDialog::showCoverage()
{
    if (!clearGrids({ m_coverageGrid, m_averageGrid }))
        return;
    const CoverageFigures &f = m_analysis->coverage;
    const int first = std::min(m_analysis->proof.condition, f.maxDrawn());
    QStringList columns;
    for (int h = Wheel::kBoardSize; h >= 0; --h)
        columns << tr("h = %1").arg(h);
    QStringList rows;
    for (int j = first; j <= f.maxDrawn(); ++j)
        rows << tr("%1 drawn").arg(j);
    for (QTableWidget *grid : { m_coverageGrid, m_averageGrid }) {
        grid->setColumnCount(columns.size());
        grid->setRowCount(rows.size());
        grid->setHorizontalHeaderLabels(columns);
        grid->setVerticalHeaderLabels(rows);
    }
    for (int j = first; j <= f.maxDrawn(); ++j)
        for (int h = 0; h <= Wheel::kBoardSize; ++h) {
            const int column = Wheel::kBoardSize - h;
            setCell(m_coverageGrid, j - first, column, h <= j ? percent(f.bestShare(j, h)) : QString());
            setCell(m_averageGrid, j - first, column, h <= j ? decimal(f.averageBoards(j, h)) : QString());
        }
    fitToContents(m_coverageGrid);
    fitToContents(m_averageGrid);
}

bool SystemAnalysisDialog::clearGrids(const QList<QTableWidget *> &grids) const
{
    for (QTableWidget *grid : grids) {
        grid->clear();
        grid->setRowCount(0);
        grid->setColumnCount(0);
    }
    return m_analysis.has_value();
}

void SystemAnalysisDialog::showSpread()
{
    if (!clearGrids({ m_spreadGrid }))
        return;
    const CoverageFigures &f = m_analysis->coverage;
    const int h = m_prizeLevelBox->value();
    const int first = std::max(h, std::min(m_analysis->proof.condition, f.maxDrawn()));
    if (first > f.maxDrawn())
        return;
    // As many columns as some row needs, the last gathering any larger counts.
    int widest = 0;
    for (int j = first; j <= f.maxDrawn(); ++j)
        for (size_t c = 0; c < f.spread[size_t(j)][size_t(h)].size(); ++c)
            if (f.spread[size_t(j)][size_t(h)][c])
                widest = std::max(widest, int(c));
    const int columns = std::min(widest, kSpreadColumns) + 1;
    QStringList labels;
    for (int c = 0; c < columns; ++c)
        labels << (c == kSpreadColumns ? tr("%1 or more").arg(c) : c == 0 ? tr("none") : QString::number(c));
    m_spreadGrid->setColumnCount(columns);
    m_spreadGrid->setRowCount(f.maxDrawn() - first + 1);
    m_spreadGrid->setHorizontalHeaderLabels(labels);
    QStringList rows;
    for (int j = first; j <= f.maxDrawn(); ++j) {
        rows << tr("%1 drawn").arg(j);
        const std::vector<quint64> &spread = f.spread[size_t(j)][size_t(h)];
        const double total = double(f.subsetCount(j));
        for (int c = 0; c < columns; ++c) {
            quint64 count = 0;
            for (size_t i = size_t(c); i < spread.size() && (c == kSpreadColumns || i == size_t(c)); ++i)
                count += spread[i];
            setCell(m_spreadGrid, j - first, c, percent(double(count) / total));
        }
    }
    m_spreadGrid->setVerticalHeaderLabels(rows);
    fitToContents(m_spreadGrid);
}

void SystemAnalysisDialog::showBalance()
{
    if (!clearGrids({ m_balanceGrid }))
        return;
    const std::vector<int> &balance = m_analysis->coverage.balance;
    m_balanceGrid->setRowCount(1);
    m_balanceGrid->setColumnCount(int(balance.size()));
    QStringList numbers;
    for (size_t p = 0; p < balance.size(); ++p) {
        numbers << QString::number(numberAt(int(p) + 1));
        setCell(m_balanceGrid, 0, int(p), QString::number(balance[p]));
    }
    m_balanceGrid->setHorizontalHeaderLabels(numbers);
    m_balanceGrid->setVerticalHeaderLabels({ tr("boards") });
    fitToContents(m_balanceGrid);
}

int SystemAnalysisDialog::chosenPool() const
{
    const int pool = m_lotteryList->currentData().toInt();
    return pool > 0 ? pool : m_poolBox->value();
}

QList<int> SystemAnalysisDialog::figurePools() const
{
    QList<int> pools = ticketLotteryPools();
    if (!pools.contains(chosenPool()))
        pools << chosenPool();
    return pools;
}

void SystemAnalysisDialog::showChances()
{
    m_poolBox->setVisible(m_lotteryList->currentData().toInt() == 0);
    m_chart->clear();
    m_averageNote->clear();
    if (!clearGrids({ m_chancesGrid }))
        return;
    const int pool = chosenPool();
    const std::optional<LotteryChances> chances = lotteryChances(m_analysis->coverage, pool);
    if (!chances) {
        m_averageNote->setText(tr("A lottery drawing 7 of %1 numbers cannot hold your %2 numbers.")
                                   .arg(pool)
                                   .arg(m_analysis->coverage.poolSize));
        return;
    }
    m_chancesGrid->setColumnCount(3);
    m_chancesGrid->setRowCount(5);
    m_chancesGrid->setHorizontalHeaderLabels({ tr("This wheel: a board with h or more"),
        tr("%1 random boards").arg(m_analysis->coverage.boardCount), tr("Boards with h, on average") });
    QStringList rows;
    std::array<double, 5> wheel {};
    std::array<double, 5> random {};
    for (int h = 3; h <= kLotteryDrawn; ++h) {
        rows << tr("h = %1").arg(h);
        setCell(m_chancesGrid, h - 3, 0, chanceText(chances->wheel[size_t(h)]));
        setCell(m_chancesGrid, h - 3, 1, chanceText(chances->random[size_t(h)]));
        setCell(m_chancesGrid, h - 3, 2, decimal(double(chances->expectedBoards[size_t(h)])));
        wheel[size_t(h - 3)] = double(chances->wheel[size_t(h)]);
        random[size_t(h - 3)] = double(chances->random[size_t(h)]);
    }
    m_chancesGrid->setVerticalHeaderLabels(rows);
    fitToContents(m_chancesGrid);
    m_chart->setChances(wheel, random);
    m_averageNote->setText(
        tr("The average number of boards with each number of hits is the same for any %1 boards: a wheel "
           "changes how the hits are spread over the draws, not their average.")
            .arg(m_analysis->coverage.boardCount));
}

void SystemAnalysisDialog::showSmallerTable()
{
    const int system = m_wheel.catalogueIndex();
    const bool fromCatalogue = m_wheelFile.isEmpty() && system >= 1;
    const std::string_view smallest = fromCatalogue ? smallestWheelTable(system) : std::string_view();
    m_playSmallestButton->setVisible(!smallest.empty());
    m_smallerLabel->setVisible(!smallest.empty());
    if (smallest.empty())
        return;
    const SystemDescriptor &d = systemDescriptor(system);
    const int fewer = int(smallest.size() / Wheel::kBoardSize);
    m_smallerLabel->setText(tr("The same guarantee with %1 boards instead of %2: %3 boards, %4 % less. No "
                               "wheel can keep it with fewer than %5 boards.")
                                .arg(fewer)
                                .arg(d.boardCount)
                                .arg(d.boardCount - fewer)
                                .arg(qRound(100.0 * (d.boardCount - fewer) / d.boardCount))
                                .arg(boardLowerBound(d.guarantee, d.condition, d.poolSize)));
    m_playSmallestButton->setText(
        m_session.wheel.isSmallestTable() ? tr("Play the catalogue's table") : tr("Play the smallest table"));
}

void SystemAnalysisDialog::switchTable()
{
    const int system = m_session.wheel.catalogueIndex();
    if (system < 1)
        return;
    m_session.wheel = Wheel::fromCatalogue(
        system, m_session.wheel.isSmallestTable() ? Wheel::Table::Catalogue : Wheel::Table::Smallest);
    generate(m_session.wheel, m_session.boards);
    emit tableInPlayChanged();
    studyWheelInPlay();
}

void SystemAnalysisDialog::openWheel()
{
    Prompts &prompts = *platform().prompts;
    const QString path = prompts.openFileName(
        fileDialog(tr("Open a wheel"), tr("Boards (*.txt)"), QStringLiteral("txt"), m_openFileName, true));
    if (path.isEmpty())
        return;
    m_openFileName = path;
    const auto refuse = [&](const QString &why) {
        prompts.message(QDir::toNativeSeparators(path) + QStringLiteral("\n") + why,
            tr("This wheel cannot be read"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    };
    QFile file(path);
    // Regular files only: opening a named pipe would wait for a writer forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(file.errorString().isEmpty() ? tr("It is not a file.") : file.errorString());
    if (file.size() > kLargestBoardFile)
        return refuse(tr("It is far too large to be a file of boards."));
    QString error;
    BoardFile read = readBoardFile(file.readAll(), m_guaranteeBox->value(), m_conditionBox->value(), &error);
    if (read.wheel.isEmpty())
        return refuse(error);
    m_wheel = read.wheel;
    m_numbers = std::move(read.numbers);
    m_wheelFile = QFileInfo(path).fileName();
    m_found = false;
    m_unsaved = false;
    m_searchLabel->clear();
    const QSignalBlocker quiet(m_conditionBox);
    m_conditionBox->setValue(std::min(m_conditionBox->value(), int(m_wheel.poolSize())));
    m_wheel = withGuarantee(m_wheel, m_guaranteeBox->value(), m_conditionBox->value());
    showSmallerTable();
    startComputation();
}

QStringList SystemAnalysisDialog::figureLines() const
{
    QStringList lines;
    if (!m_analysis)
        return lines;
    lines << m_wheelName->text() << m_proofLabel->text();
    if (m_holesText->isVisible())
        lines << m_holesText->toPlainText().split(QLatin1Char('\n'));
    lines << QString();
    lines << QString::fromLatin1(analysisCsv(m_analysis->coverage, figurePools()))
                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines;
}

void SystemAnalysisDialog::saveFigures()
{
    if (!m_analysis)
        return;
    saveFile(fileDialog(
                 tr("Save the figures"), tr("Figures (*.csv)"), QStringLiteral("csv"), m_saveFileName, false),
        m_saveFileName, analysisCsv(m_analysis->coverage, figurePools()));
}

bool SystemAnalysisDialog::saveFile(
    const Prompts::FileDialog &dialog, QString &lastPath, const QByteArray &bytes)
{
    Prompts &prompts = *platform().prompts;
    const QString chosen = prompts.saveFileName(dialog);
    if (chosen.isEmpty())
        return false;
    const QString path = withDefaultSuffix(chosen, dialog.defaultSuffix);
    lastPath = path;
    if (QFileInfo::exists(path)
        && prompts.message(tr("%1 exists. Replace it?").arg(QDir::toNativeSeparators(path)), dialog.title,
               Prompts::Buttons::YesNo, Prompts::Icon::Question)
            != Prompts::Answer::Yes)
        return false;
    const QString reason = replaceFile(path, bytes);
    if (!reason.isEmpty())
        throw QuillonError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
    return true;
}

void SystemAnalysisDialog::printFigures()
{
    if (!m_analysis)
        return;
    const QStringList lines = figureLines();
    const QString title = tr("System analysis");
    printOrSaveAsPdf(m_session.texts(), PdfFileSplit::OneFile, [&](PrintDevice &device, bool) {
        BusyCursor busy;
        printTextPages(device, title, lines);
    });
}
