#include "overview/gui/TStatsWindow.h"

#include "interaction/HelpContext.h"
#include "overview/ExtensionGroups.h"
#include "overview/OverviewTableModel.h"
#include "overview/StatsTables.h"
#include "overview/gui/IOverviewHost.h"
#include "overview/gui/TOverviewButtons.h"
#include "overview/gui/TSizeMapWidget.h"
#include "tree/CatalogueStats.h"
#include "tree/NodePaths.h"
#include "tree/SizeText.h"
#include "tree/TTreeNode.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace qbx {

namespace {

// The unit of a chart's axis: the one that fits the largest value, whatever
// unit the tables use (an axis of ten-digit byte counts cannot be read).
int ChartUnit(int64_t largest)
{
    if (largest >= int64_t(1) << 30)
        return SuGByte;
    if (largest >= int64_t(1) << 20)
        return SuMByte;
    return largest >= 1024 ? SuKByte : SuByte;
}

QString UnitName(int unit)
{
    // The units of the program's sizes, without their leading space.
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("SizeText", " байт"), QT_TRANSLATE_NOOP("SizeText", " кБ"),
        QT_TRANSLATE_NOOP("SizeText", " МБ"), QT_TRANSLATE_NOOP("SizeText", " ГБ")};
    return QCoreApplication::translate("SizeText", names[std::clamp(unit, 0, 3)]).trimmed();
}

double InUnit(int64_t bytes, int unit)
{
    return std::ldexp(double(bytes), -10 * std::clamp(unit, 0, 3));
}

QWidget *Page(QWidget *table, QWidget *chart)
{
    auto *split = new QSplitter(Qt::Vertical);
    split->addWidget(table);
    if (chart)
        split->addWidget(chart);
    return split;
}

} // namespace

TStatsWindow::TStatsWindow(IOverviewHost &host, QWidget *parent)
    : QDialog(parent), host_(host), discs_(NewDiscTable(this)),
      extensions_(NewExtensionTable(this)), largest_(NewLargestTable(this))
{
    setObjectName(QStringLiteral("StatsWindow"));
    setWindowTitle(QCoreApplication::translate("Overview", "Статистика каталога"));
    SetHelpContext(this, HcOverviewStats);
    setSizeGripEnabled(true);
    resize(760, 560);

    discView_ = NewTable(discs_);
    extensionView_ = NewTable(extensions_);
    largestView_ = NewTable(largest_);
    discView_->setObjectName(QStringLiteral("DiscTable"));
    extensionView_->setObjectName(QStringLiteral("ExtensionTable"));
    largestView_->setObjectName(QStringLiteral("LargestTable"));
    largestView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(largestView_, &QTableView::doubleClicked, this, [this] { GoToItem(); });

    discChart_ = new QChartView;
    extensionChart_ = new QChartView;
    for (QChartView *v : {discChart_, extensionChart_}) {
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumHeight(220);
    }

    tabs_ = new QTabWidget;
    tabs_->addTab(Page(discView_, discChart_), QCoreApplication::translate("Overview", "Диски"));
    tabs_->addTab(Page(extensionView_, extensionChart_),
                  QCoreApplication::translate("Overview", "Расширения"));
    tabs_->addTab(Page(largestView_, nullptr),
                  QCoreApplication::translate("Overview", "Крупные файлы"));
    tabs_->addTab(NewMapPage(), QCoreApplication::translate("Overview", "Карта размеров"));

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("StatsStatus"));
    buttons_ = std::make_unique<TOverviewButtons>(
        *this, host_, [this] { GoToItem(); }, [this] { SaveCsv(); }, HcOverviewStats);
    refresh_ = buttons_->AddAction(QCoreApplication::translate("Overview", "Обновить"),
                                   QStringLiteral("RefreshButton"), [this] { Refresh(); });
    QPushButton *goTo = buttons_->GoTo();
    const auto pageChanged = [this, goTo](int page) { goTo->setEnabled(page == 2); };
    connect(tabs_, &QTabWidget::currentChanged, this, pageChanged);
    pageChanged(tabs_->currentIndex());

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(buttons_->Box());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);
}

