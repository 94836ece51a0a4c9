#include "info_window.h"

#include "platform/text_codec.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QVBoxLayout>
#include <array>

namespace glyphora {

namespace {

constexpr int kAboutIconSize = 96;
constexpr int kTextMargin = 8;
constexpr std::array<int, 5> kIconSizes = {16, 24, 32, 48, 256};

QString fromBytes(const std::string& bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

QPixmap renderIcon(QSvgRenderer& svg, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QSvgRenderer svg(QStringLiteral(":/glyphora.svg"));
    QIcon icon;
    if (!svg.isValid())
        return icon;
    for (const int size : kIconSizes)
        icon.addPixmap(renderIcon(svg, size));
    return icon;
}

InfoDialog::InfoDialog(const InfoWindow& window, QWidget* parent) : QDialog(parent) {
    setWindowTitle(fromBytes(window.title));
    auto* column = new QVBoxLayout(this);
    QStringList lines;
    for (const std::string& line : window.lines)
        lines << fromBytes(line);

    if (window.kind == InfoWindow::Kind::About) {
        auto* row = new QHBoxLayout;
        auto* icon = new QLabel(this);
        icon->setPixmap(programIcon().pixmap(kAboutIconSize));
        icon->setAlignment(Qt::AlignTop);
        row->addWidget(icon);
        // The first line is the program's name and version, set as a heading.
        QString html = QStringLiteral("<h2>%1</h2>").arg(lines.value(0).toHtmlEscaped());
        for (qsizetype i = 1; i < lines.size(); ++i)
            html += lines[i].toHtmlEscaped() + QStringLiteral("<br>");
        label_ = new QLabel(html, this);
        label_->setTextFormat(Qt::RichText);
        label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row->addWidget(label_, 1);
        column->addLayout(row);
    } else {
        text_ = new QPlainTextEdit(this);
        text_->setReadOnly(true);
        text_->setLineWrapMode(QPlainTextEdit::NoWrap);
        text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        text_->setPlainText(lines.join('\n'));
        const QFontMetrics metrics(text_->font());
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        // Room for every line, the frame, the document's margins and the text cursor.
        const int chrome =
            2 * (text_->frameWidth() + static_cast<int>(text_->document()->documentMargin())) +
            kTextMargin;
        text_->setMinimumSize(widest + chrome,
                              metrics.lineSpacing() * static_cast<int>(lines.size() + 1) + chrome);
        column->addWidget(text_, 1);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
}

QString InfoDialog::shownText() const {
    return label_ ? label_->text() : text_->toPlainText();
}

} // namespace glyphora
