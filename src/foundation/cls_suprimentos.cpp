#include "cls_suprimentos.h"

bool clsSuprimentos::SQLInsert(int modo)
{
    const SqlParams valores = {TIPO, DESCRICAO, QVariant::fromValue(VALOR)};
    return conformeModo(
        modo,
        [&] {
            const QString sql = QStringLiteral("INSERT INTO Suprimentos (TIPO, DESCRICAO, VALOR)  VALUES (?, ?, ?);");
            return ID == 0 ? insereNumerado(sql, valores, ID) : executa(QStringLiteral("SQLInsert"), sql, valores);
        },
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("UPDATE Suprimentos SET TIPO = ?, DESCRICAO = ?, VALOR = ?  WHERE ID = ?;"),
                           valores + SqlParams{ID});
        });
}

bool clsSuprimentos::SQLDelete(int id)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Suprimentos WHERE ID = ? "), id, ID);
}
