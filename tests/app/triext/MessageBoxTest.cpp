#include "app/triext/MessageBox.h"

#include "ModalJourney.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

// The one real message box of the program, shown through its own exec().
TEST(MessageBox, ARealBoxIsCaptionedOrdovanKeepsOneSizeAndGivesThePersonsAnswer)
{
    MessageBox::ResetRecord();
    QWidget owner;
    owner.show();
    ModalJourney journey;
    journey.Then<QMessageBox>([&owner](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Ordovan");
        EXPECT_EQ(box.text(), "Sure?");
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.parentWidget(), &owner);
        EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(box.minimumSize(), box.maximumSize());
        QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
    });
    EXPECT_EQ(MessageBox::Show(&owner, "Sure?", MessageBox::Icon::Warning, MessageBox::Buttons::YesNo),
        MessageBox::Answer::No);
    EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
    EXPECT_EQ(MessageBox::GetLastText(), "Sure?");
}
