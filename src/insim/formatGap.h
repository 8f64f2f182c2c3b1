#pragma once

#include <string>

namespace rennlupe::insim {

// A gap in seconds as "mm:ss:ttt": minutes of the hour, seconds, thousandths.
// Rounded to whole milliseconds (halves away from zero) before it is split.
// Below -43200 s the two times straddle midnight and a day is added; another
// negative gap is "-" and the text of its magnitude.
std::string formatGap(float seconds);

}  // namespace rennlupe::insim
