#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;

// What the administration windows share: the default instance of a window,
// the hourglass, the key filters of their boxes, the administrator's password
// and the all-or-nothing write of "Config.ini".
namespace Admin {

// The window's default instance: created on first use, released when it closes.
template <class Janela>
Janela *instanciaPadrao(QPointer<Janela> &guardada)
{
    if (!guardada) {
        guardada = new Janela;
        guardada->setAttribute(Qt::WA_DeleteOnClose);
    }
    return guardada;
}

// Enter in a box does not press any of the window's buttons.
void semBotaoPadrao(QWidget *janela);

// The busy pointer while a list fills; the default pointer comes back however the scope ends.
class Ampulheta {
public:
    Ampulheta();
    ~Ampulheta();
    Ampulheta(const Ampulheta &) = delete;
    Ampulheta &operator=(const Ampulheta &) = delete;
};

// Typed letters become upper case (what is put in by the program stays as it is).
void maiusculas(QLineEdit *caixa);
// Only Backspace, digits and the comma pass.
void somenteNumeros(QLineEdit *caixa);
// A list the operator picks from: every typed key is swallowed.
void somenteEscolha(QComboBox *lista);

// The gate of the administration windows: asks "Entre com a senha do
// administrador!!" (masked) and answers true only for the password of an
// administrator. A refusal shows nothing.
bool senhaDeAdministrador();

// One key of "Config.ini".
struct ValorIni {
    QString secao;
    QString chave;
    QString valor;
};

// Writes every key into a copy of "Config.ini" in the same folder and then
// puts the copy in place of the file in one step, so the file holds either
// all the new values or none of them. A failure is shown ("Aviso") and
// answers false.
bool Grava_config(const QList<ValorIni> &valores);

} // namespace Admin
