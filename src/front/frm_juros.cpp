#include "frm_juros.h"
#include "formulario.h"

#include "aplicativos.h"
#include "clock.h"
#include "msg_box.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

namespace {

const QString kAviso = QStringLiteral("Aviso");

// An amount or rate as the teller types it: digits and a decimal comma, or the
// amount as its box shows it ("1.234,56").
std::optional<Currency> valorDigitado(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || !t.at(0).isDigit())
        return std::nullopt;
    return Currency::parse(t);
}

std::optional<double> numeroDigitado(const QString &texto)
{
    if (!valorDigitado(texto))
        return std::nullopt;
    QString t = texto.trimmed();
    t.remove(QLatin1Char('.'));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// A double rounded to cents as "#,##0.00" shows it: read to fifteen
// significant digits, halves away from zero. Empty beyond what money can hold.
std::optional<Currency> comoMostrado(double v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 1e14)
        return std::nullopt;
    // "d.dddddddddddddde+x": the value is the fifteen digits times 10^(x - 14).
    const QString t = QString::number(std::fabs(v), 'e', 14);
    const qsizetype e = t.indexOf(QLatin1Char('e'));
    const int expoente = t.mid(e + 1).toInt();
    const qint64 digitos = QString(t.left(e)).remove(QLatin1Char('.')).toLongLong();
    const int desloca = expoente - 12; // to cents
    qint64 centavos = 0;
    if (desloca >= 0) {
        centavos = digitos;
        for (int i = 0; i < desloca; ++i)
            centavos *= 10;
    } else if (desloca >= -16) {
        qint64 divisor = 1;
        for (int i = 0; i < -desloca; ++i)
            divisor *= 10;
        centavos = (digitos + divisor / 2) / divisor;
    }
    return Currency::fromCents(v < 0 ? -centavos : centavos);
}

// Months of delay: a started month counts as a whole one.
int Meses_entre(const QDate &d0, const QDate &d1)
{
    int meses = 12 * (d1.year() - d0.year()) + (d1.month() - d0.month());
    if (d1.day() > d0.day())
        ++meses;
    return meses;
}

struct Resultado {
    int dias = 0;
    int meses = 0;
    std::optional<Currency> juros;
    std::optional<Currency> mora;
};

Resultado calculaRegra(int regra, const QDate &vencimento, const QDate &hoje, Currency valor, double taxa)
{
    Resultado r;
    r.dias = int(vencimento.daysTo(hoje));
    const double v = valor.toDouble();
    if (regra == 1) {
        // Interest by the day; the months are only shown.
        r.meses = 12 * (hoje.year() - vencimento.year()) + (hoje.month() - vencimento.month());
        r.juros = comoMostrado(r.dias * v * taxa / 100);
        r.mora = Currency();
    } else if (regra == 2) {
        // Interest by the day up to 10 %, the percentage held in single
        // precision; 1 % a started 31-day period.
        float p = static_cast<float>(taxa * r.dias);
        if (p > 10.0f)
            p = 10.0f;
        r.meses = 1 + r.dias / 31;
        r.juros = comoMostrado(v * static_cast<double>(p) / 100);
        r.mora = comoMostrado(v * r.meses / 100);
    } else {
        // 1 % a month and a fixed 2 %; the rate is not read.
        r.meses = Meses_entre(vencimento, hoje);
        r.juros = comoMostrado(v * r.meses / 100);
        r.mora = comoMostrado(v * 2 / 100);
    }
    return r;
}

QPointer<frmJuros> &instanciaPadrao()
{
    static QPointer<frmJuros> w;
    return w;
}

QLabel *rotuloResultado(const char *nome, QWidget *pai)
{
    auto *l = new QLabel(QStringLiteral("0"), pai);
    l->setObjectName(QLatin1String(nome));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(120);
    return l;
}

} // namespace

frmJuros *frmJuros::instancia()
{
    if (!instanciaPadrao())
        instanciaPadrao() = new frmJuros;
    return instanciaPadrao();
}

