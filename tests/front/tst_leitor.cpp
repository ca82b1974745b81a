// The bar-code reading road without a window: classification, duplicates,
// check digits, previous-year block, due dates, interest and the row handed
// to the sum list.
#include "codigo_barras.h"
#include "gerador_codigos.h"
#include "globals.h"
#include "leitor_codigo_barras.h"
#include "program_folder.h"
#include "test_support.h"
#include "text_file.h"

#include <QSet>
#include <QtTest>

using Desfecho = ResultadoLeitura::Desfecho;

namespace {

// The warnings answered from a script; every window shown is recorded.
class AvisosRoteiro : public AvisosPagamento {
public:
    QStringList mostrados;
    QList<bool> respostasVencida;
    QList<Acrescimos> acrescimosMostrados;

    void contaLancada(const QString &m) override { mostrados << QStringLiteral("frmContaLancada:") + m; }
    void bloqueia() override { mostrados << QStringLiteral("frmBloqueia"); }
    void contaVencida() override { mostrados << QStringLiteral("frmContavencida"); }
    bool guiaVencida() override
    {
        mostrados << QStringLiteral("frmGuiavencida");
        return respostasVencida.isEmpty() || respostasVencida.takeFirst();
    }
    void acrescimos(const Acrescimos &a) override
    {
        mostrados << QStringLiteral("frmAcrescimos");
        acrescimosMostrados << a;
    }
};

// Receipts, network and holidays as a test wants them.
struct Mundo {
    QSet<QString> recebidos, recebidos1;
    bool redeAtiva = true;
    QSet<QDate> feriados;
    int consultasRecebimentos1 = 0;

    ConsultasLeitura consultas()
    {
        return {[this](const QString &c) { return recebidos.contains(c); },
                [this](const QString &c) { ++consultasRecebimentos1; return recebidos1.contains(c); },
                [this] { return redeAtiva; },
                [this](const QDate &d) {
                    QDate p = d.addDays(1);
                    while (p.dayOfWeek() >= Qt::Saturday || feriados.contains(p))
                        p = p.addDays(1);
                    return p;
                },
                [this](const QDate &d) { return feriados.contains(d); }};
    }
};

const QDate hoje(2026, 12, 9); // a Wednesday

void insereTipo(int idcod, const char *descricao, const char *idtipo, QVariant padrao, QVariant juros,
                QVariant bloqueio)
{
    QVERIFY(AbreBD::gDataAccess->SQLExecute(
        QStringLiteral("INSERT INTO CodBarra (DESCRICAO, IDCOD, IDTIPO, PADRAO, JUROS, BLOQUEIO) VALUES (?, ?, ?, ?, ?, ?)"),
        {QString::fromUtf8(descricao), idcod, QString::fromLatin1(idtipo), padrao, juros, bloqueio}));
}

QString empresa(const char *chave) { return QString::fromLatin1(chave); }
QString livreBancario(const QString &chaveA) { return chaveA + QStringLiteral("55555") + QStringLiteral("000000000000000"); }

} // namespace

class TstLeitor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void soLeCodigosDe44();
    void arrecadacaoEntraNaSoma();
    void duplicados();
    void tipoNaoEncontrado();
    void codigosGeradosComDigitoCertoEErrado();
    void codigoComLetras();
    void anoAnterior();
    void bancarioPeloFatorDoCiclo();
    void vencimentoEmFimDeSemanaEFeriado();
    void vencidaComJuros();
    void vencidaSemJuros();
    void outroDocumento();
    void bandeirasNulasEChavesRepetidas();
    void tipoQueClassificaVemPrimeiro();
    void dataInvalidaEncerraOPagamentoSemMensagem();
    void erroNoPagamentoDiversoTemSeuLugar();
    void tiposDeDemonstracaoClassificam();

private:
    ResultadoLeitura le(const QString &codigo, const SomaLista &soma = {});

    std::unique_ptr<TestSupport::ProgramFolder> m_pasta;
    Mundo m_mundo;
    AvisosRoteiro m_avisos;
    AjustesLeitura m_ajustes;
};

