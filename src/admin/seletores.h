#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

// What the settings windows ask of the desktop: a folder, a file to open and
// the printers installed. Tests install their own answers.
namespace Admin {

class Seletores {
public:
    virtual ~Seletores() = default;
    // The folder the operator chose; "" when the dialog was cancelled.
    virtual QString pasta(QWidget *dono, const QString &titulo);
    // The file the operator chose (full path); "" when cancelled. The filter
    // is in the file dialog's form, e.g. "txt (*.txt)".
    virtual QString arquivo(QWidget *dono, const QString &filtro);
    virtual QString impressoraPadrao();
    // The installed printers, in the system's order.
    virtual QStringList impressorasInstaladas();
};

// nullptr brings back the desktop's own dialogs and printers.
void setSeletores(std::shared_ptr<Seletores> seletores);
Seletores &seletores();

// The folder picker of the settings windows ("Procura destino..."): the
// chosen folder ending in the path separator; "" when cancelled.
QString Procura_pasta(QWidget *dono);
// The file picker for one kind of file; "" when cancelled.
QString Procura_arquivo(QWidget *dono, const QString &filtro);

} // namespace Admin
