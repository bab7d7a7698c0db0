#pragma once

namespace paluksen {

// A program started with standard input, output or error closed (`>&-`) would hand that number to
// the next file it opens, and its messages would then be written into the store or an output
// file. Each closed one is taken at start by the null device, opened for reading only: reads find
// nothing, and a write fails as on a closed descriptor, so the user is told, not misled.
void takeClosedStandardDescriptors();

} // namespace paluksen