void TstLeitor::init()
{
    TestSupport::ProgramFolder::Options o;
    o.demo = false;
    m_pasta = std::make_unique<TestSupport::ProgramFolder>(o);
    m_mundo = Mundo();
    m_avisos = AvisosRoteiro();
    m_ajustes = AjustesLeitura{hoje, 0, 1};
    Transacao t;
    insereTipo(1, "IPTU", "0123", "F", "S", "S");
    insereTipo(2, "ISS", "0124", "F", "N", "N");
    insereTipo(3, "DATA 225", "225", "P", "N", "N");
    insereTipo(4, "TAXA 0425", "0425", "F", "N", "N");
    insereTipo(5, "BOLETO B", "67890", "C", "N", "S");
    insereTipo(6, "DIVERSOS BLOQ", "777", "P", "N", "S");
    insereTipo(7, "DIVERSOS", "778", "P", "N", "N");
    insereTipo(8, "SEM BANDEIRAS", "0999", "F", QVariant(), QVariant());
    insereTipo(9, "REPETIDA A", "0555", "F", "N", "N");
    insereTipo(10, "REPETIDA B", "0555", "F", "N", "N");
    insereTipo(101, "DINHEIRO", "0126", "S", "N", "N");
    insereTipo(104, "BLOQUETO", "12345", "C", "S", "N");
    QVERIFY(t.commit());
}

void TstLeitor::cleanup()
{
    m_pasta.reset();
}

ResultadoLeitura TstLeitor::le(const QString &codigo, const SomaLista &soma)
{
    LeitorCodigoBarras leitor(m_mundo.consultas(), m_avisos);
    return leitor.VerificaLeituraCodigoBarras(codigo, soma, m_ajustes);
}

void TstLeitor::soLeCodigosDe44()
{
    const QString bom = Gerador::arrecadacao('6', 100, empresa("0124"), QDate(2026, 12, 20), QString(17, '1'));
    for (const QString &c : {bom.left(43), bom + QLatin1Char('1'), QString()}) {
        const ResultadoLeitura r = le(c);
        QCOMPARE(r.desfecho, Desfecho::Ignorado);
        QVERIFY(!r.limpaCodigo && r.tipos.isEmpty() && !r.semRede);
    }
    QVERIFY(m_avisos.mostrados.isEmpty());
}

void TstLeitor::arrecadacaoEntraNaSoma()
{
    const QString codigo = Gerador::arrecadacao('6', 123456, empresa("0124"), QDate(2026, 12, 20), QString(17, '1'));
    QCOMPARE(CodigoBarras::posicoes(codigo, 5, 15), QStringLiteral("00000123456"));
    const SomaLista antes{novaLinhaSoma({}, 1, QStringLiteral("IPTU"), Currency::fromCents(1000), QStringLiteral("x"))};
    const ResultadoLeitura r = le(codigo, antes);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QVERIFY(m_avisos.mostrados.isEmpty());
    QCOMPARE(r.tipos.size(), 1);
    QCOMPARE(r.tipos.first().descricao, QStringLiteral("ISS"));
    QCOMPARE(r.tipoSelecionado, 0);
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("1.234,56"));
    QVERIFY(r.linha);
    QCOMPARE(r.linha->seq, QStringLiteral("02"));
    QCOMPARE(r.linha->tipo, QStringLiteral("02-ISS"));
    QCOMPARE(r.linha->idTipo, 2);
    QCOMPARE(r.linha->saldo.format(), QStringLiteral("1.244,56"));
    QCOMPARE(r.linha->codBarra, codigo);
    QVERIFY(!r.limpaCodigo);
}

