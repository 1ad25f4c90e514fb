// The log's time stamps in the system's date and time formats.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

#include "app/plataforma.h"

namespace vantor::plataforma {

// The locale's short date with a four-digit year.
QString FormatoData(const QLocale& local);
// The locale's long time without its time zone (nor the brackets and commas around it), with `centesimos` (the
// hundredths, as text) right after the seconds, before any AM/PM marker.
QString FormatoHora(const QLocale& local, const QString& centesimos);

// "06/12/2026 14:03:27,45" in Brazil, "12/6/2026 2:03:27.45 PM" in the United States.
std::string Carimbo(const QLocale& local, const Momento& m);

}  // namespace vantor::plataforma
