// The three-language text table: each entry the Portuguese, Spanish and English texts joined by "|".
#pragma once

#include <array>
#include <string>

namespace vantor {

// The table's entries by name; the numbers are the table's own and never change.
namespace txt {
enum : int {
    Azul = 1,
    Vermelho = 2,
    Inicio = 3,
    Faltas = 4,
    Pontos = 5,
    Configuracao = 6,
    UmMinuto = 7,
    Rounds = 8,
    GoldenRound = 9,
    NenhumControle = 10,
    ConfigurandoBotoes = 11,
    BotoesConfigurados = 12,
    MapaNaoGravado = 13,
    Falta = 14,
    ZerarLuta = 15,
    Sumula = 16,
    Intervalo = 17,
    Arbitros = 18,
    Empate = 19,
    FimDo = 20,
    Round = 21,
    Tempo = 22,
    Sons = 23,
    Lingua = 24,
    Cancelar = 25,
    Nomes = 26,
    FimDaLuta = 27,
    Configuracoes = 28,
    Pausa = 29,
    InicioDaLuta = 30,
    RoundsDe = 31,
    BotaoApertado = 32,
    LutaZerada = 33,
    Venceu = 34,
    Faltando = 35,
    PausaLigada = 36,
    PausaDesligada = 37,
    EntrouNoGolden = 38,
    ControlesIguais = 39,
    // The scoresheet's window and its printed pages.
    SalvarPdf = 40,
    Imprimir = 41,
    SumulaDaLuta = 42,
    Data = 43,
    Luta = 44,
    Regras = 45,
    Resultado = 46,
    Placar = 47,
    Hora = 48,
    Relogio = 49,
    Evento = 50,
    Juizes = 51,
    Limite = 52,
    Diferenca = 53,
    NaoRegistrado = 54,
    SemResultado = 55,
    PorFaltas = 56,
    PorDiferenca = 57,
    PorLimite = 58,
    PorPontos = 59,
    NoGolden = 60,
    LogVazio = 61,
    LogEstranho = 62,
    LogCortado = 63,
    LogMisturado = 64,
    LutaNaoComecou = 65,
    PdfFalhou = 66,
    Linha = 67,
    Pagina = 68,
    PlacarMudou = 69,
    SemLog = 70,
    LogIlegivel = 71,
    // A fight saved and continued, and a log that waits for its disk.
    LutaContinuada = 72,
    ContinuarLuta = 73,
    LogNaoGravado = 74,
    EstadoIgnorado = 75,
    EstadoCortado = 76,
    EstadoEstranho = 77,
    EstadoDeOutraVersao = 78,
    EstadoImpossivel = 79,
    LinhasPerdidas = 80,
    // What the hall and the operator see of the board, and the configuration dialog's own captions.
    TempoRegular = 81,
    PlateiaVisivel = 82,
    PlateiaOculta = 83,
    SistemaDeRegras = 84,
    RegraWtfAntiga = 85,
    RegraLimiteDiferenca = 86,
    RegraWtf2017 = 87,
    MeiaFaltaGolden = 88,
    Botoes = 89,
    Pontos13 = 90,
    Pontos23 = 91,
    Pontos12 = 92,
    Pontos123 = 93,
    ConfirmaBotoes = 94,
    DiferencaDePontos = 95,
    // The scoresheet command's refusals.
    NaoEArquivoComum = 96,
    LogGrandeDemais = 97,
    SaidaEOLog = 98,
    // Crash protection and the one program per logs folder.
    LutaNaoSalva = 99,
    EstadoIlegivel = 100,
    EstadoSuperado = 101,
    OutroVantor = 102,
    // Best of three rounds.
    RegraWt2022 = 103,
    RoundGanho = 104,
    InicioDoRound = 105,
    PorRounds = 106,
    PorGiratorios = 107,
    PorValor1 = 108,
    PorValor2 = 109,
    PorValor3 = 110,
    PorValor4 = 111,
    PorValor5 = 112,
    PorFaltasDoOponente = 113,
    PorSuperioridade = 114,
    PedeSuperioridade = 115,
    RoundsGanhos = 116,
    FaltasPorRound = 117,
    Modelo = 118,
    // The referee's decisions, in the order of their keys.
    PorRsc = 119,
    PorWdr = 120,
    PorDsq = 121,
    PorPun = 122,
    PorSup = 123,
    QuemVence = 124,
    DecisaoDoArbitro = 125,
    // Video review.
    RevisaoPedida = 126,
    RevisaoComo = 127,
    RevisaoProcedente = 128,
    RevisaoImprocedente = 129,
    Revisoes = 130,
    // A closed round corrected at the table.
    RoundCorrigido = 131,
    PorCorrecao = 132,
};
}  // namespace txt

struct TabelaIdioma {
    std::array<std::string, 133> Idioma;

    void Carrega();
    // Entry `entrada` in language `lingua` (0..2); "" for an entry or language outside the table.
    std::string Traduz(int entrada, int lingua) const;
};

}  // namespace vantor
