#pragma once
#include <QColor>
#include <QCursor>
#include <QDate>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QString>
#include <string>

#include "host/Color.h"
#include "host/Date.h"
#include "host/FontObject.h"
#include "host/PictureObject.h"
#include "host/WidgetEvents.h"

class QKeyEvent;
class QMouseEvent;

namespace VemoCalendar {

// Largest pixel length or position TwipsToPixels gives (Qt's QWIDGETSIZE_MAX): sums and
// differences of two such values stay far inside int.
inline constexpr int kMaxWidgetPixels = (1 << 24) - 1;
inline constexpr double kDefaultFontPoints = 8.25;
inline constexpr double kMaxFontPoints = 2048;

// Twips and pixels: a length converts by rounding to the nearest pixel, a half going to the even
// one, clamped to +-kMaxWidgetPixels. Any double is safe: NaN gives 0, infinities the bound.
int TwipsToPixels(double twips, double twipsPerPixel);
// The point size Qt gets for a stored font size: kDefaultFontPoints for one that is not a
// positive finite number, at most kMaxFontPoints.
double FontPointSize(double size);

// A colour value as the widgets get it: RGB in the low three bytes, or a system colour index
// (top bit set) resolved through the palette.
QColor ToQColor(Color color, const QPalette& palette);
Color FromQColor(const QColor& color);

// Font objects name Windows families; fontconfig substitutes them, and the style hint picks a
// monospace or serif face when the family itself is missing.
QFont ToQFont(const FontObject& font);
// A pixel-sized font gets 0.75 pt per pixel; a font with neither size the default 8.25 pt.
FontObject FromQFont(const QFont& font);

QImage ToQImage(const PictureObject& picture);
PictureRef FromQImage(const QImage& image);
// The picture as a `side` x `side` icon, scaled keeping its aspect when it has another size; a
// null icon for no picture.
QIcon ToQIcon(const PictureRef& picture, int side);

// A null QDate for what is no date (NaN, infinities, outside 100..9999).
QDate ToQDate(Date date);
Date FromQDate(QDate date);

inline QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

// Mouse buttons as the widgets report them: 1 left, 2 right, 4 middle (the buttons held, for moves).
int16_t MouseButtonsOf(const QMouseEvent& event, bool held);
// 1 shift, 2 ctrl, 4 alt.
int16_t ShiftOf(Qt::KeyboardModifiers modifiers);
// The key code of a key (the capital letter for letters, 13 for Enter, 37..40 for arrows, ...).
int16_t KeyCodeOf(const QKeyEvent& event);
// The character a key types, or 0 for keys that type nothing.
int16_t KeyAsciiOf(const QKeyEvent& event);

// Pointer shapes 0..15; 99 with an icon gives a custom cursor.
QCursor CursorOf(int mousePointer, const PictureRef& mouseIcon);

}  // namespace VemoCalendar
