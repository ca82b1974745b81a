#pragma once
#include "registro.h"

// Recebimentos: one document received at the station.
class clsRecebimentos : public clsRegistro {
public:
    clsRecebimentos() : clsRegistro(QStringLiteral("clsRecebimentos")) {}

    // The code of an item received without a bar code.
    static QString semCodigo() { return QString(44, QLatin1Char('0')); }

    int AUTENTICA = 0;
    int AUT = 0; // highest AUTENTICA of a movement, from SQLSelectMax; never written
    int INTEGRA = 0;
    int EXPORT = 0;
    QString CodBarra;
    int IDMOVIMENTO = 0;
    int IDRECEBE = 0;
    int TIPO = 0;
    Currency VALOR;
    QString vencimento;
    QString PARCELA;
    QString OBS;

    bool SQLSelect(int idRecebe = 0);
    // True with AUT set when the movement has items; false, AUT untouched, when it has none.
    bool SQLSelectMax(int idMovimento);
    // An item without bar code never goes to the bank file (EXPORT becomes 1).
    // Without a key the database numbers the row and IDRECEBE receives it.
    bool SQLInsert(int idRecebe = 0);
    // Leaves INTEGRA and EXPORT of the row alone.
    bool SQLUpdate(int idRecebe = 0);
    // Sets INTEGRA of every item of the movement.
    bool SQLUpIntegra(int valor, int idMovimento);
    // Writes the EXPORT property into the row of the given key.
    bool SQLUpExport(int idRecebe);
    bool SQLDelete(int idRecebe = 0);
};
