#pragma once

#include "color/color_bar.h"
#include "color/color_layer.h"

#include <QWidget>

class QLabel;

namespace glyphora {

class Editor;

// One strip of the colour bar, painted from the core's ColorPanel image.
class ColorStripWidget : public QWidget {
    Q_OBJECT
public:
    ColorStripWidget(ColorLayer layer, QWidget* parent);
    void setStrip(const ColorStrip& strip);
    const ColorStrip& strip() const { return strip_; }

signals:
    void clicked(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ColorStrip strip_;
};

// BRPanel, the colour bar above the canvas: the "Foreground" and "Background" strips and
// the sample box "  Color" in the active colours. Hidden in Plain mode. A click picks an
// active colour (or, on the sample box, opens the colour dialogs); editorChanged() then
// asks the main window to show the new state.
class ColorBar : public QWidget {
    Q_OBJECT
public:
    ColorBar(Editor& editor, QWidget* parent = nullptr);

    // Brings visibility, strips and sample in line with the Editor.
    void sync();

    ColorStripWidget* foregroundStrip() const { return foreground_; }
    ColorStripWidget* backgroundStrip() const { return background_; }
    QLabel* sampleBox() const { return sample_; }

signals:
    void editorChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Editor& editor_;
    ColorStripWidget* foreground_;
    ColorStripWidget* background_;
    QLabel* sample_;
};

} // namespace glyphora
