#pragma once
// The state the parts of the program share for one run: the case and report folders, the
// case file handed to the program, the recent files, the count of untitled cases, how the
// window side puts the mouse pointer back and how it opens a case. One object holds it: Main
// sets it up and installs it at start, each test installs one of its own. The accessors
// below, named as the program names these values, reach the installed object.

#include <QString>
#include <array>

class ProgramState
{
public:
    ProgramState() = default;
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;
    ~ProgramState(); // uninstalls itself when it is the installed one

    // Folders of case files and of exported reports (SetFolders); forward slashes.
    QString pathSaves;
    QString pathRelatorios;
    // The case file to open, from the command line or from a second start's hand-off.
    QString arquivoAbrir;
    // The recent-files list: four paths, element 0 the newest, empty elements last.
    std::array<QString, 4> listaMRU;
    // Number of the last untitled case of this run ("Cálculo 1", "Cálculo 2"...): raised for
    // each new case, never reset or reused.
    long contadorCalculos = 0;
    // Puts the mouse pointer back to its default shape (MostraErro); set by the window side,
    // none without windows.
    void (*restoreDefaultPointer)() = nullptr;
    // Opens a case in a new case window (the case windows' AbreJanela): the frame's windows
    // open cases only through it, so they need not know the case windows. The program sets
    // it before Main; none: the frame's commands that open cases open nothing.
    void (*caseOpener)(bool abrir, QString &caminho) = nullptr;
};

// Makes `state` the program's state (nullptr: none); returns the one installed before.
ProgramState *InstallProgramState(ProgramState *state);

// The installed state. Using it before one is installed is a fault of the program: it stops
// with a message.
ProgramState &CurrentProgramState();

QString &PathSaves();
QString &PathRelatorios();
QString &ArquivoAbrir();
std::array<QString, 4> &ListaMRU();
long &ContadorCalculos();

// Opens a case through the installed state's caseOpener, if it has one: abrir false, a new
// untitled case; true, the case file `caminho`, or the one picked in the open dialog when it
// is empty (written back into `caminho`).
void OpenCaseWindow(bool abrir, QString &caminho);
