#include "code_table_window.h"

#include "app/code_table_commands.h"
#include "app/editor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace glyphora {

namespace {

// Wide enough for the two characters of a control code ("^A").
constexpr int kCellWidth = 28;
constexpr int kCellHeight = 22;
constexpr int kGlyphPoints = 11;
constexpr int kBoxWidth = 44;

QString glyphText(int code, CharSet set) {
    return QString::fromStdString(codeTableGlyph(code, set));
}

QLineEdit* readOnlyBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFixedWidth(kBoxWidth);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

} // namespace

CodeTableWindow::CodeTableWindow(Editor& editor, Runner runner, QWidget* parent)
    : QWidget(parent, Qt::Tool), editor_(editor), run_(std::move(runner)) {
    setWindowTitle(QStringLiteral("ANSI code"));
    grid_ = new QTableWidget(kCodeTableRows, kCodeTableCols, this);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setMinimumSectionSize(kCellWidth);
    grid_->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    grid_->verticalHeader()->setMinimumSectionSize(kCellHeight);
    grid_->verticalHeader()->setDefaultSectionSize(kCellHeight);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Courier New"), kGlyphPoints);
    font.setStyleHint(QFont::Monospace);
    grid_->setFont(font);
    const int frame = 2 * grid_->frameWidth();
    grid_->setFixedSize(kCodeTableCols * kCellWidth + frame, kCodeTableRows * kCellHeight + frame);
    for (int col = 0; col < kCodeTableCols; ++col) {
        for (int row = 0; row < kCodeTableRows; ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(QString::number(codeTableCode(col, row)));
            grid_->setItem(row, col, item);
        }
    }

    character_ = readOnlyBox(this);
    character_->setFont(font);
    decimal_ = readOnlyBox(this);
    hex_ = readOnlyBox(this);
    clipboard_ = new QPushButton(QStringLiteral("&Clipb."), this);
    insert_ = new QPushButton(QStringLiteral("&Insert"), this);
    close_ = new QPushButton(QStringLiteral("Cl&ose"), this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(character_);
    bar->addWidget(decimal_);
    bar->addWidget(hex_);
    bar->addStretch();
    bar->addWidget(clipboard_);
    bar->addWidget(insert_);
    bar->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(grid_, &QTableWidget::currentCellChanged, this, &CodeTableWindow::showSelected);
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this] { run([code = selectedCode()](Editor& e) { InsertCode(e, code); }); });
    connect(clipboard_, &QPushButton::clicked, this,
            [this] { run([code = selectedCode()](Editor& e) { CopyCodeToClipboard(e, code); }); });
    connect(insert_, &QPushButton::clicked, this,
            [this] { run([code = selectedCode()](Editor& e) { InsertCode(e, code); }); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    grid_->setCurrentCell(0, 0);
    sync();
}

int CodeTableWindow::selectedCode() const {
    return codeTableCode(std::max(grid_->currentColumn(), 0), std::max(grid_->currentRow(), 0));
}

void CodeTableWindow::run(const std::function<void(Editor&)>& step) {
    if (run_)
        run_(step);
    else
        step(editor_);
}

void CodeTableWindow::showSelected() {
    const CodeTableFields fields = codeTableFields(selectedCode(), editor_.glyphSet());
    character_->setText(QString::fromStdString(fields.character));
    decimal_->setText(QString::fromStdString(fields.decimal));
    hex_->setText(QString::fromStdString(fields.hex));
}

void CodeTableWindow::sync() {
    const CharSet set = editor_.glyphSet();
    for (int col = 0; col < kCodeTableCols; ++col) {
        for (int row = 0; row < kCodeTableRows; ++row) {
            QTableWidgetItem* item = grid_->item(row, col);
            const QString text = glyphText(codeTableCode(col, row), set);
            if (item->text() != text)
                item->setText(text);
        }
    }
    showSelected();
}

} // namespace glyphora
