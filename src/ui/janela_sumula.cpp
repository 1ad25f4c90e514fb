#include "ui/janela_sumula.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <set>

#include "app/vantor.h"

#include "ui/sumula_pdf.h"
#include "ui/teclas.h"

namespace vantor::ui {

namespace {
QPushButton* Botao(const char* nome, QWidget* pai) {
    auto* b = new QPushButton(pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);  // Enter in the text is no order to save or print
    return b;
}
}  // namespace

JanelaSumula::JanelaSumula(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("JanelaSumula"));
    setModal(false);
    // Closing the board ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    tabela_.Carrega();

    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName(QStringLiteral("Texto"));
    texto_->setReadOnly(true);
    // A cursor for the keys too, so the operator can select with Shift and the arrows as well as with the mouse.
    texto_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The log's columns are tab-separated: a fixed font and unwrapped lines keep them in line, the horizontal
    // scroll bar showing when a line is wider than the window.
    texto_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    texto_->setLineWrapMode(QPlainTextEdit::NoWrap);

    pdf_ = Botao("SalvarPdf", this);
    imprime_ = Botao("Imprimir", this);
    connect(pdf_, &QPushButton::clicked, this, &JanelaSumula::SalvaPdf);
    connect(imprime_, &QPushButton::clicked, this, &JanelaSumula::Imprime);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(pdf_);
    botoes->addWidget(imprime_);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(texto_);
    coluna->addLayout(botoes);

    // Room for a log line's usual width and a round's worth of lines, on any screen.
    const QFontMetrics m(texto_->font());
    QSize tamanho(m.averageCharWidth() * 110, m.lineSpacing() * 36);
    if (const QScreen* tela = pai ? pai->screen() : screen())
        tamanho = tamanho.boundedTo(tela->availableGeometry().size() * 9 / 10);
    resize(tamanho);

    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(texto_), static_cast<QWidget*>(pdf_),
                       static_cast<QWidget*>(imprime_)})
        w->installEventFilter(this);
}

bool JanelaSumula::eventFilter(QObject* alvo, QEvent* e) {
    QWidget* placar = parentWidget();
    if (placar && (e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride)) {
        const auto* k = static_cast<QKeyEvent*>(e);
        // The keys the board acts on, plain: Esc still closes this window, Ctrl+C still copies, Tab still moves
        // between its buttons, and Alt+F4 closes only it.
        static const std::set<int> kDoPlacar = {
            tecla::Enter, tecla::Espaco, tecla::Esquerda, tecla::Acima,  tecla::Direita, tecla::Abaixo,
            tecla::Um,    tecla::S,      tecla::F1,       tecla::F1 + 1, tecla::F5,      tecla::F6,
            tecla::F7,    tecla::F8,     tecla::F9,       tecla::F10,    tecla::F11,     tecla::F12};
        const bool doPlacar = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                              kDoPlacar.contains(CodigoVirtual(k->key(), k->modifiers()));
        if (doPlacar) {
            // The board's own key handler, as if the board were in front; no shortcut here takes it first.
            if (e->type() == QEvent::KeyPress) {
                QKeyEvent copia(QEvent::KeyPress, k->key(), k->modifiers(), k->text(), k->isAutoRepeat(), k->count());
                QCoreApplication::sendEvent(placar, &copia);
            }
            e->accept();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, e);
}

QString JanelaSumula::Traduz(int entrada) const { return QString::fromStdString(tabela_.Traduz(entrada, lingua_)); }

void JanelaSumula::Mostra(const QString& log, int lingua) {
    log_ = log;
    lingua_ = lingua;
    const QString nome = QFileInfo(log).fileName();
    setWindowTitle(nome.isEmpty() ? Traduz(txt::Sumula) : Traduz(txt::Sumula) + QStringLiteral(" - ") + nome);
    pdf_->setText(Traduz(txt::SalvarPdf));
    imprime_->setText(Traduz(txt::Imprimir));

    QFile arquivo(log);
    const bool lido = !log.isEmpty() && arquivo.open(QIODevice::ReadOnly);
    if (lido)
        texto_->setPlainText(QString::fromUtf8(arquivo.readAll()));
    else if (log.isEmpty())
        texto_->setPlainText(Traduz(txt::SemLog));
    else
        texto_->setPlainText(Traduz(txt::LogIlegivel) + QStringLiteral(": ") + QDir::toNativeSeparators(log) +
                             QStringLiteral(" (") + arquivo.errorString() + QStringLiteral(")"));
    pdf_->setEnabled(lido);
    imprime_->setEnabled(lido);
    // The newest lines are what the operator came for.
    texto_->moveCursor(QTextCursor::End);
    texto_->ensureCursorVisible();

    show();
    raise();
    activateWindow();
}

void JanelaSumula::SalvaPdf() {
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir()) pasta = QDir::homePath();
    QFileDialog escolha(this, Traduz(txt::SalvarPdf), pasta, QStringLiteral("PDF (*.pdf)"));
    escolha.setAcceptMode(QFileDialog::AcceptSave);
    escolha.setDefaultSuffix(QStringLiteral("pdf"));
    escolha.selectFile(QFileInfo(log_).completeBaseName() + QStringLiteral(".pdf"));
    if (escolha.exec() != QDialog::Accepted || escolha.selectedFiles().isEmpty()) return;
    QString erro;
    if (!SumulaEmPdf(log_, escolha.selectedFiles().constFirst(), lingua_, erro)) AvisaFalha(erro);
}

void JanelaSumula::Imprime() {
    QPrinter impressora(QPrinter::HighResolution);
    QPrintDialog escolha(&impressora, this);
    if (escolha.exec() != QDialog::Accepted) return;
    QString erro;
    if (!ImprimeSumula(log_, impressora, lingua_, erro)) AvisaFalha(erro);
}

void JanelaSumula::AvisaFalha(const QString& erro) {
    QMessageBox caixa(QMessageBox::Warning, windowTitle(), Traduz(txt::PdfFalhou), QMessageBox::Ok, this);
    caixa.setInformativeText(erro);
    caixa.exec();
}

}  // namespace vantor::ui
