// A platform for tests: a fixed clock, a fixed locale, scripted answers and a record of calls.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/form2.h"
#include "app/plataforma.h"

namespace vantor::teste {

struct FakePlataforma : Plataforma {
    Momento agora{2026, 12, 6, 14, 3, 27, 450};
    int largura = 640, altura = 480, configuracoesMostradas = 0, encerramentos = 0, bombeadas = 0;
    std::string temp, pastaPrograma, home;  // the TEMP and HOME variables, the program folder
    std::string arquivoEscolhido;           // what the file chooser answers
    bool respostaOkCancela = true;
    std::function<void(Form2&)> aoMostrarConfiguracao;
    std::vector<std::string> sons, perguntas, avisos;
    std::vector<bool> okPadroes;                       // per question: whether OK was its default
    std::vector<std::pair<std::string, int>> sumulas;  // the log and the language of each opening
    std::vector<std::vector<std::string>> preparos;
    // Controllers: `numSlots` numbers reported, `leituras` each one's inputs, `conectados` how many are plugged;
    // the highest slot the core asked to read.
    int numSlots = 0, conectados = 0, maiorLido = -1;
    std::array<uint16_t, 16> leituras{};
    bool duvidosos = false;
    std::vector<ControleConectado> controles;  // what ListaControles reports
    // What the ring check does while it is shown, asking what it shows.
    std::function<void(const std::function<ConferenciaDoRinque()>&)> aoConferir;
    // What the event loop does while the core waits; false ends the wait as a closed window would.
    std::function<bool()> aoEsperar;

    // Moves the fixed clock on within the day; the log's time stamps follow.
    void Avanca(int milissegundos);
    Momento Agora() override { return agora; }
    std::string Carimbo(const Momento& m) override;
    std::string Ambiente(const std::string& nome) override {
        return nome == "TEMP" ? temp : nome == "HOME" ? home : "";
    }
    std::string PastaPrograma() override { return pastaPrograma; }
    int LarguraTela() override { return largura; }
    int AlturaTela() override { return altura; }
    void TocaWav(const std::string& arquivo) override { sons.push_back(arquivo); }
    void PreparaSons(const std::vector<std::string>& arquivos) override { preparos.push_back(arquivos); }
    bool PerguntaOkCancela(const std::string& texto, const std::string&, bool okPadrao) override {
        return perguntas.push_back(texto), okPadroes.push_back(okPadrao), respostaOkCancela;
    }
    void Avisa(const std::string& texto, const std::string&) override { avisos.push_back(texto); }
    void MostraConfiguracao(Form2& f) override {
        if (++configuracoesMostradas, aoMostrarConfiguracao) aoMostrarConfiguracao(f);
    }
    void MostraEscolhaSom(FormSom&) override {}
    std::string EscolheArquivo(const std::string&, const std::string&) override { return arquivoEscolhido; }
    void AbreSumula(const std::string& arquivo, int lingua) override { sumulas.emplace_back(arquivo, lingua); }
    void Encerra() override { ++encerramentos; }
    int joyGetNumDevs() override { return numSlots; }
    bool joyGetPos(int slot, uint16_t& entradas) override {
        maiorLido = std::max(maiorLido, slot);
        return slot >= 0 && slot < 16 && (entradas = leituras[static_cast<size_t>(slot)], true);
    }
    int ControlesConectados() override { return conectados; }
    std::vector<ControleConectado> ListaControles() override { return controles; }
    void MostraConferencia(const std::function<ConferenciaDoRinque()>& consulta) override {
        if (aoConferir) aoConferir(consulta);
    }
    void BombeiaControles() override { ++bombeadas; }
    bool ControlesDuvidosos() override { return duvidosos; }
    bool EsperaEventos() override { return aoEsperar ? aoEsperar() : false; }
};

}  // namespace vantor::teste
