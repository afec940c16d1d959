// SPDX-License-Identifier: MIT
#include "qt/language.h"

#include <QLocale>

#include <string>
#include <vector>

namespace desktop {

wave::Language window_language() {
    const QLocale system = QLocale::system();
    // No locale chosen at all: the program's messages stay in English.
    if (system.language() == QLocale::C) {
        return wave::Language::English;
    }
    std::vector<std::string> preferred;
    for (const QString& name : system.uiLanguages()) {
        preferred.push_back(name.toStdString());
    }
    return wave::pick_language(preferred);
}

} // namespace desktop
