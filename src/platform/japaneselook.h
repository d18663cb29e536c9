#pragma once

class QApplication;

namespace platform {

// The interface is Japanese whatever the locale: Qt's own Japanese texts for the standard buttons
// ("キャンセル"), and the Windows font names of the layout mapped to Japanese fonts that exist
// here.
void installJapaneseLook(QApplication &app);

} // namespace platform
