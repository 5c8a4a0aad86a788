#include "calculation/windows/AbreJanela.h"

#include "calculation/GridRules.h"
#include "calculation/windows/frmCalcQuirasol.h"
#include "frame/modBase.h"
#include "frame/windows/ChildWindowHost.h"
#include "platform/Interaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

void AbreJanela(bool abrir, QString &caminho)
{
    QCoreApplication::processEvents();
    ChildWindowHost *principal = ChildWindowHost::Loaded();
    if (!principal)
        return;
    if (abrir) {
        if (!QFileInfo(PathSaves()).isDir())
            QDir().mkpath(PathSaves());
        if (caminho.isEmpty()) {
            const auto escolhido = platform::ShowOpen(frmCalcQuirasol::OpenRequest());
            if (!escolhido)
                return;
            caminho = *escolhido;
        }
        if (!QFileInfo(caminho).isFile()) {
            platform::MsgBox(QStringLiteral("Arquivo não encontrado"), platform::vbExclamation,
                             caminho);
            return;
        }
    }

    auto *janela = new frmCalcQuirasol;
    QMdiSubWindow *quadro = principal->AddChild(janela);
    if (abrir) {
        janela->QuraOpen(caminho);
    } else {
        ++ContadorCalculos();
        janela->setCaption(calculation::NewCaseTitle(int(ContadorCalculos())));
    }
    principal->ActivateChild(quadro);
    janela->setFocus();
    principal->Atualiza();
}
