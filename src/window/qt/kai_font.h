// The program's fonts on Qt.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "window/window_description.h"

namespace voralind {

// The Kai faces installed on this system that stand in for 楷体 (the first one found is
// used). Empty when none is installed; Qt then picks its own fallback.
QStringList KaiFaceSubstitutes();

// The font of a request: its face (with the Kai substitution registered once), bold or not,
// and the pixel height as the em height, which is what QFont's pixel size is.
QFont FontFor(const FontRequest& request);

}  // namespace voralind
