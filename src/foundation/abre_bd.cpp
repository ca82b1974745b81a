#include "abre_bd.h"
#include "error_report.h"
#include "globals.h"

#include "msg_box.h"
#include "program_folder.h"
#include "servidor_rede.h"
#include "single_instance.h"

#include <QApplication>
#include <QWidget>

namespace AbreBD {
namespace {

std::unique_ptr<SingleInstance> &instancia()
{
    static std::unique_ptr<SingleInstance> i;
    return i;
}

} // namespace

QString arquivoBanco()
{
    return Platform::programFile(QStringLiteral("caixa.db"));
}

bool Abre_conexao()
{
    if (Conexao::abrir(arquivoBanco()))
        return true;
    Aplicativos::Trata_erro(QStringLiteral("Função Open"));
    return false;
}

void Fecha_conexao()
{
    Conexao::fechar();
    Platform::ServidorRede::fechar();
}

void liberaInstancia()
{
    instancia().reset();
}

bool Main(const std::function<QWidget *()> &formInicial)
{
    try {
        if (!instancia()) {
            auto lock = std::make_unique<SingleInstance>(Platform::programFolder());
            if (lock->acquire()) {
                instancia() = std::move(lock);
            } else if (lock->cannotLock()) {
                // Not another copy running: a folder the program may not write to.
                MsgBox(QStringLiteral("Não foi possível criar arquivos na pasta do programa:\r\n")
                           + Platform::programFolder()
                           + QStringLiteral("\r\nVerifique as permissões da pasta."),
                       Vb::vbExclamation, QStringLiteral("Aviso"));
            } else {
                for (QWidget *w : QApplication::topLevelWidgets())
                    w->close();
                return false;
            }
        }
        gDataAccess = std::make_unique<clsDataAccess>();
        if (!Abre_conexao())
            MsgBox(QStringLiteral("Erro ao conectar banco de dados!!!"), Vb::vbOKOnly);
        Carrega_variaveis();
        if (formInicial) {
            QWidget *w = formInicial();
            if (w)
                w->show();
        }
        return true;
    } catch (const CaixaError &e) {
        if (e.number == 3024 || e.number == 3044)
            MsgBox(QStringLiteral("Erro na abertura do sistema!!"), Vb::vbCritical, QStringLiteral("Aviso"));
        return false;
    }
}

} // namespace AbreBD
