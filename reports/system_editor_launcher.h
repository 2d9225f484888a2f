#pragma once
// The platform's text editor: Notepad on Windows, the desktop's default
// application for text files elsewhere.

#include "editor_launcher.h"

namespace varnok::reports {

class SystemEditorLauncher final : public EditorLauncher {
public:
    /// Starts the editor without waiting for it; false when it cannot start.
    bool start(const QString& filePath) override;
};

} // namespace varnok::reports
