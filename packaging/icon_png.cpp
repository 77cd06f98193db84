// Converts the window icon into the PNG form that icon themes expect: icon_png <in> <out.png>.
#include <QImage>

int main(int argc, char* argv[]) {
  if (argc != 3) {
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  return !image.isNull() && image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
