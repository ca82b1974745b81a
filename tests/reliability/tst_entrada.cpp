// Random and mutated bar codes and typed lines through the reading routines:
// nothing crashes, a code of the wrong length is left alone, a refused one
// is emptied (with its message where the desk shows one), and nothing is
// accepted unless every check digit holds, checked here by the textbook rules.
#include "gerador_codigos.h"

#include "codigo_barras.h"
#include "currency.h"
#include "globals.h"
#include "leitor_codigo_barras.h"
#include "linha_digitavel.h"
#include "test_support.h"

#include <QRandomGenerator>
#include <QtTest>

using Desfecho = ResultadoLeitura::Desfecho;
using CodigoBarras::posicoes;

namespace {

const QDate hoje(2026, 12, 9);
const QStringList chavesF{QStringLiteral("0123"), QStringLiteral("0124"), QStringLiteral("0456")};

class AvisosCalados : public AvisosPagamento {
public:
    void contaLancada(const QString &) override {}
    void bloqueia() override {}
    void contaVencida() override {}
    bool guiaVencida() override { return true; }
    void acrescimos(const Acrescimos &) override {}
};

int quantos(const char *variavel, int padrao)
{
    const int v = qEnvironmentVariableIntValue(variavel);
    return v > 0 ? v : padrao;
}

bool soAscii(const QString &s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Characters a reader, a keyboard or a pasted text may bring.
QString estranho(QRandomGenerator &g)
{
    static const QList<QString> pecas{
        QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral(" "), QStringLiteral("."), QStringLiteral("-"),
        QStringLiteral(","), QStringLiteral("/"), QStringLiteral(";"), QStringLiteral("'"), QStringLiteral("\t"),
        QStringLiteral("\r"), QStringLiteral("\n"), QString(QChar(0)), QStringLiteral("é"), QStringLiteral("ç"),
        QStringLiteral("\u0663"),  // ARABIC-INDIC DIGIT THREE
        QStringLiteral("\uFF15"),  // FULLWIDTH DIGIT FIVE
        QStringLiteral("\u00B2"),  // SUPERSCRIPT TWO
        QStringLiteral("\u200B"),  // ZERO WIDTH SPACE
        QStringLiteral("\U0001D7D7"), // MATHEMATICAL BOLD DIGIT NINE (two UTF-16 units)
        QString(QChar(0xD800)),      // a lone surrogate
        QStringLiteral("+"), QStringLiteral("e"), QStringLiteral("E"),
    };
    return pecas.at(g.bounded(int(pecas.size())));
}

QString codigoValido(QRandomGenerator &g)
{
    const qint64 centavos = g.bounded(0, 99999999);
    switch (g.bounded(4)) {
    case 0: {
        static const char ids[] = {'6', '7', '8', '9'};
        const QString empresa = g.bounded(4) == 0 ? Gerador::aleatorio(4, g) : chavesF.at(g.bounded(3));
        // Now and then a due date that is no date at all.
        const QDate venc = QDate(2020, 1, 1).addDays(g.bounded(4000));
        QString c = Gerador::arrecadacao(QLatin1Char(ids[g.bounded(4)]), centavos, empresa, venc,
                                         Gerador::aleatorio(17, g));
        if (g.bounded(20) == 0) {
            c[23] = QLatin1Char('1');
            c[24] = QLatin1Char('3');
        }
        return c;
    }
    case 1: {
        QString livre = Gerador::aleatorio(25, g);
        if (g.bounded(2) == 0)
            livre.replace(0, 5, QStringLiteral("12345"));
        else
            livre.replace(10, 5, QStringLiteral("12345"));
        return Gerador::bancario(QStringLiteral("001"), g.bounded(10000), centavos, livre);
    }
    case 2:
        return Gerador::diverso(g.bounded(10000), centavos, g.bounded(3) ? QStringLiteral("001") : Gerador::aleatorio(3, g));
    default:
        return Gerador::aleatorio(44, g);
    }
}

QString mutado(QString c, QRandomGenerator &g)
{
    const int p = g.bounded(int(c.size()));
    switch (g.bounded(8)) {
    case 0: c[p] = QChar('0' + g.bounded(10)); break;                 // any digit changed
    case 1: if (c.size() > 3) c[3] = QChar('0' + (c.at(3).unicode() - '0' + 1) % 10); break; // collection digit off by one
    case 2: if (c.size() > 4) c[4] = QChar('0' + (c.at(4).unicode() - '0' + 9) % 10); break; // bank digit off by one
    case 3: if (p + 1 < c.size()) std::swap(c[p], c[p + 1]); break;  // two digits swapped
    case 4: c.replace(p, 1, estranho(g)); break;                       // a stray character
    case 5: c.insert(p, estranho(g)); break;                           // one too many
    case 6: c.remove(p, 1 + g.bounded(3)); break;                      // too short
    default: c = c.left(p) + estranho(g) + c.mid(p + 1); c.chop(g.bounded(2)); break;
    }
    return c;
}

QString aleatorioQualquer(QRandomGenerator &g)
{
    const int n = g.bounded(8) == 0 ? g.bounded(200) : 44;
    QString s;
    for (int i = 0; i < n; ++i)
        s += g.bounded(4) == 0 ? estranho(g) : QString(QChar('0' + g.bounded(10)));
    return s;
}

// What the textbook rules say about a code the reader accepted.
QString porqueNaoValeria(const QString &c)
{
    if (c.size() != 44 || !soAscii(c))
        return QStringLiteral("not 44 digits");
    const QString semGeral = posicoes(c, 1, 3) + posicoes(c, 5, 44);
    if (chavesF.contains(posicoes(c, 16, 19))) {
        const int dv = posicoes(c, 3, 3).toInt() < 8 ? Gerador::dvModulo10(semGeral) : Gerador::dvModulo11(semGeral);
        return dv == posicoes(c, 4, 4).toInt() ? QString() : QStringLiteral("collection digit does not hold");
    }
    if (posicoes(c, 20, 24) == QLatin1String("12345") || posicoes(c, 30, 34) == QLatin1String("12345")) {
        const int dv = Gerador::dvBancario(posicoes(c, 1, 4) + posicoes(c, 6, 44));
        return dv == posicoes(c, 5, 5).toInt() ? QString() : QStringLiteral("bank digit does not hold");
    }
    if (posicoes(c, 20, 23) == QLatin1String("0000"))
        return QString(); // the third kind carries no check digit
    return QStringLiteral("no kind of document");
}

// The bank typed line (47 digits in its fields) of a bank code.
LinhaDigitavel::Bancaria linhaBancaria(const QString &c)
{
    const auto grupo = [](const QString &digitos) { return digitos + QString::number(Gerador::dvModulo10(digitos)); };
    const QString g1 = grupo(posicoes(c, 1, 4) + posicoes(c, 20, 24));
    const QString g2 = grupo(posicoes(c, 25, 34));
    const QString g3 = grupo(posicoes(c, 35, 44));
    return {g1.left(5), g1.mid(5), g2.left(5), g2.mid(5), g3.left(5), g3.mid(5), posicoes(c, 5, 5), posicoes(c, 6, 19)};
}

LinhaDigitavel::Arrecadacao linhaArrecadacao(const QString &c)
{
    LinhaDigitavel::Arrecadacao l;
    const bool m10 = posicoes(c, 3, 3).toInt() < 8;
    for (int i = 0; i < 4; ++i) {
        l.input[i] = c.mid(i * 11, 11);
        l.dv[i] = QString::number(m10 ? Gerador::dvModulo10(l.input[i]) : Gerador::dvModulo11(l.input[i]));
    }
    return l;
}

void estraga(QString &campo, QRandomGenerator &g)
{
    switch (g.bounded(5)) {
    case 0: campo.clear(); break;
    case 1: campo = mutado(campo.isEmpty() ? QStringLiteral("0") : campo, g); break;
    case 2: campo = QChar('0' + (campo.isEmpty() ? 0 : (campo.at(0).unicode() - '0' + 1 + 10) % 10)) + campo.mid(1); break;
    case 3: campo += estranho(g); break;
    default: campo = aleatorioQualquer(g).left(g.bounded(20)); break;
    }
}

} // namespace

class TstEntrada : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void codigosDeBarras();
    void linhasDigitaveis();
    void valoresDigitados();

private:
    // Reads one code as the window would; fails the test on any broken promise.
    void le(const QString &codigo, SomaLista &soma, const QString &origem);
    std::unique_ptr<TestSupport::ProgramFolder> m_pasta;
    std::unique_ptr<AvisosCalados> m_avisos;
    std::unique_ptr<LeitorCodigoBarras> m_leitor;
    QHash<int, int> m_desfechos;
};

