#include <gtest/gtest.h>

#include "common/text/DateText.h"

using namespace vantorel;

TEST(DateText, EachFormatOrdersYearMonthAndDay) {
    EXPECT_EQ(unlabelledDateText(0, 2024, 3, 7), "2024/03/07");
    EXPECT_EQ(unlabelledDateText(1, 2024, 3, 7), "2024/07/03");
    EXPECT_EQ(unlabelledDateText(2, 2024, 3, 7), "07/03/2024");
    EXPECT_EQ(unlabelledDateText(3, 2024, 3, 7), "03/07/2024");
    // A format never chosen (99) or damaged prints as the first.
    EXPECT_EQ(unlabelledDateText(99, 1999, 12, 31), "1999/12/31");
    EXPECT_EQ(unlabelledDateText(-1, 1999, 12, 31), "1999/12/31");

    EXPECT_EQ(labelledDateText(0, 3, 2024, 3, 7), "Date: 03/07/2024");
    EXPECT_EQ(labelledDateText(1, 2, 2024, 3, 7), "Date: 07/03/2024");
    EXPECT_EQ(labelledDateText(2, 3, 2024, 3, 7), "Fecha: 03/07/2024");
}

TEST(DateText, MessagesAndSoundsOfRefusedEntries) {
    EXPECT_STREQ(dateErrorMessage(2)(0), "The year is not valid (1985 - 2050).");
    EXPECT_STREQ(dateErrorMessage(4)(1), "Le jour entré n'est pas valide.");
    EXPECT_STREQ(dateErrorMessage(6)(2), "Minutos inválidos.");
    EXPECT_STREQ(dateErrorMessage(1)(0), "");
    EXPECT_TRUE(dateErrorBeeps(2));
    EXPECT_TRUE(dateErrorBeeps(4));
    EXPECT_FALSE(dateErrorBeeps(5));
    EXPECT_FALSE(dateErrorBeeps(6));
    EXPECT_FALSE(dateErrorBeeps(1));
    // The Spanish year caption has one colon.
    EXPECT_STREQ(datesel::kYear(2), "Año:");
}

TEST(DateText, DayListsAndFormatSelection) {
    EXPECT_EQ(datesel::listedDays(1), 31);
    EXPECT_EQ(datesel::listedDays(2), 28);
    EXPECT_EQ(datesel::listedDays(4), 30);
    EXPECT_EQ(datesel::listedDays(12), 31);
    EXPECT_EQ(datesel::listedDays(0), 30);
    EXPECT_EQ(dateFormatFromSelection(3), 3);
    EXPECT_EQ(dateFormatFromSelection(-1), 0);
    EXPECT_EQ(dateFormatFromSelection(4), 0);
}
