#include "frame/windows/Main.h"

#include "calculation/modCalculo.h"
#include "frame/FrameRules.h"
#include "frame/modBase.h"
#include "frame/modRegistro.h"
#include "frame/ProgramState.h"
#include "frame/windows/AuxiliaryWindows.h"
#include "frame/windows/CommandServer.h"
#include "frame/windows/frmAbertura.h"
#include "frame/windows/mdiMenu.h"
#include "frame/windows/modBaseWindows.h"
#include "platform/AppInfo.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QScopeGuard>
#include <QStandardPaths>
#include <exception>
#include <memory>

QString ProgramServerName()
{
    return frame::ServerName(
        platform::AppTitle, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
}

namespace {

// How long a second start keeps trying while the running instance is too busy to take its
// command.
constexpr int HandOverPatienceMs = 120000;

// Loads the main window and listens for second starts; the session's lock goes here, also
// when loading fails.
mdiMenu *LoadMainWindow(SingleInstance &instancia, const QString &nomeServidor)
{
    const auto libera = qScopeGuard([&instancia] { instancia.Release(); });
    mdiMenu *menu = mdiMenu::Instance();
    menu->StartServer(nomeServidor);
    return menu;
}

void RunFirstInstance(const QString &linha, std::unique_ptr<frmAbertura> abertura,
                      SingleInstance &instancia, const QString &nomeServidor,
                      ProgramState &estado)
{
    estado.restoreDefaultPointer = &RestoreDefaultPointer;
    InstallProgramState(&estado);
    SetFolders(QCoreApplication::applicationDirPath());
    calculation::IniciaTabelas();
    try {
        mdiMenu *menu = LoadMainWindow(instancia, nomeServidor);
        abertura->ShowUntilTick();
        abertura.reset();
        // A case a second start hands over while a box waits here (the association's question)
        // sets ArquivoAbrir too: this start goes on with the case of its own command line.
        const QString arquivo = frame::CaseFileOfCommandLine(linha);
        ArquivoAbrir() = arquivo;
        frame::VerificaAssociacao();
        menu->show();
        menu->Atualiza();
        const frame::StartupChoice inicio = frame::DecideStartup(
            frame::GetConfig(QStringLiteral("Config"), QStringLiteral("DicasIniciar")), arquivo);
        // A case handed over by a second start during the splash stays the active window:
        // neither an empty case nor the tip of the day comes in front of it.
        const bool casoRecebido = !menu->Area()->subWindowList().isEmpty();
        if (inicio.openCase && (inicio.named || !casoRecebido)) {
            QString caminho = frame::UnquotedPath(arquivo);
            OpenCaseWindow(inicio.named, caminho);
        } else if (!casoRecebido) {
            ShowTipOfTheDay();
        }
    } catch (const std::bad_alloc &) {
        MostraErro(ErrorOutOfMemory, QStringLiteral("Out of memory"));
        mdiMenu::Instance()->show();
    } catch (const std::exception &erro) {
        MostraErro(ErrorInvalidCall, QString::fromLocal8Bit(erro.what()));
        mdiMenu::Instance()->show();
    }
}

} // namespace

bool Main(const QStringList &argumentos, ProgramState &estado)
{
    // The splash's two seconds count from here.
    auto abertura = std::make_unique<frmAbertura>();
    const QString nome = ProgramServerName();
    const QString linha =
        frame::MakePathAbsolute(frame::CommandLine(argumentos), QDir::currentPath());
    SingleInstance instancia(nome);
    if (instancia.HandOver(frame::ComandoDDE(linha), HandOverPatienceMs))
        return false;
    RunFirstInstance(linha, std::move(abertura), instancia, nome, estado);
    return true;
}
