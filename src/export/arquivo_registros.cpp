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

void ArquivoRegistros::reserva(int registros)
{
    m_bytes.reserve(m_bytes.size() + qsizetype(registros) * (m_comprimento + 2));
}

void ArquivoRegistros::acrescenta(QStringView registro)
{
    ++m_quantidade;
    const qsizetype bytes = TextFile::appendEncoded(m_bytes, registro);
    // A character outside the code page may take two positions in the text.
    if (bytes != m_comprimento && m_erro.isEmpty())
        m_erro = QStringLiteral("O registro %1 tem %2 bytes, o arquivo pede %3.")
                     .arg(m_quantidade).arg(bytes).arg(m_comprimento);
    m_bytes.append("\r\n", 2);
}

bool ArquivoRegistros::grava(const QString &caminho, SeExistir seExistir, QString *erro) const
{
    if (seExistir == SeExistir::Recusa && QFileInfo::exists(caminho)) {
        *erro = textoExistente(caminho);
        return false;
    }
    if (!m_erro.isEmpty()) {
        *erro = m_erro;
        return false;
    }
    QString motivo;
    if (!TextFile::writeAll(caminho, m_bytes, &motivo)) {
        *erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                    .arg(QDir::toNativeSeparators(caminho), motivo);
        return false;
    }
    return true;
}
