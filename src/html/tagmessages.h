#pragma once

#include <QString>

namespace html {

// The refusal of a text that already begins with "<", shared by the tag builders.
inline const QString alreadyTagged = QStringLiteral("既にﾀｸﾞが付いています");
// The second line of every success message of the tag builders.
inline const QString pasteIt = QStringLiteral("ﾍﾟｰｽﾄしてお使いください。");

} // namespace html
