#pragma once

#include "platform/progress.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace glyphora {

// Draws the progress panel: operation text, step text, the 20-segment bar and the abort
// hint. While the bar is animated it runs by itself whenever the event loop gets a turn.
class ProgressWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;
    static constexpr int kHeight = 118;

    explicit ProgressWidget(QWidget* parent);

    // Takes the new state, centres the panel over the parent and paints it at once.
    void showView(const ProgressView& view);
    const ProgressView& view() const { return view_; }

    // left = round(W x 0.5 - w x 0.5), top likewise.
    static QPoint centredIn(QSize outer, QSize panel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBar(QPainter& painter, const QRect& area) const;

    ProgressView view_;
    QTimer animation_;
    QElapsedTimer clock_;
};

} // namespace glyphora
