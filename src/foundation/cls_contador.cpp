#include "cls_contador.h"

bool clsContador::SQLSelect(int ano)
{
    guardaChave(ano, ANO);
    return le(QStringLiteral("SELECT ANO, CONTADOR FROM Contador WHERE ANO = ? "), {ANO},
              [this](const LinhaRegistro &r) {
                  ANO = r.inteiro(QStringLiteral("ANO"));
                  CONTADOR = r.inteiro(QStringLiteral("CONTADOR"));
              });
}

bool clsContador::SQLInsert(int ano)
{
    guardaChave(ano, ANO);
    return executa(QStringLiteral("SQLInsert"),
                   QStringLiteral("INSERT INTO Contador (ANO, CONTADOR)  VALUES (?, ?) "), {ANO, CONTADOR});
}

bool clsContador::SQLUpdate(int ano)
{
    guardaChave(ano, ANO);
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE Contador SET CONTADOR = ? WHERE ANO = ? "), {CONTADOR, ANO});
}

bool clsContador::SQLDelete(int ano)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Contador WHERE ANO = ? "), ano, ANO);
}
