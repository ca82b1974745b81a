#include "dia_exportacao.h"
#include "frm_exportar.h"
#include "globals.h"
#include "test_support.h"
#include "text_file.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using TestSupport::ProgramFolder;

class TstFrmExportar : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void abreConformeOMovimento();
    void carregarPedeUmTipo();
    void listaPendentesERejeitados();
    void rejeitaELibera();
    void exportarConfereNestaOrdem();
    void exportaOsPendentes();
    void falhaComATelaParada();
    void codigoDoBancoSoNumeros();

private:
    std::unique_ptr<frmExportar> abre(bool fechado = true);
    void escolheTipo(frmExportar &f, const QString &tipo);
    int flag(int idRecebe) const;
    QStringList arquivos() const;

    std::unique_ptr<ProgramFolder> m_pasta;
};

void TstFrmExportar::init()
{
    m_pasta = std::make_unique<ProgramFolder>();
    DiaExportacao::prepara();
    AbreBD::gDataCaixa = QDate(2026, 12, 9);
    QStringList config = m_pasta->defaultConfig();
    config.insert(1, QStringLiteral("caminho_febraban=") + m_pasta->file(QStringLiteral("exporta/")));
    config.insert(1, QStringLiteral("nome_banco=BANCO"));
    m_pasta->writeConfig(config);
}

void TstFrmExportar::cleanup()
{
    m_pasta.reset();
}

std::unique_ptr<frmExportar> TstFrmExportar::abre(bool fechado)
{
    ContextoExportacao c;
    c.idMovimento = DiaExportacao::Movimento;
    c.numMovimento = DiaExportacao::NumMovimento;
    c.data = QDate(2026, 12, 9);
    c.movimentoFechado = fechado;
    auto f = std::make_unique<frmExportar>(c);
    f->febraban().pausaPorRegistroMs = 0;
    f->cnab().pausaPorRegistroMs = 0;
    return f;
}

void TstFrmExportar::escolheTipo(frmExportar &f, const QString &tipo)
{
    const int i = f.cmbTipo->findText(tipo);
    QVERIFY(i >= 0);
    f.cmbTipo->setCurrentIndex(i);
}

int TstFrmExportar::flag(int idRecebe) const
{
    const auto rs = clsDataAccess::selectQuiet(QStringLiteral("SELECT EXPORT FROM Recebimentos WHERE IDRECEBE = ?"),
                                               {idRecebe});
    return rs->Fields(0).toInt();
}

QStringList TstFrmExportar::arquivos() const
{
    return QDir(m_pasta->file(QStringLiteral("exporta"))).entryList(QDir::Files | QDir::Hidden);
}

void TstFrmExportar::abreConformeOMovimento()
{
    auto f = abre();
    QCOMPARE(f->windowTitle(), QStringLiteral("Confirmação e Rejeição de Itens à Exportar"));
    QCOMPARE(f->cmbSel->currentText(), QStringLiteral("FEBRABAN"));
    QCOMPARE(f->cmbTipo->count(), 1);
    QCOMPARE(f->cmbTipo->itemText(0), QStringLiteral("BLOQUETO BANCARIO"));
    QCOMPARE(f->cmbTipo->currentIndex(), -1);
    QVERIFY(f->cmdExportar->isEnabled());
    QVERIFY(f->SSTab->isTabEnabled(0));
    QVERIFY(!f->SSTab->isTabEnabled(1));
    QVERIFY(!abre(false)->cmdExportar->isEnabled());

    f->cmbSel->setCurrentIndex(1);
    QCOMPARE(f->cmbTipo->count(), 3);
    QCOMPARE(f->cmbTipo->itemText(0), QStringLiteral("AGUA E ESGOTO"));
    QCOMPARE(f->cmbTipo->itemData(0).toInt(), 3);
    // No type of the standard: the box keeps what it had.
    DiaExportacao::executa(QStringLiteral("UPDATE CodBarra SET PADRAO = 'P' WHERE PADRAO = 'F'"));
    f->cmbSel->setCurrentIndex(0);
    QCOMPARE(f->cmbTipo->count(), 3);
}

void TstFrmExportar::carregarPedeUmTipo()
{
    auto f = abre();
    f->cmdPesquisar->click();
    QCOMPARE(f->lstRecebimentos->topLevelItemCount(), 0);
    QCOMPARE(f->SkinLabel[2]->text(), QStringLiteral("000"));
    QVERIFY(m_pasta->messages->boxes.isEmpty());
}

