#include "frm_acrescimos.h"

#include "clock.h"
#include "msg_box.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString formatoData = QStringLiteral("dd/MM/yyyy");
// Days behind the computer's date from which the delay is spelled out.
constexpr qint64 diasParaAviso = 90;
} // namespace

frmAcrescimos::frmAcrescimos(QWidget *parent) : AvisoDialog(QStringLiteral("..:: Acréscimos ::.."), parent)
{
    setObjectName(QStringLiteral("frmAcrescimos"));
    adicionaTextos({QStringLiteral("Juros")});
    auto *grade = new QGridLayout;
    const auto linha = [&](QLabel *(&par)[2], const char *nome, const QString &legenda, const QString &valor) {
        const int n = grade->rowCount();
        par[0] = new QLabel(legenda, this);
        par[1] = new QLabel(valor, this);
        for (int i = 0; i < 2; ++i) {
            par[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(i));
            grade->addWidget(par[i], n, i);
        }
        par[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    linha(lblvencimento, "lblvencimento", QStringLiteral("Vencimento........................:"), QString());
    linha(lblmora, "lblmora", QStringLiteral("(+) Mora / Multa..................:R$"), QStringLiteral("0,00"));
    linha(lbloutros, "lbloutros", QStringLiteral("(+) Outros Acrescimos.........:R$"), QStringLiteral("0,00"));
    linha(lblvalor, "lblvalor", QStringLiteral("(=) Valor à Cobrar...............:R$"), QStringLiteral("0,00"));
    areaTextos()->addLayout(grade);
    lbldif = new QLabel(QStringLiteral("0 dias em atraso"), this);
    lbldif->setObjectName(QStringLiteral("lbldif"));
    lbldif->setVisible(false);
    areaTextos()->addWidget(lbldif);
    connect(adicionaBotao(QStringLiteral("OK")), &QPushButton::clicked, this, &QDialog::accept);
}

void frmAcrescimos::mostra(const Acrescimos &a)
{
    lblvencimento[1]->setText(a.vencimento.toString(formatoData));
    lblmora[1]->setText(a.mora.format());
    lbloutros[1]->setText(a.outros.format());
    lblvalor[1]->setText(a.total.format());
}

void frmAcrescimos::aoLiberarBotoes()
{
    // Counted to the computer's date, not the cash day.
    const QDate vencimento = QDate::fromString(lblvencimento[1]->text(), formatoData);
    if (!vencimento.isValid())
        return;
    const qint64 dias = vencimento.daysTo(Relogio::hoje());
    lbldif->setText(QString::number(dias) + QStringLiteral(" dias de atraso"));
    lbldif->setVisible(dias > diasParaAviso);
}

void frmAcrescimos::closeEvent(QCloseEvent *event)
{
    MsgBox(QStringLiteral("Você deve sair ultilizando o botão OK."), Vb::vbInformation, QStringLiteral("Aviso"));
    event->ignore();
}
