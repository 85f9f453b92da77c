#pragma once

class QAbstractScrollArea;

/// Paints the left margin that both text views keep beside their text (so that the original
/// and the typed text line up) in the text background, over the inner edge of the frame just as
/// the text area beside it covers that edge. On a screen scaled by two the style draws the frame
/// two device pixels wide at the bottom and right, and without this its inner half would show
/// under the margin only, as a step in the line. Call it after the view's own painting of its
/// frame (its QEvent::Paint).
void PaintTextViewMargin(QAbstractScrollArea& view, int width);
