#include "qt/backend/QtConvert.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace VemoCalendar {

int TwipsToPixels(double twips, double twipsPerPixel) {
    const double pixels = std::nearbyint(twips / twipsPerPixel);
    // Converting a double outside int is undefined behaviour; no widget holds more than this.
    if (std::isnan(pixels)) return 0;
    return static_cast<int>(std::clamp(pixels, -static_cast<double>(kMaxWidgetPixels), static_cast<double>(kMaxWidgetPixels)));
}

double FontPointSize(double size) {
    if (!(size > 0) || !std::isfinite(size)) return kDefaultFontPoints;
    return std::min(size, kMaxFontPoints);
}

QColor ToQColor(Color color, const QPalette& palette) {
    if (!IsSystemColor(color)) return QColor(RedOf(color), GreenOf(color), BlueOf(color));
    using R = QPalette::ColorRole;
    // The system colour indices, each with the palette role that plays its part on a Qt desktop.
    switch (color & 0xFF) {
        case 0x00: return palette.color(R::Mid);                                   // scroll bars
        case 0x01: return palette.color(R::Dark);                                  // desktop
        case 0x02: return palette.color(QPalette::Active, R::Highlight);           // active caption
        case 0x03: return palette.color(R::Dark);                                  // inactive caption
        case 0x04: return palette.color(R::Button);                                // menu
        case 0x05: return palette.color(R::Base);                                  // window
        case 0x06: return palette.color(R::Shadow);                                // window frame
        case 0x07: return palette.color(R::ButtonText);                            // menu text
        case 0x08: return palette.color(R::Text);                                  // window text
        case 0x09: return palette.color(QPalette::Active, R::HighlightedText);     // caption text
        case 0x0A: case 0x0B: return palette.color(R::Window);                     // borders
        case 0x0C: return palette.color(R::Dark);                                  // application workspace
        case 0x0D: return palette.color(R::Highlight);                             // highlight
        case 0x0E: return palette.color(R::HighlightedText);                       // highlight text
        case 0x0F: return palette.color(R::Button);                                // button face
        case 0x10: return palette.color(R::Dark);                                  // button shadow
        case 0x11: return palette.color(QPalette::Disabled, R::Text);              // grey text
        case 0x12: return palette.color(R::ButtonText);                            // button text
        case 0x13: return palette.color(R::Light);                                 // inactive caption text
        case 0x14: return palette.color(R::Light);                                 // button highlight
        case 0x15: return palette.color(R::Shadow);                                // 3-D dark shadow
        case 0x16: return palette.color(R::Midlight);                              // 3-D light
        case 0x17: return palette.color(R::ToolTipText);                           // info text
        case 0x18: return palette.color(R::ToolTipBase);                           // info background
        default: return palette.color(R::Window);
    }
}

Color FromQColor(const QColor& color) {
    return Rgb(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()), static_cast<uint8_t>(color.blue()));
}

QFont ToQFont(const FontObject& font) {
    QFont f(ToQString(font.name));
    const QString lower = f.family().toLower();
    if (lower.contains("courier") || lower.contains("mono") || lower.contains("fixed"))
        f.setStyleHint(QFont::TypeWriter);
    else if (lower.contains("times") || (lower.contains("serif") && !lower.contains("sans")))
        f.setStyleHint(QFont::Serif);
    else
        f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(FontPointSize(font.size));
    if (font.bold) f.setWeight(QFont::Bold);
    else f.setWeight(static_cast<QFont::Weight>(std::clamp<int>(font.weight >= 600 ? 400 : font.weight, 100, 900)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    return f;
}

FontObject FromQFont(const QFont& font) {
    FontObject f;
    f.name = FromQString(font.family());
    // A pixel-sized font has no point size: a logical pixel is 15 twips, 0.75 pt.
    if (font.pointSizeF() > 0) f.size = font.pointSizeF();
    else if (font.pixelSize() > 0) f.size = font.pixelSize() * 0.75;
    f.bold = font.weight() >= QFont::DemiBold;
    f.weight = static_cast<int16_t>(font.weight());
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikethrough = font.strikeOut();
    return f;
}

QImage ToQImage(const PictureObject& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
        return {};
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.width),
                    picture.width, reinterpret_cast<uint32_t*>(image.scanLine(y)));
    return image;
}

