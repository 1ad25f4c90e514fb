#include "platform/data_hora.h"

#include <QDate>
#include <QTime>

namespace vantor::plataforma {

QString FormatoSemFuso(const QString& formato) {
    QString r;
    bool citacao = false;  // inside '...', where letters are literal text
    for (qsizetype i = 0; i < formato.size(); ++i) {
        const QChar c = formato[i];
        if (c == QLatin1Char('\'')) {
            citacao = !citacao;
            r += c;
            continue;
        }
        if (!citacao && c == QLatin1Char('t')) {
            while (i + 1 < formato.size() && formato[i + 1] == QLatin1Char('t')) ++i;
            // The blanks that separated the zone from the rest go with it.
            while (!r.isEmpty() && r.back().isSpace()) r.chop(1);
            while (i + 1 < formato.size() && formato[i + 1].isSpace() && r.isEmpty()) ++i;
            continue;
        }
        r += c;
    }
    return r.trimmed();
}

std::string DataHoraCurta(const QLocale& local, const Momento& m) {
    const QDate data(m.ano, m.mes, m.dia);
    const QTime hora(m.hora, m.minuto, m.segundo, m.milissegundo);
    return (local.toString(data, QLocale::ShortFormat) + QLatin1Char(' ') +
            local.toString(hora, FormatoSemFuso(local.timeFormat(QLocale::LongFormat))))
        .toStdString();
}

}  // namespace vantor::plataforma