void TstLeitor::duplicados()
{
    const QString codigo = Gerador::arrecadacao('8', 5000, empresa("0124"), QDate(2026, 12, 20), QString(17, '2'));
    const SomaLista soma{novaLinhaSoma({}, 2, QStringLiteral("ISS"), Currency::fromCents(5000), codigo)};
    ResultadoLeitura r = le(codigo, soma);
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QVERIFY(r.limpaCodigo);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmContaLancada:Conta já Lançada!!!")});

    // Only the code column counts: the same digits in a remark are no duplicate.
    SomaLista comObs = soma;
    comObs[0].codBarra = QString(44, QLatin1Char('0'));
    comObs[0].obs = codigo;
    QCOMPARE(le(codigo, comObs).desfecho, Desfecho::Adicionado);

    m_avisos.mostrados.clear();
    m_mundo.recebidos << codigo;
    QCOMPARE(le(codigo).desfecho, Desfecho::Recusado);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmContaLancada:Conta já Recebida!!!")});
    m_mundo.recebidos.clear();

    // The other stations' receipts are asked only with gRede = 1 and the network up.
    m_avisos.mostrados.clear();
    m_mundo.recebidos1 << codigo;
    r = le(codigo);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QVERIFY(!r.semRede);
    QCOMPARE(m_mundo.consultasRecebimentos1, 0);
    m_ajustes.rede = 1;
    r = le(codigo);
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QCOMPARE(r.semRede, std::optional<bool>(false));
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmContaLancada:Conta já Recebida!!!")});
    m_mundo.redeAtiva = false;
    r = le(codigo);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(r.semRede, std::optional<bool>(true));
    QCOMPARE(m_mundo.consultasRecebimentos1, 1);

    // A code starting "000" is never a duplicate.
    m_avisos.mostrados.clear();
    const QString zeros = Gerador::bancario(QStringLiteral("000"), 1700, 990, livreBancario(QStringLiteral("12345")));
    m_mundo.recebidos << zeros;
    const SomaLista comZeros{novaLinhaSoma({}, 104, QStringLiteral("BLOQUETO"), Currency::fromCents(990), zeros)};
    QCOMPARE(le(zeros, comZeros).desfecho, Desfecho::Adicionado);
    QVERIFY(m_avisos.mostrados.isEmpty());
}

void TstLeitor::tipoNaoEncontrado()
{
    // A kind of money never classifies a code, nor enters the type list.
    for (const char *chave : {"0321", "0126"}) {
        const QString codigo = Gerador::arrecadacao('6', 100, empresa(chave), QDate(2026, 12, 10), QString(17, '1'));
        const ResultadoLeitura r = le(codigo);
        QCOMPARE(r.desfecho, Desfecho::Recusado);
        QVERIFY(r.limpaCodigo);
        QVERIFY(r.tipos.isEmpty());
    }
    QVERIFY(m_avisos.mostrados.isEmpty());
    QVERIFY(m_pasta->messages->boxes.isEmpty());
}

