#include "ui/qt/font_configuration.h"

#include "ui/qt/fonts.h"

#include <cstdlib>
#include <memory>

namespace {

// Debian's folders and caches, and what its default rules decide for the
// window's faces; anything else is left to fontconfig's defaults.
constexpr const char* kConfiguration = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
  <match target="font">
    <test name="slant"><const>roman</const></test>
    <test target="pattern" name="slant" compare="not_eq"><const>roman</const></test>
    <edit name="matrix" mode="assign">
      <times><name>matrix</name><matrix><double>1</double><double>0.2</double>
        <double>0</double><double>1</double></matrix></times>
    </edit>
    <edit name="slant" mode="assign"><const>oblique</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>bold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
</fontconfig>
)";

struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
};

bool lists(FcConfig* config, const char* family) {
    const std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetCreate());
    if (!pattern || !objects ||
        !FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family)) ||
        !FcObjectSetAdd(objects.get(), FC_FAMILY)) {
        return false;
    }
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontList(config, pattern.get(), objects.get()));
    return fonts && fonts->nfont > 0;
}

bool has_every_face(FcConfig* config) {
    for (const NamedFace& face : named_faces()) {
        bool found = lists(config, face.name);
        for (const char* standin : face.standins) {
            found = found || (standin != nullptr && lists(config, standin));
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

bool is_set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

FcConfig* own_font_configuration(const char* text) {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return nullptr;
    }
    const auto* xml = reinterpret_cast<const FcChar8*>(text != nullptr ? text : kConfiguration);
    if (!FcConfigParseAndLoadFromMemory(config, xml, FcTrue) || !FcConfigBuildFonts(config) ||
        !has_every_face(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

void load_font_configuration() {
    if (!is_set("FONTCONFIG_FILE") && !is_set("FONTCONFIG_PATH")) {
        if (FcConfig* own = own_font_configuration()) {
            // Current from here on: fontconfig holds its own reference.
            const FcBool made_current = FcConfigSetCurrent(own);
            FcConfigDestroy(own);
            if (made_current) {
                return;
            }
        }
    }
    FcInit();
}
