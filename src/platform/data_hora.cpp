#include "platform/data_hora.h"

#include <QDate>
#include <QTime>

namespace vantor::plataforma {

namespace {

// A format string cut into its fields (runs of one letter) and the literal text between them, quotes kept.
struct Pedaco {
    QString texto;
    bool campo = false;
};

QList<Pedaco> Pedacos(const QString& formato) {
    QList<Pedaco> r;
    bool citacao = false;
    for (const QChar c : formato) {
        if (c == QLatin1Char('\'')) citacao = !citacao;
        const bool campo = !citacao && c.isLetter() && c.unicode() < 128;
        if (r.isEmpty() || r.back().campo != campo || (campo && r.back().texto.back() != c)) r.append({{}, campo});
        r.back().texto += c;
    }
    return r;
}

QString Junta(const QList<Pedaco>& pedacos) {
    QString r;
    for (const Pedaco& p : pedacos) r += p.texto;
    return r;
}

bool Abre(QChar c) { return c.isSpace() || QStringLiteral(",([{（【").contains(c); }
bool Fecha(QChar c) { return c.isSpace() || QStringLiteral(")]}）】").contains(c); }

}  // namespace

QString FormatoData(const QLocale& local) {
    QList<Pedaco> p = Pedacos(local.dateFormat(QLocale::ShortFormat));
    for (Pedaco& c : p)
        if (c.campo && c.texto.front() == QLatin1Char('y')) c.texto = QStringLiteral("yyyy");
    return Junta(p);
}

QString FormatoHora(const QLocale& local, const QString& centesimos) {
    QList<Pedaco> p = Pedacos(local.timeFormat(QLocale::LongFormat));
    for (qsizetype i = 0; i < p.size(); ++i) {
        if (!p[i].campo) continue;
        const QChar letra = p[i].texto.front();
        if (letra == QLatin1Char('t')) {
            // The zone goes, and so do the brackets, commas and blanks that only framed it.
            const bool antes = i > 0 && !p[i - 1].campo, depois = i + 1 < p.size() && !p[i + 1].campo;
            const bool ultimo = i + (depois ? 2 : 1) >= p.size(), primeiro = i - (antes ? 1 : 0) == 0;
            bool espaco = false;
            if (antes) {
                QString& t = p[i - 1].texto;
                while (!t.isEmpty() && Abre(t.back())) espaco |= t.back().isSpace(), t.chop(1);
            }
            if (depois) {
                QString& t = p[i + 1].texto;
                while (!t.isEmpty() && Fecha(t.front())) espaco |= t.front().isSpace(), t.remove(0, 1);
            }
            p[i] = {(espaco && !ultimo && !primeiro) ? QStringLiteral(" ") : QString(), false};
        } else if (letra == QLatin1Char('B')) {
            p[i].texto = QStringLiteral("AP");  // a day period Qt does not know: its AM/PM is the nearest
        } else if (letra == QLatin1Char('s')) {
            p[i].texto += QLatin1Char('\'') + QString(centesimos).replace(QLatin1Char('\''), QStringLiteral("''")) +
                          QLatin1Char('\'');
        }
    }
    return Junta(p).trimmed();
}

std::string Carimbo(const QLocale& local, const Momento& m) {
    const QDate data(m.ano, m.mes, m.dia);
    const QTime hora(m.hora, m.minuto, m.segundo, m.milissegundo);
    const int cc = m.milissegundo / 10;
    const QString centesimos = local.decimalPoint() + local.toString(cc / 10) + local.toString(cc % 10);
    return (local.toString(data, FormatoData(local)) + QLatin1Char(' ') +
            local.toString(hora, FormatoHora(local, centesimos)))
        .toStdString();
}

}  // namespace vantor::plataforma
