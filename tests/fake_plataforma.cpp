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
    std::tm t{};
    t.tm_year = agora.ano - 1900;
    t.tm_mon = agora.mes - 1;
    t.tm_mday = agora.dia;
    t.tm_hour = agora.hora;
    t.tm_min = agora.minuto;
    t.tm_sec = agora.segundo;
    long ms = agora.milissegundo + milissegundos;
    t.tm_sec += static_cast<int>(ms / 1000);
    ms %= 1000;
    const time_t normalizado = timegm(&t);
    std::tm r{};
    gmtime_r(&normalizado, &r);
    agora = {r.tm_year + 1900, r.tm_mon + 1, r.tm_mday, r.tm_hour, r.tm_min, r.tm_sec, static_cast<int>(ms)};
}

}  // namespace vantor::teste
