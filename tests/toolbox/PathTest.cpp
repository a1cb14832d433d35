#include "toolbox/Path.h"

#include <gtest/gtest.h>

#include <string>

using toolbox::Path;
using toolbox::String;

namespace {

std::string Text(const Path& path, Path::TrailingSeparator trailingSeparator = Path::TrailingSeparator::Without)
{
    return path.ToString(trailingSeparator).get();
}

std::string Components(const Path& path)
{
    std::string joined;
    for (int i = 0; i < path.GetCount(); ++i)
        joined += std::string(i ? "|" : "") + path.Get(i)->GetText();
    return joined;
}

} // namespace

TEST(PathTest, SplitsAnAbsoluteTextIntoRootAndComponents)
{
    Path path("/usr/local/bin/ordovan");
    EXPECT_STREQ("/", path.GetRoot().GetText());
    EXPECT_EQ("usr|local|bin|ordovan", Components(path));
    EXPECT_EQ("/usr/local/bin/ordovan", Text(path));
    EXPECT_EQ("/usr/local/bin/ordovan/", Text(path, Path::TrailingSeparator::With));
}

TEST(PathTest, DropsThePiecesOfDoubledAndTrailingSeparators)
{
    Path path("data//plans/");
    EXPECT_STREQ("", path.GetRoot().GetText());
    EXPECT_EQ("data|plans", Components(path));
    EXPECT_EQ("data/plans", Text(path));
}

TEST(PathTest, KeepsOneRootForSeveralLeadingSeparators)
{
    Path path("///srv//x");
    EXPECT_STREQ("/", path.GetRoot().GetText());
    EXPECT_EQ("/srv/x", Text(path));
}

TEST(PathTest, RootAloneEndsWithItsOwnSeparatorOnly)
{
    Path path("/");
    EXPECT_EQ(0, path.GetCount());
    EXPECT_EQ("/", Text(path));
    EXPECT_EQ("/", Text(path, Path::TrailingSeparator::With));
}

TEST(PathTest, EmptyRelativePathNeverBecomesTheRoot)
{
    Path path("");
    EXPECT_EQ("", Text(path));
    EXPECT_EQ("", Text(path, Path::TrailingSeparator::With));
    Path null(nullptr);
    EXPECT_EQ(0, null.GetCount());
}

TEST(PathTest, BackslashIsAnOrdinaryCharacterOfAName)
{
    Path path("a\\b/c");
    EXPECT_EQ("a\\b|c", Components(path));
}

TEST(PathTest, AppendAddsTheWholeTextAsOneComponent)
{
    Path path("/base");
    path.Append("x/y");
    EXPECT_EQ(2, path.GetCount());
    EXPECT_STREQ("x/y", path.GetLast()->GetText());
}

TEST(PathTest, CopyChangesIndependentlyOfTheOriginal)
{
    Path original("/a/b");
    std::unique_ptr<Path> copy = original.Copy();
    copy->Append("c");
    copy->Get(0)->Append("z");
    EXPECT_EQ("/a/b", Text(original));
    EXPECT_EQ("/az/b/c", Text(*copy));
}

TEST(PathTest, AssignReplacesRootAndComponents)
{
    Path target("/x/y/z");
    Path relative("p/q");
    target.Assign(relative);
    EXPECT_EQ("p/q", Text(target));
    target = target;
    EXPECT_EQ("p/q", Text(target));
}

TEST(PathTest, PopLastHandsTheLastComponentToTheCaller)
{
    Path path("/a/b");
    std::unique_ptr<String> last = path.PopLast();
    ASSERT_TRUE(last);
    EXPECT_STREQ("b", last->GetText());
    EXPECT_EQ("/a", Text(path));
    path.RemoveLast();
    EXPECT_EQ(nullptr, path.PopLast());
}

TEST(PathTest, RemoveLastOnAPathWithoutComponentsChangesNothing)
{
    Path path("/");
    EXPECT_FALSE(path.RemoveLast());
    EXPECT_EQ("/", Text(path));
    EXPECT_EQ(nullptr, path.GetFirst());
    EXPECT_EQ(nullptr, path.GetLast());
}

TEST(PathTest, SetRootBringsSeveralSeparatorsDownToOne)
{
    Path path("a");
    path.SetRoot(String("//"));
    EXPECT_EQ("/a", Text(path));
    path.SetRoot(String(""));
    EXPECT_EQ("a", Text(path));
}

TEST(PathTest, SetExtensionCutsAtTheFirstDot)
{
    String name("my.planner");
    Path::SetExtension(name, "cfg");
    EXPECT_STREQ("my.cfg", name.GetText());
}

TEST(PathTest, SetExtensionAddsToANameWithoutDot)
{
    String name("ordovan");
    Path::SetExtension(name, "log");
    EXPECT_STREQ("ordovan.log", name.GetText());
}

TEST(PathTest, SetExtensionSkipsALeadingDotOfTheExtension)
{
    String withDot("ordovan");
    String withoutDot("ordovan");
    Path::SetExtension(withDot, ".cfg");
    Path::SetExtension(withoutDot, "cfg");
    EXPECT_STREQ(withoutDot.GetText(), withDot.GetText());
}

TEST(PathTest, RelativePathIsOnAnUnknownDrive)
{
    EXPECT_EQ(toolbox::DriveKind::Unknown, Path("some/where").GetDriveKind());
}
