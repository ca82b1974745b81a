#include "cls_cod_barra.h"

bool clsCodBarra::SQLInsert(int modo)
{
    const SqlParams valores = {IDTIPO, DESCRICAO, PADRAO, Juros, BLOQUEIO, CODBANCO};
    return conformeModo(
        modo,
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("INSERT INTO CodBarra (IDCOD, IDTIPO, DESCRICAO, PADRAO, JUROS, BLOQUEIO, "
                                          "CODBANCO)  VALUES (?, ?, ?, ?, ?, ?, ?);"),
                           SqlParams{IDCOD} + valores);
        },
        [&] {
            return executa(QStringLiteral("SQLInsert"),
                           QStringLiteral("UPDATE CodBarra SET IDTIPO = ?, DESCRICAO = ?, PADRAO = ?, JUROS = ?, "
                                          "BLOQUEIO = ?, CODBANCO = ?  WHERE IDCOD = ?;"),
                           valores + SqlParams{IDCOD});
        });
}

bool clsCodBarra::SQLDelete(int idCod)
{
    return excluiPorChave(QStringLiteral("DELETE FROM CodBarra WHERE IDCOD = ? "), idCod, IDCOD);
}
