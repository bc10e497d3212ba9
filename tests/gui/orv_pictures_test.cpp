// The pictures the build draws from gui_images/src/: the 30 main-screen backgrounds and
// the icons, their sizes, that each is a drawing and not a flat colour, that the
// "_Echangeur" twins differ only in the condenser area, that no line of a drawing runs
// under a value the main screen writes over it, and that they carry no read-out plates.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QTextStream>

#include <map>
#include <string>
#include <vector>

#include "support/orvqt_workdir.h"

namespace {

QString picturePath(const QString& name) {
  return QString::fromStdString(orvqtBuildDir() + "/gui_images/") + name + QStringLiteral(".png");
}

QImage picture(const QString& name) {
  QImage image(picturePath(name));
  return image.convertToFormat(QImage::Format_RGB32);
}

// Background names of the table in gui_images/src/backgrounds.txt.
QStringList backgroundNames() {
  QFile table(QString::fromStdString(testSourceDir() + "/gui_images/src/backgrounds.txt"));
  EXPECT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
  QStringList names;
  QTextStream in(&table);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    names << line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
  }
  return names;
}

const char* const kBaseNames[] = {
    "ecran5P_test1", "ecran5P_test2", "ecran5P_test3",   "ecran5P_test",   "ecran5P_HI",
    "ecran5P_HI_DM", "ecran5P_HI_SF", "ecran5P_HI_DMSF", "ecran5P-1",      "ecran5P-2",
    "ecran5P-3",     "ecran5P",       "ecran5P_trans2",  "ecran5P_trans1_1", "ecran5P_trans1"};

const QRect kCondenserArea(QPoint(0, 30), QPoint(259, 209));

int distinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours.size();
}

TEST(orvPictures, EveryNamedPictureIsDrawnAtItsSize) {
  QStringList expected;
  for (const char* base : kBaseNames) {
    expected << QString::fromLatin1(base) << QString::fromLatin1(base) + QStringLiteral("_Echangeur");
  }
  QStringList table = backgroundNames();
  table.sort();
  expected.sort();
  EXPECT_EQ(table, expected);

  std::map<QByteArray, QString> seen;  // pixels -> name: no two backgrounds alike
  for (const QString& name : expected) {
    SCOPED_TRACE(name.toStdString());
    const QImage image = picture(name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 480));
    EXPECT_GE(distinctColours(image), 4);
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_EQ(seen.count(pixels), 0u) << "same as " << seen[pixels].toStdString();
    seen[pixels] = name;
  }

  for (const char* icon : {"ethernet_on", "ethernet_off", "wifi_on", "wifi_off",
                           "RS485_green_icon", "RS485_red_icon", "arrow", "delArrow"}) {
    SCOPED_TRACE(icon);
    const QImage image = picture(QString::fromLatin1(icon));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_GE(distinctColours(image), 4);
  }
}

TEST(orvPictures, ExchangerTwinsDifferOnlyInTheCondenserArea) {
  for (const char* base : kBaseNames) {
    SCOPED_TRACE(base);
    const QImage air = picture(QString::fromLatin1(base));
    const QImage water = picture(QString::fromLatin1(base) + QStringLiteral("_Echangeur"));
    ASSERT_EQ(air.size(), water.size());
    int inside = 0, outside = 0;
    for (int y = 0; y < air.height(); ++y)
      for (int x = 0; x < air.width(); ++x)
        if (air.pixel(x, y) != water.pixel(x, y)) ++(kCondenserArea.contains(x, y) ? inside : outside);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 200);  // an exchanger, not a retouched coil
  }
}

