// Writing the day's files for a day of many items with no pause per record:
// the FEBRABAN return file and the integration file. Records per second and
// the peak memory each writer adds, beside the memory of the day's list alone.
// The day holds 99 999 items: the integration record keeps the authentication
// number in 5 digits, so that is the most one day can write.
#include "comum.h"
#include "massa.h"

#include "aplicativos.h"
#include "consulta_recebimentos.h"
#include "globals.h"
#include "abre_bd.h"
#include "msg_box.h"
#include "gera_febraban.h"
#include "gera_integracao.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

namespace {

struct Medida {
    double segundos = 0;
    double picoMb = 0;
};

// The child: opens the prepared folder, runs one writer and says how long it
// took and how far its resident memory rose above what it was before.
int filho(const QStringList &args)
{
    const QString qual = args.value(2);
    const int idMov = args.value(3).toInt();
    const int dia = args.value(4).toInt();
    AbreBD::gDataAccess = std::make_unique<clsDataAccess>();
    if (!AbreBD::Abre_conexao())
        return 3;
    AbreBD::Carrega_variaveis();
    setMessageService(std::make_shared<ScriptedMessages>());
    const qint64 antes = Bench::memoriaAtualKb();
    bool ok = false;
    GeraFebraban feb;
    feb.pausaPorRegistroMs = 0;
    GeraIntegracao integ;
    integ.pausaPorRegistroMs = 0;
    const qint64 ns = Bench::cronometra([&] {
        if (qual == QLatin1String("lista")) {
            ok = consultaRecebimentos(idMov, 1, 0) != nullptr;
        } else if (qual == QLatin1String("febraban")) {
            ok = feb.Gera_febraban_pendentes({idMov, 1, QStringLiteral("IPTU"), QStringLiteral("001"),
                                              Massa::diaMedido(), Massa::diaMedido(), dia});
        } else {
            ok = integ.Gera_integracao({idMov, Massa::diaMedido(), Currency::fromReais(1000), Currency()});
        }
    });
    std::printf("%lld %lld\n", ok ? ns : -1LL, Bench::picoMemoriaKb() - antes);
    return 0;
}

Medida mede(const Massa::Pasta &pasta, const QString &qual, int idMov, int dia)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CAIXA_DIR"), pasta.folder->path());
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--filho"), qual, QString::number(idMov), QString::number(dia)});
    p.waitForFinished(-1);
    const QStringList r = QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char(' '));
    if (r.size() != 2 || r.at(0).toLongLong() < 0)
        qFatal("writer %s failed", qPrintable(qual));
    return {double(r.at(0).toLongLong()) / 1e9, double(r.at(1).toLongLong()) / 1024.0};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--filho") == 0)
        return filho(app.arguments());
    const QList<int> tamanhos = Bench::tamanhos();
    const int dia = Bench::ajuste("CAIXA_BENCH_DIA", 99999);
    QList<double> febRps, febMb, intRps, intMb, listaMb, listaS;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("arquivos: %1 recebimentos, dia de %2 itens").arg(n).arg(dia));
        Massa::Pasta pasta(n);
        const int idMov = pasta.abreDia(dia, 1);
        Aplicativos::Grava_ini(QStringLiteral("Export"), QStringLiteral("caminho_febraban"),
                               pasta.folder->file(QStringLiteral("exporta/")), AbreBD::arquivoConfig());

        AbreBD::Fecha_conexao();
        const Medida lista = mede(pasta, QStringLiteral("lista"), idMov, dia);
        const Medida f = mede(pasta, QStringLiteral("febraban"), idMov, dia);
        const Medida i = mede(pasta, QStringLiteral("integracao"), idMov, dia);

        Bench::nota(QStringLiteral("  lista %1 MB; febraban %2 s, %3 MB; integração %4 s, %5 MB")
                        .arg(lista.picoMb).arg(f.segundos).arg(f.picoMb).arg(i.segundos).arg(i.picoMb));
        listaMb << lista.picoMb;
        listaS << lista.segundos * 1000;
        febRps << (dia + 2) / f.segundos;
        febMb << f.picoMb;
        intRps << (dia + 2) / i.segundos;
        intMb << i.picoMb;
    }
    const QString nome = QStringLiteral("Arquivos do dia (%1 itens)").arg(dia);
    Bench::publicaTamanhos(tamanhos);
    Bench::publica(nome, QStringLiteral("FEBRABAN"), QStringLiteral("reg/s"), QStringLiteral(">= 200000"), febRps);
    Bench::publica(nome, QStringLiteral("integração"), QStringLiteral("reg/s"), QStringLiteral(">= 200000"), intRps);
    Bench::publica(nome, QStringLiteral("lista do dia lida (referência)"), QStringLiteral("ms"), QString(), listaS);
    Bench::publica(nome, QStringLiteral("lista do dia lida (referência)"), QStringLiteral("MB"), QString(), listaMb);
    Bench::publica(nome, QStringLiteral("FEBRABAN: pico de memória"), QStringLiteral("MB"),
                   QStringLiteral("<= a lista do dia"), febMb);
    Bench::publica(nome, QStringLiteral("integração: pico de memória"), QStringLiteral("MB"),
                   QStringLiteral("<= a lista do dia"), intMb);
    return 0;
}
