// Box texts cross between the program (GB18030 bytes, GBK for everything it writes itself)
// and the widgets (QString).
#pragma once

#include <QString>

#include "text/text.h"

namespace voralind {

// True when this Qt can convert GB18030 (it needs ICU); the window cannot be built without.
bool BoxTextCodecAvailable();

// The QString showing `text`; the absent text is the empty string. Line breaks stay as
// they are. Example: "\xC4\xEA" becomes u"年".
QString ToQString(TextRef text);

// A new owned text with `string` as GB18030 bytes, or the absent text for an empty string.
// Every character has a GB18030 form, so nothing typed is lost; a text ends at the first
// U+0000, which no box can hold. Example: u"𠮷" becomes "\x95\x34\xB2\x35".
Text ToText(const QString& string);

// CR LF line breaks (the program's) to LF (the widgets'), and back.
QString FromCrLf(QString string);
QString ToCrLf(QString string);

}  // namespace voralind
