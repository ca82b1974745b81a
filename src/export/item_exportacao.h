#pragma once
#include "currency.h"

#include <QString>

// One received item as the bank return files need it.
struct ItemExportacao {
    QString autentica;  // for messages about the item
    QString codBarra;   // as stored
    Currency valor;
};