void TstFrmExportar::listaPendentesERejeitados()
{
    auto f = abre();
    escolheTipo(*f, QStringLiteral("BLOQUETO BANCARIO"));
    QCOMPARE(f->txtcodbanco->text(), QStringLiteral("001"));
    QCOMPARE(f->SkinLabel[2]->text(), QStringLiteral("0"));
    f->cmdPesquisar->click();
    QTreeWidget *l = f->lstRecebimentos;
    QCOMPARE(l->topLevelItemCount(), 3);
    const QTreeWidgetItem *primeiro = l->topLevelItem(0);
    QCOMPARE(primeiro->text(0), QStringLiteral("00001"));
    QCOMPARE(primeiro->text(1), QStringLiteral("001"));
    QCOMPARE(primeiro->text(2), QStringLiteral("10,00"));
    QCOMPARE(primeiro->text(3).size(), 44);
    QCOMPARE(primeiro->checkState(0), Qt::Unchecked);
    QCOMPARE(l->topLevelItem(2)->text(2), QStringLiteral("1.234,56"));
    QCOMPARE(f->SkinLabel[2]->text(), QStringLiteral("3"));
    QCOMPARE(f->SkinLabel[3]->text(), QStringLiteral("1.245,06"));
    QVERIFY(!f->SkinLabel[3]->isHidden());
    QVERIFY(f->SkinLabel[7]->isHidden());

    f->cmdRejeitados->click();
    QCOMPARE(f->SSTab->currentIndex(), 1);
    QVERIFY(!f->SSTab->isTabEnabled(0));
    QCOMPARE(f->lstRejeitado->topLevelItemCount(), 1);
    QCOMPARE(f->lstRejeitado->topLevelItem(0)->text(0), QStringLiteral("00004"));
    QCOMPARE(f->lstRejeitado->topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(f->SkinLabel[7]->text(), QStringLiteral("99,99"));
    QVERIFY(f->SkinLabel[3]->isHidden());
    QCOMPARE(f->SkinLabel[2]->text(), QStringLiteral("1"));

    f->Command3->click();
    QCOMPARE(f->SSTab->currentIndex(), 0);
    QCOMPARE(f->lstRecebimentos->topLevelItemCount(), 3);
}

void TstFrmExportar::rejeitaELibera()
{
    auto f = abre(false);
    escolheTipo(*f, QStringLiteral("BLOQUETO BANCARIO"));
    f->cmdPesquisar->click();
    f->lstRecebimentos->topLevelItem(1)->setCheckState(0, Qt::Checked);

    m_pasta->messages->answers = {Vb::vbNo};
    f->cmdRejeita->click();
    QCOMPARE(flag(3), 0);
    QCOMPARE(m_pasta->messages->boxes.size(), 1);

    m_pasta->messages->clear();
    m_pasta->messages->answers = {Vb::vbYes};
    f->cmdRejeita->click();
    const auto &boxes = m_pasta->messages->boxes;
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes.at(0).text, QStringLiteral("Confirma a exportação dos itens relacionados na lista?"));
    QCOMPARE(boxes.at(0).style, Vb::vbYesNo + Vb::vbQuestion);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Aviso"));
    QCOMPARE(boxes.at(1).style, int(Vb::vbExclamation));
    QCOMPARE(boxes.at(2).text, QStringLiteral("Gravação Concluida!!"));
    QCOMPARE(flag(1), 0);
    QCOMPARE(flag(3), 1);
    QCOMPARE(flag(6), 0);
    QCOMPARE(f->lstRecebimentos->topLevelItemCount(), 2);

    f->cmdRejeitados->click();
    QCOMPARE(f->lstRejeitado->topLevelItemCount(), 2);
    f->lstRejeitado->topLevelItem(0)->setCheckState(0, Qt::Unchecked); // IDRECEBE 3
    m_pasta->messages->clear();
    m_pasta->messages->answers = {Vb::vbYes};
    f->cmdDesfazRejeicao->click();
    QCOMPARE(m_pasta->messages->boxes.first().text,
             QStringLiteral("Confirma a reversão da rejeição dos itens desabilitados da lista?"));
    QCOMPARE(flag(3), 0);
    QCOMPARE(flag(4), 1);
    QCOMPARE(f->lstRejeitado->topLevelItemCount(), 1);
}

