// Which paths of a journal undo may act on: those that lie inside the run's target folder once
// the path is read plainly, however the journal spells them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quire {

// `path`, with `separator` between its names ('\\' also takes '/'), without repeated separators
// and "." steps: the path the entry is acted on by when it lies inside the folder `target`
// (itself not counted); nothing when it lies elsewhere or holds a ".." step. A \\?\ path, whose
// every name is a name as it stands, is inside only when it holds neither "." nor "..".
std::optional<std::string> PathInside(std::string_view target, std::string_view path,
                                      char separator);

}  // namespace quire
