// The program's fonts on Qt.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "window/window_description.h"

namespace voralind {

// The font of a request: its face (with installed Kai faces standing in for 楷体,
// registered once), bold or not,
// and the pixel height as the em height, which is what QFont's pixel size is.
QFont FontFor(const FontRequest& request);

}  // namespace voralind
