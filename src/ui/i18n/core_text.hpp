#pragma once

// The core writes its texts (break copy, presets, hold reasons) in English and knows nothing of
// Qt; the interface shows them in the user's language, looked up by their exact English text.

#include <span>
#include <string_view>

#include <QString>

namespace tarnwick::i18n {

// `english`, one of the core's own texts, in the user's language; any other text as it stands.
QString coreText(std::string_view english);

// Every core text the table knows, for the checks that it misses none.
std::span<const char* const> coreTexts();

}  // namespace tarnwick::i18n
