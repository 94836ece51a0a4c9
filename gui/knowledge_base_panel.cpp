#include "knowledge_base_panel.h"

#include "app/editor.h"
#include "app/knowledge_base_commands.h"
#include "platform/text_codec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr const char* kListFont = "Courier New";
constexpr int kListFontPoints = 10;

QStringList shownLines(const Editor& editor) {
    QStringList lines;
    for (const std::string& line : editor.knowledgeBase.lines())
        lines << QString::fromStdString(bytesToUtf8(line, editor.glyphSet()));
    return lines;
}

} // namespace

KnowledgeBaseSelector::KnowledgeBaseSelector(const Editor& editor, QWidget* parent)
    : QSpinBox(parent), editor_(editor) {
    // The arrows step through the files; the box only names them.
    lineEdit()->setReadOnly(true);
    setWrapping(false);
}

void KnowledgeBaseSelector::sync() {
    const KnowledgeBase& base = editor_.knowledgeBase;
    const QSignalBlocker block(this);
    setRange(0, std::max(static_cast<int>(base.files().size()) - 1, base.position()));
    setValue(base.position());
    lineEdit()->setText(textFromValue(base.position()));
    lineEdit()->deselect();
}

void KnowledgeBaseSelector::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    lineEdit()->deselect();
}

QString KnowledgeBaseSelector::textFromValue(int value) const {
    const std::vector<std::string>& files = editor_.knowledgeBase.files();
    if (value < 0 || value >= static_cast<int>(files.size()))
        return QString::number(value);
    return QStringLiteral("%1  (%2/%3)")
        .arg(QString::fromStdString(files[static_cast<std::size_t>(value)]))
        .arg(value + 1)
        .arg(files.size());
}

KnowledgeBasePanel::KnowledgeBasePanel(Editor& editor, Runner runner, QWidget* parent)
    : QWidget(parent), editor_(editor), run_(std::move(runner)) {
    selector_ = new KnowledgeBaseSelector(editor_, this);
    list_ = new QListWidget(this);
    QFont font(QString::fromLatin1(kListFont), kListFontPoints);
    font.setStyleHint(QFont::Monospace);
    list_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(selector_);
    layout->addWidget(list_, 1);

    connect(selector_, &QSpinBox::valueChanged, this, [this](int position) {
        run([position](Editor& e) { SelectKnowledgeBaseFile(e, position); });
    });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        run([row](Editor& e) { ShowKnowledgeBaseLine(e, row); });
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        run([row](Editor& e) { CopyKnowledgeBaseLine(e, row); });
    });
    setVisible(false);
}

void KnowledgeBasePanel::run(const std::function<void(Editor&)>& step) {
    if (run_)
        run_(step);
    else
        step(editor_);
    sync();
}

void KnowledgeBasePanel::sync() {
    const KnowledgeBase& base = editor_.knowledgeBase;
    setFixedWidth(editor_.settings().KnowledgeBaseWidth);
    selector_->sync();
    const QStringList lines = shownLines(editor_);
    QStringList listed;
    for (int i = 0; i < list_->count(); ++i)
        listed << list_->item(i)->text();
    if (lines != listed) {
        list_->clear();
        list_->addItems(lines);
    }
    setVisible(base.visible());
}

} // namespace glyphora
