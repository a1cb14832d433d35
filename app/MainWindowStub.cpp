#include "app/MainWindowStub.h"

MainWindowStub::MainWindowStub()
{
    setWindowTitle("Ordovan - Compute your time plans");
    resize(640, 480);
}
