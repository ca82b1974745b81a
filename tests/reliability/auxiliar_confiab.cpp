// The other process of the reliability tests.
//   grava <idMovimento> [n]  records items as the desk does, one after the
//                         other, until it is killed ("pronto" once the first
//                         is in), or n items and ends
//   trava <modo>          holds caixa.db locked ("exclusivo": nobody reads,
//                         "escrita": nobody writes) until it is killed
//   inicia                the program's start, then one write; every message
//                         box is printed as "CAIXA|title|text"
// The program folder comes from CAIXA_DIR.
#include "item_teste.h"

#include "abre_bd.h"
#include "arquivo_recebimentos.h"
#include "cls_movimento.h"
#include "cls_recebimentos.h"
#include "data_access.h"
#include "error_report.h"
#include "frm_data.h"
#include "globals.h"
#include "grava_recebimento.h"
#include "msg_box.h"
#include "program_folder.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>
#include <unistd.h>

namespace {

void diz(const QString &texto)
{
    std::printf("%s\n", texto.toUtf8().constData());
    std::fflush(stdout);
}

int grava(int idMovimento, int quantos)
{
    if (!Conexao::abrir(AbreBD::arquivoBanco()))
        return 3;
    const QString arquivo = ArquivoRecebimentos::nome(Platform::programFolder() + QLatin1Char('/'), QStringLiteral("1"),
                                                      QDate(2026, 12, 9));
    clsRecebimentos recebimentos;
    for (int feitos = 1; quantos <= 0 || feitos <= quantos; ++feitos) {
        const auto numero = GravaRecebimento::proximaAutenticacao(idMovimento);
        if (!numero)
            return 4;
        if (!GravaRecebimento::grava(recebimentos, ItemTeste::linha(*numero), idMovimento, *numero))
            return 5;
        if (!ArquivoRecebimentos::acrescenta(arquivo, ItemTeste::bloco(*numero)))
            return 6;
        if (feitos == 1)
            diz(QStringLiteral("pronto"));
    }
    return 0;
}

int trava(const QString &modo)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("trava"));
    db.setDatabaseName(AbreBD::arquivoBanco());
    if (!db.open())
        return 3;
    QSqlQuery q(db);
    if (modo == QLatin1String("exclusivo")) {
        if (!q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")) || !q.exec(QStringLiteral("BEGIN EXCLUSIVE"))
            || !q.exec(QStringLiteral("UPDATE Contador SET CONTADOR = CONTADOR")))
            return 4;
    } else if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return 4;
    }
    diz(QStringLiteral("travado"));
    for (;;)
        QThread::sleep(1);
}

// Message boxes go to stdout instead of the screen.
class CaixasImpressas : public MessageService {
public:
    int msgBox(const QString &text, int style, const QString &title) override
    {
        QString t = text;
        t.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        diz(QStringLiteral("CAIXA|") + title + QLatin1Char('|') + t);
        return (style & 0x7) == Vb::vbYesNo ? Vb::vbNo : Vb::vbOK;
    }
    QString inputBox(const InputRequest &) override { return {}; }
};

int inicia()
{
    // A read-only file means nothing to root: the check runs as nobody.
    if (qEnvironmentVariableIntValue("CAIXA_CONFIAB_NINGUEM") == 1 && geteuid() == 0
        && (setgid(65534) != 0 || setuid(65534) != 0))
        return 7;
    setMessageService(std::make_shared<CaixasImpressas>());
    QWidget *inicio = nullptr;
    const bool segue = AbreBD::Main([&inicio]() -> QWidget * { return inicio = new frmData; });
    diz(QStringLiteral("MAIN|") + (segue ? QStringLiteral("segue") : QStringLiteral("para")));
    QCoreApplication::processEvents();
    diz(QStringLiteral("FORM|") + (inicio && inicio->isVisible() ? QStringLiteral("visivel") : QStringLiteral("ausente")));
    clsMovimento movimento;
    movimento.MOV = 1;
    movimento.MDATA = QDate(2026, 12, 9);
    movimento.STATUS = QStringLiteral("ABERTO");
    bool gravado = false;
    try {
        gravado = movimento.SQLInsert();
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função Abre_movimento"));
    }
    diz(QStringLiteral("GRAVA|") + (gravado ? QStringLiteral("sim") : QStringLiteral("nao")));
    delete inicio;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString modo = args.value(1);
    if (modo == QLatin1String("grava"))
        return grava(args.value(2).toInt(), args.value(3).toInt());
    if (modo == QLatin1String("trava"))
        return trava(args.value(2));
    if (modo == QLatin1String("inicia"))
        return inicia();
    return 2;
}
