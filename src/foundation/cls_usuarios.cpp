#include "cls_usuarios.h"

bool clsUsuarios::SQLInsert(int modo)
{
    const SqlParams valores = {NOME, SENHA, TIPO, ATIVO};
    return conformeModo(
        modo,
        [&] {
            const QString sql = QStringLiteral("INSERT INTO usuarios (NOME, SENHA, TIPO, ATIVO)  VALUES (?, ?, ?, ?);");
            return ID == 0 ? insereNumerado(sql, valores, ID) : executa(QStringLiteral("SQLInsert"), sql, valores);
        },
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("UPDATE usuarios SET NOME = ?, SENHA = ?, TIPO = ?, ATIVO = ?  WHERE ID = ?;"),
                           valores + SqlParams{ID});
        });
}

bool clsUsuarios::SQLDelete(int id)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Usuarios WHERE ID = ? "), id, ID);
}
