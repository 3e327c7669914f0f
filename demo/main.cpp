#include "basgeneral.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return Sessara::basGeneral::Main([] {
        auto *window = new QWidget;
        window->setWindowTitle(QStringLiteral("Sessara - Alpha"));
        return window;
    });
}
