// A host of a few lines: one header, the installed package, a control by type name.
#include <OlvarControls.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    OlvarControls::ControlBase *control =
        OlvarControls::ControlFactory::create(QStringLiteral("OlvarControls.PeriodicTimer"));
    if (!control)
        return 1;
    std::printf("%s\n", qPrintable(control->typeName()));
    delete control;
    return 0;
}
