// A teller's whole day through the real windows, from the start-up procedure
// to the re-opening of the closed day, compared at the end with the golden
// files: every table row, every file, every tape and every box and window.
#include "../front/gerador_codigos.h"

#include "abre_bd.h"
#include "aviso_dialog.h"
#include "clock.h"
#include "data_access.h"
#include "frm_autenticar.h"
#include "frm_avulso.h"
#include "frm_cofre.h"
#include "frm_corrige_guia.h"
#include "frm_data.h"
#include "frm_exbi_texto.h"
#include "frm_exportar.h"
#include "frm_frente.h"
#include "frm_lanca_temp.h"
#include "frm_lancamentos.h"
#include "frm_ldg.h"
#include "frm_sangria.h"
#include "globals.h"
#include "printer_device.h"
#include "printers.h"
#include "recording_printer.h"
#include "test_support.h"
#include "text_file.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QDate kDia(2026, 12, 28); // a Monday; the 25th was a holiday
const QTime kHora(9, 15, 0);

// The bank due-date factor of a day, in the cycle that started in 2025.
int fator(const QDate &d)
{
    const qint64 dias = QDate(1997, 10, 7).daysTo(d);
    return int(dias > 9999 ? dias - 9000 : dias);
}

QString resto(int n)
{
    return Gerador::zeros(n, 17);
}

QString iptu(qint64 centavos, const QDate &vence, int n)
{
    return Gerador::arrecadacao(QLatin1Char('6'), centavos, QStringLiteral("0123"), vence, resto(n));
}
QString iss(qint64 centavos, const QDate &vence, int n)
{
    return Gerador::arrecadacao(QLatin1Char('6'), centavos, QStringLiteral("0124"), vence, resto(n));
}
QString agua(qint64 centavos, const QDate &vence, int n)
{
    return Gerador::arrecadacao(QLatin1Char('8'), centavos, QStringLiteral("0456"), vence, resto(n));
}
QString boleto(qint64 centavos, const QDate &vence, int n)
{
    return Gerador::bancario(QStringLiteral("001"), fator(vence), centavos,
                             QStringLiteral("12345") + Gerador::zeros(n, 20));
}

// The typed line of a bank bar code, in the eight boxes of the typed-line window.
QStringList linhaBancaria(const QString &c)
{
    const QString livre = c.mid(19);
    const QString g1 = c.left(4) + livre.left(5);
    const QString g2 = livre.mid(5, 10);
    const QString g3 = livre.mid(15, 10);
    const QString d1 = g1 + QString::number(Gerador::dvModulo10(g1));
    const QString d2 = g2 + QString::number(Gerador::dvModulo10(g2));
    const QString d3 = g3 + QString::number(Gerador::dvModulo10(g3));
    return {d1.left(5), d1.mid(5), d2.left(5), d2.mid(5), d3.left(5), d3.mid(5), c.mid(4, 1), c.mid(5, 14)};
}

// Bytes as readable text: CR LF kept as a line end, other control bytes as <hh>.
QString legivel(const QByteArray &bytes)
{
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes.at(i));
        if (b == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
            out += QStringLiteral("<CRLF>\n");
            ++i;
        } else if (b < 0x20) {
            out += QStringLiteral("<%1>").arg(b, 2, 16, QLatin1Char('0'));
        } else {
            out += TextFile::decode(QByteArray(1, char(b)));
        }
    }
    return out;
}

QStringList linhasDe(const QTreeWidget *lista)
{
    QStringList out;
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        QStringList c;
        for (int j = 0; j < lista->columnCount(); ++j)
            c << lista->topLevelItem(i)->text(j);
        out << c.join(QLatin1Char('|'));
    }
    return out;
}

QStringList consulta(const QString &sql)
{
    QSqlQuery q(Conexao::banco());
    QStringList out;
    if (!q.exec(sql))
        return {QStringLiteral("ERRO: ") + sql};
    while (q.next()) {
        QStringList c;
        for (int i = 0; i < q.record().count(); ++i)
            c << (q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
        out << c.join(QLatin1Char('|'));
    }
    return out;
}

} // namespace

