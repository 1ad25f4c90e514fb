// The fight's log lines, handed with the saved fight to the disk's worker; the scoresheet.
#include <sys/stat.h>

#include <algorithm>

#include "app/vantor.h"
#include "settings/arquivos.h"

namespace vantor {

// Date, time and hundredths all from the same reading, so they can never disagree.
std::string Vantor::Carimbo() { return plat_.Carimbo(plat_.Agora()); }

void Vantor::PreparaPastaLog() {
    if (!log_.PastaLog.empty()) return;
    const std::string temp = plat_.Ambiente("TEMP");
    // With no TEMP the logs have one place whatever folder the program was started from: the user's data folder
    // when installed, beside the program when portable.
    if (temp.empty()) {
        log_.PastaLog = Junta(arquivos_.Instalado() ? arquivos_.PastaXdg(true) : plat_.PastaPrograma(), "LOG");
        CriaPastas(log_.PastaLog);
    } else {
        log_.PastaLog = temp + "LOG";
        ::mkdir(log_.PastaLog.c_str(), 0755);  // usually exists already
    }
    log_.PastaLog += "/LOG_";
}

void Vantor::GravaLog(const std::string& texto) {
    PreparaPastaLog();
    if (log_.ArquivoLog.empty()) return;
    // One event, one line: a line break in a text must not forge lines of its own.
    std::string linha = Carimbo() + "\t" + texto;
    std::replace(linha.begin(), linha.end(), '\r', ' ');
    std::replace(linha.begin(), linha.end(), '\n', ' ');
    // Written when the event ends (Guarda), after the state that holds it is saved.
    if (log_.novas.size() + gravador_.Situacao().linhas >= kFilaMaxima) {
        ++log_.perdidas;
        return;
    }
    log_.novas.push_back({log_.ArquivoLog, linha + "\r\n"});
}

std::string Vantor::PastaDosLogs() const {
    return log_.PastaLog.size() < 5 ? "" : log_.PastaLog.substr(0, log_.PastaLog.size() - 5);
}

std::string Vantor::CaminhoDiario() const {
    if (log_.PastaLog.size() < 4) return "";
    return log_.PastaLog.substr(0, log_.PastaLog.size() - 4) + kArquivoDiario;  // beside the logs, not one of them
}

void Vantor::Guarda() {
    if (outroPrograma_) return;  // the fight and its files are the other program's
    const auto antes = gravador_.Situacao();
    // Lines a full queue lost are said in the log once the disk has taken the rest.
    if (log_.perdidas > 0 && antes.linhas == 0) {
        const size_t perdidas = log_.perdidas;
        log_.perdidas = 0;
        GravaLog(Traduz(txt::LinhasPerdidas) + ": " + std::to_string(perdidas));
    }
    std::optional<Diario> estado;
    if (!log_.guardado || !(log_.ajustesGuardados == ajustes_) || !(log_.lutaGuardada == luta_.Estado()) ||
        log_.arquivoGuardado != log_.ArquivoLog) {
        estado = Diario{ajustes_, luta_.Estado(), log_.ArquivoLog, plat_.Agora(), {}, {}, false, {}};
        log_.guardado = true;
        log_.ajustesGuardados = ajustes_, log_.lutaGuardada = luta_.Estado(), log_.arquivoGuardado = log_.ArquivoLog;
    }
    gravador_.Entrega(std::move(estado), CaminhoDiario(), std::move(log_.novas));
    log_.novas.clear();
    // The operator must know when the officials' record is behind or a crash would lose the fight; the audience
    // need not.
    const auto s = gravador_.Situacao();
    std::string aviso;
    if (s.recusou && (s.linhas > 0 || log_.perdidas > 0))
        aviso = Traduz(txt::LogNaoGravado) + " " + std::to_string(s.linhas + log_.perdidas);
    if (s.recusou && s.estadoNaoSalvo) aviso += (aviso.empty() ? "" : " · ") + Traduz(txt::LutaNaoSalva);
    Rotulo& l = janela_.tela.L_AvisoLog;
    if (l.Visible != !aviso.empty() || (!aviso.empty() && l.Caption != aviso)) ++versaoTela_;
    l.Visible = !aviso.empty();
    if (!aviso.empty()) l.Caption = aviso;
}

void Vantor::EsperaDisco(int ms) {
    Guarda();
    if (ms < 0)
        gravador_.Espera();
    else
        gravador_.Espera(std::chrono::milliseconds(ms));
    Guarda();  // the warning as the worker left it
}

void Vantor::DiscoEmSegundoPlano() { gravador_.EmSegundoPlano(); }

void Vantor::Sumula() {
    luta_.Pausar(true, "-", Tom::Pausa);
    EsperaDisco(2000);  // the sheet shows every line, the pause's too; a disk that hangs must not hold the board
    plat_.AbreSumula(log_.ArquivoLog, ajustes_.Lingua);
}

}  // namespace vantor
