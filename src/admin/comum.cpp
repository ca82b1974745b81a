#include "comum.h"

#include "aplicativos.h"
#include "globals.h"
#include "usuarios.h"

#include "msg_box.h"
#include "text_file.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>

namespace Admin {
namespace {

enum class Filtro { Maiusculas, Numeros, Nenhuma };

// Looks at what a key press would type before the box sees it.
class FiltroTeclas : public QObject {
public:
    FiltroTeclas(QObject *caixa, Filtro filtro) : QObject(caixa), m_filtro(filtro) {}

protected:
    bool eventFilter(QObject *alvo, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        const QString texto = static_cast<QKeyEvent *>(evento)->text();
        if (texto.isEmpty() || !texto.at(0).isPrint())
            return false;
        switch (m_filtro) {
        case Filtro::Nenhuma:
            return true;
        case Filtro::Numeros:
            return !Aplicativos::Filtra_numero_texto(texto);
        case Filtro::Maiusculas:
            if (texto == texto.toUpper())
                return false;
            static_cast<QLineEdit *>(alvo)->insert(texto.toUpper());
            return true;
        }
        return false;
    }

private:
    Filtro m_filtro;
};

void instala(QWidget *caixa, Filtro filtro)
{
    caixa->installEventFilter(new FiltroTeclas(caixa, filtro));
}

bool falha(const QString &motivo)
{
    MsgBox(QStringLiteral("Não foi possível gravar o arquivo de configuração ") + AbreBD::arquivoConfig()
               + QStringLiteral(".\r\n") + motivo,
           Vb::vbCritical, QStringLiteral("Aviso"));
    return false;
}

} // namespace

Ampulheta::Ampulheta()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

Ampulheta::~Ampulheta()
{
    QGuiApplication::restoreOverrideCursor();
}

void semBotaoPadrao(QWidget *janela)
{
    for (QPushButton *b : janela->findChildren<QPushButton *>())
        b->setAutoDefault(false);
}

void maiusculas(QLineEdit *caixa)
{
    instala(caixa, Filtro::Maiusculas);
}

void somenteNumeros(QLineEdit *caixa)
{
    instala(caixa, Filtro::Numeros);
}

void somenteEscolha(QComboBox *lista)
{
    instala(lista, Filtro::Nenhuma);
}

bool senhaDeAdministrador()
{
    const QString senha = AbreBD::PedeSenha(QStringLiteral("Entre com a senha do administrador!!"));
    return !senha.trimmed().isEmpty() && AbreBD::Tipo_usuario(senha) == QLatin1String("ADM");
}

bool Grava_config(const QList<ValorIni> &valores)
{
    const QString arquivo = AbreBD::arquivoConfig();
    QTemporaryFile copia(arquivo + QStringLiteral(".XXXXXX"));
    if (!copia.open())
        return falha(copia.errorString());
    if (QFileInfo::exists(arquivo)) {
        QFile atual(arquivo);
        if (!atual.open(QIODevice::ReadOnly))
            return falha(atual.errorString());
        const QByteArray bytes = atual.readAll();
        // A copy cut short by a full disk must not become the new file.
        if (copia.write(bytes) != bytes.size() || !copia.flush())
            return falha(copia.errorString());
    }
    copia.close();
    for (const ValorIni &v : valores)
        if (!Aplicativos::Grava_ini(v.secao, v.chave, v.valor, copia.fileName()))
            return falha(QString());
    QFile nova(copia.fileName());
    if (!nova.open(QIODevice::ReadOnly))
        return falha(nova.errorString());
    QString erro;
    if (!TextFile::writeAll(arquivo, nova.readAll(), &erro))
        return falha(erro);
    return true;
}

} // namespace Admin
