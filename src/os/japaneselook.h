#pragma once

class QApplication;

namespace os {

// Windows' Japanese faces, as the layouts and the screen-font options name them (UTF-8).
inline constexpr char gothicFace[] = "ＭＳ Ｐゴシック";
inline constexpr char minchoFace[] = "ＭＳ Ｐ明朝";

// The interface is Japanese whatever the locale: Qt's own Japanese texts for the standard buttons
// ("キャンセル"), and the Windows font names of the layout mapped to Japanese fonts that exist
// here.
void installJapaneseLook(QApplication &app);

} // namespace os
