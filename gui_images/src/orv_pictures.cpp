// Build tool: draws the pictures of gui_images/ from their SVG sources.
//
//   orv-pictures SOURCE_DIR OUTPUT_DIR
//
// - SOURCE_DIR/icons/NAME.svg becomes OUTPUT_DIR/NAME.png at the drawing's own size.
// - SOURCE_DIR/backgrounds.txt lists the main-screen backgrounds, one per line: the
//   picture name, then its layers (SOURCE_DIR/layers/LAYER.svg), painted in that order
//   over the whole 640 x 480 picture into OUTPUT_DIR/NAME.png. Blank lines and lines
//   starting with '#' are skipped.
//
// Any unreadable drawing or unknown layer stops the build with its name.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

const QSize kBackgroundSize(640, 480);

bool fail(const QString& what) {
  std::fprintf(stderr, "orv-pictures: %s\n", qPrintable(what));
  return false;
}

bool paintSvg(QPainter& painter, const QString& file, const QRect& place) {
  QSvgRenderer renderer(file);
  if (!renderer.isValid()) return fail(QStringLiteral("cannot read %1").arg(file));
  renderer.render(&painter, place);
  return true;
}

bool save(const QImage& image, const QString& file) {
  if (!image.save(file, "PNG")) return fail(QStringLiteral("cannot write %1").arg(file));
  return true;
}

bool drawIcons(const QDir& source, const QDir& output) {
  const QDir icons(source.filePath(QStringLiteral("icons")));
  for (const QFileInfo& svg : icons.entryInfoList({QStringLiteral("*.svg")}, QDir::Files)) {
    QSvgRenderer renderer(svg.filePath());
    if (!renderer.isValid()) return fail(QStringLiteral("cannot read %1").arg(svg.filePath()));
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!save(image, output.filePath(svg.completeBaseName() + QStringLiteral(".png"))))
      return false;
  }
  return true;
}

bool drawBackgrounds(const QDir& source, const QDir& output) {
  QFile table(source.filePath(QStringLiteral("backgrounds.txt")));
  if (!table.exists()) return true;
  if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
    return fail(QStringLiteral("cannot read %1").arg(table.fileName()));
  QTextStream in(&table);
  int lineNumber = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    ++lineNumber;
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
    if (words.size() < 2)
      return fail(QStringLiteral("backgrounds.txt:%1: a picture needs layers").arg(lineNumber));
    QImage image(kBackgroundSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 1; i < words.size(); ++i) {
      const QString layer = source.filePath(QStringLiteral("layers/%1.svg").arg(words[i]));
      if (!QFileInfo::exists(layer))
        return fail(QStringLiteral("backgrounds.txt:%1: no layer %2").arg(lineNumber).arg(words[i]));
      if (!paintSvg(painter, layer, QRect(QPoint(0, 0), kBackgroundSize))) return false;
    }
    painter.end();
    if (!save(image, output.filePath(words[0] + QStringLiteral(".png")))) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Text in the drawings needs the font database, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: orv-pictures SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  const QDir source(QString::fromLocal8Bit(argv[1]));
  QDir output(QString::fromLocal8Bit(argv[2]));
  if (!output.mkpath(QStringLiteral("."))) {
    fail(QStringLiteral("cannot create %1").arg(output.path()));
    return 1;
  }
  return drawIcons(source, output) && drawBackgrounds(source, output) ? 0 : 1;
}
