#include "basgeneral.h"
#include "demosettings.h"
#include "frmdemo.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Sessara::DemoSettings::useUserSettings();
    return Sessara::basGeneral::Main([] { return new Sessara::frmDemo(Sessara::basGeneral::ProgramFolder()); });
}
