#pragma once
// An editor launcher for tests: records the files it was asked to open instead
// of starting Notepad or the desktop's editor.

#include "editor_launcher.h"

#include <QString>
#include <vector>

namespace varnok::testing {

class RecordingEditor final : public reports::EditorLauncher {
public:
    bool start(const QString& filePath) override {
        started.push_back(filePath);
        return starts;
    }
    std::vector<QString> started;
    bool starts = true; // false: the editor "cannot be started"
};

} // namespace varnok::testing
