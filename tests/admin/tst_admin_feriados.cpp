#include "frm_feriados.h"

#include "consultas.h"
#include "globals.h"
#include "test_support.h"

#include <QDateEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QtTest>

namespace {

QSqlQuery executa(const QString &sql)
{
    QSqlQuery q(Conexao::banco());
    if (!q.exec(sql))
        qWarning("%s", qPrintable(sql));
    return q;
}

QStringList feriados()
{
    QStringList out;
    QSqlQuery q = executa(QStringLiteral("SELECT FERIADO FROM Feriados ORDER BY FERIADO"));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QStringList datasListadas(const QTreeWidget *lista)
{
    QStringList out;
    for (int i = 0; i < lista->topLevelItemCount(); ++i)
        out << lista->topLevelItem(i)->text(1);
    return out;
}

const QString kConfirmaUm = QStringLiteral("Confirma exclusão do item selecionado?");
const QString kConfirmaTodos = QStringLiteral("Confirma exclusão de todos os feriados?");

} // namespace

// The demo holidays are 2026-12-25 and 2027-01-01, both Fridays.
class TstAdminFeriados : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void listaEAcrescenta();
    void excluiOEscolhido();
    void limpaTudo();
    void exclusaoQueFalha();
};

void TstAdminFeriados::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstAdminFeriados::listaEAcrescenta()
{
    TestSupport::ProgramFolder pasta;
    QPointer<frmFeriados> w = frmFeriados::instancia();
    w->show();
    QCOMPARE(w->windowTitle(), QStringLiteral("Feriados"));
    QVERIFY(w->lwFeriados->isColumnHidden(0));
    QCOMPARE(w->lwFeriados->topLevelItem(0)->text(0), QStringLiteral("0001"));
    QCOMPARE(datasListadas(w->lwFeriados), QStringList({"25/12/2026", "01/01/2027"}));
    QCOMPARE(w->dtpData->date(), QDate(2026, 12, 9));
    QVERIFY(!AbreBD::gRs);

    QCOMPARE(Aplicativos::Proximo_dia_util(QDate(2026, 12, 23)), QDate(2026, 12, 24));
    w->dtpData->setDate(QDate(2026, 12, 24));
    w->cmdGravar->click();
    QCOMPARE(feriados(), QStringList({"2026-12-24", "2026-12-25", "2027-01-01"}));
    QCOMPARE(datasListadas(w->lwFeriados).last(), QStringLiteral("24/12/2026"));
    QVERIFY(pasta.messages->boxes.isEmpty());
    // The business-day rule sees the new holiday at once.
    QCOMPARE(Aplicativos::Proximo_dia_util(QDate(2026, 12, 23)), QDate(2026, 12, 28));

    w->cmdGravar->click();
    QCOMPARE(pasta.messages->texts(), QStringList{QStringLiteral("Data já lançada!!!")});
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbExclamation));
    QCOMPARE(pasta.messages->boxes.first().title, QStringLiteral("Aviso"));
    QCOMPARE(feriados().size(), 3);

    // One default instance, released on leaving.
    QCOMPARE(frmFeriados::instancia(), w.data());
    w->Command3->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
}

void TstAdminFeriados::excluiOEscolhido()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Feriados (FERIADO) VALUES ('2026-11-02')");
    frmFeriados w;
    w.show();
    // Nothing chosen: nothing happens, nothing is asked.
    w.cmdExcluir->click();
    QVERIFY(pasta.messages->boxes.isEmpty());
    QCOMPARE(feriados().size(), 3);

    QTreeWidgetItem *segundo = w.lwFeriados->topLevelItem(1);
    w.lwFeriados_ItemClick(segundo);
    QCOMPARE(w.Tag, QStringLiteral("0002"));
    pasta.messages->answers = {Vb::vbNo};
    w.cmdExcluir->click();
    QCOMPARE(pasta.messages->texts(), QStringList{kConfirmaUm});
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbYesNo + Vb::vbQuestion));
    QCOMPARE(feriados().size(), 3);

    // The list's highlight moved meanwhile; the row deleted is the one chosen.
    w.lwFeriados->setCurrentItem(w.lwFeriados->topLevelItem(2));
    w.lwFeriados->clearSelection();
    w.lwFeriados_ItemClick(segundo);
    pasta.messages->answers = {Vb::vbYes};
    w.cmdExcluir->click();
    QCOMPARE(feriados(), QStringList({"2026-11-02", "2026-12-25"}));
    QCOMPARE(datasListadas(w.lwFeriados), QStringList({"25/12/2026", "02/11/2026"}));
    QVERIFY(w.Tag.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TstAdminFeriados::limpaTudo()
{
    TestSupport::ProgramFolder pasta;
    frmFeriados w;
    w.show();
    w.lwFeriados_ItemClick(w.lwFeriados->topLevelItem(0));
    pasta.messages->answers = {Vb::vbNo};
    w.cmdLimpar->click();
    QCOMPARE(feriados().size(), 2);
    pasta.messages->answers = {Vb::vbYes};
    w.cmdLimpar->click();
    QCOMPARE(pasta.messages->texts(), QStringList(2, kConfirmaTodos));
    QVERIFY(feriados().isEmpty());
    QCOMPARE(w.lwFeriados->topLevelItemCount(), 0);
    QCOMPARE(Aplicativos::Proximo_dia_util(QDate(2026, 12, 24)), QDate(2026, 12, 25));

    // An empty list: the question, then nothing; the pointer is back to normal.
    pasta.messages->clear();
    pasta.messages->answers = {Vb::vbYes};
    w.cmdLimpar->click();
    QCOMPARE(pasta.messages->texts(), QStringList{kConfirmaTodos});
    QVERIFY(!QGuiApplication::overrideCursor());

    // The table can be filled again.
    w.dtpData->setDate(QDate(2027, 4, 21));
    w.cmdGravar->click();
    QCOMPARE(feriados(), QStringList{"2027-04-21"});
}

void TstAdminFeriados::exclusaoQueFalha()
{
    TestSupport::ProgramFolder pasta;
    frmFeriados w;
    w.show();
    w.lwFeriados_ItemClick(w.lwFeriados->topLevelItem(0));
    executa("CREATE TRIGGER nao_apaga BEFORE DELETE ON Feriados BEGIN SELECT RAISE(ABORT, 'bloqueado'); END");
    pasta.messages->answers = {Vb::vbYes};
    w.cmdExcluir->click();
    QCOMPARE(pasta.messages->boxes.last().text, QStringLiteral("ERRO ao excluir!!"));
    QCOMPARE(pasta.messages->boxes.last().title, QStringLiteral("ERRO!!"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbCritical));
    QCOMPARE(feriados().size(), 2);
    QCOMPARE(w.lwFeriados->topLevelItemCount(), 2);
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TstAdminFeriados)
#include "tst_admin_feriados.moc"
