#pragma once
// Small pieces the fee pages share: the item-list search and rounding up to
// a step that is not fooled by the last bit of a double.
#include <string>
#include <string_view>
#include <vector>

namespace verdika::fees {

// The index of the first caption at or after `from` that contains the text,
// compared without case; -1 when none does. An empty text matches nothing.
int findCaption(const std::vector<std::string>& captions, std::string_view text, int from);

// value rounded up to a multiple of step (a whole amount such as 10 or
// 100); a value within a millionth of a step of the multiple below counts
// as that multiple, so 3 000,0000000001 stays 3 000.
double roundUpTo(double value, double step);

}  // namespace verdika::fees
