#include "app/module1.h"

#include "os/topmost.h"

namespace Module1 {

std::int32_t SetTopmost(QWidget &window, std::int16_t mode)
{
    if (mode != 0 && mode != 1)
        return 0;
    return os::setStaysOnTop(window, mode == 1) ? 1 : 0;
}

} // namespace Module1
