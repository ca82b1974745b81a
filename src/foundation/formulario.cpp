#include "formulario.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Formulario {

QPushButton *botao(const QString &texto, const char *nome, QWidget *pai, bool enterClica)
{
    auto *b = nomeado(new QPushButton(texto, pai), nome);
    if (!enterClica)
        b->setAutoDefault(false);
    return b;
}

void formataValorAoSair(QLineEdit *caixa, std::optional<Currency> (*le)(const QString &))
{
    QObject::connect(caixa, &QLineEdit::editingFinished, caixa, [caixa, le] {
        if (const auto v = le(caixa->text()))
            caixa->setText(v->format());
    });
}

JanelaAbas montaJanelaAbas(QDialog *janela, int largura, int altura)
{
    JanelaAbas a;
    a.SSTab = nomeado(new QTabWidget(janela), "SSTab");
    a.consulta = new QWidget(a.SSTab);
    a.cadastro = new QWidget(a.SSTab);
    a.SSTab->addTab(a.consulta, QStringLiteral("Consulta"));
    a.SSTab->addTab(a.cadastro, QStringLiteral("Cadastro"));
    a.Command3 = botao(QStringLiteral("Sair"), "Command3", janela, false);
    auto *rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(a.Command3);
    auto *tudo = new QVBoxLayout(janela);
    tudo->addWidget(a.SSTab, 1);
    tudo->addLayout(rodape);
    janela->resize(largura, altura);
    return a;
}

} // namespace Formulario
