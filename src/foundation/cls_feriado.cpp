#include "cls_feriado.h"

bool clsFeriado::SQLInsert()
{
    return executa(QStringLiteral("SQLInsert"), QStringLiteral("INSERT INTO Feriados (FERIADO) VALUES (?);"),
                   {FERIADO});
}

bool clsFeriado::SQLDelete(int id)
{
    if (id == 0)
        return executa(QStringLiteral("SQLDelete"), QStringLiteral("DELETE FROM Feriados"), {});
    return excluiPorChave(QStringLiteral("DELETE FROM Feriados WHERE ID = ?;"), id, ID);
}
