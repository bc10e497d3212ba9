// The pictures of the wizard's plant-description pages, drawn at build time from their
// SVG sources: each at its size, a real drawing, and no two alike.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include <string>
#include <vector>

#include "support/orvqt_workdir.h"

namespace {

struct Picture {
  const char* file;
  int width;   // exact, or the largest allowed with `atMost`
  int height;
  bool atMost;
};

const Picture kPictures[] = {
    {"condenseur_air.png", 96, 96, false}, {"echangeur.png", 96, 96, false},
    {"Type_reservoir.png", 600, 120, false}, {"RVD.png", 200, 390, true},
    {"RHD2.png", 200, 390, true},          {"RVH.png", 200, 390, true},
    {"RHL_RHI.png", 200, 390, true},       {"NH1A.png", 200, 390, false},
    {"RV1Alarme.png", 200, 390, false},
};

int colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
  return seen.size();
}

}  // namespace

TEST(WizardPictures, EachIsADrawingOfItsSizeAndNoneEqualsAnother) {
  std::vector<QImage> drawn;
  for (const Picture& p : kPictures) {
    SCOPED_TRACE(p.file);
    QImage image(QString::fromStdString(orvqtBuildDir() + "/gui_images/" + p.file));
    ASSERT_FALSE(image.isNull());
    if (p.atMost) {
      EXPECT_LE(image.width(), p.width);
      EXPECT_LE(image.height(), p.height);
    } else {
      EXPECT_EQ(image.width(), p.width);
      EXPECT_EQ(image.height(), p.height);
    }
    EXPECT_GE(colours(image), 4);
    for (const QImage& other : drawn) EXPECT_NE(image, other);
    drawn.push_back(image);
  }
}

// The values the pages write over a picture fall on plain background: one colour where
// each label's text goes (page coordinates less the picture label's corner; Diamtext is
// wider than the receiver, its centred text is not).
TEST(WizardPictures, ValueLabelsFallOnPlainBackground) {
  const struct {
    const char* file;
    QRect place;
  } places[] = {
      {"RVD.png", QRect(55, 168, 91, 25)},       // Diamtext, "2000 mm" centred
      {"RHD2.png", QRect(55, 168, 91, 25)},
      {"RVH.png", QRect(160, 160, 40, 45)},      // label_hauteur, vertical layout
      {"RHL_RHI.png", QRect(50, 100, 111, 45)},  // label_hauteur, horizontal layout
      {"RHL_RHI.png", QRect(10, 230, 61, 16)},   // label_Angle
      {"RHL_RHI.png", QRect(180, 240, 20, 41)},  // label_inclinaison
  };
  for (const auto& p : places) {
    SCOPED_TRACE(p.file);
    QImage image(QString::fromStdString(orvqtBuildDir() + "/gui_images/" + p.file));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(colours(image.copy(p.place)), 1);
  }
}
