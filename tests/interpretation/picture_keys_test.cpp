#include "interpretation/picture_keys.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

TEST(PictureFileStem, LowerCaseWithHyphensForSpaces) {
    const struct {
        const char* key;
        const char* stem;
    } cases[] = {
        {"Ashwini", "ashwini"},
        {"Poorva Phalguni", "poorva-phalguni"},
        {"Uttara Bhadrapada", "uttara-bhadrapada"},
        {"Sagittarius", "sagittarius"},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureFileStem(c.key), c.stem);
}

}  // namespace
}  // namespace grahavani