void TstLeitor::codigosGeradosComDigitoCertoEErrado()
{
    QRandomGenerator g(4242);
    int mensagensEsperadas = 0;
    for (int i = 0; i < 150; ++i) {
        const qint64 centavos = g.bounded(1, 99999999);
        const QDate vencimento = hoje.addDays(g.bounded(0, 300));
        const QChar id = QChar('6' + i % 4);
        const QString arrec = Gerador::arrecadacao(id, centavos, empresa(i % 2 ? "0124" : "0123"), vencimento,
                                                   Gerador::aleatorio(17, g), QChar('1' + g.bounded(9)));
        ResultadoLeitura r = le(arrec);
        QCOMPARE(r.desfecho, Desfecho::Adicionado);
        QCOMPARE(r.valorCobrar, Currency::fromCents(centavos));
        r = le(Gerador::digitoTrocado(arrec, 4, false));
        QCOMPARE(r.desfecho, Desfecho::Recusado);
        QCOMPARE(r.tipoSelecionado, -1);

        const int fator = 1655 + g.bounded(0, 300);
        const QString chave = i % 2 ? QStringLiteral("12345") : QStringLiteral("67890");
        const QString livre = i % 2 ? livreBancario(chave)
                                    : QStringLiteral("44444") + Gerador::aleatorio(5, g) + chave + Gerador::aleatorio(10, g);
        const QString banco = Gerador::bancario(Gerador::aleatorio(3, g), fator, centavos, livre);
        r = le(banco);
        QCOMPARE(r.desfecho, Desfecho::Adicionado);
        QCOMPARE(r.valorCobrar, Currency::fromCents(centavos));
        QCOMPARE(r.linha->idTipo, i % 2 ? 104 : 5);
        QCOMPARE(le(Gerador::digitoTrocado(banco, 5, true)).desfecho, Desfecho::Recusado);
        ++mensagensEsperadas;
    }
    QVERIFY(m_avisos.mostrados.isEmpty());
    // A wrong bank digit says so; a wrong collection digit is refused silently.
    QCOMPARE(m_pasta->messages->boxes.size(), mensagensEsperadas);
    for (const auto &b : m_pasta->messages->boxes) {
        QCOMPARE(b.text, QStringLiteral("ERRO NA LEITURA DO CÓDIGO DE BARRAS!!!"));
        QCOMPARE(b.title, QStringLiteral("Aviso"));
        QCOMPARE(b.style, 16);
    }
}

void TstLeitor::codigoComLetras()
{
    const QString bom = Gerador::bancario(QStringLiteral("001"), 1700, 990, livreBancario(QStringLiteral("12345")));
    for (const QString &c : {QString(bom).replace(10, 1, QLatin1Char(',')), QString(bom).replace(43, 1, QLatin1Char('A')),
                             QString(44, QLatin1Char(' '))}) {
        const ResultadoLeitura r = le(c);
        QCOMPARE(r.desfecho, Desfecho::Recusado);
        QVERIFY(r.limpaCodigo);
    }
    QCOMPARE(m_pasta->messages->texts(), QStringList(3, QStringLiteral("ERRO NA LEITURA DO CÓDIGO DE BARRAS!!!")));
}

void TstLeitor::anoAnterior()
{
    // IPTU blocks previous-year documents.
    const QString bloqueado = Gerador::arrecadacao('6', 100, empresa("0123"), QDate(2025, 12, 31), QString(17, '1'));
    ResultadoLeitura r = le(bloqueado);
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QVERIFY(r.limpaCodigo && r.focoNoCodigo);
    QCOMPARE(r.tipoSelecionado, -1);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmBloqueia")});

    // ISS only warns; the overdue question follows.
    m_avisos.mostrados.clear();
    const QString aviso = Gerador::arrecadacao('6', 100, empresa("0124"), QDate(2025, 12, 31), QString(17, '1'));
    r = le(aviso);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(m_avisos.mostrados, (QStringList{QStringLiteral("frmContavencida"), QStringLiteral("frmGuiavencida")}));
}

void TstLeitor::bancarioPeloFatorDoCiclo()
{
    // Factor 1000 of the new cycle: 22/02/2025, a year behind the cash day, not 2000.
    m_ajustes.dataCaixa = QDate(2025, 3, 3);
    const QString novo = Gerador::bancario(QStringLiteral("237"), 1000, 10000, livreBancario(QStringLiteral("12345")));
    ResultadoLeitura r = le(novo);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmGuiavencida")} << QStringLiteral("frmAcrescimos"));
    QCOMPARE(m_avisos.acrescimosMostrados.first().vencimento, QDate(2025, 2, 22));
    QCOMPARE(r.linha->tipo, QStringLiteral("104-BLOQUETO"));

    // The last slips of the old cycle keep their dates: 9999 is 21/02/2025.
    m_avisos = AvisosRoteiro();
    const QString velho = Gerador::bancario(QStringLiteral("237"), 9999, 10000, livreBancario(QStringLiteral("12345")));
    le(velho);
    QCOMPARE(m_avisos.acrescimosMostrados.first().vencimento, QDate(2025, 2, 21));

    // Read in 2001, factor 1000 is 03/07/2000: a previous year.
    m_avisos = AvisosRoteiro();
    m_ajustes.dataCaixa = QDate(2001, 5, 10);
    r = le(novo);
    QCOMPARE(m_avisos.mostrados.first(), QStringLiteral("frmContavencida"));
    QCOMPARE(m_avisos.acrescimosMostrados.first().vencimento, QDate(2000, 7, 3));

    // BOLETO B blocks the previous year; the type is found through positions 30-34.
    m_avisos = AvisosRoteiro();
    const QString bloq = Gerador::bancario(QStringLiteral("341"), 1000, 10000,
                                           QStringLiteral("44444") + QStringLiteral("00000") + QStringLiteral("67890")
                                               + QString(10, QLatin1Char('3')));
    r = le(bloq);
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmBloqueia")});
}

