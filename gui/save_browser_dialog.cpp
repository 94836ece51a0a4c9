#include "save_browser_dialog.h"

#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr const char* kParentFolder = "..";
constexpr int kListMinimumWidth = 160;

QString toQ(const std::string& text) {
    return QString::fromStdString(text);
}

// Windows' "*.*" means every file; here it would need a dot in the name.
QString listingMask(const std::string& mask) {
    return mask == "*.*" ? QStringLiteral("*") : toQ(mask);
}

} // namespace

QString SaveBrowserDialog::desktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString SaveBrowserDialog::tempFolder() {
    return QDir::tempPath();
}

SaveBrowserDialog::SaveBrowserDialog(const SaveBrowserRequest& request, QWidget* parent)
    : QDialog(parent), model_(request.formatCode, request.fileName,
                              QDir::cleanPath(toQ(request.folder)).toStdString()),
      programFolder_(toQ(request.programDir)) {
    setWindowTitle(QStringLiteral("Browser"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    folderLabel_ = new QLabel(this);
    folders_ = new QListWidget(this);
    files_ = new QListWidget(this);
    field_ = new QLineEdit(QStringLiteral("*.*"), this);
    groups_ = new QListWidget(this);
    rows_ = new QListWidget(this);
    folders_->setMinimumWidth(kListMinimumWidth);
    files_->setMinimumWidth(kListMinimumWidth);

    desktop_ = new QPushButton(QStringLiteral("&Desktop"), this);
    programDir_ = new QPushButton(QStringLiteral("&Prog.dir."), this);
    temp_ = new QPushButton(QStringLiteral("&Temp."), this);
    save_ = new QPushButton(QStringLiteral("Save/C&ontinue"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    save_->setDefault(true);

    auto* fields = new QFormLayout;
    const std::vector<SaveBrowserModel::LabelledField> rowFields = model_.rowFields();
    for (std::size_t i = 0; i < fieldValues_.size(); ++i) {
        fieldLabels_[i] = new QLabel(toQ(std::string(rowFields[i].label)), this);
        fieldValues_[i] = new QLabel(this);
        fields->addRow(fieldLabels_[i], fieldValues_[i]);
    }
    model_.setDocumentEncoding(request.textEncoding);
    encoding_ = new QLabel(this);
    fields->addRow(QStringLiteral("Encoding:"), encoding_);

    auto* places = new QHBoxLayout;
    places->addWidget(desktop_);
    places->addWidget(programDir_);
    places->addWidget(temp_);

    auto* lists = new QGridLayout;
    lists->addWidget(folderLabel_, 0, 0, 1, 2);
    lists->addWidget(folders_, 1, 0);
    lists->addWidget(files_, 1, 1);
    lists->addWidget(field_, 2, 0, 1, 2);
    lists->addLayout(places, 3, 0, 1, 2);

    auto* types = new QVBoxLayout;
    types->addWidget(groups_);
    types->addWidget(rows_);
    types->addLayout(fields);

    auto* top = new QHBoxLayout;
    top->addLayout(lists, 2);
    top->addLayout(types, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    for (const std::string_view group : fileFormatGroups())
        groups_->addItem(toQ(std::string(group)));
    showGroups();
    showFolder();
    showField();

    connect(groups_, &QListWidget::currentRowChanged, this, [this](int group) {
        if (group < 0 || group == model_.group())
            return;
        model_.chooseGroup(group);
        showGroups();
        showFolder();
        showField();
    });
    connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == model_.row())
            return;
        model_.chooseRow(row);
        showRow();
        showFolder();
        showField();
    });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString name = item->text();
        QDir dir(toQ(model_.folder()));
        if (name == QLatin1String(kParentFolder) ? dir.cdUp() : dir.cd(name))
            enterFolder(dir.absolutePath());
    });
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.clickFile(item->text().toStdString());
        showField();
    });
    connect(field_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.editField(text.toStdString()); });
    connect(field_, &QLineEdit::editingFinished, this, [this] {
        model_.leaveField();
        showField();
    });
    connect(desktop_, &QPushButton::clicked, this, [this] { enterFolder(desktopFolder()); });
    connect(programDir_, &QPushButton::clicked, this, [this] { enterFolder(programFolder_); });
    connect(temp_, &QPushButton::clicked, this, [this] { enterFolder(tempFolder()); });
    connect(save_, &QPushButton::clicked, this, [this] {
        model_.editField(field_->text().toStdString());
        const SaveBrowserModel::Choice choice = model_.accept();
        reply_ = {choice.formatCode, choice.path};
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SaveBrowserDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void SaveBrowserDialog::showGroups() {
    const QSignalBlocker blockGroups(groups_);
    const QSignalBlocker blockRows(rows_);
    groups_->setCurrentRow(model_.group());
    rows_->clear();
    for (const std::string& name : model_.rowNames())
        rows_->addItem(toQ(name));
    showRow();
}

void SaveBrowserDialog::showRow() {
    const QSignalBlocker blockRows(rows_);
    rows_->setCurrentRow(model_.row());
    const std::vector<SaveBrowserModel::LabelledField> fields = model_.rowFields();
    for (std::size_t i = 0; i < fieldValues_.size(); ++i)
        fieldValues_[i]->setText(toQ(fields[i].value));
    encoding_->setText(toQ(model_.encodingShown()));
}

void SaveBrowserDialog::showFolder() {
    const QDir dir(toQ(model_.folder()));
    folderLabel_->setText(QDir::toNativeSeparators(dir.absolutePath()));
    folders_->clear();
    if (!dir.isRoot())
        folders_->addItem(QLatin1String(kParentFolder));
    folders_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    files_->clear();
    files_->addItems(
        dir.entryList(QStringList{listingMask(model_.fileMask())}, QDir::Files, QDir::Name));
}

void SaveBrowserDialog::showField() {
    field_->setText(toQ(model_.fileName()));
}

void SaveBrowserDialog::enterFolder(const QString& folder) {
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    model_.changeFolder(QDir::cleanPath(folder).toStdString());
    showFolder();
    showField();
}

} // namespace glyphora
