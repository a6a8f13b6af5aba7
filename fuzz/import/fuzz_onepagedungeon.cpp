// Any bytes as a one-page dungeon: refused with a reason, or read into a plan
// whose lines match its grid and whose picture fits the map picture limit;
// small plans are drawn.
#include "import/onepagedungeon.h"
#include "plan/plandrawing.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Import;
    const OnePageRead read = parseOnePageDungeon(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read.ok() == !read.error.isEmpty())
        std::abort();
    if (!read.ok())
        return 0;
    const OnePagePlan plan = planOf(read.dungeon);
    const QSize picture = plan.pictureSize();
    if (picture.width() > 8192 || picture.height() > 8192 || plan.grid.pitch < 1
        || plan.lines.size() != 2 * plan.grid.rows + 1)
        std::abort();
    for (const QString &line : plan.lines) {
        if (line.size() != 2 * plan.grid.columns + 1)
            std::abort();
    }
    if (picture.width() * picture.height() <= 1024 * 1024) {
        QImage image(picture, QImage::Format_RGB32);
        image.fill(PlanDrawing::Ground);
        QPainter painter(&image);
        PlanDrawing::drawPlan(painter, plan.lines, plan.grid);
    }
    return 0;
}
