#include "cls_movimento.h"

bool clsMovimento::SQLSelect(int id)
{
    guardaChave(id, ID);
    return le(QStringLiteral("SELECT ID, MDATA, MOV, STATUS, VALOR_ARRECADADO, ENTRADA, SAIDA, SUPRIMENTO "
                             "FROM Movimento WHERE ID = ? "),
              {ID}, [this](const LinhaRegistro &r) {
                  ID = r.inteiro(QStringLiteral("ID"));
                  MDATA = r.data(QStringLiteral("MDATA"));
                  MOV = r.inteiro(QStringLiteral("MOV"));
                  STATUS = r.texto(QStringLiteral("STATUS"));
                  VALOR_ARRECADADO = r.moeda(QStringLiteral("VALOR_ARRECADADO"));
                  ENTRADA = r.moeda(QStringLiteral("ENTRADA"));
                  SAIDA = r.moeda(QStringLiteral("SAIDA"));
                  SUPRIMENTO = r.moeda(QStringLiteral("SUPRIMENTO"));
              });
}

bool clsMovimento::SQLInsert(int id)
{
    const SqlParams valores = {MDATA, MOV, STATUS, QVariant::fromValue(SAIDA), QVariant::fromValue(SUPRIMENTO),
                               QVariant::fromValue(VALOR_ARRECADADO), QVariant::fromValue(ENTRADA)};
    if (id == 0)
        return insereNumerado(QStringLiteral("INSERT INTO Movimento (MDATA, MOV, STATUS, SAIDA, SUPRIMENTO, "
                                             "VALOR_ARRECADADO, ENTRADA) VALUES (?, ?, ?, ?, ?, ?, ?) "),
                              valores, ID);
    ID = id;
    return executa(QStringLiteral("SQLInsert"),
                   QStringLiteral("INSERT INTO Movimento (ID, MDATA, MOV, STATUS, SAIDA, SUPRIMENTO, "
                                  "VALOR_ARRECADADO, ENTRADA)  VALUES (?, ?, ?, ?, ?, ?, ?, ?) "),
                   SqlParams{ID} + valores);
}

bool clsMovimento::SQLUpdate(int id)
{
    guardaChave(id, ID);
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE Movimento SET MDATA = ?, MOV = ?, STATUS = ?, SAIDA = ?, SUPRIMENTO = ?, "
                                  "VALOR_ARRECADADO = ?, ENTRADA = ? WHERE ID = ? "),
                   {MDATA, MOV, STATUS, QVariant::fromValue(SAIDA), QVariant::fromValue(SUPRIMENTO),
                    QVariant::fromValue(VALOR_ARRECADADO), QVariant::fromValue(ENTRADA), ID});
}

bool clsMovimento::SQLUpdate_Arrecadado(int id)
{
    guardaChave(id, ID);
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE Movimento SET SAIDA = ?, SUPRIMENTO = ?, VALOR_ARRECADADO = ?, "
                                  "ENTRADA = ?, STATUS = ? WHERE ID = ? "),
                   {QVariant::fromValue(SAIDA), QVariant::fromValue(SUPRIMENTO),
                    QVariant::fromValue(VALOR_ARRECADADO), QVariant::fromValue(ENTRADA), STATUS, ID});
}

bool clsMovimento::SQLDelete(int id)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Movimento WHERE ID = ? "), id, ID);
}
