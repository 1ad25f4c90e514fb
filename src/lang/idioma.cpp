// The three-language text table and the main window's captions.
#include "lang/idioma.h"

#include "app/vantor.h"
#include "lang/campo.h"

namespace vantor {

void TabelaIdioma::Carrega() {
    // One entry a line, however long: clang-format would split a long one into two literals.
    // clang-format off
    static const char* const tabela[] = {
        "",
        "Azul|Azul|Blue",
        "Vermelho|Rojo|Red",
        "Início|Inicio|Start",
        "Faltas|Kangeon|Kangeon",
        "Pontos|Punto|Point",
        "Configuração|Config|Config",
        "1 Minuto|Kye-shi|Kye-shi",
        "Round(s)|Ronda(s)|Round(s)",
        "Golden Round|Golden Round|Golden Round",
        "Nenhum controle detectado|Sin control detectadas|No controls found",
        "Configurando Botões|Configuración de los botones|Config the buttons",
        "Botões configurados|Botones configurados|Buttons configured",
        "Mapa dos botões NÃO gravado: vale só até fechar o programa|Mapa de botones NO guardado: vale solo hasta cerrar el programa|Button map NOT saved: it holds only until the program closes",
        "Falta|Fallo|Fault",
        "Zerar a luta?|Cerrar la pelea?|Reset?",
        "Súmula|Precedentes|Precedent",
        "Intervalo|Intervalo|Rest Period",
        "Árbitros|Árbitros|Referees",
        "Empate|Empate|Empate",
        "Fim do|Fim do|End of",
        "Round|Ronda|Round",
        "Tempo|Tempo|Time",
        "Sons|Sons|Sounds",
        "Língua|Idioma|Language",
        "Cancelar|Cancelar|Cancel",
        "Nomes|Nombres|Names",
        "Fim da Luta|Fim da Luta|End of combat",
        "Configurações|Configuración|Config",
        "Pausa|Pausa|Pause",
        "Início da luta|Inicio da luta|Start of combat",
        "rounds de|rondas de|rounds of",
        "Botão apertado|Botao apertado|Pressed button",
        "Luta zerada|Luta zerada|Combat reseted",
        "Venceu|Ganó|Won",
        "Faltando|Desaparecido|Missing",
        "Pausa ligada|Pausa encendido|Pause on",
        "Pausa desligada|Pausa apagado|Pause off",
        "Entrou no GoldenRound|Entrou no GoldenRound|Start of GoldenRound",
        "Controles iguais: confira os juízes|Mandos iguales: revise los jueces|Identical pads: check the judges",
        "Salvar PDF|Guardar PDF|Save as PDF",
        "Imprimir|Imprimir|Print",
        "Súmula da luta|Acta del combate|Fight scoresheet",
        "Data|Fecha|Date",
        "Luta|Combate|Fight",
        "Regras|Reglas|Rules",
        "Resultado|Resultado|Result",
        "Placar|Marcador|Score",
        "Hora|Hora|Time",
        "Relógio|Reloj|Clock",
        "Evento|Evento|Event",
        "Juízes|Jueces|Judges",
        "Limite de pontos|Límite de puntos|Point limit",
        "Diferença|Diferencia|Difference",
        "não registrado|no registrado|not recorded",
        "Sem resultado|Sin resultado|No result",
        "por faltas|por faltas|on penalties",
        "por diferença de pontos|por diferencia de puntos|on point difference",
        "por limite de pontos|por límite de puntos|on the point limit",
        "por pontos ao fim do tempo|por puntos al final del tiempo|on points when time ran out",
        "no Golden Round|en el Golden Round|in the golden round",
        "O log está vazio|El registro está vacío|The log is empty",
        "Não é um log do Vantor|No es un registro de Vantor|This is not a Vantor log",
        "O log termina no meio de uma linha|El registro termina a mitad de una línea|The log ends in the middle of a line",
        "O log mistura idiomas|El registro mezcla idiomas|The log mixes languages",
        "A luta não começou|El combate no ha empezado|The fight has not started",
        "Não foi possível gravar o PDF|No se pudo guardar el PDF|The PDF could not be written",
        "linha|línea|line",
        "Página|Página|Page",
        "o placar mudou depois do resultado|el marcador cambió después del resultado|the score changed after the result",
        "Ainda não há log|Todavía no hay registro|There is no log yet",
        "Não foi possível ler o log|No se pudo leer el registro|The log could not be read",
        "Luta continuada após uma interrupção; último estado salvo:|Combate continuado tras una interrupción; último estado guardado:|Fight continued after an interruption; last state saved:",
        "Continuar a luta interrompida?|¿Continuar el combate interrumpido?|Continue the interrupted fight?",
        "LOG NÃO GRAVADO! Linhas esperando o disco:|¡REGISTRO NO GUARDADO! Líneas esperando el disco:|LOG NOT WRITTEN! Lines waiting for the disk:",
        "Estado salvo ignorado|Estado guardado ignorado|Saved state ignored",
        "arquivo incompleto ou alterado|archivo incompleto o alterado|incomplete or altered file",
        "não é do Vantor|no es de Vantor|not a Vantor file",
        "de outra versão|de otra versión|from another version",
        "valores impossíveis|valores imposibles|impossible values",
        "Linhas do log perdidas|Líneas del registro perdidas|Log lines lost",
        "Tempo regular|Tiempo regular|Regular time",
        "Plateia: visível|Público: visible|Audience: shown",
        "Plateia: oculta|Público: oculto|Audience: hidden",
        "Sistema de Regras|Sistema de reglas|Rule system",
        "WTF antiga|WTF antigua|Old WTF rules",
        "Com limite e diferença de pontos|Con límite y diferencia de puntos|Point limit and difference",
        "WTF regra 2017|WTF regla 2017|WTF 2017 rules",
        "Meia falta no Golden Round|Media falta en el Golden Round|Half penalty in the golden round",
        "Botões|Botones|Buttons",
        "1 e 3 pontos|1 y 3 puntos|1 and 3 points",
        "2 e 3 pontos|2 y 3 puntos|2 and 3 points",
        "1 e 2 pontos|1 y 2 puntos|1 and 2 points",
        "1, 2  e 3 pontos|1, 2 y 3 puntos|1, 2 and 3 points",
        "Confirma entrar no modo de configuração dos botões?|¿Entrar en el modo de configuración de los botones?|Enter the button assignment mode?",
        "Diferença de pontos|Diferencia de puntos|Point difference",
        "não é um arquivo comum|no es un archivo común|not a regular file",
        "maior que 64 MB: não é um log do Vantor|mayor que 64 MB: no es un registro de Vantor|larger than 64 MB: not a Vantor log",
        "é o próprio log; a súmula não o substitui|es el propio registro; la planilla no lo reemplaza|it is the log itself; the scoresheet does not replace it",
        "LUTA NÃO SALVA: uma falha a perderia|COMBATE NO GUARDADO: un fallo lo perdería|FIGHT NOT SAVED: a crash would lose it",
        "ilegível ou não é um arquivo|ilegible o no es un archivo|unreadable or not a file",
        "o log foi além dele|el registro fue más allá|the log went on past it",
        "O Vantor já está aberto com esta pasta de logs; esta cópia fecha sem tocar na luta.|Vantor ya está abierto con esta carpeta de registros; esta copia se cierra sin tocar el combate.|Vantor is already running with this logs folder; this copy closes without touching the fight.",
    };
    // clang-format on
    // An entry left out of the list stays empty: its text is "" in every language.
    for (size_t i = 0; i < std::size(tabela); ++i) Idioma[i] = tabela[i];
}

std::string TabelaIdioma::Traduz(int entrada, int lingua) const {
    if (entrada < 0 || static_cast<size_t>(entrada) >= Idioma.size())
        return "";  // call sites pass table constants; never trust blindly
    return Campo(Idioma[static_cast<size_t>(entrada)], lingua + 1, "|", 1);
}

void Vantor::CarregaIdioma() { idioma_.Carrega(); }

std::string Vantor::Traduz(int entrada) const { return idioma_.Traduz(entrada, ajustes_.Lingua); }

void Vantor::Acerta_Idioma() {
    janela_.tela.L_Golden.Caption = Traduz(txt::GoldenRound);
    janela_.tela.M_Falta.Caption = Traduz(txt::Faltas) + ":";
    janela_.tela.M_Ponto.Caption = Traduz(txt::Pontos) + ":";
    janela_.tela.M_Minuto.Caption = Traduz(txt::UmMinuto) + ": \"1\"";
    janela_.tela.M_Sumula.Caption = Traduz(txt::Sumula) + ": \"S\"";
    janela_.tela.M_Config.Caption = Traduz(txt::Configuracao) + ": F1";
    PlateiaNaTela(janela_.plateiaVisivel);
    plat.DefineLingua(ajustes_.Lingua);
}

}  // namespace vantor
