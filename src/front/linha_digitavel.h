#pragma once
#include <QDate>
#include <QString>
#include <array>
#include <optional>

// The two typed lines of the payment documents, checked and turned back into
// the 44-digit bar code.
namespace LinhaDigitavel {

// campo1..campo6, digito, campo7 of a bank document (47 digits).
struct Bancaria {
    QString campo1, campo2, campo3, campo4, campo5, campo6, digito, campo7;
};

// input1..input4 (eleven digits each) and their check digits dv1..dv4.
struct Arrecadacao {
    std::array<QString, 4> input;
    std::array<QString, 4> dv;
};

// What a check gives the window: the message to show (empty when the line is
// good) and the display boxes to write (unset: left as they are).
struct Resultado {
    QString erro;
    std::optional<QString> codigo; // txtcodigo
    std::optional<QString> dta;    // txtdta
    std::optional<QString> valor;  // txtvalor
    bool ok() const { return erro.isEmpty(); }
};

extern const QString erroVazio;  // "ERRO!!! Todos os campos devem ser preenchidos. Verifique."
extern const QString erroGeral;  // "ERRO!!! Tavez você tenha digitado algo errado. Verifique."
QString erroSequencia(int grupo); // "... 1ª Sequencia - verifique."

// The due date of a bank line is read in the factor cycle nearest the cash day.
Resultado valida(const Bancaria &linha, const QDate &dataCaixa);
Resultado valida(const Arrecadacao &linha);

} // namespace LinhaDigitavel
