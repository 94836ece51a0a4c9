#include "text_printer.h"

#include "canvas_renderer.h"

#include <QPrinter>
#include <QTextDocument>

namespace glyphora {

bool printLines(QPrinter& printer, const PrintJob& job) {
    std::string joined;
    for (const std::string& line : job.lines) {
        joined += line;
        joined += '\n';
    }
    QTextDocument document;
    document.setDefaultFont(toQFont(job.font));
    document.setPlainText(QString::fromStdString(bytesToUtf8(joined, job.charSet)));
    printer.setDocName(QString::fromStdString(cp1252ToUtf8(job.title)));
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

} // namespace glyphora
