#include "platform/ComCtrls.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

// Tabs added and renamed while the page control is hidden are measured when it shows: each tab then
// has the size that a tab bar given the same captions in sight has.
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

        QTabBar *bar = pc.TabWidget()->tabBar();
        ASSERT_EQ(bar->count(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(bar->tabText(i).toStdString(), shown[static_cast<size_t>(i)]);
            EXPECT_EQ(bar->tabRect(i), reference.tabBar()->tabRect(i)) << i;
        }
        EXPECT_EQ(bar->geometry(), reference.tabBar()->geometry());
        EXPECT_EQ(bar->drawBase(), reference.tabBar()->drawBase());
        for (TTabSheet *sheet : sheets)
            delete sheet;
    }
}
