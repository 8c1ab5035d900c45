#include "window/qt/kai_font.h"

#include "window/qt/box_text.h"

namespace voralind {
namespace {

// Kai faces a Linux system may have, the one the program's packages install first. Qt
// tries them in order and skips those that are not installed, so the font list need not be
// read at start.
const QStringList kKaiFaces = {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"),
                               QStringLiteral("AR PL KaitiM GB"), QStringLiteral("KaiTi"),
                               QStringLiteral("STKaiti")};

void RegisterKaiSubstitution(const QString& face) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  QFont::insertSubstitutions(face, kKaiFaces);
}

}  // namespace

QFont FontFor(const FontRequest& request) {
  const QString face = ToQString(request.face);
  RegisterKaiSubstitution(face);
  QFont font(face);
  font.setPixelSize(request.pixel_height);
  font.setWeight(static_cast<QFont::Weight>(request.weight));  // same scale: 700 is bold
  font.setItalic(request.italic);
  font.setUnderline(request.underline);
  font.setStrikeOut(request.strike_out);
  return font;
}

}  // namespace voralind
