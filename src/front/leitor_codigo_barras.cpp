#include "leitor_codigo_barras.h"

#include "codigo_barras.h"
#include "digitos.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"

#include <QHash>

using CodigoBarras::posicoes;
using Desfecho = ResultadoLeitura::Desfecho;

namespace {

const QString erroLeitura = QStringLiteral("ERRO NA LEITURA DO CÓDIGO DE BARRAS!!!");

// The types whose IDTIPO is one of the keys, kinds of money left out; nullopt
// when none (or the query failed, which the data access has reported).
std::optional<QList<TipoGuia>> tiposDasChaves(const QStringList &chaves)
{
    if (!AbreBD::gDataAccess)
        return std::nullopt;
    const RecordsetPtr rs = AbreBD::gDataAccess->SQLSelect_ReadOnly(
        QStringLiteral("SELECT IDCOD, DESCRICAO, IDTIPO FROM CodBarra WHERE IDTIPO IN (?, ?, ?, ?) "
                       "AND IFNULL(PADRAO, 'N') <> 'S' ORDER BY IDCOD;"),
        {chaves.at(0), chaves.at(1), chaves.at(2), chaves.at(3)});
    if (!rs || rs->RecordCount() == 0)
        return std::nullopt;
    QList<TipoGuia> tipos;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        tipos << TipoGuia{rs->Fields(0).toInt(), rs->Fields(1).toString(), rs->Fields(2).toString()};
    return tipos;
}

QChar letra(const QString &tipoBarra, int i)
{
    return i < tipoBarra.size() ? tipoBarra.at(i) : QChar();
}

// One reading: the code, its cuts, the kind texts looked up once each, and
// the answer being built.
class Leitura {
public:
    Leitura(const QString &codigo, const AjustesLeitura &ajustes)
        : codigo(codigo), ajustes(ajustes)
    {
        a = posicoes(codigo, 20, 24);
        b = posicoes(codigo, 30, 34);
        c = posicoes(codigo, 16, 19);
        d = posicoes(codigo, 20, 23);
        e = posicoes(codigo, 25, 27);
    }

    QString tipoBarra(const QString &chave)
    {
        auto it = m_tipos.constFind(chave);
        if (it == m_tipos.constEnd())
            it = m_tipos.insert(chave, LeitorCodigoBarras::testa_tipo_barra(chave));
        return *it;
    }
    QChar tipo(const QString &chave) { return letra(tipoBarra(chave), 0); }
    bool bloqueado(const QString &chave) { return letra(tipoBarra(chave), 1) == QLatin1Char('S'); }
    bool juros(const QString &chave) { return letra(tipoBarra(chave), 2) == QLatin1Char('S'); }

    // The entry of the key that classified the code goes first and is selected.
    void selecionaTipo(const QString &chave)
    {
        for (qsizetype i = 0; i < r.tipos.size(); ++i) {
            if (r.tipos.at(i).idtipo.compare(chave, Qt::CaseInsensitive) == 0) {
                r.tipos.move(i, 0);
                break;
            }
        }
        r.tipoSelecionado = 0;
    }

    void recusa()
    {
        r.desfecho = Desfecho::Recusado;
        r.limpaCodigo = true;
        r.focoNoCodigo = true;
        r.tipoSelecionado = -1;
    }

    void adiciona(Currency valor, const SomaLista &soma)
    {
        const TipoGuia &t = r.tipos.at(r.tipoSelecionado);
        r.desfecho = Desfecho::Adicionado;
        r.valorCobrar = valor.roundedToCents();
        r.linha = novaLinhaSoma(soma, t.idcod, t.descricao, r.valorCobrar, codigo);
    }

    QString codigo;
    AjustesLeitura ajustes;
    QString a, b, c, d, e;
    ResultadoLeitura r;

private:
    QHash<QString, QString> m_tipos;
};

Currency valorDoTexto(const QString &texto)
{
    return Currency::parse(texto).value_or(Currency());
}

} // namespace

AjustesLeitura AjustesLeitura::dosGlobais()
{
    return {AbreBD::gDataCaixa, AbreBD::gRede, AbreBD::gJuros};
}

