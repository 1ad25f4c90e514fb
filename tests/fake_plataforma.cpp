#include "fake_plataforma.h"

#include <cstdio>

namespace vantor::teste {

std::string FakePlataforma::Carimbo(const Momento& m) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d,%02d", m.dia, m.mes, m.ano, m.hora, m.minuto,
                  m.segundo, m.milissegundo / 10);
    return buf;
}

void FakePlataforma::Avanca(int milissegundos) {
    long t = ((agora.hora * 60L + agora.minuto) * 60 + agora.segundo) * 1000 + agora.milissegundo + milissegundos;
    agora.milissegundo = static_cast<int>(t % 1000), agora.segundo = static_cast<int>(t / 1000 % 60);
    agora.minuto = static_cast<int>(t / 60000 % 60), agora.hora = static_cast<int>(t / 3600000);
}

}  // namespace vantor::teste
