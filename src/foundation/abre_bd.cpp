#include "abre_bd.h"
#include "error_report.h"
#include "globals.h"

#include "msg_box.h"
#include "program_folder.h"
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
            if (!lock->acquire()) {
                for (QWidget *w : QApplication::topLevelWidgets())
                    w->close();
                return false;
            }
            instancia() = std::move(lock);
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
