#pragma once

#include "tree/SizeMapLayout.h"

#include <QColor>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <vector>

namespace qbx {

class IOverviewHost;

class TTreeNode;

// The size map of a disc or folder: a squarified treemap of its items,
// folders holding their contents, files coloured by their extension group,
// names written where they fit. A click zooms into the top folder under the
// mouse, a double click goes to the item in the catalogue tree; the tooltip
// gives the item's full path and size. Only rectangles of at least 2 pixels
// are drawn.
class TSizeMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit TSizeMapWidget(QWidget *parent = nullptr);

    // The item shown (a disc or folder), or none.
    void SetRoot(const TTreeNode *node);
    const TTreeNode *Root() const { return root_; }
    // The catalogue changed: its nodes may be gone, so none is kept.
    void Clear();

    // Where the tooltip's size unit comes from and where a double click
    // goes; without a host (the benchmark) sizes are automatic and a double
    // click does nothing.
    void SetHost(IOverviewHost *host) { host_ = host; }

    // The cells laid out for the current size (for tests and the benchmark).
    const std::vector<TMapCell> &Cells();
    // The deepest cell at a point, or null.
    const TMapCell *CellAt(QPointF point);
    // Paints the map on a painter of the widget's size.
    void PaintMap(QPainter &painter);
    static QColor GroupColour(int group);

signals:
    // The item shown changed (zoom in or out).
    void RootChanged(const TTreeNode *node);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    // What a paint draws, worked out once per layout: a paint only fills,
    // frames and writes.
    struct TPaintedCell {
        QRect rect;
        QColor fill;
        QStaticText label; // the name, cut to fit; empty where none fits
        QPoint labelAt;
        bool darkText = true;
    };

    void EnsureLayout();
    void PreparePaint();

    const TTreeNode *root_ = nullptr;
    std::vector<TMapCell> cells_;
    std::vector<TPaintedCell> painted_;
    std::vector<QRect> frames_;
    bool laidOut_ = false;
    QString pressed_; // the item under the last press, before it zoomed
    QPointF pressedAt_;
    IOverviewHost *host_ = nullptr;
};

} // namespace qbx
