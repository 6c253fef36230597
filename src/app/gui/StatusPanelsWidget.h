#pragma once

#include <QString>
#include <QWidget>

#include <array>

namespace qbx {

// The two text panels of the main window's status bar: panel 0 (hints,
// operation titles, record counts) with a width set at show time, and
// panel 1, 150 pixels wide. Together they fill the bar: panel 1 takes what
// panel 0 leaves and, in a narrow window, gives way to it down to a small
// width first. Text that does not fit is cut with an ellipsis.
class TStatusPanelsWidget : public QWidget {
    Q_OBJECT
public:
    explicit TStatusPanelsWidget(QWidget *parent = nullptr);

    QString Text(int panel) const { return texts_[panel]; }
    void SetText(int panel, const QString &text);
    // The width a panel is given; the width it is shown with in the bar.
    int PanelWidth(int panel) const { return widths_[panel]; }
    void SetPanelWidth(int panel, int width);
    int ShownWidth(int panel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QString, 2> texts_;
    std::array<int, 2> widths_{200, 150};
};

} // namespace qbx
