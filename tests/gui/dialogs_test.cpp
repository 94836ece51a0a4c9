#include "ansi_color_dialog.h"
#include "canvas_renderer.h"
#include "canvas_size_dialog.h"
#include "char_brightness_dialog.h"
#include "configure_dialog.h"
#include "decrease_colors_dialog.h"
#include "html_options_dialog.h"
#include "qt_ui.h"
#include "save_browser_dialog.h"

#include <QtTest>
#include <QtWidgets>

using namespace glyphora;

namespace {

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void decreaseColorsAcceptsOnlyAWholeNumberFromThreeToTheCurrentCount() {
        DecreaseColorsDialog dialog({7, 6}, nullptr);
        QVERIFY(dialog.currentField()->isReadOnly());
        QCOMPARE(dialog.currentField()->text(), QStringLiteral("7"));
        QVERIFY(dialog.globalPalette()->isChecked());
        QVERIFY(dialog.okButton()->isEnabled());
        for (const char* refused : {"2", "8", "4x"}) {
            dialog.newField()->setText(QString::fromLatin1(refused));
            QVERIFY2(!dialog.okButton()->isEnabled(), refused);
        }
        dialog.newField()->setText(QStringLiteral("3"));
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.currentPalette()->setChecked(true);
        dialog.forceBlackWhite()->setChecked(true);
        const DecreaseColorsReply reply = dialog.reply();
        QCOMPARE(reply.newColors, 3);
        QVERIFY(reply.currentPalette && reply.forceBlackWhite);
    }

    void brightnessSliderRunsFromMinusFiftyAtTheTopAndStartsAtZero() {
        CharBrightnessDialog dialog(nullptr);
        QCOMPARE(dialog.slider()->minimum(), -50);
        QVERIFY(dialog.slider()->invertedAppearance());
        dialog.slider()->setValue(-20);
        QCOMPARE(dialog.positionLabel()->text(), QStringLiteral("-20"));
        QCOMPARE(dialog.steps(), -20);
        dialog.show();
        QCOMPARE(dialog.steps(), 0);
        dialog.hide();
    }

    void canvasSizeFollowsTheLockedRatioAndRejectsWhatIsNotAWholeNumber() {
        CanvasSizeDialog dialog({"Resize Canvas:", "80", "50"}, nullptr);
        QVERIFY(dialog.lockRatio()->isChecked());
        dialog.widthField()->selectAll();
        QTest::keyClicks(dialog.widthField(), "40");
        QCOMPARE(dialog.heightField()->text(), QStringLiteral("25"));

        dialog.lockRatio()->setChecked(false); // toggling changes no field
        dialog.heightField()->selectAll();
        QTest::keyClicks(dialog.heightField(), "7");
        QCOMPARE(dialog.widthField()->text(), QStringLiteral("40"));
        QCOMPARE(dialog.reply().height, std::string("7"));

        dialog.lockRatio()->setChecked(true);
        dialog.widthField()->selectAll(); // not a whole number: back to the initial value
        QTest::keyClicks(dialog.widthField(), "x");
        QCOMPARE(dialog.widthField()->text(), QStringLiteral("80"));
        QCOMPARE(dialog.heightField()->text(), QStringLiteral("7"));
    }

    void fontDialogOpensOnTheDrawnFamilyAndKeepsTheRequestedName() {
        const TextFont courier{"Courier New", 10};
        const QString drawn = QFontInfo(toQFont(courier)).family();
        if (drawn == QStringLiteral("Courier New"))
            QSKIP("Courier New is installed: no stand-in to open on");
        QtUi ui;
        QString shownFamily;
        const auto answer = [&](const QString& pick) {
            QTimer::singleShot(0, [&shownFamily, pick] {
                auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                shownFamily = dialog->currentFont().family();
                if (!pick.isEmpty())
                    dialog->setCurrentFont(QFont(pick, 12));
                dialog->accept();
            });
        };
        answer({});
        QCOMPARE(ui.chooseFont(courier)->name, std::string("Courier New"));
        QCOMPARE(shownFamily, drawn);
        // Another family is taken by its own name.
        const QString other = QFontInfo(QFont(QStringLiteral("Sans Serif"))).family();
        answer(other);
        const std::optional<TextFont> picked = ui.chooseFont(courier);
        QCOMPARE(QString::fromStdString(picked->name), other);
        QCOMPARE(picked->size, 12);
    }

    void ansiChooserOffersBrightColoursOnlyForForegrounds() {
        AnsiColorDialog fg(0xA0A8A0, false, nullptr);
        QVERIFY(fg.foregroundButton()->isChecked() && !fg.backgroundButton()->isEnabled());
        QCOMPARE(fg.backgroundButton()->text(), QStringLiteral("Backround"));
        fg.show();
        QVERIFY(fg.brightPanel()->isVisible());
        QTest::mouseClick(fg.field(9), Qt::LeftButton);
        QCOMPARE(fg.color(), 0x5050FFu);
        QTest::mouseClick(fg.okButton(), Qt::LeftButton);
        QCOMPARE(fg.result(), int(QDialog::Accepted));

        AnsiColorDialog bg(0, true, nullptr);
        bg.show();
        QVERIFY(!bg.brightPanel()->isVisible());
        QTest::mouseClick(bg.field(4), Qt::LeftButton);
        QCOMPARE(bg.color(), 0xA00000u);
        QTest::mouseClick(bg.abortButton(), Qt::LeftButton);
        QCOMPARE(bg.result(), int(QDialog::Rejected));
    }

