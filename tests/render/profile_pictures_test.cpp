#include "render/profile_pictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "render/fonts.h"
#include "render/offscreen_gui.h"

namespace grahavani {
namespace {

QImage Drawn(const QString& path, const QString& lettering) {
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_TRUE(PaintPicture(painter, path, QRectF(0, 0, 200, 200), lettering));
    return image;
}

bool SameRows(const QImage& one, const QImage& other, int from, int to) {
    for (int y = from; y < to; ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y)) return false;
        }
    }
    return true;
}

// The name across a nakshatra's picture, short or long, takes the reader's script; the picture
// under it stays as it is.
TEST(ProfilePictures, ANakshatraIsLetteredInTheScriptGivenAndTheRestStays) {
    EnsureOffscreenGui();
    RegisterFontSubstitutes();
    const struct {
        const char* nakshatra;
        QString lettering;
    } cases[] = {{"Anuradha", QStringLiteral("अनुराधा")},
                 {"Uttara Bhadrapada", QStringLiteral("உத்திரட்டாதி")}};  // squeezed in English too
    for (const auto& c : cases) {
        const QString path = PicturePath(ImageList::Nakshatra, c.nakshatra);
        const QImage own = Drawn(path, {});
        const QImage lettered = Drawn(path, c.lettering);
        EXPECT_FALSE(SameRows(own, lettered, 10, 45)) << c.nakshatra;
        EXPECT_TRUE(SameRows(own, lettered, 60, 200)) << c.nakshatra;
    }
}

}  // namespace
}  // namespace grahavani
