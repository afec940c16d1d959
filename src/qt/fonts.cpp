// SPDX-License-Identifier: MIT
#include "qt/fonts.h"

#include "frontend/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>

namespace desktop {

using namespace wave;

namespace {

// A face the layout names, which a Linux desktop rarely has, and the faces
// that stand in for it, best first, in the order of wave::Face.
struct NamedFace {
    QString name;
    QStringList standins;
};

// Debian ships no alias for the two Gothic names: without a stand-in Qt would
// fall back to a Latin sans face.
const std::array<NamedFace, 3>& named_faces() {
    static const std::array<NamedFace, 3> faces{{
        {QStringLiteral("Times New Roman"), {"Liberation Serif", "DejaVu Serif"}},
        {QStringLiteral("ＭＳ Ｐゴシック"), {"IPAPGothic", "IPAGothic"}},
        {QStringLiteral("ＭＳ ゴシック"), {"IPAGothic"}},
    }};
    return faces;
}

// The named face when it is installed, else its first installed stand-in.
// Asking Qt for a family it does not know makes it sort fontconfig's whole
// fallback list first, a few milliseconds per family at start-up.
std::optional<QString> installed(const NamedFace& face, const QStringList& known) {
    for (const QString& family : QStringList{face.name} + face.standins) {
        if (known.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return std::nullopt;
}

QFont make_font(const QString& family, int pixels, bool bold, bool italic) {
    QFont font(family);
    // Pixel sizes keep text and layout in step on every screen: 9.75 pt and
    // 8.25 pt are 13 and 11 pixels at 96 dpi, where the twips were measured.
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    // Every caption and value is ASCII, which any face covers, so Qt need not
    // build a fallback list for each face; nor need it shape Latin text, which
    // these faces draw the same without.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return font;
}

} // namespace

void warn_of_missing_fonts() {
    const QStringList known = QFontDatabase::families();
    QStringList missing;
    for (const NamedFace& face : named_faces()) {
        if (!installed(face, known)) {
            missing.append((QStringList{face.name} + face.standins).join(QStringLiteral(" or ")));
        }
    }
    if (missing.isEmpty()) {
        return;
    }
    // Without them Qt draws in whatever face is left, or in none at all.
    const QString what =
        known.isEmpty() ? QStringLiteral("no fonts at all were found")
                        : QStringLiteral("fonts not found: ") + missing.join(QStringLiteral("; "));
    std::fprintf(
        stderr,
        "wave-synthesis: warning: %s; the window's text may show in another face or not at all "
        "(Debian: apt-get install fonts-liberation fonts-ipafont-gothic)\n",
        what.toUtf8().constData());
}

void register_font_substitutes() {
    for (const NamedFace& face : named_faces()) {
        QFont::insertSubstitutions(face.name, face.standins);
    }
}

QFont font_for(FontId id) {
    if (id == FontId::NoFont) {
        return {};
    }
    static const QStringList known = QFontDatabase::families();
    static const std::array<QString, 3> families = [] {
        std::array<QString, 3> chosen;
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            const NamedFace& face = named_faces().at(i);
            chosen.at(i) = installed(face, known).value_or(face.name);
        }
        return chosen;
    }();
    const FontStyle style = font_style(id);
    return make_font(families.at(static_cast<std::size_t>(style.face)), style.pixels, style.bold,
                     style.italic);
}

} // namespace desktop