void TstFrmExportar::exportarConfereNestaOrdem()
{
    auto f = abre();
    f->cmbSel->setCurrentIndex(1);
    f->txtcodbanco->setText(QStringLiteral("00"));
    f->cmdExportar->click();
    QCOMPARE(m_pasta->messages->texts(), QStringList{QStringLiteral("Código do banco não informado!!")});
    QCOMPARE(m_pasta->messages->boxes.first().style, int(Vb::vbInformation));

    m_pasta->messages->clear();
    escolheTipo(*f, QStringLiteral("IPTU"));
    QCOMPARE(f->txtcodbanco->text(), QStringLiteral("001"));
    f->cmdExportar->click(); // empty list: nothing at all
    QVERIFY(m_pasta->messages->boxes.isEmpty());

    f->cmdPesquisar->click();
    QCOMPARE(f->lstRecebimentos->topLevelItemCount(), 1);
    f->cmdExportar->click();
    QCOMPARE(m_pasta->messages->texts(), QStringList{QStringLiteral("Este sistema ainda não executa esta função!!")});
    QCOMPARE(m_pasta->messages->boxes.first().style, int(Vb::vbCritical));
    QVERIFY(arquivos().isEmpty());
    QVERIFY(QDir(m_pasta->file(QStringLiteral("recebimentos"))).isEmpty());
}

void TstFrmExportar::exportaOsPendentes()
{
    auto f = abre();
    escolheTipo(*f, QStringLiteral("BLOQUETO BANCARIO"));
    f->cmdPesquisar->click();
    f->cmdExportar->click();
    QCOMPARE(m_pasta->messages->texts(), QStringList{QStringLiteral("Geração de arquivo efetuada com sucesso!!")});
    QCOMPARE(arquivos(), QStringList{QStringLiteral("FebCX1BLOQ_001_202612091030.RET")});
    QVERIFY(f->pbr->isHidden());
    QVERIFY(f->cmdExportar->isEnabled());

    // Again in the same minute: the file is left as it was.
    const QByteArray antes = TestSupport::readFile(m_pasta->file(QStringLiteral("exporta/") + arquivos().first()));
    m_pasta->messages->clear();
    f->cmdExportar->click();
    QCOMPARE(m_pasta->messages->texts().size(), 2);
    QVERIFY(m_pasta->messages->texts().at(0).contains(QStringLiteral("já existe")));
    QCOMPARE(m_pasta->messages->texts().at(1), QStringLiteral("Erro ao gravar arquivo!!"));
    QCOMPARE(TestSupport::readFile(m_pasta->file(QStringLiteral("exporta/") + arquivos().first())), antes);
}

void TstFrmExportar::falhaComATelaParada()
{
    DiaExportacao::executa(QStringLiteral("UPDATE Recebimentos SET CODBARRA = '123' WHERE IDRECEBE = 6"));
    auto f = abre();
    escolheTipo(*f, QStringLiteral("BLOQUETO BANCARIO"));
    f->cmdPesquisar->click();
    bool paradaDuranteAEscrita = false;
    m_pasta->messages->onBox = [&](const ScriptedMessages::Box &b) {
        if (b.text == QStringLiteral("Erro ao gerar content"))
            paradaDuranteAEscrita = !f->cmdExportar->isEnabled() && !f->cmdSair->isEnabled() && f->pbr->isVisibleTo(f.get());
    };
    f->cmdExportar->click();
    QVERIFY(paradaDuranteAEscrita);
    QCOMPARE(m_pasta->messages->texts().last(), QStringLiteral("Erro ao gravar arquivo!!"));
    QCOMPARE(m_pasta->messages->texts().first(), QStringLiteral("Erro ao gerar content"));
    QVERIFY(DiaExportacao::logDeErros().contains(QStringLiteral("Autenticação 6")));
    QVERIFY(arquivos().isEmpty());
    QVERIFY(f->cmdExportar->isEnabled());
    QVERIFY(f->pbr->isHidden());
}

void TstFrmExportar::codigoDoBancoSoNumeros()
{
    auto f = abre();
    QTest::keyClicks(f->txtcodbanco, QStringLiteral("a1,b2"));
    QCOMPARE(f->txtcodbanco->text(), QStringLiteral("1,2"));
    QTest::keyClick(f->txtcodbanco, Qt::Key_Backspace);
    QCOMPARE(f->txtcodbanco->text(), QStringLiteral("1,"));
}

QTEST_MAIN(TstFrmExportar)
#include "tst_frm_exportar.moc"
