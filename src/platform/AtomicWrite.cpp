#include "AtomicWrite.h"

#include <QSaveFile>

namespace platform {

QString WriteFileAtomically(const QString &caminho, const QByteArray &conteudo)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return arquivo.errorString();
    // QSaveFile::commit() does not see a write the disk cut short (file too large, disk
    // full): the flush reports it, and then the older file must stay.
    if (arquivo.write(conteudo) != conteudo.size() || !arquivo.flush()
        || arquivo.error() != QFileDevice::NoError) {
        const QString erro = arquivo.errorString();
        arquivo.cancelWriting();
        return erro;
    }
    if (!arquivo.commit())
        return arquivo.errorString();
    return {};
}

} // namespace platform
