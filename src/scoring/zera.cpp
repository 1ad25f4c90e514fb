// Fight reset: closes the old fight record and opens a new one named by the present moment.
#include <cstdio>

#include "app/vantor.h"

namespace vantor {

void Vantor::ZeraLuta() {
    GravaLog(Traduz(txt::LutaZerada));
    luta_.PontosMarcados = {0, 0, 0};
    luta_.Faltas = {0, 0, 0};
    luta_.MeiaFalta = {false, false, false};
    luta_.EmGolden = false;
    luta_.PlacarRegular = {0, 0, 0};
    // The start round and time from the dialog hold for the first fight after it only.
    if (ajustes_.ContaLutas >= 1) {
        ajustes_.RoundInicial = 1;
        ajustes_.TempoInicial = ajustes_.Tempo;
    }
    if (ajustes_.ContaLutas < INT16_MAX) ++ajustes_.ContaLutas;
    luta_.TempoRestante = ajustes_.TempoInicial;
    luta_.RoundAtual = ajustes_.RoundInicial;
    // Set to start in the golden round, it lasts what the clock's way there gives it: a minute at most in 2017.
    if (luta_.RoundAtual > ajustes_.Rounds && ajustes_.Regra == regra::Wtf2017 && luta_.TempoRestante > 60)
        luta_.TempoRestante = 60;
    luta_.ContaIntervalo = -1;
    luta_.PausaLigada = false;
    luta_.Pausado = false;
    luta_.ContaMinuto = -1;
    luta_.LutaIniciada = false;
    Mensagem("[ENTER] " + Traduz(txt::Inicio), cor::VerdeClaro, cor::Preto);
    MensagemPlateia("");  // the operator's prompt, not the hall's
    luta_.MostraConfig = true;
    AtualizaTela();

    const Momento m = plat.Agora();
    char nome[64];
    std::snprintf(nome, sizeof nome, "%04d-%02d-%02d_%02d-%02d-%02d", m.ano, m.mes, m.dia, m.hora, m.minuto, m.segundo);
    log_.ArquivoLog = log_.PastaLog + nome + ".txt";
    GravaLog("Luta zerada");
}

void Vantor::RestauraLuta(const EstadoLuta& luta) {
    luta_ = luta;
    AtualizaTela();
}

}  // namespace vantor
