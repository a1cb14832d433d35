#include "model/Person.h"
#include "model/Resource.h"

#include "dialogs/PersonDialog.h"
#include "dialogs/ResourceDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(PersonDialog, ShowsTheNameOfANewPerson)
{
    Person person;
    PersonDialog dialog(person);
    EXPECT_EQ(dialog.windowTitle(), "Person properties");
    EXPECT_EQ(dialog.GetNameEdit()->text(), "Person");
}

TEST(PersonDialog, OkStoresTheEditedName)
{
    Person person;
    PersonDialog dialog(person);
    dialog.GetNameEdit()->setText(QString::fromUtf8("Zo\u00eb"));
    dialog.GetOkButton()->click();
    EXPECT_STREQ(person.GetName(), "Zo\xc3\xab");
}

TEST(PersonDialog, CancelLeavesTheNameAsItWas)
{
    Person person;
    person.SetName("Anna");
    PersonDialog dialog(person);
    dialog.GetNameEdit()->setText("Bert");
    dialog.GetCancelButton()->click();
    EXPECT_STREQ(person.GetName(), "Anna");
}

TEST(PersonDialog, AcceptsAnEmptyName)
{
    Person person;
    PersonDialog dialog(person);
    dialog.GetNameEdit()->clear();
    dialog.GetOkButton()->click();
    EXPECT_STREQ(person.GetName(), "");
}

TEST(PersonDialog, ShowsANameFromAnotherSystemAsLatin1AndKeepsItsBytesWhenUnedited)
{
    Person person;
    person.SetName("Ren\xe9");
    PersonDialog dialog(person);
    EXPECT_EQ(dialog.GetNameEdit()->text(), QString::fromUtf8("Ren\u00e9"));
    dialog.GetOkButton()->click();
    EXPECT_STREQ(person.GetName(), "Ren\xe9");
}

TEST(PersonDialog, StoresAnEditedNameAsUtf8)
{
    Person person;
    person.SetName("Ren\xe9");
    PersonDialog dialog(person);
    dialog.GetNameEdit()->setText(QString::fromUtf8("Ren\u00e9e"));
    dialog.GetOkButton()->click();
    EXPECT_STREQ(person.GetName(),
        "Ren\xc3\xa9"
        "e");
}

TEST(ResourceDialog, ShowsNameAndAmountOfANewResource)
{
    Resource resource;
    ResourceDialog dialog(resource);
    EXPECT_EQ(dialog.windowTitle(), "Resource properties");
    EXPECT_EQ(dialog.GetNameEdit()->text(), "Resource");
    EXPECT_EQ(dialog.GetAmountEdit()->text(), "1");
}

TEST(ResourceDialog, OkStoresNameAndAmount)
{
    Resource resource;
    ResourceDialog dialog(resource);
    dialog.GetNameEdit()->setText("Bathroom");
    dialog.GetAmountEdit()->setText("3");
    dialog.GetOkButton()->click();
    EXPECT_STREQ(resource.GetName(), "Bathroom");
    EXPECT_EQ(resource.GetAmount(), 3);
}

TEST(ResourceDialog, ReadsTheAmountAsLeadingDigits)
{
    Resource resource;
    ResourceDialog dialog(resource);
    dialog.GetAmountEdit()->setText("x");
    dialog.GetOkButton()->click();
    EXPECT_EQ(resource.GetAmount(), 0);

    ResourceDialog again(resource);
    EXPECT_EQ(again.GetAmountEdit()->text(), "0");
    again.GetAmountEdit()->setText(" -2 cars");
    again.GetOkButton()->click();
    EXPECT_EQ(resource.GetAmount(), -2);
}

TEST(ResourceDialog, CancelLeavesNameAndAmount)
{
    Resource resource;
    resource.SetName("Car");
    resource.SetAmount(2);
    ResourceDialog dialog(resource);
    dialog.GetNameEdit()->setText("Bike");
    dialog.GetAmountEdit()->setText("5");
    dialog.GetCancelButton()->click();
    EXPECT_STREQ(resource.GetName(), "Car");
    EXPECT_EQ(resource.GetAmount(), 2);
}

} // namespace
