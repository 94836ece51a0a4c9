#pragma once

#include "platform/ui.h"

namespace glyphora {

class Editor;

// "&Options > &Configure " (F6): the configure form over the live settings; "Accept"
// applies it as the matching menu items would, "Abort" changes nothing.
void Configure(Editor& editor);

// The form with the program's present values and the ones "Default" sets.
ConfigureForm configureForm(const Editor& editor);
// What "Accept" does to the one-character fields: each keeps its first character, an empty
// one becomes a blank.
void acceptCharacterFields(ConfigureForm& form);
// Applies an accepted form; false when a value is not what its field takes.
bool applyConfigureForm(Editor& editor, const ConfigureForm& form);

} // namespace glyphora
