#pragma once
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "qt/backend/QtFontCache.h"

namespace VemoCalendar {

// The bytes of the first `codePoints` code points of `text` (UTF-8): all of it when it has no more.
size_t BytesOfCodePoints(const std::string& text, size_t codePoints);
// How much of `text` (UTF-8) a box `boxWidth` pixels wide can show: all of it, or the bytes of
// its first code points when there are many more than could ever fit.
size_t ShownBytes(const std::string& text, int boxWidth);

// A single-line text laid out once: its glyph positions and the size QPainter::drawText gives it.
struct LaidOutText {
    QStaticText glyphs;
    QSizeF size;
};

// Laid-out texts shared by the painted widgets of one host: a month step gives nearly every day
// cell a new caption, but one that another cell, an earlier month or another calendar has laid
// out already.
class CaptionLayouts {
public:
    // The layout of `text` (UTF-8) in the painter's current font.
    std::shared_ptr<const LaidOutText> Get(QPainter& painter, const std::string& text);

private:
    static constexpr size_t kMaxTexts = 512;  // a calendar shows about 100 distinct texts
    // Keyed by the widgets' own text, so that finding a layout converts nothing.
    std::unordered_map<std::string, std::vector<std::pair<QFont, std::shared_ptr<const LaidOutText>>>> texts_;
};

// One caption's text, drawn from a shared layout instead of being shaped again on every paint
// as QPainter::drawText does. The layout is looked up again only when the caption or the
// painter's font changes, the placement only when the box's size or the alignment changes too.
// The caption itself stays with its widget, which says when it changed.
class CaptionText {
public:
    void TextChanged() { layout_.reset(); }

    // Draws `text` (UTF-8) as painter.drawText(box.translated(offset), flags |
    // Qt::TextSingleLine, text) does, with the painter's pen and its font, which is `font`: the
    // same pixels, clipped to the box only when the text does not fit in it; a text far too long
    // for the box is cut to ShownBytes before it is shaped. The font is told by
    // reference, because comparing two QFonts on every paint costs more than the drawing.
    void Draw(QPainter& painter, CaptionLayouts& layouts, const std::string& text, const QtFontRef& font,
              const QRect& box, int flags, QPoint offset = {});

private:
    std::shared_ptr<const LaidOutText> layout_;
    QtFontRef font_;
    size_t shown_ = 0;
    QSize box_;
    int flags_ = 0;
    bool placed_ = false;
    QPointF at_;  // where the text starts, from the box's top left corner
    bool overflows_ = false;
};

}  // namespace VemoCalendar
