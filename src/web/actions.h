// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "frontend/action_names.h"
#include "frontend/long_touch.h"
#include "web/address.h"
#include "web/events.h"
#include "web/sound.h"

#include <emscripten/val.h>

#include <string>
#include <utility>
#include <vector>

namespace web {

// What the window offers beyond its controls: the set-up in the address and
// on the clipboard, the samples as a CSV download, the window as a picture,
// print, and the sum as sound; each on its key and in a context menu of the
// window, named in the browser's language.
class Actions {
public:
    Actions(wave::Form1& form, const wave::FormControls& controls, emscripten::val app);

    // After Form_Load: the address's set-up, then keys and menu.
    void start();
    // After each event.
    void follow();

private:
    void run(wave::Action action);
    void build_menu();
    void watch_long_press();
    void open_menu(double x, double y);
    void close_menu(bool refocus);
    bool menu_open() const;
    void menu_key(const emscripten::val& event);
    void move_in_menu(int by);
    void key(const emscripten::val& event);
    void paste(const std::string& text);
    void save_csv();
    void copy_text(const std::string& text);
    void copy_picture();
    void say(std::string_view message);
    void caption(const std::string& link);

    wave::Form1& form_;
    emscripten::val app_;
    wave::Language language_;
    Address address_;
    Sound sound_;
    emscripten::val menu_ = emscripten::val::undefined();
    std::vector<std::pair<wave::Action, emscripten::val>> items_;
    emscripten::val opener_ = emscripten::val::null(); // focused before the menu opened
    emscripten::val message_ = emscripten::val::undefined();
    Timer message_timer_;
    // A touch held still opens the menu, where the browser does not.
    Timer touch_timer_;
    wave::LongTouch long_touch_;
    bool swallow_click_ = false;                         // the click that ends a long press
    emscripten::val download_ = emscripten::val::null(); // the last CSV's object URL
    // A printed sheet names its set-up in its top margin.
    emscripten::val print_sheet_ = emscripten::val::undefined();
    std::string captioned_;
};

} // namespace web