void TstEntrada::initTestCase()
{
    m_pasta = std::make_unique<TestSupport::ProgramFolder>();
    m_avisos = std::make_unique<AvisosCalados>();
    m_leitor = std::make_unique<LeitorCodigoBarras>(
        ConsultasLeitura{[](const QString &) { return false; }, [](const QString &) { return false; },
                         [] { return true; }, [](const QDate &d) { return d.addDays(1); },
                         [](const QDate &) { return false; }},
        *m_avisos);
    AbreBD::gDataCaixa = hoje;
    AbreBD::gJuros = 1;
    AbreBD::gRede = 1;
}

void TstEntrada::cleanupTestCase()
{
    m_leitor.reset();
    m_pasta.reset();
}

void TstEntrada::le(const QString &codigo, SomaLista &soma, const QString &origem)
{
    m_pasta->messages->clear();
    const ResultadoLeitura r = m_leitor->VerificaLeituraCodigoBarras(codigo, soma, AjustesLeitura::dosGlobais());
    ++m_desfechos[int(r.desfecho)];
    const QString onde = origem + QStringLiteral(" [") + codigo.toUtf8().toPercentEncoding() + QLatin1Char(']');
    switch (r.desfecho) {
    case Desfecho::Ignorado:
        QVERIFY2(codigo.size() != 44, qPrintable(onde));
        QVERIFY2(m_pasta->messages->boxes.isEmpty(), qPrintable(onde));
        break;
    case Desfecho::Recusado:
        QVERIFY2(r.limpaCodigo && !r.linha, qPrintable(onde));
        if (!soAscii(codigo))
            QVERIFY2(m_pasta->messages->texts().contains(QStringLiteral("ERRO NA LEITURA DO CÓDIGO DE BARRAS!!!")),
                     qPrintable(onde));
        break;
    case Desfecho::Adicionado: {
        const QString porque = porqueNaoValeria(codigo);
        QVERIFY2(porque.isEmpty(), qPrintable(onde + QStringLiteral(": accepted, but ") + porque));
        QVERIFY2(r.linha && r.linha->codBarra == codigo, qPrintable(onde));
        QVERIFY2(r.linha->valor.raw() >= 0, qPrintable(onde));
        soma << *r.linha;
        break;
    }
    case Desfecho::NaoClassificado:
        QVERIFY2(!r.linha && soAscii(codigo), qPrintable(onde));
        break;
    case Desfecho::Erro: {
        // The code stays; only a collection due date that is no date ends
        // its payment step without a message.
        const bool semData = chavesF.contains(posicoes(codigo, 16, 19))
                             && !QDate::fromString(posicoes(codigo, 20, 27), QStringLiteral("yyyyMMdd")).isValid();
        QVERIFY2(!r.linha && !r.limpaCodigo, qPrintable(onde));
        QVERIFY2(m_pasta->messages->boxes.isEmpty() == semData, qPrintable(onde));
        break;
    }
    }
}

