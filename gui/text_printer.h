#pragma once

#include "platform/ui.h"

class QPrinter;

namespace glyphora {

// Prints the job's lines in its font, page after page, on a printer that is set up (a real
// one, or a PDF file); false when the printer reports an error.
bool printLines(QPrinter& printer, const PrintJob& job);

} // namespace glyphora
