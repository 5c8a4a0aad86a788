#include "frame/ProgramState.h"

#include <QtGlobal>

namespace {

ProgramState *installed = nullptr;

} // namespace

ProgramState::~ProgramState()
{
    if (installed == this)
        installed = nullptr;
}

ProgramState *InstallProgramState(ProgramState *state)
{
    ProgramState *previous = installed;
    installed = state;
    return previous;
}

ProgramState &CurrentProgramState()
{
    if (!installed)
        qFatal("The program's state is used before Main installed it");
    return *installed;
}

QString &PathSaves()
{
    return CurrentProgramState().pathSaves;
}

QString &PathRelatorios()
{
    return CurrentProgramState().pathRelatorios;
}

QString &ArquivoAbrir()
{
    return CurrentProgramState().arquivoAbrir;
}

std::array<QString, 4> &ListaMRU()
{
    return CurrentProgramState().listaMRU;
}

long &ContadorCalculos()
{
    return CurrentProgramState().contadorCalculos;
}

void OpenCaseWindow(bool abrir, QString &caminho)
{
    if (const auto abre = CurrentProgramState().caseOpener)
        abre(abrir, caminho);
}
