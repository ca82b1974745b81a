#include "arquivo_registros.h"
#include "text_file.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

QString ArquivoRegistros::textoExistente(const QString &caminho)
{
    return QStringLiteral("O arquivo %1 já existe e não foi alterado. Gere o arquivo novamente no próximo minuto.")
        .arg(QDir::toNativeSeparators(caminho));
}

bool ArquivoRegistros::grava(const QString &caminho, SeExistir seExistir, QString *erro) const
{
    if (seExistir == SeExistir::Recusa && QFileInfo::exists(caminho)) {
        *erro = textoExistente(caminho);
        return false;
    }
    QByteArray bytes;
    for (int i = 0; i < m_registros.size(); ++i) {
        const QByteArray linha = TextFile::encode(m_registros.at(i));
        // A character outside the code page may take two positions in the text.
        if (linha.size() != m_comprimento) {
            *erro = QStringLiteral("O registro %1 tem %2 bytes, o arquivo pede %3.")
                        .arg(i + 1).arg(linha.size()).arg(m_comprimento);
            return false;
        }
        bytes += linha;
        bytes += "\r\n";
    }
    QString motivo;
    if (!TextFile::writeAll(caminho, bytes, &motivo)) {
        *erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                    .arg(QDir::toNativeSeparators(caminho), motivo);
        return false;
    }
    return true;
}
