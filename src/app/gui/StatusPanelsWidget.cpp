#include "app/gui/StatusPanelsWidget.h"

#include "platform/TextRules.h"

#include <QPainter>

#include <algorithm>

namespace qbx {

namespace {
constexpr int PanelGap = 2;
constexpr int TextMargin = 3;
// Panel 1 gives way to panel 0 down to this width, so that both panels stay
// whole at the window's smallest width.
constexpr int LeastPanel1 = 32;
} // namespace

TStatusPanelsWidget::TStatusPanelsWidget(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void TStatusPanelsWidget::SetText(int panel, const QString &given)
{
    // One line: a hint's line breaks become blanks; any other control or
    // format character (from a name shown here) shows as U+FFFD.
    QString text = given;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(u'\r', u' ')
        .replace(u'\n', u' ');
    text = text::Visible(text);
    if (texts_[panel] == text)
        return;
    texts_[panel] = text;
    update();
}

void TStatusPanelsWidget::SetPanelWidth(int panel, int width)
{
    widths_[panel] = width;
    updateGeometry();
    update();
}

int TStatusPanelsWidget::ShownWidth(int panel) const
{
    // Panel 0 keeps its width as long as panel 1 keeps LeastPanel1; panel 1
    // takes the rest of the bar.
    const int room = std::max(0, width() - PanelGap);
    const int panel1 = std::min(room, std::max(LeastPanel1, room - widths_[0]));
    return panel == 0 ? room - panel1 : panel1;
}

QSize TStatusPanelsWidget::sizeHint() const
{
    return {widths_[0] + PanelGap + widths_[1], fontMetrics().height() + 4};
}

QSize TStatusPanelsWidget::minimumSizeHint() const
{
    return {0, fontMetrics().height() + 4};
}

void TStatusPanelsWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    int left = 0;
    for (int i = 0; i < 2; ++i) {
        const QRect r(left, 0, ShownWidth(i), height());
        // A sunken panel: dark top and left edges, light bottom and right.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        const QRect textRect = r.adjusted(TextMargin, 0, -TextMargin, 0);
        p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(texts_[i], Qt::ElideRight, textRect.width()));
        left += ShownWidth(i) + PanelGap;
    }
}

} // namespace qbx
