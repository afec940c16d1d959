// SPDX-License-Identifier: MIT
#include "frontend/label_fit.h"
#include "qt/value_label.h"
#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace wave;
using namespace desktop;

namespace {

const QColor kBackground(0xC0, 0xFF, 0xFF);
const QColor kInk(0xFF, 0, 0);

auto rowName = [](const auto& row) { return std::string(row.param.name); };

// A size in points, or in pixels where one is given, as the window sets them.
QFont font(const char* family, double points, int pixels = 0) {
    QFont f(QString::fromLatin1(family));
    if (pixels > 0) {
        f.setPixelSize(pixels);
    } else {
        f.setPointSizeF(points);
    }
    return f;
}

double sizeOf(const QFont& f) {
    return f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF();
}

template <typename L> void dress(L& label, const QFont& f, QSize size) {
    label.setFont(f);
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.resize(size);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kInk);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(kBackground);
    widget.render(&image);
    return image;
}

// First and last column holding ink.
std::optional<std::pair<int, int>> inkColumns(const QImage& image) {
    std::optional<std::pair<int, int>> found;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != kBackground) {
                found = std::pair(found ? found->first : x, x);
                break;
            }
        }
    }
    return found;
}

// Columns of ink of the text with nothing to clip it.
int freeInkWidth(const QString& text, const QFont& f) {
    const QFontMetrics metrics(f);
    QImage image(metrics.horizontalAdvance(text) + 40, metrics.height() + 20,
                 QImage::Format_ARGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setFont(f);
    painter.setPen(kInk);
    painter.drawText(QPointF(20, 10 + metrics.ascent()), text);
    painter.end();
    const auto columns = inkColumns(image);
    return columns ? columns->second - columns->first + 1 : 0;
}

// Every amplitude (0..10.9), and samples of frequencies and spans, which have
// no upper limit.
std::vector<std::string> amplitudes() {
    std::vector<std::string> texts;
    for (int a = 0; a <= 109; ++a) {
        texts.push_back(number_text(static_cast<float>(a) / 10.0f));
    }
    return texts;
}

std::vector<std::string> frequencies() {
    std::vector<std::string> texts = amplitudes();
    for (int f = 110; f < 12000; f += f < 300 ? 1 : 37) {
        texts.push_back(number_text(static_cast<float>(f) / 10.0f));
    }
    texts.insert(texts.end(), {"999.9", "888.8", "12345.6"});
    return texts;
}

std::vector<std::string> spans() {
    std::vector<std::string> texts;
    for (int t = 1; t <= 20000; t += t < 120 ? 1 : 53) {
        texts.push_back(std::to_string(t));
    }
    texts.insert(texts.end(), {"9999", "8888", "99999"});
    return texts;
}

struct FitCase {
    const char* name;
    QFont (*font)();
    QSize size;
    std::vector<std::string> (*texts)();
};

class ValueLabelFit : public testing::TestWithParam<FitCase> {};

TEST_P(ValueLabelFit, WholeTextStaysInsideTheLabel) {
    const FitCase& c = GetParam();
    ValueLabel label;
    const QFont normal = c.font();
    dress(label, normal, c.size);

    for (const std::string& text : c.texts()) {
        SCOPED_TRACE(text);
        label.Caption(text);
        const QString shown = QString::fromStdString(text);
        ASSERT_EQ(label.text(), shown);
        ASSERT_EQ(label.size(), c.size);

        const QFont& used = label.fittedFont();
        const int room = label.contentsRect().width();
        EXPECT_LE(QFontMetrics(used, &label).horizontalAdvance(shown), room);
        EXPECT_LE(QFontMetricsF(used, &label).boundingRect(shown).width(), room);
        EXPECT_GE(used == normal ? 100 : used.stretch(), wave::kMinStretch);
        EXPECT_LE(sizeOf(used), sizeOf(normal));

        // Clipping would narrow the ink below that of the same text drawn freely.
        const auto drawn = inkColumns(render(label));
        ASSERT_TRUE(drawn.has_value());
        EXPECT_GE(drawn->second - drawn->first + 1, freeInkWidth(shown, used) - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Labels, ValueLabelFit,
    testing::Values(
        FitCase{"AmplitudeSerif13px",
                [] { return font("Liberation Serif", 0, 13); },
                {17, 17},
                amplitudes},
        FitCase{"FrequencySerif13px",
                [] { return font("Liberation Serif", 0, 13); },
                {17, 17},
                frequencies},
        FitCase{"SpanSerif11px", [] { return font("Liberation Serif", 0, 11); }, {17, 17}, spans},
        FitCase{"SpanGothic13px", [] { return font("IPAPGothic", 0, 13); }, {25, 17}, spans},
        FitCase{"FrequencySerif975pt",
                [] { return font("Liberation Serif", 9.75); },
                {17, 17},
                frequencies},
        FitCase{"SpanSerif825pt", [] { return font("Liberation Serif", 8.25); }, {17, 17}, spans}),
    rowName);

enum class Expect { Normal, Condensed, Smaller };

struct ChoiceCase {
    const char* name;
    QFont (*font)();
    const char* text;
    Expect expect;
};

class ValueLabelChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ValueLabelChoice, ChangesTheFontOnlyAsFarAsNeeded) {
    const ChoiceCase& c = GetParam();
    ValueLabel label;
    const QFont normal = c.font();
    dress(label, normal, QSize(17, 17));
    label.Caption(c.text);
    const QFont& used = label.fittedFont();
    const int room = label.contentsRect().width();
    const qreal natural = QFontMetricsF(normal, &label).horizontalAdvance(label.text());

    EXPECT_EQ(used.family(), normal.family());
    switch (c.expect) {
    case Expect::Normal:
        EXPECT_EQ(used, normal);
        break;
    case Expect::Condensed:
        EXPECT_EQ(sizeOf(used), sizeOf(normal));
        // About as far as the widths ask; the ink box is in whole pixels.
        EXPECT_LE(used.stretch(), 100.0 * room / natural);
        EXPECT_GE(used.stretch(), 100.0 * room / natural - 8.0);
        break;
    case Expect::Smaller:
        // Only because the narrowest stretch was too wide at full size.
        EXPECT_GT(natural * wave::kMinStretch / 100.0, room);
        EXPECT_LT(sizeOf(used), sizeOf(normal));
        EXPECT_GE(used.stretch(), wave::kMinStretch);
        break;
    }
}

QFont serif13() {
    return font("Liberation Serif", 0, 13);
}
QFont serif975pt() {
    return font("Liberation Serif", 9.75);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueLabelChoice,
    testing::Values(ChoiceCase{"OneDigit", serif13, "1", Expect::Normal},
                    ChoiceCase{"Fraction", serif13, "0.5", Expect::Normal},
                    ChoiceCase{"Ten", serif13, "10", Expect::Normal},
                    ChoiceCase{"TenAndAHalf", serif13, "10.5", Expect::Condensed},
                    ChoiceCase{"Frequency", serif13, "999.9", Expect::Condensed},
                    ChoiceCase{"GothicSpan", [] { return font("IPAPGothic", 0, 13); }, "100",
                               Expect::Condensed},
                    ChoiceCase{"HugeFrequency", serif13, "12345.6", Expect::Smaller},
                    ChoiceCase{"PointsTenAndAHalf", serif975pt, "10.5", Expect::Condensed},
                    ChoiceCase{"PointsHugeFrequency", serif975pt, "12345.6", Expect::Smaller}),
    rowName);

struct ChangeCase {
    const char* name;
    const char* before;
    void (*change)(ValueLabel&);
    bool fitsAfter;
};

class ValueLabelRefit : public testing::TestWithParam<ChangeCase> {};

TEST_P(ValueLabelRefit, FollowsChangesAfterTheFirstFit) {
    const ChangeCase& c = GetParam();
    ValueLabel label;
    dress(label, serif13(), QSize(17, 17));
    label.Caption(c.before);
    ASSERT_EQ(label.fittedFont() == label.font(), !c.fitsAfter);

    c.change(label);
    EXPECT_EQ(label.fittedFont() == label.font(), c.fitsAfter);
    const int room = label.contentsRect().width() - std::max(label.indent(), 0);
    EXPECT_LE(QFontMetrics(label.fittedFont(), &label).horizontalAdvance(label.text()), room);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ValueLabelRefit,
    testing::Values(
        ChangeCase{"ShorterCaption", "10.5", [](ValueLabel& l) { l.Caption("0.5"); }, true},
        ChangeCase{"SetTextBypassingCaption", "10.5", [](ValueLabel& l) { l.setText("7"); }, true},
        ChangeCase{"SmallerFont", "10.5",
                   [](ValueLabel& l) { l.setFont(font("Liberation Serif", 0, 7)); }, true},
        ChangeCase{"Wider", "10.5", [](ValueLabel& l) { l.resize(40, 17); }, true},
        ChangeCase{"LongerCaption", "0.5", [](ValueLabel& l) { l.Caption("10.9"); }, false},
        ChangeCase{"LargerFont", "0.5",
                   [](ValueLabel& l) { l.setFont(font("Liberation Serif", 0, 16)); }, false},
        ChangeCase{"Narrower", "0.5", [](ValueLabel& l) { l.resize(14, 17); }, false},
        ChangeCase{"Margins", "0.5", [](ValueLabel& l) { l.setContentsMargins(3, 0, 0, 0); },
                   false},
        ChangeCase{"Indent", "0.5", [](ValueLabel& l) { l.setIndent(3); }, false}),
    rowName);

TEST(ValueLabel, LeadingDigitOfTenAndAHalfIsDrawn) {
    auto image = [](auto& label, const char* text) {
        dress(label, serif13(), QSize(17, 17));
        label.setText(QString::fromLatin1(text));
        return render(label);
    };

    // A plain label clips 10.5 to the very picture of 0.5: the wrong number.
    QLabel plainLong;
    QLabel plainShort;
    ASSERT_EQ(image(plainLong, "10.5"), image(plainShort, "0.5"));

    ValueLabel fittedLong;
    ValueLabel fittedShort;
    const QImage tenAndAHalf = image(fittedLong, "10.5");
    const QImage half = image(fittedShort, "0.5");
    EXPECT_NE(tenAndAHalf, half);
    // 0.5 fits, so it looks just like a plain label.
    EXPECT_EQ(half, image(plainShort, "0.5"));

    // The 1 stands at the left edge, ahead of where the clipped 0 began.
    const auto drawn = inkColumns(tenAndAHalf);
    const auto clipped = inkColumns(half);
    ASSERT_TRUE(drawn && clipped);
    EXPECT_LE(drawn->first, 2);
    EXPECT_LE(drawn->first, clipped->first);
    EXPECT_GE(drawn->second, 14);
}

TEST(ValueLabel, CaptionIsUtf8AndNeverMarkup) {
    ValueLabel label;
    label.Caption("\xE7\xA7\x92<b>"); // 秒<b>
    EXPECT_EQ(label.text(), QString(QChar(0x79D2)) + QStringLiteral("<b>"));
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}

} // namespace
