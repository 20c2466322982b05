#include "control_panel/form1.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::InstallFontSubstitutes();

    // The run ends with the main window; the hidden holder of the serial
    // control and an open cable window do not keep it alive.
    QApplication::setQuitOnLastWindowClosed(false);
    form1& main = platform::Ref<form1>();
    QObject::connect(&main, &platform::Form::Unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    return app.exec();
}
