// The command line paints the 2D drawing's PNG with the core's raster canvas,
// the preview window with Qt's painter: both must give the same pixels, for the
// drawings of the samples and of the loader's fuzz corpus in many views, and
// for figures far outside the picture.
#include <QtTest>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/tick_source.h"
#include "preview2d/drawing.h"
#include "preview2d/raster_canvas.h"
#include "preview2d/recording_canvas.h"
#include "qtshell/painter_canvas.h"
#include "support/loader_fuzz_input.h"
#include "support/modal_windows.h"

namespace lumtrak::testing {
namespace {

// The records painted onto both canvases; the first pixel where they differ,
// if any.
std::optional<QPoint> FirstDifference(const std::vector<preview2d::PaintRecord>& records, int width,
                                      int height) {
    QImage image(width, height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        qtshell::PainterCanvas painted(painter);
        painted.FillBackground(preview2d::kBlack);
        preview2d::ReplayRecords(records, painted);
    }
    preview2d::RasterCanvas raster(width, height);
    raster.FillBackground(preview2d::kBlack);
    preview2d::ReplayRecords(records, raster);
    const auto& pixels = raster.Picture().pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) != pixels[std::size_t(y * width + x)]) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::filesystem::path> Definitions() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(LUMTRAK_SAMPLES_DIR "/Stock")) {
        if (entry.path().extension() == ".stk") files.push_back(entry.path());
    }
    for (const auto& entry : std::filesystem::directory_iterator(LUMTRAK_LOADER_CORPUS)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

class RasterCanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void drawingsOfSamplesAndCorpusInEveryView() {
        const auto files = Definitions();
        QVERIFY(files.size() > 10);
        int drawings = 0;
        for (const auto& file : files) {
            const std::string text = SplitLoaderFuzzInput(ReadFile(file)).definition;
            for (int view = 0; view < 24; ++view) {
                const auto frame = std::array{std::pair{246, 162}, std::pair{645, 491},
                                              std::pair{20, 20}}[view % 3];
                platform::FixedTickSource ticks(std::uint32_t(view) * 1130);
                preview2d::DrawingState state(ticks);
                state.drawingRect = preview2d::DrawingRectForFrame(frame.first, frame.second);
                preview2d::PreviewOptions options;
                options.direction = preview2d::ViewDirection(view % 4);
                options.rotate = view >= 12;
                options.showAxis = view % 2 == 0;
                platform::NullMessageSink messages;
                model::IncludeCache includes{model::PartIndexReader{}};
                model::LoadEnvironment environment(messages, model::TextureRegistry::Process(),
                                                   includes);
                preview2d::RecordingCanvas records;
                preview2d::DrawDefinitionPreview(state, environment, text, 0, records, options, {});
                const auto size = preview2d::BitmapSizeForFrame(frame.first, frame.second);
                const auto difference = FirstDifference(records.Records(), size.width, size.height);
                QVERIFY2(!difference, qPrintable(QString("%1, view %2: pixel %3,%4")
                                                     .arg(QString::fromStdString(file.string()))
                                                     .arg(view)
                                                     .arg(difference->x())
                                                     .arg(difference->y())));
                ++drawings;
            }
        }
        QCOMPARE(drawings, int(files.size()) * 24);
    }

    // Fills and closed outlines with corners anywhere the drawing can put them,
    // on small pictures, so that most edges are clipped; and flat ones, whose
    // slopes are steep in fixed point.
    void figuresFarOutsideThePicture() {
        std::mt19937 random(11);
        for (int i = 0; i < 3000; ++i) {
            const int width = int(8 + random() % 40);
            const int height = int(8 + random() % 40);
            const int span = std::array{60, 500, 32776}[i % 3];
            const bool flat = i % 7 == 0;
            preview2d::PaintRecord record;
            record.op = random() % 2 ? preview2d::PaintOp::Fill : preview2d::PaintOp::Stroke;
            record.closed = true;
            record.colour = 0x00FF00;
            const auto corners = 2 + random() % 3;
            for (std::size_t c = 0; c < corners; ++c) {
                const int x = int(random() % std::uint32_t(2 * span)) - span;
                const int y =
                    flat ? int(random() % 60) - 10 : int(random() % std::uint32_t(2 * span)) - span;
                record.points.push_back({x, y});
            }
            const auto difference = FirstDifference({record}, width, height);
            QVERIFY2(!difference, qPrintable(QString("figure %1: pixel %2,%3")
                                                 .arg(i)
                                                 .arg(difference->x())
                                                 .arg(difference->y())));
        }
    }
};

}  // namespace lumtrak::testing

LUMTRAK_GUI_TEST_MAIN(lumtrak::testing::RasterCanvasTest)
#include "raster_canvas_test.moc"
