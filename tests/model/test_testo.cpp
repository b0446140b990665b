#include "model/Testo.h"

#include <gtest/gtest.h>

TEST(MaiuscoloAscii, OnlyPlainLettersChange) {
    EXPECT_EQ(MaiuscoloAscii("p12.set \xC3\xA8"), "P12.SET \xC3\xA8");
}

TEST(Testo, CaseBlindComparisons) {
    EXPECT_TRUE(UgualiSenzaMaiuscole("Recent File List", "recent file list"));
    EXPECT_FALSE(UgualiSenzaMaiuscole("File1", "File2"));
    EXPECT_TRUE(FinisceSenzaMaiuscole("/lavori/p12.set", ".SET"));
    EXPECT_TRUE(FinisceSenzaMaiuscole(".SET", ".set"));
    EXPECT_FALSE(FinisceSenzaMaiuscole("p12.SET.bak", ".SET"));
    EXPECT_FALSE(FinisceSenzaMaiuscole("SET", ".SET"));
}
