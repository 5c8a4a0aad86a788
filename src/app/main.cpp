// Program entry: a widget application with Brazilian Portuguese number conventions and the
// Qt interaction layer; the frame's entry procedure takes over from here.
#include "frame/windows/Main.h"
#include "platform/AppInfo.h"
#include "platform/widgets/QtInteraction.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::AppExeName);
    QApplication::setOrganizationName(platform::AppMaker);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    platform::QtInteraction interaction;
    platform::SetInteraction(&interaction);

    if (!Main(QApplication::arguments().mid(1)))
        return 0;
    return app.exec();
}
