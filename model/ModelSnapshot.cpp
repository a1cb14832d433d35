#include "model/ModelSnapshot.h"

#include "model/ModelStore.h"
#include "toolbox/ConfigParser.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"

#include <cassert>

ModelSnapshot::ModelSnapshot(const char* text, const ItemPath& focus)
    : text(text)
    , focus(focus)
{
}

ModelSnapshot ModelSnapshot::Take(const PlanningModel& model, const ItemPath& focus)
{
    toolbox::ConfigSection root("Root");
    ModelStore::Save(model, root);
    toolbox::ConfigTextWriter writer;
    bool written = root.Write(writer, 0);
    assert(written);
    (void)written;
    return ModelSnapshot(writer.GetText(), focus);
}

void ModelSnapshot::RestoreInto(PlanningModel& model) const
{
    toolbox::ConfigSection root("Root");
    // The text came from the store's own writer, so it always parses.
    bool parsed = toolbox::ConfigParser::Parse(root, text.GetText());
    assert(parsed);
    (void)parsed;
    ModelStore::Load(model, root);
}

bool ModelSnapshot::HoldsSameModelAs(const ModelSnapshot& other) const
{
    return text == other.text;
}
