#pragma once

#include "color/color_window.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QToolButton;

namespace glyphora {

class Editor;

// One swatch image of the colour window, drawn from the window's model.
class SwatchImage : public QWidget {
    Q_OBJECT
public:
    SwatchImage(Editor& editor, ColorWindowImage image, QWidget* parent);

signals:
    void clicked(QPoint pos, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Editor& editor_;
    ColorWindowImage image_;
};

// " ColorDlg": the colour dialog window, a thin view of the Editor's colour window model.
// Clicks post notifications to the main window; they are handled by a queued invocation,
// in order, and editorChanged() then asks the main window to show the new state.
class ColorWindow : public QWidget {
    Q_OBJECT
public:
    ColorWindow(Editor& editor, QWidget* parent = nullptr);

    // Handles every posted notification, both directions, and shows the sample.
    void deliver();

    SwatchImage* image(ColorWindowImage which) const;
    QLabel* sampleBox() const { return sample_; }
    QPushButton* extendedButton() const { return extended_; }
    QToolButton* toolButton(int button) const { return tools_.at(static_cast<size_t>(button - 1)); }

signals:
    void editorChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void posted();
    void showSample();

    Editor& editor_;
    std::array<SwatchImage*, 3> images_{};
    QLabel* sample_ = nullptr;
    QPushButton* extended_ = nullptr;
    std::array<QToolButton*, 6> tools_{};
    bool deliveryQueued_ = false;
};

// Opens and closes the colour window as the Editor's "Color &Dialog Window" state says and
// delivers the notifications posted to it. The main window calls sync() after every command.
class ColorWindowController : public QObject {
    Q_OBJECT
public:
    ColorWindowController(Editor& editor, QWidget* owner);
    ~ColorWindowController() override;

    void sync();
    ColorWindow* window() const { return window_; }

signals:
    void editorChanged();

private:
    Editor& editor_;
    QWidget* owner_;
    QPointer<ColorWindow> window_;
};

} // namespace glyphora
