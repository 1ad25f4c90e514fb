// The disk's own worker: the saved fight and the log lines, in that order, written off the window's thread, so
// that a slow disk (a USB stick, an SD card) never holds the round clock. The window hands over the fight as it
// stands and the lines the event made; the worker saves the newest state with every line still waiting, then
// writes those lines. States handed over while it was busy merge into the newest: only the last one matters, and
// no line is ever dropped or reordered.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "log/diario.h"

namespace vantor {

class Gravador {
public:
    Gravador() = default;
    // Stops the worker after one last try at what waits.
    ~Gravador();
    Gravador(const Gravador&) = delete;
    Gravador& operator=(const Gravador&) = delete;

    // From now on the work runs on a thread of its own; until then each `Entrega` does it at once (a test, a fuzz
    // target: one state saved per event, in a fixed order).
    void EmSegundoPlano();

    // The fight as it stands (`estado`, its lines not filled in) for the file `caminho`, when it changed, and the
    // lines the event made.
    void Entrega(std::optional<Diario> estado, const std::string& caminho, std::vector<LinhaPendente> linhas);
    // Lines found unwritten at start-up, ahead of everything after them.
    void Antepoe(std::vector<LinhaPendente> linhas);
    // Blocks until the worker has nothing left to try now (the disk took everything, or refused and waits), or
    // until `limite` has passed.
    void Espera(std::chrono::milliseconds limite = std::chrono::milliseconds::max());
    struct Estado {
        bool recusou = false;         // the last pass found the disk refusing
        size_t linhas = 0;            // lines not in their files yet
        bool estadoNaoSalvo = false;  // the last try to save the fight failed
    };
    Estado Situacao() const;

    // Called on the worker with each state about to be saved, before it replaces the last one.
    void AoGuardar(std::function<void(const Diario&)> f) {
        const std::lock_guard l(m_);
        aoGuardar_ = std::move(f);
    }

    // Called on the worker with each file's lines once they are in it.
    void AoEscrever(std::function<void(const std::string& arquivo, const std::vector<std::string>& linhas)> f) {
        const std::lock_guard l(m_);
        aoEscrever_ = std::move(f);
    }

private:
    // One pass: saves the newest state with every waiting line, then writes the lines. False when the disk
    // refused something, which then waits for the next pass.
    bool Trabalha();
    void Laco();

    mutable std::mutex m_;
    std::condition_variable pedido_, ocioso_;
    std::optional<Diario> estado_;  // the newest state handed over
    std::string caminho_;           // the saved fight's file
    std::deque<LinhaPendente> fila_;
    bool salvar_ = false;          // the newest state is not saved yet
    bool falhou_ = false;          // the last pass found the disk refusing
    bool estadoRecusado_ = false;  // and the fight was among what it refused
    bool trabalhando_ = false, parar_ = false;
    int espera_ = 0;  // without a thread: hand-overs to let pass before trying a refusing disk again
    std::function<void(const Diario&)> aoGuardar_;
    std::function<void(const std::string&, const std::vector<std::string>&)> aoEscrever_;
    std::thread trabalhador_;
};

}  // namespace vantor