LeitorCodigoBarras::LeitorCodigoBarras(ConsultasLeitura consultas, AvisosPagamento &avisos)
    : m_consultas(std::move(consultas)), m_avisos(avisos)
{
    Q_ASSERT(m_consultas.existeRecebimento && m_consultas.existeRecebimentos1 && m_consultas.redeAtiva
             && m_consultas.proximoDiaUtil && m_consultas.eFeriado);
}

QString LeitorCodigoBarras::testa_tipo_barra(const QString &tipo)
{
    const RecordsetPtr rs = AbreBD::gDataAccess
        ? AbreBD::gDataAccess->SQLSelect_ReadOnly(
              QStringLiteral("SELECT PADRAO, JUROS, BLOQUEIO FROM CodBarra WHERE IDTIPO = ?;"), {tipo})
        : nullptr;
    if (!rs) {
        MsgBox(QStringLiteral("Erro na leitura do código de barras!!"), Vb::vbCritical, QStringLiteral("Aviso"));
        return QString();
    }
    if (rs->RecordCount() != 1)
        return QString();
    // A flag left empty reads "N", so the other flags keep their places.
    const auto bandeira = [&](const char *coluna) {
        const QString v = rs->Fields(QLatin1String(coluna)).toString().trimmed();
        return v.isEmpty() ? QChar(QLatin1Char('N')) : v.at(0);
    };
    return QString(bandeira("PADRAO")) + bandeira("BLOQUEIO") + bandeira("JUROS");
}

std::optional<Currency> LeitorCodigoBarras::Pagto_diversos(const QString &valor)
{
    const auto v = Currency::parse(valor);
    if (!v)
        Aplicativos::Trata_erro(CaixaError(13, QStringLiteral("Tipo incompatível"), QStringLiteral("frmFrente")),
                                QStringLiteral("Função Pagto_diversos"));
    return v;
}

QDate LeitorCodigoBarras::regraVencimento(const QDate &vencimento, const QDate &dataCaixa) const
{
    const int dia = vencimento.dayOfWeek();
    const bool fimDeSemana = dia == Qt::Saturday || dia == Qt::Sunday;
    if ((fimDeSemana || m_consultas.eFeriado(vencimento)) && m_consultas.proximoDiaUtil(vencimento) == dataCaixa)
        return dataCaixa;
    return vencimento;
}

std::optional<Currency> LeitorCodigoBarras::valorACobrar(const QDate &vencimentoLido, Currency valor, bool juros,
                                                        const AjustesLeitura &ajustes)
{
    const QDate vencimento = regraVencimento(vencimentoLido, ajustes.dataCaixa);
    if (vencimento >= ajustes.dataCaixa)
        return valor.roundedToCents();
    if (!m_avisos.guiaVencida())
        return std::nullopt;
    if (!juros)
        return valor.roundedToCents();
    const Acrescimos a = Calcula_acrescimos(vencimento, ajustes.dataCaixa, valor, ajustes.juros);
    m_avisos.acrescimos(a);
    return a.total;
}

