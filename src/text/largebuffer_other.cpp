#include "text/largebuffer.h"

namespace text {

// Other systems give no advice that helps here: the block is filled as it is.
void prepareToFill(void *, std::size_t) {}

} // namespace text
