#pragma once

#include <cstddef>

namespace text {

// Tells the system that a freshly allocated block of the given size is about to be written from
// its start: where the system can, a large block then takes its memory in large pages, one
// page fault where there would be hundreds. Nothing changes in what the block holds.
void prepareToFill(void *block, std::size_t size);

} // namespace text
