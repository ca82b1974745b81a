#include "cls_sangria.h"

bool clsSangria::SQLInsert(int modo)
{
    const SqlParams valores = {IDMOVIMENTO, DESCRICAO, TIPO, SDATA, QVariant::fromValue(ENTRADA),
                               QVariant::fromValue(SAIDA)};
    return conformeModo(
        modo,
        [&] {
            return insereNumerado(QStringLiteral("INSERT INTO Sangria (IDMOVIMENTO, DESCRICAO, TIPO, SDATA, "
                                                 "ENTRADA,SAIDA)  VALUES (?, ?, ?, ?, ?, ?) "),
                                  valores, ID);
        },
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("UPDATE Sangria SET IDMOVIMENTO = ?, DESCRICAO = ?, TIPO = ?, SDATA = ?, "
                                          "ENTRADA = ?, SAIDA = ?  WHERE ID = ?;"),
                           valores + SqlParams{ID});
        });
}

bool clsSangria::SQLDelete(int id)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Sangria WHERE ID = ? "), id, ID);
}
