#include "frame/modBase.h"

#include "platform/AppInfo.h"
#include "platform/Interaction.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

void MostraErro(int numero, const QString &descricao)
{
    if (auto restaura = CurrentProgramState().restoreDefaultPointer)
        restaura();
    platform::MsgBox(QStringLiteral("Descrição do Erro: ") + descricao
                         + QStringLiteral("\r\n\r\nEm caso de dúvidas, informe o código e "
                                          "descrição do erro ao fabricante do software"),
                     platform::vbCritical,
                     QStringLiteral("Informação de Erro Código :") + QString::number(numero));
}

void SetFolders(const QString &pastaPrograma)
{
    QString base = QDir::fromNativeSeparators(pastaPrograma);
    const QFileInfo info(base);
    if (base.isEmpty() || !info.isDir() || !info.isWritable()) {
        base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               + QLatin1Char('/') + platform::AppTitle;
    }
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    PathSaves() = base + QStringLiteral("/Saves");
    PathRelatorios() = base + QStringLiteral("/Relatorios");
}

void AddFileMRU(const QString &caminho)
{
    std::array<QString, 4> &lista = ListaMRU();
    if (caminho.isEmpty() || caminho.compare(lista[0], Qt::CaseInsensitive) == 0)
        return;
    int k = 3;
    for (int i = 1; i <= 2; ++i) {
        if (caminho.compare(lista[i], Qt::CaseInsensitive) == 0) {
            k = i;
            break;
        }
    }
    for (int j = k - 1; j >= 0; --j)
        lista[j + 1] = lista[j];
    lista[0] = caminho;
}

namespace {

// First letter of each word upper case, the rest lower case.
QString ProperCase(const QString &texto)
{
    QString result = texto.toLower();
    bool inicio = true;
    for (QChar &c : result) {
        if (inicio && c.isLetter())
            c = c.toUpper();
        inicio = c.isSpace();
    }
    return result;
}

bool IsSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

QString ShortenPath(const QString &caminho)
{
    if (caminho.size() <= 30)
        return caminho;
    // The head: the root of the path ("C:\" or "/"), else its first three characters.
    qsizetype cabeca = 3;
    if (IsSeparator(caminho[0]))
        cabeca = 1;
    QString result = caminho.left(cabeca);
    qsizetype inicio = cabeca;
    for (;;) {
        qsizetype fim = inicio;
        while (fim < caminho.size() && !IsSeparator(caminho[fim]))
            ++fim;
        if (fim >= caminho.size())
            break;
        const QString nome = caminho.mid(inicio, fim - inicio);
        if (nome.size() > 5)
            result += ProperCase(nome.left(3)) + QStringLiteral("..") + caminho[fim];
        else
            result += ProperCase(nome) + caminho[fim];
        inicio = fim + 1;
    }
    return result + caminho.mid(inicio);
}

bool ConfiguraImpressora(bool setup, int *copias)
{
    platform::PrinterDialogRequest pedido;
    pedido.setupOnly = setup;
    if (!platform::ShowPrinter(pedido))
        return false;
    if (copias)
        *copias = pedido.copies;
    return true;
}
