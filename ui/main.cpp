#include "model/Texts.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "ui/Selvane.h"

#include <QApplication>
#include <QFont>

#include <csignal>

int main(int argc, char *argv[])
{
    // A write past the file-size limit then fails with an error the save commands report.
    std::signal(SIGXFSZ, SIG_IGN);
    // The layouts' column widths were made for Tahoma; where it is missing, this font comes closest in
    // width (DejaVu Sans, the usual stand-in, cuts off the motor models in their grid columns).
    QFont::insertSubstitution("Tahoma", "WenQuanYi Micro Hei");
    // The memo's and the inertia formula's families are missing too: naming the family that the
    // system would fall back to spares the search for it.
    QFont::insertSubstitution("Times New Roman", "DejaVu Serif");
    QFont::insertSubstitution("Arial", "DejaVu Sans");
    QApplication app(argc, argv);
    try {
        QFont font(InstalledFamily("Tahoma"));
        font.setPixelSize(11);
        QApplication::setFont(font);
        Application->Title = "Zorvo Kelo_Selvane Tool";
        QApplication::setApplicationName(QString::fromStdString(Application->Title));
        CreateForms();
        Application->Run();
    } catch (const std::exception &e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(""));
    }
    return 0;
}
