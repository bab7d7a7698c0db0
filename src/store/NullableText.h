#pragma once

#include <QString>
#include <optional>

namespace paluksen::store {

// A stored value: text, empty text, or Null. Null and empty text are different things to the
// store and stay different on the way through it.
using NullableText = std::optional<QString>;

} // namespace paluksen::store
