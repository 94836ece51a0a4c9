#include "progress_widget.h"

#include "app/progress_panel.h"

#include <QPainter>
#include <cmath>

namespace glyphora {

namespace {

constexpr int kSegmentGap = 2;
constexpr int kAnimationMs = 80;
constexpr int kBarTop = 50;
constexpr int kBarHeight = 26;
constexpr int kMargin = 12;

} // namespace

ProgressWidget::ProgressWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    animation_.setInterval(kAnimationMs);
    connect(&animation_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    clock_.start();
}

QPoint ProgressWidget::centredIn(QSize outer, QSize panel) {
    return {static_cast<int>(std::nearbyint(outer.width() * 0.5 - panel.width() * 0.5)),
            static_cast<int>(std::nearbyint(outer.height() * 0.5 - panel.height() * 0.5))};
}

void ProgressWidget::showView(const ProgressView& view) {
    view_ = view;
    if (view_.animated && !animation_.isActive())
        animation_.start();
    else if (!view_.animated)
        animation_.stop();
    if (!view_.visible) {
        hide();
        return;
    }
    if (parentWidget())
        move(centredIn(parentWidget()->size(), size()));
    show();
    raise();
    repaint();
}

void ProgressWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xEC, 0xEC, 0xEC));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setPen(Qt::black);
    QFont text = font();
    text.setBold(true);
    painter.setFont(text);
    painter.drawText(QRect(kMargin, 8, width() - 2 * kMargin, 18), Qt::AlignCenter,
                     QString::fromStdString(view_.caption));
    text.setBold(false);
    painter.setFont(text);
    painter.drawText(QRect(kMargin, 28, width() - 2 * kMargin, 18), Qt::AlignCenter,
                     QString::fromStdString(view_.step));
    paintBar(painter, QRect(kMargin, kBarTop, width() - 2 * kMargin, kBarHeight));
    if (view_.abortable) {
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawText(QRect(kMargin, kBarTop + kBarHeight + 8, width() - 2 * kMargin, 18),
                         Qt::AlignCenter, ProgressPanel::kAbortHint);
    }
}

void ProgressWidget::paintBar(QPainter& painter, const QRect& area) const {
    painter.fillRect(area, QColor(0x30, 0x30, 0x38));
    const int n = ProgressView::kSegments;
    const double segmentWidth = (area.width() - kSegmentGap * (n + 1)) / double(n);
    // While animated a lit block runs along the bar by itself.
    const int runner = view_.animated ? static_cast<int>(clock_.elapsed() / kAnimationMs) % n : -1;
    for (int i = 0; i < n; ++i) {
        const QRectF segment(area.left() + kSegmentGap + i * (segmentWidth + kSegmentGap),
                             area.top() + kSegmentGap, segmentWidth,
                             area.height() - 2 * kSegmentGap);
        const bool lit = view_.segmentOn(i) || (runner >= 0 && std::abs(i - runner) <= 1);
        if (!lit) {
            painter.fillRect(segment, QColor(0x50, 0x50, 0x5A));
            continue;
        }
        // The lit colour runs from green into yellow towards the far end.
        const double t = double(i) / (n - 1);
        const QColor on(static_cast<int>(60 + 195 * t), 200, static_cast<int>(60 * (1 - t)));
        painter.fillRect(segment, on);
        painter.setPen(on.lighter(140));
        painter.drawLine(segment.topLeft(), segment.topRight());
        painter.setPen(on.darker(160));
        painter.drawLine(segment.bottomLeft(), segment.bottomRight());
    }
    QFont caption("Arial");
    caption.setPixelSize(15);
    caption.setBold(true);
    painter.setFont(caption);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, ProgressPanel::kBarCaption);
}

} // namespace glyphora
