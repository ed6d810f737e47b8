#pragma once

#include <QString>

#include "catalogue.h"

namespace balance3::help {

// Makes the help page from its source: every {{mark}} gets its number from
// `facts`, written as the result labels write it, and every picture's <img>
// gets the picture's size, so the page lays out before any picture is read.
// Throws std::runtime_error on a mark or picture it does not know, and on a
// picture the page leaves out.
QString FillPage(const QString& source, const PageFacts& facts);

}  // namespace balance3::help
