#pragma once

// Points the user's configuration folder (XDG_CONFIG_HOME) at a fresh
// temporary folder for the life of the object, so that tests of stored
// settings neither read nor touch the real ones.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace classlib::test {

class TTempConfig {
public:
    TTempConfig() : FHadOld(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), FOld(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(FDir.path()));
    }
    ~TTempConfig()
    {
        if (FHadOld)
            qputenv("XDG_CONFIG_HOME", FOld);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    TTempConfig(const TTempConfig&) = delete;
    TTempConfig& operator=(const TTempConfig&) = delete;

    QString Path() const { return FDir.path(); }

private:
    QTemporaryDir FDir;
    bool FHadOld;
    QByteArray FOld;
};

} // namespace classlib::test
