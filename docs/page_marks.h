#pragma once

#include <QString>

#include "catalogue.h"

namespace balance3::help {

// Fills in every {{mark}} of a page: a number from `facts`, written as the
// result labels write it, or a colour of the palette ({{colour.heading}}),
// which the style sheet uses. Throws std::runtime_error on a mark it does
// not know.
QString FillMarks(const QString& source, const PageFacts& facts);

// Makes the help page from its source: its marks filled in, and every
// picture's <img> given the picture's size, so the page lays out before any
// picture is read. Throws std::runtime_error as FillMarks does, on a picture
// it does not know, and on a picture the page leaves out.
QString FillPage(const QString& source, const PageFacts& facts);

}  // namespace balance3::help
