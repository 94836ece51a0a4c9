#include "config/configure_commands.h"
#include "editor_fixture.h"

namespace glyphora {
namespace {

struct ConfigureCommand : test::EditorTest {
    std::string value(std::string_view name) {
        ConfigureForm form = configureForm(editor);
        return form.find(name)->value;
    }
};

TEST_F(ConfigureCommand, TheFormShowsTheLiveValuesAndAcceptApplesThemAsTheMenusWould) {
    editor.settings().ExternalProgram = "/usr/bin/true";
    editor.ApplyFontSize(12);
    editor.setShowGrid(false);
    EXPECT_EQ(value("FontSize"), "12"); // the canvas's, not the settings record's
    EXPECT_EQ(value("ShowGrid"), "N");

    ui.queueAnswer("UndoSteps=5;SolidChar=ab;PasteSpecialChar=;FontSize=1;ShowGrid=Y;"
                   "Autosave=Y;AutosaveInterval=3;CopyGridWidth=9999");
    Configure(editor);
    const Settings& s = editor.settings();
    EXPECT_EQ(s.SolidChar, "a");               // one character
    EXPECT_EQ(s.PasteSpecialChar, " ");        // empty becomes a blank
    EXPECT_EQ(editor.canvas().font().size, 2); // the form allows 1, the canvas 2
    EXPECT_EQ(editor.canvas().metrics.gridLineWidth, 1);
    EXPECT_TRUE(ui.timerEnabled(TimerId::Autosave));
    EXPECT_EQ(ui.timerInterval(TimerId::Autosave), 300000);
    EXPECT_EQ(s.CopyGridWidth, 400); // as far as its spin edit goes

    // "Abort" changes nothing; "Default" leaves the external program and falls back to the
    // built-in tables when their files are missing.
    ui.queueAnswer("abort");
    Configure(editor);
    EXPECT_EQ(s.UndoSteps, 5);
    ui.queueAnswer("default");
    editor.settings().InvertDataFile = "mine.dat";
    Configure(editor);
    EXPECT_EQ(s.UndoSteps, 10);
    EXPECT_EQ(s.InvertDataFile, "none (intern)");
    EXPECT_EQ(s.ExternalProgram, "/usr/bin/true");
    EXPECT_EQ(editor.canvas().font().size, 6);
}

TEST_F(ConfigureCommand, AValueItsFieldCannotTakeIsAnInternalFailure) {
    ui.queueAnswer("UndoSteps=many");
    Configure(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(editor.status().field(3), "ERROR: Intern failure, please restart prog.");
    EXPECT_EQ(editor.settings().UndoSteps, 10);
}

} // namespace
} // namespace glyphora
