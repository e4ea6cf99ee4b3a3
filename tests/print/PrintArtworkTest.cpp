#include "canvas/CanvasFixture.h"
#include "support/CanvasColours.h"

#include <tuple>

namespace {

class PrintArtworkTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        blackBox(100, 100, 300, 200);
        useTool(1);
        useColour(0x0000FF00);
        press(150, 150);
        release(150, 150);
    }

    // Everything printing must leave as it was.
    auto state() const
    {
        return std::make_tuple(pixelsOf(form->Picture1), form->history().undoableSteps(), form->CurrentTool,
                               form->PencilSize, form->IsDrawing, form->LastX, form->LastY, form->PictureLoaded,
                               form->Picture1.fillColour(), window.currentColourBack, window.selectionFrame);
    }
};

TEST_F(PrintArtworkTest, EachOutcomeEndsInItsMessageAndChangesNothing)
{
    struct Case {
        PrintResult answer;
        const char* message;  // nullptr: none
    };
    const Case cases[] = {
        {{PrintOutcome::Printed, {}}, nullptr},
        {{PrintOutcome::Cancelled, {}}, nullptr},
        {{PrintOutcome::NoPrinter, {}}, "Your Artwork Could Not Be Printed\r\nNo Printer Is Installed"},
        {{PrintOutcome::Failed, "The Printer Stopped The Job"},
         "Your Artwork Could Not Be Printed\r\nThe Printer Stopped The Job"},
        {{PrintOutcome::Failed, {}}, "Your Artwork Could Not Be Printed\r\nThe Printer Reported A Problem"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "no message");
        platform.messages.clear();
        platform.printed.clear();
        platform.printAnswer = c.answer;
        const auto before = state();
        form->PrintArtwork();
        ASSERT_EQ(platform.printed.size(), 1u);
        EXPECT_EQ(platform.printed[0], &form->Picture1);
        EXPECT_TRUE(state() == before);
        EXPECT_TRUE(platform.dialogs.empty());
        if (!c.message) {
            EXPECT_TRUE(platform.messages.empty());
            continue;
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].title, kErrorTitle);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    }
}

TEST_F(PrintArtworkTest, NothingWithoutAPictureDuringAStrokeOrWithTheAboutDialogOpen)
{
    platform.printAnswer = {PrintOutcome::NoPrinter, {}};
    form->PictureLoaded = 0;
    form->PrintArtwork();
    form->PictureLoaded = 1;

    useTool(0);
    press(20, 20);
    form->PrintArtwork();
    release(20, 20);

    form->Command6_Click();
    ASSERT_NE(Module1::AboutRequested, 0);
    form->PrintArtwork();

    EXPECT_TRUE(platform.printed.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.dialogs.empty()) << "Ctrl+P with no picture must not open one";
}

}  // namespace