    void saveBrowserFiltersByTheChosenTypeAndAnswersWithTheFieldsPath() {
        QTemporaryDir dir;
        QTemporaryDir prog;
        for (const char* name : {"a.txt", "b.TXT", "c.glg", "noext"})
            touch(dir.filePath(name));
        QVERIFY(QDir(dir.path()).mkdir("sub"));

        SaveBrowserDialog dialog(
            {"pic", 1, dir.path().toStdString(), prog.path().toStdString(), "UTF-8"}, nullptr);
        QCOMPARE(dialog.fileNameField()->text(), QStringLiteral("pic.txt"));
        QCOMPARE(dialog.encodingLabel()->text(), QStringLiteral("UTF-8"));
        QCOMPARE(texts(dialog.fileList()), (QStringList{"a.txt", "b.TXT"}));
        QCOMPARE(texts(dialog.folderList()), (QStringList{"..", "sub"}));
        // Leaving the field forces the type's extension (the model's rule, wired here).
        dialog.fileNameField()->setText(QStringLiteral("other.htm"));
        emit dialog.fileNameField()->textEdited(QStringLiteral("other.htm"));
        emit dialog.fileNameField()->editingFinished();
        QVERIFY(dialog.fileNameField()->text().endsWith(QStringLiteral("/other.txt")));

        dialog.groupList()->setCurrentRow(2);
        dialog.rowList()->setCurrentRow(1);
        QCOMPARE(texts(dialog.fileList()), QStringList{"c.glg"});
        QCOMPARE(dialog.encodingLabel()->text(), QString()); // the grid file has its own
        dialog.groupList()->setCurrentRow(4);
        dialog.rowList()->setCurrentRow(2); // User defined lists every file
        QCOMPARE(texts(dialog.fileList()), (QStringList{"a.txt", "b.TXT", "c.glg", "noext"}));

        // A clicked file's name goes with the fixed folders.
        emit dialog.fileList()->itemClicked(dialog.fileList()->item(0));
        dialog.programDirButton()->click();
        QCOMPARE(dialog.fileNameField()->text(), QDir(prog.path()).filePath("a.txt"));
        dialog.tempButton()->click();
        QCOMPARE(QDir(dialog.folderLabel()->text()), QDir(SaveBrowserDialog::tempFolder()));
        dialog.saveButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.reply().formatCode, 12);
        const QFileInfo saved(QString::fromStdString(dialog.reply().path));
        QCOMPARE(saved.dir(), QDir(SaveBrowserDialog::tempFolder()));
        QCOMPARE(saved.fileName(), QStringLiteral("a.txt"));
    }

    void htmlOptionsShowThePresetTakeTypedFamiliesAndCloseOnlyByOk() {
        const HtmlOptionsForm preset{"Liberation Mono", "12", "3", true, false, true};
        HtmlOptionsDialog dialog(preset, {"Zeta Sans", "arial", "Liberation Mono"}, nullptr);
        QCOMPARE(dialog.windowTitle(),
                 QStringLiteral("HTML Options :      (<BODY...>  and <TABLE..> style tag)"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(dialog.familyBox()->itemText(2), QStringLiteral("Zeta Sans")); // sorted
        QVERIFY(dialog.form() == preset);

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape); // no cancel
        QVERIFY(dialog.isVisible());
        dialog.familyBox()->setEditText(QStringLiteral("Fira Mono"));
        dialog.sizeBox()->setValue(45);
        dialog.borderBox()->setValue(-1);
        dialog.italicBox()->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.form() == (HtmlOptionsForm{"Fira Mono", "30", "0", true, true, true}));
    }

    void configureKeepsOneCharacterPerEditAndDefaultAndInternSetTheirFields() {
        using Kind = ConfigureField::Kind;
        ConfigureForm form;
        form.fields = {
            {"UndoSteps", "\"Undo\" steps:", "Prog. options", Kind::Number, 2, 50, "99", "10", ""},
            {"Autosave", "Autosave all (Min.) :", "Prog. options", Kind::Flag, 0, 0, "Y", "N", ""},
            {"ExternalProgram", "External program:", "Extern settings", Kind::Program, 0, 0,
             "/bin/x", std::nullopt, ""},
            {"FlipHorzDataFile", "Flip:", "Extern settings", Kind::Text, 0, 0, "h.dat", "h",
             "flip"},
            {"FlipVertDataFile", "", "Extern settings", Kind::Text, 0, 0, "v.dat", "v", "flip"},
            {"SolidChar", "SOLID      =", "Painting functions", Kind::Character, 0, 0, "#", "#",
             ""},
        };
        ConfigureDialog dialog(form, nullptr);
        QCOMPARE(dialog.pages()->count(), 3);
        QCOMPARE(dialog.pages()->tabText(2), QStringLiteral("Painting functions"));
        QCOMPARE(dialog.form().fields[0].value, std::string("50")); // the spin edit's range

        auto* solid = qobject_cast<QLineEdit*>(dialog.control("SolidChar"));
        solid->clear();
        QTest::keyClicks(solid, QStringLiteral("ab"));
        QCOMPARE(solid->text(), QStringLiteral("a"));
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Intern"))
                button->click(); // one button for both flip files
        }
        QCOMPARE(dialog.form().fields[3].value, std::string("none (intern)"));
        QCOMPARE(dialog.form().fields[4].value, std::string("none (intern)"));
        dialog.defaultButton()->click();
        const ConfigureForm reset = dialog.form();
        QCOMPARE(reset.fields[0].value, std::string("10"));
        QCOMPARE(reset.fields[2].value, std::string("/bin/x")); // "Default" leaves it
        QCOMPARE(reset.fields[4].value, std::string("v"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
