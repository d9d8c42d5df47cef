#pragma once

#include "platform/IniFiles.h"

class TForm;

// The three settings files beside the executable, opened by the main window and kept for the run.
extern TMemIniFile *CaptionIni;
extern TMemIniFile *MessageIni;
extern TMemIniFile *SizingIni;
// 0 English, 1 Traditional Chinese, 2 Simplified Chinese: the suffix of every text key.
extern int LanguageIndex;

// The text of number in section for the current language, or def when the file has none.
AnsiString GetMsg(const AnsiString &section, int number, const AnsiString &def);

// Captions, hints and list items of a window and its components from Caption.ini.
void ApplyCaptions(TForm *form);

// Appends a line to the main window's developer memo (Memo2).
void LogToDebugMemo(const AnsiString &text);
// Trace hook; does nothing.
void Trace(int level, const AnsiString &text);
