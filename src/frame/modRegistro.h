#pragma once
// The settings store `ChaveConfig` and the case-file association.
//
// Settings are short texts addressed by a section and a key. A section lives under the key
// "Software\Morvane\<title>\<major>.<minor>\<section>" of one of two hives: the user's when
// the section starts with exactly "Config" (case-sensitive), the machine's otherwise. An
// empty text is stored as one blank and reads back as that blank; a missing or unreadable
// value, or one of 1024 bytes or more with its terminator, reads as the empty text. No
// failure is reported: reads give the empty text, writes are silently lost.
//
// The case-file association lives in the desktop's own places (platform/AssociacaoDesktop.h).

#include "platform/SettingsFiles.h"

#include <QString>

namespace frame {

using platform::Hive;

// The key path of a section: "Software\Morvane\" + title + "\2.0\" + section.
QString ChaveConfig(const QString &section);
// The hive of a section by the rule above.
Hive HiveOfSection(const QString &section);

QString GetConfig(const QString &section, const QString &key);
void SaveConfig(const QString &section, const QString &key, const QString &value);

// Writes one text value (an empty text as one blank); true when it was written.
bool SetKeyValue(Hive hive, const QString &subkey, const QString &name, const QString &value);
// The text of one value, or the empty text.
QString QueryValue(Hive hive, const QString &subkey, const QString &name);

// The open command this program registers for case files.
QString OwnOpenCommand();

// The start-up check of the case-file association: a missing or foreign ".qzv" mapping is
// written without asking; an open command other than ours (letter case aside) asks whether
// to restore it, unless "System"/"Associa" is "0"; no open command asks nothing.
void VerificaAssociacao();
// Writes the association (type, description, icon, open command); the result of the last
// write. Writes nothing and returns false when the user's mimeapps.list cannot be read whole.
bool AssociaArquivo();

} // namespace frame
