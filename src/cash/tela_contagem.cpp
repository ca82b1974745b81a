#include "tela_contagem.h"

#include "campos_valor.h"
#include "totais_movimento.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Twips as the list's widths were given, in pixels.
constexpr int pixels(int twips)
{
    return twips / 15;
}

QLineEdit *caixaTotal(const char *nome, const QString &texto, const QColor &fundo, QWidget *pai)
{
    auto *c = new QLineEdit(texto, pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setAlignment(Qt::AlignRight);
    QPalette p = c->palette();
    p.setColor(QPalette::Base, fundo);
    c->setPalette(p);
    return c;
}

} // namespace

PainelTotais::PainelTotais(const QString &textoInicial, QWidget *pai) : QWidget(pai)
{
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    const auto emMoldura = [&](const QString &legenda, const char *nome, const QColor &fundo) {
        auto *g = new QGroupBox(legenda, this);
        QLineEdit *caixa = caixaTotal(nome, textoInicial, fundo, g);
        (new QVBoxLayout(g))->addWidget(caixa);
        lay->addWidget(g);
        return caixa;
    };
    txttotal = emMoldura(QStringLiteral("Total Laçamentos"), "txttotal", QColor(255, 224, 192));
    txtarrecadacao = emMoldura(QStringLiteral("Total Arrecadado"), "txtarrecadacao", QColor(192, 255, 255));
    txtsangria = emMoldura(QStringLiteral("Total Entrada e Saída do Caixa"), "txtsangria", QColor(255, 192, 192));
    txtsuprimento = emMoldura(QStringLiteral("Total Suprimento"), "txtsuprimento", QColor(255, 255, 192));
    txtsaldo = emMoldura(QStringLiteral("Soma Total"), "txtsaldo", QColor(192, 255, 192));
    lay->addStretch();
}

bool PainelTotais::calculaDiferenca()
{
    const std::optional<Currency> total = Caixa::leValor(txttotal->text());
    const std::optional<Currency> suprimento = Caixa::leValor(txtsuprimento->text());
    const std::optional<Currency> arrecadado = Caixa::leValor(txtarrecadacao->text());
    const std::optional<Currency> sangria = Caixa::leValor(txtsangria->text());
    if (!total || !suprimento || !arrecadado || !sangria) {
        txtsaldo->clear();
        Caixa::avisaValorInvalido();
        return false;
    }
    const Currency d = Caixa::diferenca(*total, *suprimento, *arrecadado, *sangria);
    txtsaldo->setText(d.format());
    Caixa::pintaTotal(txtsaldo, d);
    return true;
}

namespace Contagem {

QTreeWidget *novaLista(const QStringList &colunas, const QList<int> &direita, QWidget *pai)
{
    auto *lista = new QTreeWidget(pai);
    lista->setRootIsDecorated(false);
    lista->setHeaderLabels(colunas);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    lista->setFont(courier);
    lista->setColumnWidth(0, pixels(1766));
    for (int c = 1; c < colunas.size(); ++c)
        lista->setColumnWidth(c, pixels(3175));
    for (int c : direita)
        lista->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    return lista;
}

QTreeWidgetItem *novaLinha(QTreeWidget *lista, const QStringList &textos)
{
    auto *linha = new QTreeWidgetItem(textos);
    for (int c = 0; c < textos.size(); ++c)
        if (const int alinhamento = lista->headerItem()->textAlignment(c))
            linha->setTextAlignment(c, Qt::Alignment(alinhamento));
    lista->addTopLevelItem(linha);
    return linha;
}

QString textoStatus(int linhas)
{
    return QStringLiteral("Total de itens contabilizados: ") + QString::number(linhas);
}

} // namespace Contagem