frmJuros::frmJuros(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmJuros"));
    setWindowTitle(QStringLiteral("Calcular Juros"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    montaTela();
    Form_Load();
}

void frmJuros::montaTela()
{
    auto *selecione = new QGroupBox(QStringLiteral("Selecione"), this);
    Option1 = new QRadioButton(QStringLiteral("0,20%"), selecione);
    Option2 = new QRadioButton(QStringLiteral("1% + 0,33%"), selecione);
    Option3 = new QRadioButton(QStringLiteral("2% + 1%"), selecione);
    auto *opcoes = new QHBoxLayout(selecione);
    const QList<QPair<QRadioButton *, QString>> regras = {
        {Option1, QStringLiteral("0,20")}, {Option2, QStringLiteral("0,33")}, {Option3, QStringLiteral("1")}};
    int n = 0;
    for (const auto &[opcao, taxaPadrao] : regras) {
        opcao->setObjectName(QStringLiteral("Option%1").arg(++n));
        opcoes->addWidget(opcao);
        connect(opcao, &QRadioButton::toggled, this, [this, taxaPadrao = taxaPadrao](bool marcado) {
            if (marcado)
                escolheRegra(taxaPadrao);
        });
    }

    const auto data = [this](const char *nome) {
        auto *d = new QDateEdit(this);
        d->setObjectName(QLatin1String(nome));
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
        return d;
    };
    const auto caixa = [this](const char *nome) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(nome));
        e->setAlignment(Qt::AlignRight);
        e->installEventFilter(this);
        return e;
    };
    dtpVencimento = data("dtpVencimento");
    dtphoje = data("dtphoje");
    mskprestacao = caixa("mskprestacao");
    txtjuros = caixa("txtjuros");
    Formulario::formataValorAoSair(mskprestacao, valorDigitado);

    auto *entradas = new QGridLayout;
    const QList<QPair<QString, QWidget *>> campos = {
        {QStringLiteral("Data Vencimento"), dtpVencimento}, {QStringLiteral("Data Atual"), dtphoje},
        {QStringLiteral("Valor Prestação"), mskprestacao}, {QStringLiteral("Taxa %"), txtjuros}};
    for (int i = 0; i < campos.size(); ++i) {
        entradas->addWidget(new QLabel(campos.at(i).first, this), i, 0);
        entradas->addWidget(campos.at(i).second, i, 1);
    }

    lbldias = rotuloResultado("lbldias", this);
    lblmes = rotuloResultado("lblmes", this);
    lblmora = rotuloResultado("lblmora", this);
    lbljuros = rotuloResultado("lbljuros", this);
    lbltotal = rotuloResultado("lbltotal", this);
    auto *resultados = new QGridLayout;
    const QList<QPair<QString, QLabel *>> linhas = {
        {QStringLiteral("Dias de Atraso..:"), lbldias}, {QStringLiteral("Meses de Atraso.:"), lblmes},
        {QStringLiteral("Mora / Multa...:"), lblmora}, {QStringLiteral("Total Juros....:"), lbljuros},
        {QStringLiteral("Total à Pagar....:"), lbltotal}};
    for (int i = 0; i < linhas.size(); ++i) {
        resultados->addWidget(new QLabel(linhas.at(i).first, this), i, 0);
        resultados->addWidget(linhas.at(i).second, i, 1);
    }

    Command2 = new QPushButton(QStringLiteral("Calcular"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("Cancelar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Enter in a box must not press a button; Esc cancels (the dialog's own key).
    Command2->setAutoDefault(false);
    Command1->setAutoDefault(false);
    connect(Command2, &QPushButton::clicked, this, &frmJuros::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(Command2);
    botoes->addWidget(Command1);

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(selecione);
    principal->addLayout(entradas);
    principal->addLayout(resultados);
    principal->addLayout(botoes);
}

void frmJuros::Form_Load()
{
    const QDate hoje = Relogio::hoje();
    dtphoje->setDate(hoje);
    dtpVencimento->setDate(hoje);
}

bool frmJuros::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == mskprestacao || watched == txtjuros)) {
        // Digits, the comma and Backspace pass; other typed characters are dropped.
        const QString texto = static_cast<QKeyEvent *>(event)->text();
        if (!texto.isEmpty() && texto.at(0) >= QLatin1Char(' ') && !Aplicativos::Filtra_numero_texto(texto))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmJuros::escolheRegra(const QString &taxa)
{
    for (QLabel *l : {lbldias, lblmes, lbljuros, lblmora, lbltotal})
        l->setText(QStringLiteral("0"));
    mskprestacao->clear();
    txtjuros->setText(taxa);
    mskprestacao->setFocus();
}

void frmJuros::aviso(const QString &texto, QWidget *foco)
{
    MsgBox(texto, Vb::vbCritical, kAviso);
    foco->setFocus();
}

bool frmJuros::verificaEntradas()
{
    if (!Option1->isChecked() && !Option2->isChecked() && !Option3->isChecked())
        aviso(QStringLiteral("Uma opção deve ser selecionada!!!"), mskprestacao);
    else if (dtpVencimento->date() > dtphoje->date())
        aviso(QStringLiteral("Data de vencimento maior que a data atual!!!"), dtpVencimento);
    else if (mskprestacao->text().trimmed().isEmpty())
        aviso(QStringLiteral("Valor da prestação deve ser informada!!!"), mskprestacao);
    else if (txtjuros->text().trimmed().isEmpty())
        aviso(QStringLiteral("Valor do juros deve ser informado!!!"), txtjuros);
    else
        return true;
    return false;
}

void frmJuros::Command2_Click()
{
    if (!verificaEntradas())
        return;
    // An entry that is no number gives no result at all, never a partial one.
    const auto valor = valorDigitado(mskprestacao->text());
    if (!valor) {
        aviso(QStringLiteral("Valor da prestação inválido!!!"), mskprestacao);
        return;
    }
    const int regra = Option1->isChecked() ? 1 : Option2->isChecked() ? 2 : 3;
    double taxa = 0;
    if (regra != 3) {
        const auto t = numeroDigitado(txtjuros->text());
        if (!t) {
            aviso(QStringLiteral("Valor do juros inválido!!!"), txtjuros);
            return;
        }
        taxa = *t;
    }
    calcula(regra, *valor, taxa);
}

void frmJuros::calcula(int regra, Currency valor, double taxa)
{
    const Resultado r = calculaRegra(regra, dtpVencimento->date(), dtphoje->date(), valor, taxa);
    if (!r.juros || !r.mora) {
        aviso(QStringLiteral("Valor da prestação inválido!!!"), mskprestacao);
        return;
    }
    lbldias->setText(QString::number(r.dias));
    lblmes->setText(QString::number(r.meses));
    lbljuros->setText(r.juros->format());
    if (regra != 1)
        lblmora->setText(r.mora->format());
    lbltotal->setText((valor + *r.juros + *r.mora).format());
}
