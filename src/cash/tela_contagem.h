#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// What the two cash counts (the closing one and the temporary one) show
// alike: the movement's totals beside the counted lines.

// The five totals, each in a frame named after it with a light background of
// its own, right-aligned and editable.
class PainelTotais : public QWidget {
public:
    // `textoInicial` is what every box shows before anything is worked out.
    PainelTotais(const QString &textoInicial, QWidget *pai);

    QLineEdit *txttotal;
    QLineEdit *txtarrecadacao;
    QLineEdit *txtsangria;
    QLineEdit *txtsuprimento;
    QLineEdit *txtsaldo;

    // txtsaldo = (txttotal + txtsuprimento) - (txtarrecadacao + txtsangria),
    // read from the boxes, in the total's colour. A box edited into something
    // that is not money gives no difference: txtsaldo is emptied, the teller
    // is told and the answer is false.
    bool calculaDiferenca();
};

namespace Contagem {

// The list of counted lines: Courier New, 1766 twips for the first column and
// 3175 for the others; the `direita` columns right-aligned.
QTreeWidget *novaLista(const QStringList &colunas, const QList<int> &direita, QWidget *pai);
// A row of the list, aligned as its header.
QTreeWidgetItem *novaLinha(QTreeWidget *lista, const QStringList &textos);

// "Total de itens contabilizados: " and the number of lines.
QString textoStatus(int linhas);

} // namespace Contagem
