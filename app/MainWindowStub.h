#pragma once

#include <QMainWindow>

// Placeholder window until the real main frame lands.
class MainWindowStub : public QMainWindow {
    Q_OBJECT
public:
    MainWindowStub();
};
