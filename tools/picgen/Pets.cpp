#include "Pictures.h"

void drawCat(Page& page) {
    page.stroke({{0, 420}, {685, 420}});
    const Points window = roundedRect(525, 60, 645, 190, 6);
    page.shape(roundedRect(515, 50, 655, 200, 8));
    page.shape(window);
    page.strokeInside({{585, 50}, {585, 200}}, window);
    page.strokeInside({{515, 125}, {655, 125}}, window);
    page.shape(roundedRect(507, 198, 663, 214, 4));
    page.shape(ellipse(310, 478, 250, 48));

    page.shape(Path({380, 445})
                   .cubicTo({480, 455}, {545, 380}, {522, 285})
                   .quadTo({508, 258}, {494, 285})
                   .cubicTo({512, 370}, {460, 418}, {380, 412}));

    page.shape(Path({300, 232})
                   .cubicTo({395, 236}, {425, 420}, {402, 472})
                   .quadTo({300, 492}, {198, 472})
                   .cubicTo({175, 420}, {205, 236}, {300, 232}));
    page.shape(ellipse(300, 392, 58, 72));
    for (double x : {252.0, 348.0}) {
        page.shape(ellipse(x, 472, 38, 21));
        page.stroke({{x - 10, 492}, {x - 10, 478}});
        page.stroke({{x + 10, 492}, {x + 10, 478}});
    }

    page.shape(Path({222, 255}).quadTo({300, 285}, {378, 255}).lineTo({380, 272})
                   .quadTo({300, 304}, {220, 272}));

    const Points ear = Path({212, 175}).quadTo({200, 105}, {222, 62}).quadTo({262, 82}, {290, 118});
    const Points innerEar = Path({224, 150}).quadTo({218, 112}, {230, 88}).quadTo({252, 102}, {268, 122});
    for (const Points* p : {&ear, &innerEar}) {
        page.shape(*p);
        page.shape(mirrored(*p, 300));
    }
    page.shape(ellipse(300, 186, 102, 86));

    for (double x : {262.0, 338.0}) {
        page.shape(ellipse(x, 168, 22, 27));
        page.blot(ellipse(x + 2, 171, 9, 17));
    }
    page.blot(Path({287, 204}).quadTo({300, 200}, {313, 204}).quadTo({306, 216}, {300, 219})
                  .quadTo({294, 216}, {287, 204}));
    page.stroke({{300, 219}, {300, 231}});
    page.stroke(quad({300, 231}, {290, 246}, {274, 236}));
    page.stroke(quad({300, 231}, {310, 246}, {326, 236}));
    for (double dy : {0.0, 10.0, 20.0}) {
        page.stroke({{240, 212 + dy}, {168, 196 + dy * 2.2}});
        page.stroke({{360, 212 + dy}, {432, 196 + dy * 2.2}});
    }
    page.shape(circle(300, 298, 12));

    const Points yarn = circle(565, 445, 52);
    page.stroke(cubic({530, 482}, {500, 520}, {440, 500}, {400, 522}));
    page.shape(yarn);
    page.strokeInside(arc(600, 390, 80, 80, 90, 200), yarn);
    page.strokeInside(arc(620, 420, 95, 95, 110, 220), yarn);
    page.strokeInside(arc(520, 400, 75, 75, -20, 80), yarn);
}

void drawPuppy(Page& page) {
    page.stroke({{0, 440}, {685, 440}});
    for (double x : {25.0, 250.0, 560.0, 640.0}) {
        page.stroke({{x, 440}, {x - 8, 420}});
        page.stroke({{x + 8, 440}, {x + 10, 414}});
        page.stroke({{x + 16, 440}, {x + 26, 424}});
    }

    page.shape(rect(40, 235, 210, 440));
    page.shape(Path({20, 245}).lineTo({125, 150}).lineTo({230, 245}));
    page.shape(roundedRect(95, 180, 155, 215, 8));
    page.blot(Path({80, 440}).lineTo({80, 345}).arcTo(125, 345, 45, 180, 360).lineTo({170, 440}));

    for (double x : {520.0, 610.0}) {
        page.shape(circle(x, 478, 14));
        page.shape(circle(x, 506, 14));
    }
    page.erase(rect(518, 482, 612, 502));
    page.stroke({{524, 482}, {606, 482}});
    page.stroke({{524, 502}, {606, 502}});

    page.shape(Path({488, 350}).cubicTo({540, 330}, {560, 290}, {552, 250})
                   .quadTo({566, 240}, {574, 256}).cubicTo({585, 310}, {550, 360}, {494, 385}));
    page.stroke(arc(560, 262, 40, 40, -60, -15));
    page.stroke(arc(560, 262, 54, 54, -55, -20));
    for (double x : {318.0, 482.0})
        page.shape(ellipse(x, 420, 48, 36));
    page.shape(ellipse(400, 372, 105, 86));
    page.shape(ellipse(448, 380, 30, 24, 20));
    for (double x : {352.0, 448.0}) {
        page.shape(roundedRect(x - 18, 370, x + 18, 455, 14));
        page.shape(ellipse(x, 456, 30, 15));
        page.stroke({{x - 9, 470}, {x - 9, 460}});
        page.stroke({{x + 9, 470}, {x + 9, 460}});
    }

    page.shape(roundedRect(330, 290, 470, 314, 10));
    page.shape(ellipse(400, 212, 96, 88));
    page.shape(ellipse(310, 236, 32, 74, 18));
    page.shape(ellipse(490, 236, 32, 74, -18));
    page.shape(ellipse(440, 192, 30, 34));
    page.blot(ellipse(362, 195, 12, 16));
    page.blot(ellipse(440, 195, 12, 16));

    const Points tongue = ellipse(400, 300, 15, 20);
    page.shape(tongue);
    page.strokeInside({{400, 290}, {400, 330}}, tongue);
    page.shape(ellipse(400, 262, 50, 34));
    page.blot(ellipse(400, 244, 17, 11));
    page.stroke({{400, 254}, {400, 270}});
    page.stroke(quad({400, 270}, {388, 284}, {372, 274}));
    page.stroke(quad({400, 270}, {412, 284}, {428, 274}));
}
