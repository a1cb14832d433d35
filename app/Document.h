#pragma once

class MainView;

// The document of the main window holds no data: the model lives in the
// application object. It only tells its views to show the model again.
class Document {
public:
    void AddView(MainView* view);
    void RemoveView(MainView* view);
    MainView* GetFirstView() const;
    void UpdateAllViews();

private:
    MainView* view = nullptr;
};
