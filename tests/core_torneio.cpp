// A tournament day at one ring: the list of bouts read, walked between bouts, kept across a restart; each bout in
// the record; the day's results kept in step with the logs and built again from them alone.
#include <fstream>

#include "log/resultados.h"
#include "luta.h"
#include "settings/lutas.h"

namespace vantor::teste {
namespace {

// Lists as a desk or a spreadsheet writes them, and what the reader makes of each: its bouts, or why it refused
// the whole list and where.
TEST(Lista, ReadsWhatSpreadsheetsWriteAndRefusesAFaultNamingItsLine) {
    struct Caso {
        const char* nome;
        std::string csv, esperado;
    };
    const std::string z45(45, 'z'), e45 = [] {
        std::string s;
        for (int i = 0; i < 45; ++i) s += "É";
        return s;
    }();
    const std::vector<Caso> casos = {
        {"comma, any order and case, quotes, CR LF, a UTF-8 mark",
         "\xEF\xBB\xBFVermelho,LUTA,azul,Categoria,azul2,Modelo\r\n\"Lima, Bia\",7,\"Ana \"\"A\"\" Sá\",-68 kg,Clube,"
         "WT-Senior\r\n",
         "7|-68 kg|Ana \"A\" Sá/Clube|Lima, Bia/|WT-Senior"},
        {"semicolon, Spanish names, a spreadsheet's empty rows",
         "combate;categoría;azul;rojo;rojo2;área\n1;M;A;B;C;2\n;;;;;\n\n", "1|M|A/|B/C||ring 2"},
        {"tab, English names, breaks and tabs in cells, texts cut to 40 characters",
         "bout\tcategory\tblue\tred\tblue2\n 2 \t\"x\r\ny\"\t\"a\tb\"\t" + z45 + "\t" + e45 + "\n",
         "2|x  y|a b/" + e45.substr(0, 80) + "|" + z45.substr(0, 40) + "/"},
        {"a line break in quotes moves the line count on", "luta,categoria,azul,vermelho\n1,\"a\nb\",A,B\n2,c,,D\n",
         "Bout list refused: line 4: empty name (azul)"},
        {"a missing column", "luta,categoria,azul,vermelho2\n1,c,A,B\n",
         "Bout list refused: line 1: missing column (vermelho)"},
        {"a column twice", "luta,categoria,azul,vermelho,Blue\n",
         "Bout list refused: line 1: column given twice (blue)"},
        {"no number", "luta,categoria,azul,vermelho\n1,c,A,B\n ,c,A,B\n",
         "Bout list refused: line 3: bout without a number"},
        {"an empty red name", "luta,categoria,azul,vermelho\n1,c,A,  \n",
         "Bout list refused: line 2: empty name (vermelho)"},
        {"a number twice", "luta,categoria,azul,vermelho\n7,c,A,B\n8,c,A,B\n7,c,C,D\n",
         "Bout list refused: line 4: bout number given twice (7 (2))"},
        {"not UTF-8 (Latin-1)", "luta,categoria,azul,vermelho\n1,c,A,B\n2,c,Jo\xE3o,B\n",
         "Bout list refused: line 3: text that is not UTF-8"},
        {"an overlong form", "luta,categoria,azul,vermelho\n1,c,\xC0\xAF,B\n",
         "Bout list refused: line 2: text that is not UTF-8"},
        {"a quote never closed", "luta,categoria,azul,vermelho\n1,c,\"A,B\n2,c,C,D\n",
         "Bout list refused: line 2: a quote opened and never closed"},
        {"an unknown model", "luta,categoria,azul,vermelho,modelo\n1,c,A,B,wt-senior\n2,c,A,B,kids\n",
         "Bout list refused: line 3: unknown model (kids)"},
        {"a header only", "luta,categoria,azul,vermelho\r\n", "Bout list refused: no bouts"},
        {"nothing", "", "Bout list refused: no bouts"},
        {"larger than the bound", std::string(kMaiorLista + 1, 'a'), "Bout list refused: file larger than 4 MB"},
    };
    TabelaIdioma tabela;
    tabela.Carrega();
    for (const Caso& c : casos) {
        const LeituraDaLista r =
            LeListaDeLutas(c.csv, [](const std::string& m) { return m == "WT-Senior" || m == "wt-senior"; });
        std::string lido = r.erro ? ExplicaLista(r, tabela, lingua::Ingles) : "";
        for (const LutaDaLista& b : r.lista.lutas)
            lido += b.numero + "|" + b.categoria + "|" + b.nome[Azul] + "/" + b.l2[Azul] + "|" + b.nome[Vermelho] +
                    "/" + b.l2[Vermelho] + (b.modelo.empty() ? "" : "|" + b.modelo) +
                    (b.quadra.empty() ? "" : "||ring " + b.quadra);
        EXPECT_EQ(lido, c.esperado) << c.nome;
    }
}

std::string Texto(const std::string& caminho) { return LeArquivo(caminho, size_t{1} << 24); }

// Three bouts under two models, walked with Page Down and Page Up: each bout one key from the last one's result to
// ready, the results file in step with the logs and equal to what the logs alone give, a bout fought again in its
// own row, the list refused during a bout, and the list and the bout kept across a restart.
TEST(Torneio, ABoutIsOneKeyFromTheLastResultAndTheResultsFollowTheLogs) {
    Luta luta;
    std::filesystem::copy_file(std::string(VANTOR_CASOS_DIR) + "/../../instala/modelos.ini",
                               luta.pasta.Caminho() + "/modelos.ini");
    const Placar& t = luta.v.Tela();
    const std::string lista =
        "luta;categoria;azul;azul2;vermelho;vermelho2;modelo;arbitro\n"
        "101;Cadete -45 kg;Ana Lima;Clube Norte;Bia Reis;Clube Sul;wt-cadete;Rui Sá\n"
        "102;Sênior -68 kg;=Caio;;Davi Luz;Academia \"Tigre\";wtf-2017;\n"
        "103;Sênior -80 kg;Edu;;Fábio;;;\n";
    ASSERT_EQ(luta.v.CarregaLista(lista), "");
    EXPECT_EQ(t.L_Proxima.Caption, "Próxima luta [PgDn]: 101 · Cadete -45 kg · Ana Lima x Bia Reis");
    EXPECT_EQ(Texto(luta.pasta.Caminho() + "/lutas.csv"), lista) << "kept for the next start";

    luta.Tecla(tecla::PgDn);
    EXPECT_EQ(luta.v.Config().Regra, regra::Wt2022) << "the bout's model";
    EXPECT_EQ(t.L_Luta.Caption, "Luta 101 · Cadete -45 kg");
    EXPECT_TRUE(luta.v.Log().ArquivoLog.ends_with("_luta-101.txt"));
    // Bout 101 ends on the referee's decision; bout 102 is ready one key later.
    luta.Tecla(tecla::Enter), luta.Tick(3), luta.Teclas({tecla::W, tecla::V});
    ASSERT_TRUE(luta.v.Luta().LutaDecidida);
    const std::string log101 = luta.v.Log().ArquivoLog;
    int teclas = 0;
    for (; teclas < 3 && t.L_Msg.Caption != "[ENTER] Início"; ++teclas) luta.Tecla(tecla::PgDn);
    EXPECT_EQ(teclas, 1);
    EXPECT_EQ(luta.v.Config().Nome[Azul] + luta.v.Config().L2[Vermelho] + std::to_string(luta.v.Config().Regra),
              "=CaioAcademia \"Tigre\"2");
    // During a bout the list stays as it is.
    luta.Tecla(tecla::Enter), luta.Tick(2), luta.Teclas({tecla::F12, tecla::F12});
    EXPECT_EQ(luta.v.CarregaLista("luta,categoria,azul,vermelho\n1,c,A,B\n"),
              "Lista de lutas recusada: uma luta está em andamento");
    luta.Teclas({tecla::PgDn, tecla::PgUp});
    EXPECT_EQ(luta.v.Config().NumeroLuta, "102");
    EXPECT_FALSE(t.L_Proxima.Visible);
    luta.Tick(60);
    ASSERT_TRUE(luta.v.Luta().LutaDecidida);
    ConfereLog(luta.Log(), "torneio_luta102.log");
    // Bout 101 fought again (Page Up twice): its new result replaces its row, where it stood.
    luta.Teclas({tecla::PgUp, tecla::PgUp});
    EXPECT_EQ(luta.v.Config().NumeroLuta, "101");
    EXPECT_NE(luta.v.Log().ArquivoLog, log101);
    luta.Tecla(tecla::Enter), luta.Tick(3), luta.Teclas({tecla::R, tecla::A});
    luta.Tecla(tecla::PgDn), luta.Tecla(tecla::PgDn);
    EXPECT_EQ(t.L_Proxima.Caption, "Fim da lista de lutas");
    luta.v.EsperaDisco();

    const std::string pasta = luta.v.PastaDosLogs();
    const std::string resultados = Texto(pasta + "/resultados_2026-12-06.csv");
    ConfereLog(LinhasDe(pasta + "/resultados_2026-12-06.csv"), "resultados_torneio.csv");
    EXPECT_EQ(ResultadosDaPasta(pasta), resultados) << "the logs alone give the same file";
    // Each way a bout is won by its usual abbreviation (a win on penalties is the referee's punitive declaration).
    std::string codigos;
    for (const int como :
         std::initializer_list<int>{txt::PorPontos, txt::PorDiferenca, txt::NoGolden, txt::PorFaltas, txt::PorRounds,
                                    txt::PorSup, txt::PorRsc, txt::PorWdr, txt::PorDsq, txt::PorPun, 0})
        codigos += CodigoDoResultado(como) + " ";
    EXPECT_EQ(codigos, "PTF PTG GDP PUN PTF SUP RSC WDR DSQ PUN  ");
    // The clock as the locale wrote it, without the date and the hundredths: a twelve-hour clock keeps its PM.
    EXPECT_EQ(HoraDoCarimbo("12/6/2026 2:03:27.45 PM") + "|" + HoraDoCarimbo("6 déc. 2026 14:03:27,45") + "|" +
                  HoraDoCarimbo("sem hora"),
              "2:03:27 PM|14:03:27|");
    EXPECT_EQ(Texto(luta.pasta.Caminho() + "/vantor.ini").find("\r\nLuta=103"), 73u);

    // A restart finds the list and the bout it was at, and makes the day's results whole from the logs (as after a
    // kill that came between a result's line and the file).
    std::filesystem::remove(pasta + "/resultados_2026-12-06.csv");
    Vantor depois(luta.plat);
    depois.Form_Load();
    EXPECT_EQ(depois.Lista().lutas.size(), 3u);
    EXPECT_EQ(depois.Config().NumeroLuta + depois.Config().Nome[Azul], "103Edu");
    EXPECT_EQ(depois.Tela().L_Proxima.Caption, "Fim da lista de lutas");
    EXPECT_EQ(Texto(pasta + "/resultados_2026-12-06.csv"), resultados);
}

// The dialog: a list with a fault refused with its line and the loaded one kept; a bout picked, its name edited
// before OK, goes in as edited, with the bout's number, category and model.
TEST(Torneio, TheDialogLoadsAListPicksABoutAndTakesItsValuesAsEdited) {
    Luta luta;
    std::filesystem::copy_file(std::string(VANTOR_CASOS_DIR) + "/../../instala/modelos.ini",
                               luta.pasta.Caminho() + "/modelos.ini");
    const std::string boa = luta.pasta.Caminho() + "/boa.csv", ruim = luta.pasta.Caminho() + "/ruim.csv";
    std::ofstream(boa) << "luta,categoria,azul,vermelho,modelo,quadra\n1,A,Ana,Bia,,3\n2,B,Caio,Davi,wt-senior,\n";
    std::ofstream(ruim) << "luta,categoria,azul,vermelho\n1,A,Ana,Bia\n1,B,Caio,Davi\n";
    luta.plat.aoMostrarConfiguracao = [&](Form2& f) {
        for (const std::string& arquivo : {boa, ruim, luta.pasta.Caminho() + "/nenhuma.csv"}) {
            luta.plat.arquivoEscolhido = arquivo;
            f.B_Lista_Click();
        }
        f.L_Lutas.ListIndex = 1;
        f.L_Lutas_Click();
        f.T_Nome[Azul].Text = "Caio Prado";
        f.B_Ok_Click();
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.plat.avisos,
              (std::vector<std::string>{
                  "Lista de lutas recusada: linha 3: número de luta repetido (1 (2))\n" + ruim,
                  "Lista de lutas recusada: arquivo ilegível\n" + luta.pasta.Caminho() + "/nenhuma.csv"}));
    const Ajustes& a = luta.v.Config();
    EXPECT_EQ(a.NumeroLuta + "|" + a.Categoria + "|" + a.Nome[Azul] + "|" + a.Nome[Vermelho] + "|" +
                  std::to_string(a.Regra) + "|" + a.Quadra,
              "2|B|Caio Prado|Davi|3|");
    EXPECT_EQ(luta.v.Lista().lutas.size(), 2u) << "the good list stays";
    EXPECT_EQ(luta.v.Tela().L_Proxima.Caption, "Fim da lista de lutas");
}

}  // namespace
}  // namespace vantor::teste
