// The whole window under a long run of random events: typing, clicks, focus moves, the
// dialog with its prompt, the menu and resizing, with the sheet checked after every event.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "sheet/appstate.h"
#include "ui/addskill/addskill.h"
#include "ui/main/mainwindow.h"
#include "windowsoak.h"

namespace {

// The run ctest makes; any other comes from TALVIRA_SOAK_START or --random-start.
constexpr std::uint64_t kDefaultStart = 1;
// A generous bound: the taken lists and the tables legitimately grow a little.
constexpr long kMostGrowthKb = 64L * 1024;

std::uint64_t randomstart() {
    const char* text = std::getenv("TALVIRA_SOAK_START");
    return text != nullptr ? std::strtoull(text, nullptr, 10) : kDefaultStart;
}

int eventcount() {
    const char* text = std::getenv("TALVIRA_SOAK_EVENTS");
    return text != nullptr ? std::atoi(text) : TALVIRA_SOAK_DEFAULT_EVENTS;
}

void print(const SoakReport& report, std::uint64_t start) {
    std::cout << "soak: random start value " << start << ": " << report.events << " events in "
              << report.seconds << " s\n"
              << "soak: dialog openings " << report.dialogs.openings << ", takes "
              << report.dialogs.takes << ", prompts " << report.dialogs.prompts << ", resizes "
              << report.resizes << "\n"
              << "soak: boxes closed: " << report.boxes.integer << " conversion errors, "
              << report.boxes.index << " list index errors, " << report.boxes.help << " help\n"
              << "soak: total line compared after " << report.totalscompared
              << " events; skill sum " << report.sums.skills << " times recomputed and "
              << report.sums.skillsfailed << " times failed, feature sum " << report.sums.features
              << " times\n"
              << "soak: VmRSS " << report.rsswarm << " kB after the warm-up, at most "
              << report.rssmost << " kB later, " << report.rssend << " kB at the end\n";
}

TEST(Soak, RandomEventsKeepTheSheetConsistent) {
    AppState state;
    TForm1 form(state, TALVIRA_CATALOGUES);
    TForm2 dialog(state, [&form] { form.countpoints(); });
    form.setpickdialog(&dialog);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_FALSE(state.catalogue.skilllist.empty());
    ASSERT_FALSE(state.catalogue.featlist.empty());

    const std::uint64_t start = randomstart();
    const int events = eventcount();
    std::cout << "soak: random start value " << start << ", " << events << " events\n";
    WindowSoak soak(form, dialog, state, start);
    const SoakReport report = soak.run(events);
    print(report, start);

    EXPECT_TRUE(report.failure.empty()) << report.failure;
    EXPECT_GE(report.events, events);
    EXPECT_GT(report.totalscompared, 0);
#ifndef TALVIRA_SOAK_SANITIZED
    // The sanitizers hold freed memory in quarantine, so only the plain build bounds it.
    EXPECT_LT(report.rssmost - report.rsswarm, kMostGrowthKb);
#endif
}

}  // namespace
