#include "color_bar.h"

#include "app/editor.h"
#include "canvas_renderer.h"
#include "color/color_commands.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace glyphora {

namespace {

constexpr int kSampleWidth = 60;
constexpr int kBarMargin = 2;

} // namespace

ColorStripWidget::ColorStripWidget(ColorLayer layer, QWidget* parent) : QWidget(parent) {
    setFixedSize(kStripWidth, kStripHeight);
    setToolTip(QString::fromLatin1(layer == ColorLayer::Foreground ? kForegroundStripHint
                                                                   : kBackgroundStripHint));
}

void ColorStripWidget::setStrip(const ColorStrip& strip) {
    strip_ = strip;
    setVisible(strip.visible);
    update();
}

void ColorStripWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int x = 0; x < kStripWidth; ++x)
        painter.fillRect(x, 0, 1, kStripHeight, toQColor(strip_.columns[static_cast<size_t>(x)]));
}

void ColorStripWidget::mousePressEvent(QMouseEvent* event) {
    emit clicked(event->position().toPoint());
}

ColorBar::ColorBar(Editor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor),
      foreground_(new ColorStripWidget(ColorLayer::Foreground, this)),
      background_(new ColorStripWidget(ColorLayer::Background, this)),
      sample_(new QLabel(QString::fromLatin1(kSampleBoxText), this)) {
    sample_->setFixedSize(kSampleWidth, kStripHeight);
    sample_->setAutoFillBackground(true);
    sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sample_->installEventFilter(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kBarMargin, kBarMargin, kBarMargin, kBarMargin);
    layout->addWidget(foreground_);
    layout->addWidget(background_);
    layout->addStretch();
    layout->addWidget(sample_);
    connect(foreground_, &ColorStripWidget::clicked, this, [this](QPoint pos) {
        ColorBarClick(editor_, ColorLayer::Foreground, pos.x(), pos.y());
        emit editorChanged();
    });
    connect(background_, &ColorStripWidget::clicked, this, [this](QPoint pos) {
        ColorBarClick(editor_, ColorLayer::Background, pos.x(), pos.y());
        emit editorChanged();
    });
    sync();
}

void ColorBar::sync() {
    setVisible(editor_.colorState().colorBarShown);
    const ColorPanelImage panel = ColorPanel(editor_.colorMode());
    foreground_->setStrip(panel.foreground);
    background_->setStrip(panel.background);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, toQColor(editor_.ActiveFontColor));
    palette.setColor(QPalette::Window, toQColor(editor_.ActiveBackColor));
    sample_->setPalette(palette);
}

bool ColorBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sample_ && event->type() == QEvent::MouseButtonPress) {
        SampleBoxClick(editor_);
        emit editorChanged();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace glyphora
