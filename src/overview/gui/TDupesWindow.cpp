#include "overview/gui/TDupesWindow.h"

#include "overview/gui/IOverviewHost.h"
#include "overview/gui/TOverviewButtons.h"

#include "interaction/HelpContext.h"
#include "tree/DuplicateFinder.h"
#include "tree/NodePaths.h"
#include "tree/SizeText.h"
#include "tree/TTreeNode.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qbx {

namespace {

constexpr int BytesRole = Qt::UserRole + 1;
// A group item's place in the groups found.
constexpr int GroupRole = Qt::UserRole + 2;

QString CsvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

TDupesWindow::TDupesWindow(IOverviewHost &host, QWidget *parent) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("DupesWindow"));
    setWindowTitle(QCoreApplication::translate("Overview", "Поиск дубликатов"));
    SetHelpContext(this, HcDuplicates);
    setSizeGripEnabled(true);
    resize(780, 520);

    acrossDiscs_ =
        new QCheckBox(QCoreApplication::translate("Overview", "Только на разных дисках"));
    acrossDiscs_->setObjectName(QStringLiteral("AcrossDiscsCheckBox"));
    minimum_ = new QSpinBox;
    minimum_->setObjectName(QStringLiteral("MinimumSizeSpinBox"));
    minimum_->setRange(0, 1 << 30);
    minimum_->setSuffix(QCoreApplication::translate("SizeText", " кБ"));
    auto *minimumLabel = new QLabel(QCoreApplication::translate("Overview", "Минимальный размер:"));
    minimumLabel->setBuddy(minimum_);
    auto *find = new QPushButton(QCoreApplication::translate("Overview", "Найти"));
    find->setObjectName(QStringLiteral("FindButton"));
    find->setAutoDefault(false);
    connect(find, &QPushButton::clicked, this, [this] { Refresh(); });
    auto *options = new QHBoxLayout;
    options->addWidget(acrossDiscs_);
    options->addSpacing(16);
    options->addWidget(minimumLabel);
    options->addWidget(minimum_);
    options->addStretch(1);
    options->addWidget(find);

    groups_ = new QTreeWidget;
    groups_->setObjectName(QStringLiteral("DupesTree"));
    groups_->setHeaderLabels({QCoreApplication::translate("Overview", "Имя / диск"),
                              QCoreApplication::translate("Overview", "Путь"),
                              QCoreApplication::translate("Overview", "Размер"),
                              QCoreApplication::translate("Overview", "Лишние байты")});
    groups_->setUniformRowHeights(true);
    groups_->setRootIsDecorated(true);
    groups_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    groups_->header()->setStretchLastSection(false);
    connect(groups_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem *item) { FillGroup(item); });
    connect(groups_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item->parent())
            GoToItem();
    });

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("DupesStatus"));
    buttons_ = std::make_unique<TOverviewButtons>(
        *this, host_, [this] { GoToItem(); }, [this] { SaveCsv(); }, HcDuplicates);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(buttons_->Box());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(groups_, 1);
    layout->addLayout(bottom);
}

