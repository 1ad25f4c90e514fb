#include "ui/plataforma_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

#include "app/vantor.h"
#include "platform/controles_sdl.h"
#include "platform/data_hora.h"
#include "platform/editor.h"
#include "platform/editor_padrao.h"
#include "platform/som_sdl.h"
#include "ui/dialogo_conferencia.h"
#include "ui/dialogo_config.h"
#include "ui/dialogo_som.h"
#include "ui/janela_sumula.h"

namespace vantor::ui {

namespace {
QString Texto(const std::string& s) { return QString::fromStdString(s); }

QSize TamanhoDaTela() {
    if (const QScreen* tela = QGuiApplication::primaryScreen()) return tela->geometry().size();
    return {640, 480};  // the design size: nothing is rescaled
}
}  // namespace

PlataformaQt::PlataformaQt()
    : controles_(std::make_unique<ControlesSDL>()), som_(std::make_unique<SomSDL>(PastaPrograma())) {}

PlataformaQt::~PlataformaQt() { delete sumula_; }

Momento PlataformaQt::Agora() {
    // One reading, so the date, the time and the milliseconds always belong together.
    const QDateTime agora = QDateTime::currentDateTime();
    const QDate d = agora.date();
    const QTime t = agora.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

std::string PlataformaQt::Carimbo(const Momento& m) { return plataforma::Carimbo(QLocale::system(), m); }

// The bytes as they are: a folder's name need not be text in any encoding.
std::string PlataformaQt::Ambiente(const std::string& nome) { return qgetenv(nome.c_str()).toStdString(); }

std::string PlataformaQt::PastaPrograma() { return QCoreApplication::applicationDirPath().toStdString(); }

int PlataformaQt::LarguraTela() { return TamanhoDaTela().width(); }

int PlataformaQt::AlturaTela() { return TamanhoDaTela().height(); }

void PlataformaQt::TocaWav(const std::string& arquivo) { som_->Toca(arquivo); }

void PlataformaQt::PreparaSons(const std::vector<std::string>& arquivos) { som_->Prepara(arquivos); }

void PlataformaQt::DefineLingua(int lingua) {
    if (lingua == lingua_) return;
    lingua_ = lingua;
    if (traducao_) QCoreApplication::removeTranslator(traducao_.get());
    traducao_.reset();
    // Qt's own texts are English already; Portuguese is Brazil's.
    const char* const nomes[] = {"qtbase_pt_BR", "qtbase_es"};
    if (lingua < 0 || lingua > 1) return;
    auto t = std::make_unique<QTranslator>();
    if (t->load(QString::fromLatin1(nomes[lingua]), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(t.get()))
        traducao_ = std::move(t);
}

QString PlataformaQt::Titulo(const std::string& titulo) const {
    if (!titulo.empty()) return Texto(titulo);
    return janela_ ? janela_->windowTitle() : QString::fromUtf8(kTitulo);
}

bool PlataformaQt::PerguntaOkCancela(const std::string& texto, const std::string& titulo, bool okPadrao) {
    QMessageBox caixa(QMessageBox::NoIcon, Titulo(titulo), Texto(texto), QMessageBox::Ok | QMessageBox::Cancel, Dono());
    // Esc and closing the box mean "no"; Enter means what the question makes the default.
    caixa.setDefaultButton(okPadrao ? QMessageBox::Ok : QMessageBox::Cancel);
    caixa.setEscapeButton(QMessageBox::Cancel);
    return caixa.exec() == QMessageBox::Ok;
}

void PlataformaQt::Avisa(const std::string& texto, const std::string& titulo) {
    QMessageBox caixa(QMessageBox::NoIcon, Titulo(titulo), Texto(texto), QMessageBox::Ok, Dono());
    caixa.exec();
}

QWidget* PlataformaQt::Dono() const { return configuracao_ ? configuracao_.data() : janela_.data(); }

void PlataformaQt::MostraConfiguracao(Form2& dialogo) {
    // Modal: the scoreboard takes no keys or clicks meanwhile, yet its timers go on ticking.
    DialogoConfig tela(dialogo, janela_);
    configuracao_ = &tela;
    tela.exec();
    configuracao_ = nullptr;
}

std::string PlataformaQt::EscolheArquivo(const std::string& titulo, const std::string& filtro) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromStdString(titulo), QDir::homePath(),
                                        QString::fromStdString(filtro))
        .toStdString();
}

void PlataformaQt::MostraEscolhaSom(FormSom& escolha) {
    DialogoSom tela(escolha, Dono());
    tela.exec();
}

void PlataformaQt::MostraConferencia(const std::function<ConferenciaDoRinque()>& consulta) {
    // Modal as the configuration dialog, and over it when opened from it; the board's timers keep ticking, so the
    // judges' presses go on lighting its lamps.
    DialogoConferencia tela(consulta, Dono());
    tela.exec();
}

void PlataformaQt::AbreSumula(const std::string& arquivo, int lingua) {
    // A path is bytes in the file system's encoding (a Latin-1 TEMP folder, say), not UTF-8 text.
    const QString log = QFile::decodeName(QByteArray::fromStdString(arquivo));
    const auto mostra = [this, log, lingua] {
        if (!sumula_) sumula_ = new JanelaSumula(janela_);
        sumula_->Mostra(log, lingua);
    };
    // No log yet: nothing for an editor, but the operator still sees an answer. No editor on the desktop: our own
    // window at once, rather than after xdg-open has searched in vain; at the next turn of the event loop, once the
    // handler that asked has written its lines (the pause) to the log.
    if (log.isEmpty() || !plataforma::HaEditorDeTexto()) return QTimer::singleShot(0, &vida_, mostra);
    plataforma::AbreNoEditor(log, &vida_, mostra);
}

void PlataformaQt::Encerra() {
    // At once, as the operator asked: no event loop, no destructors, nothing written.
    std::_Exit(0);
}

int PlataformaQt::joyGetNumDevs() { return ControlesSDL::kSlots; }

bool PlataformaQt::joyGetPos(int slot, uint16_t& entradas) { return controles_->Le(slot, entradas); }

int PlataformaQt::ControlesConectados() { return controles_->Conectados(); }

std::vector<ControleConectado> PlataformaQt::ListaControles() { return controles_->Lista(); }

void PlataformaQt::BombeiaControles() { controles_->Bombeia(); }

bool PlataformaQt::ControlesDuvidosos() { return controles_->Duvidosos(); }

bool PlataformaQt::EsperaEventos() {
    if (!janela_ || !janela_->isVisible()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return janela_ && janela_->isVisible();
}

}  // namespace vantor::ui
