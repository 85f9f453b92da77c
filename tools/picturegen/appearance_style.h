#pragma once

#include <QColor>
#include <QString>

/// The colours and drawing habits of one appearance. Both appearances draw the same things
/// in the same places; they differ in palette and line style: "standard" is flat and cool,
/// "paper" is warm, with ink outlines on cream.
struct AppearanceStyle {
    QString name;

    // Statistics strip (dark, so the light grey time text reads on it).
    QColor stripTop;
    QColor stripBottom;
    QColor stripHighlight;
    QColor stripEdge;
    double stripGrain = 0.0;

    // Paper behind the copy text (light, so black, grey and red text read on it).
    QColor paper;
    double paperCloud = 0.0;
    double paperGrain = 0.0;
    int paperFibres = 0;
    QColor fibre;

    // Hands.
    QColor handsTop;
    QColor handsBottom;
    bool handsOnPaper = false;
    QColor skin;
    QColor skinShade;
    QColor nail;
    QColor outline;
    double outlineWidth = 2.0;
    QColor shadow;

    // Progress animation.
    bool inked = false;
    QColor ink;
    QColor dialFace;
    QColor dialTrack;
    QColor zone[4];
    QColor needle;
    QColor clearSkyTop, clearSkyBottom;
    QColor greySkyTop, greySkyBottom;
    QColor stormSkyTop, stormSkyBottom;
    QColor sun;
    QColor cloudLight;
    QColor cloudGrey;
    QColor cloudDark;
    QColor rain;
    QColor bolt;
    QColor rim;

    static AppearanceStyle Standard();
    static AppearanceStyle Paper();
};