void TstLeitor::vencimentoEmFimDeSemanaEFeriado()
{
    const auto codigo = [](const QDate &v) {
        return Gerador::arrecadacao('6', 10000, empresa("0123"), v, QString(17, '7'));
    };
    const QDate sabado(2026, 12, 5);
    m_ajustes.dataCaixa = QDate(2026, 12, 7); // the Monday after
    QCOMPARE(le(codigo(sabado)).desfecho, Desfecho::Adicionado);
    QVERIFY(m_avisos.mostrados.isEmpty());

    m_ajustes.dataCaixa = QDate(2026, 12, 8); // the Tuesday: overdue
    m_avisos.respostasVencida = {false};
    ResultadoLeitura r = le(codigo(sabado));
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QVERIFY(r.limpaCodigo && r.focoNoCodigo);
    QCOMPARE(r.tipoSelecionado, -1);
    QVERIFY(!r.linha);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmGuiavencida")});

    // Sunday before a Monday holiday, paid on the Tuesday.
    m_avisos = AvisosRoteiro();
    m_mundo.feriados << QDate(2026, 12, 7);
    QCOMPARE(le(codigo(QDate(2026, 12, 6))).desfecho, Desfecho::Adicionado);
    // A Monday holiday itself, paid on the Tuesday.
    QCOMPARE(le(codigo(QDate(2026, 12, 7))).desfecho, Desfecho::Adicionado);
    // Due on the cash day.
    QCOMPARE(le(codigo(QDate(2026, 12, 8))).desfecho, Desfecho::Adicionado);
    QVERIFY(m_avisos.mostrados.isEmpty());
}

void TstLeitor::vencidaComJuros()
{
    // Rule 1: 100,00 ten days late (due on a Sunday that no business day rescues).
    const QString iptu = Gerador::arrecadacao('6', 10000, empresa("0123"), QDate(2026, 11, 29), QString(17, '1'));
    ResultadoLeitura r = le(iptu);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(m_avisos.mostrados, (QStringList{QStringLiteral("frmGuiavencida"), QStringLiteral("frmAcrescimos")}));
    const Acrescimos a = m_avisos.acrescimosMostrados.first();
    QCOMPARE(a.mora.format(), QStringLiteral("1,00"));
    QCOMPARE(a.outros.format(), QStringLiteral("3,30"));
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("104,30"));
    QCOMPARE(r.linha->valor.format(), QStringLiteral("104,30"));

    // Rule 2: 100,00 from 10 January to 11 March.
    m_avisos = AvisosRoteiro();
    m_ajustes = AjustesLeitura{QDate(2026, 3, 11), 0, 2};
    r = le(Gerador::arrecadacao('6', 10000, empresa("0123"), QDate(2026, 1, 10), QString(17, '1')));
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("105,00"));

    // Type 0425 takes interest when the code ends in 3, whatever its JUROS.
    m_avisos = AvisosRoteiro();
    r = le(Gerador::arrecadacao('6', 10000, empresa("0425"), QDate(2026, 1, 10), QString(16, '1') + QLatin1Char('3')));
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("105,00"));
    r = le(Gerador::arrecadacao('6', 10000, empresa("0425"), QDate(2026, 1, 10), QString(16, '1') + QLatin1Char('4')));
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("100,00"));
    QCOMPARE(m_avisos.acrescimosMostrados.size(), 1);

    // Not overdue: no interest whatever the flag.
    m_avisos = AvisosRoteiro();
    r = le(Gerador::arrecadacao('6', 10000, empresa("0123"), QDate(2026, 3, 11), QString(17, '1')));
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("100,00"));
    QVERIFY(m_avisos.mostrados.isEmpty());

    // Declined: nothing added, no interest shown.
    m_ajustes = AjustesLeitura{hoje, 0, 1};
    m_avisos.respostasVencida = {false};
    r = le(iptu);
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmGuiavencida")});
}

