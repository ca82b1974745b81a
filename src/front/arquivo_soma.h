#pragma once
#include "linha_soma.h"

#include <QString>
#include <QStringList>

// The sum-list files: one line per row, the eight columns separated by ";",
// Windows-1252 with CR LF. The remark is the last column and may itself hold
// ";": everything after the seventh separator is the remark.
namespace ArquivoSoma {

QString linha(const LinhaSoma &l);

// Replaces the whole file (temporary file and rename); false with the reason.
bool grava(const QString &arquivo, const SomaLista &linhas, QString *erro = nullptr);

struct Carga {
    bool existe = false;   // the file was there
    bool ok = false;       // every line read
    SomaLista linhas;      // all the rows, or none when a line failed
    int linhaErro = 0;     // 1-based number of the line that failed
    QString erro;          // what was wrong with it
};

// Reads every row; with renumera the rows are numbered from "01" and their
// balance worked out again, otherwise SEQ and SALDO come as saved.
Carga carrega(const QString &arquivo, bool renumera);

// The rows numbered from "01" with their balance worked out again.
SomaLista renumera(const SomaLista &linhas);

} // namespace ArquivoSoma
