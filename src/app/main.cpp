// Program entry: a widget application with Brazilian Portuguese number conventions and the
// Qt interaction layer; the frame takes over from here.
#include "platform/AppInfo.h"
#include "platform/widgets/QtInteraction.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(platform::AppExeName);
    QApplication::setOrganizationName(platform::AppMaker);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    platform::QtInteraction interaction;
    platform::SetInteraction(&interaction);

    QLabel placeholder(platform::AppTitle);
    placeholder.setMinimumSize(400, 100);
    placeholder.show();
    return app.exec();
}
