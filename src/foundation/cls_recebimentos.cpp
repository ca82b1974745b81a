#include "cls_recebimentos.h"

bool clsRecebimentos::SQLSelect(int idRecebe)
{
    guardaChave(idRecebe, IDRECEBE);
    return le(QStringLiteral("SELECT AUTENTICA, CODBARRA, IDMOVIMENTO, IDRECEBE, TIPO, INTEGRA, EXPORT, "
                             "VALOR, VENCIMENTO, PARCELA, OBS FROM Recebimentos WHERE IDRECEBE = ? "),
              {IDRECEBE}, [this](const LinhaRegistro &r) {
                  AUTENTICA = r.inteiro(QStringLiteral("AUTENTICA"));
                  CodBarra = r.texto(QStringLiteral("CodBarra"));
                  IDMOVIMENTO = r.inteiro(QStringLiteral("IDMOVIMENTO"));
                  IDRECEBE = r.inteiro(QStringLiteral("IDRECEBE"));
                  TIPO = r.inteiro(QStringLiteral("TIPO"));
                  INTEGRA = r.inteiro(QStringLiteral("INTEGRA"));
                  EXPORT = r.inteiro(QStringLiteral("EXPORT"));
                  VALOR = r.moeda(QStringLiteral("VALOR"));
                  vencimento = r.texto(QStringLiteral("vencimento"));
                  PARCELA = r.texto(QStringLiteral("PARCELA"));
                  OBS = r.texto(QStringLiteral("OBS"));
              });
}

bool clsRecebimentos::SQLSelectMax(int idMovimento)
{
    return le(QStringLiteral("SELECT MAX(AUTENTICA) as MaxAUT FROM Recebimentos WHERE IDMOVIMENTO = ? "),
              {idMovimento}, [this](const LinhaRegistro &r) { AUT = r.inteiro(QStringLiteral("MaxAUT")); });
}

bool clsRecebimentos::SQLInsert(int idRecebe)
{
    if (CodBarra == semCodigo())
        EXPORT = 1;
    const SqlParams valores = {AUTENTICA, CodBarra, IDMOVIMENTO, TIPO, INTEGRA, EXPORT,
                               QVariant::fromValue(VALOR), vencimento, PARCELA, OBS};
    if (idRecebe == 0)
        return insereNumerado(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, "
                                             "INTEGRA, EXPORT, VALOR, VENCIMENTO, PARCELA, OBS)  "
                                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "),
                              valores, IDRECEBE);
    IDRECEBE = idRecebe;
    return executa(QStringLiteral("SQLInsert"),
                   QStringLiteral("INSERT INTO Recebimentos (IDRECEBE, AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, "
                                  "INTEGRA, EXPORT, VALOR, VENCIMENTO, PARCELA, OBS)  "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "),
                   SqlParams{IDRECEBE} + valores);
}

bool clsRecebimentos::SQLUpdate(int idRecebe)
{
    guardaChave(idRecebe, IDRECEBE);
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE Recebimentos SET AUTENTICA = ?, CODBARRA = ?, IDMOVIMENTO = ?, TIPO = ?, "
                                  "VALOR = ?, VENCIMENTO = ?, PARCELA = ?, OBS = ?  WHERE IDRECEBE = ? "),
                   {AUTENTICA, CodBarra, IDMOVIMENTO, TIPO, QVariant::fromValue(VALOR), vencimento, PARCELA, OBS,
                    IDRECEBE});
}

bool clsRecebimentos::SQLUpIntegra(int valor, int idMovimento)
{
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE Recebimentos SET INTEGRA = ? WHERE IDMOVIMENTO = ? "),
                   {valor, idMovimento});
}

bool clsRecebimentos::SQLUpExport(int idRecebe)
{
    return executa(QStringLiteral("SQLUpdate"),
                   QStringLiteral("UPDATE Recebimentos SET EXPORT = ? WHERE IDRECEBE = ? "), {EXPORT, idRecebe});
}

bool clsRecebimentos::SQLDelete(int idRecebe)
{
    return excluiPorChave(QStringLiteral("DELETE FROM Recebimentos WHERE IDRECEBE = ? "), idRecebe, IDRECEBE);
}
