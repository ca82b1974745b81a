#pragma once
#include "currency.h"
#include "data_access.h"
#include "recordset.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

// The first row of a record class's SELECT, read column by column. A column
// that is Null, missing or of the wrong kind raises, which ends the read.
class LinhaRegistro {
public:
    explicit LinhaRegistro(const Recordset &rs) : m_rs(rs) {}
    int inteiro(const QString &campo) const;
    QString texto(const QString &campo) const;
    Currency moeda(const QString &campo) const;
    QDate data(const QString &campo) const;

private:
    QVariant valor(const QString &campo) const;
    const Recordset &m_rs;
};

// What every record class shares: the data-access object it works through,
// the read of one row, the action statements and the key the database gives
// a new row. Action operations raise failures that happen outside the
// statement again, with the operation's name added to the error's source;
// statements the database refuses are reported by clsDataAccess and answer
// false.
class clsRegistro {
public:
    // A record that was never given one, or lost it, gets a new one here.
    std::shared_ptr<clsDataAccess> DataObject();
    void setDataObject(std::shared_ptr<clsDataAccess> dados);

    // What a record holds in a Date it was never given.
    static QDate dataZero() { return QDate(1899, 12, 30); }

protected:
    explicit clsRegistro(QString nomeClasse);
    ~clsRegistro() = default;
    clsRegistro(const clsRegistro &) = default;
    clsRegistro &operator=(const clsRegistro &) = default;

    // An insert, update or delete under the operation's name.
    bool executa(const QString &operacao, const QString &sql, const SqlParams &params);
    // An insert into a table whose key the database numbers: the new row's
    // key goes into chave, only when the row was written.
    bool insereNumerado(const QString &sql, const SqlParams &params, int &chave);
    // Reads the first row into the properties; any failure answers false
    // without a message of its own, keeping what was copied before it.
    bool le(const QString &sql, const SqlParams &params, const std::function<void(const LinhaRegistro &)> &copia);

    // The delete of one row by its key: a key argument other than 0 first
    // becomes the record's key.
    bool excluiPorChave(const QString &sql, int argumento, int &chave)
    {
        guardaChave(argumento, chave);
        return executa(QStringLiteral("SQLDelete"), sql, {chave});
    }

    // A key argument other than 0 becomes the record's key.
    static void guardaChave(int argumento, int &chave)
    {
        if (argumento != 0)
            chave = argumento;
    }
    // The insert operations that also update take a mode: 1 inserts the
    // row, 2 updates the row of the held key. Any other mode writes nothing.
    template <class Inclui, class Altera>
    static bool conformeModo(int modo, Inclui inclui, Altera altera)
    {
        switch (modo) {
        case 1: return inclui();
        case 2: return altera();
        default: return false;
        }
    }

private:
    bool roda(const QString &operacao, const QString &sql, const SqlParams &params, qint64 *novaChave);
    clsDataAccess &dados() const;

    QString m_classe;
    std::shared_ptr<clsDataAccess> m_dados;
};
