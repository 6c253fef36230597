#include "overview/gui/TSizeMapWidget.h"

#include "overview/gui/IOverviewHost.h"

#include "options/SizeUnit.h"
#include "overview/ExtensionGroups.h"
#include "tree/NodePaths.h"
#include "tree/SizeText.h"
#include "tree/TTreeNode.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

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
    painted_.clear();
    frames_.clear();
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
    PreparePaint();
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

void TSizeMapWidget::PreparePaint()
{
    painted_.clear();
    frames_.clear();
    painted_.reserve(cells_.size());
    frames_.reserve(2 * cells_.size());
    const QFontMetrics metrics(font());
    const QColor folderFill(0xd3, 0xd7, 0xcf);
    for (const TMapCell &c : cells_) {
        // Whole pixels: the raster engine fills and frames them fastest,
        // and neighbours share their edges exactly.
        const QRect r(QPoint(int(c.rect.x), int(c.rect.y)),
                      QPoint(int(c.rect.x + c.rect.w) - 1, int(c.rect.y + c.rect.h) - 1));
        if (r.width() < 2 || r.height() < 2)
            continue;
        const bool folder = c.node->IsFolder();
        TPaintedCell p{r,
                       folder ? folderFill.darker(100 + 8 * std::min(c.depth, 6))
                              : GroupColour(ExtensionGroupOf(c.node->Text())),
                       {},
                       {},
                       true};
        p.darkText = folder || p.fill.lightness() > 140;
        // The top and left edges: the bottom and right ones are the edges
        // of the neighbours, or the parent's border.
        frames_.push_back({r.x(), r.y(), r.width(), 1});
        frames_.push_back({r.x(), r.y() + 1, 1, r.height() - 1});
        // A name where it fits: in a folder's header strip, or across a
        // file; a name too long is cut with an ellipsis while a few letters
        // of it still show. A folder too low for the header strip has its
        // contents where the name would go.
        const bool headerStrip = !folder || !c.node->HasChildren() || c.rect.h - 2 >= 3 * Header;
        if (headerStrip && r.width() >= 24 && r.height() >= metrics.height() + 2) {
            const int width = r.width() - 6;
            const QString name = metrics.elidedText(c.node->Text(), Qt::ElideRight, width);
            if (name == c.node->Text() || name.size() >= 4) {
                // Glyphs laid out once here: a paint then only blits them.
                p.label.setTextFormat(Qt::PlainText);
                p.label.setText(name);
                p.label.prepare(QTransform(), font());
                p.labelAt = QPoint(r.x() + 3, r.y() + 1);
            }
        }
        painted_.push_back(std::move(p));
    }
}

void TSizeMapWidget::PaintMap(QPainter &painter)
{
    EnsureLayout();
    painter.fillRect(QRect(0, 0, width(), height()), palette().base());
    painter.setFont(font());
    // Parents come before their children, so the fills nest; the frames
    // go on top in one call.
    for (const TPaintedCell &p : painted_)
        painter.fillRect(p.rect, p.fill);
    // The frames as one-pixel fills in one call: the raster engine fills
    // solid rectangles far faster than it strokes outlines with a pen.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x55, 0x57, 0x53));
    painter.drawRects(frames_.data(), int(frames_.size()));
    for (const TPaintedCell &p : painted_) {
        if (p.label.text().isEmpty())
            continue;
        painter.setPen(p.darkText ? Qt::black : Qt::white);
        painter.drawStaticText(p.labelAt, p.label);
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
    if (event->button() != Qt::LeftButton || !host_)
        return;
    if (!pressed_.isEmpty() && pressedAt_ == event->position()) {
        host_->GoToOverviewItem(pressed_);
    } else if (const TMapCell *cell = CellAt(event->position())) {
        host_->GoToOverviewItem(FullItemPath(cell->node));
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
        const int unit = host_ ? host_->OverviewSizeUnit() : int(SuAuto);
        QToolTip::showText(help->globalPos(),
                           FullItemPath(cell->node) + u'\n' + SizeText(cell->size, unit, false),
                           this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace qbx
