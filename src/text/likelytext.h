#pragma once

#include <QStringView>

namespace text {

// For bytes that are well-formed both in UTF-8 and in Windows-31J: whether their UTF-8 reading is
// clearly the likelier text. A Data folder holds Windows-31J unless another editor put UTF-8
// there, so Windows-31J wins whatever is not clear.
bool utf8IsLikelier(QStringView utf8Reading, QStringView windows31jReading);

} // namespace text
