#include "platform/ComCtrls.h"

#include "TestSupport.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

// Tabs added and renamed while the page control is hidden are measured when it shows: the tab bar
// then looks as one given the same captions in sight.
TEST(PageControl, TabsAddedUnseenGetTheirSizeWhenShown)
{
    const std::vector<AnsiString> first = {"使用者輸入參數", "1", "Motor Specifications"};
    const std::vector<AnsiString> later = {"Input Parameters", "Graph", "Motor Specifications"};

    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed ? "renamed while hidden" : "captions as added");
        const std::vector<AnsiString> &shown = renamed ? later : first;
        QWidget host;
        host.resize(600, 200);
        TPageControl pc(nullptr);
        pc.Widget()->setParent(&host);
        pc.Widget()->setGeometry(0, 0, 600, 200);
        std::vector<TTabSheet *> sheets;
        for (const AnsiString &caption : first) {
            auto *sheet = new TTabSheet(nullptr);
            sheet->SetCaption(caption);
            sheet->SetPageControl(&pc);
            sheets.push_back(sheet);
        }
        for (size_t i = 0; renamed && i < sheets.size(); ++i)
            sheets[i]->SetCaption(later[i]);
        host.show();
        QApplication::processEvents();

        QTabWidget reference;
        reference.resize(600, 200);
        for (const AnsiString &caption : shown)
            reference.addTab(new QWidget, QString::fromStdString(caption));
        reference.show();
        QApplication::processEvents();

        // On screen the tabs and the frame's top edge below them look as the reference's.
        QTabBar *bar = pc.TabWidget()->tabBar();
        ASSERT_EQ(bar->count(), 3);
        EXPECT_EQ(bar->geometry(), reference.tabBar()->geometry());
        const QRect tabs(0, 0, 600, reference.tabBar()->height() + 2);
        EXPECT_EQ(Grabbed(&host, tabs), Grabbed(&reference, tabs));
        for (TTabSheet *sheet : sheets)
            delete sheet;
    }
}
