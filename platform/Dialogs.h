#pragma once

#include "platform/Classes.h"

// File name dialogs. Filter is "description|pattern|description|pattern"; "*.*" lists every file.
class TOpenDialog : public TComponent
{
  public:
    explicit TOpenDialog(TComponent *owner) : TComponent(owner) {}
    const char *ClassName() const override { return "TOpenDialog"; }
    // True when the user chose a file; FileName then holds its path.
    virtual bool Execute();
    AnsiString FileName;
    AnsiString DefaultExt;
    AnsiString Filter;
    AnsiString Title;

  protected:
    bool saving_ = false;
};

// The save dialog adds DefaultExt to a name typed without an extension and asks nothing itself
// about existing files: the program asks its own question.
class TSaveDialog : public TOpenDialog
{
  public:
    explicit TSaveDialog(TComponent *owner) : TOpenDialog(owner) { saving_ = true; }
    const char *ClassName() const override { return "TSaveDialog"; }
};

// Test hook: answers file dialogs; return false to cancel. kind is "open" or "save".
using FileDialogHook = std::function<bool(const char *kind, AnsiString &fileName)>;
void SetFileDialogHook(FileDialogHook hook);

// Opens a file with the desktop's default program.
void ShellOpen(const AnsiString &path);
using ShellOpenHook = std::function<void(const AnsiString &path)>;
void SetShellOpenHook(ShellOpenHook hook);