class TstDia : public QObject {
    Q_OBJECT

    // A window the day expects to see modal, and what the teller does in it.
    struct Passo {
        QString janela;
        std::function<void(QWidget *)> faz;
    };

    std::unique_ptr<TestSupport::ProgramFolder> m_pasta;
    std::shared_ptr<RecordingPrinter> m_impressora;
    QString m_porta;
    QString m_modelo;
    QPointer<frmFrente> m_frente;
    QList<Passo> m_passos;
    QStringList m_eventos; // every box and window, in order
    QStringList m_falhas;
    QPointer<QWidget> m_atendida;
    QTimer m_vigia;
    int m_autenticacoes = 1;

    void prepara(const QString &modelo);
    void entra();
    void umDia();
    void confere();

    // The warning windows and the windows opened from the menus, answered as
    // they come up; the authentication window has its own hook.
    void vigia()
    {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || m == m_atendida || qobject_cast<frmAutenticar *>(m))
            return;
        if (auto *a = qobject_cast<AvisoDialog *>(m); a && !a->botoes().isEmpty() && !a->botoes().first()->isVisible())
            return; // its buttons show after 50 ms
        m_atendida = m;
        QStringList textos;
        for (const QLabel *l : m->findChildren<QLabel *>())
            if (qobject_cast<AvisoDialog *>(m) && !l->text().isEmpty() && l->isVisibleTo(m))
                textos << l->text();
        m_eventos << QStringLiteral("janela %1 [%2] %3").arg(m->objectName(), m->windowTitle(), textos.join(QLatin1Char(' ')));
        if (m_passos.isEmpty() || m_passos.first().janela != m->objectName()) {
            m_falhas << QStringLiteral("janela inesperada: ") + m->objectName();
            m->close();
            return;
        }
        const Passo p = m_passos.takeFirst();
        p.faz(m);
    }

    void espera(const QString &janela, std::function<void(QWidget *)> faz)
    {
        m_passos << Passo{janela, std::move(faz)};
    }
    // A warning window answered with its button of that caption.
    void responde(const QString &janela, const QString &botao)
    {
        espera(janela, [botao](QWidget *w) {
            for (QPushButton *b : static_cast<AvisoDialog *>(w)->botoes())
                if (b->text() == botao)
                    b->click();
        });
    }

    void tecla(Qt::Key k)
    {
        m_frente->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frente));
        m_frente->txtValorCodBarra->setFocus();
        QTest::keyClick(m_frente->txtValorCodBarra, k);
    }
    void digita(const QString &texto)
    {
        m_frente->activateWindow();
        m_frente->txtValorCodBarra->setFocus();
        QTest::keyClicks(m_frente->txtValorCodBarra, texto);
    }
    void le(const QString &codigo)
    {
        digita(codigo);
        tecla(Qt::Key_Return);
        QVERIFY2(m_passos.isEmpty(), qPrintable(QStringLiteral("janela não vista: ") + m_passos.value(0).janela));
    }
    void menu(const char *nome)
    {
        m_frente->menu(QString::fromLatin1(nome))->trigger();
        QTest::qWait(20);
        QVERIFY2(m_passos.isEmpty(), qPrintable(QStringLiteral("janela não vista: ") + m_passos.value(0).janela));
    }
    // One Enter: the first row of the sum list is authenticated `vezes` times.
    void grava(int vezes)
    {
        m_autenticacoes = vezes;
        tecla(Qt::Key_Return);
    }
    void foto(const QString &nome)
    {
        const QString pasta = QCoreApplication::applicationDirPath() + QStringLiteral("/telas");
        QDir().mkpath(pasta);
        m_frente->grab().save(pasta + QLatin1Char('/') + m_modelo + QLatin1Char('_') + nome + QStringLiteral(".png"));
    }
    void comparaGolden(const QByteArray &bytes, const QString &nome)
    {
        QString porque;
        QVERIFY2(TestSupport::matchesGolden(bytes, QStringLiteral("dia/golden/") + nome, &porque), qPrintable(porque));
    }
    void comparaArquivo(const QString &arquivo, const QString &nome)
    {
        QVERIFY2(QFile::exists(arquivo), qPrintable(arquivo));
        comparaGolden(TestSupport::readFile(arquivo), nome);
    }
    QString arquivo(const QString &relativo) const { return m_pasta->file(relativo); }

