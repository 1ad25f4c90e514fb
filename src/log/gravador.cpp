#include "log/gravador.h"

#include <sys/stat.h>

#include <chrono>

#include "log/destino.h"
#include "settings/arquivos.h"

namespace vantor {

Gravador::~Gravador() {
    if (trabalhador_.joinable()) {
        {
            const std::lock_guard l(m_);
            parar_ = true;
        }
        pedido_.notify_all();
        trabalhador_.join();
    } else if (salvar_ || !fila_.empty()) {
        Trabalha();
    }
}

void Gravador::EmSegundoPlano() {
    if (!trabalhador_.joinable()) trabalhador_ = std::thread([this] { Laco(); });
}

void Gravador::Entrega(std::optional<Diario> estado, const std::string& caminho, std::vector<LinhaPendente> linhas) {
    const bool novo = estado.has_value() || !linhas.empty();
    {
        const std::lock_guard l(m_);
        if (estado) estado_ = std::move(estado), salvar_ = true;
        caminho_ = caminho;
        for (auto& p : linhas) fila_.push_back(std::move(p));
    }
    if (trabalhador_.joinable()) {
        if (novo) pedido_.notify_one();
        return;
    }
    // Without a thread the window's polls pace the retries: half a second (ten polls) after a refusal, since a
    // day's waiting lines are many.
    if (espera_ > 0) {
        --espera_;
        return;
    }
    if ((salvar_ || !fila_.empty()) && !Trabalha()) espera_ = 10;
}

void Gravador::Antepoe(std::vector<LinhaPendente> linhas) {
    const std::lock_guard l(m_);
    fila_.insert(fila_.begin(), linhas.begin(), linhas.end());
}

void Gravador::Espera(std::chrono::milliseconds limite) {
    std::unique_lock l(m_);
    if (!trabalhador_.joinable()) return;
    const auto pronto = [this] { return !trabalhando_ && (falhou_ || (!salvar_ && fila_.empty())); };
    if (limite == std::chrono::milliseconds::max())
        ocioso_.wait(l, pronto);
    else
        ocioso_.wait_for(l, limite, pronto);
}

Gravador::Estado Gravador::Situacao() const {
    const std::lock_guard l(m_);
    return {falhou_, fila_.size(), estadoRecusado_};
}

bool Gravador::Trabalha() {
    std::unique_lock l(m_);
    if (!estado_) return true;  // nothing handed over yet: the start-up's lines go with its first state
    Diario d = *estado_;
    d.pendentes.assign(fila_.begin(), fila_.end());
    const std::string caminho = caminho_;
    const auto aoGuardar = aoGuardar_;
    const auto aoEscrever = aoEscrever_;
    salvar_ = false;  // a state handed over during this pass sets it again
    l.unlock();

    // Only this pass writes the logs, so their sizes now are those before the waiting lines. The fight's log is
    // always noted: a restart then knows a state the log went on past.
    std::vector<std::string> arquivos;
    if (!d.arquivoLog.empty()) arquivos.push_back(d.arquivoLog);
    for (const auto& p : d.pendentes) arquivos.push_back(p.arquivo);
    for (const auto& a : arquivos) {
        bool visto = false;
        for (const auto& t : d.tamanhos) visto |= t.first == a;
        struct stat st {};
        if (!visto) d.tamanhos.emplace_back(a, ::stat(a.c_str(), &st) == 0 ? st.st_size : 0);
    }
    bool salvo = false;
    if (!caminho.empty()) {
        if (aoGuardar) aoGuardar(d);
        salvo = GravaArquivo(caminho, TextoDiario(d));
    }
    // The lines of one file in a row go out together; the first a file refuses stops the rest.
    size_t escritas = 0;
    while (escritas < d.pendentes.size()) {
        std::vector<std::string> linhas;
        const std::string& arquivo = d.pendentes[escritas].arquivo;
        for (size_t i = escritas; i < d.pendentes.size() && d.pendentes[i].arquivo == arquivo; ++i)
            linhas.push_back(d.pendentes[i].linha);
        const size_t n = EscreveLinhas(arquivo, linhas);
        escritas += n;
        if (aoEscrever && n > 0) aoEscrever(arquivo, {linhas.begin(), linhas.begin() + static_cast<ptrdiff_t>(n)});
        if (n < linhas.size()) break;
    }
    // A saved state the log moves past stays: a restart sees that the log went on past it (`LogPassouDe`) and
    // tells the operator, where a removed one would be a fight lost in silence.

    l.lock();
    fila_.erase(fila_.begin(), fila_.begin() + static_cast<ptrdiff_t>(escritas));  // the window only appends
    const bool recusado = !salvo && !caminho.empty();
    if (recusado) salvar_ = true;
    estadoRecusado_ = recusado;
    falhou_ = recusado || escritas < d.pendentes.size();
    return !falhou_;
}

void Gravador::Laco() {
    std::unique_lock l(m_);
    for (;;) {
        if (!falhou_ && (salvar_ || !fila_.empty())) {
            trabalhando_ = true;
            l.unlock();
            Trabalha();
            l.lock();
            trabalhando_ = false;
            continue;
        }
        ocioso_.notify_all();
        if (parar_) break;
        if (falhou_) {
            // The disk refused: the next try in half a second, whatever is handed over meanwhile.
            pedido_.wait_for(l, std::chrono::milliseconds(500), [this] { return parar_; });
            if (parar_) break;
            falhou_ = false;
        } else {
            pedido_.wait(l);
        }
    }
    // The program ends: one last try at what waits.
    if (salvar_ || !fila_.empty()) {
        l.unlock();
        Trabalha();
    }
}

}  // namespace vantor
