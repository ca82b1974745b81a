#pragma once
#include "registro.h"

// CodBarra: document types (IDCOD below 100) and kinds of money (PADRAO "S").
class clsCodBarra : public clsRegistro {
public:
    clsCodBarra() : clsRegistro(QStringLiteral("clsCodBarra")) {}

    QString DESCRICAO;
    int IDCOD = 0; // given by the user
    QString IDTIPO;
    QString PADRAO; // "C", "F", "P" or "S"
    QString Juros; // "S" or "N"
    QString BLOQUEIO; // "S" or "N"
    QString CODBANCO;

    // Mode 1 inserts the row with its IDCOD, mode 2 updates the row of IDCOD.
    bool SQLInsert(int modo);
    bool SQLDelete(int idCod = 0);
};
