#pragma once
// What the main-window tests share: a program folder, the authentication
// printer port pointed at a file, recorded printer libraries, a simulated list
// of system printers and the main window's opening and closing.
#include "frm_frente.h"

#include "data_access.h"
#include "frente_publica.h"
#include "globals.h"
#include "printer_device.h"
#include "printer_system.h"
#include "printers.h"
#include "recording_printer.h"
#include "shared_printer.h"
#include "test_support.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <memory>

class AmbienteFrente {
public:
    explicit AmbienteFrente(const QStringList &extraConfig = {})
        : folder(std::make_unique<TestSupport::ProgramFolder>(
              TestSupport::ProgramFolder::Options{true, true, true, true, extraConfig}))
    {
        porta = folder->file(QStringLiteral("lpt1.out"));
        QFile f(porta);
        f.open(QIODevice::WriteOnly);
        f.close();
        Platform::setPortDevicePath(QStringLiteral("LPT1"), porta);
        printer = std::make_shared<RecordingPrinter>();
        Platform::printers().setRecording(printer);
        sistema = std::make_shared<FakePrinterSystem>();
        sistema->addPrinter(QStringLiteral("Escritorio"), QStringLiteral("HP LaserJet,ne01:,15,45"));
        sistema->addPrinter(QStringLiteral("Autenticadora"), QStringLiteral("Generic / Text Only,LPT1:,15,45"));
        sistema->defaultName = sistema->current = QStringLiteral("Escritorio");
        Platform::printers().setSystem(sistema);
        AbreBD::gImpressoraAutenticadora = QStringLiteral("Autenticadora");
        AbreBD::gImpressoraPadrao = QStringLiteral("Escritorio");
        AbreBD::gDataCaixa = QDate(2026, 12, 9);
        AbreBD::gUsuario = QStringLiteral("CAIXA 01");
    }

    ~AmbienteFrente()
    {
        fecha();
        Platform::printers().reset();
        Platform::setSharedPrinter(nullptr);
        folder.reset();
    }

    frmFrente *abre()
    {
        janela = new frmFrente;
        janela->show();
        return janela;
    }

    // Closes the window as "Sair (ESC)" does and lets it go.
    void fecha()
    {
        if (janela) {
            janela->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What reached the authentication printer's port.
    QByteArray impresso() const { return TestSupport::readFile(porta); }
    void limpaImpresso() const
    {
        QFile f(porta);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }

    static bool sql(const QString &statement, const QVariantList &params = {})
    {
        QSqlQuery q(Conexao::banco());
        q.prepare(statement);
        for (const QVariant &p : params)
            q.addBindValue(p);
        return q.exec();
    }
    static QVariantList linha(const QString &statement, const QVariantList &params = {})
    {
        QSqlQuery q(Conexao::banco());
        q.prepare(statement);
        for (const QVariant &p : params)
            q.addBindValue(p);
        QVariantList out;
        if (q.exec() && q.next())
            for (int i = 0; i < q.record().count(); ++i)
                out << q.value(i);
        return out;
    }
    static int conta(const QString &table)
    {
        const QVariantList r = linha(QStringLiteral("SELECT COUNT(*) FROM ") + table);
        return r.isEmpty() ? -1 : r.first().toInt();
    }
    static bool insereMovimento(int mov, const QString &data, const QString &status)
    {
        return sql(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (?, ?, ?)"),
                   {mov, data, status});
    }

    QString arquivoRecebimentos() const
    {
        return folder->file(QStringLiteral("recebimentos/Receb_1_20261209.txt"));
    }

    std::unique_ptr<TestSupport::ProgramFolder> folder;
    std::shared_ptr<RecordingPrinter> printer;
    std::shared_ptr<FakePrinterSystem> sistema;
    QString porta;
    QPointer<frmFrente> janela;
};
