#include "app/StatusPanelsWidget.h"

#include "platform/TextRules.h"

#include <QPainter>

namespace qbx {

namespace {
constexpr int PanelGap = 2;
constexpr int TextMargin = 3;
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
        const QRect r(left, 0, widths_[i], height());
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
        left += widths_[i] + PanelGap;
    }
}

} // namespace qbx
