// The system's date and time formats, as the log's time stamps use them.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

#include "app/plataforma.h"

namespace vantor::plataforma {

// A time format without its time-zone field ("t" and its longer forms) and the blanks next to it:
// a log's time stamp names the hour on the wall, not the zone.
QString FormatoSemFuso(const QString& formato);

// Short date, a blank, then long time without the zone: "06/12/2026 14:03:27" in Brazil.
std::string DataHoraCurta(const QLocale& local, const Momento& m);

}  // namespace vantor::plataforma
