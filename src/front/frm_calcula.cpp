#include "frm_calcula.h"
#include "formulario.h"

#include "aplicativos.h"
#include "currency.h"
#include "frente_publica.h"
#include "msg_box.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

namespace {

enum Coluna { Seq = 0, Valor = 1, Saldo = 2 };

QPointer<frmCalcula> &instanciaPadrao()
{
    static QPointer<frmCalcula> w;
    return w;
}

// An amount as typed (digits and a decimal comma) or as the tape shows it.
std::optional<Currency> valorDigitado(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || !t.at(0).isDigit())
        return std::nullopt;
    return Currency::parse(t);
}

} // namespace

frmCalcula *frmCalcula::instancia()
{
    if (!instanciaPadrao())
        instanciaPadrao() = new frmCalcula;
    return instanciaPadrao();
}

frmCalcula::frmCalcula(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCalcula"));
    setWindowTitle(QStringLiteral("Calculadora"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    montaTela();
}

void frmCalcula::montaTela()
{
    auto *dica = new QLabel(QStringLiteral("Clique + para incluir  Clique - para excluir"), this);
    mskvalor = new QLineEdit(this);
    mskvalor->setObjectName(QStringLiteral("mskvalor"));
    mskvalor->setAlignment(Qt::AlignRight);
    Formulario::formataValorAoSair(mskvalor, valorDigitado);

    List1 = new QTreeWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setHeaderLabels({QStringLiteral("SEQ."), QStringLiteral("VALOR"), QStringLiteral("SALDO")});
    List1->setRootIsDecorated(false);
    List1->setUniformRowHeights(true);
    List1->setAllColumnsShowFocus(true);
    List1->headerItem()->setTextAlignment(Valor, Qt::AlignRight);
    List1->headerItem()->setTextAlignment(Saldo, Qt::AlignRight);

    txttotal = new QLineEdit(QStringLiteral("0,00"), this);
    txttotal->setObjectName(QStringLiteral("txttotal"));
    txttotal->setAlignment(Qt::AlignRight);
    // The total is the tape's; only "+" and "-" change it.
    txttotal->setReadOnly(true);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    // Esc closes through the dialog itself; this button only stands for it.
    cmdSair = new QPushButton(this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    cmdSair->setAutoDefault(false);
    cmdSair->setVisible(false);
    connect(Command1, &QPushButton::clicked, this, &frmCalcula::Command1_Click);
    connect(cmdSair, &QPushButton::clicked, this, &QWidget::close);

    auto *total = new QHBoxLayout;
    total->addWidget(new QLabel(QStringLiteral("Total R$"), this));
    total->addWidget(txttotal, 1);
    total->addWidget(Command1);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(dica);
    principal->addWidget(mskvalor);
    principal->addWidget(List1, 1);
    principal->addLayout(total);
    resize(320, 360);

    // The window sees every key before the focused control does.
    installEventFilter(this);
    for (QWidget *w : {static_cast<QWidget *>(mskvalor), static_cast<QWidget *>(List1),
                       static_cast<QWidget *>(txttotal), static_cast<QWidget *>(Command1)})
        w->installEventFilter(this);
    mskvalor->setFocus();
}

bool frmCalcula::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    // A key a control left unused comes up to the window again: it was seen already.
    if (watched == this && focusWidget() && focusWidget() != this)
        return QDialog::eventFilter(watched, event);
    const QString texto = static_cast<QKeyEvent *>(event)->text();
    if (texto == QLatin1String("+")) {
        teclaMais();
        return true;
    }
    if (texto == QLatin1String("-"))
        teclaMenos(); // the key goes on to the focused control
    if (watched == mskvalor && !texto.isEmpty() && texto.at(0) >= QLatin1Char(' ')
        && !Aplicativos::Filtra_numero_texto(texto))
        return true;
    return QDialog::eventFilter(watched, event);
}

void frmCalcula::teclaMais()
{
    // An empty box repeats the last amount.
    QString texto = mskvalor->text();
    if (texto.trimmed().isEmpty()) {
        if (QTreeWidgetItem *ultimo = List1->topLevelItem(List1->topLevelItemCount() - 1))
            texto = ultimo->text(Valor);
        mskvalor->setText(texto);
    }
    if (!texto.trimmed().isEmpty() && !Adiciona_item_calc(texto))
        MsgBox(QStringLiteral("Valor inválido!!!"), Vb::vbCritical, QStringLiteral("Aviso"));
    mostraTotal();
    mskvalor->clear();
    mskvalor->setFocus();
}

void frmCalcula::teclaMenos()
{
    const int linhas = List1->topLevelItemCount();
    if (linhas == 0)
        return;
    delete List1->takeTopLevelItem(linhas - 1);
    mostraTotal();
}

bool frmCalcula::Adiciona_item_calc(const QString &texto)
{
    const auto lido = valorDigitado(texto);
    if (!lido)
        return false;
    // The tape adds what it shows: amounts count in whole cents.
    const Currency valor = lido->roundedToCents();
    const int linhas = List1->topLevelItemCount();
    // The balance travels with its row: its text may be wider than an amount typed.
    const qint64 anterior = linhas > 0 ? List1->topLevelItem(linhas - 1)->data(Saldo, Qt::UserRole).toLongLong() : 0;
    qint64 saldo = 0;
    if (__builtin_add_overflow(anterior, valor.raw(), &saldo))
        return false;
    auto *linha = new QTreeWidgetItem(List1);
    linha->setText(Seq, QStringLiteral("%1").arg(linhas + 1, 2, 10, QLatin1Char('0')));
    linha->setText(Valor, valor.format());
    linha->setText(Saldo, Currency::fromRaw(saldo).format());
    linha->setData(Saldo, Qt::UserRole, saldo);
    linha->setTextAlignment(Valor, Qt::AlignRight | Qt::AlignVCenter);
    linha->setTextAlignment(Saldo, Qt::AlignRight | Qt::AlignVCenter);
    List1->scrollToItem(linha);
    return true;
}

void frmCalcula::mostraTotal()
{
    const int linhas = List1->topLevelItemCount();
    txttotal->setText(linhas == 0 ? QStringLiteral("0,00") : List1->topLevelItem(linhas - 1)->text(Saldo));
}

void frmCalcula::Command1_Click()
{
    // A closed day's box keeps its "CAIXA ENCERRADO".
    if (AbreBD::gFrente && AbreBD::gFrente->codBarraHabilitado())
        AbreBD::gFrente->setTextoCodBarra(txttotal->text());
    close();
}
