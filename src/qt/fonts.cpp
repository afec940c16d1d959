// SPDX-License-Identifier: MIT
#include "qt/fonts.h"

#include "frontend/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdio>

namespace desktop {

using namespace wave;

namespace {

// A face the layout names, which a Linux desktop rarely has, and the faces
// that stand in for it, best first (nullptr ends a shorter list).
struct NamedFace {
    const char* name;
    std::array<const char*, 2> standins;
};

// Debian ships no alias for the two Gothic names: without a stand-in Qt would
// fall back to a Latin sans face.
constexpr NamedFace kTimes{"Times New Roman", {"Liberation Serif", "DejaVu Serif"}};
constexpr NamedFace kGothicP{"ＭＳ Ｐゴシック", {"IPAPGothic", "IPAGothic"}};
constexpr NamedFace kGothic{"ＭＳ ゴシック", {"IPAGothic", nullptr}};
constexpr std::array<NamedFace, 3> kNamedFaces{kTimes, kGothicP, kGothic};

// The named face when it is installed, else its first installed stand-in.
// Asking Qt for a family it does not know makes it sort fontconfig's whole
// fallback list first, a few milliseconds per family at start-up.
QString installed(const NamedFace& face, const QStringList& known) {
    const QString name = QString::fromUtf8(face.name);
    if (known.contains(name, Qt::CaseInsensitive)) {
        return name;
    }
    for (const char* standin : face.standins) {
        if (standin != nullptr && known.contains(QString::fromUtf8(standin), Qt::CaseInsensitive)) {
            return QString::fromUtf8(standin);
        }
    }
    return name;
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

bool has_any(const NamedFace& face, const QStringList& known) {
    if (known.contains(QString::fromUtf8(face.name), Qt::CaseInsensitive)) {
        return true;
    }
    for (const char* standin : face.standins) {
        if (standin != nullptr && known.contains(QString::fromUtf8(standin), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

} // namespace

void warn_of_missing_fonts() {
    const QStringList known = QFontDatabase::families();
    QStringList missing;
    for (const NamedFace& face : kNamedFaces) {
        if (!has_any(face, known)) {
            QString alternatives = QString::fromUtf8(face.name);
            for (const char* standin : face.standins) {
                if (standin != nullptr) {
                    alternatives += QStringLiteral(" or ") + QString::fromUtf8(standin);
                }
            }
            missing.append(alternatives);
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
    for (const NamedFace& face : kNamedFaces) {
        QStringList standins;
        for (const char* standin : face.standins) {
            if (standin != nullptr) {
                standins.append(QString::fromUtf8(standin));
            }
        }
        QFont::insertSubstitutions(QString::fromUtf8(face.name), standins);
    }
}

QFont font_for(FontId id) {
    if (id == FontId::NoFont) {
        return {};
    }
    static const QStringList known = QFontDatabase::families();
    static const std::array<QString, 3> families{
        installed(kTimes, known), installed(kGothicP, known), installed(kGothic, known)};
    const FontStyle style = font_style(id);
    return make_font(families.at(static_cast<std::size_t>(style.face)), style.pixels, style.bold,
                     style.italic);
}

} // namespace desktop
