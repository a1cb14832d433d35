// A run of the window program that deletes the first person and is then
// killed, as a crash or a power cut ends a run. The recovery tests start it
// and look at what it leaves behind. Its argument names the program file it
// runs as.
#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"

#include <csignal>

int main(int argc, char** argv)
{
    // Any further word would be taken for a document to open.
    int count = 1;
    Ordovan application(count, argv, argc > 1 ? argv[1] : nullptr);
    if (!application.InitInstance())
        return 3;
    MainView* view = application.GetMainView();
    view->setCurrentItem(view->topLevelItem(0)->child(0));
    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    application.GetCommands()->Delete();
    std::raise(SIGKILL);
    return 4;
}
