#pragma once
// HOME and XDG_CONFIG_HOME in a temporary folder for the life of the object,
// so that tests write their desktop files there, never in the user's own.

#include <QByteArray>
#include <QTemporaryDir>

namespace varnok::testing {

class TemporaryHome {
public:
    TemporaryHome()
        : savedHome_(qgetenv("HOME"))
        , savedConfig_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir_.path() + "/config").toUtf8());
    }
    ~TemporaryHome() {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfig_);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    /// Qt's desktop folder when no user-dirs.dirs names another.
    QString desktop() const { return dir_.path() + "/Desktop"; }

private:
    QTemporaryDir dir_;
    QByteArray savedHome_;
    QByteArray savedConfig_;
};

} // namespace varnok::testing