private slots:
    void init();
    void cleanup();
    void diaComImpressoraTexto();
    void diaComImpressoraBematech();
};

void TstDia::init()
{
    m_vigia.setInterval(10);
    connect(&m_vigia, &QTimer::timeout, this, &TstDia::vigia, Qt::UniqueConnection);
    m_vigia.start();
}

void TstDia::cleanup()
{
    m_vigia.stop();
    if (m_frente)
        m_frente->close();
    if (frmCofre::existente())
        frmCofre::existente()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AbreBD::liberaInstancia();
    Platform::printers().reset();
    Platform::resetPortDevicePaths();
    m_pasta.reset();
    m_passos.clear();
    m_eventos.clear();
    m_falhas.clear();
}

void TstDia::prepara(const QString &modelo)
{
    m_modelo = modelo;
    TestSupport::ProgramFolder::Options o;
    o.config = false;
    o.open = false;
    m_pasta = std::make_unique<TestSupport::ProgramFolder>(o);
    QStringList config = m_pasta->defaultConfig();
    config.replaceInStrings(QStringLiteral("impressora=txt"), QStringLiteral("impressora=") + modelo);
    config.replaceInStrings(QRegularExpression(QStringLiteral("^soma=0$")), QStringLiteral("soma=1"));
    config.insert(config.indexOf(QStringLiteral("[Mensagem]")),
                  QStringLiteral("caminho_febraban=") + arquivo(QStringLiteral("exporta/")));
    config.insert(config.indexOf(QStringLiteral("[Mensagem]")), QStringLiteral("nome_banco=BANCO MUNICIPAL"));
    config << QStringLiteral("cabecalho=1");
    m_pasta->writeConfig(config);
    Relogio::fixar(QDateTime(kDia, kHora));

    m_porta = arquivo(QStringLiteral("lpt1.txt"));
    QFile f(m_porta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    Platform::setPortDevicePath(QStringLiteral("LPT1"), m_porta);
    m_impressora = std::make_shared<RecordingPrinter>();
    Platform::printers().setRecording(m_impressora);
    m_pasta->messages->onBox = [this](const ScriptedMessages::Box &b) {
        QString texto = b.text;
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("<CRLF>")).replace(QLatin1Char('\n'), QStringLiteral("<LF>"));
        m_eventos << QStringLiteral("%1 [%2] %3%4 %5")
                         .arg(b.kind, b.title)
                         .arg(b.style)
                         .arg(b.password ? QStringLiteral(" senha") : QString(), texto);
    };
}

void TstDia::diaComImpressoraTexto()
{
    prepara(QStringLiteral("txt"));
    umDia();
    confere();
}

void TstDia::diaComImpressoraBematech()
{
    prepara(QStringLiteral("bematech"));
    umDia();
    confere();
}

