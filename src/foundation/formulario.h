#pragma once
#include "currency.h"

#include <QString>
#include <optional>

class QDialog;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

// Small pieces every window builds its controls with.
namespace Formulario {

// The control with its name (the name tests and the resizing look it up by).
template <class W>
W *nomeado(W *w, const char *nome)
{
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

// A named button; with enterClica false, Enter in a box never presses it.
QPushButton *botao(const QString &texto, const char *nome, QWidget *pai, bool enterClica = true);

// When editing of the box ends, an amount `le` understands is shown again in
// the "#,##0.00" form. Tied to the box alone, so it is safe while the window
// that holds it is being destroyed.
void formataValorAoSair(QLineEdit *caixa, std::optional<Currency> (*le)(const QString &));

// The list-and-edit window: tab 0 "Consulta" and tab 1 "Cadastro" above a
// "Sair" button (Command3), laid out on the dialog.
struct JanelaAbas {
    QTabWidget *SSTab;
    QWidget *consulta;
    QWidget *cadastro;
    QPushButton *Command3;
};
JanelaAbas montaJanelaAbas(QDialog *janela, int largura, int altura);

} // namespace Formulario
