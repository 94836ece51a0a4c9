#pragma once

#include "formats/save_browser.h"
#include "platform/ui.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace glyphora {

// "Browser": the save-as browser. Folder and file lists (the files filtered by the chosen
// type's extension), the file-name field, the type groups and their rows with the row's
// fields, and the fixed folders. The rules are SaveBrowserModel's; this only shows them.
class SaveBrowserDialog : public QDialog {
    Q_OBJECT
public:
    SaveBrowserDialog(const SaveBrowserRequest& request, QWidget* parent);

    SaveBrowserReply reply() const { return reply_; }
    const SaveBrowserModel& model() const { return model_; }

    QListWidget* groupList() const { return groups_; }
    QListWidget* rowList() const { return rows_; }
    QListWidget* folderList() const { return folders_; }
    QListWidget* fileList() const { return files_; }
    QLineEdit* fileNameField() const { return field_; }
    QLabel* folderLabel() const { return folderLabel_; }
    QLabel* fieldValue(int index) const { return fieldValues_.at(static_cast<std::size_t>(index)); }
    QLabel* encodingLabel() const { return encoding_; }
    QPushButton* desktopButton() const { return desktop_; }
    QPushButton* programDirButton() const { return programDir_; }
    QPushButton* tempButton() const { return temp_; }
    QPushButton* saveButton() const { return save_; }

    // The fixed folders: on this platform the user's desktop and the system's temporary
    // folder stand for the Windows folders of the same buttons.
    static QString desktopFolder();
    static QString tempFolder();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showGroups();
    void showRow();
    void showFolder();
    void showField();
    void enterFolder(const QString& folder);

    SaveBrowserModel model_;
    QString programFolder_;
    SaveBrowserReply reply_;

    QLabel* folderLabel_;
    QListWidget* folders_;
    QListWidget* files_;
    QLineEdit* field_;
    QListWidget* groups_;
    QListWidget* rows_;
    std::array<QLabel*, 7> fieldLabels_{};
    std::array<QLabel*, 7> fieldValues_{};
    QLabel* encoding_ = nullptr;
    QPushButton* desktop_;
    QPushButton* programDir_;
    QPushButton* temp_;
    QPushButton* save_;
};

} // namespace glyphora
