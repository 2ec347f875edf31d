#include "qt/backend/QtCaptionText.h"

#include <QStyle>
#include <QTextOption>
#include <algorithm>

#include "qt/backend/QtConvert.h"

namespace VemoCalendar {

size_t BytesOfCodePoints(const std::string& text, size_t codePoints) {
    if (text.size() <= codePoints) return text.size();
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && seen++ == codePoints) return i;
    }
    return text.size();
}

size_t ShownBytes(const std::string& text, int boxWidth) {
    // A glyph narrower than a pixel is rare (combining marks ride on wider ones): what lies past
    // this many is never seen, and shaping a huge text (with font fallback for mixed scripts)
    // would make one paint cost many times what the box can show.
    return BytesOfCodePoints(text, 32 + static_cast<size_t>(std::max(boxWidth, 0)));
}

std::shared_ptr<const LaidOutText> CaptionLayouts::Get(QPainter& painter, const std::string& text) {
    const QFont& font = painter.font();
    auto& fonts = texts_[text];
    for (const auto& [laidOutIn, layout] : fonts)
        if (laidOutIn == font) return layout;
    if (texts_.size() > kMaxTexts) {
        texts_.clear();  // the widgets keep the layouts they use
        return Get(painter, text);
    }
    auto layout = std::make_shared<LaidOutText>();
    QString line = ToQString(text);
    for (QChar& c : line)
        if (c == u'\n' || c == u'\r') c = u' ';  // one line, as Qt::TextSingleLine draws it
    // The size drawText lays the line out at: its natural width and its line height.
    layout->size = painter.boundingRect(QRectF(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line).size();
    QTextOption option;
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->glyphs.setText(line);
    layout->glyphs.setTextFormat(Qt::PlainText);
    layout->glyphs.setTextOption(option);
    layout->glyphs.prepare(QTransform(), font);
    fonts.emplace_back(font, layout);
    return layout;
}

void CaptionText::Draw(QPainter& painter, CaptionLayouts& layouts, const std::string& text, const QtFontRef& font,
                       const QRect& box, int flags, QPoint offset) {
    if (text.empty()) return;
    constexpr int kAlign = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;
    flags = QStyle::visualAlignment(painter.layoutDirection(), Qt::Alignment(flags & kAlign)) | (flags & ~kAlign);
    const size_t shown = ShownBytes(text, box.width());
    if (!layout_ || font != font_ || shown != shown_) {
        font_ = font;
        shown_ = shown;
        layout_ = layouts.Get(painter, shown == text.size() ? text : text.substr(0, shown));
        placed_ = false;
    }
    if (!placed_ || box.size() != box_ || flags != flags_) {
        // drawText's alignment: the line's box placed in the rectangle.
        box_ = box.size();
        flags_ = flags;
        placed_ = true;
        const QSizeF size = layout_->size;
        qreal x = 0, y = 0;
        if (flags & Qt::AlignRight) x = box_.width() - size.width();
        else if (flags & Qt::AlignHCenter) x = (box_.width() - size.width()) / 2;
        if (flags & Qt::AlignBottom) y = box_.height() - size.height();
        else if (flags & Qt::AlignVCenter) y = (box_.height() - size.height()) / 2;
        at_ = QPointF(x, y);
        overflows_ = !QRectF(QPointF(0, 0), QSizeF(box_)).contains(QRectF(at_, size));
    }
    const QRect at = box.translated(offset);
    if (overflows_) {
        painter.save();
        painter.setClipRect(at, Qt::IntersectClip);
    }
    // QStaticText draws an underline or a strike-out away from its glyphs once the painter is
    // translated, so decorated text is drawn as drawText draws it.
    if (painter.font().underline() || painter.font().strikeOut()) painter.drawText(at, flags, layout_->glyphs.text());
    else painter.drawStaticText(QPointF(at.topLeft()) + at_, layout_->glyphs);
    if (overflows_) painter.restore();
}

}  // namespace VemoCalendar
