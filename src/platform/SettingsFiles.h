#pragma once
// Our stand-in for the registry: two hives, each kept as one INI file of its own under the
// user's configuration folder + "Morvane/<title>/<major.minor>/". A hive holds keys named by
// their path ("Software\Morvane\...\Config\Menu"); a key holds text values named by value
// name. Key paths and value names compare without regard to letter case, as in the registry,
// and keep the spelling of their first write. This class is the only one that touches these
// files; it reads and writes the whole file on every call (the store is small) and replaces
// the file only when the new one is complete.

#include <QString>
#include <optional>

namespace platform {

enum class Hive {
    CurrentUser,  // HKEY_CURRENT_USER
    LocalMachine, // HKEY_LOCAL_MACHINE
};

class SettingsFiles
{
public:
    static SettingsFiles &instance();

    // The folder of the hive files; the default is the user's configuration folder plus
    // "Morvane/<title>/<major.minor>". Tests point it at a temporary folder; an empty text
    // goes back to the default.
    void setFolder(const QString &folder);
    QString folder() const;
    QString hiveFile(Hive hive) const;

    // Creates the key when missing and writes the value; false when the file could not be
    // written.
    bool write(Hive hive, const QString &keyPath, const QString &name, const QString &text);
    // nullopt when the hive file, the key or the value is missing or unreadable.
    std::optional<QString> read(Hive hive, const QString &keyPath, const QString &name) const;

private:
    SettingsFiles() = default;
    QString customFolder;
};

} // namespace platform