TStatsWindow::~TStatsWindow() = default;

QWidget *TStatsWindow::NewMapPage()
{
    auto *page = new QWidget;
    breadcrumb_ = new QLabel;
    breadcrumb_->setObjectName(QStringLiteral("Breadcrumb"));
    breadcrumb_->setTextFormat(Qt::RichText);
    connect(breadcrumb_, &QLabel::linkActivated, this, [this](const QString &link) {
        // A link names how many levels to go up from the item shown.
        const TTreeNode *node = map_->Root();
        for (int up = link.toInt(); node && up > 0; --up)
            node = node->Parent();
        if (node && node->Parent())
            map_->SetRoot(node);
    });
    map_ = new TSizeMapWidget;
    map_->SetHost(&host_);
    connect(map_, &TSizeMapWidget::RootChanged, this,
            [this](const TTreeNode *node) { ShowBreadcrumb(node); });
    QString legend;
    for (int g = 0; g < EgCount; ++g)
        legend += QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;</span>"
                                 "&nbsp;%2&nbsp;&nbsp; ")
                      .arg(TSizeMapWidget::GroupColour(g).name(), ExtensionGroupName(g));
    auto *legendLabel = new QLabel(legend);
    legendLabel->setObjectName(QStringLiteral("Legend"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(breadcrumb_);
    layout->addWidget(map_, 1);
    layout->addWidget(legendLabel);
    return page;
}

void TStatsWindow::ShowBreadcrumb(const TTreeNode *node)
{
    if (!node) {
        breadcrumb_->setText(
            stale_ ? QCoreApplication::translate("Overview", "Каталог изменён: нажмите «Обновить»")
                   : QString());
        return;
    }
    // "CD1 › Music › Live": every part but the last zooms out to it.
    QStringList parts;
    int up = 0;
    for (const TTreeNode *n = node; n && n->Parent(); n = n->Parent(), ++up)
        parts.prepend(
            up == 0
                ? n->Text().toHtmlEscaped()
                : QStringLiteral("<a href=\"%1\">%2</a>").arg(up).arg(n->Text().toHtmlEscaped()));
    const int unit = host_.OverviewSizeUnit();
    breadcrumb_->setText(parts.join(QStringLiteral(" › ")) + QStringLiteral(" (") +
                         SizeText(SubtreeSize(node), unit, false).toHtmlEscaped() +
                         QStringLiteral(")"));
}

QTableView *TStatsWindow::NewTable(TOverviewTableModel *model)
{
    auto *proxy = new QSortFilterProxyModel(this);
    proxy->setSourceModel(model);
    proxy->setSortRole(TOverviewTableModel::KeyRole);
    proxy->setSortLocaleAware(true);
    auto *view = new QTableView;
    view->setModel(proxy);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setAlternatingRowColors(true);
    return view;
}

void TStatsWindow::Refresh()
{
    const TTreeNode *root = host_.OverviewRoot();
    if (!root)
        return;
    QElapsedTimer timer;
    timer.start();
    const TCatalogueStats stats(root, LargestFilesShown);
    const int unit = host_.OverviewSizeUnit();
    FillDiscTable(*discs_, stats, unit);
    FillExtensionTable(*extensions_, stats, unit);
    FillLargestTable(*largest_, stats, unit);
    ShowCharts(stats);
    // The map shows the disc or folder selected in the catalogue, else the
    // first disc.
    const TTreeNode *shown = host_.OverviewSelected();
    while (shown && shown->Parent() && !shown->IsFolder() && shown->Parent()->Parent())
        shown = shown->Parent();
    if (!shown || !shown->Parent())
        shown = root->ChildCount() > 0 ? root->Child(0) : nullptr;
    stale_ = false;
    if (shown)
        map_->SetRoot(shown);
    else
        map_->Clear();
    for (QTableView *v : {discView_, extensionView_, largestView_})
        v->resizeColumnsToContents();
    largestView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    stale_ = false;
    refresh_->setDefault(false);
    const TDiscStats &t = stats.Total();
    status_->setText(
        QCoreApplication::translate("Overview", "Дисков: %1, папок: %2, файлов: %3, размер: %4")
            .arg(stats.Discs().size())
            .arg(QLocale().toString(qint64(t.folders)), QLocale().toString(qint64(t.files)),
                 SizeText(t.bytes, unit, false)));
}

void TStatsWindow::ShowCharts(const TCatalogueStats &stats)
{
    int64_t largest = 0;
    for (const TDiscStats &d : stats.Discs())
        largest = std::max(largest, d.bytes);
    const int unit = ChartUnit(largest);

    auto *discChart = new QChart;
    auto *set = new QBarSet(QCoreApplication::translate("Overview", "Размер, ") + UnitName(unit));
    QStringList labels;
    for (const TDiscStats &d : stats.Discs()) {
        *set << InUnit(d.bytes, unit);
        labels << d.label;
    }
    auto *bars = new QBarSeries;
    bars->append(set);
    discChart->addSeries(bars);
    auto *x = new QBarCategoryAxis;
    x->append(labels);
    discChart->addAxis(x, Qt::AlignBottom);
    bars->attachAxis(x);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.1f"));
    y->setTitleText(set->label());
    y->setMin(0);
    discChart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(y);
    discChart->setTitle(QCoreApplication::translate("Overview", "Размер дисков"));
    discChart->legend()->setVisible(false);
    discChart->setAnimationOptions(QChart::NoAnimation);
    QChart *old = discChart_->chart();
    discChart_->setChart(discChart);
    delete old;

    auto *extChart = new QChart;
    auto *pie = new QPieSeries;
    for (const TExtensionStats &e : stats.Extensions())
        if (e.bytes > 0)
            pie->append(ExtensionText(e.extension), double(e.bytes));
    if (stats.OtherExtensions().bytes > 0)
        pie->append(QCoreApplication::translate("Overview", "прочие"),
                    double(stats.OtherExtensions().bytes));
    extChart->addSeries(pie);
    extChart->setTitle(
        QCoreApplication::translate("Overview", "Расширения, занимающие больше всего места"));
    extChart->legend()->setAlignment(Qt::AlignRight);
    extChart->setAnimationOptions(QChart::NoAnimation);
    old = extensionChart_->chart();
    extensionChart_->setChart(extChart);
    delete old;
}

void TStatsWindow::MarkStale()
{
    if (stale_)
        return;
    stale_ = true;
    status_->setText(
        QCoreApplication::translate("Overview", "Каталог изменён: нажмите «Обновить»"));
    // The map's nodes may be gone: it keeps none until refreshed.
    map_->Clear();
}

void TStatsWindow::GoToItem()
{
    if (tabs_->currentIndex() != 2)
        return;
    const QModelIndex current = largestView_->currentIndex();
    if (!current.isValid())
        return;
    const QString path = current.data(TOverviewTableModel::PathRole).toString();
    if (!path.isEmpty())
        host_.GoToOverviewItem(path);
}

void TStatsWindow::SaveCsv()
{
    const QTableView *views[] = {discView_, extensionView_, largestView_};
    const char *names[] = {QT_TRANSLATE_NOOP("Overview", "диски.csv"),
                           QT_TRANSLATE_NOOP("Overview", "расширения.csv"),
                           QT_TRANSLATE_NOOP("Overview", "крупные файлы.csv")};
    const int page = std::clamp(tabs_->currentIndex(), 0, 2);
    host_.SaveOverviewCsv(this, TableCsv(*views[page]->model()),
                          QCoreApplication::translate("Overview", names[page]));
}

void TStatsWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter goes to the item; Esc closes as in any dialog.
    if (!buttons_->HandleKey(*event, [this] { GoToItem(); }))
        QDialog::keyPressEvent(event);
}

} // namespace qbx
