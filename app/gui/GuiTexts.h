// The fixed texts of the main window: the file dialog filter, captions, and the
// status texts (defined by the core) as the status pane shows them.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "app/core/Translator.h"

namespace morvane {

// 8-bit text as Qt shows it: one byte per character.
inline QString latin1Text(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline const QString kStatusTranslatingText = latin1Text(kStatusTranslating);
inline const QString kStatusSuccessText = latin1Text(kStatusSuccess);
inline const QString kStatusErrorText = latin1Text(kStatusError);

// "C files|*.c|C++ files|*.cpp|Pascal files|*.pas|Text files|*.txt|All files |*.*" as
// Qt name filters; the labels keep their texts, the blank after "All files" included.
inline const QStringList kFileFilters = {
    QStringLiteral("C files (*.c)"),         QStringLiteral("C++ files (*.cpp)"),
    QStringLiteral("Pascal files (*.pas)"),  QStringLiteral("Text files (*.txt)"),
    QStringLiteral("All files  (*)"),
};

inline const QString kMainCaption = QStringLiteral("Morvane");
inline const QString kHelpTopic = QStringLiteral("Welcome");

}  // namespace morvane
