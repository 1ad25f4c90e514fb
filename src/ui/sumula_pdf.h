// The printed scoresheet: a fight log read back and laid out as pages, for a PDF file or a printer.
#pragma once

#include <QRectF>
#include <QString>

class QPrinter;

namespace vantor::ui {

// Writes the scoresheet of the log at `log` as a PDF at `pdf`, in the fight's language. False, with the reason in
// `erro` (in `lingua` when the fight's language cannot be told), when the log cannot be read or the PDF not
// written; a PDF is then never left behind.
bool SumulaEmPdf(const QString& log, const QString& pdf, int lingua, QString& erro);
// The same pages on a printer the caller has set up.
bool ImprimeSumula(const QString& log, QPrinter& impressora, int lingua, QString& erro);

// Where the chart of both scores lies on a fight's first page, in millimetres from the A4 page's top left corner.
QRectF AreaDoGrafico();

}  // namespace vantor::ui