void TstLeitor::vencidaSemJuros()
{
    const QString iss = Gerador::arrecadacao('6', 10000, empresa("0124"), QDate(2026, 11, 29), QString(17, '1'));
    const ResultadoLeitura r = le(iss);
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("100,00"));
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmGuiavencida")});
}

void TstLeitor::outroDocumento()
{
    // No check digit, no overdue question, no interest: the amount as read.
    ResultadoLeitura r = le(Gerador::diverso(1700, 4321, QStringLiteral("778")));
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(r.linha->tipo, QStringLiteral("07-DIVERSOS"));
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("43,21"));
    QVERIFY(m_avisos.mostrados.isEmpty());

    // Factor 0 reads 07/10/1997: a previous year, announced or blocked by the type.
    r = le(Gerador::diverso(0, 4321, QStringLiteral("778")));
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmContavencida")});
    m_avisos = AvisosRoteiro();
    r = le(Gerador::diverso(0, 4321, QStringLiteral("777")));
    QCOMPARE(r.desfecho, Desfecho::Recusado);
    QCOMPARE(m_avisos.mostrados, QStringList{QStringLiteral("frmBloqueia")});
}

void TstLeitor::bandeirasNulasEChavesRepetidas()
{
    QCOMPARE(LeitorCodigoBarras::testa_tipo_barra(QStringLiteral("0999")), QStringLiteral("FNN"));
    QCOMPARE(LeitorCodigoBarras::testa_tipo_barra(QStringLiteral("0123")), QStringLiteral("FSS"));
    QCOMPARE(LeitorCodigoBarras::testa_tipo_barra(QStringLiteral("0555")), QString());
    QCOMPARE(LeitorCodigoBarras::testa_tipo_barra(QStringLiteral("9999")), QString());

    // Null flags: a collection document without block or interest.
    ResultadoLeitura r = le(Gerador::arrecadacao('6', 10000, empresa("0999"), QDate(2025, 11, 29), QString(17, '1')));
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(r.valorCobrar.format(), QStringLiteral("100,00"));
    QCOMPARE(m_avisos.mostrados, (QStringList{QStringLiteral("frmContavencida"), QStringLiteral("frmGuiavencida")}));

    // A key of two rows classifies nothing: the code stays with the types listed.
    r = le(Gerador::arrecadacao('6', 10000, empresa("0555"), QDate(2026, 12, 29), QString(17, '1')));
    QCOMPARE(r.desfecho, Desfecho::NaoClassificado);
    QVERIFY(!r.limpaCodigo);
    QCOMPARE(r.tipos.size(), 2);
    QCOMPARE(r.tipoSelecionado, -1);
}

void TstLeitor::tipoQueClassificaVemPrimeiro()
{
    // Positions 25-27 of a collection code due 25/12/2026 read "225", a type
    // of lower IDCOD; the collection type found through 16-19 is the one recorded.
    const ResultadoLeitura r = le(Gerador::arrecadacao('6', 10000, empresa("0999"), QDate(2026, 12, 25), QString(17, '1')));
    QCOMPARE(r.desfecho, Desfecho::Adicionado);
    QCOMPARE(r.tipos.size(), 2);
    QCOMPARE(r.tipos.at(0).idcod, 8);
    QCOMPARE(r.tipos.at(1).idcod, 3);
    QCOMPARE(r.linha->idTipo, 8);
}