PictureRef FromQImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    auto picture = std::make_shared<PictureObject>();
    picture->width = image.width();
    picture->height = image.height();
    picture->pixels.resize(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(reinterpret_cast<const uint32_t*>(image.constScanLine(y)), image.width(),
                    picture->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(image.width()));
    return picture;
}

QDate ToQDate(Date date) {
    if (!IsValidDate(date)) return {};
    const CivilDate c = CivilOf(date);
    return QDate(c.year, c.month, c.day);
}

Date FromQDate(QDate date) { return MakeDate(date.year(), date.month(), date.day()); }

int16_t MouseButtonsOf(const QMouseEvent& event, bool held) {
    const Qt::MouseButtons buttons = held ? event.buttons() : Qt::MouseButtons(event.button());
    int16_t result = 0;
    if (buttons & Qt::LeftButton) result |= 1;
    if (buttons & Qt::RightButton) result |= 2;
    if (buttons & Qt::MiddleButton) result |= 4;
    return result;
}

int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
    int16_t result = 0;
    if (modifiers & Qt::ShiftModifier) result |= 1;
    if (modifiers & Qt::ControlModifier) result |= 2;
    if (modifiers & Qt::AltModifier) result |= 4;
    return result;
}

int16_t KeyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<int16_t>((event.modifiers() & Qt::KeypadModifier) ? 96 + (key - Qt::Key_0) : key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<int16_t>(112 + (key - Qt::Key_F1));
    switch (key) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Return: case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        case Qt::Key_Semicolon: return 186;
        case Qt::Key_Equal: return 187;
        case Qt::Key_Comma: return 188;
        case Qt::Key_Minus: return 189;
        case Qt::Key_Period: return 190;
        case Qt::Key_Slash: return 191;
        case Qt::Key_QuoteLeft: return 192;
        case Qt::Key_BracketLeft: return 219;
        case Qt::Key_Backslash: return 220;
        case Qt::Key_BracketRight: return 221;
        case Qt::Key_Apostrophe: return 222;
        default: return 0;
    }
}

int16_t KeyAsciiOf(const QKeyEvent& event) {
    const QString text = event.text();
    // Control characters come as text on most platforms; the key itself names them elsewhere.
    switch (event.key()) {
        case Qt::Key_Return: case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
        default: break;
    }
    if (text.isEmpty()) return 0;
    const char16_t c = text.at(0).unicode();
    if (c == 0x7F || (c < 32 && !(event.modifiers() & Qt::ControlModifier))) return 0;
    return static_cast<int16_t>(c);
}

QCursor CursorOf(int mousePointer, const PictureRef& mouseIcon) {
    switch (mousePointer) {
        case 1: return Qt::ArrowCursor;
        case 2: return Qt::CrossCursor;
        case 3: return Qt::IBeamCursor;
        case 4: return Qt::PointingHandCursor;  // the small "icon" square has no Qt shape
        case 5: return Qt::SizeAllCursor;
        case 6: return Qt::SizeBDiagCursor;
        case 7: return Qt::SizeVerCursor;
        case 8: return Qt::SizeFDiagCursor;
        case 9: return Qt::SizeHorCursor;
        case 10: return Qt::UpArrowCursor;
        case 11: return Qt::WaitCursor;
        case 12: return Qt::ForbiddenCursor;
        case 13: return Qt::BusyCursor;
        case 14: return Qt::WhatsThisCursor;
        case 15: return Qt::SizeAllCursor;
        case 99:
            if (mouseIcon) {
                const QImage image = ToQImage(*mouseIcon);
                if (!image.isNull()) return QCursor(QPixmap::fromImage(image), image.width() / 2, image.height() / 2);
            }
            return Qt::ArrowCursor;
        default: return Qt::ArrowCursor;
    }
}

QIcon ToQIcon(const PictureRef& picture, int side) {
    QImage image = picture ? ToQImage(*picture) : QImage();
    if (image.isNull()) return {};
    if (image.size() != QSize(side, side)) image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace VemoCalendar
