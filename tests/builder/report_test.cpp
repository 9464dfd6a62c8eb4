#include <gtest/gtest.h>

#include "BuildReport.h"

TEST(BuildReport, CountsFirstThenTheItemsOfEachGroup) {
    TBuildReport report;
    report.SetCount("synsets", 3);
    report.AddItem("pointers shed", "n 00000001 city: ~i n 00000002");
    report.AddToCount("synsets", 2);
    report.AddItem("pointers shed", "n 00000001 city: ~i n 00000003");
    EXPECT_EQ(report.Count("synsets"), 5);
    EXPECT_EQ(report.Count("pointers shed"), 2);
    EXPECT_EQ(report.Text(),
              "synsets:        5\n"
              "pointers shed:  2\n"
              "\n"
              "pointers shed:\n"
              "  n 00000001 city: ~i n 00000002\n"
              "  n 00000001 city: ~i n 00000003\n");
}
