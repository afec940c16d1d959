// SPDX-License-Identifier: MIT
#include "web/address.h"

#include "frontend/apply_setup.h"
#include "frontend/setup_text.h"
#include "web/dom.h"

namespace web {

using namespace wave;

namespace {

constexpr Micros kWriteSpacing = 250'000;

} // namespace

Address::Address(Form1& form, const FormControls& controls)
    : form_(form), controls_(controls), written_(setup_text(form.settings)),
      spacing_([this] { follow(); }) {}

namespace {

const val& location() {
    static const val place = browser_window()["location"];
    return place;
}

} // namespace

void Address::open() {
    const std::string hash = location()["hash"].as<std::string>();
    if (hash.size() > 1) {
        apply(hash);
        // What the window shows, in the program's own words.
        const std::string text = setup_text(form_.settings);
        if (hash.substr(1) != text) {
            write(text);
        }
        written_ = text;
    }
}

void Address::apply(std::string_view text) {
    const WaveSettings s = read_setup(text, form_.settings);
    apply_setup(form_, controls_, s);
}

void Address::follow() {
    if (spacing_.running()) {
        return; // its end looks again
    }
    const std::string text = setup_text(form_.settings);
    if (text != written_) {
        write(text);
        spacing_.start(kWriteSpacing);
    }
}

void Address::write(const std::string& text) {
    const val history = browser_window()["history"];
    history.call<void>("replaceState", history["state"], val(""), val("#" + text));
    written_ = text;
}

std::string Address::link() const {
    std::string href = location()["href"].as<std::string>();
    href = href.substr(0, href.find('#'));
    return href + "#" + setup_text(form_.settings);
}

} // namespace web