// A collection due date that is no date (month 13) ends the payment step with
// no message: nothing is added and the code stays in the box. The previous-year
// rule before it still reads the year as written.
void TstLeitor::dataInvalidaEncerraOPagamentoSemMensagem()
{
    const auto comMes13 = [](const char *chave, int ano) {
        QString codigo = Gerador::arrecadacao('6', 10000, empresa(chave), QDate(ano, 12, 20), QString(17, '1'));
        codigo.replace(23, 2, QStringLiteral("13"));
        // With its digit made right again for the changed code.
        const QString semDv = codigo.left(3) + codigo.mid(4);
        codigo[3] = QChar('0' + Gerador::dvModulo10(semDv));
        return codigo;
    };
    const ResultadoLeitura r = le(comMes13("0124", 2026));
    QCOMPARE(r.desfecho, Desfecho::Erro);
    QVERIFY(!r.limpaCodigo);
    QVERIFY(!r.linha);
    QVERIFY(m_avisos.mostrados.isEmpty());

    const ResultadoLeitura avisada = le(comMes13("0124", 2025));
    QCOMPARE(avisada.desfecho, Desfecho::Erro);
    QVERIFY(!avisada.limpaCodigo);
    QCOMPARE(m_avisos.mostrados, QStringList{"frmContavencida"});

    const ResultadoLeitura bloqueada = le(comMes13("0123", 2025));
    QCOMPARE(bloqueada.desfecho, Desfecho::Recusado);
    QVERIFY(bloqueada.limpaCodigo);
    QCOMPARE(m_avisos.mostrados, QStringList({"frmContavencida", "frmBloqueia"}));

    QVERIFY(m_pasta->messages->boxes.isEmpty());
    QVERIFY(!TestSupport::readFile(m_pasta->file(QStringLiteral("Log.ini"))).contains("Tipo incompat"));
}

void TstLeitor::tiposDeDemonstracaoClassificam()
{
    m_pasta.reset(); // one program folder at a time
    m_pasta = std::make_unique<TestSupport::ProgramFolder>();
    const auto tipoLido = [this](const QString &codigo) {
        const ResultadoLeitura r = le(codigo);
        return r.linha ? r.linha->tipo : QString();
    };
    QCOMPARE(tipoLido(Gerador::arrecadacao('6', 100, empresa("0456"), hoje, QString(17, '1'))),
             QStringLiteral("03-AGUA E ESGOTO"));
    QCOMPARE(tipoLido(Gerador::bancario(QStringLiteral("001"), 1700, 100, livreBancario(QStringLiteral("12345")))),
             QStringLiteral("04-BLOQUETO BANCARIO"));
    QCOMPARE(tipoLido(Gerador::diverso(1700, 100, QStringLiteral("001"))), QStringLiteral("05-TAXAS DIVERSAS"));
}

// The payment step of the third kind charges the amount as read; an amount
// that does not read is reported with that step's own place text.
void TstLeitor::erroNoPagamentoDiversoTemSeuLugar()
{
    QCOMPARE(LeitorCodigoBarras::Pagto_diversos(QStringLiteral("00000123,45")), Currency::fromCents(12345));
    QVERIFY(m_pasta->messages->boxes.isEmpty());
    QVERIFY(!LeitorCodigoBarras::Pagto_diversos(QStringLiteral("0000012x,45")));
    QCOMPARE(m_pasta->messages->boxes.size(), 1);
    QVERIFY(m_pasta->messages->boxes.first().text.endsWith(QStringLiteral(" / Função Pagto_diversos")));
    QVERIFY(TextFile::readAll(m_pasta->file(QStringLiteral("Log.ini"))).contains(
        QStringLiteral("Local: Função Pagto_diversos")));
}

QTEST_GUILESS_MAIN(TstLeitor)
#include "tst_leitor.moc"
