#pragma once

class QPdfWriter;
class QTextDocument;

namespace balance3::help {

// Prints `document` as QTextDocument::print does (2 cm margins, the page
// number at the foot), but first moves to the next page every heading or
// introducing line ("...:") that would stand alone at a page's foot, and
// every table row that a page's end would cut in two.
void PrintKeptTogether(QTextDocument& document, QPdfWriter& writer);

}  // namespace balance3::help
