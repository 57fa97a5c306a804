#include <QtTest>

#include "qtshell/qt_text_raster.h"
#include "support/modal_windows.h"

namespace lumtrak::testing {

// The extent of what was painted.
struct Ink {
    int left = 1 << 30;
    int right = -1;
    int top = 1 << 30;
    int bottom = -1;
};

Ink InkOf(const preview3d::MonoBitmap& bitmap) {
    Ink ink;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (!bitmap.At(x, y)) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

class TextRasterTest : public QObject {
    Q_OBJECT

  private slots:
    void labelsStandCentredAtTheTopInA32PixelCell() {
        qtshell::QtTextRaster raster;
        const auto bitmap = raster.PaintText("D40122", 256, 64);
        QCOMPARE(bitmap.width, 256);
        QCOMPARE(int(bitmap.bits.size()), 256 * 64);
        const Ink ink = InkOf(bitmap);
        QVERIFY(ink.right > ink.left);
        // Digits stand within the cell's first 32 rows, from near its top.
        QVERIFY(ink.top < 12);
        QVERIFY(ink.bottom < 32);
        QVERIFY(ink.bottom - ink.top > 15);
        // Centred across: the margins differ by little.
        QVERIFY(std::abs(ink.left - (255 - ink.right)) <= 3);
    }

    void anAmpersandUnderlinesAndTextIsClipped() {
        qtshell::QtTextRaster raster;
        const Ink plain = InkOf(raster.PaintText("AB", 128, 64));
        const Ink underlined = InkOf(raster.PaintText("A&B", 128, 64));
        QVERIFY(underlined.bottom > plain.bottom);
        QVERIFY(std::abs((underlined.right - underlined.left) - (plain.right - plain.left)) <= 2);

        const auto wide = raster.PaintText("MMMMMMMMMMMMMMMMMMMM", 40, 8);
        QCOMPARE(int(wide.bits.size()), 40 * 8);
        QVERIFY(raster.PaintText("", 16, 16).bits.size() == 256u);
        QVERIFY(raster.PaintText("x", 0, 16).bits.empty());
    }
};

}  // namespace lumtrak::testing

LUMTRAK_GUI_TEST_MAIN(lumtrak::testing::TextRasterTest)
#include "text_raster_test.moc"