void TDupesWindow::Refresh()
{
    const TTreeNode *root = host_.OverviewRoot();
    if (!root)
        return;
    const int unit = host_.OverviewSizeUnit();
    found_ = TDuplicateFinder(root, int64_t(minimum_->value()) * 1024, acrossDiscs_->isChecked())
                 .Groups();
    groups_->setUpdatesEnabled(false);
    groups_->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(found_.size()));
    int64_t wasted = 0;
    for (size_t g = 0; g < found_.size(); ++g) {
        const TDuplicateGroup &group = found_[g];
        auto *item = new QTreeWidgetItem;
        item->setText(0, QCoreApplication::translate("Overview", "%1 (%2 шт.)")
                             .arg(group.files.front()->Text())
                             .arg(qlonglong(group.files.size())));
        item->setText(2, SizeText(group.size, unit, false));
        item->setText(3, SizeText(group.Wasted(), unit, false));
        item->setData(0, GroupRole, qulonglong(g));
        item->setData(2, BytesRole, qint64(group.size));
        item->setData(3, BytesRole, qint64(group.Wasted()));
        for (int c : {2, 3})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        items.append(item);
        wasted = AddSizes(wasted, group.Wasted());
    }
    groups_->addTopLevelItems(items);
    // Names and sizes whole; the path takes the rest. A very long name
    // leaves the path at least half of the list.
    for (int c : {0, 2, 3})
        groups_->resizeColumnToContents(c);
    groups_->setColumnWidth(0, std::min(groups_->columnWidth(0), groups_->viewport()->width() / 3));
    groups_->setUpdatesEnabled(true);
    if (!items.isEmpty())
        groups_->setCurrentItem(items.front());
    stale_ = false;
    status_->setText(
        QCoreApplication::translate("Overview", "Групп дубликатов: %1, лишних байтов: %2")
            .arg(QLocale().toString(qlonglong(items.size())), SizeText(wasted, unit, false)));
}

const TDuplicateGroup *TDupesWindow::GroupOf(const QTreeWidgetItem *item) const
{
    if (!item || item->parent())
        return nullptr;
    const size_t g = size_t(item->data(0, GroupRole).toULongLong());
    return g < found_.size() ? &found_[g] : nullptr;
}

void TDupesWindow::FillGroup(QTreeWidgetItem *item)
{
    const TDuplicateGroup *group = GroupOf(item);
    if (!group || item->childCount() > 0)
        return;
    const QString size = item->text(2);
    QList<QTreeWidgetItem *> files;
    for (const TTreeNode *file : group->files) {
        auto *child = new QTreeWidgetItem;
        child->setText(0, DiscLabel(file));
        child->setText(1, ItemPath(file));
        child->setText(2, size);
        child->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        child->setData(0, DupePathRole, FullItemPath(file));
        child->setData(2, BytesRole, qint64(group->size));
        files.append(child);
    }
    item->addChildren(files);
}

QString TDupesWindow::StatusText() const
{
    return status_->text();
}

void TDupesWindow::MarkStale()
{
    if (stale_)
        return;
    stale_ = true;
    // The groups' nodes may be gone: the list goes with them.
    found_.clear();
    groups_->clear();
    status_->setText(QCoreApplication::translate("Overview", "Каталог изменён: нажмите «Найти»"));
}

void TDupesWindow::GoToItem()
{
    const QTreeWidgetItem *item = groups_->currentItem();
    if (!item)
        return;
    // A group goes to its first file.
    const TDuplicateGroup *group = GroupOf(item);
    const QString path =
        group ? FullItemPath(group->files.front()) : item->data(0, DupePathRole).toString();
    if (!path.isEmpty())
        host_.GoToOverviewItem(path);
}

void TDupesWindow::SaveCsv()
{
    QString csv =
        QCoreApplication::translate("Overview", "Группа,Диск,Путь,Размер,Лишние байты\r\n");
    for (size_t g = 0; g < found_.size(); ++g) {
        const TDuplicateGroup &group = found_[g];
        const QString tail = u',' + QString::number(group.size) + u',' +
                             QString::number(group.Wasted()) + QStringLiteral("\r\n");
        for (const TTreeNode *file : group.files)
            csv += QString::number(g + 1) + u',' + CsvField(DiscLabel(file)) + u',' +
                   CsvField(ItemPath(file)) + tail;
    }
    host_.SaveOverviewCsv(this, csv, QCoreApplication::translate("Overview", "дубликаты.csv"));
}

TDupesWindow::~TDupesWindow() = default;

void TDupesWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter goes to the item (in the size box it searches); Esc closes.
    const bool handled = buttons_->HandleKey(*event, [this] {
        if (minimum_->hasFocus())
            Refresh();
        else
            GoToItem();
    });
    if (!handled)
        QDialog::keyPressEvent(event);
}

} // namespace qbx
