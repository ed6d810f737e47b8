#pragma once

// What the result labels show for the readings the calculator starts with,
// under a comma locale: the three masses, then the three angles. The help
// page and the README quote these figures; every test of the worked example
// reads them from here (the screen-reader test parses this very line).
inline constexpr const char* kExampleResults[] = {"46,47", "126,58", "132,42", "53,39", "183,82", "23,24"};