ResultadoLeitura LeitorCodigoBarras::VerificaLeituraCodigoBarras(const QString &codigo, const SomaLista &soma,
                                                               const AjustesLeitura &ajustes)
{
    if (codigo.size() != CodigoBarras::Tamanho)
        return {};
    Leitura l(codigo, ajustes);
    l.r.desfecho = Desfecho::NaoClassificado;

    // Only digits make a code; anything else was misread or mistyped.
    if (!CodigoBarras::soDigitos(codigo)) {
        MsgBox(erroLeitura, Vb::vbCritical, QStringLiteral("Aviso"));
        l.recusa();
        return l.r;
    }

    if (!codigo.startsWith(QLatin1String("000"))) {
        if (somaContemCodigo(soma, codigo)) {
            m_avisos.contaLancada(QStringLiteral("Conta já Lançada!!!"));
            l.recusa();
            return l.r;
        }
        if (m_consultas.existeRecebimento(codigo)) {
            m_avisos.contaLancada(QStringLiteral("Conta já Recebida!!!"));
            l.recusa();
            return l.r;
        }
        if (ajustes.rede == 1) {
            l.r.semRede = !m_consultas.redeAtiva();
            if (!*l.r.semRede && m_consultas.existeRecebimentos1(codigo)) {
                m_avisos.contaLancada(QStringLiteral("Conta já Recebida!!!"));
                l.recusa();
                return l.r;
            }
        }
    }

    const auto tipos = tiposDasChaves({l.e, l.a, l.b, l.c});
    if (!tipos) {
        l.recusa();
        return l.r;
    }
    l.r.tipos = *tipos;

    // Whatever the kind, a previous-year document is refused when its type
    // blocks it, and announced otherwise.
    const auto anoAnteriorBloqueado = [&](int anoVencimento, bool bloqueio) {
        if (anoVencimento >= ajustes.dataCaixa.year())
            return false;
        if (bloqueio) {
            m_avisos.bloqueia();
            return true;
        }
        m_avisos.contaVencida();
        return false;
    };
    const auto cobra = [&](std::optional<Currency> valor) {
        if (valor)
            l.adiciona(*valor, soma);
        else
            l.recusa();
        return l.r;
    };

    if (l.tipo(l.c) == QLatin1Char('F')) {
        const QString semDigito = posicoes(codigo, 1, 3) + posicoes(codigo, 5, 44);
        const QString digito = posicoes(codigo, 3, 3).toInt() < 8 ? Aplicativos::Modulo10(semDigito)
                                                                   : Aplicativos::Modulo11_arrecadacao(semDigito);
        if (posicoes(codigo, 4, 4).trimmed() != digito.trimmed()) {
            l.recusa();
            return l.r;
        }
        l.selecionaTipo(l.c);
        const Currency valor = valorDoTexto(posicoes(codigo, 5, 13) + QLatin1Char(',') + posicoes(codigo, 14, 15));
        const QString anoVencimento = posicoes(codigo, 20, 23);
        const QString textoVencimento = posicoes(codigo, 26, 27) + QLatin1Char('/') + posicoes(codigo, 24, 25)
                                        + QLatin1Char('/') + anoVencimento;
        if (anoAnteriorBloqueado(anoVencimento.toInt(), l.bloqueado(l.c))) {
            l.recusa();
            return l.r;
        }
        // A due date that is no date (month 13) ends the payment step
        // quietly; the code stays in the box for the teller to see.
        const QDate vencimento = QDate::fromString(textoVencimento, QStringLiteral("dd/MM/yyyy"));
        if (!vencimento.isValid()) {
            l.r.desfecho = Desfecho::Erro;
            return l.r;
        }
        const bool juros = l.juros(l.c) || (l.c == QLatin1String("0425") && posicoes(codigo, 44, 44) == QLatin1String("3"));
        return cobra(valorACobrar(vencimento, valor, juros, ajustes));
    }

    const bool bancoA = l.tipo(l.a) == QLatin1Char('C');
    const bool bancoB = l.tipo(l.b) == QLatin1Char('C');
    const QDate vencimentoFator =
        CodigoBarras::vencimentoFator(posicoes(codigo, 6, 9).toInt(), ajustes.dataCaixa);
    const Currency valorFator = valorDoTexto(posicoes(codigo, 10, 17) + QLatin1Char(',') + posicoes(codigo, 18, 19));

    if (bancoA || bancoB) {
        if (Aplicativos::Modulo11_barra(posicoes(codigo, 1, 4) + posicoes(codigo, 6, 44))
            != posicoes(codigo, 5, 5).toInt()) {
            MsgBox(erroLeitura, Vb::vbCritical, QStringLiteral("Aviso"));
            l.recusa();
            return l.r;
        }
        l.selecionaTipo(bancoA ? l.a : l.b);
        if (anoAnteriorBloqueado(vencimentoFator.year(), l.bloqueado(l.a) || l.bloqueado(l.b))) {
            l.recusa();
            return l.r;
        }
        return cobra(valorACobrar(vencimentoFator, valorFator, l.juros(l.a) || l.juros(l.b), ajustes));
    }

    if (l.d == QLatin1String("0000")) {
        l.selecionaTipo(l.e);
        if (anoAnteriorBloqueado(vencimentoFator.year(), l.bloqueado(l.e))) {
            l.recusa();
            return l.r;
        }
        const auto valor = Pagto_diversos(posicoes(codigo, 10, 17) + QLatin1Char(',') + posicoes(codigo, 18, 19));
        if (!valor) {
            l.r.desfecho = Desfecho::Erro;
            return l.r;
        }
        return cobra(*valor);
    }

    return l.r;
}
