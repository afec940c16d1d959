#include "ui/qt/fonts.h"

#include <QStringList>

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QString kGothicP = QStringLiteral("ＭＳ Ｐゴシック");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");

QFont make_font(const QString& family, int pixels, bool bold, bool italic) {
    QFont font(family);
    // Pixel sizes keep text and layout in step on every screen: 9.75 pt and
    // 8.25 pt are 13 and 11 pixels at 96 dpi, where the twips were measured.
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

} // namespace

void register_font_substitutes() {
    // Debian ships no alias for the two Gothic names: without one Qt would
    // fall back to a Latin sans face.
    QFont::insertSubstitutions(kTimes, QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(kGothicP, QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(kGothic, QStringList{QStringLiteral("IPAGothic")});
}

QFont font_for(FontId id) {
    switch (id) {
    case FontId::Times:
        return make_font(kTimes, 13, false, false);
    case FontId::TimesItalic:
        return make_font(kTimes, 13, false, true);
    case FontId::TimesSmall:
        return make_font(kTimes, 11, false, false);
    case FontId::GothicP:
        return make_font(kGothicP, 13, false, false);
    case FontId::GothicBold:
        return make_font(kGothic, 13, true, false);
    case FontId::None:
        break;
    }
    return {};
}
