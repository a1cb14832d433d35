#include "app/Document.h"

#include "app/MainView.h"

void Document::AddView(MainView* newView)
{
    view = newView;
}

void Document::RemoveView(MainView* oldView)
{
    if (view == oldView)
        view = nullptr;
}

MainView* Document::GetFirstView() const
{
    return view;
}

void Document::UpdateAllViews()
{
    if (view)
        view->RebuildTree();
}
