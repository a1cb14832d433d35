#pragma once

// The command numbers of the menu, the accelerators and the toolbar. They
// are the numbers the program has always used, so logs and notes stay
// comparable.
enum class CommandId : int {
    EditDuplicateProfile = 32771,
    EditProperties = 32772,
    FileOptions = 32773,
    Help = 32774,
    TermsAndConditions = 32777,
    WebSite = 32778,
    InsertPerson = 32779,
    InsertProfile = 32780,
    InsertResource = 32781,
    InsertTask = 32782,
    PlanCompute = 32783,
    ViewRefresh = 32784,
    PlanFindBest = 32785,
    EditDelete = 57632,
    EditUndo = 57643,
    EditRedo = 57644,
    AppAbout = 57664,
    AppExit = 57665,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};
