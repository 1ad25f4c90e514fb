#include "ui/sumula_pdf.h"

#include <QPrinter>

namespace vantor::ui {

bool SumulaEmPdf(const QString&, const QString&, int, QString& erro) {
    erro = QStringLiteral("not yet");
    return false;
}

bool ImprimeSumula(const QString&, QPrinter&, int, QString& erro) {
    erro = QStringLiteral("not yet");
    return false;
}

}  // namespace vantor::ui
