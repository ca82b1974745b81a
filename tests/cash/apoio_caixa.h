#pragma once
// What the cash windows' tests share: a main window stand-in and direct
// reads and writes of the test database.
#include "frente_publica.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTreeWidget>

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <QtTest>

#include "data_access.h"
#include "test_support.h"

namespace ApoioCaixa {

class FrenteFalsa : public FrentePublica {
public:
    FrenteFalsa() { AbreBD::gFrente = this; }
    ~FrenteFalsa() override
    {
        if (AbreBD::gFrente == this)
            AbreBD::gFrente = nullptr;
    }
    int id = 0;
    QString modo;
    QDate dia{2026, 12, 9};
    QStringList impressos;

    int IdMovimento() const override { return id; }
    int NumMovimento() const override { return 1; }
    QDate DataMovimento() const override { return dia; }
    QDate dtpData() const override { return dia; }
    QString txtstatus() const override { return modo; }
    void setTxtstatus(const QString &m) override { modo = m; }
    QString txtcod() const override { return {}; }
    bool codBarraHabilitado() const override { return true; }
    QString textoCodBarra() const override { return {}; }
    void setTextoCodBarra(const QString &) override {}
    bool ProcAutenticarDoc(const QString &texto) override
    {
        impressos << texto;
        return true;
    }
    void imprime_cabecalho_cupom(int) override {}
    void Lista_Movimento_dia() override {}
};

using TestSupport::executa;

using TestSupport::valor;

// Every row of the query, fields joined by "|".
inline QStringList linhas(const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q = executa(sql, params);
    QStringList out;
    while (q.next()) {
        QStringList campos;
        for (int i = 0; i < q.record().count(); ++i)
            campos << q.value(i).toString();
        out << campos.join(QLatin1Char('|'));
    }
    return out;
}

inline int conta(const QString &tabela)
{
    return valor(QStringLiteral("SELECT COUNT(*) FROM ") + tabela).toInt();
}

// A movement row of the day; its ID.
inline int movimento(const QString &status = QStringLiteral("ABERTO"), const QDate &dia = QDate(2026, 12, 9))
{
    return executa(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (1, ?, ?)"),
                   {dia.toString(Qt::ISODate), status})
        .lastInsertId()
        .toInt();
}

inline void fechaMovimento(int id)
{
    executa(QStringLiteral("UPDATE Movimento SET STATUS = 'FECHADO' WHERE ID = ?"), {id});
}

// A stored entry (amounts in cents) with its lines (kind, cents); its ID.
inline int lancamento(int idMov, const QString &tipo, qint64 centavos, const QString &descricao,
                      const QList<QPair<int, qint64>> &itens = {})
{
    const bool entrada = tipo == QLatin1String("ENTRADA");
    const int id = executa(QStringLiteral("INSERT INTO Sangria (IDMOVIMENTO, DESCRICAO, TIPO, SDATA, ENTRADA, SAIDA) "
                                          "VALUES (?, ?, ?, '2026-12-09', ?, ?)"),
                           {idMov, descricao, tipo, entrada ? centavos * 100 : 0, entrada ? 0 : centavos * 100})
                       .lastInsertId()
                       .toInt();
    for (const auto &[especie, c] : itens)
        executa(QStringLiteral("INSERT INTO Itens (IDSANGRIA, ESPECIE, NUMERO, VALOR) VALUES (?, ?, '', ?)"),
                {id, especie, c * 100});
    return id;
}

// The list's popup menu asked for from the keyboard (the Menu key or
// Shift+F10), as the window system hands it to the focused list: at the
// current row, with the keyboard as its reason.
inline void menuPeloTeclado(QTreeWidget *lista)
{
    const QPoint pos = lista->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent ev(QContextMenuEvent::Keyboard, pos, lista->mapToGlobal(pos));
    QApplication::sendEvent(lista, &ev);
}

// The right button pressed on a row, then the popup menu the mouse asks for.
inline void botaoDireito(QTreeWidget *lista, int linha)
{
    const QPoint pos = lista->visualItemRect(lista->topLevelItem(linha)).center();
    QTest::mousePress(lista->viewport(), Qt::RightButton, {}, pos);
    QContextMenuEvent ev(QContextMenuEvent::Mouse, pos, lista->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(lista->viewport(), &ev);
    QTest::mouseRelease(lista->viewport(), Qt::RightButton, {}, pos);
}

} // namespace ApoioCaixa
