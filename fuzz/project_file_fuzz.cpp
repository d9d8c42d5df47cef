// The project-file loader of the real main window on arbitrary file contents: it must never crash,
// show at most one message, and leave the window as it was whenever it refuses the file.
#include "model/Tables.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "ui/Selvane.h"

#include <QApplication>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

std::string projectPath;
std::vector<AnsiString> messages;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void writeProject(const std::uint8_t *data, std::size_t size)
{
    std::FILE *f = std::fopen(projectPath.c_str(), "wb");
    check(f != nullptr, "temporary project file");
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "project_file_fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);

    char path[] = "/tmp/project_file_fuzz_XXXXXX";
    const int fd = mkstemp(path);
    check(fd >= 0, "mkstemp");
    close(fd);
    projectPath = path;
    std::atexit([] { unlink(projectPath.c_str()); });

    SetMessageHook([](const MessageRecord &m) {
        messages.push_back(m.text);
        return IDOK;
    });
    SetFileDialogHook([](const char *, AnsiString &name) {
        name = projectPath;
        return true;
    });
    CreateForms();
    Selvane_F->Show();
    Selvane_F->Activate();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TSelvane_F *w = Selvane_F;
    InitParamAndMotorTables();
    if (w->pcModPic->ActivePageIndex() != 0)
        w->pcModPic->UserSelect(0);
    w->tbSIClick(nullptr);
    messages.clear();

    writeProject(data, size);
    w->tbOpen->Click();

    check(messages.size() <= 1, "one message at most");
    const int page = w->pcModPic->ActivePageIndex();
    check(page >= 0 && page <= 6, "mechanism page");
    check(w->cbModel->ItemIndex() == page, "selector follows the page");
    check(w->UnitType == 1 || w->UnitType == 2, "unit system");
    for (const CSIZEITEM &item : SizeItems)
        check(std::isfinite(item.dV), "finite values");

    const bool refused = !messages.empty() && messages[0].find("Load failed!") == std::string::npos;
    if (refused) {
        check(page == 0 && w->UnitType == 1, "refusal leaves the window");
        for (const CSIZEITEM &item : SizeItems)
            check(item.dV == item.dDefV, "refusal leaves the values");
    }
    return 0;
}
