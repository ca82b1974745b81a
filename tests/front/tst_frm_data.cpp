#include "frm_data.h"
#include "frm_opcoes.h"
#include "tst_frente_ambiente.h"

#include "ini_file.h"
#include "msg_box.h"
#include "usuarios.h"
#include "text_file.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace AbreBD;

class TstFrmData : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;
    QPointer<frmData> form;
    QList<QDate> mostradas; // the work date each time the main window would open

    ScriptedMessages &msgs() { return *amb->folder->messages; }

    frmData *abreForm()
    {
        form = new frmData;
        form->show();
        return form;
    }

    void entra(QPushButton *botao, const QString &senha)
    {
        form->txtsenha->clear();
        QTest::keyClicks(form->txtsenha, senha);
        QTest::mouseClick(botao, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void escreveVersao(const QString &pasta, const QByteArray &conteudo)
    {
        QFile f(pasta + QStringLiteral("VersaoAtual.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2.1"));
    }

    void init()
    {
        amb = std::make_unique<AmbienteFrente>();
        gDataCaixa = QDate();
        gUsuario.clear();
        mostradas.clear();
        frmData::mostraFrente() = [this] { mostradas << gDataCaixa; };
        QVERIFY(AmbienteFrente::sql("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('INATIVO', '2222', 'USER', 0)"));
        QVERIFY(AmbienteFrente::insereMovimento(3, "2026-12-01", "FECHADO"));
    }

    void cleanup()
    {
        delete form;
        frmData::mostraFrente() = nullptr;
        amb.reset();
    }

    void showsTodayAndTheVersion()
    {
        abreForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("Data de Trabalho"));
        QCOMPARE(form->dtpData->date(), QDate(2026, 12, 9));
        QCOMPARE(form->dtpData->displayFormat(), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(form->mtwCalendar->selectedDate(), QDate(2026, 12, 9));
        QCOMPARE(form->SkinLabel->text(), QStringLiteral("Version: 1.2.1"));
        // The password box shows each character as "*".
        QTest::keyClicks(form->txtsenha, QStringLiteral("1234"));
        QCOMPARE(form->txtsenha->displayText(), QStringLiteral("****"));
        form->txtsenha->clear();
        QCOMPARE(form->cmdAbrirCaixa->text(), QStringLiteral("Abrir Caixa"));
        QCOMPARE(form->cmdConsultar->text(), QStringLiteral("Consultar"));
        QCOMPARE(form->cmdSair->text(), QStringLiteral("Sair"));
        QVERIFY(form->cmdAbrirCaixa->isEnabled());
        QVERIFY(form->cmdConsultar->isEnabled());
        // The settings are reached from the main window.
        QVERIFY(!form->cmdConfig->isVisible());
        // Hidden as designed, it still opens the settings when pressed.
        form->cmdConfig->click();
        QVERIFY(frmOpcoes::instancia()->isVisible());
        frmOpcoes::instancia()->close();
    }

    // The masked prompt of "Troca de Usuário" and of the
    // administrator gate shows each typed character as "*".
    void theMaskedPromptShowsStars()
    {
        setMessageService(nullptr); // the program's own input box
        QString mostrado;
        QTimer::singleShot(0, this, [&mostrado] {
            auto *caixa = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(caixa);
            auto *campo = caixa->findChild<QLineEdit *>();
            QVERIFY(campo);
            QTest::keyClicks(campo, QStringLiteral("1234"));
            mostrado = campo->displayText();
            caixa->accept();
        });
        const QString senha = PedeSenha(QStringLiteral("Entre com a senha do administrador!!"));
        setMessageService(amb->folder->messages);
        QCOMPARE(mostrado, QStringLiteral("****"));
        QCOMPARE(senha, QStringLiteral("1234"));
    }

    void refusesAWrongOrInactivePassword_data()
    {
        QTest::addColumn<QString>("senha");
        QTest::addColumn<bool>("consultar");
        QTest::newRow("wrong, open") << "9999" << false;
        QTest::newRow("wrong, consult") << "9999" << true;
        QTest::newRow("inactive, open") << "2222" << false;
        QTest::newRow("inactive, consult") << "2222" << true;
        QTest::newRow("empty") << "" << false;
    }

    void refusesAWrongOrInactivePassword()
    {
        QFETCH(QString, senha);
        QFETCH(bool, consultar);
        abreForm();
        entra(consultar ? form->cmdConsultar : form->cmdAbrirCaixa, senha);
        QCOMPARE(msgs().texts(), QStringList{"Senha Inválida!!"});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbExclamation));
        QCOMPARE(msgs().boxes.first().title, QStringLiteral("Aviso"));
        QVERIFY(mostradas.isEmpty());
        QVERIFY(!gDataCaixa.isValid());
        QVERIFY(form && form->isVisible());
    }

    void opensToday()
    {
        abreForm();
        entra(form->cmdAbrirCaixa, QStringLiteral("1111"));
        QCOMPARE(msgs().texts(), QStringList{"O caixa será aberto com a data selecionada."});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbInformation));
        QCOMPARE(msgs().boxes.first().title, QStringLiteral("Aviso"));
        QCOMPARE(mostradas, QList<QDate>{QDate(2026, 12, 9)});
        QCOMPARE(gUsuario, QStringLiteral("CAIXA 01"));
        QVERIFY(!form);
    }

    void enterInThePasswordPressesTheDefaultButton()
    {
        abreForm();
        QTest::keyClicks(form->txtsenha, QStringLiteral("1111"));
        QTest::keyClick(form->txtsenha, Qt::Key_Return);
        QCOMPARE(mostradas, QList<QDate>{QDate(2026, 12, 9)});

        // A day with a movement: "Consultar" is the default, Enter consults it.
        mostradas.clear();
        msgs().clear();
        abreForm();
        form->mtwCalendar_DateClick(QDate(2026, 12, 1));
        QVERIFY(form->cmdConsultar->isDefault());
        QTest::keyClicks(form->txtsenha, QStringLiteral("1111"));
        QTest::keyClick(form->txtsenha, Qt::Key_Return);
        QVERIFY(msgs().boxes.isEmpty());
        QCOMPARE(mostradas, QList<QDate>{QDate(2026, 12, 1)});
    }

    void opensOnlyTheComputersDate()
    {
        abreForm();
        form->mtwCalendar_DateClick(QDate(2026, 12, 8));
        QVERIFY(form->cmdAbrirCaixa->isEnabled());
        entra(form->cmdAbrirCaixa, QStringLiteral("1111"));
        QCOMPARE(msgs().texts(), QStringList{"Data do Computador diferente da data de abertura do caixa!! Verifique."});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbExclamation));
        QVERIFY(mostradas.isEmpty());
        QVERIFY(!gDataCaixa.isValid());
    }

    void consultsAnEarlierDayWithAMovement()
    {
        abreForm();
        form->mtwCalendar_DateClick(QDate(2026, 12, 1));
        QCOMPARE(form->dtpData->date(), QDate(2026, 12, 1));
        QVERIFY(!form->cmdAbrirCaixa->isEnabled());
        QVERIFY(form->cmdConsultar->isEnabled());
        entra(form->cmdConsultar, QStringLiteral("1234"));
        QVERIFY(msgs().boxes.isEmpty());
        QCOMPARE(mostradas, QList<QDate>{QDate(2026, 12, 1)});
        QCOMPARE(gDataCaixa, QDate(2026, 12, 1));
        QVERIFY(!form);
    }

    void consultsADayWithoutAMovement_data()
    {
        QTest::addColumn<QDate>("dia");
        QTest::newRow("earlier") << QDate(2026, 11, 30);
        QTest::newRow("today") << QDate(2026, 12, 9);
    }

    void consultsADayWithoutAMovement()
    {
        QFETCH(QDate, dia);
        abreForm();
        form->mtwCalendar_DateClick(dia);
        QVERIFY(form->cmdAbrirCaixa->isEnabled());
        entra(form->cmdConsultar, QStringLiteral("1111"));
        QCOMPARE(msgs().texts(), QStringList{"Não foi encontrado nenhum movimento com essa data!!"});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbExclamation));
        QCOMPARE(msgs().boxes.first().title, QStringLiteral("Aviso"));
        QVERIFY(mostradas.isEmpty());
        QCOMPARE(gDataCaixa, dia);
        QVERIFY(form && form->isVisible());
    }

    void refusesToConsultTheFuture()
    {
        abreForm();
        form->mtwCalendar_DateClick(QDate(2026, 12, 10));
        entra(form->cmdConsultar, QStringLiteral("1111"));
        QCOMPARE(msgs().texts(), QStringList{"A data atual não pode ser menor que esta selecionada!!"});
        QVERIFY(mostradas.isEmpty());
        QVERIFY(!gDataCaixa.isValid());
    }

    void aTypedDateRunsNoLookUp()
    {
        abreForm();
        form->mtwCalendar_DateClick(QDate(2026, 11, 30));
        form->dtpData->setDate(QDate(2026, 12, 1));
        QVERIFY(form->cmdAbrirCaixa->isEnabled());
    }

    void exitClosesTheConnection()
    {
        abreForm();
        QVERIFY(Conexao::aberta());
        QTest::mouseClick(form->cmdSair, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Conexao::aberta());
        QVERIFY(!form);
        QVERIFY(mostradas.isEmpty());
    }

    void comparesVersionsAsText_data()
    {
        QTest::addColumn<QByteArray>("disponivel");
        QTest::addColumn<bool>("oferece");
        QTest::newRow("1.0 sorts before 121") << QByteArray("1.0\r\n") << false;
        QTest::newRow("same") << QByteArray("121\r\n") << false;
        QTest::newRow("older") << QByteArray("120") << false;
        QTest::newRow("newer") << QByteArray("122\r\n") << true;
        QTest::newRow("13 sorts after 121") << QByteArray("  13  \r\n2\r\n") << true;
        QTest::newRow("empty first line") << QByteArray("\r\n999\r\n") << false;
    }

    void comparesVersionsAsText()
    {
        QFETCH(QByteArray, disponivel);
        QFETCH(bool, oferece);
        const QString pasta = amb->folder->file(QStringLiteral("atualiza/"));
        QVERIFY(IniFile::write(amb->folder->file("Config.ini"), "Opcoes", "Atualiza", pasta));
        escreveVersao(pasta, disponivel);
        QStringList iniciados;
        const auto antes = frmData::iniciaPrograma();
        frmData::iniciaPrograma() = [&iniciados](const QString &p) {
            iniciados << p;
            return true;
        };
        abreForm();
        msgs().answers = {Vb::vbNo};
        QVERIFY(!form->Verifica_atualizacao());
        frmData::iniciaPrograma() = antes;
        QVERIFY(iniciados.isEmpty());
        QCOMPARE(msgs().boxes.size(), oferece ? 1 : 0);
        if (oferece) {
            QCOMPARE(msgs().boxes.first().text,
                     QStringLiteral("Uma nova versão do sistema está disponível. Deseja instalar agora?"));
            QCOMPARE(msgs().boxes.first().style, int(Vb::vbYesNo + Vb::vbQuestion));
            QCOMPARE(msgs().boxes.first().title, QStringLiteral("Aviso"));
        }
    }

    void startsTheUpdaterOnYes()
    {
        const QString pasta = amb->folder->file(QStringLiteral("atualiza/"));
        QVERIFY(IniFile::write(amb->folder->file("Config.ini"), "Opcoes", "Atualiza", pasta));
        escreveVersao(pasta, "200\r\n");
        const QString marca = amb->folder->file(QStringLiteral("atualizou"));
        QVERIFY(TextFile::writeAll(pasta + QStringLiteral("Renovadora.exe"),
                                   "#!/bin/sh\necho atualizando > '" + marca.toLocal8Bit() + "'\n"));
        QFile::setPermissions(pasta + QStringLiteral("Renovadora.exe"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        abreForm();
        msgs().answers = {Vb::vbYes};
        QVERIFY(form->Verifica_atualizacao());
        QTRY_VERIFY(QFile::exists(marca));
        QTRY_COMPARE(TestSupport::readFile(marca), QByteArray("atualizando\n"));
    }

    void missingPiecesAreNotReported()
    {
        abreForm();
        const QString config = amb->folder->file("Config.ini");
        // No folder set: the key is written, empty.
        QVERIFY(!form->Verifica_atualizacao());
        QVERIFY(TextFile::readLines(config).contains(QStringLiteral("Atualiza=")));
        QCOMPARE(IniFile::read(config, "Opcoes", "Atualiza"), QString());
        // A folder that is missing, one that is empty, one without the version file,
        // and an offered update whose updater is missing.
        const QString pasta = amb->folder->file(QStringLiteral("atualiza/"));
        for (const QString &p : {amb->folder->file(QStringLiteral("naoexiste/")), pasta}) {
            QVERIFY(IniFile::write(config, "Opcoes", "Atualiza", p));
            QVERIFY(!form->Verifica_atualizacao());
        }
        QVERIFY(TextFile::writeAll(pasta + QStringLiteral("leiame.txt"), "x"));
        QVERIFY(!form->Verifica_atualizacao());
        QVERIFY(msgs().boxes.isEmpty());
        escreveVersao(pasta, "999");
        msgs().answers = {Vb::vbYes};
        QVERIFY(form->Verifica_atualizacao());
        QCOMPARE(msgs().boxes.size(), 1);
    }

    void screenshot()
    {
        abreForm();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(form->width() <= 1024 && form->height() <= 768);
        const QImage shot = form->grab().toImage();
        shot.save(QDir::current().filePath(QStringLiteral("frmData.png")));
        for (QWidget *w : {static_cast<QWidget *>(form->cmdAbrirCaixa), static_cast<QWidget *>(form->cmdConsultar),
                           static_cast<QWidget *>(form->cmdSair), static_cast<QWidget *>(form->txtsenha),
                           static_cast<QWidget *>(form->mtwCalendar), static_cast<QWidget *>(form->dtpData),
                           static_cast<QWidget *>(form->SkinLabel)})
            QVERIFY2(form->rect().contains(QRect(w->mapTo(form, QPoint(0, 0)), w->size())),
                     qPrintable(w->objectName()));
    }

    // The real hand-over: the main window takes over before the start form
    // goes, so the program goes on; a box shown in between (as the opening
    // shows) must not be taken for the last window either.
    void theProgramGoesOnInTheMainWindow()
    {
        frmData::mostraFrente() = nullptr;
        delete form;
        frmData::mostraFrente() = [] { frmFrente::instancia()->show(); };
        abreForm();
        QTest::keyClicks(form->txtsenha, QStringLiteral("1111"));
        msgs().onBox = [](const ScriptedMessages::Box &) {
            QWidget caixa;
            caixa.show();
            caixa.close();
        };
        bool continuou = false;
        int movimentos = 0;
        QTimer::singleShot(0, form.data(), [this] { QTest::mouseClick(form->cmdAbrirCaixa, Qt::LeftButton); });
        QTimer::singleShot(300, qApp, [&continuou, &movimentos] {
            continuou = frmFrente::existente() && frmFrente::existente()->isVisible();
            movimentos = AmbienteFrente::conta("Movimento");
            if (frmFrente::existente())
                frmFrente::existente()->close();
        });
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit);
        QApplication::exec();
        msgs().onBox = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(continuou);
        QVERIFY(!form);
        QVERIFY(!frmFrente::existente());
        QCOMPARE(movimentos, 2);
    }
};

QTEST_MAIN(TstFrmData)
#include "tst_frm_data.moc"
