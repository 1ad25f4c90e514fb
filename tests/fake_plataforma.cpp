#include "fake_plataforma.h"

#include <cstdio>
#include <ctime>

namespace vantor::teste {

std::string FakePlataforma::DataHoraCurta(const Momento& m) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", m.dia, m.mes, m.ano, m.hora, m.minuto, m.segundo);
    return buf;
}

void FakePlataforma::Avanca(int milissegundos) {
    const long ms = agora.milissegundo + milissegundos;
    std::tm t{0, 0, 0, agora.dia, agora.mes - 1, agora.ano - 1900};
    const time_t s = timegm(&t) + agora.hora * 3600 + agora.minuto * 60 + agora.segundo + ms / 1000;
    gmtime_r(&s, &t);
    agora = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, static_cast<int>(ms % 1000)};
}

}  // namespace vantor::teste
