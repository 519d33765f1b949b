#pragma once
// The footer of an organiser page: a rule at FootHeight in the weight of the
// title style, and a small text hanging from it.
#include <QString>

// Footer of the page between left and right (mm); an empty text draws the
// rule only, TitleStyle 0 draws nothing. Leaves the surface's font, colour and
// position as the footer left them.
void DrawPageFooter(const QString& text, double left, double right);
