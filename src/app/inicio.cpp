// Start-up: language, settings, captions, buttons, match defaults, the interrupted fight or a new one.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/vantor.h"
#include "lang/texto.h"
#include "luta/satura.h"
#include "settings/arquivos.h"

namespace vantor {

void Vantor::Form_Load() {
    CarregaIdioma();
    LeConfig();
    Acerta_Idioma();
    // One program per logs folder: a second start neither joins the running fight nor writes a file of its own.
    PreparaPastaLog();
    if (trava_.Toma(Junta(PastaDosLogs(), kArquivoTrava)) == TravaDePasta::DeOutro) {
        outroPrograma_ = true;
        return;
    }
    PreparaBotoes();
    // The day's results follow the logs: each time a result line reaches one, its day's file is made again.
    gravador_.AoEscrever([this](const std::string& arquivo, const std::vector<std::string>& linhas) {
        if (std::any_of(linhas.begin(), linhas.end(), LinhaDeResultado)) resultados_.Atualiza(arquivo);
    });
    // Every match setting starts from its default at each run; only sounds, language, the day's event and ring
    // persist, and the bout of the ring's list the last run was at.
    Ajustes padrao;
    padrao.Som = ajustes_.Som;
    padrao.Lingua = ajustes_.Lingua;
    padrao.Evento = ajustes_.Evento, padrao.Quadra = ajustes_.Quadra;
    padrao.Nome = {"", Traduz(txt::Azul), Traduz(txt::Vermelho)};
    const std::string lutaDaLista = ajustes_.NumeroLuta;
    ajustes_ = padrao;
    LeLista();
    if (!Continua()) {
        if (const int i = lista_.Acha(lutaDaLista); i >= 0) {
            Ajustes a = ajustes_;
            if (AjustesDaLuta(lista_.lutas[static_cast<size_t>(i)], a)) Saneia(a), DefineAjustes(a);
        }
        ZeraLuta();
    }
    Guarda();
    // A result that reached its log but not the results file before a crash is in it from now on.
    resultados_.Atualiza(log_.ArquivoLog);
}

bool Vantor::Continua() {
    PreparaPastaLog();
    const std::string caminho = CaminhoDiario();
    // A long outage of the disk leaves a large file: a day's waiting lines.
    const std::string texto = LeArquivo(caminho, size_t{64} << 20);
    if (texto.empty() && !ExisteArquivo(caminho)) return false;
    std::error_code ec;
    const bool vazio = std::filesystem::is_regular_file(caminho, ec) && std::filesystem::file_size(caminho, ec) == 0;
    Diario d;
    int erro = texto.empty() && !vazio ? int(txt::EstadoIlegivel) : LeDiario(texto, log_.PastaLog, d);
    if (erro == 0 && LogPassouDe(d)) erro = txt::EstadoSuperado;
    if (erro) {
        // Kept aside, not used and not lost; the new fight's log says why, and so does a message to the operator,
        // who would otherwise take the fresh board for the interrupted fight.
        std::rename(caminho.c_str(), (caminho + ".ignorado").c_str());
        ZeraLuta();
        const std::string porque = Traduz(txt::EstadoIgnorado) + ": " + Traduz(erro);
        GravaLog(porque);
        plat_.Avisa(porque + "\n" + caminho + ".ignorado", kTitulo);
        return true;
    }
    // What the stopped event had still to write goes first, whatever the operator answers; what the disk refuses
    // waits, ahead of everything after it.
    gravador_.Antepoe(CompletaLog(d));
    if (!d.luta.LutaIniciada) return false;
    const Ajustes& a = d.ajustes;
    const EstadoLuta& l = d.luta;
    const std::string resumo =
        a.Nome[Azul] + " " + std::to_string(SomaSatura(l.PontosMarcados[Azul], l.Faltas[Vermelho])) + " x " +
        std::to_string(SomaSatura(l.PontosMarcados[Vermelho], l.Faltas[Azul])) + " " + a.Nome[Vermelho] + "\n" +
        idioma_.Traduz(txt::Round, a.Lingua) + " " + std::to_string(l.RoundAtual) + ", " + MinSeg(l.TempoRestante) +
        "\n" + plat_.Carimbo(d.salvo);
    // After a crash the operator almost always wants the fight back: OK is the default.
    if (!plat_.PerguntaOkCancela(idioma_.Traduz(txt::ContinuarLuta, a.Lingua) + "\n\n" + resumo, "", true))
        return false;

    DefineAjustes(a);
    // The fight's language, should the settings file have missed it: captions and the presses' descriptions.
    Acerta_Idioma();
    PreparaBotoes();
    luta_.Restaura(l);
    log_.ArquivoLog = d.arquivoLog;
    luta_.Continuada(plat_.Carimbo(d.salvo));
    AtualizaTela();
    return true;
}

}  // namespace vantor
