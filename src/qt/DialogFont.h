#pragma once

#include <QFont>

// The captions' face: MS Sans Serif 8.25 point, which is 11 pixels at 96 dots
// per inch (the layout is in pixels). Where it is missing, Liberation Sans,
// slightly narrowed, has the same height and fits the same labels.
inline QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setStretch(95);
    return font;
}
