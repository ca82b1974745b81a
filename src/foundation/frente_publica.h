#pragma once
#include <QDate>
#include <QString>

// What the main cashier window publishes to the windows it opens: the open
// movement, the hidden boxes they read and write, and its printing and
// listing procedures. The other subsystems see the main window only through
// this, so none of them depends on the front screen's code.
class FrentePublica {
public:
    virtual ~FrentePublica() = default;

    virtual int IdMovimento() const = 0;
    virtual int NumMovimento() const = 0;
    virtual QDate DataMovimento() const = 0;
    // The date of the listed movement (the main window's dtpData).
    virtual QDate dtpData() const = 0;
    // The mode letter of the cash window ("A", "P", "S").
    virtual QString txtstatus() const = 0;
    virtual void setTxtstatus(const QString &modo) = 0;
    // The next authentication number, as text.
    virtual QString txtcod() const = 0;
    // False while the day is closed (the bar-code box reads "CAIXA ENCERRADO").
    virtual bool codBarraHabilitado() const = 0;
    virtual QString textoCodBarra() const = 0;
    virtual void setTextoCodBarra(const QString &texto) = 0;
    // Prints a text on the authentication printer; false when it did not print.
    virtual bool ProcAutenticarDoc(const QString &texto) = 0;
    virtual void imprime_cabecalho_cupom(int modo) = 0;
    virtual void Lista_Movimento_dia() = 0;
};

namespace AbreBD {
// The main window while it is open; nullptr before and after.
inline FrentePublica *gFrente = nullptr;
}