void TstEntrada::codigosDeBarras()
{
    QRandomGenerator g(quint32(qEnvironmentVariableIntValue("CAIXA_CONFIAB_SEMENTE") + 44));
    const int n = quantos("CAIXA_CONFIAB_CODIGOS", 100000);
    SomaLista soma;
    for (int i = 0; i < n; ++i) {
        if (soma.size() > 8)
            soma.clear();
        QString c;
        switch (i % 5) {
        case 0: c = codigoValido(g); break;
        case 4: c = aleatorioQualquer(g); break;
        case 3: c = soma.isEmpty() ? codigoValido(g) : soma.at(g.bounded(int(soma.size()))).codBarra; break;
        default: c = mutado(codigoValido(g), g); break;
        }
        le(c, soma, QStringLiteral("code %1").arg(i));
        if (QTest::currentTestFailed())
            return;
    }
    // The mix reached every answer of the reading.
    for (Desfecho d : {Desfecho::Ignorado, Desfecho::Recusado, Desfecho::Adicionado, Desfecho::NaoClassificado,
                       Desfecho::Erro})
        QVERIFY2(m_desfechos.value(int(d)) > 0, qPrintable(QStringLiteral("no reading ended as %1").arg(int(d))));
}

void TstEntrada::linhasDigitaveis()
{
    QRandomGenerator g(quint32(qEnvironmentVariableIntValue("CAIXA_CONFIAB_SEMENTE") + 47));
    const int n = quantos("CAIXA_CONFIAB_LINHAS", 100000);
    int aceitas = 0;
    SomaLista soma;
    for (int i = 0; i < n; ++i) {
        QString c = codigoValido(g);
        const bool bancaria = i % 2 == 0;
        LinhaDigitavel::Resultado r;
        QString porque;
        if (bancaria) {
            if (posicoes(c, 20, 24) != QLatin1String("12345") && posicoes(c, 30, 34) != QLatin1String("12345"))
                c = Gerador::bancario(QStringLiteral("001"), g.bounded(10000), g.bounded(99999999),
                                      QStringLiteral("12345") + Gerador::aleatorio(20, g));
            LinhaDigitavel::Bancaria l = linhaBancaria(c);
            QString *campos[] = {&l.campo1, &l.campo2, &l.campo3, &l.campo4, &l.campo5, &l.campo6, &l.digito, &l.campo7};
            for (int k = g.bounded(3); k > 0; --k)
                estraga(*campos[g.bounded(8)], g);
            r = LinhaDigitavel::valida(l, hoje);
            if (r.ok()) {
                const QString tudo = l.campo1 + l.campo2 + l.campo3 + l.campo4 + l.campo5 + l.campo6 + l.digito + l.campo7;
                const LinhaDigitavel::Bancaria certa = linhaBancaria(r.codigo.value_or(QString()));
                if (tudo.size() != 47 || !soAscii(tudo)
                    || tudo != certa.campo1 + certa.campo2 + certa.campo3 + certa.campo4 + certa.campo5 + certa.campo6
                                   + certa.digito + certa.campo7)
                    porque = QStringLiteral("a field digit does not hold");
                else if (Gerador::dvBancario(posicoes(*r.codigo, 1, 4) + posicoes(*r.codigo, 6, 44))
                         != posicoes(*r.codigo, 5, 5).toInt())
                    porque = QStringLiteral("the general digit does not hold");
            }
        } else {
            if (!chavesF.contains(posicoes(c, 16, 19)) || c.at(0) != QLatin1Char('8'))
                c = Gerador::arrecadacao(QLatin1Char(g.bounded(2) ? '6' : '8'), g.bounded(99999999),
                                         chavesF.at(g.bounded(3)), hoje.addDays(g.bounded(-400, 400)),
                                         Gerador::aleatorio(17, g));
            LinhaDigitavel::Arrecadacao l = linhaArrecadacao(c);
            for (int k = g.bounded(3); k > 0; --k)
                estraga(g.bounded(2) ? l.input[g.bounded(4)] : l.dv[g.bounded(4)], g);
            r = LinhaDigitavel::valida(l);
            if (r.ok()) {
                const LinhaDigitavel::Arrecadacao certa = linhaArrecadacao(r.codigo.value_or(QString()));
                if (r.codigo->size() != 44 || !soAscii(*r.codigo) || certa.dv != l.dv || certa.input != l.input)
                    porque = QStringLiteral("a block digit does not hold");
            }
        }
        const QString onde = QStringLiteral("line %1").arg(i);
        QVERIFY2(porque.isEmpty(), qPrintable(onde + QStringLiteral(": accepted, but ") + porque));
        if (r.ok()) {
            ++aceitas;
            // The window hands the code to the reading, as the reader would.
            soma.clear();
            le(*r.codigo, soma, onde);
            if (QTest::currentTestFailed())
                return;
        } else {
            QVERIFY2(r.erro == LinhaDigitavel::erroVazio || r.erro == LinhaDigitavel::erroGeral
                         || r.erro.startsWith(QStringLiteral("ERRO!!! Tavez você tenha digitado algo errado.")),
                     qPrintable(onde + QStringLiteral(": ") + r.erro));
        }
    }
    QVERIFY(aceitas > n / 20);
    QVERIFY(aceitas < n);
}

void TstEntrada::valoresDigitados()
{
    QRandomGenerator g(7);
    for (int i = 0; i < 20000; ++i) {
        QString texto = aleatorioQualquer(g).left(g.bounded(30));
        if (i % 3 == 0)
            texto = QString::number(g.bounded(1000000)) + QLatin1Char(',') + QString::number(g.bounded(100)) + estranho(g);
        const auto v = Currency::parse(texto);
        if (v)
            QCOMPARE(Currency::parse(v->plainText()), v);
    }
}

QTEST_MAIN(TstEntrada)
#include "tst_entrada.moc"
