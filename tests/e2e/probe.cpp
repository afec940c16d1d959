// SPDX-License-Identifier: MIT
// Reads a screenshot for the end-to-end scripts:
//   probe pixel FILE X Y            prints the colour as RRGGBB
//   probe wave FILE X0 Y0 W H RRGGBB YTOP SPAN AMP HZ cos|sin
//       checks that the plot whose drawing area starts at (X0, Y0), W x H
//       pixels, shows the wave AMP * cos|sin(2 pi HZ t) over SPAN seconds in
//       that colour, within one row, at a spread of columns; scale +-YTOP.
//       Four more numbers name a rectangle of the area (left top right bottom)
//       covered by labels, where the wave is not looked for.
#include "ui/user_scale.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace wave;

namespace {

int usage() {
    std::fprintf(stderr, "usage: probe pixel FILE X Y | probe wave FILE X0 Y0 W H RRGGBB YTOP SPAN "
                         "AMP HZ cos|sin [L T R B]\n");
    return 2;
}

QImage load(const char* file) {
    QImage image(QString::fromLocal8Bit(file));
    if (image.isNull()) {
        std::fprintf(stderr, "probe: cannot read %s\n", file);
        std::exit(2);
    }
    return image;
}

int check_wave(char** a) {
    const QImage image = load(a[0]);
    const int x0 = std::atoi(a[1]), y0 = std::atoi(a[2]), w = std::atoi(a[3]), h = std::atoi(a[4]);
    const QRgb colour = 0xFF000000u | static_cast<QRgb>(std::strtoul(a[5], nullptr, 16));
    const double ytop = std::atof(a[6]), span = std::atof(a[7]), amp = std::atof(a[8]),
                 hz = std::atof(a[9]);
    const bool cosine = std::string(a[10]) == "cos";
    const double pi = 3.14159;
    const UserScale scale{0, ytop, 2 * pi * span, -ytop, w, h};

    QRect covered;
    if (a[11] != nullptr) {
        covered = QRect(QPoint(std::atoi(a[11]), std::atoi(a[12])),
                        QPoint(std::atoi(a[13]), std::atoi(a[14])));
    }

    int failures = 0;
    for (int col = 2; col < w - 2; col += 7) {
        const double x = scale.fromPixel(col, 0).x;
        const double y = amp * (cosine ? std::cos(hz * x) : std::sin(hz * x));
        const int row = scale.toPixel(x, y).row;
        if (row < 1 || row > h - 2 || covered.contains(col, row)) {
            continue; // not shown there
        }
        bool found = false;
        for (int r = row - 1; r <= row + 1 && !found; ++r) {
            found = image.pixel(x0 + col, y0 + r) == colour;
        }
        if (!found) {
            std::printf("column %d: no %06X pixel near row %d\n", col, colour & 0xFFFFFFu, row);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    if (command == "pixel" && argc == 5) {
        const QImage image = load(argv[2]);
        const QColor c = image.pixelColor(std::atoi(argv[3]), std::atoi(argv[4]));
        std::printf("%02X%02X%02X\n", c.red(), c.green(), c.blue());
        return 0;
    }
    if (command == "wave" && (argc == 13 || argc == 17)) {
        return check_wave(argv + 2);
    }
    return usage();
}
