#pragma once

// Every GUI test runs inside one shared application object, except the tests
// of start-up and shutdown: they stop the shared one, run application objects
// of their own one after another, and start the shared one again.
class TestApplication {
public:
    static void Initialise(int argc, char** argv);
    static void Start();
    static void Stop();
    // The arguments an application object of a test is constructed with.
    static int& GetArgumentCount();
    static char** GetArguments();
};
