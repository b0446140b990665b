#include "model/Codifica.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

TEST(Codifica, DiameterSignIsOneByteOnDisk) {
    EXPECT_EQ(Utf8ACp1252("\xC3\x98" "12"), std::string("\xD8" "12"));
    EXPECT_EQ(Cp1252AUtf8("\xD8" "12"), std::string("\xC3\x98" "12"));
}

TEST(Codifica, RoundTripOfEveryByte) {
    std::string tutti;
    for (int b = 1; b < 256; ++b) tutti += static_cast<char>(b);
    EXPECT_EQ(Utf8ACp1252(Cp1252AUtf8(tutti)), tutti);
}

TEST(Codifica, ItalianTextAndEuro) {
    EXPECT_EQ(Utf8ACp1252("più €"), std::string("pi\xF9 \x80"));
    EXPECT_EQ(Cp1252AUtf8("pi\xF9 \x80"), "più €");
}

TEST(Codifica, UnmappableAndBrokenSequencesBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ACp1252("\xE2\x88\x9E"), "?");   // infinity sign: not in the code page
    EXPECT_EQ(Utf8ACp1252("a\xC3"), "a?");          // truncated sequence
    EXPECT_EQ(Utf8ACp1252("\x98x"), "?x");          // stray continuation byte
}

TEST(Codifica, LinesEndInCrLfOrLf) {
    std::istringstream ingresso("uno\r\ndue\ntre");
    std::string riga;
    std::vector<std::string> righe;
    while (LeggiRiga(ingresso, riga)) righe.push_back(riga);
    EXPECT_EQ(righe, (std::vector<std::string>{"uno", "due", "tre"}));
}
