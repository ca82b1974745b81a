#include "cls_conf_caixa.h"

bool clsConfCaixa::SQLInsert(int id)
{
    if (id == 0)
        return executa(QStringLiteral("SQLInsert"),
                       QStringLiteral("INSERT INTO ConfCaixa (ESPECIE, IDMOVIMENTO, NUMERO, VALOR)  "
                                      "VALUES (?, ?, ?, ?) "),
                       {ESPECIE, IDMOVIMENTO, NUMERO, QVariant::fromValue(VALOR)});
    ID = id;
    return executa(QStringLiteral("SQLInsert"),
                   QStringLiteral("INSERT INTO ConfCaixa (ESPECIE, ID, IDMOVIMENTO, NUMERO, VALOR)  "
                                  "VALUES (?, ?, ?, ?, ?) "),
                   {ESPECIE, ID, IDMOVIMENTO, NUMERO, QVariant::fromValue(VALOR)});
}

bool clsConfCaixa::SQLUpdate(int id)
{
    guardaChave(id, ID);
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE ConfCaixa SET ESPECIE = ?, IDMOVIMENTO = ?, NUMERO = ?, VALOR = ? "
                                  "WHERE ID = ? "),
                   {ESPECIE, IDMOVIMENTO, NUMERO, QVariant::fromValue(VALOR), ID});
}

bool clsConfCaixa::SQLDelete(int id)
{
    return excluiPorChave(QStringLiteral("DELETE FROM ConfCaixa WHERE ID = ? "), id, ID);
}
