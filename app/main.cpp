#include "app/MainWindowStub.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    MainWindowStub window;
    window.show();
    return application.exec();
}
