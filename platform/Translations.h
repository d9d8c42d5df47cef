#pragma once

// Qt's own texts (standard buttons of message boxes, file dialogs) in the program's language:
// 0 English (Qt's built-in texts), 1 Traditional Chinese, 2 Simplified Chinese. Any other number
// leaves the English texts. Returns false when the language's translation file is missing.
bool UseQtTranslations(int language);
