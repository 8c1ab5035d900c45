#include "window/qt/kai_font.h"

#include <QFontDatabase>

#include "window/qt/box_text.h"

namespace voralind {
namespace {

// Kai faces a Linux system may have, the one the program's packages install first.
const char* const kKaiFaces[] = {"AR PL UKai CN", "AR PL UKai TW", "AR PL KaitiM GB", "KaiTi",
                                 "STKaiti"};

void RegisterKaiSubstitution(const QString& face) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  const QStringList kai = KaiFaceSubstitutes();
  if (!kai.isEmpty()) QFont::insertSubstitutions(face, kai);
}

}  // namespace

QStringList KaiFaceSubstitutes() {
  const QStringList installed = QFontDatabase::families();
  QStringList found;
  for (const char* face : kKaiFaces) {
    if (installed.contains(QLatin1String(face), Qt::CaseInsensitive)) found << QLatin1String(face);
  }
  return found;
}

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