void TstDia::entra()
{
    QVERIFY(AbreBD::Main([] { return new frmData; }));
    frmData *inicio = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<frmData *>(w); d && d->isVisible())
            inicio = d;
    QVERIFY(inicio);
    QCOMPARE(inicio->dtpData->date(), kDia);
    QTest::keyClicks(inicio->txtsenha, QStringLiteral("1111"));
    QTest::keyClick(inicio->txtsenha, Qt::Key_Return);
    m_frente = frmFrente::existente();
    QVERIFY(m_frente);
    QVERIFY(QTest::qWaitForWindowExposed(m_frente));
    QCOMPARE(m_frente->lbluser->text(), QStringLiteral("CAIXA 01"));
    m_frente->aoAutenticar = [this](frmAutenticar &d) {
        const int vezes = m_autenticacoes;
        QTimer::singleShot(0, &d, [&d, vezes] {
            for (int i = 0; i < vezes; ++i)
                QTest::keyClick(&d, Qt::Key_Return);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
    };
}

void TstDia::umDia()
{
    // Start-up, password and the day's movement.
    entra();

    // First payment: a collection document, a bank document, water, a
    // duplicate in the list, a blocked one and one due on the holiday.
    le(iptu(15000, QDate(2026, 12, 30), 1));
    le(boleto(32010, QDate(2027, 1, 5), 2));
    le(agua(4550, kDia, 3));
    responde(QStringLiteral("frmContaLancada"), QStringLiteral("OK"));
    le(boleto(32010, QDate(2027, 1, 5), 2));
    responde(QStringLiteral("frmBloqueia"), QStringLiteral("OK"));
    le(iptu(9000, QDate(2025, 11, 10), 4));
    le(agua(8000, QDate(2026, 12, 25), 5));
    QCOMPARE(m_frente->soma().size(), 4);
    QCOMPARE(m_frente->lbltotalConta->text(), QStringLiteral("R$ 595,60"));

    // Kept in the sum-list file, cleared, and loaded back.
    menu("mnuGravar");
    m_pasta->messages->answers << Vb::vbYes;
    menu("mnuLimpar");
    QCOMPARE(m_frente->soma().size(), 0);
    menu("mnuCarregar");
    QCOMPARE(m_frente->soma().size(), 4);
    foto(QStringLiteral("1_soma"));

    digita(QStringLiteral("600"));
    tecla(Qt::Key_Minus);
    QCOMPARE(m_frente->lblTroco->text(), QStringLiteral("R$ 4,40"));
    grava(1);
    grava(2);
    grava(1);
    grava(1);
    QCOMPARE(m_frente->soma().size(), 0);

    // Second payment: one already recorded, an overdue one with interest and
    // fine, an overdue one declined, a misread one, one of last year, a
    // typed line, one removed again and a loose payment.
    responde(QStringLiteral("frmContaLancada"), QStringLiteral("OK"));
    le(iptu(15000, QDate(2026, 12, 30), 1));
    responde(QStringLiteral("frmGuiavencida"), QStringLiteral("Sim"));
    responde(QStringLiteral("frmAcrescimos"), QStringLiteral("OK"));
    le(iss(20000, QDate(2026, 11, 10), 6));
    responde(QStringLiteral("frmGuiavencida"), QStringLiteral("Não"));
    le(boleto(1990, QDate(2026, 12, 20), 7));
    le(Gerador::digitoTrocado(boleto(5000, QDate(2027, 1, 10), 8), 30, true));
    responde(QStringLiteral("frmContavencida"), QStringLiteral("OK"));
    responde(QStringLiteral("frmGuiavencida"), QStringLiteral("Sim"));
    responde(QStringLiteral("frmAcrescimos"), QStringLiteral("OK"));
    le(iss(10000, QDate(2025, 12, 10), 9));
    le(Gerador::diverso(fator(QDate(2027, 1, 15)), 3500, QStringLiteral("001")));
    le(agua(2222, QDate(2027, 1, 20), 11));
    const QStringList linha = linhaBancaria(boleto(123456, QDate(2027, 1, 8), 10));
    espera(QStringLiteral("frmLdg"), [linha](QWidget *w) {
        auto *ldg = static_cast<frmLdg *>(w);
        ldg->pausaMs = 0;
        ldg->SSTab1->setCurrentIndex(0);
        QLineEdit *caixas[] = {ldg->campo1, ldg->campo2, ldg->campo3, ldg->campo4,
                               ldg->campo5, ldg->campo6, ldg->digito, ldg->campo7};
        for (int i = 0; i < 8; ++i)
            QTest::keyClicks(caixas[i], linha.at(i));
        ldg->cmdOk->click();
    });
    m_frente->cmdLdg->click();
    QTRY_VERIFY(m_passos.isEmpty());
    QTRY_COMPARE(m_frente->soma().size(), 5);
    m_pasta->messages->inputs << QStringLiteral("4");
    menu("mnuRemove");
    QCOMPARE(m_frente->soma().size(), 4);
    espera(QStringLiteral("frmAvulso"), [](QWidget *w) {
        auto *a = static_cast<frmAvulso *>(w);
        a->cmbTipo->setCurrentIndex(a->cmbTipo->findText(QStringLiteral("TAXAS DIVERSAS")));
        QTest::keyClicks(a->mskvalor, QStringLiteral("12,34"));
        a->dtpVencimento->setDate(kDia);
        QTest::keyClicks(a->txtparcela, QStringLiteral("1/1"));
        QTest::keyClicks(a->txtobs, QStringLiteral("taxa de vistoria; sanit"));
        a->txtobs->insert(QStringLiteral("ária")); // typed with a dead key
        a->cmdOk->click();
    });
    tecla(Qt::Key_Plus);
    QVERIFY(m_passos.isEmpty());
    QCOMPARE(m_frente->soma().size(), 5);
    tecla(Qt::Key_Minus); // nothing typed: the exact amount
    QCOMPARE(m_frente->lblTroco->text(), QStringLiteral("Não tem ..."));
    for (int vezes : {1, 1, 2, 1, 1})
        grava(vezes);
    QCOMPARE(m_frente->soma().size(), 0);

    // Cash entries: the opening money with its breakdown, a payment, a withdrawal.
    m_pasta->messages->inputs << QStringLiteral("1234");
    espera(QStringLiteral("frmSangria"), [](QWidget *w) {
        auto *s = static_cast<frmSangria *>(w);
        s->Command1[3]->click();
        s->cmdIncluirItens->click();
        for (const auto &[especie, valor] : {std::pair{"DINHEIRO", "100,00"}, {"MOEDAS", "5,50"}}) {
            s->cmbEspecie->setCurrentIndex(s->cmbEspecie->findText(QString::fromLatin1(especie)));
            s->mskValorItem->setText(QString::fromLatin1(valor));
            s->cmdSave->click();
        }
        s->Command2->click();
        s->Command3->click();
    });
    menu("mnuLanca");
    espera(QStringLiteral("frmSangria"), [](QWidget *w) {
        auto *s = static_cast<frmSangria *>(w);
        s->Command1[3]->click();
        s->txtdescricao->setPlainText(QStringLiteral("Empenho 123/2026 - papelaria"));
        s->cmdIncluirItens->click();
        for (const auto &[especie, numero, valor] :
             {std::tuple{"CHEQUE", "004455", "200,00"}, {"DINHEIRO", "", "50,00"}}) {
            s->cmbEspecie->setCurrentIndex(s->cmbEspecie->findText(QString::fromLatin1(especie)));
            s->txtnumero->setText(QString::fromLatin1(numero));
            s->mskValorItem->setText(QString::fromLatin1(valor));
            s->cmdSave->click();
        }
        s->Command2->click();
        s->Command3->click();
    });
    menu("mnuPagtos");
    m_pasta->messages->inputs << QStringLiteral("1234");
    espera(QStringLiteral("frmSangria"), [](QWidget *w) {
        auto *s = static_cast<frmSangria *>(w);
        s->Command1[3]->click();
        s->cmdIncluirItens->click();
        s->cmbEspecie->setCurrentIndex(s->cmbEspecie->findText(QStringLiteral("DINHEIRO")));
        s->mskValorItem->setText(QStringLiteral("300,00"));
        s->cmdSave->click();
        s->Command2->click();
        s->Command3->click();
    });
    menu("mnuSangria");

    // Money into the safe (its menu entry stays disabled: the window is
    // reached directly, as its other callers do).
    QVERIFY(!m_frente->menu(QStringLiteral("mnuSuprimentos"))->isEnabled());
    frmCofre *cofre = frmCofre::abre();
    QVERIFY(cofre);
    QCOMPARE(cofre->txtsaldo->text(), QString()); // no safe file yet: an empty balance
    cofre->Option1->setChecked(true);
    cofre->mskvalor->setText(QStringLiteral("500,00"));
    cofre->Command1->click();
    QTRY_VERIFY(!frmCofre::existente() || !frmCofre::existente()->isVisible());

    // A temporary count.
    QStringList contagem;
    espera(QStringLiteral("frmLancaTemp"), [&contagem](QWidget *w) {
        auto *t = static_cast<frmLancaTemp *>(w);
        for (const auto &[especie, valor] : {std::pair{"DINHEIRO", "1.500,00"}, {"CHEQUE", "320,10"}, {"MOEDAS", "7,35"}}) {
            t->Combo1->setCurrentIndex(t->Combo1->findText(QString::fromLatin1(especie)));
            t->mskvalor->setText(QString::fromLatin1(valor));
            t->Command5->click();
        }
        contagem << linhasDe(t->List1)
                 << QStringList{t->txttotal->text(), t->txtarrecadacao->text(), t->txtsangria->text(),
                                t->txtsuprimento->text(), t->txtsaldo->text(), t->lblStatus->text()}
                        .join(QLatin1Char('|'));
        t->Command2->click();
    });
    menu("mnuConftemp");
    m_eventos << QStringLiteral("contagem temporária: ") + contagem.join(QStringLiteral(" / "));

    // One item corrected (a water bill read short) and one reversed.
    m_pasta->messages->inputs << QStringLiteral("1234");
    espera(QStringLiteral("frmCorrigeGuia"), [this](QWidget *w) {
        auto *c = static_cast<frmCorrigeGuia *>(w);
        const auto escolhe = [c](const QString &ordem) {
            const auto achados = c->ListView1->findItems(ordem, Qt::MatchExactly, 0);
            if (!achados.isEmpty()) {
                c->ListView1->scrollToItem(achados.first());
                QTest::mouseClick(c->ListView1->viewport(), Qt::LeftButton, {},
                                  c->ListView1->visualItemRect(achados.first()).center());
            }
            c->Command1[1]->click();
        };
        escolhe(QStringLiteral("0003"));
        c->cmbOrgao->setCurrentIndex(c->cmbOrgao->findText(QStringLiteral("AGUA E ESGOTO")));
        c->mskvalor->setText(QStringLiteral("54,50"));
        c->txtmotivo->setPlainText(QStringLiteral("Valor lido a menor; conta de água"));
        c->Command2->click();
        escolhe(QStringLiteral("0007"));
        c->txtmotivo->setPlainText(QStringLiteral("Pagamento em duplicidade"));
        m_pasta->messages->answers << Vb::vbYes;
        c->Command1[3]->click();
        m_eventos << QStringLiteral("correção: ") + linhasDe(c->ListView1).join(QStringLiteral(" / "));
        c->Command3->click();
    });
    menu("mnuAlt_item");

    menu("mnuAlterna");
    foto(QStringLiteral("2_recebidos"));
    m_eventos << QStringLiteral("recebidos: ") + linhasDe(m_frente->lstLancado).join(QStringLiteral(" / "));
    menu("mnuAlterna");

    // Closing.
    menu("mnuEncerrar");
    QVERIFY(m_frente->diaFechado());
    QCOMPARE(m_frente->txtValorCodBarra->text(), QStringLiteral("CAIXA ENCERRADO"));
    const QPalette cores = m_frente->txtValorCodBarra->palette();
    QVERIFY(cores.color(QPalette::Disabled, QPalette::Text) != cores.color(QPalette::Disabled, QPalette::Base));
    foto(QStringLiteral("3_encerrado"));

    // The closing count and its integration file.
    espera(QStringLiteral("frmLancamentos"), [this](QWidget *w) {
        auto *l = static_cast<frmLancamentos *>(w);
        l->integracao().pausaPorRegistroMs = 0;
        for (const auto &[especie, numero, valor] :
             {std::tuple{"DINHEIRO", "", "900,00"}, {"CHEQUE", "000123", "320,10"}, {"MOEDAS", "", "33,90"}}) {
            l->Combo1->setCurrentIndex(l->Combo1->findText(QString::fromLatin1(especie)));
            l->txtnumero->setText(QString::fromLatin1(numero));
            l->mskvalor->setText(QString::fromLatin1(valor));
            l->Command5->click();
        }
        m_eventos << QStringLiteral("contagem: ") + linhasDe(l->List1).join(QStringLiteral(" / ")) + QStringLiteral(" = ")
                         + QStringList{l->txttotal->text(), l->txtarrecadacao->text(), l->txtsangria->text(),
                                       l->txtsuprimento->text(), l->txtsaldo->text(), l->lblStatus->text()}
                               .join(QLatin1Char('|'));
        m_pasta->messages->answers << Vb::vbYes;
        l->Command1->click();
        l->Command2->click();
    });
    menu("mnuConferir");

    // The ISS documents to the FEBRABAN return file.
    espera(QStringLiteral("frmExportar"), [this](QWidget *w) {
        auto *e = static_cast<frmExportar *>(w);
        e->febraban().pausaPorRegistroMs = 0;
        e->cmbTipo->setCurrentIndex(e->cmbTipo->findText(QStringLiteral("ISS")));
        e->cmdPesquisar->click();
        m_eventos << QStringLiteral("exportar: ") + linhasDe(e->lstRecebimentos).join(QStringLiteral(" / "));
        e->cmdExportar->click();
        e->cmdSair->click();
    });
    menu("mnuExpCebi");

    // Both logs, as the teller reads them.
    for (const char *log : {"mnuestornos", "mnurecebimentos"}) {
        espera(QStringLiteral("frmExbi_texto"), [this](QWidget *w) {
            auto *x = static_cast<frmExbi_texto *>(w);
            const QString noArquivo = TextFile::decode(TestSupport::readFile(x->arquivo()));
            m_eventos << QStringLiteral("log %1: %2 linhas, %3").arg(QFileInfo(x->arquivo()).fileName())
                             .arg(x->Rich1->toPlainText().count(QLatin1Char('\n')))
                             .arg(x->Rich1->toPlainText() == QString(noArquivo).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                      ? QStringLiteral("igual ao arquivo")
                                      : QStringLiteral("DIFERENTE DO ARQUIVO"));
            x->cmdSair->click();
        });
        menu(log);
    }

    // Re-opening, and one more document on the re-opened day.
    menu("mnuReabrir");
    QVERIFY(!m_frente->diaFechado());
    le(agua(6100, QDate(2027, 1, 4), 12));
    digita(QStringLiteral("100"));
    tecla(Qt::Key_Minus);
    grava(1);
    QCOMPARE(m_frente->soma().size(), 0);

    // Leaving closes the printer port and the connection; the next start
    // resumes the open day, where the reversed document may come again.
    menu("mnuSair");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_frente);
    QVERIFY(!Conexao::aberta());
    QCOMPARE(m_impressora->functions().last(), QStringLiteral("FechaPorta"));
    entra();
    QCOMPARE(m_frente->IdMovimento, 1);
    QCOMPARE(m_frente->lstLancado->topLevelItemCount(), 9);
    le(Gerador::diverso(fator(QDate(2027, 1, 15)), 3500, QStringLiteral("001")));
    digita(QStringLiteral("35"));
    tecla(Qt::Key_Minus);
    grava(1);
    menu("mnuAlterna");
    QCOMPARE(m_frente->lstLancado->topLevelItemCount(), 10);
    QCOMPARE(m_frente->txttotal->text(), QStringLiteral("2.294,50"));
    QVERIFY(m_passos.isEmpty());
}

