#pragma once
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace VemoCalendar {

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
    // The layout of `text` in the painter's current font.
    std::shared_ptr<const LaidOutText> Get(QPainter& painter, const QString& text);

private:
    static constexpr qsizetype kMaxTexts = 512;  // a calendar shows about 100 distinct texts
    QHash<QString, std::vector<std::pair<QFont, std::shared_ptr<const LaidOutText>>>> texts_;
};

// One caption's text, drawn from a shared layout instead of being shaped again on every paint
// as QPainter::drawText does. The layout is looked up again only when the caption or the
// painter's font changes, the placement only when the box's size or the alignment changes too.
// The caption itself stays with its widget, which says when it changed.
class CaptionText {
public:
    void TextChanged() { layout_.reset(); }

    // Draws `text` (UTF-8) as painter.drawText(box.translated(offset), flags |
    // Qt::TextSingleLine, text) does, with the painter's current font and pen: the same pixels,
    // clipped to the box only when the text does not fit in it.
    void Draw(QPainter& painter, CaptionLayouts& layouts, const std::string& text, const QRect& box, int flags,
              QPoint offset = {});

private:
    std::shared_ptr<const LaidOutText> layout_;
    QFont font_;
    QSize box_;
    int flags_ = 0;
    bool placed_ = false;
    QPointF at_;  // where the text starts, from the box's top left corner
    bool overflows_ = false;
};

}  // namespace VemoCalendar
