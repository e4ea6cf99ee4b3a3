#include "about/frmAbout.h"
#include "app/Form1.h"
#include "web/Session.h"
#include "web/WebMainWindow.h"
#include "web/WebPlatform.h"

#include <emscripten/emscripten.h>

#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>

// The program lives as long as the page; the page calls in with each event
// (see main.js), one call at a time.
namespace {

struct Program {
    WebPlatform platform;
    WebMainWindow window;
    Form1 form{window, platform};
};
Program* program = nullptr;

const std::filesystem::path kSession = "/pintaro/session/state";

}  // namespace

int main()
{
    // The shipped pictures live in memory only: nothing is made beside them,
    // so pages made from the child's images go to the folder that is kept.
    chmod("/pintaro/pics", 0555);
    program = new Program;
    program->window.attach(program->form);
    // The screen is the window here, so the size check always passes.
    program->form.Form_Load();
    session::restore(program->form, program->window, kSession);
    return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void pintaro_click(int id)
{
    program->window.activate(id);
}

// phase: 0 press, 1 move, 2 release; positions in canvas pixels.
EMSCRIPTEN_KEEPALIVE void pintaro_mouse(int phase, int button, int shift, float x, float y)
{
    const auto b = static_cast<std::int16_t>(button);
    const auto s = static_cast<std::int16_t>(shift);
    Form1& form = program->form;
    if (phase == 0) form.Picture1_MouseDown(b, s, x, y);
    if (phase == 1) form.Picture1_MouseMove(b, s, x, y);
    if (phase == 2) form.Picture1_MouseUp(b, s, x, y);
}

// 0 undo, 1 redo, 2 print.
EMSCRIPTEN_KEEPALIVE void pintaro_key(int key)
{
    if (key == 0) program->form.undo();
    if (key == 1) program->form.redo();
    if (key == 2) program->form.PrintArtwork();
}

// Image files dropped or chosen, put in the page's file system; one path a line.
EMSCRIPTEN_KEEPALIVE void pintaro_importPages(const char* paths)
{
    std::vector<std::filesystem::path> files;
    std::istringstream lines(paths);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) files.emplace_back(line);
    program->form.ImportPages(files);
}

// 0 OK (and Enter, Escape or the close box), 1 the web link, 2 the mail link.
EMSCRIPTEN_KEEPALIVE void pintaro_about(int event)
{
    frmAbout* about = program->form.aboutDialog();
    if (!about) return;
    if (event == 0) about->cmdOK_Click();
    if (event == 1) about->Label1_Click();
    if (event == 2) about->Label4_Click();
}

EMSCRIPTEN_KEEPALIVE int pintaro_saveSession()
{
    return session::save(program->form, program->window.selectionFrame(), kSession) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t* pintaro_canvas()
{
    return program->form.Picture1.words();
}
}
