#include "seletores.h"

#include <QDir>
#include <QFileDialog>
#include <QPrinterInfo>

namespace Admin {
namespace {

std::shared_ptr<Seletores> &atual()
{
    static std::shared_ptr<Seletores> s = std::make_shared<Seletores>();
    return s;
}

} // namespace

QString Seletores::pasta(QWidget *dono, const QString &titulo)
{
    return QFileDialog::getExistingDirectory(dono, titulo, QString(), QFileDialog::ShowDirsOnly);
}

QString Seletores::arquivo(QWidget *dono, const QString &filtro)
{
    return QFileDialog::getOpenFileName(dono, QString(), QString(), filtro);
}

QString Seletores::impressoraPadrao()
{
    return QPrinterInfo::defaultPrinterName();
}

QStringList Seletores::impressorasInstaladas()
{
    return QPrinterInfo::availablePrinterNames();
}

void setSeletores(std::shared_ptr<Seletores> s)
{
    atual() = s ? std::move(s) : std::make_shared<Seletores>();
}

Seletores &seletores()
{
    return *atual();
}

QString Procura_pasta(QWidget *dono)
{
    QString caminho = QDir::toNativeSeparators(seletores().pasta(dono, QStringLiteral("Procura destino...")));
    if (caminho.isEmpty())
        return caminho;
    if (!caminho.endsWith(QDir::separator()))
        caminho += QDir::separator();
    return caminho;
}

QString Procura_arquivo(QWidget *dono, const QString &filtro)
{
    return QDir::toNativeSeparators(seletores().arquivo(dono, filtro));
}

} // namespace Admin
