#pragma once

#include <functional>

class QDialog;

// Every modal dialog run of the program goes through here. Tests install a
// handler that receives the dialog, drives its widgets and returns the result
// code, so no test ever blocks in a modal loop.
class ModalRunner {
public:
    static int Run(QDialog& dialog);

    using Handler = std::function<int(QDialog& dialog)>;
    // For tests: the next run is handed to this handler instead of exec().
    static void SetNextHandler(Handler handler);
    static bool HasPendingHandlers();
    static void ClearHandlers();
};
