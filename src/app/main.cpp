// Program entry: a widget application with Brazilian Portuguese number conventions and the
// Qt interaction layer; the frame's entry procedure takes over from here, opening cases
// through the case windows' opener.
#include "calculation/windows/AbreJanela.h"
#include "frame/ProgramState.h"
#include "frame/windows/Main.h"
#include "platform/AppInfo.h"
#include "platform/widgets/QtInteraction.h"
#include "platform/widgets/WindowIcons.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::AppExeName);
    QApplication::setOrganizationName(platform::AppMaker);
    // Every window and dialog without an icon of its own shows the program's; the desktop
    // file the association writes carries the same icon.
    QApplication::setWindowIcon(platform::ProgramIcon());
    QGuiApplication::setDesktopFileName(platform::AppExeName);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Qt's own dialogs (file, printer, page set-up) in Portuguese, when the translations are
    // installed; without them they stay in English.
    QTranslator traducaoQt;
    if (traducaoQt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);
    platform::QtInteraction interaction;
    platform::SetInteraction(&interaction);

    // What the parts of the program share (folders, recent files...), kept for the whole
    // run; Main sets it up. The frame opens cases through the case windows' opener.
    ProgramState estado;
    estado.caseOpener = &AbreJanela;
    if (!Main(QApplication::arguments().mid(1), estado))
        return 0;
    return app.exec();
}
