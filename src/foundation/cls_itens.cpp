#include "cls_itens.h"

bool clsItens::SQLInsert(int modo)
{
    const SqlParams valores = {IDSANGRIA, ESPECIE, NUMERO, QVariant::fromValue(VALOR)};
    return conformeModo(
        modo,
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("INSERT INTO Itens (IDSANGRIA, ESPECIE, NUMERO, VALOR)  "
                                          "VALUES (?, ?, ?, ?) "),
                           valores);
        },
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("UPDATE Itens SET IDSANGRIA = ?, ESPECIE = ?, NUMERO = ?, VALOR = ?  "
                                          "WHERE ID = ?;"),
                           valores + SqlParams{ID});
        });
}

bool clsItens::SQLDelete(int id)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Itens WHERE ID = ? "), id, ID);
}
