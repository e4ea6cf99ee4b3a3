#include "canvas/CanvasFixture.h"
#include "support/CanvasColours.h"

#include <tuple>

namespace {

using PrintArtworkTest = CanvasFixture;

// Each way a print ends: a message only for no printer and a failure, and
// nothing of the form changed whatever the end.
TEST_F(PrintArtworkTest, EachOutcomeEndsInItsMessageAndChangesNothing)
{
    press(150, 150);  // a history step
    release(150, 150);
    const auto state = [this] {
        return std::make_tuple(pixelsOf(form->Picture1), form->history().undoableSteps(), form->CurrentTool,
                               form->LastX, form->Picture1.fillColour(), window.selectionFrame);
    };
    const std::pair<PrintResult, const char*> cases[] = {
        {{PrintOutcome::Printed, {}}, nullptr},
        {{PrintOutcome::Cancelled, {}}, nullptr},
        {{PrintOutcome::NoPrinter, {}}, "Your Artwork Could Not Be Printed\r\nNo Printer Is Installed"},
        {{PrintOutcome::Failed, "The Printer Stopped The Job"},
         "Your Artwork Could Not Be Printed\r\nThe Printer Stopped The Job"},
        {{PrintOutcome::Failed, {}}, "Your Artwork Could Not Be Printed\r\nThe Printer Reported A Problem"},
    };
    for (const auto& [answer, message] : cases) {
        SCOPED_TRACE(message ? message : "no message");
        platform.messages.clear();
        platform.printed.clear();
        platform.printAnswer = answer;
        const auto before = state();
        form->PrintArtwork();
        ASSERT_EQ(platform.printed, std::vector<const CanvasImage*>{&form->Picture1});
        EXPECT_TRUE(state() == before);
        ASSERT_EQ(platform.messages.size(), message ? 1u : 0u);
        if (!message) continue;
        EXPECT_EQ(platform.messages[0].text, message);
        EXPECT_EQ(platform.messages[0].title, kErrorTitle);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    }
}

TEST_F(PrintArtworkTest, NothingWithoutAPictureDuringAStrokeOrWithTheAboutDialogOpen)
{
    form->PictureLoaded = 0;
    form->PrintArtwork();  // and no Open dialog either
    form->PictureLoaded = 1;
    useTool(0);
    press(20, 20);
    form->PrintArtwork();
    release(20, 20);
    form->Command6_Click();
    form->PrintArtwork();
    EXPECT_TRUE(platform.printed.empty() && platform.dialogs.empty());
}

}  // namespace
