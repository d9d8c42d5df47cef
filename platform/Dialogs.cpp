#include "platform/Dialogs.h"

#include "platform/Forms.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace
{
FileDialogHook fileDialogHook;
ShellOpenHook shellOpenHook;

QString QtFilter(const AnsiString &filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(';', ' ');
        if (pattern == "*.*")
            pattern = "*";
        out << QString("%1 (%2)").arg(parts[i], pattern);
    }
    return out.join(";;");
}
} // namespace

void SetFileDialogHook(FileDialogHook hook)
{
    fileDialogHook = std::move(hook);
}
void SetShellOpenHook(ShellOpenHook hook)
{
    shellOpenHook = std::move(hook);
}

bool TOpenDialog::Execute()
{
    AnsiString name = FileName;
    bool ok;
    if (fileDialogHook) {
        ok = fileDialogHook(saving_ ? "save" : "open", name);
    } else if (HeadlessPlatform()) {
        ok = false;
    } else {
        QWidget *parent = Application->ActiveForm() ? Application->ActiveForm()->Widget() : nullptr;
        const QString qname =
            saving_ ? QFileDialog::getSaveFileName(parent, QString::fromStdString(Title),
                                                   QString::fromStdString(name), QtFilter(Filter), nullptr,
                                                   QFileDialog::DontConfirmOverwrite)
                    : QFileDialog::getOpenFileName(parent, QString::fromStdString(Title),
                                                   QString::fromStdString(name), QtFilter(Filter));
        ok = !qname.isEmpty();
        name = qname.toStdString();
    }
    if (!ok)
        return false;
    if (saving_ && !DefaultExt.empty() && QFileInfo(QString::fromStdString(name)).suffix().isEmpty())
        name += "." + DefaultExt;
    FileName = name;
    return true;
}

void ShellOpen(const AnsiString &path)
{
    if (shellOpenHook) {
        shellOpenHook(path);
        return;
    }
    QProcess::startDetached("xdg-open", {QString::fromStdString(path)});
}
