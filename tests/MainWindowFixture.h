#pragma once

#include "platform/Forms.h"
#include "ui/Selvane.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

// The four forms built as the program builds them, on fresh tables, shown offscreen. Message boxes,
// modal dialogs and file dialogs answer through recorded hooks and never wait.
class MainWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;
    // True to read Message.ini and Caption.ini beside the test binary (English); false for the
    // built-in texts only.
    virtual bool WithTextFiles() const { return false; }

    // Texts of the message boxes shown so far.
    std::vector<AnsiString> MessageTexts() const;
    // Answer the next message box with this (IDYES, IDNO, IDOK); later ones answer IDYES/IDOK.
    void AnswerNextMessage(int answer) { answers_.push_back(answer); }
    // Runs f when the next modal form shows; its return value is the modal result.
    void OnNextModal(std::function<int(TForm *)> f) { modals_.push_back(std::move(f)); }
    // File name the next file dialog returns; "" cancels.
    void AnswerNextFileDialog(const AnsiString &path) { files_.push_back(path); }

    // Memo lines as a vector.
    static std::vector<AnsiString> LinesOf(const TMemo *memo) { return memo->Lines.Items(); }

    TSelvane_F *w = nullptr;
    std::vector<MessageRecord> messages;
    std::vector<AnsiString> shellOpened;

  private:
    std::deque<int> answers_;
    std::deque<std::function<int(TForm *)>> modals_;
    std::deque<AnsiString> files_;
};
