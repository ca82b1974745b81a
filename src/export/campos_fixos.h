#pragma once
#include "currency.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// The field texts of the fixed-width files, and the check that each one has
// the width its record expects. Nothing here cuts a value: a value that does
// not fit comes out longer and is reported by the check.
namespace CamposFixos {

QString brancos(int n);
QString zeros(int n);

// The amount in centavos (rounded as "#,##0.00" does), zero-filled on the
// left to the width. A negative amount keeps its "-" in front.
QString valor(Currency v, int largura);
// The number zero-filled on the left to the width ("00000").
QString codigo(qint64 n, int largura);
// Left-aligned and filled with spaces when shorter than the width; a text
// of the width or longer, or no text, gives only spaces.
QString textoOuBrancos(const QVariant &v, int largura);
// The first characters of a longer text, or the text filled with spaces.
QString ajustado(const QString &texto, int largura);

// A run of one character inside a record being built.
struct Repete {
    char16_t caractere;
    int vezes;
};

inline void junta(QString &registro, QStringView parte) { registro.append(parte); }
inline void junta(QString &registro, Repete r) { registro.resize(registro.size() + r.vezes, QChar(r.caractere)); }

// Builds the record from its parts in the text's own buffer (a day's file
// builds thousands of records, one after another, in the same one) and
// answers whether it came out the expected length.
template <typename... Partes>
bool monta(QString &registro, int comprimento, const Partes &...partes)
{
    registro.resize(0);
    registro.reserve(comprimento);
    (junta(registro, partes), ...);
    return registro.size() == comprimento;
}

} // namespace CamposFixos

// Collects the fields that do not have their record's width, naming the
// item they belong to, so the error log tells which one stopped the file.
class ConferenciaCampos {
public:
    // Answers the text unchanged.
    QString confere(const QString &item, const QString &campo, const QString &texto, int largura);
    // The same, with the item's name made only for a field that does not fit
    // (a day's file checks hundreds of thousands of fields).
    template <typename NomeItem>
    QString confereCom(const NomeItem &nomeItem, const QString &campo, const QString &texto, int largura)
    {
        if (texto.size() != largura)
            anotaLargura(nomeItem(), campo, texto, largura);
        return texto;
    }
    void anota(const QString &problema);
    bool vazia() const { return m_problemas.isEmpty(); }
    const QStringList &problemas() const { return m_problemas; }
    // The problems as lines to follow a message (at most a few, then how many more).
    QString resumo() const;
    // A record that failed: the box shows the writer's own text alone (critical
    // icon, "Aviso"); the fields that did not fit go, after that text, into
    // "Log.ini" as an entry of the error log, for whoever supports the desk.
    // `origem` names the writer and `arquivo` the file it was writing.
    void avisa(const QString &texto, const QString &origem, const QString &arquivo) const;
    void limpa() { m_problemas.clear(); }

private:
    void anotaLargura(const QString &item, const QString &campo, const QString &texto, int largura);

    QStringList m_problemas;
};

// One write-only field of a record builder: a setter named after the field,
// keeping exactly the text it is given.
#define CAMPO_REGISTRO(nome)                                  \
public:                                                       \
    void nome(const QString &valor) { m_##nome = valor; }     \
                                                              \
private:                                                      \
    QString m_##nome;
