#pragma once
// The desktop's answers to the settings windows, scripted.
#include "seletores.h"

#include <QStringList>

class SeletoresTeste : public Admin::Seletores {
public:
    QStringList pastas;   // answers of the folder dialog, in turn ("" = cancelled)
    QStringList arquivos; // answers of the file dialog
    QStringList filtros;  // filters the file dialog was given
    QStringList titulos;  // titles the folder dialog was given
    QString padrao;
    QStringList instaladas;

    QString pasta(QWidget *, const QString &titulo) override
    {
        titulos << titulo;
        return pastas.isEmpty() ? QString() : pastas.takeFirst();
    }
    QString arquivo(QWidget *, const QString &filtro) override
    {
        filtros << filtro;
        return arquivos.isEmpty() ? QString() : arquivos.takeFirst();
    }
    QString impressoraPadrao() override { return padrao; }
    QStringList impressorasInstaladas() override { return instaladas; }
};
