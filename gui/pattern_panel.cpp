#include "pattern_panel.h"

#include "app/editor.h"
#include "paint/paint_commands.h"
#include "platform/text_codec.h"

#include <QFont>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr const char* kPreviewFont = "Courier New";

QFont previewFont() {
    QFont font(QString::fromLatin1(kPreviewFont));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace

PatternPanelWidget::PatternPanelWidget(Editor& editor, Runner runner, QWidget* parent)
    : QWidget(parent), editor_(editor), run_(std::move(runner)) {
    fill_ = new QPushButton(QStringLiteral("Fill"), this);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    files_ = new QListWidget(this);
    preview_ = new QPlainTextEdit(this);
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(previewFont());

    auto* bar = new QHBoxLayout;
    bar->addWidget(fill_);
    bar->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(files_, 1);
    layout->addWidget(preview_, 1);

    connect(fill_, &QPushButton::clicked, this, [this] { run(PatternFill); });
    connect(close_, &QPushButton::clicked, this, [this] { run(ClosePatternPanel); });
    connect(files_, &QListWidget::currentRowChanged, this, &PatternPanelWidget::selectFile);
    connect(files_, &QListWidget::itemDoubleClicked, this, [this] { run(PatternFill); });
    setVisible(false);
}

void PatternPanelWidget::run(void (*command)(Editor&)) {
    if (run_)
        run_(command);
    else
        command(editor_);
    sync();
}

void PatternPanelWidget::selectFile(int row) {
    SelectPatternFile(editor_, row);
    sync();
}

void PatternPanelWidget::sync() {
    const PatternPanel& panel = editor_.paintState().patternPanel;
    {
        const QSignalBlocker block(files_);
        QStringList names;
        for (const std::string& name : panel.files())
            names << QString::fromStdString(name);
        QStringList shown;
        for (int i = 0; i < files_->count(); ++i)
            shown << files_->item(i)->text();
        if (names != shown) {
            files_->clear();
            files_->addItems(names);
        }
        files_->setCurrentRow(panel.selected());
    }
    std::string text;
    for (const std::string& line : panel.preview())
        text += line + '\n';
    const QString preview = QString::fromStdString(cp1252ToUtf8(text));
    if (preview_->toPlainText() != preview)
        preview_->setPlainText(preview);
    setVisible(panel.visible());
}

} // namespace glyphora
