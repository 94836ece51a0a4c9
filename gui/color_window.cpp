#include "color_window.h"

#include "app/editor.h"
#include "canvas_renderer.h"
#include "color/color_window_commands.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace glyphora {

namespace {

constexpr int kLabelHeight = 16;
constexpr int kGap = 2;
constexpr int kExtendedWidth = 75;
constexpr int kExtendedLeft = 30;
constexpr int kToolSize = 22;
constexpr int kIconSize = 16;
constexpr int kSampleFontPixels = 13;

const ColorWindowImage kImages[] = {ColorWindowImage::RgbPalette, ColorWindowImage::AnsiPalette,
                                    ColorWindowImage::FreeColor};

QLabel* boldLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Buttons 1 and 2 share a "colour from the cell" image, 3 and 4 a "colour the selection"
// image.
QIcon toolIcon(int button) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    switch (button) {
    case 1:
    case 2:
        painter.drawRect(1, 1, 9, 9);
        painter.drawLine(10, 10, 15, 15);
        break;
    case 3:
    case 4:
        painter.setPen(Qt::DashLine);
        painter.drawRect(1, 1, 13, 13);
        painter.fillRect(4, 4, 8, 8, Qt::darkBlue);
        break;
    default:
        painter.drawText(pixmap.rect(), Qt::AlignCenter, button == 5 ? "C" : "P");
        break;
    }
    return QIcon(pixmap);
}

MouseButton toMouseButton(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        return MouseButton::Left;
    return button == Qt::RightButton ? MouseButton::Right : MouseButton::Middle;
}

} // namespace

SwatchImage::SwatchImage(Editor& editor, ColorWindowImage image, QWidget* parent)
    : QWidget(parent), editor_(editor), image_(image) {
    setFixedSize(ColorWindowModel::imageWidth(image), ColorWindowModel::imageHeight(image));
}

void SwatchImage::paintEvent(QPaintEvent*) {
    const std::optional<ColorWindowModel>& model = editor_.colorState().colorWindow;
    if (!model)
        return;
    QPainter painter(this);
    const int step = ColorWindowModel::kSwatch;
    for (int y = 0; y < height(); y += step) {
        for (int x = 0; x < width(); x += step) {
            if (const std::optional<Color> color = model->colorAt(image_, x, y))
                painter.fillRect(x, y, step, step, toQColor(*color));
        }
    }
}

void SwatchImage::mousePressEvent(QMouseEvent* event) {
    emit clicked(event->position().toPoint(), event->button());
}

ColorWindow::ColorWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      editor_(editor) {
    setWindowTitle(QString::fromLatin1(ColorWindowModel::kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ColorWindowModel::kClientWidth, ColorWindowModel::kClientHeight);

    int y = 0;
    const auto place = [&y](QWidget* widget, int x, int height) {
        widget->move(x, y);
        y += height + kGap;
    };
    const char* captions[] = {"RGB (NN):", "ANSI:", "Other:"};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = boldLabel(captions[i], this);
        label->setFixedSize(ColorWindowModel::kClientWidth, kLabelHeight);
        place(label, 0, kLabelHeight);
        auto* image = new SwatchImage(editor_, kImages[i], this);
        images_[static_cast<size_t>(i)] = image;
        connect(image, &SwatchImage::clicked, this, [this, i](QPoint pos, Qt::MouseButton b) {
            ColorWindowClick(editor_, kImages[i], pos.x(), pos.y(), toMouseButton(b));
            posted();
        });
        if (kImages[i] == ColorWindowImage::FreeColor) {
            extended_ = new QPushButton(QStringLiteral("Extended"), this);
            extended_->setFixedSize(kExtendedWidth, ColorWindowModel::kSwatch);
            extended_->move(kExtendedLeft, y);
            connect(extended_, &QPushButton::clicked, this, [this] {
                ColorWindowExtended(editor_);
                images_[2]->update();
            });
        }
        place(image, 0, image->height());
    }

    sample_ = new QLabel(QString::fromLatin1(ColorWindowModel::kSampleText), this);
    QFont font(QStringLiteral("Courier New"));
    font.setBold(true);
    font.setCapitalization(QFont::AllUppercase);
    font.setPixelSize(kSampleFontPixels);
    sample_->setFont(font);
    sample_->setAutoFillBackground(true);
    sample_->setFixedSize(ColorWindowModel::kClientWidth, ColorWindowModel::kSampleHeight);
    place(sample_, 0, ColorWindowModel::kSampleHeight);

    for (int b = 1; b <= 6; ++b) {
        auto* tool = new QToolButton(this);
        tool->setIcon(toolIcon(b));
        tool->setToolTip(
            QString::fromLatin1(ColorWindowModel::kToolHints[static_cast<size_t>(b - 1)]));
        tool->setFixedSize(kToolSize, kToolSize);
        tool->move((b - 1) * (kToolSize + 1), y);
        connect(tool, &QToolButton::clicked, this, [this, b] {
            ColorWindowToolButton(editor_, b);
            posted();
        });
        tools_[static_cast<size_t>(b - 1)] = tool;
    }
    showSample();
}

SwatchImage* ColorWindow::image(ColorWindowImage which) const {
    for (int i = 0; i < 3; ++i) {
        if (kImages[i] == which)
            return images_[static_cast<size_t>(i)];
    }
    return nullptr;
}

void ColorWindow::posted() {
    // Handled later, on the user-interface thread, in the order posted.
    if (deliveryQueued_)
        return;
    deliveryQueued_ = true;
    QMetaObject::invokeMethod(this, &ColorWindow::deliver, Qt::QueuedConnection);
}

void ColorWindow::deliver() {
    deliveryQueued_ = false;
    const bool pending = !editor_.colorState().toMainWindow.empty();
    DeliverColorNotifications(editor_);
    showSample();
    if (pending)
        emit editorChanged();
}

void ColorWindow::showSample() {
    const std::optional<ColorWindowModel>& model = editor_.colorState().colorWindow;
    if (!model)
        return;
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, toQColor(model->sampleFont()));
    palette.setColor(QPalette::Window, toQColor(model->sampleBack()));
    sample_->setPalette(palette);
}

void ColorWindow::closeEvent(QCloseEvent* event) {
    // Closing always succeeds and clears the menu's check mark.
    if (isColorWindowChecked(editor_)) {
        ColorWindowClosed(editor_);
        emit editorChanged();
    }
    event->accept();
}

ColorWindowController::ColorWindowController(Editor& editor, QWidget* owner)
    : QObject(owner), editor_(editor), owner_(owner) {}

ColorWindowController::~ColorWindowController() {
    delete window_.data();
}

void ColorWindowController::sync() {
    const bool open = isColorWindowChecked(editor_);
    if (!open) {
        if (window_)
            window_->close();
        return;
    }
    if (!window_) {
        window_ = new ColorWindow(editor_, owner_);
        connect(window_, &ColorWindow::editorChanged, this, &ColorWindowController::editorChanged);
        window_->show();
    }
    window_->deliver();
}

} // namespace glyphora
