// SPDX-License-Identifier: MIT
#include "web/actions.h"

#include "frontend/samples_csv.h"
#include "web/dom.h"
#include "web/geometry.h"
#include "web/page_builder.h"
#include "web/picture.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <string>

namespace web {

using namespace wave;

namespace {

val make(const char* tag, const char* class_name) {
    val e = create_element(tag);
    e.set("className", class_name);
    return e;
}

void set_attribute(const val& e, const char* name, const std::string& value) {
    e.call<void>("setAttribute", val(name), val(value));
}

// A key press as the action table writes it: "Ctrl+Shift+C".
std::string chord(const val& event) {
    std::string k = event["key"].as<std::string>();
    if (k.size() == 1 && k[0] >= 'a' && k[0] <= 'z') {
        k[0] = static_cast<char>(k[0] - 'a' + 'A');
    }
    std::string s;
    if (event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>()) {
        s += "Ctrl+";
    }
    if (event["shiftKey"].as<bool>()) {
        s += "Shift+";
    }
    return s + k;
}

bool clipboard_has(const char* method) {
    const val clipboard = browser_window()["navigator"]["clipboard"];
    return !clipboard.isUndefined() && !clipboard[method].isUndefined();
}

} // namespace

Actions::Actions(Form1& form, const FormControls& controls, val app)
    : form_(form), app_(std::move(app)), language_(browser_language()), address_(form, controls),
      sound_(form.settings, [this] { say(no_sound_device(language_)); }),
      message_timer_([this] { message_.set("hidden", true); }),
      touch_timer_([this] { long_touch_.expired(); }),
      long_touch_(touch_timer_, [this](double x, double y) {
          swallow_click_ = true;
          open_menu(x, y);
      }) {}

void Actions::watch_long_press() {
    listen(app_, "pointerdown", [this](const val& e) {
        swallow_click_ = false;
        // A spinner's arrows take a held touch as a held press.
        if (e["pointerType"].as<std::string>() == "mouse" ||
            !e["target"].call<val>("closest", val(".spin")).isNull()) {
            return;
        }
        long_touch_.down(e["pointerId"].as<int>(), e["clientX"].as<double>(),
                         e["clientY"].as<double>());
    });
    const auto end = [this](const val& e) { long_touch_.up(e["pointerId"].as<int>()); };
    listen(app_, "pointerup", end);
    listen(app_, "pointercancel", end);
    listen(app_, "pointermove", [this](const val& e) {
        long_touch_.move(e["pointerId"].as<int>(), e["clientX"].as<double>(),
                         e["clientY"].as<double>());
    });
    val capture = val::object();
    capture.set("capture", true);
    app_.call<void>("addEventListener", val("click"), callback([this](const val& e) {
                        if (swallow_click_) {
                            swallow_click_ = false;
                            e.call<void>("preventDefault");
                            e.call<void>("stopPropagation");
                        }
                    }),
                    capture);
}

void Actions::start() {
    address_.open();
    build_menu();
    const val& window = browser_window();
    listen(window, "hashchange", [this](const val&) {
        address_.apply(browser_window()["location"]["hash"].as<std::string>());
    });
    listen(window, "keydown", [this](const val& e) { key(e); });
    listen(document(), "paste", [this](const val& e) {
        const val data = e["clipboardData"];
        if (!data.isNull() && !data.isUndefined()) {
            const std::string text = data.call<std::string>("getData", val("text/plain"));
            // Anything else pasted is not a set-up: the window stays as it is.
            if (text.find('=') != std::string::npos) {
                e.call<void>("preventDefault");
                paste(text);
            }
        }
    });
    listen(app_, "contextmenu", [this](const val& e) {
        // A spinner keeps a long touch for its arrows.
        if (e["defaultPrevented"].as<bool>()) {
            return;
        }
        e.call<void>("preventDefault");
        open_menu(e["clientX"].as<double>(), e["clientY"].as<double>());
    });
    watch_long_press();
    listen(document(), "visibilitychange", [this](const val&) {
        if (document()["hidden"].as<bool>()) {
            sound_.stop();
        }
    });
    listen(window, "pagehide", [this](const val&) { sound_.stop(); });
    // The browser's own print command, too.
    listen(window, "beforeprint", [this](const val&) { caption(address_.link()); });
    listen(window, "blur", [this](const val&) { close_menu(false); });
    listen(window, "resize", [this](const val&) { close_menu(false); });
    val capture = val::object();
    capture.set("capture", true);
    document().call<void>("addEventListener", val("pointerdown"), callback([this](const val& e) {
                              if (menu_open() && !menu_.call<bool>("contains", e["target"])) {
                                  close_menu(false);
                              }
                          }),
                          capture);
}

void Actions::follow() {
    address_.follow();
}

// In the sheet's top margin, where it takes nothing from the window's room.
// Set just before printing: a new sheet makes the browser look at the page's
// style again, which a press should not pay for.
// A sheet of its own, which the page's policy allows as it allows the CSSOM,
// and whose replaceSync drops what an older browser cannot read.
void Actions::caption(const std::string& link) {
    const val& window = browser_window();
    if (link == captioned_ || window["CSSStyleSheet"].isUndefined() ||
        window["CSS"].isUndefined() || document()["adoptedStyleSheets"].isUndefined()) {
        return;
    }
    captioned_ = link;
    if (print_sheet_.isUndefined()) {
        print_sheet_ = val::global("CSSStyleSheet").new_();
        val sheets = val::array();
        sheets.call<void>("push", print_sheet_);
        val page = document();
        page.set("adoptedStyleSheets", sheets);
    }
    const std::string text = window["CSS"].call<std::string>("escape", val(link));
    print_sheet_.call<void>("replaceSync", val("@page { @top-center { content: \"" + text +
                                               "\"; font: 9pt sans-serif; color: #000; } }"));
}

void Actions::build_menu() {
    menu_ = make("div", "");
    menu_.set("id", "wave-menu");
    set_attribute(menu_, "role", "menu");
    set_attribute(menu_, "lang", language_ == Language::English ? "en" : "ja");
    set_attribute(menu_, "aria-label", language_ == Language::English ? "Actions" : "操作");
    menu_.set("hidden", true);
    for (const ActionName& a : action_names()) {
        val item = make("div", "item");
        set_attribute(item, "role", "menuitem");
        item.set("tabIndex", -1);
        std::string shortcut(a.keys);
        shortcut.replace(0, 4, "Control");
        set_attribute(item, "aria-keyshortcuts", shortcut);
        val name = make("span", "name");
        name.set("textContent", std::string(a.name(language_)));
        val keys = make("span", "keys");
        keys.set("textContent", std::string(a.keys));
        item.call<void>("append", name);
        item.call<void>("append", keys);
        const Action action = a.action;
        listen(item, "click", [this, action](const val&) { run(action); });
        listen(item, "pointermove", [item](const val&) { item.call<void>("focus"); });
        menu_.call<void>("append", item);
        items_.emplace_back(action, item);
    }
    listen(menu_, "contextmenu", [](const val& e) { e.call<void>("preventDefault"); });
    document()["body"].call<void>("append", menu_);

    message_ = make("div", "");
    message_.set("id", "wave-message");
    set_attribute(message_, "role", "alert");
    message_.set("hidden", true);
    document()["body"].call<void>("append", message_);
}

bool Actions::menu_open() const {
    return !menu_.isUndefined() && !menu_["hidden"].as<bool>();
}

void Actions::open_menu(double x, double y) {
    if (!menu_open()) {
        opener_ = document()["activeElement"];
    }
    for (auto& [action, item] : items_) {
        bool shown = true;
        if (action == Action::PlaySound) {
            shown = !sound_.playing();
        } else if (action == Action::StopSound) {
            shown = sound_.playing();
        }
        item.set("hidden", !shown);
        if (action == Action::PasteSetup) {
            set_attribute(item, "aria-disabled", clipboard_has("readText") ? "false" : "true");
        }
    }
    menu_.set("hidden", false);
    // As large as the window's own text, and kept inside the viewport.
    const double scale =
        app_.call<val>("getBoundingClientRect")["width"].as<double>() / kClientWidth;
    set_style(menu_, "transform", "scale(" + std::to_string(scale) + ")");
    const double width = menu_["offsetWidth"].as<double>() * scale;
    const double height = menu_["offsetHeight"].as<double>() * scale;
    const double room_x = browser_window()["innerWidth"].as<double>() - width;
    const double room_y = browser_window()["innerHeight"].as<double>() - height;
    set_style(menu_, "left", css_px(std::max(0.0, std::min(x, room_x))));
    set_style(menu_, "top", css_px(std::max(0.0, std::min(y, room_y))));
    move_in_menu(0);
}

void Actions::close_menu(bool refocus) {
    if (!menu_open()) {
        return;
    }
    menu_.set("hidden", true);
    if (refocus && !opener_.isNull() && !opener_.isUndefined()) {
        opener_.call<void>("focus");
    }
    opener_ = val::null();
}

// by 0: the first item; otherwise that many items on from the focused one, round.
void Actions::move_in_menu(int by) {
    std::vector<val> shown;
    int at = -1;
    const val focused = document()["activeElement"];
    for (auto& [action, item] : items_) {
        if (!item["hidden"].as<bool>()) {
            if (item.strictlyEquals(focused)) {
                at = static_cast<int>(shown.size());
            }
            shown.push_back(item);
        }
    }
    const int n = static_cast<int>(shown.size());
    int next = 0;
    if (by != 0 && at >= 0) {
        next = ((at + by) % n + n) % n;
    } else if (by < 0) {
        next = n - 1;
    }
    shown.at(static_cast<std::size_t>(next)).call<void>("focus");
}

void Actions::menu_key(const val& e) {
    const std::string k = e["key"].as<std::string>();
    if (k == "ArrowDown") {
        move_in_menu(1);
    } else if (k == "ArrowUp") {
        move_in_menu(-1);
    } else if (k == "Home") {
        move_in_menu(0);
    } else if (k == "End") {
        move_in_menu(0);
        move_in_menu(-1);
    } else if (k == "Enter" || k == " ") {
        const val focused = document()["activeElement"];
        for (auto& [action, item] : items_) {
            if (item.strictlyEquals(focused)) {
                run(action);
                break;
            }
        }
    } else if (k == "Escape" || k == "Tab") {
        close_menu(true);
    } else if (k != "ContextMenu" && chord(e) != "Shift+F10") {
        return;
    }
    e.call<void>("preventDefault");
}

void Actions::key(const val& e) {
    if (menu_open()) {
        menu_key(e);
        if (e["defaultPrevented"].as<bool>()) {
            return;
        }
        close_menu(true);
    }
    const std::string pressed = chord(e);
    if (e["key"].as<std::string>() == "ContextMenu" || pressed == "Shift+F10") {
        e.call<void>("preventDefault");
        const val focused = document()["activeElement"];
        val box = app_.call<val>("getBoundingClientRect");
        if (app_.call<bool>("contains", focused)) {
            box = focused.call<val>("getBoundingClientRect");
            open_menu(box["left"].as<double>(), box["bottom"].as<double>());
        } else {
            open_menu(box["left"].as<double>() + box["width"].as<double>() / 2,
                      box["top"].as<double>() + box["height"].as<double>() / 2);
        }
        return;
    }
    if (e["altKey"].as<bool>() || e["repeat"].as<bool>()) {
        return;
    }
    for (const ActionName& a : action_names()) {
        if (a.keys != pressed) {
            continue;
        }
        // Ctrl+V is left to the browser, whose paste event carries the text
        // without asking for the clipboard.
        if (a.action == Action::PasteSetup) {
            return;
        }
        e.call<void>("preventDefault");
        const bool sound = a.action == Action::PlaySound || a.action == Action::StopSound;
        run(sound ? (sound_.playing() ? Action::StopSound : Action::PlaySound) : a.action);
        return;
    }
}

void Actions::run(Action action) {
    close_menu(true);
    switch (action) {
    case Action::CopySetup:
        copy_text(address_.link());
        break;
    case Action::PasteSetup:
        if (clipboard_has("readText")) {
            static const val got = callback([this](const val& text) {
                if (text.isString()) {
                    const std::string s = text.as<std::string>();
                    if (s.find('=') != std::string::npos) {
                        paste(s);
                    }
                }
            });
            browser_window()["navigator"]["clipboard"]
                .call<val>("readText")
                .call<void>("then", got, ignore_outcome());
        }
        break;
    case Action::SaveCsv:
        save_csv();
        break;
    case Action::CopyPicture:
        copy_picture();
        break;
    case Action::Print:
        caption(address_.link());
        browser_window().call<void>("print");
        break;
    case Action::PlaySound:
        sound_.play();
        break;
    case Action::StopSound:
        sound_.stop();
        break;
    }
}

void Actions::paste(const std::string& text) {
    address_.apply(text);
}

void Actions::save_csv() {
    const val url = browser_window()["URL"];
    if (!download_.isNull()) {
        url.call<void>("revokeObjectURL", download_);
    }
    val parts = val::array();
    parts.call<void>("push", val(samples_csv(form_.settings)));
    val type = val::object();
    type.set("type", "text/csv;charset=utf-8");
    download_ = url.call<val>("createObjectURL", val::global("Blob").new_(parts, type));
    val link = create_element("a");
    link.set("href", download_);
    link.set("download", samples_file_name(form_.settings));
    link.call<void>("click");
}

void Actions::copy_text(const std::string& text) {
    if (clipboard_has("writeText")) {
        browser_window()["navigator"]["clipboard"]
            .call<val>("writeText", val(text))
            .call<void>("then", ignore_outcome(), ignore_outcome());
    }
}

void Actions::copy_picture() {
    const val& window = browser_window();
    if (!clipboard_has("write") || window["ClipboardItem"].isUndefined() ||
        window["OffscreenCanvas"].isUndefined()) {
        return;
    }
    // The item takes the promise of a PNG, so the clipboard is asked while
    // the key press still counts as the user's.
    val types = val::object();
    types.set("image/png", window_picture(app_).call<val>("convertToBlob"));
    val items = val::array();
    items.call<void>("push", val::global("ClipboardItem").new_(types));
    window["navigator"]["clipboard"]
        .call<val>("write", items)
        .call<void>("then", ignore_outcome(), ignore_outcome());
}

void Actions::say(std::string_view message) {
    message_.set("textContent", std::string(message));
    set_attribute(message_, "lang", language_ == Language::English ? "en" : "ja");
    message_.set("hidden", false);
    message_timer_.start(6'000'000);
}

} // namespace web
