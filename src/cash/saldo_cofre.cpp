#include "saldo_cofre.h"

#include "aplicativos.h"
#include "ini_file.h"

namespace SaldoCofre {

namespace {
const QString kSecao = QStringLiteral("Reserva");
const QString kChave = QStringLiteral("cofre");
}

Leitura le(const QString &arquivo)
{
    Leitura l;
    l.texto = Aplicativos::Le_ini(kSecao, kChave, arquivo).trimmed();
    l.saldo = l.texto.isEmpty() ? std::optional<Currency>(Currency()) : Currency::parse(l.texto);
    return l;
}

bool grava(const QString &arquivo, Currency saldo, QString *erro)
{
    QString motivo;
    if (arquivo.trimmed().isEmpty())
        motivo = QStringLiteral("o arquivo do cofre não está definido ([Reserva] cofre do Config.ini)");
    else if (!IniFile::write(arquivo, kSecao, kChave, saldo.plainText(), &motivo))
        motivo = motivo.isEmpty() ? QStringLiteral("falha na gravação") : motivo;
    else if (le(arquivo).saldo != saldo)
        motivo = QStringLiteral("o valor gravado não pôde ser lido de volta");
    if (erro)
        *erro = motivo;
    return motivo.isEmpty();
}

} // namespace SaldoCofre
