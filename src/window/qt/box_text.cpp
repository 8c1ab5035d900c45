#include "window/qt/box_text.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace voralind {
namespace {

constexpr char kCodecName[] = "GB18030";

}  // namespace

bool BoxTextCodecAvailable() { return QStringEncoder(kCodecName).isValid(); }

QString ToQString(TextRef text) {
  if (text.absent()) return QString();
  // Bytes that are no GB18030 sequence show as the replacement character rather than
  // being dropped.
  QStringDecoder decoder(kCodecName);
  return decoder.decode(QByteArrayView(text.c_str()));
}

Text ToText(const QString& string) {
  if (string.isEmpty()) return Text();
  QStringEncoder encoder(kCodecName);
  const QByteArray bytes = encoder.encode(string);
  if (bytes.isEmpty() || bytes.front() == '\0') return Text();
  return Text::Copy(bytes.constData());
}

QString FromCrLf(QString string) {
  return string.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString ToCrLf(QString string) { return string.replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }

}  // namespace voralind
