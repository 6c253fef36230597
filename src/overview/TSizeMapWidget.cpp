#include "overview/TSizeMapWidget.h"

#include "options/SizeUnit.h"
#include "overview/ExtensionGroups.h"
#include "tree/NodePaths.h"
#include "tree/SizeText.h"
#include "tree/TTreeNode.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace qbx {

namespace {

constexpr double Header = 14.0;

bool Contains(const TMapRect &r, QPointF p)
{
    return p.x() >= r.x && p.y() >= r.y && p.x() < r.x + r.w && p.y() < r.y + r.h;
}

} // namespace

TSizeMapWidget::TSizeMapWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SizeMap"));
    setMinimumSize(200, 150);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor TSizeMapWidget::GroupColour(int group)
{
    static const QColor colours[EgCount] = {QColor(0x4e, 0x9a, 0x06), QColor(0xcc, 0x00, 0x00),
                                            QColor(0xed, 0xd4, 0x00), QColor(0x75, 0x50, 0x7b),
                                            QColor(0x34, 0x65, 0xa4), QColor(0xf5, 0x79, 0x00),
                                            QColor(0x88, 0x8a, 0x85)};
    return group >= 0 && group < EgCount ? colours[group] : colours[EgOther];
}

void TSizeMapWidget::SetRoot(const TTreeNode *node)
{
    root_ = node;
    laidOut_ = false;
    update();
    emit RootChanged(node);
}

void TSizeMapWidget::Clear()
{
    root_ = nullptr;
    cells_.clear();
    laidOut_ = false;
    update();
    emit RootChanged(nullptr);
}

void TSizeMapWidget::EnsureLayout()
{
    if (laidOut_)
        return;
    cells_ = root_ ? LayOutSizeMap(root_, {0, 0, double(width()), double(height())},
                                   TSizeMapStyle{2.0, 1.0, Header})
                   : std::vector<TMapCell>();
    laidOut_ = true;
}

const std::vector<TMapCell> &TSizeMapWidget::Cells()
{
    EnsureLayout();
    return cells_;
}

const TMapCell *TSizeMapWidget::CellAt(QPointF point)
{
    EnsureLayout();
    // Children follow their parents, so the last cell containing the point
    // is the deepest one.
    const TMapCell *found = nullptr;
    for (const TMapCell &c : cells_)
        if (Contains(c.rect, point))
            found = &c;
    return found;
}

void TSizeMapWidget::resizeEvent(QResizeEvent *event)
{
    laidOut_ = false;
    QWidget::resizeEvent(event);
}

void TSizeMapWidget::PaintMap(QPainter &painter)
{
    EnsureLayout();
    painter.fillRect(QRect(0, 0, width(), height()), palette().base());
    const QFontMetrics metrics(painter.font());
    const QColor frame(0x55, 0x57, 0x53);
    for (const TMapCell &c : cells_) {
        if (c.rect.w < 2 || c.rect.h < 2)
            continue;
        const QRectF r(c.rect.x, c.rect.y, c.rect.w, c.rect.h);
        const bool folder = c.node->IsFolder();
        QColor fill = folder ? QColor(0xd3, 0xd7, 0xcf).darker(100 + 8 * std::min(c.depth, 6))
                             : GroupColour(ExtensionGroupOf(c.node->Text()));
        painter.fillRect(r, fill);
        painter.setPen(frame);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        // A name where it fits: in a folder's header strip, or across a file.
        if (r.width() < 24 || r.height() < metrics.height() + 2)
            continue;
        const QRectF text = folder ? QRectF(r.x() + 3, r.y() + 1, r.width() - 6, Header - 1)
                                   : r.adjusted(3, 1, -3, -1);
        if (metrics.horizontalAdvance(c.node->Text()) > text.width())
            continue;
        painter.setPen(folder || fill.lightness() > 140 ? Qt::black : Qt::white);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, c.node->Text());
    }
}

void TSizeMapWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintMap(painter);
}

void TSizeMapWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const TMapCell *cell = CellAt(event->position());
    if (!cell)
        return;
    pressed_ = FullItemPath(cell->node);
    pressedAt_ = event->position();
    // Zoom one level: into the folder directly below the item shown.
    const TTreeNode *node = cell->node;
    while (node->Parent() && node->Parent() != root_)
        node = node->Parent();
    if (node->Parent() == root_ && node->IsFolder() && node->HasChildren())
        SetRoot(node);
}

void TSizeMapWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first click of the two may have zoomed already: the item meant
    // is the one it was pressed on.
    if (event->button() != Qt::LeftButton || !goToItem)
        return;
    if (!pressed_.isEmpty() && pressedAt_ == event->position()) {
        goToItem(pressed_);
    } else if (const TMapCell *cell = CellAt(event->position())) {
        goToItem(FullItemPath(cell->node));
    }
}

bool TSizeMapWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const TMapCell *cell = CellAt(help->pos());
        if (!cell) {
            QToolTip::hideText();
            return true;
        }
        const int unit = sizeUnit ? sizeUnit() : int(SuAuto);
        QToolTip::showText(help->globalPos(),
                           FullItemPath(cell->node) + u'\n' + SizeText(cell->size, unit, false),
                           this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace qbx
