#pragma once
// Starting the text editor on a report file, without waiting for it.

#include <QString>

namespace varnok::reports {

class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    /// Starts the editor on `filePath`; false when it cannot be started.
    virtual bool start(const QString& filePath) = 0;
};

} // namespace varnok::reports
