// The label raster of the kit against Qt's painter: labels were painted with
// QPainter in an unsmoothed "Arial" before the command line stopped loading Qt,
// and the font raster that replaced it must paint the same pixels.
#include <QtTest>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <random>

#include "preview3d/font_text_raster.h"
#include "qtshell/windows1252.h"
#include "support/modal_windows.h"

namespace lumtrak::testing {
namespace {

// Qt's painting of a label: the font whose cell (ascent plus descent) is 32
// pixels, white on black without smoothing, centred at the top, '&' marking
// the underlined character.
preview3d::MonoBitmap PaintWithQt(std::string_view text, int width, int height) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(32);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    font.setPixelSize(std::max(1, qRound(32 * 32 / cell)));

    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(Qt::white);
        painter.setFont(font);
        painter.drawText(
            QRect(0, 0, width, height), Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
            qtshell::DecodeWindows1252(QByteArrayView(text.data(), qsizetype(text.size()))));
    }
    preview3d::MonoBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    for (int y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < width; ++x)
            bitmap.bits.push_back(row[x] >= 128 ? 1 : 0);
    }
    return bitmap;
}

QByteArray Show(const preview3d::MonoBitmap& expected, const preview3d::MonoBitmap& painted) {
    QByteArray picture;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const bool want = expected.At(x, y);
            const bool got = painted.At(x, y);
            picture += want == got ? (want ? '#' : '.') : (want ? 'Q' : 'M');
        }
        picture += '\n';
    }
    return picture;
}

}  // namespace

class TextRasterTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(raster_.HasFont()); }

    void labelsAsQtPaintedThem_data() {
        QTest::addColumn<QByteArray>("text");
        const char* texts[] = {"D40122",
                               "A&B",
                               "&&",
                               "x&",
                               "&A&B&C",
                               "a&&b&c",
                               "W&AVE",
                               "WA&VE",
                               "T&o",
                               "Wagon 12",
                               "WAVE To",
                               "gjpqy",
                               "Hello, World!",
                               "ijl1|",
                               "  lead",
                               "trail  ",
                               "\t tab",
                               "cr\rhere",
                               "line\nbreak",
                               "a \x0c\nb",
                               "a\r\nb",
                               "1\n2\n3",
                               "&\n&a",
                               "\xA3"
                               "5 \x80"
                               "3 \xE9\xE8\xFC",
                               "\x81\x8D\x8F\x90\x9D",
                               "a\xAD"
                               "b",
                               "M\x0C\xADN",
                               "MMMMMMMMMMMMMMMMMMMM",
                               "%d",
                               ""};
        int row = 0;
        for (const char* text : texts)
            QTest::addRow("text %d", row++) << QByteArray(text);
        QTest::addRow("zero byte") << QByteArray("a\0b", 3);
    }

    void labelsAsQtPaintedThem() {
        QFETCH(QByteArray, text);
        const std::string_view label(text.constData(), std::size_t(text.size()));
        for (const auto& [width, height] : {std::pair{256, 64},
                                            {128, 32},
                                            {64, 64},
                                            {40, 8},
                                            {31, 33},
                                            {1, 1},
                                            {255, 63},
                                            {512, 40},
                                            {100, 100}}) {
            const auto expected = PaintWithQt(label, width, height);
            const auto painted = raster_.PaintText(label, width, height);
            QVERIFY2(painted.bits == expected.bits,
                     (QByteArray::number(width) + "x" + QByteArray::number(height) + "\n" +
                      Show(expected, painted))
                         .constData());
        }
    }

    // Every byte value, and short texts of random bytes, '&' and line ends.
    void everyCharacterAndRandomTexts() {
        for (int byte = 1; byte < 256; ++byte) {
            const std::string label = std::string(2, char(byte)) + "8";
            QVERIFY2(raster_.PaintText(label, 96, 40).bits == PaintWithQt(label, 96, 40).bits,
                     QByteArray::number(byte).constData());
        }
        std::mt19937 random(7);
        const std::string common = "&&&&&&&&&&\n\t\rAVWTYLoa.,";
        for (int i = 0; i < 300; ++i) {
            std::string label;
            const auto length = 1 + random() % 14;
            for (std::size_t c = 0; c < length; ++c) {
                label += random() % 3 == 0 ? common[random() % common.size()]
                                           : char(0x20 + random() % 0xE0);
            }
            const int width = int(8 + random() % 300);
            const int height = int(8 + random() % 120);
            const auto expected = PaintWithQt(label, width, height);
            QVERIFY2(raster_.PaintText(label, width, height).bits == expected.bits,
                     QByteArray::fromStdString(label).toHex().constData());
        }
    }

  private:
    preview3d::FontTextRaster raster_;
};

}  // namespace lumtrak::testing

LUMTRAK_GUI_TEST_MAIN(lumtrak::testing::TextRasterTest)
#include "text_raster_test.moc"