void TstDia::confere()
{
    QVERIFY2(m_falhas.isEmpty(), qPrintable(m_falhas.join(QLatin1Char('\n'))));
    QVERIFY(Conexao::abrir(AbreBD::arquivoBanco()));
    // DIA_EVENTOS=1 shows the day's boxes and windows as they came.
    if (qEnvironmentVariableIsSet("DIA_EVENTOS"))
        qInfo().noquote() << m_eventos.join(QLatin1Char('\n'));

    // Authentication numbers 1..n without gaps but the reversed 7th, money in whole cents.
    QCOMPARE(consulta(QStringLiteral("SELECT AUTENTICA FROM Recebimentos ORDER BY AUTENTICA")),
             QStringList({"1", "2", "3", "4", "5", "6", "8", "9", "10", "11"}));
    QCOMPARE(consulta(QStringLiteral("SELECT COUNT(*) FROM Recebimentos WHERE VALOR % 100 <> 0")), QStringList{"0"});

    QStringList banco;
    for (const char *tabela : {"Movimento", "Contador", "Recebimentos", "Sangria", "Itens", "ConfCaixa", "Suprimentos"}) {
        banco << QStringLiteral("== ") + QString::fromLatin1(tabela);
        banco << consulta(QStringLiteral("SELECT * FROM ") + QString::fromLatin1(tabela));
    }
    comparaGolden((banco.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), QStringLiteral("banco.txt"));

    comparaArquivo(arquivo(QStringLiteral("recebimentos/Receb_1_20261228.txt")), QStringLiteral("Receb_1_20261228.txt"));
    comparaArquivo(arquivo(QStringLiteral("soma.txt")), QStringLiteral("soma.txt"));
    comparaArquivo(arquivo(QStringLiteral("remove_item.txt")), QStringLiteral("remove_item.txt"));
    comparaArquivo(arquivo(QStringLiteral("cofre.ini")), QStringLiteral("cofre.ini"));
    comparaArquivo(arquivo(QStringLiteral("exporta/FebCX1ISS_001_202612280915.RET")),
                   QStringLiteral("FebCX1ISS_001_202612280915.RET"));
    comparaArquivo(arquivo(QStringLiteral("exporta/1_202612280915.INT")), QStringLiteral("1_202612280915.INT"));
    QCOMPARE(QDir(arquivo(QStringLiteral("exporta"))).entryList(QDir::Files),
             QStringList({QStringLiteral("1_202612280915.INT"), QStringLiteral("FebCX1ISS_001_202612280915.RET")}));
    comparaArquivo(arquivo(QStringLiteral("estorno/Estorno_1_2026.txt")), QStringLiteral("Estorno_1_2026.txt"));

    comparaGolden(legivel(TestSupport::readFile(m_porta)).toUtf8(), m_modelo + QStringLiteral("/porta_lpt1.txt"));
    QStringList chamadas;
    for (const RecordingPrinter::Call &c : m_impressora->calls) {
        QStringList numeros;
        for (int n : c.numbers)
            numeros << QString::number(n);
        chamadas << c.function + QLatin1Char('(') + numeros.join(QLatin1Char(',')) + QStringLiteral(") ") + c.text
                        + legivel(c.bytes);
    }
    comparaGolden((chamadas.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(),
                  m_modelo + QStringLiteral("/impressora.txt"));
    comparaGolden((m_eventos.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), QStringLiteral("caixas_e_janelas.txt"));
}

QTEST_MAIN(TstDia)
#include "tst_dia.moc"
