// What the core makes of a picture and a list of presses, for the browser
// session to compare the page with: the picture opened as the Open dialog
// would, each press made on the scripted window, and the artwork saved as the
// desktop editions save it.
//   replay PICTURE OUT.bmp [tool N | colour N | size N | down X Y | move X Y | up X Y]...
#include "app/Form1.h"
#include "files/ArtworkSaver.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedWindow.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: replay PICTURE OUT.bmp [steps]\n");
        return 2;
    }
    ScriptedWindow window;
    ScriptedPlatform platform;
    Form1 form(window, platform);
    form.Form_Load();
    window.visible = true;
    platform.answerFileDialog(argv[1]);
    form.Command2_Click();
    if (form.PictureLoaded != 1) return 1;

    const auto number = [&](int& i) { return static_cast<std::int16_t>(std::atoi(argv[++i])); };
    for (int i = 3; i < argc; ++i) {
        const std::string step = argv[i];
        if (step == "tool") form.Command3_Click(number(i));
        else if (step == "colour") form.Label1_Click(number(i));
        else if (step == "size") form.Label3_Click(number(i));
        else {
            const float x = number(i);
            const float y = number(i);
            if (step == "down") form.Picture1_MouseDown(1, 0, x, y);
            if (step == "move") form.Picture1_MouseMove(1, 0, x, y);
            if (step == "up") form.Picture1_MouseUp(1, 0, x, y);
        }
    }
    return saveArtwork(form.Picture1, argv[2]) == SaveProblem::None ? 0 : 1;
}
