#pragma once
// Window sizes and positions are kept in twips (1/1440 inch), as the settings
// file stores them; the toolkit works in pixels at the screen's logical
// resolution (15 twips per pixel at 96 dots per inch).

double TwipsPerPixelX();
double TwipsPerPixelY();

// Nearest whole pixel.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