// Places of the main screen's texts over the picture (x, y, width, height): those that
// never move, then those of each receiver layout. A place may lie on plain background, in
// a light box or on a receiver's dark body, never on a line; the level bar hides the
// drawing it covers.
const std::vector<QRect> kFixedPlaces = {
    {90, 5, 421, 20},   {30, 30, 201, 26},  {260, 25, 190, 32},  {474, 355, 131, 19},
    {15, 425, 201, 23}, {375, 455, 261, 20}, {565, 435, 65, 19}, {295, 435, 271, 20},
    {490, 410, 111, 24}, {220, 450, 62, 20}, {260, 350, 111, 20}, {255, 330, 111, 20},
    {150, 180, 75, 30}, {51, 120, 61, 20},  {59, 181, 41, 20},   {42, 220, 75, 20},
    {60, 283, 41, 20},  {50, 320, 61, 20},  {42, 341, 80, 20},   {52, 368, 61, 20},
    {43, 394, 80, 20},  {50, 69, 82, 42},   {140, 40, 91, 30},   {230, 50, 12, 80},
    {10, 10, 110, 14},  {130, 10, 71, 12},  {330, 443, 32, 32},  {290, 443, 32, 32}};

struct Layout {
  const char* prefix;
  QRect bar;
  std::vector<QRect> places;
};

const std::vector<QRect> kHorizontalPlaces = {
    {556, 130, 62, 17}, {260, 90, 61, 21}, {190, 270, 75, 19}, {240, 70, 101, 17},
    {390, 120, 171, 21}, {390, 150, 86, 20}, {205, 228, 45, 30}, {545, 110, 91, 17}};

const Layout kLayouts[] = {
    {"ecran5P_HI", {276, 159, 320, 138}, [] {
       std::vector<QRect> places = kHorizontalPlaces;
       places.push_back({315, 140, 70, 17});  // the inclination angle
       return places;
     }()},
    {"ecran5P_test", {276, 184, 319, 114}, kHorizontalPlaces},
    {"ecran5P", {480, 120, 131, 190},
     {{395, 285, 62, 17}, {390, 90, 61, 21}, {400, 220, 75, 19}, {370, 70, 101, 17},
      {470, 60, 171, 21}, {496, 110, 86, 17}, {398, 176, 75, 30}, {370, 260, 91, 17}}},
};

// The light background and boxes, and the receivers' dark bodies: lines and outlines are
// neither.
int brightest(QRgb pixel) { return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))); }
bool lightOrDarkBody(QRgb pixel) {
  return qMin(qRed(pixel), qMin(qGreen(pixel), qBlue(pixel))) >= 200 || brightest(pixel) <= 50;
}

TEST(orvPictures, ValuePlacesStayClearOfTheDrawing) {
  for (const QString& name : backgroundNames()) {
    SCOPED_TRACE(name.toStdString());
    const Layout* layout = nullptr;
    for (const Layout& l : kLayouts)
      if (name.startsWith(QLatin1String(l.prefix))) {
        layout = &l;
        break;
      }
    ASSERT_NE(layout, nullptr);
    const QImage image = picture(name);
    std::vector<QRect> places = kFixedPlaces;
    places.insert(places.end(), layout->places.begin(), layout->places.end());
    for (const QRect& wholePlace : places) {
      const QRect place = wholePlace & image.rect();  // a label may run past the edge
      int onLine = 0;
      for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
          if (layout->bar.contains(x, y)) continue;
          if (!lightOrDarkBody(image.pixel(x, y))) ++onLine;
        }
      EXPECT_EQ(onLine, 0) << "place " << place.x() << "," << place.y() << " " << place.width()
                         << "x" << place.height();
    }
    // The title strip and the bottom strip carry no drawing: plain background.
    const QRgb plain = image.pixel(0, 0);
    int marks = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        if ((y < 30 || y >= 425) && image.pixel(x, y) != plain) ++marks;
    EXPECT_EQ(marks, 0);
  }
}

// The screen lays a dark plate under a value only while the value is shown: a picture
// draws nothing darker than a receiver's body (#1b232c), so that no plate of its own is
// left empty on the screen.
TEST(orvPictures, NoReadOutPlateIsDrawnIntoAPicture) {
  for (const QString& name : backgroundNames()) {
    SCOPED_TRACE(name.toStdString());
    const QImage image = picture(name);
    int darker = 0;
    QPoint first;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (brightest(image.pixel(x, y)) < 0x2c && darker++ == 0) first = QPoint(x, y);
    EXPECT_EQ(darker, 0) << "first at " << first.x() << ", " << first.y();
  }
}

}  // namespace
